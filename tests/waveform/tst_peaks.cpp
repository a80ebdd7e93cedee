// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_audio.h"
#include "wav/side_file.h"
#include "waveform/peak_cache.h"
#include "waveform/peaks.h"
#include "waveform/waveform_drawing.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

// Sample `i` of `pcm` as the peaks read it: 16-bit as it is, 8-bit scaled up.
int sampleAt(const QByteArray& pcm, const WavFormat& format, std::int64_t i) {
    if (format.bitsPerSample == 8)
        return (int(std::uint8_t(pcm[qsizetype(i)])) - 128) * 256;
    return std::int16_t(testaudio::le16(pcm, int(i * 2)));
}

} // namespace

class TestPeaks : public QObject {
    Q_OBJECT
private slots:
    void peaks_matchADirectComputation_data();
    void peaks_matchADirectComputation();
    void peakFile_isTrustedOnlyForTheClipItWasMadeFrom();
    void cache_computesOnItsThreadAndNeverServesStalePeaks();
    void json_hasTheLayoutWaveformPlayersRead();

private:
    QTemporaryDir m_dir;
};

void TestPeaks::peaks_matchADirectComputation_data() {
    QTest::addColumn<WavFormat>("format");
    QTest::addColumn<qint64>("frames");
    // Three coarse blocks and a partial fine block after them.
    QTest::newRow("stereo 16-bit") << WavFormat{2, 44100, 16} << qint64(3 * 16384 + 1000);
    QTest::newRow("mono 8-bit") << WavFormat{1, 8000, 8} << qint64(16384 + 255);
}

void TestPeaks::peaks_matchADirectComputation() {
    QFETCH(WavFormat, format);
    QFETCH(qint64, frames);
    const QByteArray pcm = testaudio::noisePcm(format, frames, 3);
    const QString clip = testaudio::writeWav(m_dir.filePath("direct.wav"), format, pcm);
    const auto computed = peaks::compute(clip);
    QVERIFY(computed);
    const Peaks& peaks = **computed;
    QCOMPARE(peaks.frames(), frames);
    QVERIFY(peaks.complete());

    const auto direct = [&](int channel, std::int64_t from, std::int64_t to) {
        int lo = 32767;
        int hi = -32768;
        for (std::int64_t f = from; f < std::min<std::int64_t>(to, frames); ++f) {
            const int v = sampleAt(pcm, format, f * format.channels + channel);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        return std::pair{lo, hi};
    };
    for (int c = 0; c < format.channels; ++c) {
        for (const PeakLevel* level : {&peaks.fine(), &peaks.coarse()}) {
            QCOMPARE(level->blocks(), (frames + level->framesPerBlock - 1) / level->framesPerBlock);
            for (std::int64_t b = 0; b < level->blocks(); ++b) {
                const auto [lo, hi] =
                    direct(c, b * level->framesPerBlock, (b + 1) * level->framesPerBlock);
                QCOMPARE(int(level->min(b, c)), lo);
                QCOMPARE(int(level->max(b, c)), hi);
            }
        }
        // A stretch read from both levels, ending in the partial block.
        const auto [lo, hi] = peaks.range(c, 256, frames);
        QCOMPARE(std::pair(int(lo), int(hi)), direct(c, 256, frames));
    }

    // The same sound handed over as it passes by, in pieces cut anywhere (within a sample
    // too), as a decode or a copy hands it over.
    peaks::Builder builder(format);
    for (qsizetype at = 0, piece = 1; at < pcm.size(); at += piece, piece = piece * 7 % 5003)
        builder.add(pcm.constData() + at, std::min(piece, pcm.size() - at));
    const std::shared_ptr<Peaks> built = builder.finish();
    QCOMPARE(built->frames(), frames);
    QVERIFY(built->complete());
    QVERIFY(built->fine().data == peaks.fine().data);
    QVERIFY(built->coarse().data == peaks.coarse().data);
}

void TestPeaks::peakFile_isTrustedOnlyForTheClipItWasMadeFrom() {
    const WavFormat format{2, 44100, 16};
    const QString clip = testaudio::writeWav(m_dir.filePath("kept.wav"), format,
                                             testaudio::noisePcm(format, 30000, 4));
    const auto made = peaks::compute(clip);
    QVERIFY(made);
    QVERIFY(peaks::save(clip, **made));
    const auto loaded = peaks::load(clip);
    QVERIFY(loaded);
    QVERIFY((*loaded)->fine().data == (*made)->fine().data);
    QVERIFY((*loaded)->coarse().data == (*made)->coarse().data);

    // The same size, other sound, a later time: another clip.
    testaudio::writeWav(clip, format, testaudio::noisePcm(format, 30000, 5));
    QFile file(clip);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(10),
                             QFileDevice::FileModificationTime));
    file.close();
    QVERIFY(!peaks::load(clip));

    // A damaged peak file of the clip as it is now.
    QVERIFY(peaks::save(clip, **peaks::compute(clip)));
    QVERIFY(QFile::resize(sidefile::path(clip, SideKind::Peaks), 100));
    QVERIFY(!peaks::load(clip));

    // Another sound of the same size and time: half the frames in one channel.
    QVERIFY(peaks::save(clip, **peaks::compute(clip)));
    const QDateTime time = QFileInfo(clip).lastModified();
    testaudio::writeWav(clip, {1, 44100, 16}, testaudio::noisePcm({1, 44100, 16}, 60000, 6));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
    file.close();
    QVERIFY(!peaks::load(clip));
}

// The peaks folder is the program's own, but what is found in it is not trusted to be: a pipe
// is never waited on (it would hang the start), and a link is never written through.
void TestPeaks::cache_computesOnItsThreadAndNeverServesStalePeaks() {
    const WavFormat format{1, 22050, 16};
    const QString clip = testaudio::writeWav(m_dir.filePath("cached.wav"), format,
                                             testaudio::noisePcm(format, 50000, 6));
    PeakCache cache;
    QSignalSpy finished(&cache, &PeakCache::finished);
    const auto first = cache.peaksFor(clip);
    QVERIFY(first);
    QTRY_VERIFY(first->complete());
    QVERIFY(finished.wait() || finished.count() > 0);
    QVERIFY(first->fine().data == (*peaks::compute(clip))->fine().data);
    QVERIFY(QFile::exists(sidefile::path(clip, SideKind::Peaks)));
    // Peaks loaded from their file (on the job: the file is not written again) are finished
    // too, for whatever waits on them.
    const QDateTime written = QFileInfo(sidefile::path(clip, SideKind::Peaks)).lastModified();
    QTest::qWait(20);
    PeakCache another;
    QSignalSpy loaded(&another, &PeakCache::finished);
    const auto fromFile = another.peaksFor(clip);
    QVERIFY(loaded.wait());
    QCOMPARE(loaded.at(0).at(0).value<ClipRange>(), ClipRange(clip));
    QVERIFY(fromFile->complete() && fromFile->fine().data == first->fine().data);
    QCOMPARE(QFileInfo(sidefile::path(clip, SideKind::Peaks)).lastModified(), written);

    testaudio::writeWav(clip, format, testaudio::noisePcm(format, 40000, 7));
    const auto second = cache.peaksFor(clip);
    QVERIFY(second && second != first);
    QCOMPARE(second->frames(), 40000);
    QTRY_VERIFY(second->complete());
    QVERIFY(second->fine().data == (*peaks::compute(clip))->fine().data);

    QVERIFY(!cache.peaksFor(m_dir.filePath("missing.wav")));
    QVERIFY(!cache.failure(m_dir.filePath("missing.wav")).isEmpty());
}

void TestPeaks::json_hasTheLayoutWaveformPlayersRead() {
    const WavFormat format{2, 8000, 16};
    QByteArray pcm;
    for (int f = 0; f < 5; ++f)
        for (int v : {f * 100, -f * 100})
            pcm += char(v & 0xFF), pcm += char((v >> 8) & 0xFF);
    const QString clip = testaudio::writeWav(m_dir.filePath("tiny.wav"), format, pcm);
    Peaks peaks(format, 5, 2, 4);
    const std::atomic<bool> never{false};
    QVERIFY(peaks::fill(clip, peaks, never));

    const QJsonObject json = QJsonDocument::fromJson(waveform::json(peaks)).object();
    QCOMPARE(json.value("version").toInt(), 2);
    QCOMPARE(json.value("channels").toInt(), 2);
    QCOMPARE(json.value("sample_rate").toInt(), 8000);
    QCOMPARE(json.value("samples_per_pixel").toInt(), 2);
    QCOMPARE(json.value("bits").toInt(), 16);
    QCOMPARE(json.value("length").toInt(), 3);
    // Per column: left min, left max, right min, right max.
    QCOMPARE(json.value("data").toArray().toVariantList(),
             QVariantList({0, 100, -100, 0, 200, 300, -300, -200, 400, 400, -400, -400}));
}

QTEST_MAIN(TestPeaks)
#include "tst_peaks.moc"
