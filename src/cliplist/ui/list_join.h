// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/background_job.h"
#include "base/status.h"
#include "pagekit/busy_gate.h"
#include "pagekit/page_services.h"
#include "wav/clip_range.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class ClipList;

// The clip list joined, in list order, into a WAV file (ClipJoiner) for "Save The List to
// Wav", on a background job. Both players let go of their clips first. The caller's hold on
// the window is kept across the join and handed back with its end.
//
// GUI thread only; the list outlives it.
class ListJoin : public QObject {
    Q_OBJECT
public:
    using Then = std::function<void(const Status& joined, std::unique_ptr<BusyGate::Scope> hold)>;

    ListJoin(const ClipList& clips, PageServices services, QObject* parent = nullptr);

    // Joins the list into `target`; `then` runs on the GUI thread with
    // the outcome and `hold` back.
    void start(std::unique_ptr<BusyGate::Scope> hold, const QString& target, Then then);
    // The clips in list order, both players having let go of their files: what a join reads
    // (and "Save The List to MP3", which encodes them as it reads them).
    QList<ClipRange> clipFilesToRead();
    bool isRunning() const { return m_job.isRunning(); }
    void cancel();

private:
    const ClipList& m_clips;
    PageServices m_services;
    BackgroundJob m_job;
    std::unique_ptr<BusyGate::Scope> m_hold;
};
