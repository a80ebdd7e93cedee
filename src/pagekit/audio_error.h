// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagekit/dialogs.h"

#include <QString>

class QWidget;

// The common error box of audio work: titled "Error", warning icon, the message, two line
// breaks, "error code: " and the engine's last error code in decimal; then, when given, one
// more line that says in words what went wrong with which file.
void ShowAudioError(Dialogs& dialogs, QWidget* parent, const QString& message, int errorCode,
                    const QString& detail = QString());
