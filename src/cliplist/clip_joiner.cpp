// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_joiner.h"

#include "base/work_folder.h"
#include "base/write_fully.h"
#include "codec/decode_stream.h"
#include "codec/frame_source.h"
#include "codec/pcm_converter.h"
#include "codec/sound_sink.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct Clip {
    QString path;
    WavFormat format;
    ByteCount dataOffset = 0; // < 0: read through a frame source (decoded, or faded)
    ByteCount dataBytes = 0;
    ClipRange range;
};

// A clip kept as its compressed file: its exact length is counted from its packets.
Result<Clip> inspectCompressed(const ClipRange& range) {
    const Result<DecodeStream::Counted> counted = DecodeStream::countFrames(range.file);
    if (!counted)
        return counted.status();
    return Clip{range.file, counted->format, -1,
                range.length(counted->frames) * counted->format.blockAlign(), range};
}

Result<Clip> inspectWav(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists())
        return Status{ErrorCode::FileOpen,
                      QCoreApplication::translate("Clips", "%1: no such clip file.").arg(path)};
    if (!file.isFile())
        return Status{ErrorCode::NotFile,
                      QCoreApplication::translate("Clips", "%1: not a file.").arg(path)};
    if (file.size() < WavHeader::Size)
        return Status{
            ErrorCode::FileForm,
            QCoreApplication::translate("Clips", "%1: %2 bytes, too short to hold a WAV header.")
                .arg(path)
                .arg(file.size())};
    const auto info = readWavInfo(path);
    if (!info)
        return info.status();
    const int bits = info->format.bitsPerSample;
    if (info->encoding != WavInfo::Encoding::Pcm || (bits != 8 && bits != 16))
        return Status{ErrorCode::Format,
                      QCoreApplication::translate(
                          "Clips", "%1: %2-bit %3 samples cannot be joined; clips hold 8- or "
                                   "16-bit PCM.")
                          .arg(path)
                          .arg(bits)
                          .arg(info->encoding == WavInfo::Encoding::Pcm
                                   ? QCoreApplication::translate("Clips", "PCM")
                                   : QCoreApplication::translate("Clips", "float"))};
    return Clip{path, info->format, info->dataOffset, info->dataBytes, ClipRange(path)};
}

// A stretch of a WAV clip is the bytes of its frames, or, faded, the frames a source reads.
Result<Clip> inspect(const ClipRange& range) {
    if (WorkFolder::isKeptFile(range.file))
        return inspectCompressed(range);
    Result<Clip> clip = inspectWav(range.file);
    if (!clip || range.whole())
        return clip;
    const int align = clip->format.blockAlign();
    const ByteCount frames = range.length(clip->dataBytes / align);
    clip->dataOffset = range.fadeFrames > 0 ? -1 : clip->dataOffset + range.firstFrame * align;
    clip->range = range;
    if (range.fadeFrames > 0)
        clip->format.bitsPerSample = 16; // the source reads 16-bit frames
    clip->dataBytes = frames * clip->format.blockAlign();
    return clip;
}

// frames * toRate / fromRate rounded up, plus the frame or two a resampler may add.
ByteCount convertedFrames(ByteCount frames, int fromRate, int toRate) {
    const ByteCount whole = frames / fromRate * toRate;
    const ByteCount part = (frames % fromRate * toRate + fromRate - 1) / fromRate;
    return whole + part + 2;
}

ByteCount outputBytesOf(const Clip& clip, const WavFormat& target) {
    if (clip.format == target)
        return clip.dataBytes;
    const ByteCount frames = clip.dataBytes / clip.format.blockAlign();
    return convertedFrames(frames, clip.format.sampleRateHz, target.sampleRateHz) *
           target.blockAlign();
}

// The joined file while it is written: an unnamed file beside the target where the file
// system has them (nothing is left behind by a crash), renamed over the target at the end
// only. QSaveFile keeps a link that the target is and replaces the file it points to.
class PartFile {
public:
    explicit PartFile(const QString& target) : m_target(target), m_file(target) {}

    Status open() {
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return writeFailure(m_target, m_file);
        return Status::ok();
    }

    Status write(const char* data, ByteCount bytes) { return writeFully(m_file, data, bytes); }

    Status rewriteHeader(const WavHeader& header) {
        const auto bytes = header.bytes();
        if (!m_file.seek(0))
            return writeFailure(m_target, m_file);
        return write(bytes.data(), WavHeader::Size);
    }

    Status commit() {
        if (!m_file.commit())
            return writeFailure(m_target, m_file);
        return Status::ok();
    }

private:
    QString m_target;
    QSaveFile m_file;
};

class Join {
public:
    Join(const ClipJoiner::ProgressFn& progress, const std::atomic<bool>* abort,
         ByteCount maxDataBytes, PartFile& out)
        : m_progress(progress), m_abort(abort), m_maxDataBytes(maxDataBytes), m_out(out) {}

    void setTotal(ByteCount inputBytes) { m_totalInput = inputBytes; }
    ByteCount written() const { return m_written; }

    Status append(const Clip& clip, const WavFormat& target) {
        QFile source(clip.path);
        std::unique_ptr<FrameSource> decoded;
        if (clip.dataOffset < 0) {
            auto opened = FrameSource::open(clip.range, 0);
            if (!opened)
                return opened.status();
            decoded = std::move(*opened);
        } else if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ||
                   !source.seek(clip.dataOffset)) {
            return {ErrorCode::FileOpen,
                    QStringLiteral("%1: %2.").arg(clip.path, source.errorString())};
        }
        // Whole blocks of the clip's sound: its PCM bytes, or its decoded 16-bit frames.
        const auto readBlock = [&](char* data, ByteCount want) {
            if (!decoded)
                return source.read(data, want) == want;
            const std::int64_t frames = want / clip.format.blockAlign();
            std::int64_t got = 0;
            while (got < frames) {
                const Result<std::int64_t> read = decoded->read(
                    reinterpret_cast<std::int16_t*>(data) + got * clip.format.channels,
                    frames - got);
                if (!read || *read == 0)
                    return false;
                got += *read;
            }
            return true;
        };
        std::unique_ptr<PcmConverter> converter;
        ByteCount block = ClipJoiner::BlockBytes;
        if (clip.format != target) {
            auto made = PcmConverter::create(clip.format, target);
            if (!made)
                return {made.status().code(),
                        QStringLiteral("%1: %2").arg(clip.path, made.status().message())};
            converter = std::move(*made);
            // Input blocks whose output is about one block, however much the format grows,
            // and never more than one block in.
            const ByteCount frames = std::min(ClipJoiner::BlockBytes / target.blockAlign() *
                                                  clip.format.sampleRateHz / target.sampleRateHz,
                                              ClipJoiner::BlockBytes / clip.format.blockAlign());
            block = std::max<ByteCount>(1, frames) * clip.format.blockAlign();
        }
        block -= block % clip.format.blockAlign(); // whole frames, for a decoded clip
        if (ByteCount(m_buffer.size()) < block)
            m_buffer.resize(block);
        for (ByteCount left = clip.dataBytes; left > 0;) {
            if (m_abort && m_abort->load(std::memory_order_relaxed))
                return {ErrorCode::Ended, QCoreApplication::translate("Clips", "Cancelled.")};
            const ByteCount want = std::min(left, block);
            if (!readBlock(m_buffer.data(), want))
                return {ErrorCode::FileOpen,
                        QCoreApplication::translate(
                            "Clips", "%1: the clip file ended early or cannot be read.")
                            .arg(clip.path)};
            left -= want;
            m_doneInput += want;
            Status s = converter ? writeConverted(*converter, clip, false, want)
                                 : writeBytes(clip, m_buffer.data(), want);
            if (!s)
                return s;
            if (m_progress)
                m_progress(m_doneInput, m_totalInput);
        }
        return converter ? writeConverted(*converter, clip, true, 0) : Status::ok();
    }

private:
    Status writeBytes(const Clip& clip, const char* data, ByteCount bytes) {
        if (m_written + bytes > m_maxDataBytes)
            return tooLarge(clip);
        m_written += bytes;
        return m_out.write(data, bytes);
    }

    Status writeConverted(PcmConverter& converter, const Clip& clip, bool end, ByteCount bytes) {
        const Status s = end ? converter.flush(m_converted)
                             : converter.push(m_buffer.data(), bytes, m_converted);
        if (!s)
            return {s.code(), QStringLiteral("%1: %2").arg(clip.path, s.message())};
        return writeBytes(clip, m_converted.constData(), m_converted.size());
    }

    Status tooLarge(const Clip& clip) const {
        return {ErrorCode::TooLarge,
                QCoreApplication::translate(
                    "Clips", "%1: with this clip the joined sound passes the largest size a "
                             "WAV file can hold (%2 bytes).")
                    .arg(clip.path)
                    .arg(m_maxDataBytes)};
    }

    const ClipJoiner::ProgressFn& m_progress;
    const std::atomic<bool>* m_abort;
    ByteCount m_maxDataBytes;
    PartFile& m_out;
    std::vector<char> m_buffer;
    QByteArray m_converted;
    ByteCount m_written = 0;
    ByteCount m_doneInput = 0;
    ByteCount m_totalInput = 0;
};

Result<std::vector<Clip>> inspectAll(const QList<ClipRange>& clipFiles, const QString& targetPath) {
    if (clipFiles.isEmpty())
        return Status{ErrorCode::Empty,
                      QCoreApplication::translate("Clips", "There are no clips to join into %1.")
                          .arg(targetPath)};
    std::vector<Clip> clips;
    clips.reserve(clipFiles.size());
    const QString target = QFileInfo(targetPath).canonicalFilePath();
    for (const ClipRange& range : clipFiles) {
        const QString& path = range.file;
        // Written through, the target would be the clip's sound no more, while it is read.
        if (!target.isEmpty() && QFileInfo(path).canonicalFilePath() == target)
            return Status{ErrorCode::IllegalParam,
                          QCoreApplication::translate(
                              "Clips", "%1 is one of the clips joined: it cannot be saved over.")
                              .arg(targetPath)};
        auto clip = inspect(range);
        if (!clip)
            return clip.status();
        clips.push_back(std::move(*clip));
    }
    return clips;
}

ByteCount inputBytes(const std::vector<Clip>& clips) {
    ByteCount input = 0;
    for (const Clip& clip : clips)
        input += clip.dataBytes;
    return input;
}

} // namespace

ClipJoiner::ClipJoiner(ByteCount maxDataBytes) : m_maxDataBytes(maxDataBytes) {}

Status ClipJoiner::join(const QList<ClipRange>& clipFiles, const QString& targetPath) const {
    Result<std::vector<Clip>> inspected = inspectAll(clipFiles, targetPath);
    if (!inspected)
        return inspected.status();
    const std::vector<Clip>& clips = *inspected;

    const WavFormat format = clips.front().format;
    ByteCount expected = 0;
    for (const Clip& clip : clips) {
        expected += outputBytesOf(clip, format);
        if (expected > m_maxDataBytes)
            return {ErrorCode::TooLarge,
                    QCoreApplication::translate(
                        "Clips", "%1: with this clip the joined sound would pass the largest "
                                 "size a WAV file can hold (%2 bytes).")
                        .arg(clip.path)
                        .arg(m_maxDataBytes)};
    }

    PartFile out(targetPath);
    WavHeader header = WavHeader::forFormat(format);
    header.setDataSize(expected);
    Status s = out.open();
    if (s)
        s = out.write(header.bytes().data(), WavHeader::Size);
    Join join(m_progress, m_abort, m_maxDataBytes, out);
    join.setTotal(inputBytes(clips));
    for (const Clip& clip : clips) {
        if (!s)
            return s;
        s = join.append(clip, format);
    }
    if (!s)
        return s;
    if (join.written() != expected) {
        header.setDataSize(join.written());
        if (s = out.rewriteHeader(header); !s)
            return s;
    }
    return out.commit();
}

Status ClipJoiner::encode(const QList<ClipRange>& clipFiles, const QString& output,
                          const EncodeSettings& settings) const {
    Result<std::vector<Clip>> inspected = inspectAll(clipFiles, output);
    if (!inspected)
        return inspected.status();
    // The clips read as one sound, converted to the first one's channels (two at most) and
    // rate as they are read.
    std::vector<ClipRange> parts;
    for (const Clip& clip : *inspected)
        parts.push_back(clip.range);
    auto joined = FrameSource::join(parts);
    if (!joined)
        return joined.status();
    FrameSource& source = **joined;
    auto sink =
        SoundSink::open(output, WavFormat{source.channels(), source.sampleRateHz(), 16}, settings);
    if (!sink)
        return sink.status();
    const ByteCount total = std::max<std::int64_t>(1, source.frames());
    ByteCount done = 0;
    const Status read = source.readBlocks([&](const std::int16_t* samples, std::int64_t frames) {
        if (m_abort && m_abort->load(std::memory_order_relaxed))
            return Status{ErrorCode::Ended, QCoreApplication::translate("Clips", "Cancelled.")};
        if (Status written = (*sink)->write(samples, int(frames)); !written)
            return written;
        done += frames;
        if (m_progress)
            m_progress(std::min(done, total), total);
        return Status::ok();
    });
    if (!read)
        return read;
    return (*sink)->finish();
}
