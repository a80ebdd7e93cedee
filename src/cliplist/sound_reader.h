// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/wav_header.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

// An 8- or 16-bit PCM WAV file opened for reading its sound as 16-bit samples (8-bit ones
// widened), chunk by chunk of at most ChunkFrames frames. One thread at a time.
class SoundReader {
public:
    static constexpr std::int64_t ChunkFrames = 1 << 16;

    // Fails as readClipWavInfo() does, or with FileOpen when the file can't be read.
    Status open(const QString& path);
    const WavFormat& format() const { return m_info.format; }
    std::int64_t frames() const { return m_info.dataBytes / m_info.format.blockAlign(); }
    // Reads only `count` frames from `first` on (both clamped to the sound); false when the
    // file can't be positioned there.
    bool limit(std::int64_t first, std::int64_t count);

    // Hands every chunk, in order, to `take` (interleaved samples and their frame count);
    // a chunk it refuses ends the reading with its status. FileForm when the file ends
    // before its header says.
    Status readAll(const std::function<Status(std::vector<std::int16_t>&, std::int64_t)>& take);
    // The next chunk into `samples` (interleaved); 0 at the end, -1 on a read failure.
    std::int64_t next(std::vector<std::int16_t>& samples);

private:
    WavInfo m_info;
    QFile m_file;
    QByteArray m_raw;
    std::int64_t m_left = 0;
};
