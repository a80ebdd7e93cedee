// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/audio_engine.h"
#include "base/status.h"
#include "wav/wav_header.h"

#include <QByteArray>

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class PulseConnection;
struct pa_stream;

// One capture of a PulseEngine: a record stream of 44100 Hz stereo signed 16-bit samples
// in blocks of about 20 ms, handed to the capture callback on the main loop thread.
//
// Threads: start(), close() and moveTo() run on the owner's thread with the connection's
// lock held, as does the destruction. Because the callback runs only with that lock held
// and only while the capture runs, once close() has returned no callback is running or
// can start. position() may be read from any thread.
class PulseCapture {
public:
    // Records from the source named `source` (the server's default when empty) and waits
    // until the server runs the stream. `ended` runs on the main loop thread when the
    // capture stops on its own: the callback returned false or the server dropped it.
    // Fails with Start.
    static Result<std::unique_ptr<PulseCapture>> start(PulseConnection& connection,
                                                       const QByteArray& source,
                                                       AudioEngine::CaptureCallback callback,
                                                       std::function<void()> ended);
    ~PulseCapture();
    PulseCapture(const PulseCapture&) = delete;
    PulseCapture& operator=(const PulseCapture&) = delete;

    // Ends the capture and frees the server stream; `ended` does not run for it.
    void close();
    // Moves the running capture to another source; Driver when the server refuses.
    Status moveTo(const QByteArray& source);
    bool isRunning() const { return m_running; }
    // Bytes delivered to the callback so far.
    ByteCount position() const { return m_position.load(); }
    // The longest a single call of the callback took so far, in nanoseconds: by the wall
    // clock (time the thread was not running included) and in the thread's CPU time; and how
    // many calls there were, and how many of them were slow.
    AudioEngine::CallbackTimes longestCallback() const {
        return {m_longestCallbackNs.load(), m_longestCallbackCpuNs.load(), m_calls.load(),
                m_slowCalls.load()};
    }

private:
    PulseCapture(PulseConnection& connection, AudioEngine::CaptureCallback callback,
                 std::function<void()> ended);
    void stopFromCallback();

    static void onState(pa_stream* stream, void* userdata);
    static void onData(pa_stream* stream, std::size_t bytes, void* userdata);

    PulseConnection& m_connection;
    AudioEngine::CaptureCallback m_callback;
    std::function<void()> m_ended;
    pa_stream* m_stream = nullptr;
    bool m_running = false;
    std::atomic<ByteCount> m_position{0};
    std::atomic<std::int64_t> m_longestCallbackNs{0};
    std::atomic<std::int64_t> m_longestCallbackCpuNs{0};
    std::atomic<std::int64_t> m_calls{0};
    std::atomic<std::int64_t> m_slowCalls{0};
    std::vector<std::byte> m_silence;
};
