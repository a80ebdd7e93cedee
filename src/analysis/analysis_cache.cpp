// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysis_cache.h"

#include "analysis/analysis_file.h"
#include "codec/side_product.h"

namespace analysis {

std::unique_ptr<FrameAnalyzer> sideProduct(const ClipRange& range, const ClipStamp& stamp) {
    if (analysis::load(range))
        return nullptr;
    Result<std::unique_ptr<Analyzer>> analyzer =
        Analyzer::create(stamp.format.sampleRateHz, stamp.format.channels, stamp.frames);
    if (!analyzer)
        return nullptr;
    return makeSideProduct(range, stamp, std::move(*analyzer),
                           [](const ClipRange& clip, const MusicAnalysis& made) {
                               return analysis::save(clip, made);
                           });
}

} // namespace analysis

AnalysisCache::AnalysisCache(QObject* parent) : QObject(parent) {}

AnalysisCache::~AnalysisCache() {
    stopJob();
}

ClipStamp AnalysisCache::stampOf(const ClipRange& range) {
    const Result<ClipStamp> stamp = clipStampOf(range);
    return stamp ? *stamp : ClipStamp{};
}

bool AnalysisCache::fresh(const ClipRange& range) const {
    const auto it = m_entries.find(range);
    return it != m_entries.end() && it->stamp == stampOf(range);
}

std::shared_ptr<const analysis::MusicAnalysis> AnalysisCache::known(const ClipRange& range) {
    if (!fresh(range))
        return nullptr;
    return analysisFor(range);
}

std::shared_ptr<const analysis::MusicAnalysis> AnalysisCache::analysisFor(const ClipRange& range) {
    if (fresh(range)) {
        const Entry& entry = m_entries[range];
        if (entry.pending && m_queue.removeAll(range) > 0) {
            m_queue.prepend(range);
            startNext();
        }
        return entry.analysis;
    }
    queue(range, true);
    return nullptr;
}

void AnalysisCache::prepare(const ClipRange& range) {
    if (!fresh(range))
        queue(range, false);
}

QString AnalysisCache::failure(const ClipRange& range) const {
    const auto it = m_entries.find(range);
    return it == m_entries.end() ? QString() : it->failure;
}

void AnalysisCache::clear() {
    stopJob();
    m_queue.clear();
    m_entries.clear();
}

void AnalysisCache::queue(const ClipRange& range, bool first) {
    if (m_jobRange == range)
        stopJob();
    m_queue.removeAll(range);
    Entry& entry = m_entries[range];
    entry = Entry{};
    entry.stamp = stampOf(range);
    entry.pending = true;
    if (first)
        m_queue.prepend(range);
    else
        m_queue.append(range);
    startNext();
}

namespace {

struct Made {
    std::shared_ptr<const analysis::MusicAnalysis> analysis;
    QString failure;
};

} // namespace

void AnalysisCache::startNext() {
    if (!m_jobRange.file.isEmpty() || m_queue.isEmpty())
        return;
    m_jobRange = m_queue.takeFirst();
    const ClipStamp stamp = m_entries[m_jobRange].stamp;
    m_job.start<Made>(
        [path = m_jobRange, stamp](const BackgroundJob::Context& job) {
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
        [this, path = m_jobRange](Made made) {
            m_jobRange = {};
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
    m_jobRange = {};
}
