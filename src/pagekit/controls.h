// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QRect>
#include <QWidget>

class QPushButton;

// Making the pages' controls: each carries its name as objectName, so tests and the
// accessibility tree find it, and sits at its place within its parent.
namespace controls {

template <typename Control> Control* place(Control* control, const char* name, const QRect& at) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(at);
    return control;
}

// A button with a caption.
QPushButton* button(QWidget* parent, const char* name, const char* caption, const QRect& at);
// A caption-less button showing the picture of its name (clippictures), `size` pixels square.
QPushButton* pictureButton(QWidget* parent, const char* name, const QRect& at, int size = 24);

} // namespace controls
