// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/music_analysis.h"
#include "base/status.h"
#include "wav/clip_range.h"

#include <QString>

#include <cstdint>
#include <vector>

// Where a mark lands: the editor's "Snap" choice moves Mark In, Mark Out, a dragged handle
// and a typed time to the nearest zero crossing, beat or bar; Off leaves them exactly where
// they were put. Half and Double tempo fix an octave error of the beat tracker for the grid
// and for snapping.
namespace analysis {

enum class Snap { Off, ZeroCrossing, Beat, Bar };
enum class TempoChoice { AsFound, Half, Double };

// The zero crossing is looked for this far either side of the mark.
constexpr int ZeroCrossingRadiusMs = 5;

struct Grid {
    std::vector<double> beats; // seconds, ascending
    std::vector<double> bars;
};

// The analysis's beats and bars, or, for Half, every other beat and bar (those on the
// downbeats kept) and, for Double, a beat and a bar line added halfway between each two.
// Empty without a grid.
Grid gridFor(const MusicAnalysis& analysis, TempoChoice tempo);

// The line of `lines` nearest to t; t itself when there are none.
double nearestLine(double t, const std::vector<double>& lines);

// Of the frames from frame - radius to frame + radius (within the sound), the one whose
// samples have the smallest sum of magnitudes over the channels; the nearest to `frame` of
// equals. `samples` holds `frames` interleaved frames of `channels` samples.
std::int64_t quietestFrame(const std::int16_t* samples, int channels, std::int64_t frames,
                           std::int64_t frame, std::int64_t radius);

// A mark's time in milliseconds where `snap` puts it. Beat and Bar go to the nearest line of
// the grid (the mark stays where it is without a grid); ZeroCrossing reads the clip file
// around the mark and takes, of the whole milliseconds within ZeroCrossingRadiusMs, the one
// whose frame (the nearest, as the crop takes it) has the smallest |L| + |R|. The result is
// kept within 0 and lengthMs. Fails only with the clip file's read failure.
Result<std::int64_t> snapMs(std::int64_t ms, Snap snap, const Grid& grid, const ClipRange& range,
                            std::int64_t lengthMs);

} // namespace analysis
