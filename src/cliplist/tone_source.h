// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class DecodeStream;
class PcmReader;

// The sound a ringtone is made of, read from any frame on as interleaved signed 16-bit
// frames of one or two channels: a clip file (8- or 16-bit PCM, one or two channels)
// straight from its PCM, anything else through the decoder (more channels mixed down to
// two). Either way only the part read is read: a tone of a stretch of a long song decodes
// the stretch, not the song.
//
// Not thread-safe: one thread reads a source at a time.
class ToneSource {
public:
    // Fails as readClipWavInfo or DecodeStream::open does.
    static Result<std::unique_ptr<ToneSource>> open(const QString& path);
    ~ToneSource();
    ToneSource(const ToneSource&) = delete;
    ToneSource& operator=(const ToneSource&) = delete;

    int channels() const { return m_channels; }
    int sampleRateHz() const { return m_rateHz; }
    // The sound's frames in all: exact for a clip file and where the container knows them,
    // else the decoder's estimate (exactLength() false); -1 when unknown.
    std::int64_t frames() const;
    bool exactLength() const { return m_exact; }

    // The next read starts at `frame` (clamped to 0), sample for sample where a read from
    // the start would be then. Fails as DecodeStream::seek does.
    Status seek(std::int64_t frame);
    // Whether the sound is decoded as it is read (not a clip file read from its PCM).
    bool decodes() const { return m_stream != nullptr; }
    // Reads the next `frames` frames (fewer at the sound's end) into held() and serves the
    // reads that follow from there: a short stretch read twice is decoded once. The failures
    // of read().
    Status hold(std::int64_t frames);
    // The frames held, interleaved; empty before hold().
    const std::vector<std::int16_t>& held() const { return m_held; }

    // Up to maxFrames frames into `samples` (room for maxFrames * channels()): the count,
    // 0 at the end. FileForm when a clip file ends before its header says; the decoder's
    // failures as it gives them.
    Result<std::int64_t> read(std::int16_t* samples, std::int64_t maxFrames);

private:
    ToneSource() = default;

    std::unique_ptr<PcmReader> m_reader;
    std::unique_ptr<DecodeStream> m_stream;
    QString m_path;
    int m_channels = 0;
    int m_rateHz = 0;
    bool m_exact = false;
    std::vector<std::int16_t> m_block;
    std::vector<std::uint8_t> m_bytes;
    std::vector<std::int16_t> m_held;
    std::size_t m_heldAt = 0; // the next sample served from m_held
    bool m_holding = false;
};
