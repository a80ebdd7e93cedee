// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/audio_engine.h"
#include "wav/clip_range.h"

#include <memory>

// The AudioEngine on a PulseAudio server (PipeWire serves the same protocol). The server
// is the one PULSE_SERVER or the client configuration names; none is ever started.
//
// Inputs are the server's sources, monitors of outputs included, in the server's order
// when startForRecording() ran, each named by its description. Type codes come from the
// source's active port: microphone and headset ports "Microphone", line ports "Line-in",
// S/PDIF and other digital ports "Digital", monitors "Wave/PCM", anything else 0. The
// level is the source volume (average of the channels) in percent of the normal volume;
// setting it sets the source volume. "On" is the input our capture records from: at start
// the input chosen before if it still exists, else the server's default source. Turning an
// input on moves a running capture to it; turning one off only clears that choice (capture
// then records from the default source). Neither ever mutes or changes a source.
//
// Capture is 44100 Hz, 2 channels, signed 16-bit little-endian, in blocks of about 20 ms.
// Gaps the server reports in the data are delivered as silence of their length.
//
// Output streams play on the server's default sink and connect to the server themselves
// when they play, so a player may use an engine that was never started for recording, and
// a stream is made even while the server is away. About 400 ms of sound wait at the server
// so that a busy machine does not make a hole in it; stop and a new position take effect at
// once all the same. Positions follow what the server reports as played (never what was
// sent to it), within about 50 ms.
//
// Server requests wait at most a few seconds; a server that does not answer in time
// counts as unreachable (Driver). Threads: as AudioEngine; the capture callback runs on
// libpulse's main loop thread, signals are queued to the thread that owns the engine.
class PulseEngine final : public AudioEngine {
    Q_OBJECT
public:
    explicit PulseEngine(QObject* parent = nullptr);
    ~PulseEngine() override; // releaseAll()

    Status startForDecoding() override;
    Status startForRecording() override;
    void releaseAll() override;

    int inputCount() const override;
    QString inputName(int index) const override;
    // Asks the server for the current level; keeps the last known one if it can't.
    InputState inputState(int index) const override;
    Status setInputOn(int index) override;
    Status setInputOff(int index) override;
    Status setInputLevel(int index, int percent) override;

    Handle startCapture(CaptureCallback callback) override;
    void stopCapture(Handle capture) override;
    // Stays readable after the capture ended, until releaseAll().
    ByteCount capturePosition(Handle capture) const override;
    // The longest a single call of the capture's callback took (zeros for an unknown
    // capture): what the server's thread waited for our code. Readable as the position.
    CallbackTimes longestCallback(Handle capture) const;

    Handle createMemoryStream(const std::byte* image, ByteCount bytes) override;
    Handle createFileStream(const ClipRange& clip) override;
    void freeStream(Handle stream) override;
    Status play(Handle stream) override;
    Status stop(Handle stream) override;
    bool isActive(Handle stream) const override;
    ByteCount position(Handle stream) const override;
    ByteCount length(Handle stream) const override;
    WavFormat format(Handle stream) const override;
    Status setPosition(Handle stream, ByteCount bytes) override;
    Status queueNext(Handle stream, Handle next) override;

    int lastErrorCode() const override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
