// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_joiner.h"
#include "cliplist/ringtone.h"
#include "cliplist/sound_edit.h"
#include "codec/decode_stream.h"
#include "support/test_audio.h"
#include "wav/fade.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(ringtone::Target)
Q_DECLARE_METATYPE(ringtone::Length)

using ringtone::Length;
using ringtone::Target;

namespace {

double peak(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    int most = 0;
    for (std::size_t i = from; i < to && i < samples.size(); ++i)
        most = std::max(most, std::abs(int(samples[i])));
    return most;
}

// What ffprobe finds in a file: its streams and its container, with their tags.
QJsonObject probe(const QString& path) {
    QByteArray json;
    testaudio::run("ffprobe", {"-v", "error", "-show_streams", "-show_format", "-of", "json", path},
                   &json);
    return QJsonDocument::fromJson(json).object();
}

// The title tag wherever the container keeps it (MP4 and MP3 on the file, Ogg on the stream).
QString titleOf(const QJsonObject& probed) {
    const QString onFile = probed["format"]["tags"]["title"].toString();
    return !onFile.isEmpty() ? onFile : probed["streams"][0]["tags"]["title"].toString();
}

} // namespace

class TestRingtone : public QObject {
    Q_OBJECT
private slots:
    void fadeOut_fallsSmoothlyToSilenceWhateverTheBlocks();
    void withExtension_givesTheTargetsExtension_data();
    void withExtension_givesTheTargetsExtension();
    void checkLength_onlyTheIPhoneHasLimits_data();
    void checkLength_onlyTheIPhoneHasLimits();
    void render_cutsAndFadesTheTone_data();
    void render_cutsAndFadesTheTone();
    void render_shareSheetToneNeverPasses29_9s();
    void render_loopRunsFromItsEndIntoItsHead_data();
    void render_loopRunsFromItsEndIntoItsHead();
    void render_sourceWithoutSoundWritesNothing();
    void render_ofAStretchIsThatStretchOfTheWholeDecode();
    void render_bringsAMonoSourceToTheLoudnessOnTwoChannels();
    void render_ofJoinedFilesIsTheirJoin();

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

void TestRingtone::withExtension_givesTheTargetsExtension_data() {
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("right one kept") << Target::IPhoneShare << "/t/a.M4R"
                                    << "/t/a.M4R";
    QTest::newRow("another replaced") << Target::IPhoneFinder << "/t/a.ogg"
                                      << "/t/a.m4r";
    QTest::newRow("none added") << Target::AndroidOgg << "/t/a"
                                << "/t/a.ogg";
    QTest::newRow("dot in a folder") << Target::AndroidMp3 << "/t.d/a"
                                     << "/t.d/a.mp3";
    QTest::newRow("name with a dot") << Target::AndroidMp3 << "/t/Mr. Blue"
                                     << "/t/Mr. Blue.mp3";
    QTest::newRow("version number") << Target::AndroidOgg << "/t/v1.2"
                                    << "/t/v1.2.ogg";
}

void TestRingtone::withExtension_givesTheTargetsExtension() {
    QFETCH(Target, target);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QCOMPARE(ringtone::withExtension(typed, target), saved);
}

void TestRingtone::checkLength_onlyTheIPhoneHasLimits_data() {
    QTest::addColumn<Target>("target");
    QTest::addColumn<qint64>("lengthMs");
    QTest::addColumn<Length>("length");
    QTest::newRow("share sheet 29.9 s") << Target::IPhoneShare << qint64(29900) << Length::Fits;
    QTest::newRow("share sheet 29.901 s") << Target::IPhoneShare << qint64(29901) << Length::Cut;
    QTest::newRow("share sheet 5 min") << Target::IPhoneShare << qint64(300000) << Length::Cut;
    QTest::newRow("Finder 30 s") << Target::IPhoneFinder << qint64(30000) << Length::Fits;
    QTest::newRow("Finder 30.001 s") << Target::IPhoneFinder << qint64(30001) << Length::Long;
    QTest::newRow("Finder 40 s") << Target::IPhoneFinder << qint64(40000) << Length::Long;
    QTest::newRow("Finder 40.001 s") << Target::IPhoneFinder << qint64(40001) << Length::TooLong;
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
    QTest::newRow("iPhone share sheet, first 2 s") << Target::IPhoneShare << "aac" << qint64(2000);
    QTest::newRow("iPhone Finder, first 1.234 s") << Target::IPhoneFinder << "aac" << qint64(1234);
    QTest::newRow("Android ogg, whole") << Target::AndroidOgg << "vorbis" << qint64(-1);
    QTest::newRow("Android mp3, first 1.5 s") << Target::AndroidMp3 << "mp3" << qint64(1500);
}

// Every target: exactly the frames cut (an MP4's edit list says so, the others decode to
// them), the title, no picture, full level before the fade and silence at its end.
void TestRingtone::render_cutsAndFadesTheTone() {
    QFETCH(Target, target);
    QFETCH(QString, codec);
    QFETCH(qint64, cutMs);
    const int rate = 44100;
    const std::int64_t sourceFrames = 3 * rate + 17;
    ringtone::Request request;
    request.source = testaudio::writeSineWav(path("song.wav"), {2, rate, 16}, sourceFrames);
    request.output = path("tone." + ringtone::extension(target));
    request.target = target;
    request.title = QStringLiteral("Wake Up");
    request.cutMs = cutMs;
    const Status made = ringtone::render(request);
    QVERIFY2(made, qPrintable(made.message()));

    const std::int64_t expected = cutMs < 0 ? sourceFrames : cutMs * rate / 1000;
    QCOMPARE(testaudio::soundFrames(request.output), expected);
    const QJsonObject probed = probe(request.output);
    const QJsonArray streams = probed["streams"].toArray();
    QCOMPARE(streams.size(), 1);
    QCOMPARE(streams[0]["codec_type"].toString(), "audio");
    QCOMPARE(streams[0]["codec_name"].toString(), codec);
    QCOMPARE(titleOf(probed), "Wake Up");

    int channels = 0;
    const std::vector<std::int16_t> samples = testaudio::decodeAll(request.output, &channels);
    QCOMPARE(channels, 2);
    // Full level (0.5 of full scale) before the fade, and almost nothing in its last 10 ms.
    const std::size_t fadeStart = std::size_t(expected - rate / 2) * 2;
    QVERIFY(peak(samples, fadeStart - rate / 5, fadeStart) > 14000);
    const std::size_t end = std::size_t(expected) * 2;
    QVERIFY2(peak(samples, end - rate / 100 * 2, end) < 600,
             qPrintable(QString::number(peak(samples, end - rate / 100 * 2, end))));
}

// The share sheet takes only sounds under 30 s, whatever the caller asked for.
void TestRingtone::render_shareSheetToneNeverPasses29_9s() {
    const WavFormat small{1, 8000, 16};
    ringtone::Request request;
    request.source = testaudio::writeSineWav(path("long.wav"), small, 8000 * 31);
    request.output = path("long.m4r");
    request.target = Target::IPhoneShare;
    QVERIFY(ringtone::render(request));
    QCOMPARE(testaudio::soundFrames(request.output), 44100 * ringtone::IPhoneShareLimitMs / 1000);
}

void TestRingtone::render_loopRunsFromItsEndIntoItsHead_data() {
    QTest::addColumn<qint64>("sourceFrames");
    QTest::addColumn<QList<qint64>>("barsMs");
    QTest::addColumn<qint64>("cutMs");
    QTest::addColumn<qint64>("loopFrames");
    // The sine is at a peak 1.5 s in, where each loop below wraps: without the crossfade
    // the wrap would jump from the peak to the sine's start at 0.
    const qint64 wrap = 66150;
    const qint64 crossfade = ringtone::LoopCrossfadeMs * 44100 / 1000;
    QTest::newRow("on the last bar, sound after it")
        << qint64(2 * 44100) << QList<qint64>{0, 500, 1000, 1500} << qint64(1700) << wrap;
    QTest::newRow("to the source's end, its tail folded in")
        << wrap + crossfade << QList<qint64>{} << qint64(-1) << wrap;
}

// A loop tone: exactly its length, ANDROID_LOOP in the Ogg file, no fade-out, and a wrap
// from its last frame to its first no larger than most steps between its frames.
void TestRingtone::render_loopRunsFromItsEndIntoItsHead() {
    QFETCH(qint64, sourceFrames);
    QFETCH(QList<qint64>, barsMs);
    QFETCH(qint64, cutMs);
    QFETCH(qint64, loopFrames);
    const double frequencyHz = 660.25 / 1.5;
    ringtone::Request request;
    request.source =
        testaudio::writeSineWav(path("beat.wav"), {1, 44100, 16}, sourceFrames, frequencyHz);
    request.output = path("loop.ogg");
    request.target = Target::AndroidOgg;
    request.cutMs = cutMs;
    request.loop = true;
    request.barsMs.assign(barsMs.begin(), barsMs.end());
    QVERIFY(ringtone::render(request));

    QCOMPARE(probe(request.output)["streams"][0]["tags"]["ANDROID_LOOP"].toString(), "true");
    int channels = 0;
    const std::vector<std::int16_t> samples = testaudio::decodeAll(request.output, &channels);
    QCOMPARE(std::int64_t(samples.size()), loopFrames);
    std::vector<int> steps;
    for (std::size_t i = 1; i < samples.size(); ++i)
        steps.push_back(std::abs(samples[i] - samples[i - 1]));
    std::sort(steps.begin(), steps.end());
    const int wrapStep = std::abs(samples.front() - samples.back());
    // Played for the user to hear its seams: the same sound, three times in a row.
    const Result<QByteArray> image = ringtone::repeatedImage(request, 3);
    QVERIFY(image);
    const qsizetype loopBytes = qsizetype(loopFrames) * 2;
    QCOMPARE(image->size(), WavHeader::Size + 3 * loopBytes);
    QCOMPARE(image->mid(WavHeader::Size + 2 * loopBytes), image->mid(WavHeader::Size, loopBytes));
    QVERIFY2(wrapStep <= steps[steps.size() * 95 / 100],
             qPrintable(QStringLiteral("wrap %1, 95th percentile %2")
                            .arg(wrapStep)
                            .arg(steps[steps.size() * 95 / 100])));
}

void TestRingtone::render_sourceWithoutSoundWritesNothing() {
    const QTemporaryDir dir;
    ringtone::Request request;
    request.source = testaudio::writeWav(dir.filePath("empty.wav"), {2, 44100, 16}, {});
    request.output = dir.filePath("tone.m4r");
    QCOMPARE(ringtone::render(request).code(), ErrorCode::Empty);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"empty.wav"});
}

// A tone of a stretch reads only the stretch, yet is the tone of the same frames cut from the
// whole sound: decoded from an MP3 after a seek, or read from a clip file.
void TestRingtone::render_ofAStretchIsThatStretchOfTheWholeDecode() {
    if (!testaudio::haveProgram("lame"))
        QSKIP("lame makes the MP3");
    const WavFormat cd{2, 44100, 16};
    const QString wav = testaudio::writeSineWav(path("long.wav"), cd, 10 * 44100, 523.25);
    QCOMPARE(testaudio::run("lame", {"--quiet", "-b", "128", wav, path("long.mp3")}), 0);
    int channels = 0;
    const std::vector<std::int16_t> whole = testaudio::decodeAll(path("long.mp3"), &channels);
    const QByteArray wholePcm(reinterpret_cast<const char*>(whole.data()),
                              qsizetype(whole.size() * 2));
    testaudio::writeWav(path("whole.wav"), cd, wholePcm);
    testaudio::writeWav(path("cut.wav"), cd, wholePcm.mid(6 * 44100 * 4, 2 * 44100 * 4));

    ringtone::Request request;
    request.loudness = true;
    request.startMs = 6000;
    request.lengthMs = 2000;
    request.source = path("long.mp3");
    const Result<QByteArray> fromMp3 = ringtone::repeatedImage(request, 1);
    request.source = path("whole.wav");
    const Result<QByteArray> fromClip = ringtone::repeatedImage(request, 1);
    request.source = path("cut.wav");
    request.startMs = 0;
    request.lengthMs = -1;
    const Result<QByteArray> fromCut = ringtone::repeatedImage(request, 1);
    QVERIFY(fromMp3 && fromClip && fromCut);
    QCOMPARE(fromCut->size(), WavHeader::Size + 2 * 44100 * 4);
    // The MP3 decoder, started half a second early, gives the same samples to the bit.
    QVERIFY(*fromMp3 == *fromCut);
    QVERIFY(*fromClip == *fromCut);
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
    request.target = Target::IPhoneShare;
    request.fadeOutMs = 0;
    request.loudness = true;
    QVERIFY(ringtone::render(request));

    int channels = 0;
    const std::vector<std::int16_t> samples = testaudio::decodeAll(request.output, &channels);
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

// A tone of the whole list reads the clips one after another, converting as the join does.
void TestRingtone::render_ofJoinedFilesIsTheirJoin() {
    const WavFormat cd{2, 44100, 16};
    const QStringList clips{
        testaudio::writeWav(path("a.wav"), cd, testaudio::noisePcm(cd, 44100, 1)),
        testaudio::writeSineWav(path("b.wav"), {1, 22050, 8}, 22050, 440.0),
        testaudio::writeWav(path("c.wav"), cd, testaudio::noisePcm(cd, 22050, 2))};
    QVERIFY(ClipJoiner().join(clips, path("joined.wav")));
    ringtone::Request request;
    request.fadeOutMs = 0;
    request.joined = {clips.begin(), clips.end()};
    const Result<QByteArray> tone = ringtone::repeatedImage(request, 1);
    QVERIFY2(tone, qPrintable(tone.status().message()));
    const QByteArray joined = testaudio::readAll(path("joined.wav")).mid(WavHeader::Size);
    const QByteArray pcm = tone->mid(WavHeader::Size);
    QVERIFY2(std::abs(pcm.size() - joined.size()) <= 2 * cd.blockAlign(),
             qPrintable(QStringLiteral("%1 against %2 bytes").arg(pcm.size()).arg(joined.size())));
    const qsizetype common = std::min(pcm.size(), joined.size());
    QVERIFY(pcm.left(common) == joined.left(common));
}

QTEST_GUILESS_MAIN(TestRingtone)
#include "tst_ringtone.moc"
