// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "codec/wav_decoder.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

// Runs the decode of one file into a WAV file (WavDecoder's loadmp3, convert2wav and
// closewav) on a thread of its own, so the GUI thread keeps painting and animating the busy
// window while a long song is decoded. One decode at a time.
//
// The owner's thread (the GUI thread) starts it and gets, through its event loop, progress()
// while the decode runs and then the decode's one completion. cancelAndWait() is the way out
// for an exit: it stops the decode before its next block, waits for the thread and drops the
// completion, so nothing arrives after it returns and the target is as it was.
class DecodeWorker : public QObject {
    Q_OBJECT
public:
    struct Outcome {
        // Which step failed: the input could not be opened ("Can't play the file"), or the
        // decode or the writing failed. Unset when the decode succeeded.
        enum class Step { None, Load, Decode };
        Step failedStep = Step::None;
        Status status;
        bool cancelled = false;
    };
    using Done = std::function<void(const Outcome&)>;

    explicit DecodeWorker(QObject* parent = nullptr);
    ~DecodeWorker() override; // cancelAndWait()

    // Starts decoding inputPath into outputPath; `done` runs on this object's thread once
    // the decode has ended and the worker is idle again. Returns false, doing nothing, while
    // an earlier decode is still running.
    bool start(const QString& inputPath, const QString& outputPath, Done done);
    bool isRunning() const { return m_running; }
    // Asks the running decode to stop; its completion still comes, with `cancelled` set.
    void cancel();
    void cancelAndWait();

signals:
    // Percent of the input decoded so far, sent when it changes (not at all when the input's
    // length is unknown).
    void progress(int percent);

private:
    void run(QString inputPath, QString outputPath, Done done, unsigned generation);

    WavDecoder m_decoder;
    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    bool m_running = false;
    unsigned m_generation = 0; // a completion from an earlier generation is dropped
};
