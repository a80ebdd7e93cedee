// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/sound_edit.h"
#include "cliplist/voice_cleanup.h"
#include "support/test_audio.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

// The speech is spoken by espeak-ng at its own rate, mono, and laid on both channels.
constexpr int Channels = 2;
constexpr int BlockMs = 10;

struct Sound {
    int rateHz = 0;
    std::vector<double> samples; // interleaved, full scale 1.0
    std::int64_t frames() const { return std::int64_t(samples.size()) / Channels; }
};

Sound readSound(const QString& path) {
    const Result<WavInfo> info = readClipWavInfo(path);
    Sound sound;
    if (!info)
        return sound;
    sound.rateHz = info->format.sampleRateHz;
    const QByteArray data = testaudio::readAll(path).mid(info->dataOffset, info->dataBytes);
    const int channels = info->format.channels;
    const auto sample = [&](qsizetype i) {
        return info->format.bitsPerSample == 8
                   ? (std::uint8_t(data[i]) - 128) / 128.0
                   : std::int16_t(testaudio::le16(data, int(2 * i))) / 32768.0;
    };
    const qsizetype count = data.size() / (info->format.bitsPerSample / 8);
    for (qsizetype i = 0; i < count; i += channels)
        for (int c = 0; c < Channels; ++c)
            sound.samples.push_back(sample(i + std::min(c, channels - 1)));
    return sound;
}

QString writeSound(const QString& path, const Sound& sound) {
    QByteArray pcm;
    for (double v : sound.samples) {
        const auto s = std::int16_t(std::clamp(std::lround(v * 32768), -32768L, 32767L));
        pcm += char(s & 0xFF), pcm += char((s >> 8) & 0xFF);
    }
    return testaudio::writeWav(path, {Channels, sound.rateHz, 16}, pcm);
}

// Mean squares of 10 ms blocks over both channels, block i from frame i * 10 ms - shift on
// (0 where that lies outside the sound).
std::vector<double> blocks(const Sound& sound, std::int64_t shift = 0) {
    const std::int64_t size = sound.rateHz * BlockMs / 1000;
    std::vector<double> levels;
    for (std::int64_t first = 0; first - shift + size <= sound.frames(); first += size) {
        double sum = 0;
        for (std::int64_t f = first - shift; f < first - shift + size; ++f)
            for (int c = 0; c < Channels && f >= 0; ++c)
                sum += std::pow(sound.samples[std::size_t(f * Channels + c)], 2);
        levels.push_back(sum / double(size * Channels));
    }
    return levels;
}

// Pink noise (Paul Kellet's filter over white noise), each channel its own.
std::vector<double> pinkNoise(std::int64_t frames, unsigned seed) {
    std::mt19937 random(seed);
    std::normal_distribution<double> white;
    std::vector<double> noise;
    double b[Channels][7] = {};
    for (std::int64_t f = 0; f < frames; ++f) {
        for (auto& s : b) {
            const double w = white(random);
            s[0] = 0.99886 * s[0] + w * 0.0555179;
            s[1] = 0.99332 * s[1] + w * 0.0750759;
            s[2] = 0.96900 * s[2] + w * 0.1538520;
            s[3] = 0.86650 * s[3] + w * 0.3104856;
            s[4] = 0.55000 * s[4] + w * 0.5329522;
            s[5] = -0.7616 * s[5] - w * 0.0168980;
            noise.push_back(s[0] + s[1] + s[2] + s[3] + s[4] + s[5] + s[6] + w * 0.5362);
            s[6] = w * 0.115926;
        }
    }
    return noise;
}

double db(double ratio) {
    return 10 * std::log10(ratio);
}

} // namespace

class TestVoiceCleanup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        if (!testaudio::haveProgram("espeak-ng"))
            QSKIP("espeak-ng speaks the test's words; it is not installed.");
        const QString spoken = path("spoken.wav");
        QCOMPARE(testaudio::run("espeak-ng", {"-w", spoken, "Hello, pick up the phone"}), 0);
        // A second of silence before and after the words, as a take has.
        const Sound words = readSound(spoken);
        m_speech.rateHz = words.rateHz;
        m_speech.samples.assign(std::size_t(2 * words.rateHz * Channels), 0.0);
        m_speech.samples.insert(m_speech.samples.begin() + words.rateHz * Channels,
                                words.samples.begin(), words.samples.end());
        QVERIFY(m_speech.frames() > 3 * m_speech.rateHz);
    }

    void noisySpeech_comesOutCleanerAtTheTargetWithRoomAroundTheWords();
    void badInput_isRefusedAndNothingChanges_data();
    void badInput_isRefusedAndNothingChanges();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
    Sound m_speech;
};

void TestVoiceCleanup::noisySpeech_comesOutCleanerAtTheTargetWithRoomAroundTheWords() {
    // The words' blocks are those within 30 dB of the loudest; the pauses those more than
    // 60 dB under it, 50 ms away from any word (the noise reduction's window reaches 37 ms).
    const std::vector<double> speech = blocks(m_speech);
    const double loudest = *std::max_element(speech.begin(), speech.end());
    std::vector<std::size_t> words, pauses;
    for (std::size_t i = 0; i < speech.size(); ++i) {
        if (speech[i] > loudest * 1e-3)
            words.push_back(i);
        const std::size_t from = i < 5 ? 0 : i - 5;
        const std::size_t to = std::min(speech.size(), i + 6);
        if (std::all_of(speech.begin() + from, speech.begin() + to,
                        [&](double v) { return v < loudest * 1e-6; }))
            pauses.push_back(i);
    }
    double wordPower = 0;
    for (std::size_t i : words)
        wordPower += speech[i] / double(words.size());

    // Pink noise 10 dB under the words.
    Sound noisy = m_speech;
    const std::vector<double> noise = pinkNoise(noisy.frames(), 11);
    double noisePower = 0;
    for (double v : noise)
        noisePower += v * v / double(noise.size());
    const double scale = std::sqrt(wordPower / 10 / noisePower);
    for (std::size_t i = 0; i < noisy.samples.size(); ++i)
        noisy.samples[i] += scale * noise[i];
    const QString file = writeSound(path("noisy.wav"), noisy);

    // What stands out of the pauses in the word blocks, over the pauses, with the output's
    // blocks counted from where the kept stretch starts in the input.
    const auto snr = [&](const Sound& sound, std::int64_t firstFrame) {
        const std::vector<double> levels = blocks(sound);
        const auto mean = [&](const std::vector<std::size_t>& which) {
            double sum = 0;
            int count = 0;
            for (std::size_t i : which) {
                const std::int64_t at =
                    std::int64_t(i) - firstFrame * 1000 / BlockMs / sound.rateHz;
                if (at >= 0 && at < std::int64_t(levels.size()))
                    sum += levels[std::size_t(at)], ++count;
            }
            return count > 0 ? sum / count : 0.0;
        };
        const double pause = mean(pauses);
        return db((mean(words) - pause) / pause);
    };
    const double before = snr(noisy, 0);

    // Cleaned in place, as the editor does.
    const Result<cleanup::Outcome> done = cleanup::clean(file, file, cleanup::Steps{});
    QVERIFY2(done, qPrintable(done.status().message()));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    const Sound cleaned = readSound(file);
    QCOMPARE(cleaned.frames(), done->frames);
    const double after = snr(cleaned, done->firstFrame);

    // The words sit where they were: the filters' delays are made up for.
    int bestLag = 0;
    double bestSum = -1;
    for (int lag = -50; lag <= 50; ++lag) {
        double sum = 0;
        for (std::int64_t f = 0; f < cleaned.frames(); f += 3) {
            const std::int64_t at = done->firstFrame + f + lag;
            if (at >= 0 && at < m_speech.frames())
                sum += cleaned.samples[std::size_t(f * Channels)] *
                       m_speech.samples[std::size_t(at * Channels)];
        }
        if (sum > bestSum)
            bestSum = sum, bestLag = lag;
    }

    const Result<soundedit::Measure> level = soundedit::measure(file);
    QVERIFY(level);
    const double msPerFrame = 1000.0 / cleaned.rateHz;
    const double roomBefore = (double(words.front()) * BlockMs) - done->firstFrame * msPerFrame;
    const double roomAfter =
        double(done->firstFrame + done->frames) * msPerFrame - double(words.back() + 1) * BlockMs;
    qInfo("signal to noise %.1f dB before, %.1f dB after (%.1f dB better); %.2f LUFS, true peak "
          "%.2f dBTP; room %.0f ms before the first word and %.0f ms after the last; the words "
          "%d samples off",
          before, after, after - before, level->lufs, level->truePeakDb, roomBefore, roomAfter,
          bestLag);
    QVERIFY(before > 9 && before < 11);
    QVERIFY(after - before >= 10);
    QVERIFY(std::abs(level->lufs - -16.0) <= 1.0);
    // 16-bit rounding may add a step to the planned peak.
    QVERIFY(level->truePeakDb <= -0.95);
    QVERIFY(roomBefore >= 150 && roomBefore <= 300);
    QVERIFY(roomAfter >= 150 && roomAfter <= 300);
    // A millisecond: the high-pass filter shifts the lowest tones a little.
    QVERIFY(std::abs(bestLag) * msPerFrame <= 1.0);
}

void TestVoiceCleanup::badInput_isRefusedAndNothingChanges_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("silence") << "silence"
                             << "nothing but silence";
    QTest::newRow("a tenth of a second") << "short"
                                         << "too short to clean";
    QTest::newRow("all noise") << "noise"
                               << "nothing but noise";
    QTest::newRow("stopped") << "stopped"
                             << "stopped";
}

void TestVoiceCleanup::badInput_isRefusedAndNothingChanges() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    Sound sound;
    sound.rateHz = 22050;
    const std::int64_t frames = kind == "short" ? 2205 : 3 * 22050;
    sound.samples.assign(std::size_t(frames * Channels), 0.0);
    if (kind == "noise" || kind == "short") {
        const std::vector<double> noise = pinkNoise(frames, 5);
        for (std::size_t i = 0; i < noise.size(); ++i)
            sound.samples[i] = 0.02 * noise[i];
    }
    if (kind == "stopped")
        sound = m_speech;
    const QString in = writeSound(dir.filePath("in.wav"), sound);
    const QString out = dir.filePath("out.wav");
    QVERIFY(testaudio::writeAll(out, "an older file"));

    // Stopped half-way, with the scratch file written.
    std::atomic<bool> stop{false};
    const Result<cleanup::Outcome> done = cleanup::clean(
        in, out, cleanup::Steps{}, [&](int percent) { stop = kind == "stopped" && percent >= 40; },
        &stop);
    QVERIFY(!done);
    QCOMPARE(done.status().code(), kind == "stopped" ? ErrorCode::Ended : ErrorCode::Empty);
    QVERIFY2(done.status().message().contains(message), qPrintable(done.status().message()));
    QCOMPARE(testaudio::readAll(out), QByteArray("an older file"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

QTEST_GUILESS_MAIN(TestVoiceCleanup)
#include "tst_voice_cleanup.moc"
