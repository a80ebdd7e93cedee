// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

// How a window of controls built at fixed places grows. Every control is built at its
// classic place for the window's classic size; a larger window hands its extra room to the
// controls by the edges each one keeps (controls::keepEdges): a control that keeps its left
// and right edges takes the extra width, one that keeps only its right edge moves with it,
// one that keeps neither stays centred; the same for top and bottom. Controls that were
// given no edges keep their left and top ones, so they stay where they were.
//
// A font too large for the classic places grows them all by one factor (textScale()), so
// no caption is ever cut: the window's minimum is the classic size times that factor, and
// with the font the places were drawn for it is exactly the classic size.
//
// The layout walks the widget tree below its root: it places the children of the root, of
// every QGroupBox and of every widget marked as a panel (controls::markPanel), and leaves
// the inside of other widgets (a list's scroll bars, a combo box's parts) to them. GUI
// thread only; the root outlives the layout.
class ClassicLayout {
public:
    // The controls below `root` are placed for a root of `classicSize`.
    ClassicLayout(QWidget& root, QSize classicSize);

    // Records where every control below the root is now as its classic place and measures
    // the captions; call once, when all are built at their classic places and hold their
    // start texts.
    void capture();
    // The factor (>= 1) by which the classic places grow so the captions fit their controls
    // in the fonts they have at capture().
    double textScale() const { return m_scale; }
    // The classic size grown by textScale(): the smallest size at which nothing is cut.
    QSize minimumSize() const;
    // Places every recorded control for the root's present size (at least minimumSize()).
    void apply();

    // The size, in pixels at the classic size, `widget`'s caption needs; an empty size when
    // it shows no text. Public for the check that no caption is cut.
    static QSize textNeed(const QWidget& widget);

private:
    struct Place {
        QPointer<QWidget> widget;
        QRect classic;
        QSize classicParent;
    };
    void walk(QWidget& parent);
    QRect scaled(const QRect& rect) const;

    QWidget& m_root;
    QSize m_classic;
    double m_scale = 1.0;
    // Parents before their children, so a parent's size is set before its children are
    // placed in it.
    std::vector<Place> m_places;
};
