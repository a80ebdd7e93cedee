// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/ringtone_saving.h"

#include "audio/media_player.h"
#include "base/app_info.h"
#include "base/settings.h"
#include "cliplist/clip_joiner.h"
#include "cliplist/ringtone.h"
#include "cliplist/ui/framewav.h"
#include "cliplist/ui/list_saving.h"
#include "cliplist/ui/ringtone_prompt.h"
#include "codec/mp3_encoder.h"
#include "pagekit/app_context.h"
#include "pagekit/dialogs.h"
#include "pagekit/encoder_jobs.h"
#include "wav/wav_header.h"

#include <QFile>
#include <QFileInfo>

using ringtone::Target;

RingtoneSaving::RingtoneSaving(Framewav& page) : m_page(page) {
    connect(&context().Mp3Enc1, &Mp3Encoder::EncodeFinished, this,
            [this](bool ok, const QString&, const QString& output) {
                if (ok && !m_savedTone.isEmpty() && output == m_savedTone)
                    emit ringtoneSaved(output);
            });
}

const AppContext& RingtoneSaving::context() const {
    return m_page.services().context;
}

void RingtoneSaving::CmdRingtone_Click() {
    if (m_page.isBusy())
        return;
    const QStringList names = m_page.clipNames();
    if (names.isEmpty()) {
        showFailure(QStringLiteral("The list has no clips to save."));
        return;
    }
    const int row = m_page.selectedIndex();
    RingtonePrompt::Choice initial;
    initial.wholeList = row < 0;
    initial.title = row >= 0 ? names.at(row) : QString();
    const auto choice =
        m_page.ringtonePrompt().chooseRingtone(&m_page.services().dialogParent, initial, row >= 0,
                                               row >= 0 ? m_page.clipFile(row) : QString());
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
    request.fileName = names.at(std::max(row, 0)) + QLatin1Char('.') + ringtone::extension(target);
    request.initialFolder = m_page.services().settings.baseFolder();
    request.defaultExtension = ringtone::extension(target);
    const std::optional<QString> output =
        context().dialogs.chooseFile(&m_page.services().dialogParent, request);
    if (!output)
        return;

    std::unique_ptr<BusyGate::Scope> busy =
        m_page.services().busy.enter(BusyGate::Window::Disable, QStringLiteral("Saving......."));
    ringtone::Request job;
    job.output = *output;
    job.target = target;
    job.cutMs = *cut;
    // A tone cut short always fades: a cut mid-sound would end on a click.
    job.fadeOutMs = choice->fadeOut || *cut >= 0 ? ringtone::DefaultFadeOutMs : 0;
    job.loudness = choice->loudness;
    job.loop = choice->loop;
    if (target == Target::AndroidMp3) {
        m_page.saving().applyBitRate();
        job.bitRateKbps = context().Mp3Enc1.BitRate();
    }
    if (wholeList) {
        context().MMCEdit.command(QStringLiteral("Close"));
        context().MMCPlayList.command(QStringLiteral("Close"));
        QStringList clipFiles;
        for (const QString& name : names)
            clipFiles << context().workFolder.clipFile(name);
        job.source = context().workFolder.concatWav();
        if (Status joined = ClipJoiner().join(clipFiles, job.source); !joined) {
            busy.reset();
            showFailure(QStringLiteral("%1 was not saved.\n\n%2").arg(*output, joined.message()));
            return;
        }
        job.title = QFileInfo(*output).completeBaseName();
    } else {
        job.source = m_page.clipFile(row);
        job.title = names.at(row);
    }
    if (!choice->title.isEmpty())
        job.title = choice->title;
    m_savedTone = job.output;

    const short started = m_page.services().encoderJobs.start(
        job.source, job.output,
        [job](const auto& progress, const std::atomic<bool>& abort) {
            return ringtone::render(job, progress, &abort);
        },
        std::move(busy));
    if (started != 0) {
        if (wholeList)
            QFile::remove(job.source);
        showFailure(QStringLiteral("%1 was not saved: the encoder did not take the job (error "
                                   "code %2).")
                        .arg(*output)
                        .arg(started));
    }
}

// Clips of other formats are converted by the join but keep their length in time, so the
// list's length is the sum of its clips'. A clip that cannot be read counts nothing here:
// the join names it.
std::int64_t RingtoneSaving::lengthMs(bool wholeList, int row) const {
    std::int64_t bytesMs = 0;
    const int first = wholeList ? 0 : row;
    const int last = wholeList ? int(m_page.clipNames().size()) - 1 : row;
    for (int i = first; i <= last; ++i) {
        const auto info = readWavInfo(m_page.clipFile(i));
        if (info && info->format.bytesPerSecond() > 0)
            bytesMs += info->dataBytes * 1000 / info->format.bytesPerSecond();
    }
    return bytesMs;
}

std::optional<std::int64_t> RingtoneSaving::askAboutLength(Target target,
                                                           std::int64_t length) const {
    const auto ask = [&](const QString& text) {
        return context().dialogs.message(&m_page.services().dialogParent, text,
                                         QLatin1String(appinfo::Title), Dialogs::Icon::Warning,
                                         Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
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

void RingtoneSaving::showFailure(const QString& text) const {
    context().dialogs.message(&m_page.services().dialogParent, text, QLatin1String(appinfo::Title),
                              Dialogs::Icon::Warning);
}
