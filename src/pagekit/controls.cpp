// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/controls.h"

#include "pagekit/clip_pictures.h"

#include <QPushButton>

namespace controls {

QPushButton* button(QWidget* parent, const char* name, const char* caption, const QRect& at) {
    return place(new QPushButton(QLatin1String(caption), parent), name, at);
}

QPushButton* pictureButton(QWidget* parent, const char* name, const QRect& at, int size) {
    auto* picture = place(new QPushButton(parent), name, at);
    picture->setIcon(QIcon(clippictures::buttonPicture(QLatin1String(name))));
    picture->setIconSize(QSize(size, size));
    return picture;
}

} // namespace controls
