// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "cliplist/voice_cleanup.h"
#include "wav/wav_header.h"

#include <QString>

#include <cstdint>
#include <functional>

class LevelEnvelope;
class SampleScratch;

namespace cleanup {

// What the filter pass of clean() knows of its input from the first pass.
struct FilterInput {
    WavFormat format;
    std::int64_t frames = 0;
    std::int64_t noiseFirstFrame = 0; // the quiet stretch the noise is learnt from
    std::int64_t noiseFrames = 0;
    double noiseFloorDb = 0; // its RMS level, dBFS
};

// Told the fraction of the pass done; a failure it returns (a stop) ends the pass with it.
using FractionFn = std::function<Status(double fraction)>;

// The filter pass: the input `in` through the filters of `steps` (rumble, clicks, noise) into
// `scratch` as float samples, frame for frame in step with the input (the filters' latency
// made up for), and the level of the result above the rumble into `envelope` (whose blocks
// the caller chose). Fails when a file can't be read or written or a filter fails.
Status runFilters(const QString& in, const Steps& steps, const FilterInput& input,
                  SampleScratch& scratch, LevelEnvelope& envelope, const FractionFn& done);

} // namespace cleanup
