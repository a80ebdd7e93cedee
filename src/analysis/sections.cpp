// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/sections.h"

#include <qm-dsp/dsp/segmentation/cluster_segmenter.h>
#include <qm-dsp/hmm/hmm.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>

namespace analysis {

namespace {

constexpr int Bins = 12;
// The segmenter's settings for features one beat apart: its histograms span about four bars.
constexpr int SegmentTypes = 6;
constexpr int HmmStates = 8;
constexpr int HistogramBeats = 15;
constexpr int NeighbourhoodLimit = 20;
// A run of fewer bars is no section of its own: it joins its neighbour.
constexpr int MinSectionBars = 2;
// Two sections are the same music when their bars' chroma match this well on average.
constexpr double SameMusic = 0.80;
// The chorus is among the repeated parts this close to the loudest of them.
constexpr double ChorusWithinDb = 3.0;
// When the segmenter's parts show no chorus (it may run a chorus into the part after it),
// the chorus is the passage of this many bars whose music comes back most; songs of up to
// this many bars are searched so.
constexpr int PassageBars = 8;
constexpr int MaxPassageSearchBars = 512;

using Vector = std::vector<double>;

double cosine(const Vector& a, const Vector& b) {
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        ab += a[i] * b[i];
        aa += a[i] * a[i];
        bb += b[i] * b[i];
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

// The mean chroma of each beat: the frames centred within it (the nearest one when none is).
std::vector<Vector> beatChroma(const std::vector<float>& chroma, double stepS, double firstCentreS,
                               const std::vector<double>& beats, double durationS) {
    std::vector<Vector> result;
    const long frames = long(chroma.size() / Bins);
    const auto frameAt = [&](double t) {
        return std::clamp<long>(std::lround((t - firstCentreS) / stepS), 0, frames - 1);
    };
    for (std::size_t k = 0; k < beats.size(); ++k) {
        const double from = beats[k];
        const double to = k + 1 < beats.size() ? beats[k + 1] : std::min(durationS, from + 0.5);
        Vector v(Bins, 0.0);
        if (frames > 0) {
            long first = std::max(0L, long(std::ceil((from - firstCentreS) / stepS)));
            long last = std::min(frames - 1, long(std::floor((to - firstCentreS) / stepS)));
            if (last < first)
                first = last = frameAt(0.5 * (from + to));
            for (long f = first; f <= last; ++f)
                for (int b = 0; b < Bins; ++b)
                    v[std::size_t(b)] += chroma[std::size_t(f * Bins + b)];
        }
        const double top = *std::max_element(v.begin(), v.end());
        if (top > 0)
            for (double& x : v)
                x /= top;
        result.push_back(std::move(v));
    }
    return result;
}

// The segment type of every beat, as qm-dsp's ClusterMeltSegmenter finds it from features
// it is handed (cluster_segment): an HMM trained on the features, histograms of its states
// over HistogramBeats, and those histograms clustered. The steps are taken here one by one
// because hmm_init seeds rand() from the clock: its random start is replaced by one of a
// fixed seed, and the clustering's rand() is seeded too, so that a song is analysed the same
// way every time. The steps share rand(): one analysis at a time goes through them.
std::vector<int> segmentBeats(const std::vector<Vector>& features) {
    static std::mutex one;
    const std::lock_guard lock(one);
    const int frames = int(features.size());
    const int length = int(features.front().size());
    // As cluster_segment does: features scaled by 10 to balance the covariances; a faint
    // fixed dither keeps every dimension's variance above zero.
    std::vector<std::vector<double>> scaled(features.size());
    std::vector<double*> rows(features.size());
    std::uint32_t noise = 12345;
    for (int t = 0; t < frames; ++t) {
        scaled[std::size_t(t)].resize(std::size_t(length));
        for (int d = 0; d < length; ++d) {
            noise = noise * 1664525u + 1013904223u;
            scaled[std::size_t(t)][std::size_t(d)] =
                10.0 * features[std::size_t(t)][std::size_t(d)] +
                1e-3 * (double(noise >> 8) / double(1 << 24) - 0.5);
        }
        rows[std::size_t(t)] = scaled[std::size_t(t)].data();
    }
    model_t* model = hmm_init(rows.data(), frames, length, HmmStates);
    std::vector<double> mean(std::size_t(length), 0.0);
    for (int t = 0; t < frames; ++t)
        for (int d = 0; d < length; ++d)
            mean[std::size_t(d)] += rows[std::size_t(t)][d] / frames;
    std::uint32_t state = 1;
    const auto uniform = [&state] {
        state = state * 1664525u + 1013904223u;
        return double(state >> 8) / double(1 << 24);
    };
    double p0Sum = 0;
    for (int i = 0; i < HmmStates; ++i) {
        for (int d = 0; d < length; ++d)
            model->mu[i][d] =
                mean[std::size_t(d)] + (0.5 * uniform() - 0.25) * std::sqrt(model->cov[d][d]);
        model->p0[i] = 1 + uniform();
        p0Sum += model->p0[i];
        double rowSum = 0;
        for (int j = 0; j < HmmStates; ++j)
            rowSum += (model->a[i][j] = 1 + uniform());
        for (int j = 0; j < HmmStates; ++j)
            model->a[i][j] /= rowSum;
    }
    for (int i = 0; i < HmmStates; ++i)
        model->p0[i] /= p0Sum;
    hmm_train(rows.data(), frames, model);
    std::vector<int> types(std::size_t(frames), 0);
    viterbi_decode(rows.data(), frames, model, types.data());
    hmm_close(model);

    std::vector<double> histograms(std::size_t(frames) * HmmStates);
    create_histograms(types.data(), frames, HmmStates, HistogramBeats, histograms.data());
    std::vector<double> schedule(20);
    schedule[0] = 100;
    for (std::size_t i = 1; i < schedule.size(); ++i)
        schedule[i] = 0.7 * schedule[i - 1];
    std::srand(1);
    cluster_melt(histograms.data(), HmmStates, frames, schedule.data(), int(schedule.size()),
                 SegmentTypes, NeighbourhoodLimit, types.data());
    return types;
}

// The segmenter's model grows with the frames it is given: a long recording (past about half
// an hour) hands it the mean chroma of each run of beats, at most this many runs, and every
// beat takes its run's type.
constexpr std::size_t MaxSegmentFrames = 4096;

std::vector<int> segmentTypes(const std::vector<Vector>& perBeat) {
    const std::size_t group = (perBeat.size() + MaxSegmentFrames - 1) / MaxSegmentFrames;
    if (group <= 1)
        return perBeat.size() > std::size_t(HistogramBeats) ? segmentBeats(perBeat)
                                                            : std::vector<int>(perBeat.size(), 0);
    std::vector<Vector> pooled;
    for (std::size_t i = 0; i < perBeat.size(); i += group) {
        Vector v(Bins, 0.0);
        for (std::size_t k = i; k < std::min(perBeat.size(), i + group); ++k)
            for (std::size_t b = 0; b < std::size_t(Bins); ++b)
                v[b] += perBeat[k][b];
        const double top = *std::max_element(v.begin(), v.end());
        if (top > 0)
            for (double& x : v)
                x /= top;
        pooled.push_back(std::move(v));
    }
    const std::vector<int> pooledTypes = segmentBeats(pooled);
    std::vector<int> types(perBeat.size());
    for (std::size_t i = 0; i < types.size(); ++i)
        types[i] = pooledTypes[i / group];
    return types;
}

struct Run {
    int firstBar = 0;
    int bars = 0;
    int type = 0;
};

// Runs of equal bar types.
std::vector<Run> runsOf(const std::vector<int>& barTypes) {
    std::vector<Run> runs;
    for (int b = 0; b < int(barTypes.size()); ++b) {
        if (runs.empty() || runs.back().type != barTypes[std::size_t(b)])
            runs.push_back({b, 0, barTypes[std::size_t(b)]});
        ++runs.back().bars;
    }
    return runs;
}

// The first bars of the passage of PassageBars bars whose music returns most often later
// in the song (bar for bar, as alike as SameMusic), among those within ChorusWithinDb of
// the loudest such passage; the louder, then the earlier, on a tie. Empty when no passage
// returns. `barLoudness`: each bar's mean loudness.
std::vector<int> repeatedPassage(const std::vector<Vector>& barChroma,
                                 const std::vector<double>& barLoudness) {
    const int count = int(barChroma.size());
    if (count < 2 * PassageBars || count > MaxPassageSearchBars)
        return {};
    const auto alike = [&](int a, int b) {
        double sum = 0;
        for (int k = 0; k < PassageBars; ++k)
            sum += cosine(barChroma[std::size_t(a + k)], barChroma[std::size_t(b + k)]);
        return sum / PassageBars;
    };
    const auto loudness = [&](int first) {
        double sum = 0;
        for (int k = 0; k < PassageBars; ++k)
            sum += barLoudness[std::size_t(first + k)];
        return sum / PassageBars;
    };
    struct Found {
        std::vector<int> starts;
        double loudness;
    };
    std::vector<Found> passages;
    for (int i = 0; i + PassageBars <= count; ++i) {
        Found f{{i}, loudness(i)};
        for (int j = i + PassageBars; j + PassageBars <= count; ++j)
            if (alike(i, j) >= SameMusic) {
                f.starts.push_back(j);
                j += PassageBars - 1;
            }
        if (f.starts.size() >= 2)
            passages.push_back(std::move(f));
    }
    double loudest = double(QuietLufs);
    for (const Found& f : passages)
        loudest = std::max(loudest, f.loudness);
    const Found* best = nullptr;
    for (const Found& f : passages)
        if (f.loudness >= loudest - ChorusWithinDb &&
            (!best || f.starts.size() > best->starts.size() ||
             (f.starts.size() == best->starts.size() && f.loudness > best->loudness + 1e-9)))
            best = &f;
    return best ? best->starts : std::vector<int>{};
}

} // namespace

Structure findStructure(const std::vector<float>& chroma, double chromaStepS, double firstCentreS,
                        const std::vector<double>& beats, const std::vector<double>& bars,
                        double durationS, const std::vector<float>& loudness) {
    Structure structure;
    const std::vector<Vector> perBeat =
        beatChroma(chroma, chromaStepS, firstCentreS, beats, durationS);
    const std::vector<int> beatTypes = segmentTypes(perBeat);

    // Each bar: the type most of its beats have, and its chroma, beat by beat.
    const int barCount = int(bars.size());
    std::vector<int> barTypes(static_cast<std::size_t>(barCount), 0);
    std::vector<Vector> barChroma(static_cast<std::size_t>(barCount));
    std::size_t beat = 0;
    for (int b = 0; b < barCount; ++b) {
        const double end = b + 1 < barCount ? bars[std::size_t(b + 1)] : durationS;
        while (beat < beats.size() && beats[beat] < bars[std::size_t(b)] - 1e-6)
            ++beat;
        std::map<int, int> votes;
        Vector& features = barChroma[std::size_t(b)];
        features.assign(std::size_t(4 * Bins), 0.0);
        int slot = 0;
        for (std::size_t k = beat; k < beats.size() && beats[k] < end - 1e-6; ++k, ++slot) {
            ++votes[beatTypes[k]];
            if (slot < 4)
                std::copy(perBeat[k].begin(), perBeat[k].end(),
                          features.begin() + std::ptrdiff_t(slot * Bins));
        }
        int best = 0, bestVotes = -1;
        for (const auto& [type, count] : votes)
            if (count > bestVotes) {
                best = type;
                bestVotes = count;
            }
        barTypes[std::size_t(b)] = best;
    }

    // Runs of bars of one type; short ones join the run before them (or after, at the start).
    std::vector<Run> runs = runsOf(barTypes);
    for (bool merged = true; merged && runs.size() > 1;) {
        merged = false;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            if (runs[i].bars >= MinSectionBars)
                continue;
            const std::size_t into = i > 0 ? i - 1 : i + 1;
            runs[into].bars += runs[i].bars;
            runs[into].firstBar = std::min(runs[into].firstBar, runs[i].firstBar);
            runs.erase(runs.begin() + std::ptrdiff_t(i));
            merged = true;
            break;
        }
        for (std::size_t i = 1; i < runs.size(); ++i)
            if (runs[i].type == runs[i - 1].type) {
                runs[i - 1].bars += runs[i].bars;
                runs.erase(runs.begin() + std::ptrdiff_t(i));
                merged = true;
                break;
            }
    }

    // Labels in order of first appearance.
    std::map<int, QString> labels;
    for (const Run& run : runs)
        if (!labels.count(run.type))
            labels[run.type] = QString(QChar('A' + int(labels.size()) % 26));

    // Which label comes back most as the same music: a section counts when its bars match
    // those of another section of its label, bar for bar from their starts.
    const auto sameMusic = [&](const Run& a, const Run& b) {
        const int n = std::min(a.bars, b.bars);
        double sum = 0;
        for (int i = 0; i < n; ++i)
            sum += cosine(barChroma[std::size_t(a.firstBar + i)],
                          barChroma[std::size_t(b.firstBar + i)]);
        return n > 0 ? sum / n : 0.0;
    };
    const auto meanLoudness = [&](int type) {
        double sum = 0;
        int count = 0;
        for (const Run& run : runs) {
            if (run.type != type)
                continue;
            const double from = bars[std::size_t(run.firstBar)];
            const double to = run.firstBar + run.bars < barCount
                                  ? bars[std::size_t(run.firstBar + run.bars)]
                                  : durationS;
            for (double t = from; t < to; t += LoudnessStepS) {
                const long i = std::lround(t / LoudnessStepS);
                if (i >= 0 && i < long(loudness.size())) {
                    sum += loudness[std::size_t(i)];
                    ++count;
                }
            }
        }
        return count > 0 ? sum / count : double(QuietLufs);
    };
    // The chorus: of the labels whose music comes back, those near the loudest of them (a
    // quiet verse heard four times is not the part a listener waits for), the one that comes
    // back most, the louder on a tie. The song's opening is the chorus only when it is the
    // loudest music that comes back.
    struct Candidate {
        int type;
        int confirmed;
        double loudness;
        bool opening;
    };
    std::vector<Candidate> candidates;
    for (const auto& [type, label] : labels) {
        int confirmed = 0;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            if (runs[i].type != type)
                continue;
            for (std::size_t j = 0; j < runs.size(); ++j)
                if (j != i && runs[j].type == type && sameMusic(runs[i], runs[j]) >= SameMusic) {
                    ++confirmed;
                    break;
                }
        }
        if (confirmed >= 2)
            candidates.push_back({type, confirmed, meanLoudness(type), runs.front().type == type});
    }
    double loudest = double(QuietLufs);
    for (const Candidate& c : candidates)
        loudest = std::max(loudest, c.loudness);
    int bestType = -1, bestCount = 0;
    double bestLoudness = 0;
    for (const Candidate& c : candidates) {
        if (c.loudness < loudest - ChorusWithinDb || (c.opening && c.loudness < loudest))
            continue;
        if (c.confirmed > bestCount || (c.confirmed == bestCount && c.loudness > bestLoudness)) {
            bestType = c.type;
            bestCount = c.confirmed;
            bestLoudness = c.loudness;
        }
    }
    if (bestType < 0) {
        std::vector<double> barLoudness;
        for (int b = 0; b < barCount; ++b) {
            double sum = 0;
            int count = 0;
            const double end = b + 1 < barCount ? bars[std::size_t(b + 1)] : durationS;
            for (double t = bars[std::size_t(b)]; t < end; t += LoudnessStepS) {
                const long i = std::lround(t / LoudnessStepS);
                if (i >= 0 && i < long(loudness.size())) {
                    sum += loudness[std::size_t(i)];
                    ++count;
                }
            }
            barLoudness.push_back(count > 0 ? sum / count : double(QuietLufs));
        }
        const std::vector<int> starts = repeatedPassage(barChroma, barLoudness);
        if (!starts.empty()) {
            // The passage becomes a part of its own wherever it is heard.
            std::vector<int> types;
            for (const Run& run : runs)
                types.insert(types.end(), std::size_t(run.bars), run.type);
            bestType = SegmentTypes;
            for (int first : starts)
                std::fill_n(types.begin() + first, PassageBars, bestType);
            runs = runsOf(types);
            labels.clear();
            for (const Run& run : runs)
                if (!labels.count(run.type))
                    labels[run.type] = QString(QChar('A' + int(labels.size()) % 26));
        }
    }
    if (bestType >= 0)
        structure.chorusLabel = labels[bestType];

    // The segmenter may hear the chorus a bar late (its first bar voted with the part before
    // it). A bar before an occurrence that is the chorus's own music, the same as the bar a
    // cycle of four or eight bars later, is moved into it.
    const auto cosineOf = [&](int a, int b) {
        return cosine(barChroma[std::size_t(a)], barChroma[std::size_t(b)]);
    };
    for (std::size_t i = 1; i < runs.size() && bestType >= 0; ++i) {
        Run& run = runs[i];
        Run& before = runs[i - 1];
        if (run.type != bestType)
            continue;
        for (int moved = 0; moved < 2 && before.bars > MinSectionBars; ++moved) {
            const int candidate = run.firstBar - 1;
            bool chorusMusic = false;
            for (int cycle : {4, 8})
                if (candidate + cycle < run.firstBar + run.bars)
                    chorusMusic =
                        chorusMusic || (cosineOf(candidate, candidate + cycle) >= SameMusic &&
                                        cosineOf(candidate - 1, candidate + cycle - 1) < SameMusic);
            if (!chorusMusic || candidate < 1)
                break;
            --run.firstBar;
            ++run.bars;
            --before.bars;
        }
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const double start = i == 0 ? 0.0 : bars[std::size_t(runs[i].firstBar)];
        const double end =
            i + 1 < runs.size() ? bars[std::size_t(runs[i + 1].firstBar)] : durationS;
        structure.sections.push_back({start, end, labels[runs[i].type]});
    }
    return structure;
}

} // namespace analysis
