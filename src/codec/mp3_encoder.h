// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

// Encodes files to MP3 with LAME at a constant bit rate, one job at a time on a background
// job (BackgroundJob). Jobs started while one runs wait in a queue. The same worker runs the
// program's other encoder jobs (ringtones, AAC, Vorbis: EncodeWith), so every job that writes
// a sound file ends the same way and none runs beside another.
//
// The input is read through DecodeStream, so any WAV layout and any readable file works;
// more than two channels are mixed down to stereo. The MP3 keeps the input's sample rate
// when MP3 has it (8000 to 48000 Hz), else takes the next higher one (48000 Hz at most).
// LAME's Info tag at the start of the file records the encoder delay and padding, so a
// decoder that reads it gives back the input's length (at 56 kbit/s in stereo at 44100 or
// 48000 Hz a frame has no room for the tag: LAME leaves it out, and decoders then keep the
// delay and padding, under two frames). The output is written to a temporary file beside
// the target and renamed over it only when the job succeeded: a failed job leaves no
// partial MP3 and an older file of that name untouched.
//
// Each accepted job ends exactly once, on the thread that owns the encoder (the GUI thread),
// through its event loop: first the job's own completion, handed to EncodeFile, then the
// EncodeFinished signal, which reports every job to whoever follows them all. Jobs are
// queued, and the encoder used, on that thread only.
class Mp3Encoder : public QObject {
    Q_OBJECT
public:
    explicit Mp3Encoder(QObject* parent = nullptr);
    // Stops the running job (its temporary file is removed, no EncodeFinished follows) and
    // drops queued ones; returns once the worker has ended.
    ~Mp3Encoder() override;

    // Bit rate in kbit/s for jobs started afterwards: 56, 96, 128 or 256 (default 128).
    // A rate the MP3 sample rate cannot carry (256 at 24000 Hz and below) or any other
    // value is taken by LAME to its nearest legal rate.
    int BitRate() const;
    void setBitRate(int kbps);

    // Queues a job and returns at once: 0 when accepted, else an ErrorCode number (also in
    // StatusCode): IllegalParam for an empty path or a target equal to the input, FileOpen
    // for a missing input, NotFile for an input that is a folder. No EncodeFinished follows
    // a refused job. Whether the input really is sound is found out by the job.
    // `done` is that job's own completion; nothing calls it for a refused job.
    using Completion =
        std::function<void(bool ok, const QString& message, const QString& outputPath)>;
    short EncodeFile(const QString& inputPath, const QString& outputPath, Completion done = {});

    // What a job does on the worker thread: writes the output (under a temporary name,
    // renamed at the end) and says how it went. `progress` takes percents of the work;
    // `abort` is set when the encoder goes away, and the work should then stop soon.
    using Work = std::function<Status(const std::function<void(int percent)>& progress,
                                      const std::atomic<bool>& abort)>;
    // Queues `work` as a job from inputPath to outputPath: checked, refused and ended as an
    // EncodeFile job is (a failed Status's message goes to the completion). BitRate does not
    // apply: the work carries its own settings.
    short EncodeWith(const QString& inputPath, const QString& outputPath, Work work,
                     Completion done = {});
    // The result of the last EncodeFile: 0 = job accepted, otherwise its error code.
    short StatusCode() const;

    // Blocks until the queue is empty and no job runs (for the command-line front end and
    // tests), running each job's completion and EncodeFinished as its job ends.
    void waitForDone();

signals:
    // One job has ended. ok false: message says which file failed and why; empty when ok.
    void EncodeFinished(bool ok, const QString& message, const QString& outputPath);
    // Progress of the running job in percent of its input, when the input's length is known.
    void progress(int percent);

private:
    void startNext();
    struct Impl;
    std::unique_ptr<Impl> d;
};
