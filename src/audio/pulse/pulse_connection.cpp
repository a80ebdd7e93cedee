// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/pulse/pulse_connection.h"

#include <QCoreApplication>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop-api.h>
#include <pulse/operation.h>
#include <pulse/rtclock.h>
#include <pulse/sample.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

namespace {
struct Deadline {
    pa_threaded_mainloop* mainloop;
    bool expired = false;
};

void onDeadline(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* userdata) {
    auto* deadline = static_cast<Deadline*>(userdata);
    deadline->expired = true;
    pa_threaded_mainloop_signal(deadline->mainloop, 0);
}

void onStateChange(pa_context*, void* userdata) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(userdata), 0);
}

void onOperationState(pa_operation*, void* userdata) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(userdata), 0);
}

bool isFinal(pa_context_state_t state) {
    return state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
}
} // namespace

PulseConnection::~PulseConnection() {
    disconnect();
}

Status PulseConnection::connect(int timeoutMs) {
    if (m_mainloop) {
        Locker lock(*this);
        if (isReady())
            return Status::ok();
    }
    disconnect();

    m_mainloop = pa_threaded_mainloop_new();
    if (!m_mainloop)
        return {ErrorCode::Init,
                QCoreApplication::translate("Pulse", "Can't create the sound server main loop")};
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_mainloop), "KorvaNel Tunecarver");
    if (!m_context || pa_threaded_mainloop_start(m_mainloop) < 0) {
        disconnect();
        return {ErrorCode::Init,
                QCoreApplication::translate("Pulse", "Can't start the sound server main loop")};
    }

    QString failure;
    {
        Locker lock(*this);
        pa_context_set_state_callback(m_context, onStateChange, m_mainloop);
        // The server address comes from PULSE_SERVER or client.conf; a missing server must
        // be reported, not replaced by one we start ourselves.
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            failure = errorText();
        } else {
            const bool settled = waitUntil(
                [this] {
                    const auto state = pa_context_get_state(m_context);
                    return state == PA_CONTEXT_READY || isFinal(state);
                },
                timeoutMs);
            if (!settled)
                failure = QCoreApplication::translate("Pulse", "no answer from the server");
            else if (!isReady())
                failure = errorText();
        }
    }
    if (failure.isEmpty())
        return Status::ok();
    disconnect();
    return {
        ErrorCode::Driver,
        QCoreApplication::translate("Pulse", "Can't connect to the sound server: %1").arg(failure)};
}

void PulseConnection::disconnect() {
    if (!m_mainloop)
        return;
    if (m_context) {
        Locker lock(*this);
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    pa_threaded_mainloop_stop(m_mainloop);
    pa_threaded_mainloop_free(m_mainloop);
    m_mainloop = nullptr;
}

bool PulseConnection::isReady() const {
    return m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY;
}

QString PulseConnection::errorText() const {
    return QString::fromUtf8(pa_strerror(m_context ? pa_context_errno(m_context) : PA_ERR_UNKNOWN));
}

bool PulseConnection::waitUntil(const std::function<bool()>& done, int timeoutMs) {
    if (done())
        return true;
    if (!m_context)
        return false;
    Deadline deadline{m_mainloop};
    pa_time_event* timer =
        pa_context_rttime_new(m_context, pa_rtclock_now() + pa_usec_t(timeoutMs) * PA_USEC_PER_MSEC,
                              onDeadline, &deadline);
    while (!done() && !deadline.expired) {
        if (isFinal(pa_context_get_state(m_context)))
            break;
        pa_threaded_mainloop_wait(m_mainloop);
    }
    if (timer)
        pa_threaded_mainloop_get_api(m_mainloop)->time_free(timer);
    return done();
}

bool PulseConnection::waitFor(pa_operation* operation, int timeoutMs) {
    if (!operation)
        return false;
    pa_operation_set_state_callback(operation, onOperationState, m_mainloop);
    waitUntil([operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; },
              timeoutMs);
    const auto state = pa_operation_get_state(operation);
    if (state == PA_OPERATION_RUNNING)
        pa_operation_cancel(operation);
    pa_operation_set_state_callback(operation, nullptr, nullptr);
    pa_operation_unref(operation);
    return state == PA_OPERATION_DONE;
}

void PulseConnection::wake() {
    if (m_mainloop)
        pa_threaded_mainloop_signal(m_mainloop, 0);
}

PulseConnection::Locker::Locker(PulseConnection& connection) : m_mainloop(connection.m_mainloop) {
    if (m_mainloop)
        pa_threaded_mainloop_lock(m_mainloop);
}

PulseConnection::Locker::~Locker() {
    if (m_mainloop)
        pa_threaded_mainloop_unlock(m_mainloop);
}
