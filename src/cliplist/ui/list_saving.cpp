// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/list_saving.h"

#include "base/app_info.h"
#include "base/settings.h"
#include "cliplist/clip_joiner.h"
#include "cliplist/clip_list.h"
#include "cliplist/ui/list_join.h"
#include "codec/mp3_encoder.h"
#include "codec/sound_sink.h"
#include "pagekit/app_context.h"
#include "pagekit/audio_error.h"
#include "pagekit/dialogs.h"
#include "pagekit/encoder_jobs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

ListSaving::ListSaving(const ClipList& clips, ListJoin& join, PageServices services,
                       QObject* parent)
    : QObject(parent), m_clips(clips), m_join(join), m_services(services) {}

void ListSaving::CmdSaveWav_Click() {
    if (m_services.busy.isBusy() || listIsEmpty() || listHasChanged())
        return;
    const std::optional<QString> target =
        askTarget(QCoreApplication::translate("ListSaving", "Wav(*.wav)|*.wav"));
    if (!target)
        return;
    m_join.start(
        m_services.busy.hold(QCoreApplication::translate("ListSaving", "Saving......."), false),
        *target,
        [this, target = *target](const Status& saved, std::unique_ptr<BusyGate::Scope> hold) {
            hold.reset();
            if (!saved) {
                warn(m_services.context.dialogs, &m_services.dialogParent,
                     QCoreApplication::translate("ListSaving", "%1 was not saved.\n\n%2")
                         .arg(target, saved.message()));
                return;
            }
            m_services.context.dialogs.message(
                &m_services.dialogParent,
                QCoreApplication::translate("ListSaving", "Finish Save\n%1")
                    .arg(QDir::toNativeSeparators(target)),
                QLatin1String(appinfo::Title), Dialogs::Icon::None);
        });
}

void ListSaving::CmdSaveList_Click() {
    if (m_services.busy.isBusy() || listIsEmpty() || listHasChanged())
        return;
    const std::optional<QString> target =
        askTarget(QCoreApplication::translate("ListSaving", "MP3(*.mp3)|*.mp3"));
    if (!target)
        return;
    applyBitRate(m_services);
    const AppContext& context = m_services.context;
    // The clips are encoded as they are read, in list order: no joined WAV comes between.
    const QList<ClipRange> clipFiles = m_join.clipFilesToRead();
    const EncodeSettings settings{Codec::Mp3, context.Mp3Enc1.BitRate(),
                                  QFileInfo(*target).completeBaseName()};
    // The first clip stands for the job's input: the encoder refuses a job whose input is gone
    // or is the target itself.
    const short started = m_services.encoderJobs.start(
        clipFiles.first().file, *target,
        [clipFiles, target = *target, settings](const auto& progress,
                                                const std::atomic<bool>& abort) {
            ClipJoiner joiner;
            joiner.setProgress([&](ByteCount done, ByteCount total) {
                if (total > 0)
                    progress(int(done * 100 / total));
            });
            joiner.setAbort(&abort);
            const Status encoded = joiner.encode(clipFiles, target, settings);
            if (encoded || encoded.code() == ErrorCode::Ended)
                return encoded;
            return Status{encoded.code(),
                          QCoreApplication::translate("ListSaving", "%1 was not saved.\n\n%2")
                              .arg(target, encoded.message())};
        },
        m_services.busy.enter(BusyGate::Window::Disable,
                              QCoreApplication::translate("ListSaving", "Saving.......")));
    emit statusCode(context.Mp3Enc1.StatusCode());
    if (started != 0)
        warn(context.dialogs, &m_services.dialogParent,
             QCoreApplication::translate("ListSaving", "%1 was not saved: the MP3 encoder did not "
                                                       "take the job (error code %2).")
                 .arg(*target)
                 .arg(started));
}

// An empty list has nothing to join; saying so before the save dialog spares the user a
// file name that would lead nowhere.
bool ListSaving::listIsEmpty() const {
    if (m_clips.count() > 0)
        return false;
    warn(m_services.context.dialogs, &m_services.dialogParent,
         QCoreApplication::translate("ListSaving", "The list has no clips to save."));
    return true;
}

bool ListSaving::listHasChanged() const {
    const Status same = m_clips.allUnchanged();
    if (same)
        return false;
    warn(m_services.context.dialogs, &m_services.dialogParent,
         QCoreApplication::translate("ListSaving", "The list was not saved.\n\n%1")
             .arg(same.message()));
    return true;
}

std::optional<QString> ListSaving::askTarget(const QString& filter) const {
    Dialogs::FileRequest request;
    request.mode = Dialogs::FileRequest::Mode::Save;
    request.filter = filter;
    request.initialFolder = m_services.settings.baseFolder();
    return m_services.context.dialogs.chooseFile(&m_services.dialogParent, request);
}

// The settings page offers 56, 96, 128 and 256 kbit/s; the encoder takes any other positive
// number to LAME's nearest rate. A setting that is unset or not a number (a hand-edited
// config.ini) names no rate, so the encoder keeps the one it has (128 at start).
void ListSaving::applyBitRate(const PageServices& services) {
    const Settings::BitRate& rate = services.settings.bitRate();
    if (rate.isNumber() && rate.number() >= 1)
        services.context.Mp3Enc1.setBitRate(int(std::lround(std::min(rate.number(), 1e6))));
}
