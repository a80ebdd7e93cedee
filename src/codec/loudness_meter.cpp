// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/loudness_meter.h"

#include <QCoreApplication>

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

struct LoudnessMeter::Impl {
    ebur128_state* state = nullptr;
    unsigned channels = 0;
    ~Impl() {
        if (state)
            ebur128_destroy(&state);
    }
    double highest(int (*peakOf)(ebur128_state*, unsigned, double*)) const {
        double top = 0;
        for (unsigned c = 0; c < channels; ++c) {
            double peak = 0;
            if (peakOf(state, c, &peak) == EBUR128_SUCCESS)
                top = std::max(top, peak);
        }
        return top;
    }
};

LoudnessMeter::LoudnessMeter(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}
LoudnessMeter::~LoudnessMeter() = default;

Result<std::unique_ptr<LoudnessMeter>> LoudnessMeter::create(int channels, int sampleRateHz,
                                                             int measures) {
    int mode = 0;
    if (measures & Loudness)
        mode |= EBUR128_MODE_I;
    if (measures & SamplePeak)
        mode |= EBUR128_MODE_SAMPLE_PEAK;
    if (measures & TruePeak)
        mode |= EBUR128_MODE_TRUE_PEAK;
    if (measures & Momentary)
        mode |= EBUR128_MODE_M;
    auto impl = std::make_unique<Impl>();
    impl->channels = unsigned(std::max(0, channels));
    if (channels > 0 && sampleRateHz > 0)
        impl->state = ebur128_init(impl->channels, unsigned(sampleRateHz), mode);
    if (!impl->state)
        return Status{ErrorCode::OutOfMemory,
                      QCoreApplication::translate("Codec", "The loudness meter cannot start.")};
    return std::unique_ptr<LoudnessMeter>(new LoudnessMeter(std::move(impl)));
}

bool LoudnessMeter::add(const std::int16_t* samples, std::int64_t frames) {
    return ebur128_add_frames_short(d->state, samples, std::size_t(frames)) == EBUR128_SUCCESS;
}

bool LoudnessMeter::add(const float* samples, std::int64_t frames) {
    return ebur128_add_frames_float(d->state, samples, std::size_t(frames)) == EBUR128_SUCCESS;
}

bool LoudnessMeter::add(const double* samples, std::int64_t frames) {
    return ebur128_add_frames_double(d->state, samples, std::size_t(frames)) == EBUR128_SUCCESS;
}

double LoudnessMeter::integratedLufs() const {
    double lufs = -HUGE_VAL;
    ebur128_loudness_global(d->state, &lufs);
    return std::isfinite(lufs) ? lufs : -std::numeric_limits<double>::infinity();
}

double LoudnessMeter::integratedLufs(const std::vector<const LoudnessMeter*>& parts) {
    std::vector<ebur128_state*> states;
    for (const LoudnessMeter* part : parts)
        states.push_back(part->d->state);
    double lufs = -HUGE_VAL;
    ebur128_loudness_global_multiple(states.data(), states.size(), &lufs);
    return std::isfinite(lufs) ? lufs : -std::numeric_limits<double>::infinity();
}

double LoudnessMeter::momentaryLufs() const {
    double lufs = -HUGE_VAL;
    ebur128_loudness_momentary(d->state, &lufs);
    return std::isfinite(lufs) ? lufs : -std::numeric_limits<double>::infinity();
}

double LoudnessMeter::samplePeak() const {
    return d->highest(ebur128_sample_peak);
}

double LoudnessMeter::truePeak() const {
    return d->highest(ebur128_true_peak);
}
