// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_import.h"

#include "audio/audio_engine.h"
#include "base/clip_copy.h"
#include "cliplist/clip_list.h"
#include "cliplist/clip_names.h"
#include "cliplist/edit_history.h"
#include "codec/wav_decoder.h"
#include "wav/wav_header.h"
#include "waveform/peaks.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// "song.mp3: not a sound format that can be read.": the file's name and the reason, without
// the full path that the reader's message starts with.
QString failureLine(const QString& path, const Status& failure) {
    QString reason = failure.message();
    for (const QString& prefix : {path, QFileInfo(path).absoluteFilePath()})
        if (reason.startsWith(prefix + QLatin1String(": ")))
            reason = reason.mid(prefix.size() + 2);
    return QFileInfo(path).fileName() + QLatin1String(": ") + reason;
}

// The peaks made while the clip's sound passed on its way in go beside the clip, where the
// peak cache finds them: the clip is drawn at once and never read again for them. Peaks that
// cannot be kept are computed when the clip is first drawn, as for any clip.
void keepPeaks(const QString& clipPath, const WavInfo& clip, peaks::Builder& builder) {
    const std::shared_ptr<Peaks> made = builder.finish();
    if (made->frames() == clip.dataBytes / std::max(1, clip.format.blockAlign()))
        (void)peaks::save(clipPath, *made);
}

} // namespace

struct ClipImport::Outcome {
    enum class Next { Added, Decode, Failed };
    Next next = Next::Failed;
    Failure failure;
    ClipList::Clip clip;
};

namespace {

// The suffix under which a file is kept as it came, or empty when it is decoded.
QString keptSuffix(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return WorkFolder::keptSuffixes().contains(suffix) ? suffix : QString();
}

} // namespace

std::optional<Notice> ClipImport::Report::notice() const {
    if (failures.isEmpty())
        return std::nullopt;
    if (gathered) {
        // A box as tall as the screen helps nobody: the first lines and a count say it.
        constexpr qsizetype Shown = 20;
        QStringList lines;
        for (const Failure& failure : failures.mid(0, Shown))
            lines << (failure.stage == Failure::Stage::Engine
                          ? QCoreApplication::translate("Clips",
                                                        "Can't initialize device (error code: %1)")
                                .arg(failure.status.codeNumber())
                          : failureLine(failure.path, failure.status));
        if (failures.size() > Shown)
            lines << QCoreApplication::translate("Clips", "... and %1 more.")
                         .arg(failures.size() - Shown);
        return Notice{
            Notice::Kind::Warning,
            QCoreApplication::translate("Clips", "These files were not added to the list:\n\n") +
                lines.join(u'\n'),
            0, QString()};
    }
    const Failure& failure = failures.first();
    switch (failure.stage) {
    case Failure::Stage::Engine:
        return Notice{Notice::Kind::AudioError,
                      QCoreApplication::translate("Clips", "Can't initialize device"),
                      failure.status.codeNumber(), QString()};
    case Failure::Stage::Open:
        return Notice{Notice::Kind::AudioError,
                      QCoreApplication::translate("Clips", "Can't play the file"),
                      failure.status.codeNumber(), failureLine(failure.path, failure.status)};
    case Failure::Stage::Write:
        break;
    }
    return Notice{Notice::Kind::Warning,
                  QCoreApplication::translate("Clips", "%1 was not added to the list.\n\n%2")
                      .arg(failure.path, failure.status.message()),
                  0, QString()};
}

ClipImport::ClipImport(ClipList& clips, EditHistory& history, AudioEngine& engine,
                       WorkFolder folder, HoldWindow holdWindow, QObject* parent)
    : QObject(parent), m_clips(clips), m_history(history), m_engine(engine),
      m_folder(std::move(folder)), m_holdWindow(std::move(holdWindow)) {
    connect(&m_job, &BackgroundJob::progressed, this, [this](int percent) {
        if (m_hold)
            m_hold->progress(percent);
    });
}

ClipImport::~ClipImport() {
    cancel();
}

void ClipImport::add(Request request) {
    m_waiting.push_back(std::move(request));
    next();
}

void ClipImport::next() {
    if (m_current || m_waiting.empty())
        return;
    m_current = std::make_unique<Request>(std::move(m_waiting.front()));
    m_waiting.pop_front();
    m_report = Report{};
    m_report.gathered = m_current->gather;
    startFile();
}

void ClipImport::resume() {
    if (!m_current)
        next();
    else if (std::exchange(m_waitingForWindow, false))
        startFile();
}

// The request goes first: letting go of the window (the job's hold) calls resume(), which
// must find nothing left to start.
void ClipImport::cancel() {
    m_waiting.clear();
    const std::unique_ptr<Request> dropped = std::move(m_current);
    m_waitingForWindow = false;
    m_job.cancel();
    m_hold.reset();
    if (std::exchange(m_decoding, false))
        m_engine.releaseAll();
}

// A WAV's first step reads its header and copies a canonical one; anything else, and a WAV
// that is not canonical, is decoded, which needs the engine and shows the busy window at once.
// The window is held from the first step to the file's end.
void ClipImport::startFile() {
    if (m_current->paths.isEmpty()) {
        finishRequest();
        return;
    }
    const QString path = m_current->paths.first();
    const QString kept = m_current->decode ? QString() : keptSuffix(path);
    const bool decode =
        m_current->decode ||
        (kept.isEmpty() && !path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive));
    m_hold = m_holdWindow(m_current->busyText, decode);
    if (!m_hold) {
        m_waitingForWindow = true; // resume() starts it again
        return;
    }
    m_name = clipnames::uniqueClipName(clipnames::clipNameOf(path), m_clips.names());
    m_folder.clearForClip(m_name);
    if (decode) {
        startDecode();
        return;
    }
    if (!kept.isEmpty()) {
        startKeep(m_folder.file(m_name + u'.' + kept));
        return;
    }
    m_job.start<Outcome>(
        [path, name = m_name,
         target = m_folder.clipFile(m_name)](const BackgroundJob::Context& context) {
            Outcome outcome;
            const Result<WavInfo> info = readWavInfo(path);
            if (!info || !info->canonical) {
                outcome.next = Outcome::Next::Decode;
                return outcome;
            }
            // Only the sample data goes into the peaks, not the header before it.
            peaks::Builder peaks(info->format);
            ByteCount at = 0;
            const auto passed = [&](const char* bytes, qint64 count) {
                const ByteCount from = std::max(at, info->dataOffset);
                const ByteCount to =
                    std::min<ByteCount>(at + count, info->dataOffset + info->dataBytes);
                if (to > from)
                    peaks.add(bytes + (from - at), to - from);
                at += count;
            };
            const Status copied = clipfiles::copyFile(
                path, target, [&](int p) { context.progress(p); }, &context.cancelFlag(), passed);
            if (!copied) {
                outcome.failure = {path, copied, Failure::Stage::Write};
                return outcome;
            }
            outcome.next = Outcome::Next::Added;
            // The copy's layout is the source's, byte for byte.
            outcome.clip = ClipList::describeFile(name, target);
            keepPeaks(target, *info, peaks);
            return outcome;
        },
        [this](Outcome outcome) { copyEnded(std::move(outcome)); });
}

// A compressed file the clip keeps as it came: its bytes are copied, then its packets counted
// for its exact length. A file that turns out not to be what its name says is decoded
// instead, which tells the user what is wrong with it.
void ClipImport::startKeep(const QString& target) {
    const QString path = m_current->paths.first();
    m_job.start<Outcome>(
        [path, target, name = m_name](const BackgroundJob::Context& context) {
            Outcome outcome;
            const Status copied = clipfiles::copyFile(
                path, target, [&](int p) { context.progress(p); }, &context.cancelFlag(), {});
            if (!copied) {
                // A file that cannot be read is told as the decoder tells it.
                if (!QFileInfo(path).isFile())
                    outcome.next = Outcome::Next::Decode;
                else
                    outcome.failure = {path, copied, Failure::Stage::Write};
                return outcome;
            }
            outcome.clip = ClipList::describeFile(name, target);
            if (outcome.clip.format.sampleRateHz <= 0 || outcome.clip.frames <= 0) {
                QFile::remove(target);
                outcome.next = Outcome::Next::Decode;
                return outcome;
            }
            outcome.next = Outcome::Next::Added;
            return outcome;
        },
        [this](Outcome outcome) { copyEnded(std::move(outcome)); });
}

// A copy that found the file is not one it can keep as it is hands it to the decode.
void ClipImport::copyEnded(Outcome outcome) {
    if (outcome.next == Outcome::Next::Decode) {
        m_hold->showNow();
        startDecode();
        return;
    }
    fileEnded(std::move(outcome));
}

void ClipImport::startDecode() {
    const QString path = m_current->paths.first();
    if (Status started = m_engine.startForDecoding(); !started) {
        Outcome failed;
        failed.failure = {path, started, Failure::Stage::Engine};
        fileEnded(std::move(failed));
        return;
    }
    m_decoding = true;
    m_job.start<Outcome>(
        [path, name = m_name,
         target = m_folder.clipFile(m_name)](const BackgroundJob::Context& context) {
            Outcome outcome;
            WavDecoder decoder;
            if (Status loaded = decoder.loadmp3(path); !loaded) {
                outcome.failure = {path, loaded, Failure::Stage::Open};
                return outcome;
            }
            peaks::Builder peaks(decoder.format());
            Status decoded = decoder.convert2wav(
                target,
                [&](ByteCount position, ByteCount length) {
                    if (context.cancelled())
                        decoder.requestCancel();
                    if (length > 0)
                        context.progress(int(std::min<ByteCount>(100, position * 100 / length)));
                },
                [&](const char* pcm, ByteCount bytes) { peaks.add(pcm, bytes); });
            if (Status closed = decoder.closewav(); decoded && !closed)
                decoded = closed;
            const Result<WavInfo> info = decoded ? readWavInfo(target) : Result<WavInfo>(decoded);
            if (!info) {
                outcome.failure = {path, info.status(), Failure::Stage::Write};
                return outcome;
            }
            outcome.next = Outcome::Next::Added;
            outcome.clip = ClipList::describeFile(name, target);
            keepPeaks(target, *info, peaks);
            return outcome;
        },
        [this](Outcome outcome) { fileEnded(std::move(outcome)); });
}

void ClipImport::fileEnded(Outcome outcome) {
    const QString path = m_current->paths.first();
    if (std::exchange(m_decoding, false))
        m_engine.releaseAll();
    if (outcome.next == Outcome::Next::Added) {
        int& row = m_current->row;
        const int at = row < 0 ? m_clips.count() : row;
        m_clips.insert(at, std::move(outcome.clip));
        m_history.added(at);
        m_lastFolder = QFileInfo(path).absolutePath();
        m_report.added << m_name;
        if (row >= 0)
            ++row;
    } else if (outcome.failure.status.code() != ErrorCode::Ended) {
        m_report.failures << outcome.failure;
    }
    m_current->paths.removeFirst();
    m_hold.reset();
    // The next file holds the window after this one's hold has gone.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_current && !m_job.isRunning())
                startFile();
        },
        Qt::QueuedConnection);
}

void ClipImport::finishRequest() {
    const std::unique_ptr<Request> request = std::move(m_current);
    const Report report = std::move(m_report);
    if (request->done)
        request->done(report);
    next();
    if (!isBusy())
        emit idle();
}
