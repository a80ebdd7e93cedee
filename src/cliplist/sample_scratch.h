// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QString>
#include <QTemporaryFile>

#include <cstdint>
#include <functional>
#include <vector>

// Interleaved float samples kept in a temporary file while an edit works through a sound in
// several passes: a whole song does not fit in memory as floats, and floats keep what a
// filter lifted past full scale until a gain brings it down. The file is removed with the
// object. One thread at a time.
class SampleScratch {
public:
    explicit SampleScratch(int channels) : m_channels(channels) {}

    // Makes the file in `folder`; Create (naming the folder) when it can't.
    Status open(const QString& folder);
    // Appends `frames` frames; Create when the disk refuses them.
    Status append(const float* samples, std::int64_t frames);
    std::int64_t frames() const { return m_frames; }
    // Forgets every frame, to be written afresh.
    Status clear();

    // Hands the `count` frames from `first` on to `take` in order, chunk by chunk (clamped to
    // what was written); a chunk it refuses ends the reading with its status. FileOpen when
    // the file can't be read back.
    using Take = std::function<Status(const float* samples, std::int64_t frames)>;
    Status read(std::int64_t first, std::int64_t count, const Take& take);

private:
    int m_channels;
    QTemporaryFile m_file;
    std::int64_t m_frames = 0;
    std::vector<float> m_chunk;
};
