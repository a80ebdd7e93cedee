// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_audio.h"
#include "wav/wav_header.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

using testaudio::le16;
using testaudio::le32;

namespace {
QByteArray image(const WavHeader& h) {
    const auto b = h.bytes();
    return QByteArray(b.data(), int(b.size()));
}

QByteArray chunk(const char* tag, const QByteArray& body) {
    QByteArray c(tag, 4);
    const auto n = std::uint32_t(body.size());
    for (int i = 0; i < 4; ++i)
        c += char((n >> (8 * i)) & 0xFF);
    c += body;
    if (body.size() & 1)
        c += '\0';
    return c;
}

QByteArray fmtBody(int code, int channels, std::uint32_t rate, int blockAlign, int bits) {
    QByteArray b(16, '\0');
    auto put = [&](int at, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    put(0, std::uint32_t(code), 2);
    put(2, std::uint32_t(channels), 2);
    put(4, std::uint32_t(rate), 4);
    put(8, rate * std::uint32_t(blockAlign), 4);
    put(12, std::uint32_t(blockAlign), 2);
    put(14, std::uint32_t(bits), 2);
    return b;
}

QByteArray riff(const QByteArray& chunks, std::int64_t claimedRiff = -1) {
    QByteArray r("RIFF", 4);
    const auto n = std::uint32_t(claimedRiff >= 0 ? claimedRiff : chunks.size() + 4);
    for (int i = 0; i < 4; ++i)
        r += char((n >> (8 * i)) & 0xFF);
    return r + "WAVE" + chunks;
}

Result<WavInfo> parse(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readWavInfo(buffer);
}
} // namespace

class TestWavHeader : public QObject {
    Q_OBJECT
private slots:
    void takeHeader_holdsFixedFormatAndZeroSizes() {
        const QByteArray b = image(WavHeader::forTake());
        QCOMPARE(b.size(), 44);
        QCOMPARE(b.mid(0, 4), QByteArray("RIFF"));
        QCOMPARE(b.mid(8, 4), QByteArray("WAVE"));
        QCOMPARE(b.mid(12, 4), QByteArray("fmt "));
        QCOMPARE(b.mid(36, 4), QByteArray("data"));
        QCOMPARE(le32(b, 4), 0u);
        QCOMPARE(le32(b, 16), 16u);
        QCOMPARE(le16(b, 20), 1);
        QCOMPARE(le16(b, 22), 2);
        QCOMPARE(le32(b, 24), 44100u);
        QCOMPARE(le32(b, 28), 176400u);
        QCOMPARE(le16(b, 32), 4);
        QCOMPARE(le16(b, 34), 16);
        QCOMPARE(le32(b, 40), 0u);
    }

    void threeRuns_concatenateToTheWholeHeader() {
        WavHeader h = WavHeader::forDecoder(1, 22050, true);
        h.setDataSize(40000);
        const auto a = h.riffRun();
        const auto f = h.formatRun();
        const auto d = h.dataRun();
        QByteArray joined =
            QByteArray(a.data(), 12) + QByteArray(f.data(), 24) + QByteArray(d.data(), 8);
        QCOMPARE(joined, image(h));
    }

    void decoderHeader_followsStreamFormat_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<bool>("eightBit");
        QTest::addColumn<int>("blockAlign");
        QTest::addColumn<int>("bytesPerSecond");
        QTest::newRow("mono 8-bit 22050") << 1 << 22050 << true << 1 << 22050;
        QTest::newRow("mono 16-bit 44100") << 1 << 44100 << false << 2 << 88200;
        QTest::newRow("stereo 16-bit 44100") << 2 << 44100 << false << 4 << 176400;
        QTest::newRow("six channels 16-bit 48000") << 6 << 48000 << false << 12 << 576000;
    }
    void decoderHeader_followsStreamFormat() {
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(bool, eightBit);
        QFETCH(int, blockAlign);
        QFETCH(int, bytesPerSecond);
        const QByteArray b = image(WavHeader::forDecoder(channels, rate, eightBit));
        QCOMPARE(int(le16(b, 22)), channels);
        QCOMPARE(int(le32(b, 24)), rate);
        QCOMPARE(int(le16(b, 32)), blockAlign);
        QCOMPARE(int(le32(b, 28)), bytesPerSecond);
        QCOMPARE(int(le16(b, 34)), eightBit ? 8 : 16);
    }

    void patchSizes_writesRiffAndDataSize() {
        QByteArray b = image(WavHeader::forTake());
        WavHeader::patchSizes(b.data(), 40000);
        QCOMPARE(le32(b, 4), 40036u);
        QCOMPARE(le32(b, 40), 40000u);
        WavHeader::patchSizes(b.data(), 0);
        QCOMPARE(le32(b, 4), 36u);
        QCOMPARE(le32(b, 40), 0u);
    }

    void reader_acceptsCanonicalFileAsCanonical() {
        QTemporaryDir dir;
        const WavFormat f{2, 44100, 16};
        const QString path = testaudio::writeSineWav(dir.filePath("a.wav"), f, 1000);
        auto info = readWavInfo(path);
        QVERIFY2(info.isOk(), qPrintable(info.status().message()));
        QVERIFY(info->canonical);
        QCOMPARE(info->format, f);
        QCOMPARE(info->dataOffset, 44);
        QCOMPARE(info->dataBytes, 4000);
        QVERIFY(!info->dataClamped);
    }

    void reader_findsChunksAnywhere() {
        const QByteArray pcm(400, '\x01');
        const QByteArray file =
            riff(chunk("LIST", QByteArray(7, 'x')) + chunk("fmt ", fmtBody(1, 2, 48000, 4, 16)) +
                 chunk("fact", QByteArray(4, '\0')) + chunk("data", pcm));
        auto info = parse(file);
        QVERIFY2(info.isOk(), qPrintable(info.status().message()));
        QVERIFY(!info->canonical);
        QCOMPARE(info->format, (WavFormat{2, 48000, 16}));
        QCOMPARE(info->dataBytes, 400);
        QCOMPARE(info->dataOffset, 12 + 16 + 24 + 12 + 8);
    }

    void reader_handlesExtensibleAndFloat() {
        QByteArray ext = fmtBody(0xFFFE, 2, 44100, 8, 32);
        ext += QByteArray(24, '\0');
        ext[16] = 22; // cbSize
        ext[24] = 3;  // sub-format: IEEE float
        auto info = parse(riff(chunk("fmt ", ext) + chunk("data", QByteArray(80, '\0'))));
        QVERIFY2(info.isOk(), qPrintable(info.status().message()));
        QCOMPARE(info->encoding, WavInfo::Encoding::Float);
        QCOMPARE(info->format.bitsPerSample, 32);
        QVERIFY(!info->canonical);

        auto pcm24 = parse(
            riff(chunk("fmt ", fmtBody(1, 1, 8000, 3, 24)) + chunk("data", QByteArray(30, '\0'))));
        QVERIFY(pcm24.isOk());
        QVERIFY(!pcm24->canonical);
    }

    void reader_clampsDataThatTheFileDoesNotHold() {
        // The data chunk claims 1 MB; the file holds 101 bytes: clamped to whole frames.
        QByteArray file = riff(chunk("fmt ", fmtBody(1, 2, 44100, 4, 16)) + QByteArray("data") +
                               QByteArray("\x00\x00\x10\x00", 4) + QByteArray(101, '\0'));
        auto info = parse(file);
        QVERIFY(info.isOk());
        QVERIFY(info->dataClamped);
        QCOMPARE(info->dataBytes, 100);
        QVERIFY(!info->canonical);
    }

    void reader_rejectsMalformedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("hello, this is not a sound file at all");
        QTest::newRow("zero channels")
            << riff(chunk("fmt ", fmtBody(1, 0, 44100, 4, 16)) + chunk("data", "abcd"));
        QTest::newRow("zero block align")
            << riff(chunk("fmt ", fmtBody(1, 2, 44100, 0, 16)) + chunk("data", "abcd"));
        QTest::newRow("absurd fmt size")
            << riff(QByteArray("fmt \xff\xff\xff\x7f", 8) + fmtBody(1, 2, 44100, 4, 16));
        QTest::newRow("no fmt") << riff(chunk("data", "abcd"));
        QTest::newRow("no data") << riff(chunk("fmt ", fmtBody(1, 2, 44100, 4, 16)));
        QTest::newRow("block align lies")
            << riff(chunk("fmt ", fmtBody(1, 2, 44100, 3, 16)) + chunk("data", "abcd"));
        QTest::newRow("unknown codec")
            << riff(chunk("fmt ", fmtBody(2, 2, 44100, 4, 4)) + chunk("data", "abcd"));
        // Rates and channel counts no sound has; their products overflowed 32 bits.
        QTest::newRow("rate 2^30")
            << riff(chunk("fmt ", fmtBody(1, 2, 1u << 30, 4, 16)) + chunk("data", "abcd"));
        QTest::newRow("rate with its top bit set") << riff(
            chunk("fmt ", fmtBody(1, 2, 0x80000000u + 44100, 4, 16)) + chunk("data", "abcd"));
        QTest::newRow("rate 768001")
            << riff(chunk("fmt ", fmtBody(1, 1, 768001, 2, 16)) + chunk("data", "abcd"));
        QTest::newRow("33 channels")
            << riff(chunk("fmt ", fmtBody(1, 33, 8000, 66, 16)) + chunk("data", "abcd"));
    }
    void reader_rejectsMalformedFiles() {
        QFETCH(QByteArray, bytes);
        auto info = parse(bytes);
        QVERIFY(!info.isOk());
        QVERIFY(!info.status().message().isEmpty());
    }

    void reader_takesTheWidestFormats() {
        auto info = parse(riff(chunk("fmt ", fmtBody(1, 32, 768000, 128, 32)) +
                               chunk("data", QByteArray(128, '\0'))));
        QVERIFY2(info.isOk(), qPrintable(info.status().message()));
        QCOMPARE(info->format.bytesPerSecond(), std::int64_t(768000) * 128);
    }

    void reader_namesTheFileInItsErrors() {
        QTemporaryDir dir;
        auto missing = readWavInfo(dir.filePath("missing.wav"));
        QCOMPARE(missing.status().code(), ErrorCode::FileOpen);
        QVERIFY(missing.status().message().contains("missing.wav"));
        auto folder = readWavInfo(dir.path());
        QCOMPARE(folder.status().code(), ErrorCode::NotFile);
    }
};

QTEST_GUILESS_MAIN(TestWavHeader)
#include "tst_wav_header.moc"
