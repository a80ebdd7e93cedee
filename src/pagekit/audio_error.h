// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/notice.h"
#include "pagekit/dialogs.h"

#include <QString>

class QWidget;

// The common error box of audio work: titled "Error", warning icon, the message, two line
// breaks, "error code: " and the engine's last error code in decimal; then, when given, one
// more line that says in words what went wrong with which file.
void ShowAudioError(Dialogs& dialogs, QWidget* parent, const QString& message, int errorCode,
                    const QString& detail = QString());

// A box titled with the program's name and the warning icon: what every page says when a
// command can't be done.
void warn(Dialogs& dialogs, QWidget* parent, const QString& text);
// What a core has to say, in the box its kind asks for.
void tell(Dialogs& dialogs, QWidget* parent, const Notice& notice);
