// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHashFunctions>
#include <QString>

#include <cstdint>
#include <utility>

// A stretch of a sound file: `frames` frames from `firstFrame` on, at the file's own rate.
// frames < 0 runs to the file's end. A clip is its file and such a stretch: a crop moves the
// two numbers and leaves the file as it came. fadeFrames fades the stretch in over its first
// frames and out over its last ones (at most half the stretch each), so a cut made with
// "Smooth cuts" starts and ends without a click.
struct ClipRange {
    QString file;
    std::int64_t firstFrame = 0;
    std::int64_t frames = -1;
    std::int64_t fadeFrames = 0;

    ClipRange() = default;
    // A whole file stands for its clip wherever a clip is asked for.
    ClipRange(QString file, std::int64_t firstFrame = 0, std::int64_t frames = -1,
              std::int64_t fadeFrames = 0)
        : file(std::move(file)), firstFrame(firstFrame), frames(frames), fadeFrames(fadeFrames) {}
    // The whole file as it is, neither cut nor faded.
    bool whole() const { return firstFrame == 0 && frames < 0 && fadeFrames == 0; }
    // Its frames in a file of fileFrames frames.
    std::int64_t length(std::int64_t fileFrames) const {
        const std::int64_t after = fileFrames > firstFrame ? fileFrames - firstFrame : 0;
        return frames < 0 || frames > after ? after : frames;
    }
    bool operator==(const ClipRange&) const = default;
};
inline size_t qHash(const ClipRange& range, size_t seed = 0) {
    return qHashMulti(seed, range.file, range.firstFrame, range.frames, range.fadeFrames);
}
