// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysis_cache.h"

#include "analysis/analysis_file.h"
#include "codec/side_product.h"

namespace analysis {

std::unique_ptr<FrameAnalyzer> sideProduct(const QString& clipPath, const ClipStamp& stamp) {
    if (analysis::load(clipPath))
        return nullptr;
    Result<std::unique_ptr<Analyzer>> analyzer =
        Analyzer::create(stamp.format.sampleRateHz, stamp.format.channels, stamp.frames);
    if (!analyzer)
        return nullptr;
    return makeSideProduct(
        clipPath, stamp, std::move(*analyzer),
        [](const QString& clip, const MusicAnalysis& made) { return analysis::save(clip, made); });
}

} // namespace analysis

AnalysisCache::AnalysisCache(QObject* parent) : QObject(parent) {}

AnalysisCache::~AnalysisCache() {
    stopJob();
}

ClipStamp AnalysisCache::stampOf(const QString& clipPath) {
    const Result<ClipStamp> stamp = clipStampOf(clipPath);
    return stamp ? *stamp : ClipStamp{};
}

bool AnalysisCache::fresh(const QString& clipPath) const {
    const auto it = m_entries.find(clipPath);
    return it != m_entries.end() && it->stamp == stampOf(clipPath);
}

std::shared_ptr<const analysis::MusicAnalysis> AnalysisCache::known(const QString& clipPath) {
    if (!fresh(clipPath))
        return nullptr;
    return analysisFor(clipPath);
}

std::shared_ptr<const analysis::MusicAnalysis> AnalysisCache::analysisFor(const QString& clipPath) {
    if (fresh(clipPath)) {
        const Entry& entry = m_entries[clipPath];
        if (entry.pending && m_queue.removeAll(clipPath) > 0) {
            m_queue.prepend(clipPath);
            startNext();
        }
        return entry.analysis;
    }
    queue(clipPath, true);
    return nullptr;
}

void AnalysisCache::prepare(const QString& clipPath) {
    if (!fresh(clipPath))
        queue(clipPath, false);
}

QString AnalysisCache::failure(const QString& clipPath) const {
    const auto it = m_entries.find(clipPath);
    return it == m_entries.end() ? QString() : it->failure;
}

void AnalysisCache::clear() {
    stopJob();
    m_queue.clear();
    m_entries.clear();
}

void AnalysisCache::queue(const QString& clipPath, bool first) {
    if (m_jobPath == clipPath)
        stopJob();
    m_queue.removeAll(clipPath);
    Entry& entry = m_entries[clipPath];
    entry = Entry{};
    entry.stamp = stampOf(clipPath);
    entry.pending = true;
    if (first)
        m_queue.prepend(clipPath);
    else
        m_queue.append(clipPath);
    startNext();
}

namespace {

struct Made {
    std::shared_ptr<const analysis::MusicAnalysis> analysis;
    QString failure;
};

} // namespace

void AnalysisCache::startNext() {
    if (!m_jobPath.isEmpty() || m_queue.isEmpty())
        return;
    m_jobPath = m_queue.takeFirst();
    const ClipStamp stamp = m_entries[m_jobPath].stamp;
    m_job.start<Made>(
        [path = m_jobPath, stamp](const BackgroundJob::Context& job) {
            Made made;
            if (Result<analysis::MusicAnalysis> kept = analysis::load(path); kept) {
                made.analysis = std::make_shared<const analysis::MusicAnalysis>(std::move(*kept));
                return made;
            }
            Result<analysis::MusicAnalysis> fresh = analysis::analyseFile(path, &job.cancelFlag());
            if (!fresh) {
                made.failure = fresh.status().message();
                return made;
            }
            made.analysis = std::make_shared<const analysis::MusicAnalysis>(std::move(*fresh));
            // A clip that changed while it was read keeps no analysis file.
            if (job.cancelled() || !(stampOf(path) == stamp) ||
                !analysis::save(path, *made.analysis))
                analysis::remove(path);
            return made;
        },
        [this, path = m_jobPath](Made made) {
            m_jobPath.clear();
            const auto it = m_entries.find(path);
            if (it != m_entries.end() && it->pending) {
                it->pending = false;
                it->analysis = made.analysis;
                it->failure = made.failure;
            }
            emit finished(path);
            startNext();
        });
}

void AnalysisCache::stopJob() {
    m_job.cancel();
    m_jobPath.clear();
}
