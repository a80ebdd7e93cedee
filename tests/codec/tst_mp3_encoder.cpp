// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/decode_stream.h"
#include "codec/mp3_encoder.h"
#include "support/small_disk.h"
#include "support/test_audio.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(WavFormat)

namespace {

// What the frame headers of an MP3 file say, read the way a player finds its frames.
struct FrameScan {
    int frames = 0;
    int firstBitRate = 0;
    QSet<int> laterBitRates; // every frame after the first (the Info tag frame)
    int sampleRateHz = 0;
    int channels = 0;
    bool infoTag = false;
};

FrameScan scanFrames(const QByteArray& mp3) {
    static const int mpeg1Rates[] = {0,   32,  40,  48,  56,  64,  80, 96,
                                     112, 128, 160, 192, 224, 256, 320};
    static const int mpeg2Rates[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static const int baseRates[] = {44100, 48000, 32000};
    FrameScan scan;
    int at = 0;
    while (at + 4 <= mp3.size()) {
        const auto b = [&](int i) { return std::uint8_t(mp3[at + i]); };
        if (b(0) != 0xFF || (b(1) & 0xE0) != 0xE0)
            break;
        const int version = (b(1) >> 3) & 3; // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
        const int rateIndex = (b(2) >> 2) & 3;
        const int bitIndex = b(2) >> 4;
        if (version == 1 || ((b(1) >> 1) & 3) != 1 || rateIndex == 3 || bitIndex == 0 ||
            bitIndex == 15)
            break;
        const bool mpeg1 = version == 3;
        const int kbps = mpeg1 ? mpeg1Rates[bitIndex] : mpeg2Rates[bitIndex];
        const int rate = baseRates[rateIndex] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
        const int padding = (b(2) >> 1) & 1;
        if (scan.frames == 0) {
            scan.firstBitRate = kbps;
            scan.sampleRateHz = rate;
            scan.channels = (b(3) >> 6) == 3 ? 1 : 2;
            scan.infoTag = mp3.mid(at, 200).contains("Info");
        } else {
            scan.laterBitRates.insert(kbps);
        }
        ++scan.frames;
        at += (mpeg1 ? 144 : 72) * kbps * 1000 / rate + padding;
    }
    return at == mp3.size() ? scan : FrameScan{};
}

qint64 decodedFrames(const QString& path) {
    auto stream = DecodeStream::open(path);
    if (!stream)
        return -1;
    std::vector<char> block(1 << 16);
    qint64 bytes = 0;
    while ((*stream)->isActive()) {
        const auto got = (*stream)->getData(block.data(), ByteCount(block.size()));
        if (!got)
            return -1;
        bytes += *got;
    }
    return bytes / (*stream)->outputFormat().blockAlign();
}

constexpr WavFormat Stereo44k{2, 44100, 16};
constexpr int SpfMpeg1 = 1152;

} // namespace

class TestMp3Encoder : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

    // Runs one job to its end; returns the one EncodeFinished's arguments.
    QList<QVariant> encodeOne(Mp3Encoder& encoder, const QString& in, const QString& out) {
        QSignalSpy finished(&encoder, &Mp3Encoder::EncodeFinished);
        [&] { QCOMPARE(encoder.EncodeFile(in, out), short(0)); }();
        encoder.waitForDone();
        if (finished.size() != 1)
            return {};
        return finished.first();
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void bitRate_isConstantAtTheRateSet_data() {
        QTest::addColumn<int>("kbps");
        for (int kbps : {56, 96, 128, 256})
            QTest::newRow(qPrintable(QString::number(kbps))) << kbps;
    }
    void bitRate_isConstantAtTheRateSet() {
        QFETCH(int, kbps);
        testaudio::writeSineWav(path("in.wav"), Stereo44k, 44100);
        Mp3Encoder encoder;
        encoder.setBitRate(kbps);
        const auto finished = encodeOne(encoder, path("in.wav"), path("out.mp3"));
        QCOMPARE(finished.value(0).toBool(), true);
        const FrameScan scan = scanFrames(testaudio::readAll(path("out.mp3")));
        QVERIFY(scan.frames > 38);
        QCOMPARE(scan.laterBitRates, QSet<int>{kbps});
        QCOMPARE(scan.sampleRateHz, 44100);
    }

    void defaultBitRate_is128() {
        Mp3Encoder encoder;
        QCOMPARE(encoder.BitRate(), 128);
        testaudio::writeSineWav(path("in.wav"), Stereo44k, 4410);
        QVERIFY(encodeOne(encoder, path("in.wav"), path("out.mp3")).value(0).toBool());
        QCOMPARE(scanFrames(testaudio::readAll(path("out.mp3"))).laterBitRates, QSet<int>{128});
    }

    void infoTag_makesTheDecodedLengthTheInputLength_data() {
        QTest::addColumn<WavFormat>("format");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("kbps");
        QTest::newRow("stereo 44100") << Stereo44k << 44100 + 555 << 128;
        QTest::newRow("stereo 48000 at 256") << WavFormat{2, 48000, 16} << 12345 << 256;
        QTest::newRow("mono 44100 at 56") << WavFormat{1, 44100, 16} << 20000 << 56;
        QTest::newRow("mono 22050") << WavFormat{1, 22050, 16} << 22050 << 128;
        QTest::newRow("mono 8-bit 8000") << WavFormat{1, 8000, 8} << 8000 + 3 << 56;
    }
    void infoTag_makesTheDecodedLengthTheInputLength() {
        QFETCH(WavFormat, format);
        QFETCH(int, frames);
        QFETCH(int, kbps);
        testaudio::writeSineWav(path("in.wav"), format, frames);
        Mp3Encoder encoder;
        encoder.setBitRate(kbps);
        QVERIFY(encodeOne(encoder, path("in.wav"), path("out.mp3")).value(0).toBool());
        const FrameScan scan = scanFrames(testaudio::readAll(path("out.mp3")));
        QCOMPARE(scan.sampleRateHz, format.sampleRateHz);
        QCOMPARE(scan.channels, format.channels);
        QVERIFY(scan.infoTag);
        // The Info tag's delay and padding let the decoder drop exactly what LAME added;
        // one MP3 frame of slack allows for a decoder that rounds to whole frames.
        const qint64 decoded = decodedFrames(path("out.mp3"));
        QVERIFY2(qAbs(decoded - frames) <= SpfMpeg1, qPrintable(QString::number(decoded)));
    }

    void stereoAt56_hasNoRoomForTheTagAndDecodesLonger() {
        testaudio::writeSineWav(path("in.wav"), Stereo44k, 44100);
        Mp3Encoder encoder;
        encoder.setBitRate(56);
        QVERIFY(encodeOne(encoder, path("in.wav"), path("out.mp3")).value(0).toBool());
        // A 56 kbit/s frame at 44100 Hz holds 182 bytes; the stereo side information and
        // LAME's tag need 192, so LAME leaves the tag out and the decoder keeps the encoder
        // delay and padding: less than two frames more than the input.
        const FrameScan scan = scanFrames(testaudio::readAll(path("out.mp3")));
        QVERIFY(!scan.infoTag);
        const qint64 extra = decodedFrames(path("out.mp3")) - 44100;
        QVERIFY2(extra > 0 && extra < 2 * SpfMpeg1, qPrintable(QString::number(extra)));
    }

    void anyReadableInput_isEncoded_data() {
        QTest::addColumn<QStringList>("makeInput");
        QTest::newRow("24-bit extensible WAV")
            << QStringList{"sox", "IN", "-b", "24", "-e", "signed", "OUT.wav"};
        QTest::newRow("float WAV") << QStringList{"ffmpeg", "-v",   "error",     "-y",     "-i",
                                                  "IN",     "-c:a", "pcm_f32le", "OUT.wav"};
        QTest::newRow("FLAC") << QStringList{"ffmpeg", "-v", "error", "-y", "-i", "IN", "OUT.flac"};
        QTest::newRow("six channels")
            << QStringList{"ffmpeg", "-v", "error", "-y", "-i", "IN", "-ac", "6", "OUT.wav"};
    }
    void anyReadableInput_isEncoded() {
        QFETCH(QStringList, makeInput);
        if (!testaudio::haveProgram(makeInput.first()))
            QSKIP("the tool that makes this input is missing");
        testaudio::writeSineWav(path("in.wav"), Stereo44k, 44100);
        QString made;
        for (QString& arg : makeInput) {
            if (arg == "IN")
                arg = path("in.wav");
            else if (arg.startsWith("OUT"))
                arg = made = path("made" + arg.mid(3));
        }
        QCOMPARE(testaudio::run(makeInput.takeFirst(), makeInput), 0);
        Mp3Encoder encoder;
        const auto finished = encodeOne(encoder, made, path("out.mp3"));
        QVERIFY2(finished.value(0).toBool(), qPrintable(finished.value(1).toString()));
        const FrameScan scan = scanFrames(testaudio::readAll(path("out.mp3")));
        QCOMPARE(scan.channels, 2);
        QVERIFY(qAbs(decodedFrames(path("out.mp3")) - 44100) <= SpfMpeg1);
    }

    void twoQueuedJobs_finishInOrderOnTheOwnerThread() {
        testaudio::writeSineWav(path("a.wav"), Stereo44k, 44100);
        testaudio::writeSineWav(path("b.wav"), {1, 22050, 16}, 22050);
        Mp3Encoder encoder;
        QList<QThread*> threads;
        connect(&encoder, &Mp3Encoder::EncodeFinished, this,
                [&] { threads << QThread::currentThread(); });
        QSignalSpy finished(&encoder, &Mp3Encoder::EncodeFinished);
        QCOMPARE(encoder.EncodeFile(path("a.wav"), path("a.mp3")), short(0));
        QCOMPARE(encoder.EncodeFile(path("b.wav"), path("b.mp3")), short(0));
        QCOMPARE(encoder.StatusCode(), short(0));
        // Delivered through the event loop only, never from the worker directly.
        QCOMPARE(finished.size(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 60000);
        QCOMPARE(finished.at(0).at(2).toString(), path("a.mp3"));
        QCOMPARE(finished.at(1).at(2).toString(), path("b.mp3"));
        QVERIFY(finished.at(0).at(0).toBool() && finished.at(1).at(0).toBool());
        QCOMPARE(threads, (QList<QThread*>{thread(), thread()}));
        QTest::qWait(50);
        QCOMPARE(finished.size(), 2);
    }

    void refusedJob_givesStatusCodeAndNoSignal_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<ErrorCode>("code");
        QTest::newRow("empty input") << QString() << "out.mp3" << ErrorCode::IllegalParam;
        QTest::newRow("empty output") << "in.wav" << QString() << ErrorCode::IllegalParam;
        QTest::newRow("missing input") << "missing.wav"
                                       << "out.mp3" << ErrorCode::FileOpen;
        QTest::newRow("folder input") << "."
                                      << "out.mp3" << ErrorCode::NotFile;
        QTest::newRow("output is the input") << "in.wav"
                                             << "in.wav" << ErrorCode::IllegalParam;
    }
    void refusedJob_givesStatusCodeAndNoSignal() {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(ErrorCode, code);
        testaudio::writeSineWav(path("in.wav"), Stereo44k, 100);
        const auto inDir = [&](const QString& name) { return name.isEmpty() ? name : path(name); };
        Mp3Encoder encoder;
        QSignalSpy finished(&encoder, &Mp3Encoder::EncodeFinished);
        QCOMPARE(encoder.EncodeFile(inDir(input), inDir(output)), short(code));
        QCOMPARE(encoder.StatusCode(), short(code));
        encoder.waitForDone();
        QCOMPARE(finished.size(), 0);
    }

    void failedJob_reportsTheFileAndLeavesNoMp3_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("named");
        QTest::newRow("not sound") << "text.wav"
                                   << "out.mp3"
                                   << "text.wav";
        QTest::newRow("empty file") << "empty.wav"
                                    << "out.mp3"
                                    << "empty.wav";
        QTest::newRow("unwritable target") << "in.wav"
                                           << "plain/out.mp3"
                                           << "plain/out.mp3";
    }
    void failedJob_reportsTheFileAndLeavesNoMp3() {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, named);
        for (const QString& name : files())
            QFile::remove(path(name));
        testaudio::writeSineWav(path("in.wav"), Stereo44k, 4410);
        testaudio::writeAll(path("text.wav"), QByteArray("not a sound at all\n").repeated(50));
        testaudio::writeAll(path("empty.wav"), {});
        // A regular file where a folder should be: nothing can be created in it.
        testaudio::writeAll(path("plain"), "x");
        const QByteArray old("an older MP3 that must survive");
        testaudio::writeAll(path("out.mp3"), old);
        const QStringList before = files();

        Mp3Encoder encoder;
        const auto finished = encodeOne(encoder, path(input), path(output));
        QCOMPARE(finished.size(), 3);
        QCOMPARE(finished.at(0).toBool(), false);
        QVERIFY2(finished.at(1).toString().contains(path(named)),
                 qPrintable(finished.at(1).toString()));
        QCOMPARE(testaudio::readAll(path("out.mp3")), old);
        QCOMPARE(files(), before);
    }

    void fullDisk_givesOkFalseAndKeepsTheOldFile() {
        SmallDisk disk(32);
        if (!disk.isValid())
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        const QString target = disk.filePath("out.mp3");
        testaudio::writeAll(target, "old");
        testaudio::writeSineWav(path("in.wav"), Stereo44k, 44100 * 5);
        Mp3Encoder encoder;
        const auto finished = encodeOne(encoder, path("in.wav"), target);
        QCOMPARE(finished.value(0).toBool(), false);
        QVERIFY(finished.value(1).toString().contains(target));
        QCOMPARE(testaudio::readAll(target), QByteArray("old"));
        QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"out.mp3"});
    }

    void destroyingTheEncoder_dropsItsJobsAndLeavesNoFiles() {
        testaudio::writeSineWav(path("long.wav"), Stereo44k, 44100 * 20);
        const QStringList before = files();
        {
            Mp3Encoder encoder;
            for (int i = 0; i < 3; ++i)
                QCOMPARE(encoder.EncodeFile(path("long.wav"), path(QString("out%1.mp3").arg(i))),
                         short(0));
        }
        QCoreApplication::processEvents();
        for (int i = 0; i < 3; ++i)
            QVERIFY(!QFileInfo::exists(path(QString("out%1.mp3").arg(i))));
        QCOMPARE(files(), before);
    }
};

QTEST_GUILESS_MAIN(TestMp3Encoder)
#include "tst_mp3_encoder.moc"
