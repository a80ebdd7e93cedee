// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/ringtone_saving.h"

#include "base/app_info.h"
#include "base/settings.h"
#include "cliplist/clip_list.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/list_join.h"
#include "cliplist/ui/list_saving.h"
#include "cliplist/ui/ringtone_prompt.h"
#include "codec/mp3_encoder.h"
#include "pagekit/app_context.h"
#include "pagekit/audio_error.h"
#include "pagekit/busy_gate.h"
#include "pagekit/dialogs.h"
#include "pagekit/encoder_jobs.h"

#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>

using ringtone::Target;

RingtoneSaving::RingtoneSaving(const ClipList& clips, ListJoin& join,
                               const QItemSelectionModel& selection, RingtonePrompt& prompt,
                               PageServices services, QObject* parent)
    : QObject(parent), m_clips(clips), m_join(join), m_selection(selection), m_prompt(prompt),
      m_services(services) {
    connect(&m_services.context.Mp3Enc1, &Mp3Encoder::EncodeFinished, this,
            [this](bool ok, const QString&, const QString& output) {
                if (ok && !m_savedTone.isEmpty() && output == m_savedTone)
                    m_prompt.offerToPhone(&m_services.dialogParent, output);
            });
}

void RingtoneSaving::CmdRingtone_Click() {
    if (m_services.busy.isBusy())
        return;
    Dialogs& dialogs = m_services.context.dialogs;
    if (m_clips.count() == 0) {
        warn(dialogs, &m_services.dialogParent, QStringLiteral("The list has no clips to save."));
        return;
    }
    const int row = selectedRow(m_selection);
    RingtonePrompt::Choice initial;
    initial.wholeList = row < 0;
    initial.title = row >= 0 ? m_clips.at(row).name : QString();
    const auto choice = m_prompt.chooseRingtone(&m_services.dialogParent, initial, row >= 0,
                                                row >= 0 ? m_clips.clipFile(row) : QString());
    if (!choice)
        return;
    const bool wholeList = choice->wholeList || row < 0;
    const Target target = choice->target;

    const auto cut = askAboutLength(target, lengthMs(wholeList, row));
    if (!cut)
        return;

    Dialogs::FileRequest request;
    request.mode = Dialogs::FileRequest::Mode::Save;
    request.filter = ringtone::fileFilter(target);
    request.fileName =
        m_clips.at(std::max(row, 0)).name + QLatin1Char('.') + ringtone::extension(target);
    request.initialFolder = m_services.settings.baseFolder();
    request.defaultExtension = ringtone::extension(target);
    const std::optional<QString> output = dialogs.chooseFile(&m_services.dialogParent, request);
    if (!output)
        return;

    std::unique_ptr<BusyGate::Scope> busy =
        m_services.busy.enter(BusyGate::Window::Disable, QStringLiteral("Saving......."));
    ringtone::Request job;
    job.output = *output;
    job.target = target;
    job.cutMs = *cut;
    job.fadeOutMs = choice->fadeOut ? ringtone::DefaultFadeOutMs : 0;
    job.loudness = choice->loudness;
    job.loop = choice->loop;
    if (target == Target::AndroidMp3) {
        ListSaving::applyBitRate(m_services);
        job.bitRateKbps = m_services.context.Mp3Enc1.BitRate();
    }
    if (!wholeList) {
        job.source = m_clips.clipFile(row);
        job.title = choice->title.isEmpty() ? m_clips.at(row).name : choice->title;
        encode(job, std::move(busy));
        return;
    }
    job.source = m_services.context.workFolder.concatWav();
    job.title = choice->title.isEmpty() ? QFileInfo(*output).completeBaseName() : choice->title;
    m_join.start(
        std::move(busy), {},
        [this, job](const Status& joined, std::unique_ptr<BusyGate::Scope> hold) {
            if (!joined) {
                hold.reset();
                warn(m_services.context.dialogs, &m_services.dialogParent,
                     QStringLiteral("%1 was not saved.\n\n%2").arg(job.output, joined.message()));
                return;
            }
            encode(job, std::move(hold));
        });
}

void RingtoneSaving::encode(const ringtone::Request& job, std::unique_ptr<BusyGate::Scope> hold) {
    m_savedTone = job.output;
    const short started = m_services.encoderJobs.start(
        job.source, job.output,
        [job](const auto& progress, const std::atomic<bool>& abort) {
            return ringtone::render(job, progress, &abort);
        },
        std::move(hold));
    if (started == 0)
        return;
    if (job.source == m_services.context.workFolder.concatWav())
        QFile::remove(job.source);
    warn(m_services.context.dialogs, &m_services.dialogParent,
         QStringLiteral("%1 was not saved: the encoder did not take the job (error code %2).")
             .arg(job.output)
             .arg(started));
}

// Clips of other formats are converted by the join but keep their length in time, so the
// list's length is the sum of its clips'. A clip that could not be read counts nothing here:
// the join names it.
std::int64_t RingtoneSaving::lengthMs(bool wholeList, int row) const {
    std::int64_t total = 0;
    const int first = wholeList ? 0 : row;
    const int last = wholeList ? m_clips.count() - 1 : row;
    for (int i = first; i <= last; ++i) {
        const ClipList::Clip& clip = m_clips.at(i);
        if (clip.format.sampleRateHz > 0)
            total += clip.frames * 1000 / clip.format.sampleRateHz;
    }
    return total;
}

std::optional<std::int64_t> RingtoneSaving::askAboutLength(Target target,
                                                           std::int64_t length) const {
    const auto ask = [&](const QString& text) {
        return m_services.context.dialogs.message(
                   &m_services.dialogParent, text, QLatin1String(appinfo::Title),
                   Dialogs::Icon::Warning, Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
    };
    switch (ringtone::checkLength(target, length)) {
    case ringtone::Length::Fits:
        return -1;
    case ringtone::Length::Long:
        if (!ask(QStringLiteral("The ringtone is %1 long. An iPhone may not offer a ringtone "
                                "longer than %2.\n\nSave it anyway?")
                     .arg(ringtone::lengthText(length),
                          ringtone::lengthText(ringtone::IPhoneWarnMs))))
            return std::nullopt;
        return -1;
    case ringtone::Length::TooLong:
        if (!ask(QStringLiteral("The ringtone is %1 long; an iPhone takes a ringtone of at "
                                "most %2.\n\nSave its first %2, with a fade-out, instead?")
                     .arg(ringtone::lengthText(length),
                          ringtone::lengthText(ringtone::limitMs(target)))))
            return std::nullopt;
        return ringtone::limitMs(target);
    case ringtone::Length::Cut:
        return ringtone::limitMs(target);
    }
    return std::nullopt;
}
