// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/clip_range.h"
#include "wav/wav_header.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>

// The sound engine the pages talk to: inputs, capture and output streams.
//
// Threads: every function is called on the thread that owns the engine (the GUI thread),
// except the capture callback, which the engine calls on a thread of its own. Signals are
// emitted on the owner's thread.
//
// Handles are nonzero; 0 means "none" or "failed" (lastErrorCode() then says why).
class AudioEngine : public QObject {
    Q_OBJECT
public:
    using Handle = std::uint32_t;

    // The capture callback gets each captured block of interleaved 44100 Hz stereo 16-bit
    // samples. It returns true to go on and false to stop the capture. It must not block.
    using CaptureCallback = std::function<bool(const std::byte* data, std::size_t bytes)>;

    // How long the capture callback took, for measurement.
    struct CallbackTimes {
        static constexpr std::int64_t SlowCpuNs = 2000000;
        std::int64_t longestNs = 0;    // wall clock
        std::int64_t longestCpuNs = 0; // CPU time of the capture thread
        std::int64_t calls = 0;
        std::int64_t slowCalls = 0; // calls that took more than SlowCpuNs of CPU time
    };

    // What an input reports, in the terms of the recording page.
    struct InputState {
        int levelPercent = 0; // 0-100
        bool on = false;      // the input our capture uses
        int typeCode = 0;     // 0x01000000 Digital ... 0x0A000000 Analog, 0 unknown
    };

    using QObject::QObject;
    ~AudioEngine() override = default;

    // Starts for decoding only: needs no device and never fails for lack of one.
    virtual Status startForDecoding() = 0;
    // Starts for recording and playback: needs the sound server.
    virtual Status startForRecording() = 0;
    // Ends any capture (returning only when no capture callback can run any more) and
    // frees every stream. The engine is then unstarted.
    virtual void releaseAll() = 0;

    // Inputs, 0-based. inputCount() is 0 while the engine is not started for recording.
    virtual int inputCount() const = 0;
    virtual QString inputName(int index) const = 0;
    virtual InputState inputState(int index) const = 0;
    virtual Status setInputOn(int index) = 0;  // makes it the input our capture uses
    virtual Status setInputOff(int index) = 0; // never mutes or changes the user's source
    virtual Status setInputLevel(int index, int percent) = 0;

    // Capture at 44100 Hz, 2 channels, 16-bit from the input that is on.
    virtual Handle startCapture(CaptureCallback callback) = 0;
    // Returns only when no further callback can run for this capture.
    virtual void stopCapture(Handle capture) = 0;
    // Bytes captured so far.
    virtual ByteCount capturePosition(Handle capture) const = 0;

    // Output streams over a canonical WAV image in memory (the memory must outlive the
    // stream; the engine only reads it) or over a sound file on disk (a file the engine
    // plays as 16-bit frames: a clip file from its PCM, anything else decoded).
    virtual Handle createMemoryStream(const std::byte* image, ByteCount bytes) = 0;
    // A stretch of a file (a cut clip) plays as a sound of its own, its fades applied.
    virtual Handle createFileStream(const ClipRange& clip) = 0;
    virtual void freeStream(Handle stream) = 0;
    // Plays from the current position; at the end of the data the position goes back to 0
    // and streamEnded() is emitted once.
    virtual Status play(Handle stream) = 0;
    // Stops (pauses) playback; the position stays.
    virtual Status stop(Handle stream) = 0;
    virtual bool isActive(Handle stream) const = 0;
    // Sample-data bytes (header excluded) played so far and in all.
    virtual ByteCount position(Handle stream) const = 0;
    virtual ByteCount length(Handle stream) const = 0;
    // The sample format position() and length() count in.
    virtual WavFormat format(Handle stream) const = 0;
    virtual Status setPosition(Handle stream, ByteCount bytes) = 0;
    // Queues `next` (0: none) to play right after `stream` without a gap: when `stream`'s
    // data is used up, `next` goes on in the same output from its position. streamEnded()
    // comes for `stream` when its last sample has been played; `next` is active from then
    // on. Fails, changing nothing, for streams of different sample formats (Format) or a
    // stream that is queued or playing already.
    virtual Status queueNext(Handle stream, Handle next) = 0;

    // The code of the last failure, for the "error code: N" line.
    virtual int lastErrorCode() const = 0;

signals:
    // A playing stream reached the end of its data (not emitted for stop or free).
    void streamEnded(AudioEngine::Handle stream);
    // A playing stream stopped before its end because the sound server went away or dropped
    // it; the position stays where playback got to.
    void streamFailed(AudioEngine::Handle stream);
    // A capture ended on its own (the server dropped it, or the callback said stop).
    void captureEnded(AudioEngine::Handle capture);
};
