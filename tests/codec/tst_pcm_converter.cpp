// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/pcm_converter.h"
#include "support/test_audio.h"

#include <QtTest>

#include <cstdlib>

namespace {

std::int16_t s16At(const QByteArray& pcm, qsizetype index) {
    return std::int16_t(testaudio::le16(pcm, int(index * 2)));
}

// Sign changes of one channel of 16-bit interleaved samples.
int zeroCrossings(const QByteArray& pcm, int channels, int channel) {
    const qsizetype frames = pcm.size() / 2 / channels;
    int crossings = 0;
    for (qsizetype f = 1; f < frames; ++f) {
        const bool before = s16At(pcm, (f - 1) * channels + channel) >= 0;
        const bool now = s16At(pcm, f * channels + channel) >= 0;
        crossings += before != now;
    }
    return crossings;
}

QByteArray convertAll(PcmConverter& converter, const QByteArray& input, qsizetype piece) {
    QByteArray all;
    QByteArray out;
    for (qsizetype at = 0; at < input.size(); at += piece) {
        const qsizetype n = std::min(piece, input.size() - at);
        if (!converter.push(input.constData() + at, n, out))
            return {};
        all += out;
    }
    if (!converter.flush(out))
        return {};
    return all + out;
}

std::unique_ptr<PcmConverter> make(const WavFormat& from, const WavFormat& to) {
    auto made = PcmConverter::create(from, to);
    return made ? std::move(*made) : nullptr;
}

} // namespace

class TestPcmConverter : public QObject {
    Q_OBJECT
private slots:
    void resample_keepsLengthAndPitch();
    void resample_sameResultWhateverTheBlocks();
    void monoToStereo_copiesTheChannelAtFullLevel();
    void stereoToMono_averagesTheChannels();
    void sixteenToEightBits_keepsTheTopByte();
    void create_refusesFormatsItCannotHandle_data();
    void create_refusesFormatsItCannotHandle();
    void push_afterFlushFails();
};

// One second of a 1000 Hz tone at 22050 Hz mono 8 bits becomes one second at 44100 Hz
// stereo 16 bits: 2000 zero crossings per channel. The resampler's filter delay is made up
// by flush(), so the length is exact to a frame or two; a few crossings may be lost or
// doubled at the two ends and where 8-bit quantisation leaves a sample at zero.
void TestPcmConverter::resample_keepsLengthAndPitch() {
    const WavFormat from{1, 22050, 8};
    const WavFormat to{2, 44100, 16};
    auto converter = make(from, to);
    QVERIFY(converter);
    const QByteArray out = convertAll(*converter, testaudio::sinePcm(from, 22050, 1000.0), 4096);
    const qsizetype frames = out.size() / to.blockAlign();
    QVERIFY2(std::abs(frames - 44100) <= 2, qPrintable(QString::number(frames)));
    for (int channel = 0; channel < 2; ++channel) {
        const int crossings = zeroCrossings(out, 2, channel);
        QVERIFY2(std::abs(crossings - 2000) <= 6, qPrintable(QString::number(crossings)));
    }
}

void TestPcmConverter::resample_sameResultWhateverTheBlocks() {
    const WavFormat from{2, 44100, 16};
    const WavFormat to{1, 22050, 16};
    const QByteArray input = testaudio::sinePcm(from, 30000, 440.0);
    auto whole = make(from, to);
    auto pieces = make(from, to);
    QVERIFY(whole && pieces);
    const QByteArray a = convertAll(*whole, input, input.size());
    // 7-byte pieces split frames, so part frames must be carried from call to call.
    const QByteArray b = convertAll(*pieces, input, 7);
    QVERIFY(!a.isEmpty());
    QCOMPARE(b.size(), a.size());
    QVERIFY(a == b);
}

void TestPcmConverter::monoToStereo_copiesTheChannelAtFullLevel() {
    const WavFormat from{1, 8000, 16};
    const WavFormat to{2, 8000, 16};
    const QByteArray input = testaudio::sinePcm(from, 8000, 300.0);
    auto converter = make(from, to);
    QVERIFY(converter);
    const QByteArray out = convertAll(*converter, input, 1000);
    QCOMPARE(out.size(), input.size() * 2);
    for (qsizetype f = 0; f < 8000; ++f) {
        QCOMPARE(s16At(out, 2 * f), s16At(input, f));
        QCOMPARE(s16At(out, 2 * f + 1), s16At(input, f));
    }
}

void TestPcmConverter::stereoToMono_averagesTheChannels() {
    const WavFormat from{2, 8000, 16};
    const WavFormat to{1, 8000, 16};
    const QByteArray input = testaudio::sinePcm(from, 8000, 300.0);
    auto converter = make(from, to);
    QVERIFY(converter);
    const QByteArray out = convertAll(*converter, input, 1000);
    QCOMPARE(out.size(), input.size() / 2);
    for (qsizetype f = 0; f < 8000; ++f) {
        const int mean = (s16At(input, 2 * f) + s16At(input, 2 * f + 1)) / 2;
        QVERIFY2(std::abs(s16At(out, f) - mean) <= 1, qPrintable(QString::number(f)));
    }
}

void TestPcmConverter::sixteenToEightBits_keepsTheTopByte() {
    const WavFormat from{1, 8000, 16};
    const WavFormat to{1, 8000, 8};
    const QByteArray input = testaudio::sinePcm(from, 8000, 300.0);
    auto converter = make(from, to);
    QVERIFY(converter);
    const QByteArray out = convertAll(*converter, input, 999);
    QCOMPARE(out.size(), input.size() / 2);
    for (qsizetype f = 0; f < 8000; ++f) {
        const int expected = (s16At(input, f) >> 8) + 128;
        QVERIFY2(std::abs(int(std::uint8_t(out[f])) - expected) <= 1,
                 qPrintable(QString::number(f)));
    }
}

Q_DECLARE_METATYPE(WavFormat)

void TestPcmConverter::create_refusesFormatsItCannotHandle_data() {
    QTest::addColumn<WavFormat>("from");
    QTest::addColumn<WavFormat>("to");
    QTest::newRow("24-bit source") << WavFormat{2, 44100, 24} << WavFormat{2, 44100, 16};
    QTest::newRow("32-bit target") << WavFormat{2, 44100, 16} << WavFormat{2, 44100, 32};
    QTest::newRow("no channels") << WavFormat{0, 44100, 16} << WavFormat{2, 44100, 16};
    QTest::newRow("no rate") << WavFormat{2, 0, 16} << WavFormat{2, 44100, 16};
    QTest::newRow("65 channels") << WavFormat{65, 44100, 16} << WavFormat{2, 44100, 16};
}

void TestPcmConverter::create_refusesFormatsItCannotHandle() {
    QFETCH(WavFormat, from);
    QFETCH(WavFormat, to);
    const auto made = PcmConverter::create(from, to);
    QVERIFY(!made);
    QCOMPARE(made.status().code(), ErrorCode::Format);
}

void TestPcmConverter::push_afterFlushFails() {
    auto converter = make({1, 8000, 8}, {1, 16000, 8});
    QVERIFY(converter);
    QByteArray out;
    QVERIFY(converter->push("abcd", 4, out));
    QVERIFY(converter->flush(out));
    QVERIFY(!converter->push("abcd", 4, out));
    QVERIFY(!converter->flush(out));
}

QTEST_GUILESS_MAIN(TestPcmConverter)
#include "tst_pcm_converter.moc"
