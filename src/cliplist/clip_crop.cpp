// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_crop.h"
#include "cliplist/clip_change.h"
#include "cliplist/edge_fade.h"

#include "base/write_fully.h"
#include "codec/frame_source.h"
#include "wav/clip_stamp.h"
#include "wav/wav_header.h"
#include "wav/wave_commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

const QString Alias = QStringLiteral("voice1");

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString errorText(const std::error_code& error) {
    return QString::fromLocal8Bit(error.message().c_str());
}

// The source as it is now. The commands only read it and the result is renamed over the
// clip rather than written into it, so a second name for the same file is as good as a
// copy and costs nothing; a real copy is made where no link can be (another file system).
std::error_code snapshot(const QString& source, const QString& scratch) {
    std::error_code error;
    std::filesystem::create_hard_link(fsPath(source), fsPath(scratch), error);
    if (!error)
        return error;
    std::filesystem::copy_file(fsPath(source), fsPath(scratch),
                               std::filesystem::copy_options::overwrite_existing, error);
    return error;
}

} // namespace

ClipCrop::ClipCrop(const WorkFolder& folder, WaveCommands& commands)
    : m_folder(folder), m_commands(commands) {}

Status ClipCrop::checkMarks(std::int64_t markInMs, std::int64_t markOutMs) {
    if (markInMs >= markOutMs)
        return {ErrorCode::Position, QCoreApplication::translate("Clips", "Time Input Error")};
    return Status::ok();
}

QString ClipCrop::tailCommand(std::int64_t markInMs, std::int64_t markOutMs,
                              std::int64_t lengthMs) {
    return QStringLiteral("delete %1 from %2 to %3")
        .arg(Alias)
        .arg(markOutMs - markInMs)
        .arg(lengthMs - markInMs);
}

void ClipCrop::setProgress(std::function<void(int percent)> progress) {
    m_progress = progress;
    m_commands.setProgress(std::move(progress));
}

ClipRange ClipCrop::cutRange(const ClipRange& clip, std::int64_t clipFrames, int rateHz,
                             std::int64_t markInMs, std::int64_t markOutMs,
                             std::int64_t fadeFrames) {
    // As the two deletes cut: the head up to the mark-in, then, in what is left, all from the
    // mark-out on.
    const std::int64_t head = WaveCommands::frameAt(
        std::uint64_t(std::max<std::int64_t>(0, markInMs)), rateHz, clipFrames);
    const std::int64_t kept = WaveCommands::frameAt(
        std::uint64_t(std::max<std::int64_t>(0, markOutMs - markInMs)), rateHz, clipFrames - head);
    return ClipRange(clip.file, clip.firstFrame + head, kept, fadeFrames);
}

QString ClipCrop::sourceScratch() const {
    return m_folder.cropSource();
}

QString ClipCrop::resultScratch() const {
    return m_folder.cropResult();
}

QStringList ClipCrop::commandsFor(std::int64_t markInMs, std::int64_t markOutMs,
                                  std::int64_t lengthMs) const {
    return {
        QStringLiteral("open %1 type waveaudio alias %2")
            .arg(WaveCommands::quoted(sourceScratch()), Alias),
        QStringLiteral("delete %1 from 0 to %2").arg(Alias).arg(markInMs),
        tailCommand(markInMs, markOutMs, lengthMs),
        QStringLiteral("save  %1 %2").arg(Alias, WaveCommands::quoted(resultScratch())),
        QStringLiteral("close %1").arg(Alias),
    };
}

Status ClipCrop::crop(const QString& clipFile, std::int64_t markInMs, std::int64_t markOutMs,
                      std::int64_t lengthMs) {
    return crop(clipFile, clipFile, markInMs, markOutMs, lengthMs);
}

Status ClipCrop::crop(const QString& sourceFile, const QString& targetFile, std::int64_t markInMs,
                      std::int64_t markOutMs, std::int64_t lengthMs) {
    m_sent.clear();
    if (Status marks = checkMarks(markInMs, markOutMs); !marks)
        return marks;
    if (markInMs < 0 || markOutMs > lengthMs)
        return {ErrorCode::Position,
                QCoreApplication::translate(
                    "Clips", "%1: the marks %2 ms to %3 ms lie outside the clip (0 to %4 ms).")
                    .arg(sourceFile)
                    .arg(markInMs)
                    .arg(markOutMs)
                    .arg(lengthMs)};
    const QFileInfo source(sourceFile);
    if (!source.exists())
        return {ErrorCode::FileOpen,
                QCoreApplication::translate("Clips", "%1: no such clip file.").arg(sourceFile)};
    if (!source.isFile())
        return {ErrorCode::NotFile,
                QCoreApplication::translate("Clips", "%1: not a file.").arg(sourceFile)};

    const QString scratch = sourceScratch();
    const QString result = resultScratch();
    QFile::remove(scratch);
    QFile::remove(result);
    const auto cleanUp = [&] {
        QFile::remove(scratch);
        QFile::remove(result);
    };

    if (WorkFolder::isKeptFile(sourceFile)) {
        if (Status cut = decodeCut(sourceFile, result, markInMs, markOutMs); !cut) {
            cleanUp();
            return {cut.code(), QCoreApplication::translate("Clips", "%1 was not cropped: %2")
                                    .arg(sourceFile, cut.message())};
        }
    } else if (const std::error_code error = snapshot(linkTarget(sourceFile), scratch)) {
        cleanUp();
        return {ErrorCode::Create,
                QCoreApplication::translate("Clips", "%1: cannot be copied to %2 (%3).")
                    .arg(sourceFile, scratch, errorText(error))};
    } else if (Status sent = sendAll(sourceFile, commandsFor(markInMs, markOutMs, lengthMs));
               !sent) {
        cleanUp();
        return sent;
    }
    if (m_edgeFadeMs > 0) {
        const Result<WavInfo> cut = readWavInfo(result);
        const Status faded = cut ? edgefade::fadeEdges(result, std::int64_t(m_edgeFadeMs) *
                                                                   cut->format.sampleRateHz / 1000)
                                 : cut.status();
        if (!faded) {
            cleanUp();
            return {faded.code(), QCoreApplication::translate("Clips", "%1 was not cropped: %2")
                                      .arg(sourceFile, faded.message())};
        }
    }
    // rename(2) replaces the target in one step: at every moment the clip file is either
    // the old sound or the new one. A link is kept and the file it points to replaced.
    std::error_code error;
    std::filesystem::rename(fsPath(result), fsPath(linkTarget(targetFile)), error);
    cleanUp();
    if (error)
        return {ErrorCode::Create, QCoreApplication::translate(
                                       "Clips", "%1: the cropped sound cannot replace it (%2).")
                                       .arg(targetFile, errorText(error))};
    return Status::ok();
}

// A kept compressed clip is not rewritten: the stretch between the marks is decoded (and
// only that stretch) into a 16-bit WAV, which becomes the clip.
Status ClipCrop::decodeCut(const QString& sourceFile, const QString& result, std::int64_t markInMs,
                           std::int64_t markOutMs) {
    const Result<ClipStamp> stamp = clipStampOf(sourceFile);
    if (!stamp)
        return stamp.status();
    const std::int64_t rate = stamp->format.sampleRateHz;
    return clipchange::writeStretch(
        ClipRange(sourceFile, markInMs * rate / 1000, (markOutMs - markInMs) * rate / 1000), result,
        m_progress);
}

Status ClipCrop::sendAll(const QString& clipFile, const QStringList& commands) {
    const QString& close = commands.last();
    for (const QString& command : commands) {
        m_sent << command;
        const Status status = m_commands.send(command);
        if (status)
            continue;
        // A failed open leaves nothing to close.
        if (m_sent.size() > 1 && command != close) {
            m_sent << close;
            m_commands.send(close);
        }
        return {status.code(), QCoreApplication::translate("Clips", "%1 was not cropped: %2")
                                   .arg(clipFile, status.message())};
    }
    return Status::ok();
}
