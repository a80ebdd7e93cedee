// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/music_analysis.h"
#include "analysis/suggestions.h"
#include "support/song_generator.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <future>

// The accuracy of the analysis on generated songs whose truth is known: the first
// suggestion must cover a chorus and start on a bar line, the beats must fall on the true
// beats. The figures are printed; the test fails under the floors.
class TestAnalysisAccuracy : public QObject {
    Q_OBJECT
private slots:
    void suggestionsAndBeatsOnGeneratedSongs();
};

namespace {

constexpr int Songs = 40;
constexpr double BeatToleranceS = 0.030;

// The share of `found` within `tolerance` of some time of `truth` (both ascending).
double hits(const std::vector<double>& found, const std::vector<double>& truth, double tolerance) {
    if (found.empty())
        return 0;
    int hit = 0;
    for (double t : found) {
        const auto at = std::lower_bound(truth.begin(), truth.end(), t - tolerance);
        if (at != truth.end() && *at <= t + tolerance)
            ++hit;
    }
    return double(hit) / double(found.size());
}

struct Figures {
    double bpm = 0;
    double foundBpm = 0;
    double beatScore = 0;   // the lower of precision and recall, at the best tempo octave
    double chorusCover = 0; // overlap with the best chorus / the shorter of the two
    double barDistanceS = 0;
    double beatS = 0;
    double analysisS = 0;
    double durationS = 0;
    QString reason;
};

Figures measure(std::uint32_t seed) {
    const songs::Song song = songs::make(seed);
    MemorySource source(song.samples.data(), std::int64_t(song.samples.size()), 1,
                        song.sampleRateHz);
    QElapsedTimer timer;
    timer.start();
    const Result<analysis::MusicAnalysis> found = analysis::analyse(source);
    Figures f;
    f.analysisS = timer.nsecsElapsed() / 1e9;
    f.bpm = song.bpm;
    f.beatS = 60.0 / song.bpm;
    f.durationS = song.durationS();
    if (!found)
        return f;
    f.foundBpm = found->tempoBpm;

    // One octave choice is allowed: the true beats, twice as many, or every other one.
    std::vector<std::vector<double>> octaves(4);
    for (std::size_t i = 0; i < song.beats.size(); ++i) {
        octaves[0].push_back(song.beats[i]);
        octaves[1].push_back(song.beats[i]);
        octaves[1].push_back(song.beats[i] + f.beatS / 2);
        octaves[2 + i % 2].push_back(song.beats[i]);
    }
    for (const auto& truth : octaves)
        f.beatScore = std::max(f.beatScore, std::min(hits(found->beats, truth, BeatToleranceS),
                                                     hits(truth, found->beats, BeatToleranceS)));

    const std::vector<analysis::Suggestion> suggestions = analysis::suggest(*found);
    if (suggestions.empty())
        return f;
    const analysis::Suggestion& first = suggestions.front();
    f.reason = first.reason;
    for (const songs::Part& chorus : song.choruses()) {
        const double overlap =
            std::min(chorus.end, first.end) - std::max(chorus.start, first.start);
        f.chorusCover = std::max(
            f.chorusCover, overlap / std::min(chorus.end - chorus.start, first.end - first.start));
    }
    f.barDistanceS = 1e9;
    for (double bar : song.bars)
        f.barDistanceS = std::min(f.barDistanceS, std::abs(bar - first.start));
    return f;
}

} // namespace

void TestAnalysisAccuracy::suggestionsAndBeatsOnGeneratedSongs() {
    // Two songs at a time, one on each core.
    std::vector<Figures> figures(Songs);
    for (int i = 0; i < Songs; i += 2) {
        auto second = std::async(std::launch::async, [i] { return measure(std::uint32_t(i + 1)); });
        figures[std::size_t(i)] = measure(std::uint32_t(i));
        figures[std::size_t(i + 1)] = second.get();
    }
    int onChorus = 0, onBar = 0, onBeats = 0;
    double analysisS = 0, durationS = 0;
    for (int i = 0; i < Songs; ++i) {
        const Figures& f = figures[std::size_t(i)];
        const bool chorus = f.chorusCover >= 0.8;
        const bool bar = f.barDistanceS <= f.beatS;
        const bool beats = f.beatScore >= 0.9;
        onChorus += chorus;
        onBar += bar;
        onBeats += beats;
        analysisS += f.analysisS;
        durationS += f.durationS;
        std::printf("song %2d  %5.1f BPM (found %5.1f)  beats %3.0f %%  chorus cover %3.0f %%  "
                    "start %5.3f s from a bar%s  \"%s\"\n",
                    i, f.bpm, f.foundBpm, 100 * f.beatScore, 100 * f.chorusCover, f.barDistanceS,
                    chorus && bar && beats ? "" : "  <-- miss", qPrintable(f.reason));
    }
    std::printf("suggestion 1 on a chorus (80 %% of the shorter): %d of %d songs (%.0f %%)\n",
                onChorus, Songs, 100.0 * onChorus / Songs);
    std::printf("suggestion 1 within a beat of a bar line: %d of %d songs (%.0f %%)\n", onBar,
                Songs, 100.0 * onBar / Songs);
    std::printf("beats within 30 ms (90 %% of them both ways, one octave choice): %d of %d songs "
                "(%.0f %%)\n",
                onBeats, Songs, 100.0 * onBeats / Songs);
    std::printf("analysis time: %.2f s for %.0f s of sound (this build)\n", analysisS, durationS);
    std::fflush(stdout);
    QVERIFY2(onChorus * 10 >= Songs * 9, "suggestion 1 covers a chorus in under 90 % of the songs");
    QVERIFY2(onBar * 10 >= Songs * 9, "suggestion 1 starts on a bar in under 90 % of the songs");
    QVERIFY2(onBeats * 100 >= Songs * 95, "the beats are right in under 95 % of the songs");
}

QTEST_GUILESS_MAIN(TestAnalysisAccuracy)
#include "tst_analysis_accuracy.moc"
