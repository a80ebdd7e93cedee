// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>

// Encodes files to MP3 with LAME at a constant bit rate, one job at a time on a worker
// thread of its own. Jobs started while one runs wait in a queue.
//
// The input is read through DecodeStream, so any WAV layout and any readable file works.
// The output is written to a temporary file beside the target and renamed over it only
// when the job succeeded: a failed job leaves no partial MP3.
//
// EncodeFinished is emitted exactly once per accepted job, on the thread that owns the
// encoder (the GUI thread).
class Mp3Encoder : public QObject {
    Q_OBJECT
public:
    explicit Mp3Encoder(QObject* parent = nullptr);
    ~Mp3Encoder() override; // waits for the running job and drops queued ones

    // Bit rate in kbit/s for jobs started afterwards: 56, 96, 128 or 256 (default 128).
    // Other values are clamped by LAME to its nearest legal rate.
    int BitRate() const;
    void setBitRate(int kbps);

    // Queues a job and returns at once: 0 when accepted, else an error code (also in
    // StatusCode), e.g. an empty path. No EncodeFinished follows a refused job.
    short EncodeFile(const QString& inputPath, const QString& outputPath);
    // The result of the last EncodeFile: 0 = job accepted, otherwise its error code.
    short StatusCode() const;

    // Blocks until the queue is empty (for the command-line front end and tests).
    void waitForDone();

signals:
    // One job has ended. ok false: message says which file failed and why.
    void EncodeFinished(bool ok, const QString& message, const QString& outputPath);
    // Progress of the running job in percent of its input.
    void progress(int percent);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
