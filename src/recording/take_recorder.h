// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/audio_engine.h"
#include "base/status.h"
#include "recording/take_memory.h"
#include "wav/wav_header.h"

#include <QObject>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <limits>

// One recording held in memory as a complete WAV image: a 44-byte header followed by
// 44100 Hz stereo 16-bit PCM, grown in steps of `bufferStep` bytes while the capture runs.
//
// States (derived, never stored):
//   NoTake            no block, no capture
//   Recording         a capture runs (recordChannel() != 0)
//   TakeReady         a finished take with a playback stream over it
//   TakeWithoutStream a finished take whose stream could not be made: not playable
//
// Threads: OnCapturedBlock runs on the engine's capture thread and touches only the block
// and its length; everything else runs on the owner's (GUI) thread, which reads the block
// only after the capture has stopped. Failures inside the callback reach the owner through
// a queued call, which then emits failed(): the callback itself never touches a widget.
// A capture the sound server ends on its own (engine's captureEnded) finishes the take with
// what was captured, as Stop would, and is reported through failed() as well.
//
// The take's length, header included, is a signed 32-bit count (readers that take the RIFF
// sizes for signed stop there too): at most MaxTakeBytes, about 3 h 23 min of sound. The
// callback allocates nothing and takes no lock except when the block grows (TakeMemory) and
// in the two one-off reports (the limit near, a failure), which are queued to the owner.
class LevelMeter;

class TakeRecorder : public QObject {
    Q_OBJECT
public:
    enum class State { NoTake, Recording, TakeReady, TakeWithoutStream };
    Q_ENUM(State)

    static constexpr std::int32_t DefaultBufferStep = 200000;
    static constexpr ByteCount MaxTakeBytes = std::numeric_limits<std::int32_t>::max();
    // How long before the limit nearingLimit() comes: five minutes of sound.
    static constexpr ByteCount BytesPerSecond = 176400; // 44100 Hz, 2 channels, 16-bit
    static constexpr ByteCount WarningBytes = ByteCount(5) * 60 * BytesPerSecond;

    explicit TakeRecorder(AudioEngine& engine, TakeMemory memory = TakeMemory::mapped(),
                          QObject* parent = nullptr);
    ~TakeRecorder() override;

    // Every captured block is also measured by `meter` (null: none), on the capture thread.
    // Set while no capture runs.
    void setMeter(LevelMeter* meter) { m_meter = meter; }
    // A smaller limit than MaxTakeBytes, for tests. Set while no capture runs.
    void setMaxTakeBytes(ByteCount bytes) { m_maxTakeBytes = bytes; }

    // Forgets any take without touching the engine (its handles are gone after the engine
    // was released): no block, length 0, step 200000.
    void reset();
    // Frees the take's block; the caller has released the engine first, so neither the
    // capture nor the take's stream can still read or write it.
    void releaseBlock();

    // Releases a previous take, allocates the first block, writes the header and starts the
    // capture. On failure (no memory: "Out of memory!"; capture refused: "Couldn't start
    // recording") no block is kept and the status says which.
    Status BeginTake();
    // Stops the capture (no callback runs after this), completes the header and makes the
    // playback stream over the image. Does nothing unless recording.
    void EndTake();
    // The capture callback: appends one block, growing the image when the step is used up.
    // Returns false to stop the capture (growth failed, or the size limit was reached).
    bool OnCapturedBlock(const std::byte* block, std::size_t byteCount);

    // Writes the takeLength() bytes of a finished take to `path` through a temporary file
    // beside it, renamed over an older file of that name only when all was written. Fails
    // (Create, naming the file) when there is no finished take or the file can't be written.
    Status writeTo(const QString& path) const;
    // The same for a take's image handed over (a background job writes it while the owner
    // keeps the take as it is).
    static Status writeImage(const std::byte* image, ByteCount bytes, const QString& path);

    State state() const;
    AudioEngine::Handle recordChannel() const { return m_recordChannel; }
    AudioEngine::Handle takeStream() const { return m_takeStream; }
    // Valid outside Recording: the image and its length, header included.
    const std::byte* takeBuffer() const { return m_takeBuffer; }
    ByteCount takeLength() const { return m_takeLength; }
    std::size_t capacity() const { return m_capacity; }
    std::int32_t bufferStep() const { return m_bufferStep; }

signals:
    void stateChanged(TakeRecorder::State state);
    // A failure the user must be told of ("Out of memory!", the size limit). For the size
    // limit the take is kept, finished and playable.
    void failed(const Status& status);
    // The take has WarningBytes or less left before the size limit (once a take).
    void nearingLimit();

private:
    enum class CallbackFailure { None, OutOfMemory, SizeLimit };

    void onCallbackFailure();
    void onCaptureEnded(AudioEngine::Handle capture);
    void discardTake();
    void freeBlock();
    void emitState();

    AudioEngine& m_engine;
    TakeMemory m_memory;
    LevelMeter* m_meter = nullptr;
    ByteCount m_maxTakeBytes = MaxTakeBytes;
    std::int32_t m_bufferStep = DefaultBufferStep;
    std::byte* m_takeBuffer = nullptr;
    std::size_t m_capacity = 0;
    ByteCount m_takeLength = 0;
    AudioEngine::Handle m_recordChannel = 0;
    AudioEngine::Handle m_takeStream = 0;
    WavHeader m_takeHeader;
    std::atomic<CallbackFailure> m_callbackFailure{CallbackFailure::None};
    std::atomic<bool> m_warned{false};
};
