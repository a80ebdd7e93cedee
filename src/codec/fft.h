// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <memory>

// The power spectrum of a block of real samples, through FFmpeg's FFT (av_tx). The buffers
// are the transform's own (aligned as it wants them): fill input(), call run(), read power().
//
// One thread at a time; a transform per thread that wants one.
class PowerSpectrum {
public:
    // A transform of `size` samples (a power of two from 16 on). Fails (Format) for other
    // sizes or when FFmpeg can't make one.
    static Result<std::unique_ptr<PowerSpectrum>> make(int size);
    ~PowerSpectrum();

    int size() const;
    // size() samples to transform; run() leaves them changed.
    float* input();
    // |X[k]|^2 for k = 0 .. size()/2 (size()/2 + 1 values), unscaled.
    void run();
    const float* power() const;

private:
    struct Impl;
    explicit PowerSpectrum(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};
