// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/list_saving.h"

#include "audio/media_player.h"
#include "audio/mp3_encoder.h"
#include "cliplist/clip_copy.h"
#include "cliplist/clip_joiner.h"
#include "cliplist/ui/framewav.h"
#include "shell/app_info.h"
#include "shell/ui/busy_window.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/main_window.h"

#include <QFile>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

ListSaving::ListSaving(Framewav& page) : m_page(page) {}

const AppContext& ListSaving::context() const {
    return m_page.window().context();
}

void ListSaving::CmdSaveWav_Click() {
    if (listIsEmpty())
        return;
    const std::optional<QString> target = askTarget(QStringLiteral("Wav(*.wav)|*.wav"));
    if (!target)
        return;
    context().MMCEdit.command(QStringLiteral("Close"));
    context().MMCPlayList.command(QStringLiteral("Close"));
    Status saved = join();
    if (saved)
        saved = clipfiles::copyFile(context().workFolder.concatWav(), *target);
    if (!saved) {
        showFailure(QStringLiteral("%1 was not saved.\n\n%2").arg(*target, saved.message()));
        return;
    }
    context().dialogs.message(&m_page.window(), QStringLiteral("Finish Save"),
                              QLatin1String(appinfo::Title), Dialogs::Icon::None);
}

void ListSaving::CmdSaveList_Click() {
    if (listIsEmpty())
        return;
    const std::optional<QString> target = askTarget(QStringLiteral("MP3(*.mp3)|*.mp3"));
    if (!target)
        return;
    Frmmain& window = m_page.window();
    FrmLoad& busy = window.frmLoad();
    busy.setStatusText(QStringLiteral("Saving......."));
    busy.show();
    window.setEnabled(false);
    context().MMCEdit.command(QStringLiteral("Close"));
    context().MMCPlayList.command(QStringLiteral("Close"));

    const auto giveUp = [&](const QString& text) {
        busy.hide();
        window.setEnabled(true);
        showFailure(text);
    };
    if (Status joined = join(); !joined) {
        giveUp(QStringLiteral("%1 was not saved.\n\n%2").arg(*target, joined.message()));
        return;
    }
    Mp3Encoder& encoder = context().Mp3Enc1;
    applyBitRate();
    const short started = encoder.EncodeFile(context().workFolder.concatWav(), *target);
    m_page.controls().Text1->setText(QString::number(encoder.StatusCode()));
    if (started != 0) {
        // No job, so no encoding-finished handler to clean up after it.
        QFile::remove(context().workFolder.concatWav());
        giveUp(QStringLiteral("%1 was not saved: the MP3 encoder did not take the job (error "
                              "code %2).")
                   .arg(*target)
                   .arg(started));
    }
}

// An empty list has nothing to join; saying so before the save dialog spares the user a
// file name that would lead nowhere.
bool ListSaving::listIsEmpty() const {
    if (!m_page.clipNames().isEmpty())
        return false;
    showFailure(QStringLiteral("The list has no clips to save."));
    return true;
}

std::optional<QString> ListSaving::askTarget(const QString& filter) const {
    Dialogs::FileRequest request;
    request.mode = Dialogs::FileRequest::Mode::Save;
    request.filter = filter;
    request.fileName = QString();
    request.initialFolder = m_page.window().settings().baseFolder();
    return context().dialogs.chooseFile(&m_page.window(), request);
}

Status ListSaving::join() const {
    QStringList clipFiles;
    for (const QString& name : m_page.clipNames())
        clipFiles << context().workFolder.clipFile(name);
    return ClipJoiner().join(clipFiles, context().workFolder.concatWav());
}

// The settings page offers 56, 96, 128 and 256 kbit/s; the encoder takes any other positive
// number to LAME's nearest rate. A setting that is unset or not a number (a hand-edited
// config.ini) names no rate, so the encoder keeps the one it has (128 at start).
void ListSaving::applyBitRate() const {
    const Settings::BitRate& rate = m_page.window().settings().bitRate();
    if (rate.isNumber() && rate.number() >= 1)
        context().Mp3Enc1.setBitRate(int(std::lround(std::min(rate.number(), 1e6))));
}

void ListSaving::showFailure(const QString& text) const {
    context().dialogs.message(&m_page.window(), text, QLatin1String(appinfo::Title),
                              Dialogs::Icon::Warning);
}
