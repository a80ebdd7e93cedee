// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

// The pictures of the "Audio Edit" page's caption-less buttons, from SVG resources
// (data/pictures). Need a QGuiApplication; made on the GUI thread.
namespace clippictures {

// Edge of a button picture in pixels, unless the button asks for another.
inline constexpr int PictureSize = 24;

// The picture of a button by its objectName, `size` pixels square: "CmdAdd", "Cmdremove",
// "CmdUP", "CmdDown", "CmdEditPlay", "CmdEditStop", "CmdFoward", "CmdPause", "CmdPlay",
// "CmdStop", "CmdNext", "CmdPlaySel", "CmdUndo", "CmdRedo", "CmdFadeIn", "CmdFadeOut",
// "CmdGain", "CmdNormalise". A null icon for any other name.
QIcon buttonIcon(const QString& buttonName, int size = PictureSize);

} // namespace clippictures
