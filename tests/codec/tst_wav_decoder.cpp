// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/wav_decoder.h"
#include "support/small_disk.h"
#include "support/test_audio.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using testaudio::le16;
using testaudio::le32;

Q_DECLARE_METATYPE(WavFormat)

class TestWavDecoder : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Everything in the folder but the given inputs: what a decode left behind.
    QStringList leftovers(const QStringList& inputs) const {
        QStringList names = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
        for (const QString& input : inputs)
            names.removeAll(QFileInfo(input).fileName());
        return names;
    }
    void clearFolder() {
        QDir dir(m_dir.path());
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
            dir.remove(name);
    }

private slots:
    void init() { clearFolder(); }

    void convert_writesHeaderAndEveryDecodedByte_data() {
        QTest::addColumn<WavFormat>("format");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("blockAlign");
        QTest::addColumn<int>("bytesPerSecond");
        QTest::newRow("stereo 16-bit, 40000 bytes")
            << WavFormat{2, 44100, 16} << 10000 << 4 << 176400;
        QTest::newRow("mono 16-bit, 40000 bytes") << WavFormat{1, 22050, 16} << 20000 << 2 << 44100;
        QTest::newRow("mono 8-bit") << WavFormat{1, 22050, 8} << 30001 << 1 << 22050;
    }
    void convert_writesHeaderAndEveryDecodedByte() {
        QFETCH(WavFormat, format);
        QFETCH(int, frames);
        QFETCH(int, blockAlign);
        QFETCH(int, bytesPerSecond);
        const QByteArray pcm = testaudio::sinePcm(format, frames);
        testaudio::writeWav(path("in.wav"), format, pcm);

        WavDecoder decoder;
        QVERIFY(decoder.loadmp3(path("in.wav")));
        QCOMPARE(decoder.decodedLength(), ByteCount(pcm.size()));
        QVERIFY(decoder.convert2wav(path("out.wav")));
        QCOMPARE(decoder.decodedLength(), ByteCount(0));
        QVERIFY(!decoder.hasStream());

        const QByteArray out = testaudio::readAll(path("out.wav"));
        QCOMPARE(out.size(), pcm.size() + 44);
        QCOMPARE(out.left(4), QByteArray("RIFF"));
        QCOMPARE(le32(out, 4), std::uint32_t(pcm.size() + 36));
        QCOMPARE(out.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(le32(out, 16), 16u);
        QCOMPARE(le16(out, 20), 1);
        QCOMPARE(int(le16(out, 22)), format.channels);
        QCOMPARE(int(le32(out, 24)), format.sampleRateHz);
        QCOMPARE(int(le32(out, 28)), bytesPerSecond);
        QCOMPARE(int(le16(out, 32)), blockAlign);
        QCOMPARE(int(le16(out, 34)), format.bitsPerSample);
        QCOMPARE(out.mid(36, 4), QByteArray("data"));
        QCOMPARE(le32(out, 40), std::uint32_t(pcm.size()));
        QVERIFY(out.mid(44) == pcm);
        QCOMPARE(leftovers({path("in.wav")}), QStringList{"out.wav"});
    }

    void afterBlock_isCalledAfterEveryRequest() {
        testaudio::writeSineWav(path("in.wav"), {1, 22050, 16}, 20000);
        WavDecoder decoder;
        QVERIFY(decoder.loadmp3(path("in.wav")));
        QList<ByteCount> positions;
        QVERIFY(decoder.convert2wav(path("out.wav"), [&](ByteCount position, ByteCount length) {
            positions << position;
            QCOMPARE(length, ByteCount(40000));
        }));
        // Two full blocks, then the request that finds the end and writes nothing.
        QCOMPARE(positions, (QList<ByteCount>{20000, 40000, 40000}));
    }

    void convert_matchesFfmpegDecodeOfAnMp3() {
        if (!testaudio::haveProgram("lame") || !testaudio::haveProgram("ffmpeg"))
            QSKIP("lame and ffmpeg make and check the MP3");
        testaudio::writeSineWav(path("in.wav"), {2, 44100, 16}, 44100);
        QCOMPARE(testaudio::run("lame", {"--quiet", path("in.wav"), path("song.mp3")}), 0);
        QByteArray expected;
        QCOMPARE(testaudio::run("ffmpeg",
                                {"-v", "error", "-i", path("song.mp3"), "-f", "s16le", "-"},
                                &expected),
                 0);
        WavDecoder decoder;
        QVERIFY(decoder.loadmp3(path("song.mp3")));
        QVERIFY(decoder.convert2wav(path("song.wav")));
        const QByteArray out = testaudio::readAll(path("song.wav"));
        QCOMPARE(le32(out, 40), std::uint32_t(expected.size()));
        QVERIFY(out.mid(44) == expected);
    }

    void convert_replacesAnOlderLongerFileWhole() {
        testaudio::writeAll(path("out.wav"), QByteArray(100000, 'x'));
        testaudio::writeSineWav(path("in.wav"), {1, 22050, 16}, 1000);
        WavDecoder decoder;
        QVERIFY(decoder.loadmp3(path("in.wav")));
        QVERIFY(decoder.convert2wav(path("out.wav")));
        QCOMPARE(QFileInfo(path("out.wav")).size(), 2044);
    }

    void failures_leaveTheTargetAndNoTemporaryFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ErrorCode>("code");
        QTest::newRow("cancel") << "cancel" << ErrorCode::Ended;
        QTest::newRow("too large") << "too large" << ErrorCode::TooLarge;
    }
    void failures_leaveTheTargetAndNoTemporaryFile() {
        QFETCH(QString, kind);
        QFETCH(ErrorCode, code);
        const QByteArray old("an older file that must survive");
        testaudio::writeAll(path("out.wav"), old);
        testaudio::writeSineWav(path("in.wav"), {2, 44100, 16}, 44100);
        WavDecoder decoder(kind == "too large" ? 30000 : WavHeader::MaxDataBytes);
        QVERIFY(decoder.loadmp3(path("in.wav")));
        int blocks = 0;
        const Status status = decoder.convert2wav(path("out.wav"), [&](ByteCount, ByteCount) {
            if (++blocks == 2 && kind == "cancel")
                decoder.requestCancel();
        });
        QCOMPARE(status.code(), code);
        QVERIFY(status.message().contains(path("out.wav")));
        QCOMPARE(blocks, 2 - int(kind == "too large"));
        QCOMPARE(testaudio::readAll(path("out.wav")), old);
        QCOMPARE(leftovers({path("in.wav")}), QStringList{"out.wav"});
        QVERIFY(!decoder.hasStream());
        QVERIFY(decoder.closewav());
    }

    void unwritableFolder_failsWithCreateAndWritesNothing() {
        testaudio::writeSineWav(path("in.wav"), {1, 22050, 16}, 1000);
        // A regular file as the folder: no one can create anything in it, not even root.
        testaudio::writeAll(path("plain"), "x");
        const QString target = path("plain") + "/out.wav";
        WavDecoder decoder;
        QVERIFY(decoder.loadmp3(path("in.wav")));
        const Status status = decoder.convert2wav(target);
        QCOMPARE(status.code(), ErrorCode::Create);
        QVERIFY(status.message().contains(target));
        QCOMPARE(leftovers({path("in.wav"), path("plain")}), QStringList{});
    }

    void fullDisk_failsWithCreateAndKeepsTheOldFile() {
        SmallDisk disk(64);
        if (!disk.isValid())
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        const QString target = disk.filePath("out.wav");
        testaudio::writeAll(target, "old");
        testaudio::writeSineWav(path("in.wav"), {2, 44100, 16}, 44100);
        WavDecoder decoder;
        QVERIFY(decoder.loadmp3(path("in.wav")));
        const Status status = decoder.convert2wav(target);
        QCOMPARE(status.message(),
                 target + QStringLiteral(": cannot be written (the disk is full)."));
        QCOMPARE(testaudio::readAll(target), QByteArray("old"));
        QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"out.wav"});
    }

    void unreadableInput_failsAtLoadAndConvertWritesNothing() {
        testaudio::writeAll(path("noise.mp3"), QByteArray("no sound here\n").repeated(100));
        WavDecoder decoder;
        const Status loaded = decoder.loadmp3(path("noise.mp3"));
        QCOMPARE(loaded.code(), ErrorCode::FileForm);
        QVERIFY(loaded.message().contains(path("noise.mp3")));
        QVERIFY(!decoder.hasStream());
        QCOMPARE(decoder.convert2wav(path("out.wav")).code(), ErrorCode::Handle);
        QVERIFY(!QFileInfo::exists(path("out.wav")));
    }

    void closewav_fromAfterBlockKeepsTheDecodedPart() {
        testaudio::writeSineWav(path("in.wav"), {1, 22050, 16}, 30000);
        WavDecoder decoder;
        QVERIFY(decoder.loadmp3(path("in.wav")));
        QVERIFY(decoder.convert2wav(path("out.wav"),
                                    [&](ByteCount, ByteCount) { QVERIFY(decoder.closewav()); }));
        const QByteArray out = testaudio::readAll(path("out.wav"));
        QCOMPARE(out.size(), 20044);
        QCOMPARE(le32(out, 4), 20036u);
        QCOMPARE(le32(out, 40), 20000u);
    }

    void closewav_withoutOutputDoesNothing() {
        WavDecoder decoder;
        QVERIFY(decoder.closewav());
        QCOMPARE(leftovers({}), QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestWavDecoder)
#include "tst_wav_decoder.moc"
