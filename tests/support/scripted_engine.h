// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/audio_engine.h"

#include <QByteArray>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// An AudioEngine for page tests: no sound server and no clock of its own.
//
// Inputs are whatever the test configures; every setInputOn/Off/Level call is recorded in
// order, and every engine call is logged as a line ("startForRecording", "setInputOn 1",
// "setInputLevel 0 40", "play 3", ...).
//
// Capture runs on a std::thread of its own, as a real capture thread does, but delivers a
// block only when the test asks for it (deliverBlocks), so a test knows exactly what was
// captured. Blocks come from a generator (by default counterPattern()). The capture ends
// at stopCapture() (which joins the thread), when the callback returns false or at
// dropCapture(); the last two emit captureEnded() queued.
//
// Output streams hold no sound: a stream is its data length and format. In Instant mode
// play() plays the whole stream at once; in ManualClock mode advanceMs() moves every
// playing stream on. At the end of the data a stream stops, its position goes back to 0
// and streamEnded() is emitted once, queued.
//
// All functions but the capture callback run on the owner's thread.
class ScriptedEngine : public AudioEngine {
    Q_OBJECT
public:
    enum class PlayMode { Instant, ManualClock };

    struct Input {
        QString name;
        int typeCode = 0;
        int levelPercent = 50;
        bool on = false;
    };

    struct InputCall {
        enum class Kind { On, Off, Level };
        Kind kind = Kind::On;
        int index = 0;
        int percent = 0; // Level only
        bool operator==(const InputCall&) const = default;
    };

    // Returns the block of `bytes` bytes that starts `offset` bytes into the capture.
    // Called on the capture thread.
    using BlockGenerator = std::function<QByteArray(ByteCount offset, std::size_t bytes)>;

    explicit ScriptedEngine(QObject* parent = nullptr);
    ~ScriptedEngine() override;

    // The default capture data: 16-bit little-endian samples counting up from 0 (wrapping at
    // 65536), so byte k of a capture is the low (k even) or high (k odd) byte of k / 2.
    static QByteArray counterPattern(ByteCount offset, std::size_t bytes);

    // --- scripting ---
    void setInputs(std::vector<Input> inputs);
    const std::vector<Input>& inputs() const { return m_inputs; }
    std::vector<InputCall> inputCalls() const { return m_inputCalls; }
    // Ok makes the call succeed again.
    void setStartForRecordingFailure(ErrorCode code) { m_startFailure = code; }
    void setStartForDecodingFailure(ErrorCode code) { m_decodingStartFailure = code; }
    void setStartCaptureFailure(ErrorCode code) { m_captureFailure = code; }
    void setPlayFailure(ErrorCode code) { m_playFailure = code; }
    void setCreateStreamFailure(ErrorCode code) { m_createFailure = code; }
    void setBlockGenerator(BlockGenerator generator);
    void setPlayMode(PlayMode mode) { m_playMode = mode; }

    // Queues blocks of these sizes for the capture thread (also before startCapture).
    void deliverBlocks(const std::vector<std::size_t>& sizes);
    // Waits until every queued block went through the callback or the capture ended.
    // Returns false if that did not happen within timeoutMs (a fault in the test).
    bool waitDelivered(int timeoutMs = 10000);
    // The server drops the capture: the thread ends and captureEnded() follows, queued.
    void dropCapture();
    // The capture that is running or ended on its own, 0 if none.
    Handle captureHandle() const;
    bool captureRunning() const;

    // Moves every playing stream on by ms of its sound.
    void advanceMs(std::int64_t ms);
    std::vector<Handle> streams() const;
    // The logical file of a file stream, empty for memory streams and unknown handles.
    QString streamPath(Handle stream) const;

    QStringList log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    // How many logged calls start with this word ("releaseAll", "startForDecoding", ...).
    int count(const QString& call) const;
    bool startedForRecording() const { return m_started == Started::Recording; }
    bool started() const { return m_started != Started::No; }

    // --- AudioEngine ---
    Status startForDecoding() override;
    Status startForRecording() override;
    void releaseAll() override;

    int inputCount() const override;
    QString inputName(int index) const override;
    InputState inputState(int index) const override;
    Status setInputOn(int index) override;
    Status setInputOff(int index) override;
    Status setInputLevel(int index, int percent) override;

    Handle startCapture(CaptureCallback callback) override;
    void stopCapture(Handle capture) override;
    ByteCount capturePosition(Handle capture) const override;

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
    int lastErrorCode() const override { return m_lastError; }

private:
    enum class Started { No, Decoding, Recording };

    struct Stream {
        QString path;
        WavFormat format;
        ByteCount length = 0;
        ByteCount position = 0;    // while stopped, or where the current play started
        std::int64_t playedMs = 0; // since the current play started
        bool playing = false;
        Handle next = 0; // starts when this one ends
    };

    struct Capture {
        Handle handle = 0;
        CaptureCallback callback;
        std::thread thread;
        std::atomic<ByteCount> position{0};
        std::atomic<bool> ended{false};
    };

    Status fail(ErrorCode code, const QString& message);
    Status checkInput(int index) const;
    Handle addStream(Stream stream);
    Stream* findStream(Handle stream);
    const Stream* findStream(Handle stream) const;
    ByteCount currentPosition(const Stream& stream) const;
    void finish(Handle handle, Stream& stream);
    void captureLoop(Capture* capture);
    void endCapture();

    std::vector<Input> m_inputs;
    std::vector<InputCall> m_inputCalls;
    QStringList m_log;
    Started m_started = Started::No;
    ErrorCode m_startFailure = ErrorCode::Ok;
    ErrorCode m_decodingStartFailure = ErrorCode::Ok;
    ErrorCode m_captureFailure = ErrorCode::Ok;
    ErrorCode m_playFailure = ErrorCode::Ok;
    ErrorCode m_createFailure = ErrorCode::Ok;
    PlayMode m_playMode = PlayMode::Instant;
    mutable int m_lastError = 0;
    Handle m_nextHandle = 1;
    std::map<Handle, Stream> m_streams;

    // Shared with the capture thread, under m_mutex.
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::size_t> m_pending;
    bool m_delivering = false;
    bool m_stopRequested = false;
    BlockGenerator m_generator;
    std::unique_ptr<Capture> m_capture;
};
