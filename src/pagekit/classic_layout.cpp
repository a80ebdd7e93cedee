// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/classic_layout.h"

#include "pagekit/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

// What a caption shares its control with, in pixels: a button's frame on each side, a
// combo box's arrow, a frame title's indent on each side.
constexpr int ButtonFramePx = 3;
constexpr int ComboArrowPx = 16;
constexpr int TitleIndentPx = 10;

bool isContainer(const QWidget& widget) {
    return qobject_cast<const QGroupBox*>(&widget) || controls::isPanel(&widget);
}

// One axis of a place: where the classic `start` and `length` go when the parent is `extra`
// pixels longer than its classic length, by the edges the control keeps on that axis.
std::pair<int, int> spread(int start, int length, int extra, bool keepsStart, bool keepsEnd) {
    if (keepsStart && keepsEnd)
        return {start, length + extra};
    if (keepsEnd)
        return {start + extra, length};
    if (keepsStart)
        return {start, length};
    return {start + extra / 2, length};
}

} // namespace

ClassicLayout::ClassicLayout(QWidget& root, QSize classicSize)
    : m_root(root), m_classic(classicSize) {}

void ClassicLayout::capture() {
    m_places.clear();
    walk(m_root);
    m_scale = 1.0;
    for (const Place& place : m_places) {
        const QSize need = textNeed(*place.widget);
        if (need.width() > place.classic.width())
            m_scale = std::max(m_scale, double(need.width()) / place.classic.width());
        if (need.height() > place.classic.height())
            m_scale = std::max(m_scale, double(need.height()) / place.classic.height());
    }
}

void ClassicLayout::walk(QWidget& parent) {
    for (QObject* child : parent.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        m_places.push_back(
            {widget, widget->geometry(), &parent == &m_root ? m_classic : parent.size()});
        if (isContainer(*widget))
            walk(*widget);
    }
}

QSize ClassicLayout::minimumSize() const {
    return scaled(QRect(QPoint(0, 0), m_classic)).size();
}

// Both edges are scaled and rounded, not the length, so controls that touch at the classic
// size still touch and never overlap.
QRect ClassicLayout::scaled(const QRect& rect) const {
    if (m_scale == 1.0)
        return rect;
    const auto at = [this](int x) { return int(std::lround(x * m_scale)); };
    return QRect(QPoint(at(rect.left()), at(rect.top())),
                 QPoint(at(rect.left() + rect.width()) - 1, at(rect.top() + rect.height()) - 1));
}

void ClassicLayout::apply() {
    for (const Place& place : m_places) {
        QWidget* widget = place.widget;
        if (!widget || !widget->parentWidget())
            continue;
        const QSize parentNow = widget->parentWidget()->size();
        const QSize parentBase = scaled(QRect(QPoint(0, 0), place.classicParent)).size();
        const int extraWidth = std::max(0, parentNow.width() - parentBase.width());
        const int extraHeight = std::max(0, parentNow.height() - parentBase.height());
        const Qt::Edges edges = controls::keptEdges(widget);
        const QRect base = scaled(place.classic);
        const auto [x, width] =
            spread(base.x(), base.width(), extraWidth, edges & Qt::LeftEdge, edges & Qt::RightEdge);
        const auto [y, height] = spread(base.y(), base.height(), extraHeight, edges & Qt::TopEdge,
                                        edges & Qt::BottomEdge);
        const QRect now(x, y, width, height);
        if (widget->geometry() != now)
            widget->setGeometry(now);
    }
}

QSize ClassicLayout::textNeed(const QWidget& widget) {
    const QFontMetrics metrics = widget.fontMetrics();
    const auto checkNeed = [&](const QString& text, QStyle::PixelMetric indicator,
                               QStyle::PixelMetric spacing) {
        const QStyle& style = *widget.style();
        return QSize(style.pixelMetric(indicator, nullptr, &widget) +
                         style.pixelMetric(spacing, nullptr, &widget) +
                         metrics.horizontalAdvance(text),
                     metrics.height());
    };
    if (auto* check = qobject_cast<const QCheckBox*>(&widget))
        return check->text().isEmpty() ? QSize()
                                       : checkNeed(check->text(), QStyle::PM_IndicatorWidth,
                                                   QStyle::PM_CheckBoxLabelSpacing);
    if (auto* radio = qobject_cast<const QRadioButton*>(&widget))
        return radio->text().isEmpty()
                   ? QSize()
                   : checkNeed(radio->text(), QStyle::PM_ExclusiveIndicatorWidth,
                               QStyle::PM_RadioButtonLabelSpacing);
    if (auto* button = qobject_cast<const QPushButton*>(&widget)) {
        if (button->text().isEmpty())
            return {};
        return {metrics.horizontalAdvance(button->text()) + 2 * ButtonFramePx, metrics.height()};
    }
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty())
            return {};
        if (label->wordWrap())
            return {0, label->heightForWidth(label->width())};
        return metrics.size(0, label->text());
    }
    // What is typed in a box is the user's: only its height is the box's to give.
    if (qobject_cast<const QLineEdit*>(&widget))
        return {0, metrics.height()};
    if (auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        if (combo->currentText().isEmpty())
            return {};
        return {metrics.horizontalAdvance(combo->currentText()) + ComboArrowPx, metrics.height()};
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        if (frame->title().isEmpty())
            return {};
        return {metrics.horizontalAdvance(frame->title()) + 2 * TitleIndentPx, 0};
    }
    return {};
}
