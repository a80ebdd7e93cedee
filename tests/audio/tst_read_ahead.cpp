// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/pulse/read_ahead.h"
#include "support/test_audio.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
const WavFormat CdFormat{2, 44100, 16};
constexpr int FrameBytes = 4;

// Takes everything up to the end in pieces of `piece` bytes (whole frames are handed out).
QByteArray takeAll(ReadAhead& reader, std::size_t piece) {
    QByteArray got;
    std::vector<std::byte> buffer(piece);
    while (!reader.atEnd()) {
        if (!reader.waitReady(FrameBytes, 5000))
            break;
        const std::size_t n = reader.take(buffer.data(), piece);
        got.append(reinterpret_cast<const char*>(buffer.data()), qsizetype(n));
    }
    return got;
}
} // namespace

class TestReadAhead : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_files;

    std::unique_ptr<ReadAhead> readerOver(const QString& path, ByteCount bytes) {
        auto source = FrameSource::open(path, 0);
        if (!source)
            return nullptr;
        // The smallest ring (two reads), so that 3 s of data wrap around it many times.
        return std::make_unique<ReadAhead>(std::move(*source), bytes, 0);
    }
    std::unique_ptr<ReadAhead> readerOver(const QByteArray& pcm) {
        return readerOver(testaudio::writeWav(m_files.filePath("data.wav"), CdFormat, pcm),
                          pcm.size());
    }

private slots:
    // Whatever the pieces the consumer asks for, it gets the data from the position on,
    // every byte once and in order; a seek midway starts over from the new position.
    void take_givesTheDataFromThePositionInOrder() {
        const QByteArray pcm = testaudio::noisePcm(CdFormat, 3 * 44100);
        auto reader = readerOver(pcm);
        QVERIFY(reader);
        QCOMPARE(reader->nextPosition(), ByteCount(-1));

        reader->seekTo(1001 * FrameBytes + 3); // rounded down to the frame
        QCOMPARE(reader->nextPosition(), ByteCount(1001 * FrameBytes));
        std::vector<std::byte> some(4099);
        QVERIFY(reader->waitReady(4099, 5000));
        QCOMPARE(reader->take(some.data(), some.size()), std::size_t(4096));

        reader->seekTo(7 * FrameBytes);
        const QByteArray got = takeAll(*reader, 10007);
        QCOMPARE(got.size(), pcm.size() - 7 * FrameBytes);
        QVERIFY(got == pcm.mid(7 * FrameBytes));
        QCOMPARE(reader->endPosition(), ByteCount(pcm.size()));
        QCOMPARE(reader->nextPosition(), ByteCount(pcm.size()));
    }

    // A file that holds less than its header said ends where its data does.
    void take_endsWhereAShorterFileEnds() {
        const QByteArray pcm = testaudio::noisePcm(CdFormat, 44100);
        QByteArray file = testaudio::readAll(
            testaudio::writeWav(m_files.filePath("short.wav"), CdFormat, pcm + pcm));
        file.chop(pcm.size());
        const QString path = m_files.filePath("short.wav");
        QVERIFY(testaudio::writeAll(path, file));
        auto reader = readerOver(path, 2 * pcm.size());
        QVERIFY(reader);
        reader->seekTo(0);
        QVERIFY(takeAll(*reader, 65536) == pcm);
        QVERIFY(reader->atEnd());
        QCOMPARE(reader->endPosition(), ByteCount(pcm.size()));
    }

    // An MP3 is decoded as it is read: from the start, and again from a seek, the frames a
    // whole decode gives there, to where the decoder ends.
    void take_decodesAnMp3FromAnyPosition() {
        if (!testaudio::haveProgram(QStringLiteral("lame")))
            QSKIP("lame makes the MP3 here");
        const QString wav = testaudio::writeWav(m_files.filePath("song.wav"), CdFormat,
                                                testaudio::noisePcm(CdFormat, 3 * 44100));
        const QString mp3 = m_files.filePath("song.mp3");
        QCOMPARE(testaudio::run("lame", {"--quiet", "-b", "128", wav, mp3}), 0);
        int channels = 0;
        const std::vector<std::int16_t> all = testaudio::decodeAll(mp3, &channels);
        const QByteArray decoded(reinterpret_cast<const char*>(all.data()),
                                 qsizetype(all.size() * 2));
        // A short estimate: the reading goes on to the decoder's end all the same.
        auto reader = readerOver(mp3, decoded.size() - 44100);
        QVERIFY(reader);
        reader->seekTo(0);
        QVERIFY(takeAll(*reader, 10007) == decoded);
        reader->seekTo(44100 * FrameBytes + 4 * 17);
        QVERIFY(takeAll(*reader, 4096) == decoded.mid(44100 * FrameBytes + 4 * 17));
    }
};

QTEST_GUILESS_MAIN(TestReadAhead)
#include "tst_read_ahead.moc"
