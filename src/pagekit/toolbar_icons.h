// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures, drawn from SVG resources (data/pictures, data/icons) so they
// stay sharp at any scale: the toolbar pictures, the busy window's row and the program
// icon. All need a QGuiApplication; all are made on the GUI thread.
namespace toolbaricons {

// Edge of a toolbar picture in pixels.
inline constexpr int ToolbarSize = 32;
// Edge of one picture of the busy window's row in pixels.
inline constexpr int BusySize = 49;

// The SVG resource at `path` as an icon of `size` pixels, drawn for the usual screen
// scales (1 to 3); the first of its sizes is `size` × `size`.
QIcon svgIcon(const QString& path, int size);
// The 32 × 32 picture of a toolbar key ("Wav", "Rec", "Convert", "Setting", "Help", "Exit");
// a null icon for any other key.
QIcon toolbarIcon(const QString& key);
// The program's icon, `size` × `size` pixels, drawn from its SVG (data/icons/tunecarver.svg,
// the same file the desktop installs).
QPixmap programIcon(int size);
// The program's icon at the sizes a window system asks for.
QIcon programIconSet();
// Picture `index` (0 to 5) of the busy window's row, BusySize × BusySize pixels, at the
// screen's scale.
QPixmap busyPicture(int index);

} // namespace toolbaricons
