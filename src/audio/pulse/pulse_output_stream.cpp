// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/pulse/pulse_output_stream.h"
#include "audio/pulse/pulse_connection.h"
#include "audio/pulse/read_ahead.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>

#include <pulse/context.h>
#include <pulse/mainloop-api.h>
#include <pulse/operation.h>
#include <pulse/rtclock.h>
#include <pulse/sample.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
// What waits at the server: more than a busy machine keeps a program waiting for the CPU
// (a stall of a second and a half is heard nowhere). Stop and a new position don't wait for
// it: both let go of the server stream, and with it of everything queued there. All of it waits in
// the stream's own queue: the server is not asked to adjust the latency, which would put half of it
// in the sink, where a sink that another stream keeps at a short latency (a loopback, a call) would
// leave only part of it.
constexpr pa_usec_t TargetLatencyUsec = 2000 * PA_USEC_PER_MSEC;
// Small steps keep the server's queue near full, and let the end of a queued stream's tail
// be seen within a step.
constexpr pa_usec_t MinRequestUsec = 20 * PA_USEC_PER_MSEC;
// After a run dry the sound goes on once this much is back, not only when the whole
// target is.
constexpr pa_usec_t PrebufferUsec = 100 * PA_USEC_PER_MSEC;
// How far the file reader keeps ahead of what was written to the server: further than the
// server's queue, so that a stall that emptied the queue finds the next stretch read.
constexpr ByteCount ReadAheadSeconds = 3;
// How long play() waits for the reader to have the first target's worth: a file in the
// cache takes a millisecond; a slow disk starts with what there is.
constexpr int FirstReadWaitMs = 500;
// When the reader fell behind, the server is offered what it has read by then after this.
constexpr pa_usec_t RetryUsec = 5 * PA_USEC_PER_MSEC;

pa_sample_spec sampleSpec(const WavInfo& info) {
    pa_sample_spec sampleFormat{};
    sampleFormat.rate = std::uint32_t(info.format.sampleRateHz);
    sampleFormat.channels = std::uint8_t(std::clamp(info.format.channels, 0, 255));
    sampleFormat.format = PA_SAMPLE_INVALID;
    if (info.encoding == WavInfo::Encoding::Float) {
        if (info.format.bitsPerSample == 32)
            sampleFormat.format = PA_SAMPLE_FLOAT32LE;
        return sampleFormat;
    }
    switch (info.format.bitsPerSample) {
    case 8:
        sampleFormat.format = PA_SAMPLE_U8;
        break;
    case 16:
        sampleFormat.format = PA_SAMPLE_S16LE;
        break;
    case 24:
        sampleFormat.format = PA_SAMPLE_S24LE;
        break;
    case 32:
        sampleFormat.format = PA_SAMPLE_S32LE;
        break;
    default:
        break;
    }
    return sampleFormat;
}

bool isGone(pa_stream_state_t state) {
    return state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED;
}
} // namespace

PulseOutputStream::PulseOutputStream(const WavInfo& info)
    : m_info(info), m_dataBytes(info.dataBytes) {}

PulseOutputStream::~PulseOutputStream() {
    unlink();
    release();
}

// Our last samples are in the follower's server stream: that stream goes with them, and we
// stop where the sink got to in them.
void PulseOutputStream::dropFollower() {
    const ByteCount at = position();
    PulseOutputStream* next = std::exchange(m_next, nullptr);
    m_handedOver = false;
    next->m_prev = nullptr;
    next->release();
    next->m_playing = false;
    next->m_stoppedAt = next->m_streamStart;
    m_playing = false;
    m_stoppedAt = at;
}

void PulseOutputStream::unlink() {
    if (m_next) {
        m_next->m_prev = nullptr;
        m_next = nullptr;
    }
    m_handedOver = false;
    if (m_prev) {
        // A stream whose tail we were playing has nothing left to end with: it is stopped.
        if (m_prev->m_handedOver) {
            m_prev->m_handedOver = false;
            m_prev->m_playing = false;
            m_prev->m_stoppedAt = 0;
        }
        m_prev->m_next = nullptr;
        m_prev = nullptr;
    }
}

Status PulseOutputStream::queueNext(PulseOutputStream* next) {
    if (next == m_next)
        return Status::ok();
    if (m_handedOver)
        return {ErrorCode::NotAvailable,
                QCoreApplication::translate("Pulse", "The next sound is playing already.")};
    if (next) {
        if (next == this || next->m_prev || next->m_next || next->m_playing)
            return {ErrorCode::IllegalParam,
                    QCoreApplication::translate("Pulse", "That sound cannot follow this one.")};
        const pa_sample_spec a = sampleSpec(m_info);
        const pa_sample_spec b = sampleSpec(next->m_info);
        if (!pa_sample_spec_equal(&a, &b))
            return {ErrorCode::Format,
                    QCoreApplication::translate(
                        "Pulse", "Sounds of different formats cannot follow each other.")};
    }
    if (m_next)
        m_next->m_prev = nullptr;
    m_next = next;
    if (!next)
        return Status::ok();
    next->m_prev = this;
    next->prepareData(next->m_stoppedAt);
    return Status::ok();
}

Status PulseOutputStream::checkFormat(const WavInfo& info, const QString& what) {
    const pa_sample_spec sampleFormat = sampleSpec(info);
    if (info.format.channels > 0 && info.format.channels <= int(PA_CHANNELS_MAX) &&
        pa_sample_spec_valid(&sampleFormat))
        return Status::ok();
    return {ErrorCode::Format,
            QCoreApplication::translate(
                "Pulse", "%1: %2 channels of %3-bit samples at %4 Hz can't be played.")
                .arg(what)
                .arg(info.format.channels)
                .arg(info.format.bitsPerSample)
                .arg(info.format.sampleRateHz)};
}

Result<std::unique_ptr<PulseOutputStream>> PulseOutputStream::overMemory(const std::byte* image,
                                                                         ByteCount bytes) {
    const QString what = QCoreApplication::translate("Pulse", "The sound in memory");
    if (!image || bytes <= 0)
        return Status{ErrorCode::IllegalParam,
                      QCoreApplication::translate("Pulse", "The sound in memory is empty.")};
    QByteArray view = QByteArray::fromRawData(reinterpret_cast<const char*>(image), bytes);
    QBuffer buffer(&view);
    buffer.open(QIODevice::ReadOnly);
    auto info = readWavInfo(buffer);
    if (!info)
        return info.status();
    if (Status format = checkFormat(*info, what); !format)
        return format;
    std::unique_ptr<PulseOutputStream> stream(new PulseOutputStream(*info));
    stream->m_image = image;
    return stream;
}

Result<std::unique_ptr<PulseOutputStream>> PulseOutputStream::overFile(const ClipRange& clip) {
    // Any sound file plays, as 16-bit frames: a clip file straight from its PCM, anything
    // else decoded as it is played.
    auto source = FrameSource::open(clip, 0);
    if (!source)
        return source.status();
    WavInfo info;
    info.format = {(*source)->channels(), (*source)->sampleRateHz(), 16};
    info.dataBytes = std::max<std::int64_t>(0, (*source)->frames()) * info.format.blockAlign();
    if (Status format = checkFormat(info, clip.file); !format)
        return format;
    std::unique_ptr<PulseOutputStream> stream(new PulseOutputStream(info));
    if (!(*source)->exactLength()) {
        // Played to where the decoder ends, which may lie past its estimate.
        stream->m_estimate = info.dataBytes;
        stream->m_dataBytes = UnknownEnd;
    }
    stream->m_reader = std::make_unique<ReadAhead>(std::move(*source), info.dataBytes,
                                                   ReadAheadSeconds * info.format.bytesPerSecond());
    return stream;
}

void PulseOutputStream::setEndedHandler(std::function<void()> handler) {
    m_onEnded = std::move(handler);
}

void PulseOutputStream::setFailedHandler(std::function<void()> handler) {
    m_onFailed = std::move(handler);
}

Status PulseOutputStream::play(PulseConnection& connection) {
    if (m_playing)
        return Status::ok();
    if (m_stream && !isGone(pa_stream_get_state(m_stream))) {
        m_playing = true;
        if (connection.waitFor(pa_stream_cork(m_stream, 0, nullptr, nullptr)))
            return Status::ok();
        m_playing = false;
        return {ErrorCode::Driver,
                QCoreApplication::translate("Pulse", "The sound server did not resume playback: %1")
                    .arg(connection.errorText())};
    }
    release();
    return open(connection);
}

Status PulseOutputStream::open(PulseConnection& connection) {
    const pa_sample_spec sampleFormat = sampleSpec(m_info);
    m_stream = pa_stream_new(connection.context(), "Playback", &sampleFormat, nullptr);
    if (!m_stream)
        return {ErrorCode::Driver,
                QCoreApplication::translate("Pulse", "Can't create a playback stream: %1")
                    .arg(connection.errorText())};
    m_connection = &connection;
    m_streamStart = m_stoppedAt;
    m_written = 0;
    m_offset = 0;
    m_playedHighWater = 0;
    pa_stream_set_state_callback(m_stream, onState, this);
    pa_stream_set_write_callback(m_stream, onWrite, this);

    pa_buffer_attr attr{};
    attr.maxlength = std::uint32_t(-1);
    attr.tlength = std::uint32_t(pa_usec_to_bytes(TargetLatencyUsec, &sampleFormat));
    attr.prebuf = std::uint32_t(pa_usec_to_bytes(PrebufferUsec, &sampleFormat));
    attr.minreq = std::uint32_t(pa_usec_to_bytes(MinRequestUsec, &sampleFormat));
    attr.fragsize = std::uint32_t(-1);
    // The server asks for its whole target at once: it should be there to hand over.
    prepareData(m_streamStart);
    if (m_reader)
        m_reader->waitReady(std::min<ByteCount>(attr.tlength, m_dataBytes - m_streamStart),
                            FirstReadWaitMs);
    const auto flags = pa_stream_flags_t(PA_STREAM_AUTO_TIMING_UPDATE);
    // Playing is set first: a short sound can play out before the wait below returns.
    m_playing = true;
    bool ready = false;
    if (pa_stream_connect_playback(m_stream, nullptr, &attr, flags, nullptr, nullptr) == 0) {
        ready = connection.waitUntil(
            [this] { return !m_stream || pa_stream_get_state(m_stream) != PA_STREAM_CREATING; });
        ready = ready && (!m_stream || pa_stream_get_state(m_stream) == PA_STREAM_READY);
    }
    if (ready)
        return Status::ok();
    const QString reason = connection.errorText();
    release();
    m_playing = false;
    m_stoppedAt = m_streamStart;
    return {ErrorCode::Driver,
            QCoreApplication::translate("Pulse", "Can't start playback: %1").arg(reason)};
}

Status PulseOutputStream::stop(PulseConnection& connection) {
    if (!m_playing)
        return Status::ok();
    if (m_handedOver) {
        dropFollower();
        return Status::ok();
    }
    if (m_stream && !isGone(pa_stream_get_state(m_stream))) {
        connection.waitFor(pa_stream_cork(m_stream, 1, nullptr, nullptr));
        // A fresh report after the cork says what the server has really played.
        connection.waitFor(pa_stream_update_timing_info(m_stream, nullptr, nullptr));
    }
    m_stoppedAt = position();
    m_playing = false;
    // Nothing of what was queued may sound later: the corked server stream goes with its
    // queue, and play() starts a new one from where the sink stopped.
    release();
    return Status::ok();
}

Status PulseOutputStream::setPosition(PulseConnection& connection, ByteCount bytes) {
    if (bytes < 0 || bytes > m_dataBytes)
        return {ErrorCode::Position,
                QCoreApplication::translate("Pulse", "Position %1 is outside the sound (%2 bytes).")
                    .arg(bytes)
                    .arg(length())};
    const bool wasPlaying = m_playing;
    release();
    m_playing = false;
    m_stoppedAt = bytes - bytes % std::max(1, m_info.format.blockAlign());
    if (wasPlaying)
        return play(connection);
    prepareData(m_stoppedAt);
    return Status::ok();
}

void PulseOutputStream::release() {
    if (m_handedOver)
        dropFollower();
    if (m_prev && m_prev->m_handedOver) {
        // Our server stream still carries the tail of the stream before us.
        m_prev->m_handedOver = false;
        m_prev->m_playing = false;
        m_prev->m_stoppedAt = 0;
        m_prev->m_next = nullptr;
        m_prev = nullptr;
    }
    if (m_playing) {
        m_stoppedAt = position();
        m_playing = false;
    }
    if (m_drain) {
        pa_operation_cancel(m_drain);
        pa_operation_unref(m_drain);
        m_drain = nullptr;
    }
    if (m_retry) {
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_connection->mainloop());
        api->time_free(m_retry);
        m_retry = nullptr;
    }
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        if (!isGone(pa_stream_get_state(m_stream)))
            pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
}

ByteCount PulseOutputStream::position() const {
    if (!m_playing)
        return m_stoppedAt;
    if (m_handedOver) {
        // Our tail is in a follower's server stream.
        const PulseOutputStream* carrier = m_next;
        while (carrier->m_handedOver)
            carrier = carrier->m_next;
        return m_streamStart +
               std::clamp<ByteCount>(carrier->playedInStream() - m_offset, 0, m_written);
    }
    return m_streamStart + std::max<ByteCount>(0, playedInStream() - m_offset);
}

ByteCount PulseOutputStream::playedInStream() const {
    const pa_timing_info* timing = m_stream ? pa_stream_get_timing_info(m_stream) : nullptr;
    if (!timing || timing->read_index_corrupt)
        return m_playedHighWater;
    const pa_sample_spec sampleFormat = sampleSpec(m_info);
    // What the sink took from the stream less what still waits in the sink's buffer; a
    // corked stream has had that buffer taken back. libpulse's own interpolation is not
    // used: it runs on from the moment of connecting although the sink may take a while
    // to start.
    pa_usec_t played = pa_bytes_to_usec(
        std::uint64_t(std::max<std::int64_t>(0, timing->read_index)), &sampleFormat);
    if (!pa_stream_is_corked(m_stream)) {
        played = played > timing->sink_usec ? played - timing->sink_usec : 0;
        // Between two reports a playing sink goes on in real time.
        if (timing->playing)
            played += pa_timeval_age(&timing->timestamp);
    }
    const auto bytes = std::min<ByteCount>(ByteCount(pa_usec_to_bytes(played, &sampleFormat)),
                                           m_offset + m_written);
    m_playedHighWater = std::max(m_playedHighWater, bytes);
    return m_playedHighWater;
}

void PulseOutputStream::prepareData(ByteCount position) {
    if (m_reader && m_reader->nextPosition() != position)
        m_reader->seekTo(position);
}

std::size_t PulseOutputStream::take(std::byte* into, std::size_t maxBytes) {
    if (m_reader)
        return m_reader->take(into, maxBytes);
    const ByteCount frame = std::max(1, m_info.format.blockAlign());
    ByteCount n = std::min(ByteCount(maxBytes), m_dataBytes - (m_streamStart + m_written));
    n -= n % frame;
    if (n <= 0)
        return 0;
    std::memcpy(into, m_image + m_info.dataOffset + m_streamStart + m_written, std::size_t(n));
    return std::size_t(n);
}

// Runs in the server's callback: copies what is ready into the server's own buffers and
// nothing else (no file, no allocation of ours).
void PulseOutputStream::writeData(std::size_t requested) {
    endTailIfPlayed();
    const ByteCount frame = std::max(1, m_info.format.blockAlign());
    auto wanted = ByteCount(requested);
    while (wanted >= frame && m_streamStart + m_written < m_dataBytes) {
        void* buffer = nullptr;
        auto size = std::size_t(std::min(wanted, m_dataBytes - (m_streamStart + m_written)));
        if (pa_stream_begin_write(m_stream, &buffer, &size) < 0 || !buffer)
            return;
        const std::size_t n = take(static_cast<std::byte*>(buffer), size);
        if (n == 0) {
            pa_stream_cancel_write(m_stream);
            break;
        }
        pa_stream_write(m_stream, buffer, n, nullptr, 0, PA_SEEK_RELATIVE);
        m_written += ByteCount(n);
        wanted -= ByteCount(n);
    }
    // The file shrank under us: what could be read is all there is.
    if (m_reader && m_reader->atEnd())
        m_dataBytes = std::min(m_dataBytes, m_reader->endPosition());
    if (m_streamStart + m_written < m_dataBytes) {
        // The server's next request comes only once it has played more; a request left
        // short must be filled without it.
        if (wanted >= frame)
            retryWriteSoon();
        return;
    }
    if (m_next) {
        handOver(std::size_t(std::max<ByteCount>(0, wanted)));
        return;
    }
    if (!m_drain)
        m_drain = pa_stream_drain(m_stream, onDrained, this);
}

void PulseOutputStream::retryWriteSoon() {
    const pa_usec_t when = pa_rtclock_now() + RetryUsec;
    if (m_retry)
        pa_context_rttime_restart(m_connection->context(), m_retry, when);
    else
        m_retry = pa_context_rttime_new(m_connection->context(), when, onRetry, this);
}

// Our data is all written: the next stream takes over the server stream and writes its
// data right behind ours. We stay active until the server has played our last byte.
void PulseOutputStream::handOver(std::size_t requested) {
    // Queued after our data was all written (a clip shorter than what waits at the server):
    // the server plays ours still, and the next one goes on behind it.
    if (m_drain) {
        pa_operation_cancel(m_drain);
        pa_operation_unref(m_drain);
        m_drain = nullptr;
    }
    PulseOutputStream* next = m_next;
    next->release();
    next->m_connection = m_connection;
    next->m_stream = m_stream;
    next->m_streamStart = next->m_stoppedAt;
    next->m_written = 0;
    next->m_offset = m_offset + m_written;
    next->m_playedHighWater = m_playedHighWater;
    next->m_playing = true;
    next->prepareData(next->m_streamStart);
    m_stream = nullptr;
    m_handedOver = true;
    pa_stream_set_state_callback(next->m_stream, onState, next);
    pa_stream_set_write_callback(next->m_stream, onWrite, next);
    next->writeData(requested);
}

// Tails our server stream carries end oldest first, each once the sink has played its last
// sample (more than one when a short stream was handed over before the one before it ended).
void PulseOutputStream::endTailIfPlayed() {
    while (m_prev && m_prev->m_handedOver) {
        PulseOutputStream* oldest = m_prev;
        while (oldest->m_prev && oldest->m_prev->m_handedOver)
            oldest = oldest->m_prev;
        if (playedInStream() < oldest->m_offset + oldest->m_written)
            return;
        oldest->m_handedOver = false;
        oldest->m_next->m_prev = nullptr;
        oldest->m_next = nullptr;
        oldest->finish();
    }
}

void PulseOutputStream::finish() {
    // Our own server stream has played out; should the tail of the stream before us not
    // have been seen to end yet, it has now.
    if (m_prev && m_prev->m_handedOver) {
        PulseOutputStream* prev = m_prev;
        prev->m_handedOver = false;
        prev->m_next = nullptr;
        m_prev = nullptr;
        prev->finish();
    }
    release();
    m_playing = false;
    m_stoppedAt = 0;
    if (m_onEnded)
        m_onEnded();
}

void PulseOutputStream::onState(pa_stream* stream, void* userdata) {
    auto* self = static_cast<PulseOutputStream*>(userdata);
    if (stream == self->m_stream && isGone(pa_stream_get_state(stream)) && self->m_playing) {
        self->m_stoppedAt = self->position();
        self->m_playing = false;
        if (self->m_onFailed)
            self->m_onFailed();
    }
    self->m_connection->wake();
}

void PulseOutputStream::onWrite(pa_stream* stream, std::size_t bytes, void* userdata) {
    auto* self = static_cast<PulseOutputStream*>(userdata);
    if (stream == self->m_stream)
        self->writeData(bytes);
}

void PulseOutputStream::onDrained(pa_stream* stream, int success, void* userdata) {
    auto* self = static_cast<PulseOutputStream*>(userdata);
    if (stream != self->m_stream || !self->m_drain)
        return;
    pa_operation_unref(self->m_drain);
    self->m_drain = nullptr;
    if (success)
        self->finish();
}

void PulseOutputStream::onRetry(pa_mainloop_api*, pa_time_event*, const timeval*, void* userdata) {
    auto* self = static_cast<PulseOutputStream*>(userdata);
    if (!self->m_stream || pa_stream_get_state(self->m_stream) != PA_STREAM_READY)
        return;
    const std::size_t writable = pa_stream_writable_size(self->m_stream);
    if (writable != std::size_t(-1))
        self->writeData(writable);
}
