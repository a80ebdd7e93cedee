// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/pulse/pulse_capture.h"

#include "audio/pulse/pulse_connection.h"
#include <QCoreApplication>

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/sample.h>
#include <pulse/stream.h>
#include <pulse/timeval.h>

#include <chrono>
#include <ctime>

namespace {
const pa_sample_spec CaptureSpec{PA_SAMPLE_S16LE, 44100, 2};
// Short blocks keep the byte count the recording page shows current and let a stop take
// effect promptly.
constexpr pa_usec_t BlockUsec = 20 * PA_USEC_PER_MSEC;

std::int64_t threadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

bool isGone(pa_stream_state_t state) {
    return state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED;
}

void onMoved(pa_context*, int success, void* userdata) {
    *static_cast<int*>(userdata) = success;
}
} // namespace

PulseCapture::PulseCapture(PulseConnection& connection, AudioEngine::CaptureCallback callback,
                           std::function<void()> ended)
    : m_connection(connection), m_callback(std::move(callback)), m_ended(std::move(ended)) {}

PulseCapture::~PulseCapture() {
    close();
}

Result<std::unique_ptr<PulseCapture>> PulseCapture::start(PulseConnection& connection,
                                                          const QByteArray& source,
                                                          AudioEngine::CaptureCallback callback,
                                                          std::function<void()> ended) {
    std::unique_ptr<PulseCapture> capture(
        new PulseCapture(connection, std::move(callback), std::move(ended)));
    if (connection.isReady())
        capture->m_stream = pa_stream_new(connection.context(), "Recording", &CaptureSpec, nullptr);
    if (!capture->m_stream)
        return Status{ErrorCode::Start,
                      QCoreApplication::translate("Pulse", "Can't create the recording stream: %1")
                          .arg(connection.errorText())};
    pa_stream* stream = capture->m_stream;
    pa_stream_set_state_callback(stream, onState, capture.get());
    pa_stream_set_read_callback(stream, onData, capture.get());
    pa_buffer_attr attr{};
    attr.maxlength = std::uint32_t(-1);
    attr.fragsize = std::uint32_t(pa_usec_to_bytes(BlockUsec, &CaptureSpec));
    bool ready = false;
    if (pa_stream_connect_record(stream, source.isEmpty() ? nullptr : source.constData(), &attr,
                                 PA_STREAM_ADJUST_LATENCY) == 0) {
        connection.waitUntil(
            [stream] { return pa_stream_get_state(stream) != PA_STREAM_CREATING; });
        ready = pa_stream_get_state(stream) == PA_STREAM_READY;
    }
    if (!ready)
        return Status{ErrorCode::Start,
                      QCoreApplication::translate("Pulse", "Can't start recording: %1")
                          .arg(connection.errorText())};
    // Blocks that arrived during the wait stay in the stream's buffer and come with the
    // next read callback.
    capture->m_running = true;
    return capture;
}

void PulseCapture::close() {
    m_running = false;
    if (!m_stream)
        return;
    pa_stream_set_read_callback(m_stream, nullptr, nullptr);
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    if (!isGone(pa_stream_get_state(m_stream)))
        pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
}

Status PulseCapture::moveTo(const QByteArray& source) {
    if (!m_running || !m_stream)
        return Status::ok();
    int moved = 0;
    m_connection.waitFor(
        pa_context_move_source_output_by_name(m_connection.context(), pa_stream_get_index(m_stream),
                                              source.constData(), onMoved, &moved));
    if (moved)
        return Status::ok();
    return {ErrorCode::Driver,
            QCoreApplication::translate("Pulse", "Can't move the recording to %1: %2")
                .arg(QString::fromUtf8(source), m_connection.errorText())};
}

void PulseCapture::stopFromCallback() {
    m_running = false;
    pa_stream_set_read_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream);
    m_ended();
}

void PulseCapture::onState(pa_stream* stream, void* userdata) {
    auto* self = static_cast<PulseCapture*>(userdata);
    if (self->m_running && isGone(pa_stream_get_state(stream))) {
        self->m_running = false;
        self->m_ended();
    }
    self->m_connection.wake();
}

void PulseCapture::onData(pa_stream* stream, std::size_t, void* userdata) {
    auto* self = static_cast<PulseCapture*>(userdata);
    while (self->m_running) {
        const void* data = nullptr;
        std::size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
            return;
        const auto* block = static_cast<const std::byte*>(data);
        if (!block) {
            // A gap in the data: the take keeps its timing with silence of that length.
            self->m_silence.assign(bytes, std::byte{0});
            block = self->m_silence.data();
        }
        const std::int64_t startedCpu = threadCpuNs();
        const auto started = std::chrono::steady_clock::now();
        const bool goOn = self->m_callback(block, bytes);
        const std::int64_t tookNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                        std::chrono::steady_clock::now() - started)
                                        .count();
        const std::int64_t tookCpuNs = threadCpuNs() - startedCpu;
        if (tookNs > self->m_longestCallbackNs.load(std::memory_order_relaxed))
            self->m_longestCallbackNs.store(tookNs, std::memory_order_relaxed);
        if (tookCpuNs > self->m_longestCallbackCpuNs.load(std::memory_order_relaxed))
            self->m_longestCallbackCpuNs.store(tookCpuNs, std::memory_order_relaxed);
        self->m_calls.fetch_add(1, std::memory_order_relaxed);
        if (tookCpuNs > AudioEngine::CallbackTimes::SlowCpuNs)
            self->m_slowCalls.fetch_add(1, std::memory_order_relaxed);
        self->m_position += ByteCount(bytes);
        pa_stream_drop(stream);
        if (!goOn)
            self->stopFromCallback();
    }
}
