// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/background_job.h"
#include "wav/clip_range.h"
#include "wav/clip_stamp.h"
#include "waveform/peaks.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The peaks of the clip files, kept for the editor's waveform. They are computed on a
// background job, one clip at a time, saved beside each clip (peaks::save) and
// loaded from there, on the job too, while they still belong to the clip file as it is now
// (ClipStamp: its size, modification time and sound): a clip that changed is never drawn from the
// peaks of its old sound.
//
// While a clip is computed, its Peaks fill up from the start (Peaks::readyFrames), and
// progressed() says so at most every ProgressMs, so a view paints what is ready.
//
// GUI thread only; the destructor stops and waits for a computation.
class PeakCache : public QObject {
    Q_OBJECT
public:
    static constexpr int ProgressMs = 40;

    // The other products of a clip (its spectrogram, its analysis) that are missing or stale,
    // made on the job's thread: the read that computes a clip's peaks feeds them too, beside
    // it, so a clip that changed is read once for all of them. Each keeps its own file at its
    // end.
    using Companions = std::function<std::vector<std::unique_ptr<FrameAnalyzer>>(
        const ClipRange& range, const ClipStamp& stamp)>;

    explicit PeakCache(QObject* parent = nullptr);
    ~PeakCache() override;

    // The peaks of the clip `range` as they are now: complete when they were known, else being
    // loaded or computed (this clip goes first). Null when the clip file cannot be
    // read (failure() says why).
    std::shared_ptr<const Peaks> peaksFor(const ClipRange& range);
    // Queues the clip `range` for computing unless its peaks are known and still its own.
    void prepare(const ClipRange& range);
    QString failure(const ClipRange& range) const;
    // Set once, before the first clip is asked for; called on the job's thread.
    void setCompanions(Companions companions) { m_companions = std::move(companions); }
    // Stops a computation, waits for it and forgets everything (the work folder is about to
    // be emptied: no peak file may be written into it afterwards).
    void clear();

signals:
    void progressed(const ClipRange& range);
    // The peaks of the clip `range` are complete (computed, or loaded from its peak file) or
    // failed.
    void finished(const ClipRange& range);

private:
    struct Entry {
        std::shared_ptr<Peaks> peaks;
        ClipStamp stamp;
        QString failure;
    };
    // The clip as it is now; an empty stamp when it cannot be read.
    static ClipStamp stampOf(const ClipRange& range);
    Entry* freshEntry(const ClipRange& range);
    Entry& renew(const ClipRange& range, bool first);
    void startNext();
    void jobEnded(const ClipRange& range, std::shared_ptr<Peaks> peaks, bool saved);
    void stopJob();

    Companions m_companions;
    QHash<ClipRange, Entry> m_entries;
    QList<ClipRange> m_queue;
    ClipRange m_jobRange;
    BackgroundJob m_job;
    std::int64_t m_lastReported = -1;
    QTimer m_progress;
};
