// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

// The pictures of the "Audio Edit" page's caption-less buttons, drawn in code. Need a
// QGuiApplication; made on the GUI thread.
namespace clippictures {

// Edge of a button picture in pixels.
inline constexpr int PictureSize = 24;

// The picture of a button by its objectName: "CmdAdd", "Cmdremove", "CmdUP", "CmdDown",
// "CmdEditPlay", "CmdEditStop", "CmdFoward", "CmdPause", "CmdPlay", "CmdStop", "CmdNext".
// A null pixmap for any other name.
QPixmap buttonPicture(const QString& buttonName);

} // namespace clippictures
