// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/audio_engine.h"
#include "base/status.h"
#include "recording/pre_roll.h"
#include "recording/take_memory.h"
#include "recording/take_spool.h"
#include "wav/wav_header.h"

#include <QByteArray>
#include <QObject>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>

// One recording held in memory as a complete WAV image: a 44-byte header followed by
// 44100 Hz stereo 16-bit PCM, grown in steps of `bufferStep` bytes while the capture runs.
//
// States (derived, never stored):
//   NoTake            no block, no capture
//   Recording         a capture runs (recordChannel() != 0)
//   TakeReady         a finished take with a playback stream over it
//   TakeWithoutStream a finished take whose stream could not be made: not playable
//   WaitingForSound   a capture runs for an armed take that has not begun: no sound has
//                     reached the threshold yet (start on sound only)
//
// Before a take the owner may keep a capture running that only listens (startListening()):
// every block goes to the meter and into the pre-roll, a ring of the last PreRoll::MaxMs.
// BeginTake() turns that same capture into the take's, so nothing is lost between the two,
// and starts the take with the last preRollMs() of what was heard. With start on sound on,
// BeginTake() arms the take instead: it begins at the first frame in which a sample reaches
// the threshold, with the pre-roll before that frame in front of it. With a pre-roll of 0
// and start on sound off, or without listening, a take is the sound from the first block
// after BeginTake(), as it always was.
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
// Listening, the pre-roll and the wait for sound copy bytes only; the owner learns that the
// sound came by looking every SoundWatchMs.
class LevelMeter;
class QTimer;

class TakeRecorder : public QObject {
    Q_OBJECT
public:
    enum class State { NoTake, Recording, TakeReady, TakeWithoutStream, WaitingForSound };
    Q_ENUM(State)

    static constexpr std::int32_t DefaultBufferStep = 200000;
    static constexpr ByteCount MaxTakeBytes = std::numeric_limits<std::int32_t>::max();
    // How long before the limit nearingLimit() comes: five minutes of sound.
    static constexpr ByteCount BytesPerSecond = 176400; // 44100 Hz, 2 channels, 16-bit
    static constexpr ByteCount WarningBytes = ByteCount(5) * 60 * BytesPerSecond;
    static constexpr int DefaultPreRollMs = 500;
    static constexpr double DefaultSoundThresholdDb = -40.0;
    static constexpr int SoundWatchMs = 20;

    explicit TakeRecorder(AudioEngine& engine, TakeMemory memory = TakeMemory::mapped(),
                          QObject* parent = nullptr);
    ~TakeRecorder() override;

    // Every captured block is also measured by `meter` (null: none), on the capture thread.
    // Set while no capture runs.
    void setMeter(LevelMeter* meter) { m_meter = meter; }
    // Writes each take to `path` as it is recorded (TakeSpool), when the take's memory keeps
    // its block in place (TakeMemory::inPlace); nothing otherwise. Set while no capture runs.
    void setSpoolFile(const QString& path);
    // A smaller limit than MaxTakeBytes, for tests. Set while no capture runs.
    void setMaxTakeBytes(ByteCount bytes) { m_maxTakeBytes = bytes; }

    // How much of what was heard before the take goes in front of it: 0 to PreRoll::MaxMs
    // (clamped), in whole frames. May be set at any time; it counts when a take starts.
    void setPreRollMs(int ms);
    int preRollMs() const { return m_preRollMs; }
    // Start on sound: the next takes wait for a sample at or above `thresholdDb` dBFS (-60 to
    // 0, clamped; full scale is 32768). Set while no take is being recorded.
    void setStartOnSound(bool on, double thresholdDb = DefaultSoundThresholdDb);
    bool startOnSound() const { return m_startOnSound; }

    // Starts the capture that listens while no take is being recorded (nothing when one
    // runs already, or a take does). Fails with "Couldn't start recording" when the engine
    // refuses. The take's failure handling is not involved: a listening capture the server
    // ends is reported by listeningEnded().
    Status startListening();
    // Stops it; returns only when its callback can't run any more.
    void stopListening();
    AudioEngine::Handle listenChannel() const { return m_listenChannel; }

    // Leaving the page that records: stops listening, ends a take being recorded as
    // EndTake() does (one still waiting for sound is dropped) and frees the take's stream
    // while the engine still runs. The take itself is kept (TakeWithoutStream) until the
    // next BeginTake() or the recorder's end, so a page switch never loses it.
    void putAway();
    // Back on the page, the engine started again: a kept take gets its playback stream
    // again (TakeReady, or TakeWithoutStream when the engine refuses). Nothing otherwise.
    void bringBack();

    // Releases a previous take, allocates the first block, writes the header and starts the
    // capture, or takes over the listening one. On failure (no memory: "Out of memory!";
    // capture refused: "Couldn't start recording") no block is kept and the status says
    // which; a listening capture then goes on listening.
    Status BeginTake();
    // Stops the capture (no callback runs after this), completes the header and makes the
    // playback stream over the image. Does nothing unless recording or waiting; a take still
    // waiting for sound is dropped (NoTake).
    void EndTake();
    // The capture callback: appends one block, growing the image when the step is used up
    // (while listening or waiting: keeps it in the pre-roll). Returns false to stop the
    // capture (growth failed, or the size limit was reached). Blocks hold whole frames.
    bool OnCapturedBlock(const std::byte* block, std::size_t byteCount);

    // The finished take becomes `pcm` (the take's format, whole frames; a cleaned version of
    // it): a new block and stream, the old ones freed. Fails with "Out of memory!" (the take
    // as it was) or Handle when no finished take is there.
    Status replaceSound(const QByteArray& pcm);

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
    // Valid while no capture runs for a take (neither Recording nor WaitingForSound): the
    // image and its length, header included.
    const std::byte* takeBuffer() const { return m_takeBuffer; }
    ByteCount takeLength() const { return m_takeLength; }
    std::size_t capacity() const { return m_capacity; }
    std::int32_t bufferStep() const { return m_bufferStep; }
    // The take's sound bytes so far (header excluded); any thread, also while recording.
    ByteCount recordedBytes() const { return m_recorded.load(std::memory_order_relaxed); }

signals:
    void stateChanged(TakeRecorder::State state);
    // A failure the user must be told of ("Out of memory!", the size limit). For the size
    // limit the take is kept, finished and playable.
    void failed(const Status& status);
    // The take has WarningBytes or less left before the size limit (once a take).
    void nearingLimit();
    // The listening capture ended on its own (the server dropped it).
    void listeningEnded();

private:
    enum class CallbackFailure { None, OutOfMemory, SizeLimit };
    // What the capture callback does with a block: keep it in the pre-roll, look for the
    // sound that starts the take (and start it with the pre-roll), or append it.
    enum class Phase { Listening, Armed, Taking };

    bool append(const std::byte* block, std::size_t byteCount, bool measure);
    bool startWithPreRoll();
    void writeHeader(std::byte* block);
    void onSoundWatch();
    void onCallbackFailure();
    void onCaptureEnded(AudioEngine::Handle capture);
    void discardTake();
    void freeBlock();
    void emitState();

    AudioEngine& m_engine;
    TakeMemory m_memory;
    std::unique_ptr<TakeSpool> m_spool; // null: takes live in memory only
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
    std::atomic<ByteCount> m_recorded{0};

    AudioEngine::Handle m_listenChannel = 0;
    int m_preRollMs = 0;
    bool m_startOnSound = false;
    std::int32_t m_soundThreshold = 328; // -40 dBFS
    bool m_waiting = false;              // the take is armed for sound
    QTimer* m_soundWatch = nullptr;
    // Written by the owner before it publishes the phase; the callback's afterwards.
    std::atomic<Phase> m_phase{Phase::Taking};
    std::int32_t m_armedThreshold = 0; // 0: start on the next block
    std::size_t m_armedPreRollBytes = 0;
    PreRoll m_preRoll;
};
