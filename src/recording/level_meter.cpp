// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/level_meter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr double FullScale = 32768.0;

double toDb(double level) {
    return level > 0 ? std::max(LevelMeter::FloorDb, 20.0 * std::log10(level / FullScale))
                     : LevelMeter::FloorDb;
}

} // namespace

void LevelMeter::measure(const std::byte* block, std::size_t bytes) noexcept {
    const std::size_t count = bytes / 2;
    std::int32_t peak = 0;
    std::uint64_t squares = 0;
    for (std::size_t i = 0; i < count; ++i) {
        std::int16_t sample;
        std::memcpy(&sample, block + 2 * i, 2);
        const std::int32_t magnitude = sample < 0 ? -std::int32_t(sample) : sample;
        peak = std::max(peak, magnitude);
        squares += std::uint64_t(magnitude) * std::uint64_t(magnitude);
    }
    std::int32_t seen = m_peak.load(std::memory_order_relaxed);
    while (peak > seen && !m_peak.compare_exchange_weak(seen, peak, std::memory_order_relaxed)) {
    }
    m_sumOfSquares.fetch_add(squares, std::memory_order_relaxed);
    m_samples.fetch_add(count, std::memory_order_relaxed);
    if (peak >= 32767)
        m_clipped.store(true, std::memory_order_relaxed);
}

LevelMeter::Reading LevelMeter::read(std::int64_t nowMs) {
    // The three counts are taken one after the other: a block that falls between them is
    // split over two reads, which a meter drawn 20 times a second does not show.
    const std::uint64_t samples = m_samples.exchange(0, std::memory_order_relaxed);
    const std::uint64_t squares = m_sumOfSquares.exchange(0, std::memory_order_relaxed);
    const std::int32_t peak = m_peak.exchange(0, std::memory_order_relaxed);
    if (samples > 0) {
        m_last.peakDb = toDb(peak);
        m_last.rmsDb = toDb(std::sqrt(double(squares) / double(samples)));
    }
    if (m_last.peakDb >= m_last.holdDb || nowMs - m_holdSinceMs >= HoldMs) {
        m_last.holdDb = m_last.peakDb;
        m_holdSinceMs = nowMs;
    }
    m_last.clipped = m_clipped.load(std::memory_order_relaxed);
    return m_last;
}

void LevelMeter::clearClip() {
    m_clipped.store(false, std::memory_order_relaxed);
    m_last.clipped = false;
}

void LevelMeter::reset() {
    m_samples.store(0, std::memory_order_relaxed);
    m_sumOfSquares.store(0, std::memory_order_relaxed);
    m_peak.store(0, std::memory_order_relaxed);
    const bool clipped = m_last.clipped;
    m_last = Reading{};
    m_last.clipped = clipped;
}
