// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/spectrogram.h"

#include "base/no_follow.h"
#include "base/write_fully.h"
#include "codec/side_product.h"
#include "wav/side_file.h"

#include <QCoreApplication>
#include <QFile>

#include <cstring>

namespace spectrogram {

namespace {

// This header, then the levels, in the machine's byte order (the file never leaves the
// machine that made it).
struct FileHeader {
    char magic[8];
    std::int64_t clipBytes;
    std::int64_t clipModifiedMs;
    std::int32_t channels;
    std::int32_t sampleRateHz;
    std::int32_t bitsPerSample;
    std::int32_t hopFrames;
    std::int64_t frames;
    std::int32_t columns;
    std::int32_t rows;
    std::int32_t fftSize;
    std::int32_t reserved;
};
constexpr char Magic[8] = {'T', 'C', 'S', 'P', 'E', 'C', 'T', '1'};
constexpr std::int64_t MaxFrames = std::int64_t(1) << 32;

Status damaged(const QString& path, const char* why) {
    //: A file's path, then what is wrong with it.
    return {ErrorCode::FileForm, QCoreApplication::translate("Waveform", "%1: %2.")
                                     .arg(path, QCoreApplication::translate("Waveform", why))};
}

} // namespace

Status save(const ClipRange& range, const Spectrogram& spectrogram) {
    const Result<ClipStamp> clip = clipStampOf(range);
    if (!clip)
        return clip.status();
    FileHeader header{};
    std::memcpy(header.magic, Magic, sizeof Magic);
    header.clipBytes = clip->bytes;
    header.clipModifiedMs = clip->modifiedMs;
    header.channels = clip->format.channels;
    header.sampleRateHz = clip->format.sampleRateHz;
    header.bitsPerSample = clip->format.bitsPerSample;
    header.hopFrames = spectrogram.hopFrames;
    header.frames = clip->frames;
    header.columns = spectrogram.columns;
    header.rows = Spectrogram::Rows;
    header.fftSize = Spectrogram::FftSize;
    return sidefile::write(range, SideKind::Spectrogram, [&](QFile& file) {
        if (Status written = writeFully(file, &header, sizeof header); !written)
            return written;
        return writeFully(file, spectrogram.levels.data(), qint64(spectrogram.levels.size()));
    });
}

Result<std::shared_ptr<Spectrogram>> read(QIODevice& file, const ClipStamp& clip,
                                          const QString& path) {
    FileHeader header{};
    if (file.read(reinterpret_cast<char*>(&header), sizeof header) != qint64(sizeof header) ||
        std::memcmp(header.magic, Magic, sizeof Magic) != 0)
        return damaged(path, QT_TRANSLATE_NOOP("Waveform", "not a spectrogram file"));
    const WavFormat format{header.channels, header.sampleRateHz, header.bitsPerSample};
    if (header.clipBytes != clip.bytes || header.clipModifiedMs != clip.modifiedMs ||
        !(format == clip.format) || header.frames != clip.frames)
        return damaged(path,
                       QT_TRANSLATE_NOOP("Waveform", "made from another version of the clip"));
    // A WAV file holds at most 4 GiB of sound, one frame a byte at the least; a length beyond
    // is no clip's, and would overflow the hop worked out from it.
    if (header.frames < 0 || header.frames > MaxFrames)
        return damaged(path, QT_TRANSLATE_NOOP("Waveform", "damaged"));
    // Only the layout this program makes now is read: the size follows from the clip alone.
    const int hop = Spectrogram::hopFor(header.frames);
    const std::int64_t columns = (header.frames + hop - 1) / hop;
    if (header.rows != Spectrogram::Rows || header.fftSize != Spectrogram::FftSize ||
        header.hopFrames != hop || header.columns != columns ||
        file.size() != qint64(sizeof header) + columns * Spectrogram::Rows)
        return damaged(path, QT_TRANSLATE_NOOP("Waveform", "damaged"));
    auto loaded = std::make_shared<Spectrogram>();
    loaded->sampleRateHz = header.sampleRateHz;
    loaded->frames = header.frames;
    loaded->hopFrames = hop;
    loaded->columns = int(columns);
    loaded->levels.resize(std::size_t(columns) * Spectrogram::Rows);
    const auto bytes = qint64(loaded->levels.size());
    if (file.read(reinterpret_cast<char*>(loaded->levels.data()), bytes) != bytes)
        return damaged(path, QT_TRANSLATE_NOOP("Waveform", "damaged"));
    return loaded;
}

Result<std::shared_ptr<Spectrogram>> load(const ClipRange& range) {
    return sidefile::load(range, SideKind::Spectrogram, [&](QFile& file, const ClipStamp& clip) {
        return read(file, clip, sidefile::path(range, SideKind::Spectrogram));
    });
}

void remove(const ClipRange& range) {
    sidefile::remove(range, SideKind::Spectrogram);
}

std::unique_ptr<FrameAnalyzer> sideProduct(const ClipRange& range, const ClipStamp& stamp) {
    if (load(range))
        return nullptr;
    Result<std::unique_ptr<Builder>> builder =
        Builder::create(stamp.format.sampleRateHz, stamp.format.channels, stamp.frames, range.file);
    if (!builder)
        return nullptr;
    return makeSideProduct(range, stamp, std::move(*builder),
                           [](const ClipRange& clip, const std::shared_ptr<Spectrogram>& made) {
                               return save(clip, *made);
                           });
}

} // namespace spectrogram
