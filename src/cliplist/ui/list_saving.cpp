// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/list_saving.h"

#include "audio/media_player.h"
#include "base/app_info.h"
#include "base/clip_copy.h"
#include "base/settings.h"
#include "cliplist/clip_joiner.h"
#include "cliplist/ui/framewav.h"
#include "codec/mp3_encoder.h"
#include "codec/sound_sink.h"
#include "pagekit/app_context.h"
#include "pagekit/dialogs.h"
#include "pagekit/encoder_jobs.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

ListSaving::ListSaving(Framewav& page) : m_page(page) {}

const AppContext& ListSaving::context() const {
    return m_page.services().context;
}

void ListSaving::CmdSaveWav_Click() {
    if (m_page.isBusy() || listIsEmpty())
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
    context().dialogs.message(&m_page.services().dialogParent, QStringLiteral("Finish Save"),
                              QLatin1String(appinfo::Title), Dialogs::Icon::None);
}

void ListSaving::CmdSaveList_Click() {
    if (m_page.isBusy() || listIsEmpty())
        return;
    const std::optional<QString> target = askTarget(QStringLiteral("MP3(*.mp3)|*.mp3"));
    if (!target)
        return;
    std::unique_ptr<BusyGate::Scope> busy =
        m_page.services().busy.enter(BusyGate::Window::Disable, QStringLiteral("Saving......."));
    context().MMCEdit.command(QStringLiteral("Close"));
    context().MMCPlayList.command(QStringLiteral("Close"));

    if (Status joined = join(); !joined) {
        busy.reset();
        showFailure(QStringLiteral("%1 was not saved.\n\n%2").arg(*target, joined.message()));
        return;
    }
    applyBitRate();
    const QString input = context().workFolder.concatWav();
    const EncodeSettings settings{Codec::Mp3, context().Mp3Enc1.BitRate(),
                                  QFileInfo(*target).completeBaseName()};
    const short started = m_page.services().encoderJobs.start(
        input, *target,
        [input, output = *target, settings](const auto& progress, const std::atomic<bool>& abort) {
            return encodeFile(input, output, settings, progress, &abort);
        },
        std::move(busy));
    m_page.showStatusCode(context().Mp3Enc1.StatusCode());
    if (started != 0) {
        // No job, so nothing else would delete the list's input.
        QFile::remove(context().workFolder.concatWav());
        showFailure(QStringLiteral("%1 was not saved: the MP3 encoder did not take the job (error "
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
    request.initialFolder = m_page.services().settings.baseFolder();
    return context().dialogs.chooseFile(&m_page.services().dialogParent, request);
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
    const Settings::BitRate& rate = m_page.services().settings.bitRate();
    if (rate.isNumber() && rate.number() >= 1)
        context().Mp3Enc1.setBitRate(int(std::lround(std::min(rate.number(), 1e6))));
}

void ListSaving::showFailure(const QString& text) const {
    context().dialogs.message(&m_page.services().dialogParent, text, QLatin1String(appinfo::Title),
                              Dialogs::Icon::Warning);
}
