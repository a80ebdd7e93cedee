// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/snapping.h"

#include "codec/frame_source.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace analysis {

namespace {

std::vector<double> halfway(const std::vector<double>& lines) {
    std::vector<double> result;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        result.push_back(lines[i]);
        if (i + 1 < lines.size())
            result.push_back(0.5 * (lines[i] + lines[i + 1]));
    }
    return result;
}

// Every other line, from the phase that keeps the most of `keep`.
std::vector<double> everyOther(const std::vector<double>& lines, const std::vector<double>& keep) {
    int best = 0;
    std::size_t bestKept = 0;
    for (int phase = 0; phase < 2; ++phase) {
        std::size_t kept = 0;
        for (std::size_t i = std::size_t(phase); i < lines.size(); i += 2)
            kept += std::count_if(keep.begin(), keep.end(),
                                  [&](double k) { return std::abs(k - lines[i]) < 1e-6; });
        if (kept > bestKept) {
            best = phase;
            bestKept = kept;
        }
    }
    std::vector<double> result;
    for (std::size_t i = std::size_t(best); i < lines.size(); i += 2)
        result.push_back(lines[i]);
    return result;
}

// The frame a whole millisecond names, the nearest, halves up (as the crop takes it).
std::int64_t frameOfMs(std::int64_t ms, int rate) {
    return ms / 1000 * rate + (ms % 1000 * rate + 500) / 1000;
}

} // namespace

Grid gridFor(const MusicAnalysis& analysis, TempoChoice tempo) {
    Grid grid;
    if (!analysis.hasGrid())
        return grid;
    switch (tempo) {
    case TempoChoice::AsFound:
        grid.beats = analysis.beats;
        grid.bars = analysis.bars;
        break;
    case TempoChoice::Double:
        grid.beats = halfway(analysis.beats);
        grid.bars = halfway(analysis.bars);
        break;
    case TempoChoice::Half: {
        // The bars that start sections are the ones to keep.
        std::vector<double> starts;
        for (const Section& s : analysis.sections)
            starts.push_back(nearestLine(s.start, analysis.bars));
        grid.bars = everyOther(analysis.bars, starts);
        grid.beats = everyOther(analysis.beats, grid.bars);
        break;
    }
    }
    return grid;
}

double nearestLine(double t, const std::vector<double>& lines) {
    if (lines.empty())
        return t;
    const auto after = std::lower_bound(lines.begin(), lines.end(), t);
    if (after == lines.begin())
        return *after;
    if (after == lines.end())
        return lines.back();
    return t - *(after - 1) <= *after - t ? *(after - 1) : *after;
}

std::int64_t quietestFrame(const std::int16_t* samples, int channels, std::int64_t frames,
                           std::int64_t frame, std::int64_t radius) {
    std::int64_t best = std::clamp<std::int64_t>(frame, 0, std::max<std::int64_t>(0, frames - 1));
    long bestSum = -1;
    const std::int64_t from = std::max<std::int64_t>(0, frame - radius);
    const std::int64_t to = std::min(frames - 1, frame + radius);
    for (std::int64_t f = from; f <= to; ++f) {
        long sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += std::abs(long(samples[f * channels + c]));
        if (bestSum < 0 || sum < bestSum ||
            (sum == bestSum && std::llabs(f - frame) < std::llabs(best - frame))) {
            best = f;
            bestSum = sum;
        }
    }
    return best;
}

Result<std::int64_t> snapMs(std::int64_t ms, Snap snap, const Grid& grid, const ClipRange& range,
                            std::int64_t lengthMs) {
    const auto within = [&](std::int64_t v) {
        return std::clamp<std::int64_t>(v, 0, std::max<std::int64_t>(0, lengthMs));
    };
    switch (snap) {
    case Snap::Off:
        return within(ms);
    case Snap::Beat:
    case Snap::Bar: {
        const std::vector<double>& lines = snap == Snap::Beat ? grid.beats : grid.bars;
        if (lines.empty())
            return within(ms);
        return within(std::llround(nearestLine(double(ms) / 1000.0, lines) * 1000.0));
    }
    case Snap::ZeroCrossing:
        break;
    }
    auto opened = FrameSource::open(range, 0);
    if (!opened)
        return opened.status();
    FrameSource& source = **opened;
    const int rate = source.sampleRateHz();
    const int channels = source.channels();
    const std::int64_t frames = std::max<std::int64_t>(0, source.frames());
    const std::int64_t first = std::max<std::int64_t>(0, ms - ZeroCrossingRadiusMs);
    const std::int64_t last = std::min(lengthMs, ms + ZeroCrossingRadiusMs);
    const std::int64_t fromFrame = std::clamp<std::int64_t>(frameOfMs(first, rate), 0, frames);
    const std::int64_t toFrame = std::clamp<std::int64_t>(frameOfMs(last, rate) + 1, 0, frames);
    if (toFrame <= fromFrame)
        return within(ms);
    if (Status at = source.seek(fromFrame); !at)
        return at;
    std::vector<std::int16_t> samples;
    const Result<std::int64_t> read = source.readFully(samples, toFrame - fromFrame);
    if (!read)
        return read.status();
    const std::int64_t got = *read;
    // Only the frames that a whole millisecond names can be a mark's.
    std::int64_t best = ms;
    long bestSum = -1;
    for (std::int64_t m = first; m <= last; ++m) {
        const std::int64_t f = frameOfMs(m, rate) - fromFrame;
        if (f < 0 || f >= got)
            continue;
        long sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += std::abs(long(samples[std::size_t(f * channels + c)]));
        if (bestSum < 0 || sum < bestSum ||
            (sum == bestSum && std::llabs(m - ms) < std::llabs(best - ms))) {
            best = m;
            bestSum = sum;
        }
    }
    return within(best);
}

} // namespace analysis
