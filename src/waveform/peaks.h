// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "codec/frame_source.h"
#include "wav/clip_range.h"
#include "wav/clip_stamp.h"
#include "wav/wav_header.h"

#include <QString>

class QIODevice;

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// The outline of a clip's sound, for drawing it: per channel the lowest and the highest
// sample of every block of frames, at a fine and a coarse block size. Samples are read as
// 16-bit values (8-bit ones are scaled up).
//
// A PeakLevel's data is laid out block by block, channel by channel: min, max.
struct PeakLevel {
    int framesPerBlock = 0;
    int channels = 0;
    std::vector<std::int16_t> data;

    std::int64_t blocks() const {
        return channels > 0 ? std::int64_t(data.size()) / (2 * channels) : 0;
    }
    std::int16_t min(std::int64_t block, int channel) const {
        return data[std::size_t((block * channels + channel) * 2)];
    }
    std::int16_t max(std::int64_t block, int channel) const {
        return data[std::size_t((block * channels + channel) * 2 + 1)];
    }
};

// The peaks of one clip file. While they are being computed, readyFrames() grows from 0 to
// frames: blocks wholly below it hold their final values and never change again, so a
// reader on another thread may use them (the writer publishes them with release order).
class Peaks {
public:
    static constexpr int FineBlock = 256;
    static constexpr int CoarseBlock = 16384;

    // Room for a clip of this format and length; nothing is ready yet. The coarse block is
    // a whole number of fine blocks.
    Peaks(const WavFormat& format, std::int64_t frames, int fineBlock = FineBlock,
          int coarseBlock = CoarseBlock);

    const WavFormat& format() const { return m_format; }
    std::int64_t frames() const { return m_frames; }
    std::int64_t readyFrames() const { return m_ready.load(std::memory_order_acquire); }
    bool complete() const { return readyFrames() >= m_frames; }
    const PeakLevel& fine() const { return m_fine; }
    const PeakLevel& coarse() const { return m_coarse; }

    // Lowest and highest sample of `channel` over frames [from, to), from the coarsest level
    // that resolves the stretch, read only where ready; {0, 0} when nothing of it is.
    std::pair<std::int16_t, std::int16_t> range(int channel, std::int64_t from,
                                                std::int64_t to) const;

    // Folds the samples of frames [readyFrames(), readyFrames() + count) into the levels.
    // `samples` are interleaved 16-bit; count is a whole number of fine blocks unless it
    // reaches the end. Writer side only.
    void add(const std::int16_t* samples, std::int64_t count);
    // Marks everything ready (a loaded peak file).
    void setComplete() { m_ready.store(m_frames, std::memory_order_release); }
    PeakLevel& fineLevel() { return m_fine; }
    PeakLevel& coarseLevel() { return m_coarse; }

private:
    WavFormat m_format;
    std::int64_t m_frames = 0;
    PeakLevel m_fine;
    PeakLevel m_coarse;
    std::atomic<std::int64_t> m_ready{0};
};

namespace peaks {

// Fills a Peaks as the sound goes by, and marks it complete at the end.
class Filler : public FrameAnalyzer {
public:
    explicit Filler(Peaks& into);
    void add(const std::int16_t* samples, std::int64_t frames) override;
    void finish() override;

private:
    Peaks& m_into;
};
// The frames to read at a time for `peaks`: a whole number of fine blocks.
std::int64_t blockFrames(const Peaks& peaks);

// Reads a WAV file of 8- or 16-bit integer PCM and computes the peaks of its frames from
// `firstFrame` on into `into` (made for the file's format and the number of frames wanted,
// by the caller or by compute()). Stops early, with ErrorCode::Ended, when `cancel` becomes
// true. Fails with the reader's status, or Format for other sample formats.
Status fill(const ClipRange& range, Peaks& into, const std::atomic<bool>& cancel,
            std::int64_t firstFrame = 0);
// A Peaks made for the file and filled.
Result<std::shared_ptr<Peaks>> compute(const ClipRange& range);

// The peaks of a sound handed in as it passes by (a decode being written into a clip, a clip
// being copied), whose length is known only at its end: what the file would give once
// written, without reading it again. One thread at a time.
class Builder {
public:
    // format: 8- or 16-bit PCM.
    explicit Builder(const WavFormat& format);
    // The next bytes of sample data as a clip file holds them (unsigned 8-bit or signed
    // 16-bit little-endian), cut anywhere, even within a sample.
    void add(const char* bytes, std::int64_t count);
    // Whole frames taken so far.
    std::int64_t frames() const { return m_frames + std::int64_t(m_pending.size()) / m_channels; }
    // The peaks of every whole frame added, complete; the builder starts empty again.
    std::shared_ptr<Peaks> finish();

private:
    void fold(std::int64_t wholeBlocks);

    WavFormat m_format;
    int m_channels = 1;
    std::int64_t m_frames = 0;           // frames folded into m_fine
    std::vector<std::int16_t> m_fine;    // the fine level so far
    std::vector<std::int16_t> m_pending; // samples not yet a whole fine block
    std::vector<std::uint8_t> m_oddByte; // the first byte of a 16-bit sample cut in two
};

// Writes `peaks` (complete) to the peak file of the clip `range` (sidefile, SideKind::Peaks), tied
// to the clip file as it is (ClipStamp).
Status save(const ClipRange& range, const Peaks& peaks);
// The peaks a peak file holds, read from `file` (`path` names it in messages), when they were
// made from the clip `clip` describes: its size, modification time, sample format and frames.
// Fails, having allocated nothing for them, when the file is damaged or of another sound.
Result<std::shared_ptr<Peaks>> read(QIODevice& file, const ClipStamp& clip, const QString& path);
// Deletes the peak file of the clip `range`, when the peaks folder beside the clip is a real
// folder: through a link nothing is removed.
void remove(const ClipRange& range);
// The peaks kept for the clip `range`. Fails (and the caller computes them anew) when there is no
// peak file, it is not a plain file (never waited on: a pipe there cannot hang the caller),
// it is damaged, or it was made from another sound than the clip file holds now.
Result<std::shared_ptr<Peaks>> load(const ClipRange& range);

} // namespace peaks
