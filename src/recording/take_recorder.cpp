// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/take_recorder.h"

#include "base/write_fully.h"
#include "recording/level_meter.h"

#include <QMetaObject>
#include <QSaveFile>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

// The offset of the first frame in which a sample's magnitude reaches `threshold`; `bytes`
// when none does.
std::size_t firstLoudFrame(const std::byte* block, std::size_t bytes, std::int32_t threshold) {
    for (std::size_t at = 0; at + PreRoll::FrameBytes <= bytes; at += PreRoll::FrameBytes) {
        std::int16_t samples[2];
        std::memcpy(samples, block + at, sizeof samples);
        if (std::abs(std::int32_t(samples[0])) >= threshold ||
            std::abs(std::int32_t(samples[1])) >= threshold)
            return at;
    }
    return bytes;
}

} // namespace

TakeRecorder::TakeRecorder(AudioEngine& engine, TakeMemory memory, QObject* parent)
    : QObject(parent), m_engine(engine), m_memory(memory), m_soundWatch(new QTimer(this)) {
    m_soundWatch->setInterval(SoundWatchMs);
    connect(m_soundWatch, &QTimer::timeout, this, &TakeRecorder::onSoundWatch);
    connect(&m_engine, &AudioEngine::captureEnded, this, &TakeRecorder::onCaptureEnded);
}

TakeRecorder::~TakeRecorder() {
    if (m_recordChannel != 0)
        m_engine.stopCapture(m_recordChannel);
    if (m_listenChannel != 0)
        m_engine.stopCapture(m_listenChannel);
    // The spool reads the block: it ends before the block goes.
    m_spool.reset();
    if (m_takeStream != 0)
        m_engine.freeStream(m_takeStream);
    freeBlock();
}

void TakeRecorder::freeBlock() {
    if (m_spool)
        m_spool->wait();
    if (m_takeBuffer)
        m_memory.release(m_takeBuffer);
    m_takeBuffer = nullptr;
    m_capacity = 0;
}

void TakeRecorder::setSpoolFile(const QString& path) {
    m_spool.reset();
    if (m_memory.inPlace && !path.isEmpty())
        m_spool = std::make_unique<TakeSpool>(path);
}

void TakeRecorder::setPreRollMs(int ms) {
    m_preRollMs = std::clamp(ms, 0, PreRoll::MaxMs);
}

void TakeRecorder::setStartOnSound(bool on, double thresholdDb) {
    m_startOnSound = on;
    const double level = std::pow(10.0, std::clamp(thresholdDb, -60.0, 0.0) / 20) * 32768;
    m_soundThreshold = std::clamp<std::int32_t>(std::int32_t(std::lround(level)), 1, 32768);
}

Status TakeRecorder::startListening() {
    if (m_listenChannel != 0 || m_recordChannel != 0)
        return Status::ok();
    m_preRoll.clear();
    m_phase.store(Phase::Listening);
    m_listenChannel = m_engine.startCapture(
        [this](const std::byte* bytes, std::size_t n) { return OnCapturedBlock(bytes, n); });
    if (m_listenChannel == 0)
        return {ErrorCode(m_engine.lastErrorCode()), tr("Couldn't start recording")};
    return Status::ok();
}

void TakeRecorder::stopListening() {
    if (m_listenChannel != 0)
        m_engine.stopCapture(std::exchange(m_listenChannel, 0));
}

void TakeRecorder::putAway() {
    stopListening();
    // A take waiting for sound has nothing yet and is dropped, as Stop drops it.
    EndTake();
    if (m_takeStream != 0)
        m_engine.freeStream(std::exchange(m_takeStream, 0));
    emitState();
}

void TakeRecorder::bringBack() {
    if (!m_takeBuffer || m_takeStream != 0 || m_recordChannel != 0)
        return;
    m_takeStream = m_engine.createMemoryStream(m_takeBuffer, m_takeLength);
    emitState();
}

// A take's header with no sound yet; the sizes are set when the take ends.
void TakeRecorder::writeHeader(std::byte* block) {
    m_takeHeader = WavHeader::forTake();
    const auto riff = m_takeHeader.riffRun();
    const auto format = m_takeHeader.formatRun();
    const auto data = m_takeHeader.dataRun();
    std::memcpy(block, riff.data(), riff.size());
    std::memcpy(block + 12, format.data(), format.size());
    std::memcpy(block + 36, data.data(), data.size());
}

Status TakeRecorder::replaceSound(const QByteArray& pcm) {
    if (!m_takeBuffer || m_recordChannel != 0)
        return {ErrorCode::Handle, tr("There is no take to change.")};
    const ByteCount length = WavHeader::Size + pcm.size();
    auto* block = static_cast<std::byte*>(m_memory.grow(nullptr, std::size_t(length)));
    if (!block)
        return {ErrorCode::OutOfMemory, tr("Out of memory!")};
    discardTake();
    writeHeader(block);
    m_takeHeader.setDataSize(pcm.size());
    WavHeader::patchSizes(reinterpret_cast<char*>(block), pcm.size());
    std::memcpy(block + WavHeader::Size, pcm.constData(), std::size_t(pcm.size()));
    m_takeBuffer = block;
    m_capacity = std::size_t(length);
    m_takeLength = length;
    m_recorded.store(pcm.size(), std::memory_order_relaxed);
    m_takeStream = m_engine.createMemoryStream(m_takeBuffer, m_takeLength);
    emitState();
    return Status::ok();
}

TakeRecorder::State TakeRecorder::state() const {
    if (m_recordChannel != 0)
        return m_waiting && m_phase.load() != Phase::Taking ? State::WaitingForSound
                                                            : State::Recording;
    if (!m_takeBuffer)
        return State::NoTake;
    return m_takeStream != 0 ? State::TakeReady : State::TakeWithoutStream;
}

void TakeRecorder::emitState() {
    emit stateChanged(state());
}

void TakeRecorder::discardTake() {
    if (m_takeStream != 0)
        m_engine.freeStream(m_takeStream);
    m_takeStream = 0;
    freeBlock();
}

Status TakeRecorder::BeginTake() {
    if (m_recordChannel != 0)
        return Status::ok();
    if (m_takeBuffer) {
        discardTake();
        emitState();
    }

    auto* block = static_cast<std::byte*>(m_memory.grow(nullptr, std::size_t(m_bufferStep)));
    if (!block) {
        emitState();
        return {ErrorCode::OutOfMemory, tr("Out of memory!")};
    }
    // Touched here, so the capture's first blocks and the pre-roll land on pages that are
    // there already: no page fault in the real-time callback.
    std::memset(block, 0, std::size_t(m_bufferStep));
    m_takeBuffer = block;
    m_capacity = std::size_t(m_bufferStep);

    m_takeLength = WavHeader::Size;
    writeHeader(block);

    m_callbackFailure = CallbackFailure::None;
    m_warned = false;
    m_recorded = 0;
    m_armedThreshold = m_startOnSound ? m_soundThreshold : 0;
    m_armedPreRollBytes = std::size_t(m_preRollMs) * PreRoll::BytesPerSecond / PreRoll::FrameBytes /
                          1000 * PreRoll::FrameBytes;
    m_waiting = m_startOnSound;
    if (m_spool)
        m_spool->start(block, m_recorded);
    if (m_listenChannel != 0) {
        // What the listening capture kept is the pre-roll; the capture goes on as the take's.
        const bool armed = m_startOnSound || m_armedPreRollBytes > 0;
        m_recordChannel = std::exchange(m_listenChannel, 0);
        m_phase.store(armed ? Phase::Armed : Phase::Taking, std::memory_order_release);
    } else {
        m_preRoll.clear();
        m_phase.store(m_startOnSound ? Phase::Armed : Phase::Taking);
        m_recordChannel = m_engine.startCapture(
            [this](const std::byte* bytes, std::size_t n) { return OnCapturedBlock(bytes, n); });
        if (m_recordChannel == 0) {
            m_waiting = false;
            if (m_spool)
                m_spool->discard();
            freeBlock();
            emitState();
            return {ErrorCode(m_engine.lastErrorCode()), tr("Couldn't start recording")};
        }
    }
    if (m_waiting)
        m_soundWatch->start();
    emitState();
    return Status::ok();
}

bool TakeRecorder::OnCapturedBlock(const std::byte* block, std::size_t byteCount) {
    const Phase phase = m_phase.load(std::memory_order_acquire);
    if (phase == Phase::Taking)
        return append(block, byteCount, true);
    if (m_meter)
        m_meter->measure(block, byteCount);
    const std::size_t sound = phase == Phase::Listening ? byteCount
                              : m_armedThreshold > 0
                                  ? firstLoudFrame(block, byteCount, m_armedThreshold)
                                  : 0;
    m_preRoll.push(block, sound);
    if (sound == byteCount)
        return true;
    return startWithPreRoll() && append(block + sound, byteCount - sound, false);
}

// The take begins: the pre-roll goes in first. Its bytes were measured as they came.
bool TakeRecorder::startWithPreRoll() {
    bool appended = true;
    m_preRoll.newest(m_armedPreRollBytes, [&](const std::byte* run, std::size_t n) {
        appended = appended && append(run, n, false);
    });
    m_phase.store(Phase::Taking, std::memory_order_release);
    return appended;
}

bool TakeRecorder::append(const std::byte* block, std::size_t byteCount, bool measure) {
    const auto n = ByteCount(byteCount);
    if (m_takeLength + n > m_maxTakeBytes) {
        m_callbackFailure = CallbackFailure::SizeLimit;
        QMetaObject::invokeMethod(this, &TakeRecorder::onCallbackFailure, Qt::QueuedConnection);
        return false;
    }
    if (measure && m_meter)
        m_meter->measure(block, byteCount);
    if ((m_takeLength % m_bufferStep) + n >= m_bufferStep) {
        // The new size is (length + n) / step + 1 steps, the quotient not truncated, which
        // comes to length + n + step: after every growth exactly one step is free.
        const double steps = double(m_takeLength + n) / m_bufferStep + 1.0;
        const auto newSize = std::size_t(std::llround(steps * m_bufferStep));
        void* grown = m_memory.grow(m_takeBuffer, newSize);
        if (!grown) {
            m_callbackFailure = CallbackFailure::OutOfMemory;
            QMetaObject::invokeMethod(this, &TakeRecorder::onCallbackFailure, Qt::QueuedConnection);
            return false;
        }
        m_takeBuffer = static_cast<std::byte*>(grown);
        m_capacity = newSize;
    }
    std::memcpy(m_takeBuffer + m_takeLength, block, byteCount);
    m_takeLength += n;
    // Release: the spool's thread reads the bytes this count covers.
    m_recorded.store(m_takeLength - WavHeader::Size, std::memory_order_release);
    if (m_takeLength >= m_maxTakeBytes - WarningBytes && !m_warned.exchange(true))
        QMetaObject::invokeMethod(this, &TakeRecorder::nearingLimit, Qt::QueuedConnection);
    return true;
}

void TakeRecorder::onSoundWatch() {
    if (m_phase.load() != Phase::Taking)
        return;
    m_soundWatch->stop();
    m_waiting = false;
    emitState();
}

void TakeRecorder::onCallbackFailure() {
    const CallbackFailure failure = m_callbackFailure.exchange(CallbackFailure::None);
    if (failure == CallbackFailure::None || m_recordChannel == 0)
        return;
    if (failure == CallbackFailure::OutOfMemory) {
        m_engine.stopCapture(m_recordChannel);
        m_recordChannel = 0;
        if (m_spool)
            m_spool->discard();
        discardTake();
        emitState();
        emit failed({ErrorCode::OutOfMemory, tr("Out of memory!")});
        return;
    }
    EndTake();
    emit failed(
        {ErrorCode::TooLarge, tr("The take has reached the largest size a WAV file can hold, "
                                 "so recording stopped. Everything recorded so far is kept.")});
}

void TakeRecorder::onCaptureEnded(AudioEngine::Handle capture) {
    if (capture != 0 && capture == m_listenChannel) {
        m_listenChannel = 0;
        emit listeningEnded();
        return;
    }
    if (capture == 0 || capture != m_recordChannel)
        return;
    // The callback said stop: its own queued report may still be on its way.
    if (m_callbackFailure.load() != CallbackFailure::None) {
        onCallbackFailure();
        return;
    }
    EndTake();
    emit failed({ErrorCode::Driver, tr("The sound server ended the recording. Everything recorded "
                                       "until then is kept.")});
}

Status TakeRecorder::writeTo(const QString& path) const {
    if (m_recordChannel != 0 || !m_takeBuffer)
        return {ErrorCode::Create, tr("%1: there is no finished take to save.").arg(path)};
    return writeImage(m_takeBuffer, m_takeLength, path);
}

Status TakeRecorder::writeImage(const std::byte* image, ByteCount bytes, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(path, file);
    if (Status written = writeFully(file, reinterpret_cast<const char*>(image), bytes); !written)
        return written;
    if (!file.commit())
        return writeFailure(path, file);
    return Status::ok();
}

void TakeRecorder::EndTake() {
    if (m_recordChannel == 0)
        return;
    m_engine.stopCapture(m_recordChannel);
    m_recordChannel = 0;
    m_soundWatch->stop();
    const bool waited = std::exchange(m_waiting, false);
    if (m_phase.load() != Phase::Taking) {
        // No sound came: there is no take. Stopped before the first block, a take still
        // starts with its pre-roll, as it would have with that block.
        if (waited) {
            if (m_spool)
                m_spool->discard();
            discardTake();
            emitState();
            return;
        }
        if (!startWithPreRoll()) {
            m_callbackFailure = CallbackFailure::None;
            if (m_spool)
                m_spool->discard();
            discardTake();
            emitState();
            emit failed({ErrorCode::OutOfMemory, tr("Out of memory!")});
            return;
        }
    }

    m_takeHeader.setDataSize(m_takeLength - WavHeader::Size);
    WavHeader::patchSizes(reinterpret_cast<char*>(m_takeBuffer), m_takeLength - WavHeader::Size);
    if (m_spool)
        m_spool->finish(m_takeLength - WavHeader::Size);
    m_takeStream = m_engine.createMemoryStream(m_takeBuffer, m_takeLength);
    emitState();
}
