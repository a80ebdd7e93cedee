// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/beat_grid.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdint>

// The grid stage on onset functions made to order, with the tracker's beats handed in as a
// tracker gets them wrong on real recordings: at 3:2 of the beat, wandering to another
// tempo for a while, switching metrical level, or following a song whose tempo really
// changes.
class TestBeatGrid : public QObject {
    Q_OBJECT
private slots:
    void accentsOverruleATrackerAtThreeToTwo();
    void heavierDownbeatsKeepTheBeatLevel();
    void aTrackerThatWandersOrSwitchesLevelGetsOneStraightGrid();
    void aTempoChangeHalfwayMakesTwoStretches();
    void theKickPutsTheGridOnTheBeat();
};

namespace {

constexpr double Step = 0.01161;

double periodOf(double bpm) {
    return 60.0 / (bpm * Step);
}

// An onset function of `frames` with a faint fixed noise floor; `pulse` adds a peak.
struct Onsets {
    std::vector<double> df;
    explicit Onsets(std::size_t frames) : df(frames) {
        std::uint32_t state = 7;
        for (double& v : df) {
            state = state * 1664525u + 1013904223u;
            v = 0.1 + 0.1 * double(state >> 8) / double(1 << 24);
        }
    }
    void pulse(double at, double height) {
        const long i = std::lround(at);
        if (i >= 0 && i < long(df.size()))
            df[std::size_t(i)] += height;
        if (i + 1 >= 0 && i + 1 < long(df.size()))
            df[std::size_t(i + 1)] += 0.4 * height;
    }
};

// Beats every `period` frames over [from, to), the first at `from`.
std::vector<double> every(double period, double from, double to) {
    std::vector<double> beats;
    for (double t = from; t < to; t += period)
        beats.push_back(t);
    return beats;
}

// The share of `truth` within 70 ms of a grid beat.
double found(const std::vector<double>& grid, const std::vector<double>& truth) {
    int hit = 0;
    for (double t : truth)
        for (double g : grid)
            if (std::abs(g - t) * Step <= 0.070) {
                ++hit;
                break;
            }
    return truth.empty() ? 0 : double(hit) / double(truth.size());
}

} // namespace

void TestBeatGrid::accentsOverruleATrackerAtThreeToTwo() {
    // 140 BPM, every beat heard, eighths between them, every third beat a little heavier:
    // the tracker's 93 BPM (3:2) lands on an eighth every other beat.
    const double period = periodOf(140);
    Onsets onsets(std::size_t(90 / Step));
    const std::vector<double> truth = every(period, 40, double(onsets.df.size()));
    for (std::size_t i = 0; i < truth.size(); ++i) {
        onsets.pulse(truth[i], i % 3 == 0 ? 1.5 : 1.0);
        onsets.pulse(truth[i] + period / 2, 0.3);
    }
    const analysis::BeatGrid grid =
        analysis::fitBeatGrid(onsets.df, Step, every(period * 1.5, 40, onsets.df.size()));
    QCOMPARE(grid.stretches.size(), std::size_t(1));
    QVERIFY2(std::abs(grid.tempoBpm - 140) < 1, qPrintable(QString::number(grid.tempoBpm)));
    QVERIFY(found(grid.beats, truth) > 0.97);
    QVERIFY(found(truth, grid.beats) > 0.97);
}

void TestBeatGrid::heavierDownbeatsKeepTheBeatLevel() {
    // A kick on 1 and 3 heavier than the snare on 2 and 4 is no reason for half the tempo.
    const double period = periodOf(120);
    Onsets onsets(std::size_t(60 / Step));
    const std::vector<double> truth = every(period, 20, double(onsets.df.size()));
    for (std::size_t i = 0; i < truth.size(); ++i)
        onsets.pulse(truth[i], i % 2 == 0 ? 1.3 : 1.0);
    const analysis::BeatGrid grid = analysis::fitBeatGrid(onsets.df, Step, truth);
    QVERIFY2(std::abs(grid.tempoBpm - 120) < 1, qPrintable(QString::number(grid.tempoBpm)));
    QVERIFY(found(grid.beats, truth) > 0.97 && found(truth, grid.beats) > 0.97);
}

void TestBeatGrid::aTrackerThatWandersOrSwitchesLevelGetsOneStraightGrid() {
    // One song at 102 BPM: the tracker hears 132 BPM for its first 40 s, then the beat, then
    // half of it from 150 s on.
    const double period = periodOf(102);
    Onsets onsets(std::size_t(200 / Step));
    const std::vector<double> truth = every(period, 30, double(onsets.df.size()));
    for (double t : truth)
        onsets.pulse(t, 1.0);
    const double switchAt = 40 / Step, halfAt = 150 / Step;
    std::vector<double> tracker = every(periodOf(132), 30, switchAt);
    for (double t : truth)
        if (t >= switchAt && t < halfAt)
            tracker.push_back(t);
    for (std::size_t i = 0; i < truth.size(); ++i)
        if (truth[i] >= halfAt && i % 2 == 0)
            tracker.push_back(truth[i]);
    std::sort(tracker.begin(), tracker.end());
    const analysis::BeatGrid grid = analysis::fitBeatGrid(onsets.df, Step, tracker);
    QCOMPARE(grid.stretches.size(), std::size_t(1));
    QVERIFY2(std::abs(grid.tempoBpm - 102) < 1, qPrintable(QString::number(grid.tempoBpm)));
    QVERIFY(found(grid.beats, truth) > 0.97 && found(truth, grid.beats) > 0.97);
}

void TestBeatGrid::aTempoChangeHalfwayMakesTwoStretches() {
    // 96 BPM for 70 s, then 125 BPM for 80 s: two stretches, the change where it is, the
    // longer stretch's tempo the song's.
    const double slow = periodOf(96), fast = periodOf(125);
    const double change = 70 / Step;
    Onsets onsets(std::size_t(150 / Step));
    std::vector<double> truth = every(slow, 10, change);
    for (double t : every(fast, truth.back() + slow, double(onsets.df.size())))
        truth.push_back(t);
    for (double t : truth)
        onsets.pulse(t, 1.0);
    const analysis::BeatGrid grid = analysis::fitBeatGrid(onsets.df, Step, truth);
    QCOMPARE(grid.stretches.size(), std::size_t(2));
    QVERIFY(std::abs(grid.stretches[0].bpm - 96) < 1);
    QVERIFY(std::abs(grid.stretches[1].bpm - 125) < 1);
    QVERIFY(std::abs(grid.stretches[0].end - 70) < 1);
    QCOMPARE(grid.stretches[0].end, grid.stretches[1].start);
    QCOMPARE(grid.tempoBpm, grid.stretches[1].bpm);
    QVERIFY(found(grid.beats, truth) > 0.97 && found(truth, grid.beats) > 0.97);
}

void TestBeatGrid::theKickPutsTheGridOnTheBeat() {
    // An open hi-hat on every off-beat outweighs the kick in the broadband function, and the
    // tracker follows it; the low band hears only the kick. A song at a steady 125 BPM, and
    // one whose tempo sways (its tracker beats are kept as found), both land on the kick.
    const double period = periodOf(125);
    for (const double sway : {0.0, 0.035}) {
        Onsets onsets(std::size_t(60 / Step));
        std::vector<float> bass(onsets.df.size(), 0.01f);
        std::vector<double> truth, offBeats;
        for (double t = 10; t + 2 * period < double(onsets.df.size());) {
            const double next = t + period * (1 + sway * std::sin(double(truth.size()) / 6));
            truth.push_back(t);
            offBeats.push_back(0.5 * (t + next));
            onsets.pulse(t, 1.0);
            onsets.pulse(offBeats.back(), 1.6);
            bass[std::size_t(std::lround(t))] = 1.0f;
            t = next;
        }
        const analysis::BeatGrid grid = analysis::fitBeatGrid(onsets.df, Step, offBeats, bass);
        QVERIFY2(found(truth, grid.beats) > 0.9,
                 qPrintable(QString::number(found(truth, grid.beats))));
    }
}

QTEST_GUILESS_MAIN(TestBeatGrid)
#include "tst_beat_grid.moc"
