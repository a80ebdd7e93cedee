// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/pulse/read_ahead.h"
#include "support/test_audio.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
const WavFormat CdFormat{2, 44100, 16};
constexpr int FrameBytes = 4;
constexpr ByteCount HeaderBytes = 44;

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

    std::unique_ptr<ReadAhead> readerOver(const QByteArray& pcm, ByteCount claimedBytes) {
        const QString path = testaudio::writeWav(m_files.filePath("data.wav"), CdFormat, pcm);
        auto file = std::make_unique<QFile>(path);
        if (!file->open(QIODevice::ReadOnly))
            return nullptr;
        // The smallest ring (two reads), so that 3 s of data wrap around it many times.
        return std::make_unique<ReadAhead>(std::move(file), HeaderBytes, claimedBytes, FrameBytes,
                                           0);
    }

private slots:
    // Whatever the pieces the consumer asks for, it gets the data from the position on,
    // every byte once and in order; a seek midway starts over from the new position.
    void take_givesTheDataFromThePositionInOrder() {
        const QByteArray pcm = testaudio::noisePcm(CdFormat, 3 * 44100);
        auto reader = readerOver(pcm, pcm.size());
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
        auto reader = readerOver(pcm, pcm.size() + 40000);
        QVERIFY(reader);
        reader->seekTo(0);
        QVERIFY(takeAll(*reader, 65536) == pcm);
        QVERIFY(reader->atEnd());
        QCOMPARE(reader->endPosition(), ByteCount(pcm.size()));
    }
};

QTEST_GUILESS_MAIN(TestReadAhead)
#include "tst_read_ahead.moc"
