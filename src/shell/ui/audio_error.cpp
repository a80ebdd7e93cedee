// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/audio_error.h"

void ShowAudioError(Dialogs& dialogs, QWidget* parent, const QString& message, int errorCode) {
    dialogs.message(parent,
                    message + QStringLiteral("\n\nerror code: ") + QString::number(errorCode),
                    QStringLiteral("Error"), Dialogs::Icon::Warning);
}
