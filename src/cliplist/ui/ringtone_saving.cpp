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

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QPointer>

using ringtone::Target;

RingtoneSaving::RingtoneSaving(const ClipList& clips, ListJoin& join,
                               const QItemSelectionModel& selection, RingtonePrompt& prompt,
                               PageServices services, QObject* parent)
    : QObject(parent), m_clips(clips), m_join(join), m_selection(selection), m_prompt(prompt),
      m_services(services) {}

void RingtoneSaving::CmdRingtone_Click() {
    if (m_services.busy.isBusy())
        return;
    Dialogs& dialogs = m_services.context.dialogs;
    if (m_clips.count() == 0) {
        warn(dialogs, &m_services.dialogParent,
             QCoreApplication::translate("RingtoneSaving", "The list has no clips to save."));
        return;
    }
    const int row = selectedRow(m_selection);
    RingtonePrompt::Choice initial;
    initial.wholeList = row < 0;
    initial.title = row >= 0 ? m_clips.at(row).name : QString();
    const auto choice = m_prompt.chooseRingtone(&m_services.dialogParent, initial, row >= 0,
                                                row >= 0 ? m_clips.range(row) : ClipRange());
    if (!choice)
        return;
    const bool wholeList = choice->wholeList || row < 0;
    const Target target = choice->target;
    if (const Status same = wholeList ? m_clips.allUnchanged() : m_clips.unchanged(row); !same) {
        warn(dialogs, &m_services.dialogParent,
             QCoreApplication::translate("RingtoneSaving", "The ringtone was not saved.\n\n%1")
                 .arg(same.message()));
        return;
    }

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
    const std::optional<QString> chosen = dialogs.chooseFile(&m_services.dialogParent, request);
    if (!chosen)
        return;
    // The file's type is the phone's: a name typed with another extension gets the right one.
    const QString output = ringtone::withExtension(*chosen, target);
    QString renamed;
    if (output != *chosen) {
        renamed =
            QCoreApplication::translate(
                "RingtoneSaving", "A tone for this phone is a .%1 file, so it was saved as %2, "
                                  "not %3.")
                .arg(ringtone::extension(target), QFileInfo(output).fileName(),
                     QFileInfo(*chosen).fileName());
        if (QFileInfo::exists(output) &&
            dialogs.message(&m_services.dialogParent,
                            QCoreApplication::translate(
                                "RingtoneSaving", "A tone for this phone is a .%1 file, and %2 "
                                                  "already exists.\n\nReplace it?")
                                .arg(ringtone::extension(target), QDir::toNativeSeparators(output)),
                            QLatin1String(appinfo::Title), Dialogs::Icon::Warning,
                            Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
            return;
    }

    std::unique_ptr<BusyGate::Scope> busy = m_services.busy.enter(
        BusyGate::Window::Disable, QCoreApplication::translate("RingtoneSaving", "Saving......."));
    ringtone::Request job;
    job.output = output;
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
        job.source = m_clips.range(row);
        job.title = choice->title.isEmpty() ? m_clips.at(row).name : choice->title;
        encode(job, std::move(busy), renamed);
        return;
    }
    // The clips are read one after another as the tone is made: nothing joined is written.
    job.joined = m_join.clipFilesToRead();
    job.title = choice->title.isEmpty() ? QFileInfo(output).completeBaseName() : choice->title;
    encode(job, std::move(busy), renamed);
}

void RingtoneSaving::encode(const ringtone::Request& job, std::unique_ptr<BusyGate::Scope> hold,
                            const QString& renamed) {
    // A tone of the whole list stands its first clip for the job's input: the encoder refuses
    // a job whose input is gone or is the target itself.
    const short started = m_services.encoderJobs.start(
        job.joined.isEmpty() ? job.source.file : job.joined.first().file, job.output,
        [job](const auto& progress, const std::atomic<bool>& abort) {
            return ringtone::render(job, progress, &abort);
        },
        std::move(hold),
        [self = QPointer<RingtoneSaving>(this), renamed](const QString& output) {
            if (self)
                self->saved(output, renamed);
        });
    if (started == 0)
        return;
    warn(
        m_services.context.dialogs, &m_services.dialogParent,
        QCoreApplication::translate(
            "RingtoneSaving", "%1 was not saved: the encoder did not take the job (error code %2).")
            .arg(job.output)
            .arg(started));
}

// One box says where the tone is and offers it to a phone.
void RingtoneSaving::saved(const QString& tone, const QString& renamed) {
    QString text = QCoreApplication::translate("RingtoneSaving", "Finish Save\n%1\n")
                       .arg(QDir::toNativeSeparators(tone));
    if (!renamed.isEmpty())
        text += QLatin1Char('\n') + renamed + QLatin1Char('\n');
    text += QCoreApplication::translate("RingtoneSaving", "\nSend it to a phone now?");
    if (m_services.context.dialogs.message(&m_services.dialogParent, text,
                                           QLatin1String(appinfo::Title), Dialogs::Icon::Question,
                                           Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
        m_prompt.sendToPhone(&m_services.dialogParent, tone);
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
        if (!ask(QCoreApplication::translate(
                     "RingtoneSaving",
                     "The ringtone is %1 long. An iPhone may not offer a ringtone "
                     "longer than %2.\n\nSave it anyway?")
                     .arg(ringtone::lengthText(length),
                          ringtone::lengthText(ringtone::IPhoneWarnMs))))
            return std::nullopt;
        return -1;
    case ringtone::Length::TooLong:
        if (!ask(QCoreApplication::translate(
                     "RingtoneSaving", "The ringtone is %1 long; an iPhone takes a ringtone of at "
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
