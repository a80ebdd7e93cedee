// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/sound_edit.h"
#include "codec/loudness_meter.h"
#include "support/song_generator.h"
#include "support/test_audio.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

const WavFormat Cd{2, 44100, 16};

// `frames` frames of one steady value in every sample.
QByteArray steadyPcm(std::int64_t frames, std::int16_t value) {
    QByteArray pcm;
    for (std::int64_t i = 0; i < frames * 2; ++i)
        pcm += char(value & 0xFF), pcm += char((value >> 8) & 0xFF);
    return pcm;
}

int left(const QByteArray& file, std::int64_t frame) {
    return std::int16_t(testaudio::le16(file, int(44 + frame * 4)));
}

// Integrated loudness and true peak as ffmpeg's own EBU R128 meter reads them.
std::pair<double, double> ffmpegLoudness(const QString& path) {
    QByteArray output;
    testaudio::run(
        "ffmpeg",
        {"-hide_banner", "-nostats", "-i", path, "-af", "ebur128=peak=true", "-f", "null", "-"},
        &output);
    const QString text = QString::fromUtf8(output);
    const auto last = [&](const char* pattern) {
        QRegularExpressionMatch match;
        double value = NAN;
        auto it = QRegularExpression(QLatin1String(pattern)).globalMatch(text);
        while (it.hasNext())
            value = it.next().captured(1).toDouble();
        return value;
    };
    return {last(R"(I:\s+(-?[\d.]+) LUFS)"), last(R"(Peak:\s+(-?[\d.]+) dBFS)")};
}

} // namespace

class TestSoundEdit : public QObject {
    Q_OBJECT
private slots:
    void fade_startsSilentRisesSmoothlyAndLeavesTheMiddle();
    void gain_holdsAndCountsWhatPassesFullScale();
    void normalise_reachesTheTargetWithinTheTruePeak();
    void normalise_shortClipsByPeakAndSilenceNotAtAll();
    void normalise_ofASong_measuresAsOneMeterOverTheWholeAndReachesItsPlan();
    void failures_leaveTheTargetAsItWas();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestSoundEdit::fade_startsSilentRisesSmoothlyAndLeavesTheMiddle() {
    const QString clip = testaudio::writeWav(path("steady.wav"), Cd, steadyPcm(44100, 20000));
    QVERIFY(soundedit::fade(clip, path("faded.wav"), 0.1, 0.2));
    const QByteArray faded = testaudio::readAll(path("faded.wav"));
    QCOMPARE(faded.size(), 44 + 44100 * 4);
    QCOMPARE(left(faded, 0), 0);
    QCOMPARE(left(faded, 44099), 0);
    for (int f = 1; f < 4410; ++f)
        QVERIFY2(left(faded, f) >= left(faded, f - 1), qPrintable(QString::number(f)));
    for (int f = 44100 - 8820; f < 44099; ++f)
        QVERIFY(left(faded, f) >= left(faded, f + 1));
    QCOMPARE(left(faded, 4410), 20000);
    QCOMPARE(left(faded, 44100 - 8821), 20000);

    // Longer than the clip: it fades over the whole of it, in place.
    QVERIFY(soundedit::fade(clip, clip, 5, 0));
    const QByteArray whole = testaudio::readAll(clip);
    QCOMPARE(left(whole, 0), 0);
    for (int f = 1; f < 44100; ++f)
        QVERIFY(left(whole, f) >= left(whole, f - 1));
    QVERIFY(std::abs(left(whole, 22050) - 10000) <= 10);
}

void TestSoundEdit::gain_holdsAndCountsWhatPassesFullScale() {
    QByteArray pcm = steadyPcm(100, 1000) + steadyPcm(10, 30000);
    const QString clip = testaudio::writeWav(path("loud.wav"), Cd, pcm);
    const auto done = soundedit::gain(clip, path("louder.wav"), 6.0206); // twice as loud
    QVERIFY(done);
    QCOMPARE(done->clippedSamples, 20);
    QVERIFY(done->note.contains("20 samples"));
    const QByteArray louder = testaudio::readAll(path("louder.wav"));
    QCOMPARE(left(louder, 0), 2000);
    QCOMPARE(left(louder, 105), 32767);
}

void TestSoundEdit::normalise_reachesTheTargetWithinTheTruePeak() {
    if (!testaudio::haveProgram("ffmpeg"))
        QSKIP("ffmpeg measures the result independently");
    // A quiet tone: brought up to -14 LUFS.
    const QString quiet =
        testaudio::writeWav(path("quiet.wav"), Cd, testaudio::sinePcm(Cd, 44100 * 5, 440));
    QVERIFY(soundedit::gain(quiet, quiet, -26));
    QVERIFY(soundedit::normalise(quiet, path("even.wav"), {}));
    const auto [lufs, peak] = ffmpegLoudness(path("even.wav"));
    QVERIFY2(std::abs(lufs + 14) <= 0.5, qPrintable(QString::number(lufs)));
    QVERIFY(peak <= -1.0);

    // A faint tone with loud clicks: -14 LUFS would push the clicks past -1 dBTP.
    QByteArray clicks = testaudio::sinePcm(Cd, 44100 * 5, 440);
    for (int i = 0; i < clicks.size() / 2; ++i) {
        const auto faint = std::int16_t(std::int16_t(testaudio::le16(clicks, i * 2)) / 30);
        clicks[i * 2] = char(faint & 0xFF);
        clicks[i * 2 + 1] = char((faint >> 8) & 0xFF);
    }
    for (int f = 0; f < 44100 * 5; f += 22050)
        for (int b : {0, 1, 2, 3})
            clicks[f * 4 + b] = char(b % 2 ? 0x70 : 0x00);
    const QString peaky = testaudio::writeWav(path("peaky.wav"), Cd, clicks);
    const auto held = soundedit::normalise(peaky, path("held.wav"), {});
    QVERIFY(held);
    QVERIFY2(held->note.contains("true peak"), qPrintable(held->note));
    const auto [heldLufs, heldPeak] = ffmpegLoudness(path("held.wav"));
    QVERIFY2(heldPeak <= -1.0 + 0.1, qPrintable(QString::number(heldPeak)));
    QVERIFY(heldLufs < -14.5);
}

void TestSoundEdit::normalise_shortClipsByPeakAndSilenceNotAtAll() {
    const QString shortClip =
        testaudio::writeWav(path("short.wav"), Cd, testaudio::sinePcm(Cd, 8820, 440));
    const auto peaked = soundedit::normalise(shortClip, path("peaked.wav"), {});
    QVERIFY(peaked && peaked->changed);
    QVERIFY(peaked->note.contains("Too short"));
    const auto measured = soundedit::measure(path("peaked.wav"));
    QVERIFY(std::abs(measured->samplePeakDb + 1) < 0.05);

    const QString silent = testaudio::writeWav(path("silent.wav"), Cd, steadyPcm(44100, 0));
    const auto nothing = soundedit::normalise(silent, path("loudSilence.wav"), {});
    QVERIFY(nothing && !nothing->changed);
    QVERIFY(nothing->note.contains("silent"));
    QVERIFY(!QFile::exists(path("loudSilence.wav")));
}

void TestSoundEdit::normalise_ofASong_measuresAsOneMeterOverTheWholeAndReachesItsPlan() {
    // Half a minute of a generated song, the right channel a little quieter than the left.
    const songs::Song song = songs::make(11, 22050);
    const WavFormat format{2, 22050, 16};
    const std::int64_t frames = 30 * 22050;
    std::vector<std::int16_t> stereo;
    for (std::int64_t f = 0; f < frames; ++f)
        stereo.insert(stereo.end(), {song.samples[std::size_t(f)],
                                     std::int16_t(song.samples[std::size_t(f)] * 3 / 4)});
    const QString clip = testaudio::writeWav(
        path("song.wav"), format,
        QByteArray(reinterpret_cast<const char*>(stereo.data()), qsizetype(stereo.size() * 2)));

    // The whole sound through one meter on one thread is what the split reading must give.
    auto whole = LoudnessMeter::create(
        2, 22050, LoudnessMeter::Loudness | LoudnessMeter::TruePeak | LoudnessMeter::SamplePeak);
    QVERIFY(whole && (*whole)->add(stereo.data(), frames));
    const auto measured = soundedit::measure(clip);
    QVERIFY(measured);
    QVERIFY(std::abs(measured->lufs - (*whole)->integratedLufs()) < 0.1);
    QVERIFY(std::abs(measured->truePeakDb - 20 * std::log10((*whole)->truePeak())) < 0.1);
    QCOMPARE(measured->seconds, 30.0);

    // The clip written is where the plan said: loudness within 0.1 LU, true peak within 0.1 dB
    // (the rounding to 16 bits moves them by far less).
    const soundedit::Outcome planned = soundedit::plan(*measured, {});
    QVERIFY(soundedit::normalise(clip, path("song-even.wav"), {}));
    const auto after = soundedit::measure(path("song-even.wav"));
    QVERIFY(after);
    QVERIFY(std::abs(after->lufs - (measured->lufs + planned.gainDb)) < 0.1);
    QVERIFY(std::abs(after->truePeakDb - (measured->truePeakDb + planned.gainDb)) < 0.1);
}

void TestSoundEdit::failures_leaveTheTargetAsItWas() {
    QVERIFY(testaudio::writeAll(path("target.wav"), "keep me"));
    QVERIFY(testaudio::writeAll(path("words.wav"), "not a sound at all"));
    QVERIFY(!soundedit::fade(path("words.wav"), path("target.wav"), 1, 1));
    QVERIFY(!soundedit::gain(path("missing.wav"), path("target.wav"), 3));
    QVERIFY(!soundedit::normalise(path("words.wav"), path("target.wav"), {}));
    QCOMPARE(testaudio::readAll(path("target.wav")), QByteArray("keep me"));
}

QTEST_GUILESS_MAIN(TestSoundEdit)
#include "tst_sound_edit.moc"
