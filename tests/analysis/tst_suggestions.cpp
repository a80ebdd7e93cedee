// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/sections.h"
#include "analysis/suggestions.h"

#include <QtTest>

#include <cmath>
#include <cstdint>

// The windows suggested for a song made of chroma and loudness to order (no sound is
// rendered): the chorus found by its repetition and loudness, from its first bar; whole bars
// of any length, and other music each.
class TestSuggestions : public QObject {
    Q_OBJECT
private slots:
    void theChorusIsTheLoudestMusicThatReturns_data();
    void theChorusIsTheLoudestMusicThatReturns();
    void windowsAreWholeBarsAndOtherMusic();
};

namespace {

constexpr double Beat = 0.5; // 120 BPM
constexpr double Bar = 4 * Beat;
constexpr int PartBars = 8;

// One chord a bar, four bars a cycle: the chord's three notes in a chroma frame.
using Chords = std::array<int, 4>;
// Parts of a song, each its chords and its loudness.
using Parts = std::vector<std::pair<Chords, float>>;

struct Made {
    std::vector<float> chroma; // one frame of 12 a beat
    std::vector<double> beats;
    std::vector<double> bars;
    std::vector<float> loudness;
    double durationS = 0;
};

// Parts of PartBars bars each, one chroma frame per beat, each part at its loudness.
Made song(const Parts& parts) {
    Made m;
    std::uint32_t state = 3;
    const auto noise = [&state] {
        state = state * 1664525u + 1013904223u;
        return float(state >> 8) / float(1 << 24);
    };
    for (const auto& [chords, lufs] : parts)
        for (int bar = 0; bar < PartBars; ++bar) {
            m.bars.push_back(m.durationS);
            for (int beat = 0; beat < 4; ++beat) {
                m.beats.push_back(m.durationS);
                float* frame = &*m.chroma.insert(m.chroma.end(), 12, 0.0f);
                for (int i = 0; i < 12; ++i)
                    frame[i] = 0.05f * noise();
                const int root = chords[std::size_t(bar % 4)];
                for (int note : {0, 4, 7})
                    frame[(root + note) % 12] += 1.0f;
                m.durationS += Beat;
            }
        }
    double t = 0;
    std::size_t part = 0;
    for (; t <= m.durationS; t += analysis::LoudnessStepS) {
        part = std::min(parts.size() - 1, std::size_t(t / (PartBars * Bar)));
        m.loudness.push_back(parts[part].second);
    }
    return m;
}

analysis::MusicAnalysis analysed(const Made& m) {
    analysis::MusicAnalysis a;
    a.durationS = m.durationS;
    a.beats = m.beats;
    a.bars = m.bars;
    a.loudness = m.loudness;
    a.tempoBpm = 60 / Beat;
    const analysis::Structure s =
        analysis::findStructure(m.chroma, Beat, Beat / 2, m.beats, m.bars, m.durationS, m.loudness);
    a.sections = s.sections;
    a.chorusLabel = s.chorusLabel;
    return a;
}

const Chords Verse{9, 2, 4, 9};
const Chords Chorus{0, 5, 7, 0};
const Chords Bridge{5, 7, 5, 7};

} // namespace

void TestSuggestions::theChorusIsTheLoudestMusicThatReturns_data() {
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<int>("chorusPart"); // the first part that is the chorus
    // Suggestion 2 is other music that comes back, the chorus again only when none does.
    QTest::addColumn<QString>("second");
    // A quiet intro heard once, and a quiet verse heard three times, are not the chorus.
    QTest::newRow("quiet intro, quiet verse")
        << Parts{{Bridge, -30}, {Verse, -20}, {Chorus, -12}, {Verse, -20},
                 {Chorus, -12}, {Verse, -20}, {Chorus, -12}}
        << 2 << "part";
    // A song that opens on its chorus: the opening is the answer when it is the loudest
    // music that comes back.
    QTest::newRow("opens on the chorus")
        << Parts{{Chorus, -12}, {Verse, -20}, {Chorus, -12}, {Bridge, -18}, {Chorus, -12}} << 0
        << "chorus again";
}

void TestSuggestions::theChorusIsTheLoudestMusicThatReturns() {
    QFETCH(Parts, parts);
    QFETCH(int, chorusPart);
    QFETCH(QString, second);
    const analysis::MusicAnalysis a = analysed(song(parts));
    const double chorusStart = chorusPart * PartBars * Bar;
    const auto at = std::find_if(a.sections.begin(), a.sections.end(), [&](const auto& s) {
        return s.start <= chorusStart + 1e-6 && chorusStart < s.end;
    });
    QVERIFY(at != a.sections.end());
    QCOMPARE(at->start, chorusStart);
    QCOMPARE(a.chorusLabel, at->label);
    const std::vector<analysis::Suggestion> found = analysis::suggest(a, PartBars * Bar);
    QVERIFY(!found.empty());
    QCOMPARE(found.front().start, chorusStart);
    QVERIFY2(found.front().reason.startsWith("chorus,"), qPrintable(found.front().reason));
    QVERIFY(found.size() >= 2);
    QVERIFY2(found[1].reason.startsWith(second), qPrintable(found[1].reason));
}

void TestSuggestions::windowsAreWholeBarsAndOtherMusic() {
    const Made m = song({{Verse, -20},
                         {Chorus, -12},
                         {Verse, -20},
                         {Chorus, -12},
                         {Bridge, -14},
                         {Chorus, -12},
                         {Verse, -20}});
    const analysis::MusicAnalysis a = analysed(m);
    for (double length : {5.0, 7.9, 29.9, 45.0, 60.0}) {
        const std::vector<analysis::Suggestion> found = analysis::suggest(a, length);
        // Three windows of other music fit in the song's 112 s up to 29.9 s.
        QVERIFY(found.size() == std::size_t(analysis::MaxSuggestions) ||
                (length > 30 && !found.empty()));
        for (std::size_t i = 0; i < found.size(); ++i) {
            const analysis::Suggestion& s = found[i];
            // The most whole bars that fit: it ends on a bar line, less than a bar short.
            const double bars = (s.end - s.start) / Bar;
            QVERIFY2(
                std::abs(bars - std::round(bars)) < 1e-6 && s.end - s.start <= length &&
                    s.end - s.start > length - Bar,
                qPrintable(QStringLiteral("%1 s: %2 - %3").arg(length).arg(s.start).arg(s.end)));
            QVERIFY(!s.reason.isEmpty());
            for (std::size_t j = 0; j < i; ++j)
                QVERIFY(std::min(s.end, found[j].end) - std::max(s.start, found[j].start) <=
                        analysis::MaxSharedSeconds);
        }
    }
}

QTEST_GUILESS_MAIN(TestSuggestions)
#include "tst_suggestions.moc"
