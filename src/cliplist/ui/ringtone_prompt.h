// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cliplist/ringtone.h"
#include "wav/clip_range.h"

#include <QString>

#include <optional>

class QWidget;

// The prompt of "Save as Ringtone", a seam of its own so the page is tested with scripted
// choices. QtRingtonePrompt (ringtone_dialog.h) is the real one.
class RingtonePrompt {
public:
    // The choices: the phone, the selected clip or the whole list joined, the tone's name
    // (its title tag), an even loudness, the fade-out at the end, and a seamless loop.
    struct Choice {
        ringtone::Target target = ringtone::Target::IPhoneShare;
        bool wholeList = false;
        bool loudness = true;
        bool fadeOut = true;
        QString title{}; // empty: the page's own choice
        bool loop = false;
    };

    virtual ~RingtonePrompt() = default;
    // The ringtone dialog, showing `initial`; without a selected clip only the whole list can
    // be chosen. `clipFile` is the selected clip's WAV file (empty when none), which the
    // dialog may play as a loop. The choices made, or nothing when the user cancelled.
    virtual std::optional<Choice> chooseRingtone(QWidget* parent, const Choice& initial,
                                                 bool clipSelected, const ClipRange& clipFile) = 0;
    // The user chose to send the saved ringtone `tone` to a phone: opens "Send to Phone" on
    // it.
    virtual void sendToPhone(QWidget* parent, const QString& tone) = 0;
};
