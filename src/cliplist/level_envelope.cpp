// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/level_envelope.h"

#include <algorithm>
#include <cmath>
#include <limits>

LevelEnvelope::LevelEnvelope(int channels, std::int64_t blockFrames)
    : m_channels(std::max(1, channels)), m_blockFrames(std::max<std::int64_t>(1, blockFrames)) {}

template <typename Sample>
void LevelEnvelope::addSamples(const Sample* samples, std::int64_t frames, double scale) {
    const double unit = 1.0 / scale;
    const double perBlock = 1.0 / (double(m_channels) * double(m_blockFrames));
    for (std::int64_t f = 0; f < frames; ++f) {
        for (int c = 0; c < m_channels; ++c) {
            const double v = double(samples[f * m_channels + c]) * unit;
            m_sum += v * v;
        }
        if (++m_count == m_blockFrames) {
            m_blocks.push_back(m_sum * perBlock);
            m_sum = 0;
            m_count = 0;
        }
    }
}

void LevelEnvelope::add(const std::int16_t* samples, std::int64_t frames) {
    addSamples(samples, frames, 32768.0);
}

void LevelEnvelope::add(const float* samples, std::int64_t frames) {
    addSamples(samples, frames, 1.0);
}

double LevelEnvelope::block(std::int64_t index) const {
    if (index >= 0 && index < std::int64_t(m_blocks.size()))
        return m_blocks[std::size_t(index)];
    if (index == std::int64_t(m_blocks.size()) && m_count > 0)
        return m_sum / (double(m_channels) * double(m_count));
    return 0.0;
}

double LevelEnvelope::loudest() const {
    double top = 0;
    for (std::int64_t i = 0; i < blockCount(); ++i)
        top = std::max(top, block(i));
    return top;
}

double LevelEnvelope::mean(std::int64_t first, std::int64_t count) const {
    const std::int64_t end = std::clamp<std::int64_t>(first + count, 0, blockCount());
    first = std::clamp<std::int64_t>(first, 0, blockCount());
    count = std::max<std::int64_t>(0, end - first);
    double sum = 0;
    for (std::int64_t i = first; i < first + count; ++i)
        sum += block(i);
    return count > 0 ? sum / double(count) : 0.0;
}

template <typename Seen> void LevelEnvelope::slide(std::int64_t count, Seen seen) const {
    double sum = 0;
    for (std::int64_t i = 0; i < count; ++i)
        sum += block(i);
    seen(0, sum);
    for (std::int64_t i = count; i < blockCount(); ++i) {
        // Summed afresh now and then: a running sum over an hour of blocks drifts.
        if (i % 4096 == 0) {
            sum = 0;
            for (std::int64_t j = i - count + 1; j <= i; ++j)
                sum += block(j);
        } else {
            sum += block(i) - block(i - count);
        }
        seen(i - count + 1, sum);
    }
}

std::int64_t LevelEnvelope::quietest(std::int64_t count, bool passOverSilence) const {
    if (count <= 0 || blockCount() < count)
        return 0;
    // Silent blocks in the window [first, first + count), kept as the window slides.
    std::int64_t silent = 0;
    for (std::int64_t i = 0; i < count; ++i)
        silent += block(i) == 0.0;
    double lowest = std::numeric_limits<double>::infinity();
    double lowestSounding = lowest;
    std::int64_t at = 0;
    std::int64_t atSounding = -1;
    slide(count, [&](std::int64_t first, double sum) {
        if (first > 0)
            silent += (block(first + count - 1) == 0.0) - (block(first - 1) == 0.0);
        if (sum < lowest) {
            lowest = sum;
            at = first;
        }
        if (silent == 0 && sum < lowestSounding) {
            lowestSounding = sum;
            atSounding = first;
        }
    });
    return passOverSilence && atSounding >= 0 ? atSounding : at;
}

double LevelEnvelope::loudestMean(std::int64_t count) const {
    count = std::clamp<std::int64_t>(count, 1, std::max<std::int64_t>(1, blockCount()));
    double highest = 0;
    slide(count, [&](std::int64_t, double sum) { highest = std::max(highest, sum); });
    return highest / double(count);
}

double LevelEnvelope::toDb(double meanSquare) {
    return meanSquare > 0 ? 10 * std::log10(meanSquare) : -std::numeric_limits<double>::infinity();
}

double LevelEnvelope::fromDb(double db) {
    return std::pow(10.0, db / 10);
}
