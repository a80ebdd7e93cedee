// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/music_analysis.h"
#include "analysis/suggestions.h"
#include "support/song_generator.h"
#include "support/test_audio.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

// Sounds without music to find: no grid, no crash, and a suggestion that says why it is only
// the loudest stretch. A soft but steady pulse, though, is a beat.
class TestAnalysisInputs : public QObject {
    Q_OBJECT
private slots:
    void noGridForSoundsWithoutABeat_data();
    void noGridForSoundsWithoutABeat();
    void aSoftPulseGetsAGrid();
};

namespace {

constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;

std::vector<std::int16_t> noise(double seconds) {
    std::vector<std::int16_t> s(std::size_t(seconds * Rate));
    std::uint32_t x = 12345;
    for (auto& v : s) {
        x = x * 1664525u + 1013904223u;
        v = std::int16_t(int(x >> 16) % 16000 - 8000);
    }
    return s;
}

// Held chords that swell and change at uneven times: music, but no beat.
std::vector<std::int16_t> heldChords() {
    const double changes[] = {0, 3.1, 7.4, 9.8, 15.2, 18.9, 24.6, 27.0, 33.3, 40};
    const double notes[][3] = {{220, 277, 330}, {247, 294, 370}, {196, 247, 294},
                               {220, 262, 330}, {175, 220, 262}, {196, 247, 294},
                               {220, 277, 330}, {247, 311, 370}, {196, 247, 294}};
    std::vector<std::int16_t> s(std::size_t(40 * Rate));
    for (int c = 0; c < 9; ++c)
        for (auto i = std::size_t(changes[c] * Rate); i < std::size_t(changes[c + 1] * Rate); ++i) {
            const double t = double(i) / Rate;
            const double env =
                std::min(1.0, (t - changes[c]) / 0.8) * (0.7 + 0.3 * std::sin(2 * Pi * 0.13 * t));
            double v = 0;
            for (double hz : notes[c])
                v += std::sin(2 * Pi * hz * t) + 0.3 * std::sin(4 * Pi * hz * t);
            s[i] = std::int16_t(4000 * env * v);
        }
    return s;
}

// Bowed notes, one every beat at 100 BPM, each swelling in over 80 ms and fading: no drum,
// no sharp attack, but a steady pulse.
std::vector<std::int16_t> bowedNotes() {
    const double beat = 0.6;
    const double notes[] = {220, 262, 330, 294, 247, 330, 392, 349};
    std::vector<std::int16_t> s(std::size_t(40 * Rate));
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / Rate;
        const auto k = std::size_t(t / beat);
        const double in = t - double(k) * beat;
        const double env = std::min(1.0, in / 0.08) * std::exp(-2.0 * in);
        const double hz = notes[k % 8];
        s[i] = std::int16_t(6000 * env *
                            (std::sin(2 * Pi * hz * t) + 0.4 * std::sin(4 * Pi * hz * t)));
    }
    return s;
}

// Forty seconds of a voice reading, made by espeak-ng.
std::vector<std::int16_t> speech() {
    QTemporaryDir dir;
    const QString wav = dir.filePath("speech.wav");
    const QString text = QStringLiteral(
        "This is a recording of a person speaking about the weather and the news of the day. "
        "It goes on for a while, with pauses between the sentences. Nothing in it keeps a "
        "steady beat, although speech has a rhythm of its own. ");
    if (QProcess::execute("espeak-ng", {"-s", "150", "-w", wav, text + text + text}) != 0)
        return {};
    const QByteArray bytes = testaudio::readAll(wav);
    std::vector<std::int16_t> s(std::size_t((bytes.size() - 44) / 2));
    std::memcpy(s.data(), bytes.constData() + 44, s.size() * 2);
    return s;
}

} // namespace

void TestAnalysisInputs::noGridForSoundsWithoutABeat_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");
    QTest::newRow("silence") << "silence"
                             << "silent";
    QTest::newRow("a 2-second clip") << "short"
                                     << "no longer than";
    QTest::newRow("speech") << "speech"
                            << "no steady beat";
    QTest::newRow("noise") << "noise"
                           << "no steady beat";
    QTest::newRow("held chords") << "chords"
                                 << "no steady beat";
}

void TestAnalysisInputs::noGridForSoundsWithoutABeat() {
    QFETCH(QString, kind);
    QFETCH(QString, why);
    std::vector<std::int16_t> samples;
    if (kind == "silence")
        samples.assign(30 * Rate, 0);
    else if (kind == "noise")
        samples = noise(30);
    else if (kind == "chords")
        samples = heldChords();
    else if (kind == "speech")
        samples = speech();
    else {
        const songs::Song song = songs::make(3);
        samples.assign(song.samples.begin() + 40 * Rate, song.samples.begin() + 42 * Rate);
    }
    QVERIFY(!samples.empty());
    MemorySource source(samples.data(), std::int64_t(samples.size()), 1, Rate);
    const Result<analysis::MusicAnalysis> found = analysis::analyse(source);
    QVERIFY2(found, qPrintable(found.status().message()));
    QVERIFY(!found->hasGrid());
    QVERIFY(found->beats.empty() && found->bars.empty());
    QCOMPARE(found->tempoBpm, 0.0);
    QVERIFY(!found->noGridReason.isEmpty());

    const std::vector<analysis::Suggestion> suggestions = analysis::suggest(*found);
    QVERIFY(!suggestions.empty());
    const analysis::Suggestion& first = suggestions.front();
    QVERIFY2(first.reason.contains(why), qPrintable(first.reason));
    if (kind != "short")
        QVERIFY2(first.reason.contains("only the loudest stretch"), qPrintable(first.reason));
    QVERIFY(first.start >= 0 && first.end <= found->durationS + 1e-9 && first.start < first.end);
}

void TestAnalysisInputs::aSoftPulseGetsAGrid() {
    const std::vector<std::int16_t> samples = bowedNotes();
    MemorySource source(samples.data(), std::int64_t(samples.size()), 1, Rate);
    const Result<analysis::MusicAnalysis> found = analysis::analyse(source);
    QVERIFY2(found, qPrintable(found.status().message()));
    QVERIFY2(found->hasGrid(), qPrintable(found->noGridReason));
    QVERIFY2(std::abs(found->tempoBpm - 100) < 2, qPrintable(QString::number(found->tempoBpm)));
    // Every beat from the fifth second within 70 ms of a note's start.
    for (double b : found->beats)
        if (b > 5 && b < 38)
            QVERIFY2(std::abs(b - 0.6 * std::round(b / 0.6)) < 0.07,
                     qPrintable(QString::number(b)));
}

QTEST_GUILESS_MAIN(TestAnalysisInputs)
#include "tst_analysis_inputs.moc"
