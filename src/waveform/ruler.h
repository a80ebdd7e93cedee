// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// The time ruler over a stretch of a clip: where its ticks fall and what the labelled ones
// say, for any zoom from hours across the view down to single samples. No drawing: the view
// paints what this gives, and a test can read it.
namespace ruler {

struct Tick {
    double ms = 0;      // time of the tick in the clip
    bool major = false; // a long tick with a label
    QString label;      // empty on minor ticks
};

struct Scale {
    double majorMs = 0; // distance between labelled ticks
    double minorMs = 0; // distance between all ticks
    // The labels count sample frames of the clip rather than clock time (a step shorter than
    // a millisecond cannot be told apart in m:ss.mmm).
    bool samples = false;
    std::vector<Tick> ticks;
};

// Labelled ticks at least this many pixels apart, so "12:34.567" fits between two.
constexpr int MinLabelGapPx = 80;

// The ticks of the stretch from viewStartMs over widthPx pixels of msPerPixel each (> 0), for
// a clip at sampleRateHz (> 0). The labelled step is the smallest of 1-2-5 steps of samples,
// milliseconds, seconds (1, 2, 5, 10, 15, 30) and minutes (1, 2, 5, 10, 15, 30, 60) that
// leaves minLabelGapPx between labels; labels read "h:mm:ss" from an hour on, "m:ss" for
// whole seconds and "m:ss.f", "m:ss.ff", "m:ss.fff" for steps of tenths, hundredths and
// milliseconds, or the frame number at sample steps.
Scale ticks(double viewStartMs, double msPerPixel, int widthPx, int sampleRateHz,
            int minLabelGapPx = MinLabelGapPx);

// A time as the ruler writes it, with `decimals` (0-3) digits of the second.
QString clockLabel(std::int64_t ms, int decimals);

} // namespace ruler
