// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

// The level of the sound coming in from the selected input, for the recording page's meter.
//
// The capture thread hands every captured block to measure(); it only folds the block's
// largest sample and its sum of squares into a few atomics (no lock, no allocation). The GUI
// thread reads what came since its last read (read(), at least 20 times a second) and gets
// the peak and the RMS level of that stretch in dBFS, the peak held for HoldMs, and the clip
// mark.
//
// Levels are relative to full scale, 32768: a sine of amplitude a (0 < a <= 1) reads
// 20 log10(a) peak and 3.01 dB less RMS. Both channels count as one signal. The clip mark
// lights when a sample reaches full scale (32767 or -32768) and stays lit until clearClip().
class LevelMeter {
public:
    // The lowest level shown; silence and "nothing measured" read this.
    static constexpr double FloorDb = -60.0;
    static constexpr std::int64_t HoldMs = 1500;

    struct Reading {
        double peakDb = FloorDb;
        double rmsDb = FloorDb;
        double holdDb = FloorDb; // the highest peak of the last HoldMs
        bool clipped = false;
    };

    // Capture thread: one block of interleaved signed 16-bit little-endian samples.
    void measure(const std::byte* block, std::size_t bytes) noexcept;

    // GUI thread: the levels of what was measured since the last read, at `nowMs` on any
    // steady clock. When nothing came in since, the last levels stay.
    Reading read(std::int64_t nowMs);
    // GUI thread: the next take starts: the clip mark goes out.
    void clearClip();
    // GUI thread: nothing is measured any more (the capture stopped): the meter falls to the
    // floor, the hold with it. The clip mark stays.
    void reset();

private:
    std::atomic<std::int32_t> m_peak{0}; // largest |sample| since the last read
    std::atomic<std::uint64_t> m_sumOfSquares{0};
    std::atomic<std::uint64_t> m_samples{0};
    std::atomic<bool> m_clipped{false};

    Reading m_last;
    std::int64_t m_holdSinceMs = 0;
};
