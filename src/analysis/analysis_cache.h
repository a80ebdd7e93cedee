// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/music_analysis.h"
#include "base/background_job.h"
#include "codec/frame_source.h"
#include "wav/clip_range.h"
#include "wav/clip_stamp.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace analysis {
// The analysis made in a read of the clip shared with its other products, and kept in its
// file at the end when the clip is still as `stamp` says. Null when the clip's analysis file
// is still its own (or the clip's sound can't be analysed).
std::unique_ptr<FrameAnalyzer> sideProduct(const ClipRange& range, const ClipStamp& stamp);
} // namespace analysis

// The analyses of the clip files, for the editor. Each is made on a background job, one clip
// at a time: the analysis file kept beside the clip is read when it is still
// the clip's own (ClipStamp: its size, modification time and sound), else the clip is analysed and
// the file written. A clip that changed is analysed again when it is next asked for or prepared.
//
// Meant to follow the peaks: prepare() a clip once its peaks are finished, and again after
// a change of it.
//
// GUI thread only; the destructor stops and waits for a job.
class AnalysisCache : public QObject {
    Q_OBJECT
public:
    explicit AnalysisCache(QObject* parent = nullptr);
    ~AnalysisCache() override;

    // The analysis of the clip `range` as it is now; null while it is being made (this clip then
    // goes first) or when it failed (failure() says why).
    std::shared_ptr<const analysis::MusicAnalysis> analysisFor(const ClipRange& range);
    // The analysis of the clip `range` when it is known and still the clip's own; else null, and
    // nothing is started: the clip's analysis comes with its peaks (prepare()). A clip waiting
    // its turn goes first.
    std::shared_ptr<const analysis::MusicAnalysis> known(const ClipRange& range);
    // Queues the clip `range` unless its analysis is known and still its own.
    void prepare(const ClipRange& range);
    QString failure(const ClipRange& range) const;
    // Stops a job, waits for it and forgets everything (the work folder is about to be
    // emptied: no analysis file may be written into it afterwards).
    void clear();

signals:
    // The analysis of the clip `range` is ready, or failed.
    void finished(const ClipRange& range);

private:
    struct Entry {
        std::shared_ptr<const analysis::MusicAnalysis> analysis;
        ClipStamp stamp;
        QString failure;
        bool pending = false;
    };
    // The clip as it is now; an empty stamp when it cannot be read.
    static ClipStamp stampOf(const ClipRange& range);
    bool fresh(const ClipRange& range) const;
    void queue(const ClipRange& range, bool first);
    void startNext();
    void stopJob();

    QHash<ClipRange, Entry> m_entries;
    QList<ClipRange> m_queue;
    ClipRange m_jobRange;
    BackgroundJob m_job;
};
