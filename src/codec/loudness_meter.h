// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <cstdint>
#include <memory>
#include <vector>

// EBU R128 loudness of a sound fed to it block by block (libebur128): the integrated
// loudness, the momentary loudness (the last 400 ms), the sample peak and the true peak (four
// times oversampled), each only when asked for at creation, since the true peak costs
// several times what the rest does.
//
// Not thread-safe: one meter is fed by one thread at a time.
class LoudnessMeter {
public:
    enum Measures { Loudness = 1, SamplePeak = 2, TruePeak = 4, Momentary = 8 };

    // OutOfMemory when the meter cannot start (a channel count or rate it refuses).
    static Result<std::unique_ptr<LoudnessMeter>> create(int channels, int sampleRateHz,
                                                         int measures);
    ~LoudnessMeter();
    LoudnessMeter(const LoudnessMeter&) = delete;
    LoudnessMeter& operator=(const LoudnessMeter&) = delete;

    // Interleaved 16-bit samples of `frames` frames. False when the meter refuses them.
    bool add(const std::int16_t* samples, std::int64_t frames);
    // The same for float samples, full scale 1.0 (louder ones are measured as they are).
    bool add(const float* samples, std::int64_t frames);
    // Interleaved samples of `frames` frames, full scale at +-1.0.
    bool add(const double* samples, std::int64_t frames);

    // The integrated loudness in LUFS; -inf for silence (below the absolute gate).
    double integratedLufs() const;
    // The integrated loudness of one sound fed in parts, each part to one of `parts` (all
    // measuring Loudness, of one rate and channel count): the gating runs over the blocks of
    // all parts together. Only the few 400 ms blocks that would span two parts are missing.
    static double integratedLufs(const std::vector<const LoudnessMeter*>& parts);
    // The loudness of the last 400 ms fed in LUFS; -inf for silence.
    double momentaryLufs() const;
    // The highest sample and true peak over all channels, linear (1.0 is full scale).
    double samplePeak() const;
    double truePeak() const;

private:
    struct Impl;
    explicit LoudnessMeter(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};
