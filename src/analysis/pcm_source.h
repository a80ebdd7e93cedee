// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/clip_range.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// A sound read once from its start to its end, in blocks of interleaved signed 16-bit
// frames: what the analysis reads. A file is decoded as it is read (nothing of it is held
// whole); a sound already in memory is read in place.
//
// Not thread-safe: one thread reads a source at a time.
class PcmSource {
public:
    virtual ~PcmSource() = default;
    virtual int channels() const = 0;
    virtual int sampleRateHz() const = 0;
    // The number of frames, exact or estimated; -1 when unknown. For progress only.
    virtual std::int64_t frames() const = 0;
    // Up to maxFrames frames into `samples` (room for maxFrames * channels()); 0 at the end.
    // A failure names the file and the reason.
    virtual Result<std::int64_t> read(std::int16_t* samples, std::int64_t maxFrames) = 0;
};

// Interleaved 16-bit samples held by the caller.
class MemorySource : public PcmSource {
public:
    MemorySource(const std::int16_t* samples, std::int64_t frames, int channels, int sampleRateHz);
    int channels() const override { return m_channels; }
    int sampleRateHz() const override { return m_rate; }
    std::int64_t frames() const override { return m_frames; }
    Result<std::int64_t> read(std::int16_t* samples, std::int64_t maxFrames) override;

private:
    const std::int16_t* m_samples;
    std::int64_t m_frames;
    int m_channels;
    int m_rate;
    std::int64_t m_at = 0;
};

// Any sound file (a clip's WAV, an MP3, ...) through FrameSource: read while it is analysed,
// more than two channels mixed down to two. Fails as FrameSource::open does.
Result<std::unique_ptr<PcmSource>> openSoundFile(const ClipRange& path);
