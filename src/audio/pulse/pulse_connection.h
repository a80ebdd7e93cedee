// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <functional>

struct pa_context;
struct pa_operation;
struct pa_threaded_mainloop;

// The link to the sound server shared by everything a PulseEngine does: a threaded main loop
// (its own thread, on which libpulse runs every callback) and one context on it.
//
// Threads: connect() and disconnect() are called on the owner's thread without the lock.
// Everything else that touches libpulse objects runs with the lock held (Locker); the
// main loop's callbacks already hold it. Waits never block longer than their timeout, so a
// server that stops answering cannot hang the owner's thread.
class PulseConnection {
public:
    // How long one request to the server may take before it counts as lost.
    static constexpr int RequestTimeoutMs = 3000;

    PulseConnection() = default;
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    // Connects to the server named by PULSE_SERVER or the client configuration, never
    // starting one. Does nothing when already connected. Fails with Driver when the server
    // cannot be reached within timeoutMs; the connection is then closed again.
    Status connect(int timeoutMs = RequestTimeoutMs);
    // Closes the context and stops the main loop thread. Streams must be freed first.
    void disconnect();

    // With the lock held: the context is ready for requests.
    bool isReady() const;
    // With the lock held: the server's reason for the last failure, for messages.
    QString errorText() const;

    pa_context* context() const { return m_context; }
    pa_threaded_mainloop* mainloop() const { return m_mainloop; }

    // With the lock held: sleeps until done() is true, the context fails, or timeoutMs
    // passes. Returns done(). Callbacks that change what done() looks at call wake().
    bool waitUntil(const std::function<bool()>& done, int timeoutMs = RequestTimeoutMs);
    // With the lock held: waits for a request to complete and releases it. False when it
    // could not be sent, was cancelled, or timed out (it is then cancelled).
    bool waitFor(pa_operation* operation, int timeoutMs = RequestTimeoutMs);
    // From a main loop callback: wakes the waiting owner thread.
    void wake();

    // Holds the main loop lock for its scope; does nothing while there is no main loop.
    class Locker {
    public:
        explicit Locker(PulseConnection& connection);
        ~Locker();
        Locker(const Locker&) = delete;
        Locker& operator=(const Locker&) = delete;

    private:
        pa_threaded_mainloop* m_mainloop;
    };

private:
    pa_threaded_mainloop* m_mainloop = nullptr;
    pa_context* m_context = nullptr;
};
