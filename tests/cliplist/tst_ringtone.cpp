// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ringtone.h"
#include "cliplist/sound_edit.h"
#include "codec/decode_stream.h"
#include "support/test_audio.h"
#include "wav/fade.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(ringtone::Target)
Q_DECLARE_METATYPE(ringtone::Length)

using ringtone::Length;
using ringtone::Target;

namespace {

// The decoded samples of a file, interleaved, with its channel count.
std::vector<std::int16_t> decodeAll(const QString& path, int* channels) {
    auto opened = DecodeStream::open(path);
    if (!opened)
        return {};
    *channels = (*opened)->channels();
    std::vector<std::int16_t> samples;
    std::vector<std::int16_t> block(1 << 15);
    while ((*opened)->isActive()) {
        const auto got = (*opened)->getData(block.data(), ByteCount(block.size() * 2));
        if (!got)
            return {};
        samples.insert(samples.end(), block.begin(), block.begin() + *got / 2);
    }
    return samples;
}

double peak(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    int most = 0;
    for (std::size_t i = from; i < to && i < samples.size(); ++i)
        most = std::max(most, std::abs(int(samples[i])));
    return most;
}

} // namespace

class TestRingtone : public QObject {
    Q_OBJECT
private slots:
    void fadeOut_fallsSmoothlyToSilenceWhateverTheBlocks();
    void checkLength_onlyTheIPhoneHasLimits_data();
    void checkLength_onlyTheIPhoneHasLimits();
    void render_cutsAndFadesTheTone_data();
    void render_cutsAndFadesTheTone();
    void render_sourceWithoutSoundWritesNothing();
    void render_bringsAMonoSourceToTheLoudnessOnTwoChannels();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestRingtone::fadeOut_fallsSmoothlyToSilenceWhateverTheBlocks() {
    const int channels = 2;
    const int frames = 1000;
    const int fadeFrames = 300;
    std::vector<std::int16_t> whole(std::size_t(frames) * channels, 20000);
    std::vector<std::int16_t> pieces = whole;
    fade::applyFadeOut(whole.data(), frames, channels, 0, frames, fadeFrames);
    // The same fade handed over in blocks of uneven sizes, as a stream delivers them.
    for (int at = 0, size = 7; at < frames; at += size, size = size * 3 % 101 + 1)
        fade::applyFadeOut(pieces.data() + std::size_t(at) * channels, std::min(size, frames - at),
                           channels, at, frames, fadeFrames);
    QVERIFY(whole == pieces);

    QCOMPARE(whole[std::size_t(frames - fadeFrames - 1) * channels], 20000); // before the fade
    QCOMPARE(whole[std::size_t(frames - 1) * channels], 0);                  // the last frame
    for (int i = frames - fadeFrames; i < frames; ++i)
        QVERIFY(whole[std::size_t(i) * channels] <= whole[std::size_t(i - 1) * channels]);
    // A raised cosine: halfway down at the fade's middle, not a straight line at its ends,
    // where it leaves and reaches its levels with (almost) no slope.
    QVERIFY(std::abs(whole[std::size_t(frames - fadeFrames / 2) * channels] - 10000) < 150);
    QVERIFY(whole[std::size_t(frames - fadeFrames + 5) * channels] > 19950);
    QVERIFY(whole[std::size_t(frames - 6) * channels] < 50);
    // A sound shorter than the fade fades over all of it.
    std::vector<std::int16_t> shortSound(10, 20000);
    fade::applyFadeOut(shortSound.data(), 10, 1, 0, 10, fadeFrames);
    QVERIFY(shortSound.front() > 19000 && shortSound.back() == 0);
}

void TestRingtone::checkLength_onlyTheIPhoneHasLimits_data() {
    QTest::addColumn<Target>("target");
    QTest::addColumn<qint64>("lengthMs");
    QTest::addColumn<Length>("length");
    QTest::newRow("iPhone 30 s") << Target::IPhone << qint64(30000) << Length::Fits;
    QTest::newRow("iPhone 30.001 s") << Target::IPhone << qint64(30001) << Length::Long;
    QTest::newRow("iPhone 40 s") << Target::IPhone << qint64(40000) << Length::Long;
    QTest::newRow("iPhone 40.001 s") << Target::IPhone << qint64(40001) << Length::TooLong;
    QTest::newRow("Android ogg 5 min") << Target::AndroidOgg << qint64(300000) << Length::Fits;
    QTest::newRow("Android mp3 5 min") << Target::AndroidMp3 << qint64(300000) << Length::Fits;
}

void TestRingtone::checkLength_onlyTheIPhoneHasLimits() {
    QFETCH(Target, target);
    QFETCH(qint64, lengthMs);
    QFETCH(Length, length);
    QCOMPARE(ringtone::checkLength(target, lengthMs), length);
}

void TestRingtone::render_cutsAndFadesTheTone_data() {
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<qint64>("cutMs");
    QTest::newRow("iPhone, first 2 s") << Target::IPhone << "aac" << qint64(2000);
    QTest::newRow("Android ogg, whole") << Target::AndroidOgg << "vorbis" << qint64(-1);
    QTest::newRow("Android mp3, first 1.5 s") << Target::AndroidMp3 << "mp3" << qint64(1500);
}

void TestRingtone::render_cutsAndFadesTheTone() {
    QFETCH(Target, target);
    QFETCH(QString, codec);
    QFETCH(qint64, cutMs);
    const int rate = 44100;
    ringtone::Request request;
    request.source = testaudio::writeSineWav(path("song.wav"), {2, rate, 16}, rate * 3);
    request.output = path("tone." + ringtone::extension(target));
    request.target = target;
    request.title = QStringLiteral("song");
    request.cutMs = cutMs;
    const Status made = ringtone::render(request);
    QVERIFY2(made, qPrintable(made.message()));

    auto opened = DecodeStream::open(request.output);
    QVERIFY(opened);
    QCOMPARE((*opened)->codecName(), codec);
    QCOMPARE((*opened)->title(), "song");
    int channels = 0;
    const std::vector<std::int16_t> samples = decodeAll(request.output, &channels);
    QCOMPARE(channels, 2);
    const std::size_t frames = samples.size() / 2;
    const std::size_t expected = std::size_t(cutMs < 0 ? 3 * rate : cutMs * rate / 1000);
    // Within one codec frame (AAC 1024, MP3 1152, Vorbis up to 2048) of the cut.
    QVERIFY2(frames + 2 >= expected && frames <= expected + 2048,
             qPrintable(QStringLiteral("%1 frames, %2 expected").arg(frames).arg(expected)));
    // Full level (0.5 of full scale) before the fade, and almost nothing in its last 10 ms.
    const std::size_t fadeStart = (expected - rate / 2) * 2;
    QVERIFY(peak(samples, fadeStart - rate / 5, fadeStart) > 14000);
    QVERIFY2(peak(samples, (expected - rate / 100) * 2, expected * 2) < 600,
             qPrintable(QString::number(peak(samples, (expected - rate / 100) * 2, expected * 2))));
}

void TestRingtone::render_sourceWithoutSoundWritesNothing() {
    const QTemporaryDir dir;
    ringtone::Request request;
    request.source = testaudio::writeWav(dir.filePath("empty.wav"), {2, 44100, 16}, {});
    request.output = dir.filePath("tone.m4r");
    QCOMPARE(ringtone::render(request).code(), ErrorCode::Empty);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"empty.wav"});
}

void TestRingtone::render_bringsAMonoSourceToTheLoudnessOnTwoChannels() {
    const WavFormat mono{1, 44100, 16};
    QByteArray quiet = testaudio::sinePcm(mono, 44100 * 5, 440);
    for (int i = 0; i < quiet.size() / 2; ++i) {
        const auto v = std::int16_t(std::int16_t(testaudio::le16(quiet, i * 2)) / 20);
        quiet[i * 2] = char(v & 0xFF);
        quiet[i * 2 + 1] = char((v >> 8) & 0xFF);
    }
    ringtone::Request request;
    request.source = testaudio::writeWav(path("quiet.wav"), mono, quiet);
    request.output = path("even.m4r");
    request.target = Target::IPhone;
    request.fadeOutMs = 0;
    request.loudness = true;
    QVERIFY(ringtone::render(request));

    int channels = 0;
    const std::vector<std::int16_t> samples = decodeAll(request.output, &channels);
    QCOMPARE(channels, 2);
    const QString decoded = testaudio::writeWav(
        path("even.wav"), {2, 44100, 16},
        QByteArray(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size() * 2)));
    const auto measured = soundedit::measure(decoded);
    QVERIFY(measured);
    QVERIFY2(std::abs(measured->lufs - ringtone::DefaultLufs) <= 0.5,
             qPrintable(QString::number(measured->lufs)));
    QVERIFY(measured->truePeakDb <= -0.9);
}

QTEST_GUILESS_MAIN(TestRingtone)
#include "tst_ringtone.moc"
