// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a core has to tell the user, in the program's words, for the page to show: the cores
// know the texts, the pages own the message boxes.
struct Notice {
    enum class Kind {
        Information, // a box with the information icon
        Warning,     // a box with the warning icon
        AudioError,  // the audio error box: text, "error code: N", then the detail line
    };
    Kind kind = Kind::Warning;
    QString text;
    int errorCode = 0;
    QString detail;
};
