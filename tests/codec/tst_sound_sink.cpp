// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/decode_stream.h"
#include "codec/sound_sink.h"
#include "support/test_audio.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ErrorCode)
Q_DECLARE_METATYPE(WavFormat)

namespace {

struct ReadBack {
    QString codec;
    QString title;
    int rateHz = 0;
    int channels = 0;
};

// What the program's own decoder finds in a file.
ReadBack readBack(const QString& path) {
    auto opened = DecodeStream::open(path);
    if (!opened)
        return {};
    DecodeStream& stream = **opened;
    return {stream.codecName(), stream.title(), stream.sampleRateHz(), stream.channels()};
}

} // namespace

class TestSoundSink : public QObject {
    Q_OBJECT
private slots:
    void encode_readsBackAsTheCodecItNames_data();
    void encode_readsBackAsTheCodecItNames();
    void encode_failureLeavesNothingBehind_data();
    void encode_failureLeavesNothingBehind();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestSoundSink::encode_readsBackAsTheCodecItNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<WavFormat>("input");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<int>("rateHz");
    QTest::addColumn<int>("channels");
    const WavFormat cd{2, 44100, 16};
    const WavFormat phone{1, 22050, 8};
    QTest::newRow("m4r") << "tone.m4r" << cd << "aac" << 44100 << 2;
    QTest::newRow("m4a from 22050 Hz mono 8-bit") << "tone.m4a" << phone << "aac" << 44100 << 2;
    QTest::newRow("ogg") << "tone.ogg" << cd << "vorbis" << 44100 << 2;
    QTest::newRow("ogg from 22050 Hz mono") << "tone.ogg" << phone << "vorbis" << 44100 << 1;
    QTest::newRow("ogg from 96000 Hz")
        << "tone.ogg" << WavFormat{2, 96000, 16} << "vorbis" << 48000 << 2;
    QTest::newRow("opus") << "tone.opus" << cd << "opus" << 48000 << 2;
    QTest::newRow("flac") << "tone.flac" << phone << "flac" << 22050 << 1;
    QTest::newRow("mp3 with an ID3v2 title") << "tone.mp3" << cd << "mp3" << 44100 << 2;
}

void TestSoundSink::encode_readsBackAsTheCodecItNames() {
    QFETCH(QString, name);
    QFETCH(WavFormat, input);
    QFETCH(QString, codec);
    QFETCH(int, rateHz);
    QFETCH(int, channels);
    // Not a whole number of milliseconds nor of any codec's frames; short enough for one
    // Ogg page of the muxer's usual size.
    const std::int64_t frames = input.sampleRateHz * 7 / 10 + 7;
    const QString source = testaudio::writeSineWav(path("in.wav"), input, frames);
    const QString title = QStringLiteral("Morgenröte – 朝");
    const QString target = path(name);
    const Status encoded =
        encodeFile(source, target, EncodeSettings{*codecForPath(target), 128, title});
    QVERIFY2(encoded, qPrintable(encoded.message()));

    const ReadBack back = readBack(target);
    QCOMPARE(back.codec, codec);
    QCOMPARE(back.rateHz, rateHz);
    QCOMPARE(back.channels, channels);
    QCOMPARE(back.title, title);
    // Exactly the frames written, at the file's rate to the nearest frame.
    const std::int64_t expected = (frames * rateHz + input.sampleRateHz / 2) / input.sampleRateHz;
    QCOMPARE(testaudio::soundFrames(target), expected);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"in.wav", name}));
    QVERIFY(QFile::remove(target));
}

void TestSoundSink::encode_failureLeavesNothingBehind_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("kbps");
    QTest::addColumn<ErrorCode>("code");
    QTest::newRow("Vorbis refuses the bit rate") << "x.ogg" << 1000 << ErrorCode::IllegalParam;
    QTest::newRow("Opus refuses the bit rate") << "x.opus" << 1000 << ErrorCode::IllegalParam;
    QTest::newRow("folder missing") << "none/x.m4r" << 128 << ErrorCode::Create;
    QTest::newRow("MP3 folder missing") << "none/x.mp3" << 128 << ErrorCode::Create;
}

void TestSoundSink::encode_failureLeavesNothingBehind() {
    QFETCH(QString, target);
    QFETCH(int, kbps);
    QFETCH(ErrorCode, code);
    const QString source = testaudio::writeSineWav(path("in.wav"), {2, 44100, 16}, 4410);
    const Status encoded =
        encodeFile(source, path(target), EncodeSettings{*codecForPath(target), kbps, {}});
    QCOMPARE(encoded.code(), code);
    QVERIFY2(encoded.message().contains(path(target)), qPrintable(encoded.message()));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"in.wav"});
}

QTEST_GUILESS_MAIN(TestSoundSink)
#include "tst_sound_sink.moc"
