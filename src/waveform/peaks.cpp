// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/peaks.h"

#include "base/write_fully.h"
#include "codec/frame_source.h"
#include "wav/pcm_reader.h"
#include "wav/side_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr std::int16_t Lowest = std::numeric_limits<std::int16_t>::min();
constexpr std::int16_t Highest = std::numeric_limits<std::int16_t>::max();

void sizeLevel(PeakLevel& level, int framesPerBlock, int channels, std::int64_t frames) {
    level.framesPerBlock = framesPerBlock;
    level.channels = channels;
    const std::int64_t blocks = (frames + framesPerBlock - 1) / framesPerBlock;
    level.data.assign(std::size_t(blocks * channels * 2), 0);
}

// The peak file: this header, then the fine and the coarse level's data, in the machine's
// byte order (the file never leaves the machine that made it).
struct PeakFileHeader {
    char magic[8];
    std::int64_t clipBytes;
    std::int64_t clipModifiedMs;
    std::int32_t channels;
    std::int32_t sampleRateHz;
    std::int32_t bitsPerSample;
    std::int32_t reserved;
    std::int64_t frames;
};
constexpr char Magic[8] = {'T', 'C', 'P', 'E', 'A', 'K', 'S', '1'};

// More frames than a WAV file's 32-bit sizes can hold: a header saying so is damaged.
constexpr std::int64_t MaxFrames = std::int64_t(1) << 32;

std::int64_t levelBytes(std::int64_t frames, int framesPerBlock, int channels) {
    return (frames + framesPerBlock - 1) / framesPerBlock * channels * 2 * 2;
}

Status damaged(const QString& path, const char* why) {
    //: A file's path, then what is wrong with it.
    return {ErrorCode::FileForm, QCoreApplication::translate("Waveform", "%1: %2.")
                                     .arg(path, QCoreApplication::translate("Waveform", why))};
}

} // namespace

Peaks::Peaks(const WavFormat& format, std::int64_t frames, int fineBlock, int coarseBlock)
    : m_format(format), m_frames(std::max<std::int64_t>(0, frames)) {
    fineBlock = std::max(1, fineBlock);
    coarseBlock = std::max(1, coarseBlock / fineBlock) * fineBlock;
    sizeLevel(m_fine, fineBlock, format.channels, m_frames);
    sizeLevel(m_coarse, coarseBlock, format.channels, m_frames);
}

std::pair<std::int16_t, std::int16_t> Peaks::range(int channel, std::int64_t from,
                                                   std::int64_t to) const {
    from = std::max<std::int64_t>(0, from);
    to = std::min(to, m_frames);
    const std::int64_t ready = readyFrames();
    const bool whole = ready >= m_frames;
    std::int16_t lo = Highest;
    std::int16_t hi = Lowest;
    bool any = false;
    const auto take = [&](const PeakLevel& level, std::int64_t block) {
        lo = std::min(lo, level.min(block, channel));
        hi = std::max(hi, level.max(block, channel));
        any = true;
    };
    if (channel < 0 || channel >= m_format.channels || from >= to)
        return {0, 0};
    const std::int64_t fine = m_fine.framesPerBlock;
    const std::int64_t coarse = m_coarse.framesPerBlock;
    std::int64_t at = from;
    if (to - from >= 2 * coarse) {
        for (std::int64_t block = at / coarse; block * coarse < to; ++block) {
            if (!whole && (block + 1) * coarse > ready)
                break;
            take(m_coarse, block);
            at = (block + 1) * coarse;
        }
    }
    for (std::int64_t block = at / fine; at < to && block * fine < to; ++block) {
        if (!whole && (block + 1) * fine > ready)
            break;
        take(m_fine, block);
    }
    return any ? std::pair{lo, hi} : std::pair<std::int16_t, std::int16_t>{0, 0};
}

namespace {

// Lowest and highest sample of each channel over `frames` interleaved frames. For channel
// counts that divide Lanes the samples are taken Lanes at a time into as many running
// minima and maxima, held in vectors of the compiler's (one instruction a step on any
// machine with vector registers); lane l then holds channel l % channels.
constexpr int Lanes = 8;
using Lane = std::int16_t __attribute__((vector_size(Lanes * sizeof(std::int16_t))));

void blockRange(const std::int16_t* samples, std::int64_t frames, int channels, std::int16_t* lo,
                std::int16_t* hi) {
    for (int c = 0; c < channels; ++c) {
        lo[c] = Highest;
        hi[c] = Lowest;
    }
    std::int64_t done = 0;
    if (Lanes % channels == 0) {
        Lane laneLo = Lane{} + Highest;
        Lane laneHi = Lane{} + Lowest;
        const std::int64_t total = frames * channels;
        const std::int64_t whole = total - total % Lanes;
        for (std::int64_t i = 0; i < whole; i += Lanes) {
            Lane v;
            std::memcpy(&v, samples + i, sizeof v);
            laneLo = v < laneLo ? v : laneLo;
            laneHi = v > laneHi ? v : laneHi;
        }
        for (int l = 0; l < Lanes; ++l) {
            lo[l % channels] = std::min(lo[l % channels], std::int16_t(laneLo[l]));
            hi[l % channels] = std::max(hi[l % channels], std::int16_t(laneHi[l]));
        }
        done = whole / channels;
    }
    for (std::int64_t f = done; f < frames; ++f)
        for (int c = 0; c < channels; ++c) {
            const std::int16_t v = samples[f * channels + c];
            lo[c] = std::min(lo[c], v);
            hi[c] = std::max(hi[c], v);
        }
}

} // namespace

void Peaks::add(const std::int16_t* samples, std::int64_t count) {
    const int channels = m_format.channels;
    const std::int64_t start = m_ready.load(std::memory_order_relaxed);
    count = std::min(count, m_frames - start);
    const std::int64_t fineFrames = m_fine.framesPerBlock;
    const std::int64_t coarseFrames = m_coarse.framesPerBlock;
    std::vector<std::int16_t> lo(static_cast<std::size_t>(channels));
    std::vector<std::int16_t> hi(static_cast<std::size_t>(channels));
    for (std::int64_t offset = 0; offset < count; offset += fineFrames) {
        const std::int64_t n = std::min(fineFrames, count - offset);
        const std::int64_t frame = start + offset;
        const std::int64_t fine = frame / fineFrames;
        const std::int64_t coarse = frame / coarseFrames;
        const bool coarseStarts = frame % coarseFrames == 0;
        blockRange(samples + offset * channels, n, channels, lo.data(), hi.data());
        for (int c = 0; c < channels; ++c) {
            const auto at = [&](std::int64_t b) { return std::size_t((b * channels + c) * 2); };
            m_fine.data[at(fine)] = lo[std::size_t(c)];
            m_fine.data[at(fine) + 1] = hi[std::size_t(c)];
            std::int16_t& coarseLo = m_coarse.data[at(coarse)];
            std::int16_t& coarseHi = m_coarse.data[at(coarse) + 1];
            coarseLo = coarseStarts ? lo[std::size_t(c)] : std::min(coarseLo, lo[std::size_t(c)]);
            coarseHi = coarseStarts ? hi[std::size_t(c)] : std::max(coarseHi, hi[std::size_t(c)]);
        }
    }
    m_ready.store(start + count, std::memory_order_release);
}

namespace peaks {

Filler::Filler(Peaks& into) : m_into(into) {}

void Filler::add(const std::int16_t* samples, std::int64_t frames) {
    m_into.add(samples, frames);
}

void Filler::finish() {
    m_into.setComplete();
}

std::int64_t blockFrames(const Peaks& peaks) {
    // A whole number of fine blocks, about a megabyte of sound.
    return std::max<std::int64_t>(1, (1 << 20) / peaks.fine().framesPerBlock) *
           peaks.fine().framesPerBlock;
}

Status fill(const ClipRange& range, Peaks& into, const std::atomic<bool>& cancel,
            std::int64_t firstFrame) {
    auto source = FrameSource::open(range, 0);
    if (!source)
        return source.status();
    if (Status at = (*source)->limit(firstFrame, into.frames()); !at)
        return at;
    Filler filler(into);
    return (*source)->feed({&filler}, cancel, blockFrames(into));
}

Result<std::shared_ptr<Peaks>> compute(const ClipRange& range) {
    const Result<ClipStamp> clip = clipStampOf(range);
    if (!clip)
        return clip.status();
    auto made = std::make_shared<Peaks>(clip->format, clip->frames);
    const std::atomic<bool> never{false};
    if (Status filled = fill(range, *made, never); !filled)
        return filled;
    return made;
}

Builder::Builder(const WavFormat& format)
    : m_format(format), m_channels(std::max(1, format.channels)) {}

void Builder::add(const char* bytes, std::int64_t count) {
    if (count <= 0)
        return;
    const auto* in = reinterpret_cast<const std::uint8_t*>(bytes);
    const std::size_t had = m_pending.size();
    if (m_format.bitsPerSample == 8) {
        m_pending.resize(had + std::size_t(count));
        widenEightBit(in, m_pending.data() + had, std::size_t(count));
    } else {
        if (!m_oddByte.empty()) {
            m_pending.push_back(std::int16_t(m_oddByte[0] | in[0] << 8));
            m_oddByte.clear();
            ++in;
            --count;
        }
        const std::size_t whole = std::size_t(count / 2);
        const std::size_t at = m_pending.size();
        m_pending.resize(at + whole);
        // Little-endian in the file as in the machine.
        if (whole > 0)
            std::memcpy(m_pending.data() + at, in, whole * 2);
        if (count % 2 != 0)
            m_oddByte.push_back(in[count - 1]);
    }
    fold(std::int64_t(m_pending.size()) / (std::int64_t(Peaks::FineBlock) * m_channels));
}

// Folds the first `wholeBlocks` fine blocks of m_pending (the last may be shorter, at the
// end of the sound) into the fine level.
void Builder::fold(std::int64_t wholeBlocks) {
    const std::int64_t blockSamples = std::int64_t(Peaks::FineBlock) * m_channels;
    const std::int64_t available = std::int64_t(m_pending.size());
    std::vector<std::int16_t> lo(static_cast<std::size_t>(m_channels));
    std::vector<std::int16_t> hi(static_cast<std::size_t>(m_channels));
    std::int64_t used = 0;
    for (std::int64_t b = 0; b < wholeBlocks && used < available; ++b) {
        const std::int64_t frames = std::min(blockSamples, available - used) / m_channels;
        if (frames == 0)
            break;
        blockRange(m_pending.data() + used, frames, m_channels, lo.data(), hi.data());
        for (int c = 0; c < m_channels; ++c) {
            m_fine.push_back(lo[std::size_t(c)]);
            m_fine.push_back(hi[std::size_t(c)]);
        }
        used += frames * m_channels;
        m_frames += frames;
    }
    m_pending.erase(m_pending.begin(), m_pending.begin() + used);
}

std::shared_ptr<Peaks> Builder::finish() {
    fold(1);
    auto made = std::make_shared<Peaks>(m_format, m_frames);
    made->fineLevel().data = std::move(m_fine);
    // Each coarse block is the range of the fine blocks it spans, as Peaks::add makes it.
    PeakLevel& coarse = made->coarseLevel();
    const std::int64_t perCoarse = coarse.framesPerBlock / Peaks::FineBlock;
    const PeakLevel& fine = made->fine();
    for (std::int64_t block = 0; block < fine.blocks(); ++block)
        for (int c = 0; c < m_channels; ++c) {
            const std::size_t at = std::size_t(((block / perCoarse) * m_channels + c) * 2);
            const bool first = block % perCoarse == 0;
            coarse.data[at] =
                first ? fine.min(block, c) : std::min(coarse.data[at], fine.min(block, c));
            coarse.data[at + 1] =
                first ? fine.max(block, c) : std::max(coarse.data[at + 1], fine.max(block, c));
        }
    made->setComplete();
    *this = Builder(m_format);
    return made;
}

Status save(const ClipRange& range, const Peaks& peaks) {
    const Result<ClipStamp> clip = clipStampOf(range);
    if (!clip)
        return clip.status();
    PeakFileHeader header{};
    std::memcpy(header.magic, Magic, sizeof Magic);
    header.clipBytes = clip->bytes;
    header.clipModifiedMs = clip->modifiedMs;
    header.channels = peaks.format().channels;
    header.sampleRateHz = peaks.format().sampleRateHz;
    header.bitsPerSample = peaks.format().bitsPerSample;
    header.frames = peaks.frames();
    return sidefile::write(range, SideKind::Peaks, [&](QFile& file) {
        for (const auto& [data, bytes] :
             {std::pair{static_cast<const void*>(&header), qint64(sizeof header)},
              std::pair{static_cast<const void*>(peaks.fine().data.data()),
                        qint64(peaks.fine().data.size() * 2)},
              std::pair{static_cast<const void*>(peaks.coarse().data.data()),
                        qint64(peaks.coarse().data.size() * 2)}})
            if (Status written = writeFully(file, data, bytes); !written)
                return written;
        return Status::ok();
    });
}

Result<std::shared_ptr<Peaks>> read(QIODevice& file, const ClipStamp& clip, const QString& path) {
    PeakFileHeader header{};
    if (file.read(reinterpret_cast<char*>(&header), sizeof header) != qint64(sizeof header) ||
        std::memcmp(header.magic, Magic, sizeof Magic) != 0)
        return damaged(path, QT_TRANSLATE_NOOP("Waveform", "not a peak file"));
    const WavFormat format{header.channels, header.sampleRateHz, header.bitsPerSample};
    if (header.clipBytes != clip.bytes || header.clipModifiedMs != clip.modifiedMs ||
        !(format == clip.format) || header.frames != clip.frames)
        return damaged(path,
                       QT_TRANSLATE_NOOP("Waveform", "made from another version of the clip"));
    if (format.channels < 1 || format.channels > WavFormat::MaxChannels || header.frames < 0 ||
        header.frames > MaxFrames)
        return damaged(path, QT_TRANSLATE_NOOP("Waveform", "damaged"));
    // The size is checked before anything is allocated for the levels.
    const std::int64_t fineBytes = levelBytes(header.frames, Peaks::FineBlock, format.channels);
    const std::int64_t coarseBytes = levelBytes(header.frames, Peaks::CoarseBlock, format.channels);
    if (file.size() != qint64(sizeof header) + fineBytes + coarseBytes)
        return damaged(path, QT_TRANSLATE_NOOP("Waveform", "damaged"));
    auto loaded = std::make_shared<Peaks>(format, header.frames);
    if (file.read(reinterpret_cast<char*>(loaded->fineLevel().data.data()), fineBytes) !=
            fineBytes ||
        file.read(reinterpret_cast<char*>(loaded->coarseLevel().data.data()), coarseBytes) !=
            coarseBytes)
        return damaged(path, QT_TRANSLATE_NOOP("Waveform", "damaged"));
    loaded->setComplete();
    return loaded;
}

void remove(const ClipRange& range) {
    sidefile::remove(range, SideKind::Peaks);
}

Result<std::shared_ptr<Peaks>> load(const ClipRange& range) {
    return sidefile::load(range, SideKind::Peaks, [&](QFile& file, const ClipStamp& clip) {
        return read(file, clip, sidefile::path(range, SideKind::Peaks));
    });
}

} // namespace peaks
