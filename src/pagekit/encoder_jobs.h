// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "codec/mp3_encoder.h"
#include "pagekit/busy_gate.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

struct AppContext;
class QWidget;

// Starts MP3 jobs, and the other encoder jobs, on the shared encoder and ends each one on its own.
// At the end of every job, in this order: its busy window is hidden, "Finish Save" with the
// file written on the next line (or the job's failure) is shown, the edit player gets "stop"
// and the list player "Stop", and the job's busy scope, which may have disabled the main
// window, goes. A busy window shown by a job follows the job's progress.
//
// GUI thread only; the context's parts and the dialog parent must outlive it.
class EncoderJobs : public QObject {
    Q_OBJECT
public:
    EncoderJobs(const AppContext& context, BusyGate& gate, QWidget& dialogParent);

    // Queues a job from inputPath to outputPath; `busy` (may be null) lives until the job's
    // end. Returns the encoder's StatusCode: 0 when the job was taken. A refused job has no
    // end: `busy` goes at once and nothing else happens.
    short start(const QString& inputPath, const QString& outputPath,
                std::unique_ptr<BusyGate::Scope> busy);
    // The same for a job that does `work` on the encoder's worker (a ringtone, an MP3 with
    // a title): it ends as every job here does, except that a job given `saved` has it
    // called with the file written in place of "Finish Save" (its own box says so).
    short start(const QString& inputPath, const QString& outputPath, Mp3Encoder::Work work,
                std::unique_ptr<BusyGate::Scope> busy,
                std::function<void(const QString& output)> saved = {});
    // Jobs taken and not yet ended.
    int pending() const { return int(m_jobs.size()); }

private:
    struct Job {
        std::unique_ptr<BusyGate::Scope> busy;
        std::function<void(const QString& output)> saved;
    };
    void finish(int id, bool ok, const QString& message, const QString& output);

    const AppContext& m_context;
    BusyGate& m_gate;
    QWidget& m_dialogParent;
    // Jobs taken and not ended, by number. Their busy scopes live here, on the GUI thread,
    // never in the encoder's queue.
    std::map<int, Job> m_jobs;
    int m_nextId = 0;
};
