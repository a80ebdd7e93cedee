// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysis_cache.h"
#include "analysis/analysis_file.h"
#include "support/song_generator.h"
#include "support/test_audio.h"
#include "wav/side_file.h"

#include <QDateTime>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

// The analysis kept beside a clip: made once, read back while it is the clip's own, made anew
// when the clip changed or the file is damaged.
class TestAnalysisFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cacheAnalysesOnceAndKeepsTheFile();
    void staleFileIsNotBelieved();
    void damagedFileIsMadeAnew();
    void impossibleValuesMakeTheFileStale();

private:
    // Waits for the cache to finish clipPath; the analysis it then has.
    std::shared_ptr<const analysis::MusicAnalysis> waitFor(AnalysisCache& cache,
                                                           const QString& clipPath);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_clip;
};

namespace {

QString writeClicks(const QString& path, double bpm) {
    const songs::Song clicks = songs::clicks(bpm, 20, 0.3);
    const QByteArray pcm(reinterpret_cast<const char*>(clicks.samples.data()),
                         qsizetype(clicks.samples.size() * 2));
    return testaudio::writeWav(path, WavFormat{1, clicks.sampleRateHz, 16}, pcm);
}

} // namespace

void TestAnalysisFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_clip = writeClicks(m_dir->filePath("Song.wav"), 120);
}

std::shared_ptr<const analysis::MusicAnalysis> TestAnalysisFile::waitFor(AnalysisCache& cache,
                                                                         const QString& clipPath) {
    QSignalSpy finished(&cache, &AnalysisCache::finished);
    if (auto ready = cache.analysisFor(clipPath))
        return ready;
    [&] { QVERIFY(finished.wait(60000)); }();
    return cache.analysisFor(clipPath);
}

void TestAnalysisFile::cacheAnalysesOnceAndKeepsTheFile() {
    AnalysisCache cache;
    const auto first = waitFor(cache, m_clip);
    QVERIFY(first);
    QVERIFY(std::abs(first->tempoBpm - 120) < 1);
    QVERIFY(QFile::exists(sidefile::path(m_clip, SideKind::Analysis)));
    QCOMPARE(sidefile::path(m_clip, SideKind::Analysis),
             m_dir->filePath("analysis/Song.wav.analysis.json"));
    // Asked again: the same analysis, at once.
    QCOMPARE(cache.analysisFor(m_clip), first);
    // A new cache reads the file instead of analysing.
    const Result<analysis::MusicAnalysis> kept = analysis::load(m_clip);
    QVERIFY2(kept, qPrintable(kept.status().message()));
    QCOMPARE(kept->beats.size(), first->beats.size());
    QCOMPARE(kept->bars.size(), first->bars.size());
    QCOMPARE(kept->sections.size(), first->sections.size());
    for (std::size_t i = 0; i < kept->beats.size(); ++i)
        QVERIFY(std::abs(kept->beats[i] - first->beats[i]) <= 0.0005);
}

void TestAnalysisFile::staleFileIsNotBelieved() {
    AnalysisCache cache;
    QVERIFY(waitFor(cache, m_clip));
    // The clip changes (another tempo, a later time): its analysis file no longer counts.
    writeClicks(m_clip, 90);
    QFile clip(m_clip);
    QVERIFY(clip.open(QIODevice::ReadWrite));
    QVERIFY(clip.setFileTime(QDateTime::currentDateTime().addSecs(5),
                             QFileDevice::FileModificationTime));
    clip.close();
    const Result<analysis::MusicAnalysis> stale = analysis::load(m_clip);
    QVERIFY(!stale);
    QVERIFY(stale.status().message().contains("another version"));
    const auto fresh = waitFor(cache, m_clip);
    QVERIFY(fresh);
    QVERIFY2(std::abs(fresh->tempoBpm - 90) < 1, qPrintable(QString::number(fresh->tempoBpm)));
    QVERIFY(analysis::load(m_clip));
}

void TestAnalysisFile::damagedFileIsMadeAnew() {
    {
        AnalysisCache cache;
        QVERIFY(waitFor(cache, m_clip));
    }
    const QString file = sidefile::path(m_clip, SideKind::Analysis);
    const QByteArray good = testaudio::readAll(file);
    for (const QByteArray& bad :
         {good.left(good.size() / 2), QByteArray("not json"),
          QByteArray(good).replace("\"beats\":[", "\"beats\":[99999,"), QByteArray()}) {
        QVERIFY(testaudio::writeAll(file, bad));
        QVERIFY(!analysis::load(m_clip));
    }
    AnalysisCache cache;
    const auto again = waitFor(cache, m_clip);
    QVERIFY(again);
    QVERIFY(std::abs(again->tempoBpm - 120) < 1);
    QVERIFY(analysis::load(m_clip));
}

// A file with the clip's own stamp but values no analysis of it can have is stale.
void TestAnalysisFile::impossibleValuesMakeTheFileStale() {
    AnalysisCache cache;
    const analysis::MusicAnalysis good = *waitFor(cache, m_clip);
    const double seconds = good.durationS;
    QVERIFY(analysis::fitsClip(good, seconds));
    QVERIFY(good.sections.size() >= 1 && good.beats.size() >= 8);
    using Change = std::function<void(analysis::MusicAnalysis&)>;
    for (const Change& change : std::initializer_list<Change>{
             [](auto& a) { a.durationS = 1e300; },
             [](auto& a) { a.durationS += 0.5; },
             [&](auto& a) { a.beats.back() = seconds + 1; },
             [](auto& a) { std::swap(a.beats[2], a.beats[3]); },
             [](auto& a) { a.bars.push_back(a.beats.back() - 0.01); },
             [&](auto& a) {
                 a.beats.clear();
                 for (double t = 0; t < seconds; t += 0.05)
                     a.beats.push_back(t);
                 a.beatLufs.assign(a.beats.size(), -20.f);
                 a.bars = {0};
             },
             [](auto& a) { a.sections.front().start = 1; },
             [&](auto& a) { a.sections.back().end = seconds - 2; },
             [](auto& a) { a.sections.clear(); },
             [](auto& a) { a.chorusLabel = "Z"; },
             [](auto& a) { a.tempoBpm = 1e9; },
         }) {
        analysis::MusicAnalysis bad = good;
        change(bad);
        QVERIFY(!analysis::fitsClip(bad, seconds));
    }
    // Read from a file with the clip's stamp, a length of 1e300 s is not believed either.
    const QString file = sidefile::path(m_clip, SideKind::Analysis);
    const QString text = QString::fromUtf8(testaudio::readAll(file));
    QVERIFY(testaudio::writeAll(
        file, QString(text)
                  .replace(QRegularExpression("\"duration\":[0-9.e+]+"), "\"duration\":1e300")
                  .toUtf8()));
    QCOMPARE(analysis::load(m_clip).status().code(), ErrorCode::FileForm);
    QVERIFY(testaudio::writeAll(file, text.toUtf8()));
    QVERIFY(analysis::load(m_clip));
}

// What is found where the analysis file goes is not trusted to be a file of ours: a link is
// neither written through nor read, a folder link gets nothing written into it, a pipe is
// never waited on.
QTEST_GUILESS_MAIN(TestAnalysisFile)
#include "tst_analysis_file.moc"
