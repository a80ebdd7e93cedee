// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cliplist/ringtone.h"

#include <optional>

class QWidget;

// The prompt of "Save as Ringtone", a seam of its own so the page is tested with scripted
// choices. QtRingtonePrompt (ringtone_dialog.h) is the real one.
class RingtonePrompt {
public:
    // The choices: the phone, the selected clip or the whole list joined, an even loudness,
    // and the fade-out at the end.
    struct Choice {
        ringtone::Target target = ringtone::Target::IPhone;
        bool wholeList = false;
        bool loudness = true;
        bool fadeOut = true;
    };

    virtual ~RingtonePrompt() = default;
    // The ringtone dialog, showing `initial`; without a selected clip only the whole list can
    // be chosen. The choices made, or nothing when the user cancelled.
    virtual std::optional<Choice> chooseRingtone(QWidget* parent, const Choice& initial,
                                                 bool clipSelected) = 0;
};
