// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav/fade.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fade {

double fadeInGain(std::int64_t index, std::int64_t lengthFrames) {
    if (lengthFrames <= 0 || index >= lengthFrames)
        return 1.0;
    if (index <= 0)
        return 0.0;
    const double t = double(index) / double(lengthFrames);
    return 0.5 * (1.0 - std::cos(std::numbers::pi * t));
}

double fadeOutGain(std::int64_t index, std::int64_t lengthFrames) {
    if (index < 0)
        return 1.0;
    return fadeInGain(lengthFrames - 1 - index, lengthFrames);
}

void applyFadeOut(std::int16_t* samples, int frames, int channels, std::int64_t firstFrame,
                  std::int64_t endFrame, std::int64_t lengthFrames) {
    const std::int64_t length = std::min(lengthFrames, endFrame);
    if (length <= 0)
        return;
    const std::int64_t start = endFrame - length;
    for (int i = std::max<std::int64_t>(0, start - firstFrame); i < frames; ++i) {
        const double gain = fadeOutGain(firstFrame + i - start, length);
        for (int c = 0; c < channels; ++c) {
            std::int16_t& sample = samples[std::size_t(i) * channels + c];
            sample = std::int16_t(std::lround(sample * gain));
        }
    }
}

} // namespace fade
