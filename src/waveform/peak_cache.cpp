// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/peak_cache.h"

#include <optional>

namespace {

// What the products made beside the read may fall behind it: about six minutes of CD sound.
// A longer clip outruns the analysis; its products are then made by reads of their own.
constexpr std::int64_t BesideBytes = std::int64_t(64) << 20;
// A clip of more sound than this would fill the queue unless the analysis kept to three
// quarters of the read's pace, which it never does: its products are made by reads of their
// own from the start, and the queue is never filled only to be given up.
constexpr std::int64_t MostBesideBytes = 4 * BesideBytes;

} // namespace

PeakCache::PeakCache(QObject* parent) : QObject(parent), m_progress(this) {
    m_progress.setInterval(ProgressMs);
    connect(&m_progress, &QTimer::timeout, this, [this] {
        const Entry* entry = m_entries.contains(m_jobRange) ? &m_entries[m_jobRange] : nullptr;
        if (!entry || !entry->peaks)
            return;
        const std::int64_t ready = entry->peaks->readyFrames();
        if (ready != m_lastReported) {
            m_lastReported = ready;
            emit progressed(m_jobRange);
        }
    });
}

PeakCache::~PeakCache() {
    stopJob();
}

ClipStamp PeakCache::stampOf(const ClipRange& range) {
    const Result<ClipStamp> stamp = clipStampOf(range);
    return stamp ? *stamp : ClipStamp{};
}

PeakCache::Entry* PeakCache::freshEntry(const ClipRange& range) {
    const auto it = m_entries.find(range);
    if (it == m_entries.end() || !(it->stamp == stampOf(range)))
        return nullptr;
    return &*it;
}

// The clip changed or was never seen: an empty set that the job fills, from the clip's peak
// file when it is still the clip's own (read there, not here: a long clip's peak file is
// megabytes), else from the clip.
PeakCache::Entry& PeakCache::renew(const ClipRange& range, bool first) {
    if (m_jobRange == range)
        stopJob();
    m_queue.removeAll(range);
    Entry& entry = m_entries[range];
    entry = Entry{};
    const Result<ClipStamp> stamp = clipStampOf(range);
    if (!stamp) {
        entry.failure = stamp.status().message();
        return entry;
    }
    entry.stamp = *stamp;
    entry.peaks = std::make_shared<Peaks>(stamp->format, stamp->frames);
    if (first)
        m_queue.prepend(range);
    else
        m_queue.append(range);
    startNext();
    return entry;
}

std::shared_ptr<const Peaks> PeakCache::peaksFor(const ClipRange& range) {
    if (const Entry* entry = freshEntry(range)) {
        // Asked for now: a clip still waiting its turn goes first.
        if (m_queue.removeAll(range) > 0) {
            m_queue.prepend(range);
            startNext();
        }
        return entry->peaks;
    }
    return renew(range, true).peaks;
}

void PeakCache::prepare(const ClipRange& range) {
    if (!freshEntry(range))
        renew(range, false);
}

QString PeakCache::failure(const ClipRange& range) const {
    const auto it = m_entries.find(range);
    return it == m_entries.end() ? QString() : it->failure;
}

void PeakCache::clear() {
    stopJob();
    m_queue.clear();
    m_entries.clear();
}

void PeakCache::startNext() {
    if (!m_jobRange.file.isEmpty() || m_queue.isEmpty())
        return;
    m_jobRange = m_queue.takeFirst();
    std::shared_ptr<Peaks> target = m_entries[m_jobRange].peaks;
    m_lastReported = -1;
    m_progress.start();
    const ClipStamp stamp = m_entries[m_jobRange].stamp;
    m_job.start<bool>(
        [path = m_jobRange, target, stamp,
         companions = m_companions](const BackgroundJob::Context& job) {
            // Peaks kept from their file need no read: the clip's other products come from
            // reads of their own, and the next clip's peaks don't wait for them.
            if (Result<std::shared_ptr<Peaks>> file = peaks::load(path);
                file && (*file)->frames() == target->frames() &&
                (*file)->fine().data.size() == target->fine().data.size() &&
                (*file)->coarse().data.size() == target->coarse().data.size()) {
                // Nothing of the target is read before it is marked complete.
                std::copy((*file)->fine().data.begin(), (*file)->fine().data.end(),
                          target->fineLevel().data.begin());
                std::copy((*file)->coarse().data.begin(), (*file)->coarse().data.end(),
                          target->coarseLevel().data.begin());
                target->setComplete();
                return true;
            }
            auto source = FrameSource::open(path, 0);
            if (!source || !(*source)->limit(0, target->frames()))
                return false;
            // The peaks are made as the clip is read, and its other missing products beside
            // the read, so that a slow one never holds the waveform back.
            peaks::Filler filler(*target);
            std::vector<FrameAnalyzer*> all{&filler};
            std::vector<std::unique_ptr<FrameAnalyzer>> others;
            if (companions &&
                target->frames() * (*source)->channels() * std::int64_t(sizeof(std::int16_t)) <=
                    MostBesideBytes)
                others = companions(path, stamp);
            std::optional<AnalyzerThread> beside;
            if (!others.empty())
                all.push_back(
                    &beside.emplace(std::move(others), (*source)->channels(), BesideBytes));
            const Status read = (*source)->feed(all, job.cancelFlag(), peaks::blockFrames(*target));
            // Saved here, off the GUI thread: a long clip's peaks are megabytes. A clip that
            // changed while it was read keeps no peak file.
            return read && !job.cancelled() && stampOf(path) == stamp &&
                   peaks::save(path, *target).isOk();
        },
        [this, path = m_jobRange, target](bool saved) { jobEnded(path, target, saved); });
}

void PeakCache::jobEnded(const ClipRange& range, std::shared_ptr<Peaks> peaks, bool saved) {
    m_jobRange = {};
    m_progress.stop();
    Entry* entry = m_entries.contains(range) ? &m_entries[range] : nullptr;
    if (entry && entry->peaks == peaks && !peaks->complete())
        entry->failure = tr("%1: the sound cannot be read.").arg(range.file);
    if (!saved)
        peaks::remove(range);
    emit progressed(range);
    emit finished(range);
    startNext();
}

void PeakCache::stopJob() {
    m_job.cancel();
    m_jobRange = {};
    m_progress.stop();
}
