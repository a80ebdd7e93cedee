// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/audio_error.h"

void ShowAudioError(Dialogs& dialogs, QWidget* parent, const QString& message, int errorCode,
                    const QString& detail) {
    QString text = message + QStringLiteral("\n\nerror code: ") + QString::number(errorCode);
    if (!detail.isEmpty())
        text += u'\n' + detail;
    dialogs.message(parent, text, QStringLiteral("Error"), Dialogs::Icon::Warning);
}
