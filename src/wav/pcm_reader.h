// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/wav_header.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Unsigned 8-bit samples as signed 16-bit ones ((v - 128) * 256): how every reader widens a
// clip's or a decoder's 8-bit sound.
inline void widenEightBit(const std::uint8_t* in, std::int16_t* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        out[i] = std::int16_t((int(in[i]) - 128) * 256);
}

// A sample worked on at 16-bit scale (any real number) stored as `eightBit` unsigned 8-bit or
// little-endian signed 16-bit clip bytes at sample index i of `target`: rounded, and held
// within 16 bits. Returns whether it had to be held (the edit clipped it). How every edit that
// writes a clip stores its samples.
inline bool storeSample(double value, bool eightBit, char* target, std::size_t i) {
    double v = std::round(value);
    const bool clipped = v > 32767 || v < -32768;
    if (clipped)
        v = v > 0 ? 32767.0 : -32768.0;
    if (eightBit) {
        target[i] = char(std::clamp(int(std::lround(v / 256)) + 128, 0, 255));
    } else {
        const auto s = std::int16_t(v);
        target[2 * i] = char(s & 0xFF);
        target[2 * i + 1] = char((s >> 8) & 0xFF);
    }
    return clipped;
}

// The sound of an 8- or 16-bit PCM WAV file (a clip file) read as interleaved signed 16-bit
// samples, block by block, from the start or from any frame: 16-bit samples straight from the
// file, 8-bit ones widened. What FrameSource reads a clip file with, and what the edits that
// rewrite a clip in place (fades, gain, loudness) read it with.
//
// Not thread-safe: one thread reads at a time.
class PcmReader {
public:
    static constexpr std::int64_t DefaultBlockFrames = 1 << 16;

    // readClipWavInfo()'s failures, or FileOpen when the file can't be read.
    Status open(const QString& path);
    const WavInfo& info() const { return m_info; }
    const WavFormat& format() const { return m_info.format; }
    // Whole frames of sound the file holds.
    std::int64_t frames() const;

    // From now on reads only `count` frames from `first` on (both clamped to the sound).
    // False when the file can't be positioned there.
    bool limit(std::int64_t first, std::int64_t count);
    // The next block, at most maxFrames frames, into `samples` (resized to it): its frame
    // count, 0 at the end, -1 when the file ends before its header says.
    std::int64_t next(std::vector<std::int16_t>& samples,
                      std::int64_t maxFrames = DefaultBlockFrames);
    // Hands every block, in order, to `take` (samples and frame count); a block it refuses
    // ends the reading with its status. FileForm when the sound ends early.
    Status readAll(const std::function<Status(std::vector<std::int16_t>&, std::int64_t)>& take,
                   std::int64_t blockFrames = DefaultBlockFrames);

private:
    WavInfo m_info;
    QFile m_file;
    std::vector<std::uint8_t> m_raw;
    std::int64_t m_left = 0;
};
