// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/beat_grid.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

// Two periods are one tempo within this share of each other.
constexpr double SameTempo = 0.04;
// A tempo of its own must hold this long; a shorter run of other beats is the tracker
// wandering, not the song.
constexpr double MinStretchSeconds = 12.0;
// A beat this close to the grid (70 ms, what a listener hears as on the beat) is on it.
constexpr double OnGridSeconds = 0.070;
// The share of the tracker's beats a straight grid must keep for the tempo to be steady.
constexpr double SteadyShare = 0.8;
// How much more the low band must prefer the points halfway between the grid's lines than
// the broadband function prefers the lines, for the grid to move there.
constexpr double BassMargin = 1.2;
constexpr double SlowestBpm = 50;
constexpr double FastestBpm = 200;

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2),
                     values.end());
    return values[values.size() / 2];
}

double peakNear(const std::vector<double>& df, double at) {
    const long i = std::lround(at);
    double peak = 0;
    for (long j = std::max(0L, i - 1); j <= i + 1 && j < long(df.size()); ++j)
        peak = std::max(peak, df[std::size_t(j)]);
    return peak;
}

// The summed peaks of `df` on the grid from + phase + k * period over [from, to).
double combSum(const std::vector<double>& df, double period, double from, double to, double phase,
               int* count = nullptr) {
    double sum = 0;
    int n = 0;
    for (double t = from + phase; t < to; t += period, ++n)
        sum += peakNear(df, t);
    if (count)
        *count = n;
    return sum;
}

// The mean of `f` at the times `at(k)`, k = 0 .. count - 1: the strongest value within
// `reach` frames of each.
template <typename T, typename At>
double meanPeak(const std::vector<T>& f, std::size_t count, At at, long reach) {
    double sum = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const long i = std::lround(at(k));
        T peak = 0;
        for (long j = std::max(0L, i - reach); j <= i + reach && j < long(f.size()); ++j)
            peak = std::max(peak, f[std::size_t(j)]);
        sum += double(peak);
    }
    return count > 0 ? sum / double(count) : 0;
}

// Whether the kick lands at the times `off(k)` (count of them), halfway between the grid's
// lines `on(k)` (count + 1): the low band must pulse harder there by more than the
// broadband function prefers the lines. The low band is read two frames either side, as its
// filter lags the broadband function by a frame or so.
template <typename On, typename Off>
bool kickIsHalfway(const std::vector<double>& df, const std::vector<float>& bass, std::size_t count,
                   On on, Off off) {
    if (bass.empty() || count == 0)
        return false;
    const double bassOn = meanPeak(bass, count + 1, on, 2);
    const double bassOff = meanPeak(bass, count, off, 2);
    const double dfOn = meanPeak(df, count + 1, on, 1);
    const double dfOff = meanPeak(df, count, off, 1);
    return bassOn > 0 && dfOff > 0 && bassOff / bassOn > BassMargin * dfOn / dfOff;
}

// The phase of a straight grid that lies on the beats: `phase` (the broadband function's
// strongest), unless the kick is half a beat away; then the broadband function's strongest
// phase within an eighth of a beat of there.
double onBeatPhase(const std::vector<double>& df, const std::vector<float>& bass, double period,
                   double from, double to, double phase) {
    if (bass.empty() || period < 2)
        return phase;
    const double half = std::fmod(phase + period / 2, period);
    double best = -1, chosen = half;
    for (double d = -period / 8; d <= period / 8; d += 0.5) {
        const double p = std::fmod(half + d + period, period);
        int count = 0;
        const double sum = combSum(df, period, from, to, p, &count);
        if (count > 0 && sum / count > best) {
            best = sum / count;
            chosen = p;
        }
    }
    // The lines from the first whole beat: `on` from the one before the first `off`.
    const double first = chosen > phase ? phase : phase - period;
    const double offset = chosen - first;
    const auto count = std::size_t(std::max(0.0, (to - from - chosen) / period));
    const bool halfway = kickIsHalfway(
        df, bass, count, [&](std::size_t k) { return from + first + double(k) * period; },
        [&](std::size_t k) { return from + first + offset + double(k) * period; });
    return halfway ? chosen : phase;
}

// Whether two periods are the same tempo at some metrical level of each other.
bool related(double a, double b) {
    for (double ratio : {0.5, 2.0 / 3.0, 1.0, 1.5, 2.0})
        if (std::abs(a * ratio / b - 1) < SameTempo)
            return true;
    return false;
}

struct Line {
    double period = 0;
    double origin = 0; // the frame of beat 0
    double onLine = 0; // the share of the beats within OnGridSeconds of it
};

// A straight grid through beats[first, last]: each beat is numbered by the whole periods
// from the last one numbered (a beat between two grid lines, the tracker's half beat, or
// one where it wandered to another tempo, is left out), and a least-squares line is drawn
// through them; beats far off it are dropped and the line drawn again. `local`: the
// tracker's period about each beat.
Line fitLine(const std::vector<double>& beats, const std::vector<double>& local, std::size_t first,
             std::size_t last, double period, double tolerance) {
    std::vector<std::pair<double, double>> points; // (number, frame)
    double number = 0;
    points.emplace_back(0, beats[first]);
    for (std::size_t i = first + 1; i <= last; ++i) {
        const double steps = (beats[i] - points.back().second) / period;
        const double whole = std::round(steps);
        if (!related(local[i], period) || whole < 1 || std::abs(steps - whole) > 0.2)
            continue;
        number += whole;
        points.emplace_back(number, beats[i]);
    }
    Line line{period, beats[first], 0};
    for (int pass = 0; pass < 2 && points.size() >= 2; ++pass) {
        double sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (const auto& [x, y] : points) {
            sx += x;
            sy += y;
            sxx += x * x;
            sxy += x * y;
        }
        const double n = double(points.size());
        const double d = n * sxx - sx * sx;
        if (d <= 0)
            break;
        line.period = (n * sxy - sx * sy) / d;
        line.origin = (sy - line.period * sx) / n;
        std::erase_if(points, [&](const auto& p) {
            return std::abs(line.origin + line.period * p.first - p.second) > 0.1 * line.period;
        });
    }
    // Beats where the tracker wandered off to another tempo are no measure of the line.
    int on = 0, counted = 0;
    for (std::size_t i = first; i <= last; ++i) {
        if (!related(local[i], period))
            continue;
        const double k = std::round((beats[i] - line.origin) / line.period);
        on += std::abs(line.origin + k * line.period - beats[i]) <= tolerance;
        ++counted;
    }
    line.onLine = counted > 0 ? double(on) / double(counted) : 0;
    return line;
}

struct Run {
    std::size_t first = 0; // tracker beats
    std::size_t last = 0;
    double period = 0;
};

} // namespace

double gridSalience(const std::vector<double>& df, double period, double from, double to,
                    double* phase) {
    from = std::max(0.0, from);
    to = std::min(double(df.size()), to);
    if (period < 1 || to - from < 2 * period)
        return 0;
    double mean = 0;
    for (long i = long(from); i < long(to); ++i)
        mean += df[std::size_t(i)];
    mean /= std::max(1.0, double(long(to) - long(from)));
    if (mean <= 0)
        return 0;
    double best = -1, bestPhase = 0;
    for (double p = 0; p < period; p += 0.5) {
        int count = 0;
        const double sum = combSum(df, period, from, to, p, &count);
        if (count > 0 && sum / count > best) {
            best = sum / count;
            bestPhase = p;
        }
    }
    if (phase)
        *phase = bestPhase;
    return best / mean;
}

double metricalPeriod(const std::vector<double>& df, double stepS, double period, double from,
                      double to) {
    // How much stronger a relative must pulse to be taken instead. Half the tempo needs the
    // most: a grid on every other beat keeps only the heavier ones (a kick on 1 and 3) and so
    // always pulses somewhat harder.
    struct Relative {
        double ratio;
        double margin;
    };
    constexpr Relative Relatives[] = {{2.0 / 3.0, 1.08}, {1.5, 1.08}, {0.5, 1.02}, {2.0, 1.35}};
    const double base = gridSalience(df, period, from, to);
    double chosen = period, chosenScore = base;
    for (const Relative& r : Relatives) {
        const double candidate = period * r.ratio;
        const double bpm = 60.0 / (candidate * stepS);
        if (bpm < SlowestBpm || bpm > FastestBpm)
            continue;
        const double score = gridSalience(df, candidate, from, to);
        if (score > base * r.margin && score > chosenScore) {
            chosen = candidate;
            chosenScore = score;
        }
    }
    return chosen;
}

BeatGrid fitBeatGrid(const std::vector<double>& df, double stepS,
                     const std::vector<double>& trackerBeats, const std::vector<float>& bass) {
    BeatGrid grid;
    const std::vector<double>& b = trackerBeats;
    if (b.size() < 2 || stepS <= 0)
        return grid;
    std::vector<double> intervals;
    for (std::size_t i = 1; i < b.size(); ++i)
        intervals.push_back(b[i] - b[i - 1]);
    // The tempo around each beat: the median of the nine intervals about it.
    std::vector<double> local(b.size());
    for (std::size_t i = 0; i < b.size(); ++i) {
        const std::size_t from = i >= 4 ? i - 4 : 0;
        const std::size_t to = std::min(intervals.size(), i + 5);
        local[i] = median(
            {intervals.begin() + std::ptrdiff_t(from), intervals.begin() + std::ptrdiff_t(to)});
    }

    // Runs of beats at one tempo (any metrical level of it); a run too short to be a tempo
    // of its own, or whose other tempo the onset function does not bear out, joins its
    // neighbour.
    std::vector<Run> runs;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (runs.empty() || !related(local[i], runs.back().period))
            runs.push_back({i, i, local[i]});
        runs.back().last = i;
    }
    const auto seconds = [&](const Run& r) { return (b[r.last] - b[r.first]) * stepS; };
    const auto runMedian = [&](const Run& r) {
        return median({intervals.begin() + std::ptrdiff_t(r.first),
                       intervals.begin() + std::ptrdiff_t(std::min(r.last, intervals.size()))});
    };
    const auto join = [&](std::size_t i, std::size_t into) {
        runs[into].first = std::min(runs[into].first, runs[i].first);
        runs[into].last = std::max(runs[into].last, runs[i].last);
        runs.erase(runs.begin() + std::ptrdiff_t(i));
    };
    for (bool changed = true; changed && runs.size() > 1;) {
        changed = false;
        // The shortest run first: it is the likeliest to be the tracker's wandering.
        std::size_t shortest = 0;
        for (std::size_t i = 1; i < runs.size(); ++i)
            if (seconds(runs[i]) < seconds(runs[shortest]))
                shortest = i;
        const std::size_t neighbour =
            shortest == 0 ? 1
            : shortest + 1 == runs.size() ||
                    seconds(runs[shortest - 1]) >= seconds(runs[shortest + 1])
                ? shortest - 1
                : shortest + 1;
        const Run& r = runs[shortest];
        bool own = seconds(r) >= MinStretchSeconds;
        if (own) {
            // A tempo of its own pulses harder at its own period than at its neighbour's.
            const double from = b[r.first], to = b[r.last] + 1;
            const double mine = gridSalience(df, runMedian(r), from, to);
            const double theirs = gridSalience(df, runMedian(runs[neighbour]), from, to);
            own = mine > 1.1 * theirs;
        }
        if (!own) {
            join(shortest, neighbour);
            changed = true;
            continue;
        }
        for (std::size_t i = 1; i < runs.size(); ++i)
            if (related(runMedian(runs[i]), runMedian(runs[i - 1]))) {
                join(i, i - 1);
                changed = true;
                break;
            }
    }

    const double tolerance = OnGridSeconds / stepS;
    double longest = -1;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const Run& run = runs[r];
        const double period = runMedian(run) > 0 ? runMedian(run) : median(intervals);
        // The run's frames: from halfway between its first beat and the previous run's
        // last, to halfway to the next run's first (the first and last runs to a beat past
        // their ends).
        const double from = r == 0 ? std::max(0.0, b[run.first] - 0.5 * period)
                                   : 0.5 * (b[run.first - 1] + b[run.first]);
        const double to = r + 1 == runs.size()
                              ? std::min(double(df.size()), b[run.last] + 0.5 * period)
                              : 0.5 * (b[run.last] + b[run.last + 1]);
        const Line line = run.last > run.first
                              ? fitLine(b, local, run.first, run.last, period, tolerance)
                              : Line{period, b[run.first], 0};
        double beatPeriod = line.period;
        if (line.onLine >= SteadyShare && line.period > 1) {
            // One tempo: the level the accents carry, its period refined and its phase
            // found where the onset function pulses hardest. At the tracker's own level
            // the phase stays within an eighth of a beat of the tracker's line: its beats
            // weigh the whole song's pulse, where the strongest accents may lie on an
            // off-beat or a swung note.
            const double level = metricalPeriod(df, stepS, line.period, from, to);
            const bool trackerLevel = level == line.period;
            const double linePhase = std::fmod(std::fmod(line.origin - from, level) + level, level);
            double bestSum = -1, bestPeriod = level, bestPhase = 0;
            for (double e = -0.003; e <= 0.003 + 1e-9; e += 0.00025) {
                const double p = level * (1 + e);
                const double first = trackerLevel ? linePhase - p / 8 : 0;
                const double last = trackerLevel ? linePhase + p / 8 : p;
                for (double shifted = first; shifted < last; shifted += 0.5) {
                    const double phase = std::fmod(shifted + p, p);
                    int count = 0;
                    const double sum = combSum(df, p, from, to, phase, &count);
                    if (count > 0 && sum / count > bestSum) {
                        bestSum = sum / count;
                        bestPeriod = p;
                        bestPhase = phase;
                    }
                }
            }
            bestPhase = onBeatPhase(df, bass, bestPeriod, from, to, bestPhase);
            for (double t = from + bestPhase; t < to; t += bestPeriod)
                grid.beats.push_back(t);
            beatPeriod = bestPeriod;
        } else {
            // A tempo that drifts (a band without a click): the tracker's beats, which
            // follow it, or the points halfway between them where the kick is.
            const bool halfway = kickIsHalfway(
                df, bass, run.last - run.first, [&](std::size_t k) { return b[run.first + k]; },
                [&](std::size_t k) { return 0.5 * (b[run.first + k] + b[run.first + k + 1]); });
            for (std::size_t i = run.first; i <= run.last; ++i)
                if (!halfway)
                    grid.beats.push_back(b[i]);
                else if (i < run.last)
                    grid.beats.push_back(0.5 * (b[i] + b[i + 1]));
            beatPeriod = period;
        }
        const TempoStretch stretch{from * stepS, to * stepS, 60.0 / (beatPeriod * stepS)};
        if (stretch.end - stretch.start > longest) {
            longest = stretch.end - stretch.start;
            grid.tempoBpm = stretch.bpm;
        }
        grid.stretches.push_back(stretch);
    }
    return grid;
}

} // namespace analysis
