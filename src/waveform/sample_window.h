// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wav/clip_range.h"

#include <QString>

#include <cstdint>
#include <vector>

// The samples of a short stretch of a clip file, for drawing a deep zoom sample by sample.
// A view asks for the frames it shows; the window reads them (with a margin either side, so
// a small scroll needs no new read) unless it holds them already. Reads are refused above
// MaxFrames, so the thread that asks (the GUI's) never waits on more than a small read.
//
// Not thread-safe; one owner.
class SampleWindow {
public:
    // Two megabytes of stereo 16-bit sound, a millisecond or two from the page cache: enough
    // for a 2048-pixel view just under the finest peak level (256 frames to a pixel), where
    // the peaks would draw in steps.
    static constexpr std::int64_t MaxFrames = 1 << 19;

    // Forgets what it holds (the clip changed or closed).
    void reset();
    // Makes the window hold frames [first, first + count) of the clip `range`. False (and nothing
    // held) when count is above MaxFrames or the file can't be read there.
    bool cover(const ClipRange& range, std::int64_t first, std::int64_t count);

    int channels() const { return m_channels; }
    std::int64_t firstFrame() const { return m_first; }
    // Interleaved 16-bit (8-bit widened), from firstFrame() on.
    const std::vector<std::int16_t>& samples() const { return m_samples; }

private:
    ClipRange m_range;
    std::int64_t m_first = 0;
    std::int64_t m_frames = 0;
    int m_channels = 0;
    std::vector<std::int16_t> m_samples;
};
