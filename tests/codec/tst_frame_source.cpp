// SPDX-License-Identifier: GPL-3.0-or-later
// The one reader of every clip's sound: each kind of file reads as a full decode of it,
// from any frame and within any stretch.
#include "cliplist/edge_fade.h"
#include "codec/decode_stream.h"
#include "codec/frame_source.h"
#include "support/test_audio.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

Q_DECLARE_METATYPE(WavFormat)

namespace {

constexpr WavFormat Stereo44k{2, 44100, 16};

// The largest difference between `got` and the frames of `all` from `frame` on.
int worst(const std::vector<std::int16_t>& got, const std::vector<std::int16_t>& all,
          std::int64_t frame, int channels) {
    int most = 0;
    for (std::size_t i = 0; i < got.size(); ++i)
        most = std::max(most, std::abs(int(got[i]) - int(all[std::size_t(frame * channels) + i])));
    return most;
}

} // namespace

class TestFrameSource : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    bool tool(const QString& program, const QStringList& arguments) const {
        return testaudio::run(program, arguments) == 0;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        for (const char* program : {"ffmpeg", "lame"})
            if (!testaudio::haveProgram(QString::fromLatin1(program)))
                QSKIP("the ffmpeg and lame tools are needed to make the test files");
    }

    void everyKind_readsAsAFullDecodeFromAnyFrameAndWithinAStretch_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("decodes");
        QTest::addColumn<bool>("counted");  // its length is counted from its packets
        QTest::addColumn<int>("tolerance"); // of a sample, in 16-bit steps
        const QString wav = testaudio::writeSineWav(path("song.wav"), Stereo44k, 6 * 44100, 1234.5);
        QVERIFY(tool("lame", {"--quiet", "-b", "128", wav, path("song.mp3")}));
        QVERIFY(tool("ffmpeg", {"-v", "error", "-y", "-i", wav, "-c:a", "aac", path("song.m4a")}));
        QVERIFY(tool("ffmpeg", {"-v", "error", "-y", "-i", wav, path("song.flac")}));
        QVERIFY(tool("ffmpeg",
                     {"-v", "error", "-y", "-i", wav, "-c:a", "libvorbis", path("song.ogg")}));
        QVERIFY(tool("ffmpeg", {"-v", "error", "-y", "-i", wav, "-ar", "48000", "-c:a", "libopus",
                                path("song.opus")}));
        // AAC's decoder, started again a little before the frame, rounds a sample here and
        // there by a step or two.
        QTest::newRow("clip wav") << wav << false << false << 0;
        QTest::newRow("mp3") << path("song.mp3") << true << true << 0;
        QTest::newRow("m4a aac") << path("song.m4a") << true << false << 2;
        QTest::newRow("flac") << path("song.flac") << true << true << 0;
        QTest::newRow("ogg vorbis") << path("song.ogg") << true << false << 2;
        QTest::newRow("opus") << path("song.opus") << true << false << 2;
    }
    void everyKind_readsAsAFullDecodeFromAnyFrameAndWithinAStretch() {
        QFETCH(QString, file);
        QFETCH(bool, decodes);
        QFETCH(bool, counted);
        QFETCH(int, tolerance);
        int channels = 0;
        const std::vector<std::int16_t> all = testaudio::decodeAll(file, &channels);
        QCOMPARE(channels, 2);
        const std::int64_t total = std::int64_t(all.size()) / channels;

        // The count from the packets is the decode's, and every source opened after it knows
        // the exact length.
        const Result<DecodeStream::Counted> count = DecodeStream::countFrames(file);
        if (counted)
            QCOMPARE(count->frames, total);
        else if (decodes)
            QCOMPARE(count.status().code(), ErrorCode::FileForm);
        auto whole = FrameSource::open(file);
        QVERIFY(whole);
        QCOMPARE((*whole)->decodes(), decodes);
        if (counted || !decodes) {
            QVERIFY((*whole)->exactLength());
            QCOMPARE((*whole)->frames(), total);
        }
        std::vector<std::int16_t> read;
        QCOMPARE(*(*whole)->readFully(read, total + 1000), total);
        QCOMPARE(worst(read, all, 0, channels), 0);

        // Far ahead, back again, and just ahead.
        for (const std::int64_t frame : {std::int64_t(4 * 44100 + 17), std::int64_t(44100 + 3),
                                         std::int64_t(44100 + 3 + 30000)}) {
            QVERIFY((*whole)->seek(frame));
            QCOMPARE(*(*whole)->readFully(read, 20000), std::int64_t(20000));
            QVERIFY2(worst(read, all, frame, channels) <= tolerance,
                     qPrintable(QString::number(frame)));
        }

        // A stretch counts from its own first frame and ends where it ends.
        const std::int64_t first = 2 * 44100 + 11;
        const std::int64_t length = 44100 + 5;
        auto stretch = FrameSource::open(ClipRange{file, first, length});
        QVERIFY(stretch);
        QCOMPARE((*stretch)->frames(), length);
        QCOMPARE(*(*stretch)->readFully(read, 10 * length), length);
        QVERIFY(worst(read, all, first, channels) <= tolerance);
        QVERIFY((*stretch)->seek(length - 100));
        QCOMPARE(*(*stretch)->readFully(read, 1000), std::int64_t(100));
        QVERIFY(worst(read, all, first + length - 100, channels) <= tolerance);
    }

    void eightBitClip_isWidenedAndAStretchPastTheEndIsEmpty() {
        const WavFormat mono8{1, 8000, 8};
        const QByteArray pcm = testaudio::sinePcm(mono8, 800);
        const QString file = testaudio::writeWav(path("eight.wav"), mono8, pcm);
        auto source = FrameSource::open(file);
        QVERIFY(source);
        std::vector<std::int16_t> read;
        QCOMPARE(*(*source)->readFully(read, 1000), std::int64_t(800));
        for (int i = 0; i < 800; ++i)
            QCOMPARE(read[std::size_t(i)], std::int16_t((std::uint8_t(pcm[i]) - 128) * 256));

        auto past = FrameSource::open(ClipRange{file, 900, 50});
        QVERIFY(past);
        QCOMPARE((*past)->frames(), std::int64_t(0));
        QCOMPARE(*(*past)->readFully(read, 50), std::int64_t(0));
    }

    // A cut clip's stretch with its edge fades reads as the cut would be written and faded in
    // its own file, 8-bit sound as 8-bit, and a part of it keeps the fades where the clip
    // has them.
    void fadedStretch_readsAsTheCutWrittenAndFaded_data() {
        QTest::addColumn<WavFormat>("format");
        QTest::newRow("16-bit stereo") << Stereo44k;
        QTest::newRow("8-bit mono") << WavFormat{1, 8000, 8};
    }
    void fadedStretch_readsAsTheCutWrittenAndFaded() {
        QFETCH(WavFormat, format);
        const QByteArray pcm = testaudio::noisePcm(format, 3000, 3);
        const QString file = testaudio::writeWav(path("song.wav"), format, pcm);
        const int align = format.blockAlign();
        const QString cut =
            testaudio::writeWav(path("cut.wav"), format, pcm.mid(500 * align, 2000 * align));
        QVERIFY(edgefade::fadeEdges(cut, 220));
        std::vector<std::int16_t> written;
        QVERIFY((*FrameSource::open(cut))->readFully(written, 3000));

        const ClipRange range(file, 500, 2000, 220);
        auto source = FrameSource::open(range);
        QVERIFY(source);
        std::vector<std::int16_t> read;
        QCOMPARE(*(*source)->readFully(read, 3000), std::int64_t(2000));
        QVERIFY(read == written);
        QVERIFY((*source)->limit(1900, 50));
        QCOMPARE(*(*source)->readFully(read, 100), std::int64_t(50));
        const auto at = written.begin() + 1900 * format.channels;
        QVERIFY(read == std::vector<std::int16_t>(at, at + 50 * format.channels));
    }

    // Analyzers beside the read get every block in order and are finished, unless the read
    // runs further ahead of them than the queue may hold: then they are given up.
    void analyzersBesideTheRead_getEveryBlockOrAreGivenUp() {
        struct Collect : FrameAnalyzer {
            std::vector<std::int16_t> got;
            bool finished = false;
            std::atomic<bool>* hold = nullptr;
            void add(const std::int16_t* samples, std::int64_t frames) override {
                while (hold && hold->load())
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                got.insert(got.end(), samples, samples + frames * 2);
            }
            void finish() override { finished = true; }
        };
        const QString file = testaudio::writeWav(path("beside.wav"), Stereo44k,
                                                 testaudio::noisePcm(Stereo44k, 44100));
        int channels = 0;
        const std::vector<std::int16_t> all = testaudio::decodeAll(file, &channels);
        const std::atomic<bool> never{false};
        using Full = AnalyzerThread::Full;
        // (queue full: drop or wait, analyzer held back)
        for (const auto& [full, slow] : {std::pair{Full::Drop, false}, std::pair{Full::Drop, true},
                                         std::pair{Full::Wait, true}}) {
            std::atomic<bool> hold{slow};
            auto collect = std::make_unique<Collect>();
            Collect& seen = *collect;
            seen.hold = &hold;
            std::vector<std::unique_ptr<FrameAnalyzer>> analyzers;
            analyzers.push_back(std::move(collect));
            // Room for the whole sound, or for a fifth of it behind an analyzer held back (a
            // while, when the read waits for it).
            AnalyzerThread beside(std::move(analyzers), 2, slow ? 44100 * 4 / 5 : 44100 * 4, full);
            // A check that fails below lets the analyzer go before the thread is waited for.
            const auto letGo = qScopeGuard([&hold] { hold = false; });
            // The analyzer held back is let go once the read has given it up (the read's end
            // waits for the block it is busy with), or after a while for a read that waits.
            std::jthread release;
            if (slow)
                release = std::jthread([&hold, &beside, full] {
                    for (int ms = 0; ms < (full == Full::Wait ? 100 : 30000); ++ms) {
                        if (full == Full::Drop && beside.dropped())
                            break;
                        std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    }
                    hold = false;
                });
            auto source = FrameSource::open(file);
            QVERIFY(source);
            QVERIFY((*source)->feed({&beside}, never, 4410));
            hold = false;
            const bool lost = full == Full::Drop && slow;
            QCOMPARE(beside.dropped(), lost);
            QCOMPARE(seen.finished, !lost);
            if (!lost)
                QVERIFY(seen.got == all);
        }
    }

    // Parts read as one sound: sample for sample the parts one after another, from any frame
    // and within any stretch across a seam; a part of another format converted, its length
    // estimated to within two frames of what it gives.
    void joinedParts_readAsOneSoundAcrossTheirSeams() {
        const QString a =
            testaudio::writeWav(path("a.wav"), Stereo44k, testaudio::noisePcm(Stereo44k, 30000, 1));
        const QString b =
            testaudio::writeWav(path("b.wav"), Stereo44k, testaudio::noisePcm(Stereo44k, 20000, 2));
        int channels = 0;
        std::vector<std::int16_t> all = testaudio::decodeAll(a, &channels);
        const std::vector<std::int16_t> second = testaudio::decodeAll(b, &channels);
        all.insert(all.end(), second.begin() + 2 * 5000, second.begin() + 2 * 15000);
        all.insert(all.end(), second.begin(), second.end());

        auto joined = FrameSource::join({ClipRange{a}, ClipRange{b, 5000, 10000}, ClipRange{b}});
        QVERIFY(joined);
        FrameSource& source = **joined;
        QVERIFY(source.exactLength() && !source.decodes());
        QCOMPARE(source.frames(), std::int64_t(60000));
        std::vector<std::int16_t> got;
        QVERIFY(source.seek(29000));
        QCOMPARE(*source.readFully(got, 2000), std::int64_t(2000));
        QCOMPARE(worst(got, all, 29000, 2), 0);
        QVERIFY(source.limit(39000, 2000)); // across the seam of the stretch of b and b whole
        QCOMPARE(*source.readFully(got, 5000), std::int64_t(2000));
        QCOMPARE(worst(got, all, 39000, 2), 0);

        const WavFormat mono{1, 22050, 8};
        const QString c = testaudio::writeSineWav(path("c.wav"), mono, 11025, 440.0);
        auto mixed = FrameSource::join({ClipRange{a}, ClipRange{c}});
        QVERIFY(mixed);
        QVERIFY(!(*mixed)->exactLength() && (*mixed)->decodes());
        const std::int64_t estimate = (*mixed)->frames();
        QVERIFY((*mixed)->readFully(got, 100000));
        QCOMPARE(worst({got.begin(), got.begin() + 60000}, all, 0, 2), 0); // a, untouched
        QVERIFY2(
            std::abs(std::int64_t(got.size() / 2) - estimate) <= 2,
            qPrintable(QStringLiteral("%1 read, %2 estimated").arg(got.size() / 2).arg(estimate)));
    }

    void manyChannels_areMixedDownOnlyForAReaderThatTakesTwo() {
        const WavFormat six{6, 48000, 16};
        const QString file =
            testaudio::writeWav(path("six.wav"), six, testaudio::noisePcm(six, 4800));
        auto all = FrameSource::open(file, 0);
        QVERIFY(all);
        QCOMPARE((*all)->channels(), 6);
        QVERIFY(!(*all)->decodes());
        auto two = FrameSource::open(file);
        QVERIFY(two);
        QCOMPARE((*two)->channels(), 2);
        std::vector<std::int16_t> read;
        QCOMPARE(*(*two)->readFully(read, 10000), std::int64_t(4800));
    }
};

QTEST_GUILESS_MAIN(TestFrameSource)
#include "tst_frame_source.moc"
