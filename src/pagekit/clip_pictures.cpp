// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/clip_pictures.h"

#include "pagekit/toolbar_icons.h"

namespace clippictures {

QIcon buttonIcon(const QString& buttonName, int size) {
    const std::pair<const char*, const char*> pictures[] = {
        {"CmdAdd", "CmdAdd"},         {"Cmdremove", "Cmdremove"}, {"CmdUP", "CmdUP"},
        {"CmdDown", "CmdDown"},       {"CmdEditPlay", "play"},    {"CmdEditStop", "stop"},
        {"CmdPlay", "play"},          {"CmdStop", "stop"},        {"CmdPause", "CmdPause"},
        {"CmdNext", "CmdNext"},       {"CmdFoward", "CmdFoward"}, {"CmdPlaySel", "CmdPlaySel"},
        {"CmdUndo", "CmdUndo"},       {"CmdRedo", "CmdRedo"},     {"CmdFadeIn", "CmdFadeIn"},
        {"CmdFadeOut", "CmdFadeOut"}, {"CmdGain", "CmdGain"},     {"CmdNormalise", "CmdNormalise"},
    };
    for (const auto& [name, file] : pictures)
        if (buttonName == QLatin1String(name))
            return toolbaricons::svgIcon(
                QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(file)), size);
    return {};
}

} // namespace clippictures
