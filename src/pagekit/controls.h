// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QList>
#include <QRect>
#include <QWidget>

class Choices;
class QPushButton;
class QToolButton;

// Making the pages' controls: each carries its name as objectName, so tests and the
// accessibility tree find it, and sits at its classic place within its parent.
//
// Captions, check texts and descriptions handed in as `const char*` are English source texts
// in the "Controls" context of the catalogues: call sites mark them with
// QT_TRANSLATE_NOOP("Controls", "...") so lupdate finds them, and these functions show them
// in the user's language.
namespace controls {

// `source` in the user's language (context "Controls").
QString text(const char* source);

template <typename Control> Control* place(Control* control, const char* name, const QRect& at) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(at);
    return control;
}

// A button with a caption.
QPushButton* button(QWidget* parent, const char* name, const char* caption, const QRect& at);
// A caption-less button showing the picture of its name (clippictures), `size` pixels square.
QPushButton* pictureButton(QWidget* parent, const char* name, const QRect& at, int size = 24);

// A check in a remembered menu: its key in the choices, its text, its value until chosen.
struct Check {
    const char* key;
    const char* text;
    bool fallback = true;
};
// A button with a caption whose arrow opens a menu of `checks`, each remembered in
// `choices` as the user ticks it; a click on the caption is the button's clicked().
QToolButton* buttonWithChecks(QWidget* parent, const char* name, const char* caption,
                              const QRect& at, Choices& choices, const QList<Check>& checks);

// The name and description a screen reader gives a control that has no caption of its own.
void describe(QWidget* control, const char* name, const char* description);

// The edges of its parent `control` keeps its distance to when the window grows
// (ClassicLayout); Qt::LeftEdge | Qt::TopEdge unless set.
void keepEdges(QWidget* control, Qt::Edges edges);
Qt::Edges keptEdges(const QWidget* control);
// A plain widget that holds controls of its own at classic places (a row or a column of
// buttons), so the window's layout places them too.
void markPanel(QWidget* panel);
bool isPanel(const QWidget* widget);

} // namespace controls
