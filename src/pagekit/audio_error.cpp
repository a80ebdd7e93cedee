// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/audio_error.h"

#include "base/app_info.h"

#include <QCoreApplication>

void ShowAudioError(Dialogs& dialogs, QWidget* parent, const QString& message, int errorCode,
                    const QString& detail) {
    QString text = QCoreApplication::translate("AudioError", "%1\n\nerror code: %2")
                       .arg(message, QString::number(errorCode));
    if (!detail.isEmpty())
        text += u'\n' + detail;
    dialogs.message(parent, text, QCoreApplication::translate("AudioError", "Error"),
                    Dialogs::Icon::Warning);
}

void warn(Dialogs& dialogs, QWidget* parent, const QString& text) {
    dialogs.message(parent, text, QLatin1String(appinfo::Title), Dialogs::Icon::Warning);
}

void tell(Dialogs& dialogs, QWidget* parent, const Notice& notice) {
    switch (notice.kind) {
    case Notice::Kind::AudioError:
        ShowAudioError(dialogs, parent, notice.text, notice.errorCode, notice.detail);
        return;
    case Notice::Kind::Information:
        dialogs.message(parent, notice.text, QLatin1String(appinfo::Title),
                        Dialogs::Icon::Information);
        return;
    case Notice::Kind::Warning:
        warn(dialogs, parent, notice.text);
        return;
    }
}
