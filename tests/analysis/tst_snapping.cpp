// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/music_analysis.h"
#include "analysis/snapping.h"
#include "support/song_generator.h"
#include "support/test_audio.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

// Where Mark In and Mark Out land with each "Snap" choice, on a click track whose beats and
// bars are known.
class TestSnapping : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void offKeepsTheMarkExactly();
    void beatAndBarGoToTheNearestLine();
    void halfAndDoubleTempoChangeTheGrid();
    void zeroCrossingTakesTheQuietestMillisecond();
    void withoutAGridTheMarkStays();

private:
    songs::Song m_clicks = songs::clicks(100, 30, 0.5);
    analysis::MusicAnalysis m_found;
    QTemporaryDir m_dir;
};

namespace {

std::int64_t ms(double seconds) {
    return std::llround(seconds * 1000);
}

} // namespace

void TestSnapping::initTestCase() {
    MemorySource source(m_clicks.samples.data(), std::int64_t(m_clicks.samples.size()), 1,
                        m_clicks.sampleRateHz);
    const Result<analysis::MusicAnalysis> found = analysis::analyse(source);
    QVERIFY(found);
    QVERIFY2(found->hasGrid(), qPrintable(found->noGridReason));
    m_found = *found;
    QVERIFY(std::abs(m_found.tempoBpm - 100) < 1);
    // Every beat found is a click, within 30 ms.
    for (double beat : m_found.beats) {
        double nearest = 1e9;
        for (double t : m_clicks.beats)
            nearest = std::min(nearest, std::abs(t - beat));
        QVERIFY2(nearest < 0.03, qPrintable(QString::number(beat)));
    }
}

void TestSnapping::offKeepsTheMarkExactly() {
    const analysis::Grid grid = analysis::gridFor(m_found, analysis::TempoChoice::AsFound);
    for (std::int64_t mark : {0LL, 1234LL, 17777LL, 29999LL})
        QCOMPARE(*analysis::snapMs(mark, analysis::Snap::Off, grid, QString(), 30000), mark);
}

void TestSnapping::beatAndBarGoToTheNearestLine() {
    const analysis::Grid grid = analysis::gridFor(m_found, analysis::TempoChoice::AsFound);
    const double beat = grid.beats[20];
    // 100 ms after a beat, 0.5 s before the next: the beat.
    QCOMPARE(*analysis::snapMs(ms(beat + 0.1), analysis::Snap::Beat, grid, QString(), 30000),
             ms(beat));
    QCOMPARE(*analysis::snapMs(ms(beat - 0.2), analysis::Snap::Beat, grid, QString(), 30000),
             ms(beat));
    // One beat after a bar line, three before the next: the bar line.
    const double bar = grid.bars[3];
    QCOMPARE(*analysis::snapMs(ms(bar + 0.6), analysis::Snap::Bar, grid, QString(), 30000),
             ms(bar));
    QCOMPARE(*analysis::snapMs(ms(bar - 0.5), analysis::Snap::Bar, grid, QString(), 30000),
             ms(bar));
}

void TestSnapping::halfAndDoubleTempoChangeTheGrid() {
    const analysis::Grid found = analysis::gridFor(m_found, analysis::TempoChoice::AsFound);
    const analysis::Grid doubled = analysis::gridFor(m_found, analysis::TempoChoice::Double);
    const analysis::Grid halved = analysis::gridFor(m_found, analysis::TempoChoice::Half);
    QCOMPARE(doubled.beats.size(), 2 * found.beats.size() - 1);
    QCOMPARE(doubled.bars.size(), 2 * found.bars.size() - 1);
    // Double: a mark a quarter of a beat past a beat goes to the beat, three quarters past to
    // the new beat halfway.
    const double b = found.beats[10];
    const double next = found.beats[11];
    QCOMPARE(*analysis::snapMs(ms(b + 0.35 * (next - b)), analysis::Snap::Beat, doubled, QString(),
                               30000),
             ms(0.5 * (b + next)));
    // Half: every other beat, the bar lines among them.
    QVERIFY(std::abs(double(halved.beats.size()) - found.beats.size() / 2.0) <= 1);
    for (double bar : halved.bars)
        QVERIFY(std::find(halved.beats.begin(), halved.beats.end(), bar) != halved.beats.end());
    QVERIFY(std::abs(double(halved.bars.size()) - found.bars.size() / 2.0) <= 1);
}

void TestSnapping::zeroCrossingTakesTheQuietestMillisecond() {
    // 50 Hz at 48 kHz: the sound crosses zero every 10 ms exactly, on whole milliseconds;
    // the right channel is the left one upside down and half as loud.
    const WavFormat format{2, 48000, 16};
    QByteArray pcm;
    for (int f = 0; f < 48000; ++f) {
        const double v = 20000 * std::sin(2 * 3.14159265358979323846 * 50 * f / 48000.0);
        for (const std::int16_t s :
             {std::int16_t(std::lround(v)), std::int16_t(std::lround(-v / 2))})
            pcm.append(reinterpret_cast<const char*>(&s), 2);
    }
    const QString clip = testaudio::writeWav(m_dir.filePath("sine.wav"), format, pcm);
    const analysis::Grid none;
    QCOMPARE(*analysis::snapMs(503, analysis::Snap::ZeroCrossing, none, clip, 1000), 500);
    QCOMPARE(*analysis::snapMs(496, analysis::Snap::ZeroCrossing, none, clip, 1000), 500);
    QCOMPARE(*analysis::snapMs(506, analysis::Snap::ZeroCrossing, none, clip, 1000), 510);
    QCOMPARE(*analysis::snapMs(2, analysis::Snap::ZeroCrossing, none, clip, 1000), 0);
    QCOMPARE(*analysis::snapMs(994, analysis::Snap::ZeroCrossing, none, clip, 1000), 990);
    // The frame-exact search: the quietest frame of a stretch, the nearest of equals.
    const std::int16_t frames[] = {9, -9, 5, 5, 1, -2, 0, 0, 3, 3, 0, 0, 7, 7};
    QCOMPARE(analysis::quietestFrame(frames, 2, 7, 2, 2), 3);
    QCOMPARE(analysis::quietestFrame(frames, 2, 7, 6, 1), 5);
    QVERIFY(!analysis::snapMs(10, analysis::Snap::ZeroCrossing, none, m_dir.filePath("none.wav"),
                              1000));
}

void TestSnapping::withoutAGridTheMarkStays() {
    analysis::MusicAnalysis flat = m_found;
    flat.beats.clear();
    flat.bars.clear();
    for (auto tempo : {analysis::TempoChoice::AsFound, analysis::TempoChoice::Half,
                       analysis::TempoChoice::Double}) {
        const analysis::Grid grid = analysis::gridFor(flat, tempo);
        QVERIFY(grid.beats.empty() && grid.bars.empty());
        QCOMPARE(*analysis::snapMs(4321, analysis::Snap::Beat, grid, QString(), 30000), 4321);
        QCOMPARE(*analysis::snapMs(4321, analysis::Snap::Bar, grid, QString(), 30000), 4321);
    }
}

QTEST_GUILESS_MAIN(TestSnapping)
#include "tst_snapping.moc"
