// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures: the toolbar pictures and the busy window's row, drawn in code,
// and the program icon. All need a QGuiApplication; all are made on the GUI thread.
namespace toolbaricons {

// Edge of a toolbar picture in pixels.
inline constexpr int ToolbarSize = 32;
// Edge of one picture of the busy window's row in pixels.
inline constexpr int BusySize = 49;

// The 32 × 32 picture of a toolbar key ("Wav", "Rec", "Convert", "Setting", "Help", "Exit");
// a null pixmap for any other key.
QPixmap toolbarPicture(const QString& key);
// The program's icon, `size` × `size` pixels, drawn from its SVG (data/icons/tunecarver.svg,
// the same file the desktop installs).
QPixmap programIcon(int size);
// The program's icon at the sizes a window system asks for.
QIcon programIconSet();
// Picture `index` (0 to 5) of the busy window's row, BusySize × BusySize pixels.
QPixmap busyPicture(int index);

} // namespace toolbaricons
