// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/decode_stream.h"
#include "support/test_audio.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using testaudio::run;

Q_DECLARE_METATYPE(WavFormat)
Q_DECLARE_METATYPE(ErrorCode)

namespace {

constexpr WavFormat Stereo44k{2, 44100, 16};
constexpr WavFormat Mono22k{1, 22050, 16};
constexpr WavFormat Mono8k8bit{1, 8000, 8};

// Decodes the whole stream in the decoder's 20000-byte requests.
QByteArray decodeAll(DecodeStream& stream, Status* failure = nullptr) {
    QByteArray all;
    char block[20000];
    while (stream.isActive()) {
        auto got = stream.getData(block, sizeof block);
        if (!got) {
            if (failure)
                *failure = got.status();
            break;
        }
        all.append(block, qsizetype(*got));
    }
    return all;
}

// What the ffmpeg tool makes of the same file: raw s16le, or u8 for 8-bit sources.
QByteArray ffmpegSamples(const QString& path, bool eightBit) {
    QByteArray out;
    const int rc = run(QStringLiteral("ffmpeg"),
                       {"-v", "error", "-i", path, "-f", eightBit ? "u8" : "s16le", "-"}, &out);
    return rc == 0 ? out : QByteArray();
}

bool tool(const QString& program, const QStringList& args) {
    return run(program, args) == 0;
}

QByteArray randomBytes(int size, quint32 seed) {
    QRandomGenerator rng(seed);
    QByteArray b(size, Qt::Uninitialized);
    for (auto& c : b)
        c = char(rng.bounded(256));
    return b;
}

// A canonical header whose format fields are then damaged by the caller.
QByteArray wavImage(const WavFormat& format, int frames) {
    WavHeader h = WavHeader::forFormat(format);
    const QByteArray pcm = testaudio::sinePcm(format, frames);
    h.setDataSize(pcm.size());
    const auto head = h.bytes();
    return QByteArray(head.data(), WavHeader::Size) + pcm;
}

void putLe(QByteArray& b, int offset, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        b[offset + i] = char((value >> (8 * i)) & 0xFF);
}

// A four-channel ProTracker module: one looped square-wave sample played for 16 rows.
QByteArray squareWaveModule() {
    QByteArray mod(1084, '\0');
    std::memcpy(mod.data(), "square test", 11);
    const int sample = 20; // first sample header
    std::memcpy(mod.data() + sample, "square", 6);
    mod[sample + 22] = 0;
    mod[sample + 23] = 16; // length 16 words
    mod[sample + 25] = 64; // volume
    mod[sample + 29] = 16; // loop length 16 words from 0
    mod[950] = 1;          // song length
    mod[951] = 127;
    std::memcpy(mod.data() + 1080, "M.K.", 4);
    QByteArray pattern(64 * 4 * 4, '\0');
    const int period = 428;
    pattern[0] = char(period >> 8);
    pattern[1] = char(period & 0xFF);
    pattern[2] = char(1 << 4);
    const int breakCell = 15 * 16;
    pattern[breakCell + 2] = 0x0D; // pattern break: the song ends after row 15
    QByteArray data(32, '\0');
    for (int i = 0; i < 32; ++i)
        data[i] = char(i < 16 ? 100 : -100);
    return mod + pattern + data;
}

} // namespace

class TestDecodeStream : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString sineWav(const QString& name, const WavFormat& format, std::int64_t frames) const {
        return testaudio::writeSineWav(path(name), format, frames);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        for (const char* program : {"ffmpeg", "lame", "sox"}) {
            if (!testaudio::haveProgram(QString::fromLatin1(program)))
                QSKIP("the ffmpeg, lame and sox tools are needed to make the test files");
        }
    }

    void decode_matchesFfmpegSampleForSample_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<WavFormat>("expected");

        const QString stereo = sineWav("stereo.wav", Stereo44k, 3 * 44100 + 123);
        const QString mono = sineWav("mono.wav", Mono22k, 22050 * 2 + 7);
        const QString byte = sineWav("byte.wav", Mono8k8bit, 8000 * 2);

        QVERIFY(tool("lame", {"--quiet", "-b", "128", stereo, path("lame.mp3")}));
        QVERIFY(tool("ffmpeg", {"-v", "error", "-y", "-i", mono, "-c:a", "libmp3lame", "-b:a",
                                "64k", path("ffmpeg-mono.mp3")}));
        QVERIFY(tool("sox", {stereo, "-b", "24", path("sox-24.wav")}));
        QVERIFY(tool("ffmpeg",
                     {"-v", "error", "-y", "-i", stereo, "-c:a", "pcm_f32le", path("float.wav")}));
        QVERIFY(tool("ffmpeg", {"-v", "error", "-y", "-i", stereo, path("stereo.flac")}));
        QVERIFY(tool("sox", {mono, "-b", "24", path("mono-24.flac")}));

        QTest::newRow("mp3 by lame") << path("lame.mp3") << Stereo44k;
        QTest::newRow("mp3 mono 22050") << path("ffmpeg-mono.mp3") << Mono22k;
        QTest::newRow("wav 16-bit") << stereo << Stereo44k;
        QTest::newRow("wav 8-bit stays 8-bit") << byte << Mono8k8bit;
        QTest::newRow("wav 24-bit extensible") << path("sox-24.wav") << Stereo44k;
        QTest::newRow("wav float") << path("float.wav") << Stereo44k;
        QTest::newRow("flac 16-bit") << path("stereo.flac") << Stereo44k;
        QTest::newRow("flac 24-bit") << path("mono-24.flac") << Mono22k;
    }
    void decode_matchesFfmpegSampleForSample() {
        QFETCH(QString, file);
        QFETCH(WavFormat, expected);
        auto stream = DecodeStream::open(file);
        QVERIFY2(stream, qPrintable(stream.status().message()));
        QCOMPARE((*stream)->outputFormat(), expected);
        Status failure;
        const QByteArray ours = decodeAll(**stream, &failure);
        QVERIFY2(failure.isOk(), qPrintable(failure.message()));
        const QByteArray theirs = ffmpegSamples(file, expected.bitsPerSample == 8);
        QVERIFY(!theirs.isEmpty());
        QCOMPARE(ours.size(), theirs.size());
        QVERIFY(ours == theirs);
        QCOMPARE((*stream)->positionBytes(), ByteCount(ours.size()));
        QCOMPARE((*stream)->lengthBytes(), ByteCount(ours.size()));
    }

    void mp3WithLameTag_decodesGapless() {
        const std::int64_t frames = 44100 + 777;
        const QString wav = sineWav("gapless.wav", Stereo44k, frames);
        QVERIFY(tool("lame", {"--quiet", "-b", "128", wav, path("gapless.mp3")}));
        auto stream = DecodeStream::open(path("gapless.mp3"));
        QVERIFY(stream);
        // The Info tag names the encoder delay and padding, so nothing is added or lost.
        QCOMPARE(decodeAll(**stream).size(), qsizetype(frames * 4));
    }

    void otherFormats_decodeToTheirLength_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("rateHz");
        const QString wav = sineWav("source.wav", Stereo44k, 2 * 44100);
        const auto encode = [&](const QString& name, const QStringList& codec) {
            QVERIFY(tool("ffmpeg", QStringList{"-v", "error", "-y", "-i", wav} + codec +
                                       QStringList{path(name)}));
        };
        encode("vorbis.ogg", {"-c:a", "libvorbis"});
        encode("aac.m4a", {"-c:a", "aac"});
        encode("opus.opus", {"-c:a", "libopus"});
        encode("pcm.aiff", {});
        QTest::newRow("ogg vorbis") << path("vorbis.ogg") << 44100;
        QTest::newRow("m4a aac") << path("aac.m4a") << 44100;
        QTest::newRow("opus") << path("opus.opus") << 48000;
        QTest::newRow("aiff") << path("pcm.aiff") << 44100;
    }
    void otherFormats_decodeToTheirLength() {
        QFETCH(QString, file);
        QFETCH(int, rateHz);
        auto stream = DecodeStream::open(file);
        QVERIFY2(stream, qPrintable(stream.status().message()));
        QCOMPARE((*stream)->channels(), 2);
        QCOMPARE((*stream)->sampleRateHz(), rateHz);
        QVERIFY(!(*stream)->isEightBit());
        const ByteCount estimate = (*stream)->lengthBytes();
        const qsizetype bytes = decodeAll(**stream).size();
        // Lossy codecs add or trim up to a frame or two (a few thousand samples) at the ends.
        const double seconds = double(bytes) / (4.0 * rateHz);
        QVERIFY2(qAbs(seconds - 2.0) < 0.05, qPrintable(QString::number(seconds)));
        QVERIFY(qAbs(double(estimate - bytes)) < 0.05 * 4 * rateHz);
    }

    void seek_deliversWhatADecodeFromTheStartDeliversThere_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("tolerance"); // of a sample, in 16-bit steps
        const QString wav = testaudio::writeSineWav(path("seek.wav"), Stereo44k, 8 * 44100, 1234.5);
        QVERIFY(tool("lame", {"--quiet", "-b", "128", wav, path("seek.mp3")}));
        QVERIFY(tool("ffmpeg", {"-v", "error", "-y", "-i", wav, "-c:a", "aac", path("seek.m4a")}));
        // PCM and MP3 (a decoder doing the same sums once its memory is full) come out the
        // same to the bit; AAC's decoder rounds a sample here and there by one step.
        QTest::newRow("wav") << wav << 0;
        QTest::newRow("mp3") << path("seek.mp3") << 0;
        QTest::newRow("m4a aac") << path("seek.m4a") << 1;
    }
    void seek_deliversWhatADecodeFromTheStartDeliversThere() {
        QFETCH(QString, file);
        QFETCH(int, tolerance);
        auto whole = DecodeStream::open(file);
        QVERIFY(whole);
        const QByteArray all = decodeAll(**whole);
        auto stream = DecodeStream::open(file);
        QVERIFY(stream);
        // Far ahead (a seek), back again, and just ahead (decoded and dropped); 1.1 s each.
        const std::int64_t count = 48510;
        for (const std::int64_t frame : {std::int64_t(5 * 44100 + 17), std::int64_t(44100 + 3),
                                         std::int64_t(44100 + 3 + count + 100)}) {
            QVERIFY((*stream)->seek(frame));
            QCOMPARE((*stream)->positionBytes(), ByteCount(frame * 4));
            QByteArray got(count * 4, 0);
            QCOMPARE(*(*stream)->getData(got.data(), got.size()), ByteCount(got.size()));
            int worst = 0;
            for (qsizetype i = 0; i < got.size() / 2; ++i)
                worst = std::max(
                    worst,
                    std::abs(int(std::int16_t(testaudio::le16(got, int(i * 2)))) -
                             int(std::int16_t(testaudio::le16(all, int(frame * 4 + i * 2))))));
            QVERIFY2(worst <= tolerance,
                     qPrintable(QStringLiteral("frame %1: %2").arg(frame).arg(worst)));
        }
    }

    void trackerModule_decodesThroughTheMusicLoader() {
        if (!testaudio::writeAll(path("square.mod"), squareWaveModule()))
            QFAIL("cannot write the module");
        auto stream = DecodeStream::open(path("square.mod"));
        QVERIFY2(stream, qPrintable(stream.status().message()));
        QVERIFY((*stream)->channels() >= 1);
        Status failure;
        const QByteArray pcm = decodeAll(**stream, &failure);
        QVERIFY(failure.isOk());
        // 16 rows at speed 6 and 125 BPM last 1.92 s.
        const double seconds = double(pcm.size()) / (*stream)->outputFormat().bytesPerSecond();
        QVERIFY2(seconds > 1.5 && seconds < 2.5, qPrintable(QString::number(seconds)));
        QVERIFY(pcm.count('\0') < pcm.size());
    }

    void getData_deliversWholeFramesAndEndsWithZero() {
        const std::int64_t frames = 1000;
        auto stream = DecodeStream::open(sineWav("short.wav", Stereo44k, frames));
        QVERIFY(stream);
        DecodeStream& s = **stream;
        QCOMPARE(s.lengthBytes(), ByteCount(frames * 4));
        char block[4096];
        QCOMPARE(s.getData(block, 3).status().code(), ErrorCode::IllegalParam);
        QCOMPARE(*s.getData(block, 1003), ByteCount(1000));
        QCOMPARE(s.positionBytes(), ByteCount(1000));
        QCOMPARE(*s.getData(block, 4096), ByteCount(3000));
        QVERIFY(!s.isActive());
        QCOMPARE(*s.getData(block, 4096), ByteCount(0));
        QCOMPARE(s.positionBytes(), ByteCount(4000));
    }

    void manyChannels_mixDownWhenAsked() {
        const WavFormat six{6, 48000, 16};
        const QString file = sineWav("six.wav", six, 4800);
        auto kept = DecodeStream::open(file);
        QVERIFY(kept);
        QCOMPARE((*kept)->channels(), 6);
        auto mixed = DecodeStream::open(file, 2);
        QVERIFY2(mixed, qPrintable(mixed.status().message()));
        QCOMPARE((*mixed)->channels(), 2);
        QCOMPARE(decodeAll(**mixed).size(), qsizetype(4800 * 4));
    }

    void nonAsciiFileName_opens() {
        auto stream = DecodeStream::open(sineWav(QStringLiteral("sång ♪.wav"), Mono22k, 500));
        QVERIFY2(stream, qPrintable(stream.status().message()));
        QCOMPARE(decodeAll(**stream).size(), qsizetype(1000));
    }

    void badInput_givesClearStatus_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<ErrorCode>("code");

        testaudio::writeAll(path("empty.mp3"), {});
        QTest::newRow("empty file") << path("empty.mp3") << ErrorCode::Empty;
        for (quint32 seed : {1u, 2u, 3u, 4u, 5u}) {
            const QString name = QStringLiteral("random%1.mp3").arg(seed);
            testaudio::writeAll(path(name), randomBytes(200000, seed));
            QTest::newRow(qPrintable(name)) << path(name) << ErrorCode::FileForm;
        }
        testaudio::writeAll(path("random.wav"), randomBytes(50000, 9));
        QTest::newRow("random bytes .wav") << path("random.wav") << ErrorCode::FileForm;
        testaudio::writeAll(path("text.txt"), QByteArray("Ringtones for everyone.\n").repeated(40));
        QTest::newRow("text file") << path("text.txt") << ErrorCode::FileForm;
        testaudio::writeAll(path("text.mp3"), QByteArray("Not a song at all.\n").repeated(40));
        QTest::newRow("text named .mp3") << path("text.mp3") << ErrorCode::FileForm;
        QDir(m_dir.path()).mkdir("folder.mp3");
        QTest::newRow("folder") << path("folder.mp3") << ErrorCode::NotFile;
        QTest::newRow("missing") << path("nowhere.mp3") << ErrorCode::FileOpen;

        QByteArray zeroChannels = wavImage(Stereo44k, 100);
        putLe(zeroChannels, 22, 0, 2);
        testaudio::writeAll(path("zero-channels.wav"), zeroChannels);
        QTest::newRow("wav zero channels") << path("zero-channels.wav") << ErrorCode::FileForm;
        QByteArray zeroAlign = wavImage(Stereo44k, 100);
        putLe(zeroAlign, 32, 0, 2);
        testaudio::writeAll(path("zero-align.wav"), zeroAlign);
        QTest::newRow("wav zero block align") << path("zero-align.wav") << ErrorCode::FileForm;
        QByteArray hugeFmt = wavImage(Stereo44k, 100);
        putLe(hugeFmt, 16, 0x7FFFFFF0u, 4);
        testaudio::writeAll(path("huge-fmt.wav"), hugeFmt);
        QTest::newRow("wav absurd fmt size") << path("huge-fmt.wav") << ErrorCode::FileForm;
    }
    void badInput_givesClearStatus() {
        QFETCH(QString, file);
        QFETCH(ErrorCode, code);
        auto stream = DecodeStream::open(file);
        QVERIFY(!stream);
        QCOMPARE(stream.status().code(), code);
        QVERIFY2(stream.status().message().contains(file), qPrintable(stream.status().message()));
    }

    void truncatedMp3_decodesWhatTheFileHolds() {
        const QString wav = sineWav("long.wav", Stereo44k, 4 * 44100);
        QVERIFY(tool("lame", {"--quiet", "-b", "128", wav, path("long.mp3")}));
        const QByteArray whole = testaudio::readAll(path("long.mp3"));
        // Cut in the middle of a frame: about half of the sound is left.
        testaudio::writeAll(path("cut.mp3"), whole.left(whole.size() / 2 + 101));
        auto stream = DecodeStream::open(path("cut.mp3"));
        QVERIFY2(stream, qPrintable(stream.status().message()));
        Status failure;
        const double seconds = decodeAll(**stream, &failure).size() / (4.0 * 44100);
        QVERIFY(failure.isOk());
        QVERIFY2(seconds > 1.8 && seconds < 2.2, qPrintable(QString::number(seconds)));
    }

    void wavClaimingMoreThanItHolds_decodesWhatIsThere_data() {
        QTest::addColumn<int>("cutBytes");
        QTest::addColumn<std::uint32_t>("claimedData");
        QTest::newRow("cut mid-frame") << 4002 << 4000u * 4;
        QTest::newRow("claims 4 GB") << 4000 << 0xFFFFFFF0u;
    }
    void wavClaimingMoreThanItHolds_decodesWhatIsThere() {
        QFETCH(int, cutBytes);
        QFETCH(std::uint32_t, claimedData);
        QByteArray image = wavImage(Stereo44k, 4000);
        putLe(image, 40, claimedData, 4);
        putLe(image, 4, claimedData + 36, 4);
        testaudio::writeAll(path("claims.wav"), image.left(WavHeader::Size + cutBytes));
        auto stream = DecodeStream::open(path("claims.wav"));
        QVERIFY2(stream, qPrintable(stream.status().message()));
        QCOMPARE((*stream)->lengthBytes(), ByteCount(cutBytes - cutBytes % 4));
        QCOMPARE(decodeAll(**stream), image.mid(WavHeader::Size, cutBytes - cutBytes % 4));
    }

    void unreachableUrl_failsWithNoNet() {
        const QString url = QStringLiteral("http://127.0.0.1:9/song.mp3");
        auto stream = DecodeStream::open(url);
        QVERIFY(!stream);
        QCOMPARE(stream.status().code(), ErrorCode::NoNet);
        QVERIFY(stream.status().message().contains(url));
    }

    void fileUrl_opensTheLocalFile() {
        const QString file = sineWav("local.wav", Mono22k, 100);
        auto stream = DecodeStream::open(QUrl::fromLocalFile(file).toString());
        QVERIFY2(stream, qPrintable(stream.status().message()));
        QCOMPARE(decodeAll(**stream).size(), qsizetype(200));
    }
};

QTEST_GUILESS_MAIN(TestDecodeStream)
#include "tst_decode_stream.moc"
