// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/take_recorder.h"

#include "base/write_fully.h"
#include "recording/level_meter.h"

#include <QMetaObject>
#include <QSaveFile>

#include <cmath>
#include <cstring>

TakeRecorder::TakeRecorder(AudioEngine& engine, TakeMemory memory, QObject* parent)
    : QObject(parent), m_engine(engine), m_memory(memory) {
    connect(&m_engine, &AudioEngine::captureEnded, this, &TakeRecorder::onCaptureEnded);
}

TakeRecorder::~TakeRecorder() {
    if (m_recordChannel != 0)
        m_engine.stopCapture(m_recordChannel);
    if (m_takeStream != 0)
        m_engine.freeStream(m_takeStream);
    freeBlock();
}

void TakeRecorder::freeBlock() {
    if (m_takeBuffer)
        m_memory.release(m_takeBuffer);
    m_takeBuffer = nullptr;
    m_capacity = 0;
}

void TakeRecorder::reset() {
    m_recordChannel = 0;
    m_takeStream = 0;
    freeBlock();
    m_takeLength = 0;
    m_bufferStep = DefaultBufferStep;
    emitState();
}

void TakeRecorder::releaseBlock() {
    m_recordChannel = 0;
    m_takeStream = 0;
    freeBlock();
    emitState();
}

TakeRecorder::State TakeRecorder::state() const {
    if (m_recordChannel != 0)
        return State::Recording;
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
        return {ErrorCode::OutOfMemory, QStringLiteral("Out of memory!")};
    }
    m_takeBuffer = block;
    m_capacity = std::size_t(m_bufferStep);

    m_takeLength = WavHeader::Size;
    m_takeHeader = WavHeader::forTake();
    const auto riff = m_takeHeader.riffRun();
    const auto format = m_takeHeader.formatRun();
    const auto data = m_takeHeader.dataRun();
    std::memcpy(block, riff.data(), riff.size());
    std::memcpy(block + 12, format.data(), format.size());
    std::memcpy(block + 36, data.data(), data.size());

    m_callbackFailure = CallbackFailure::None;
    m_warned = false;
    m_recordChannel = m_engine.startCapture(
        [this](const std::byte* bytes, std::size_t n) { return OnCapturedBlock(bytes, n); });
    if (m_recordChannel == 0) {
        freeBlock();
        emitState();
        return {ErrorCode(m_engine.lastErrorCode()), QStringLiteral("Couldn't start recording")};
    }
    emitState();
    return Status::ok();
}

bool TakeRecorder::OnCapturedBlock(const std::byte* block, std::size_t byteCount) {
    const auto n = ByteCount(byteCount);
    if (m_takeLength + n > m_maxTakeBytes) {
        m_callbackFailure = CallbackFailure::SizeLimit;
        QMetaObject::invokeMethod(this, &TakeRecorder::onCallbackFailure, Qt::QueuedConnection);
        return false;
    }
    if (m_meter)
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
    if (m_takeLength >= m_maxTakeBytes - WarningBytes && !m_warned.exchange(true))
        QMetaObject::invokeMethod(this, &TakeRecorder::nearingLimit, Qt::QueuedConnection);
    return true;
}

void TakeRecorder::onCallbackFailure() {
    const CallbackFailure failure = m_callbackFailure.exchange(CallbackFailure::None);
    if (failure == CallbackFailure::None || m_recordChannel == 0)
        return;
    if (failure == CallbackFailure::OutOfMemory) {
        m_engine.stopCapture(m_recordChannel);
        m_recordChannel = 0;
        discardTake();
        emitState();
        emit failed({ErrorCode::OutOfMemory, QStringLiteral("Out of memory!")});
        return;
    }
    EndTake();
    emit failed({ErrorCode::TooLarge,
                 QStringLiteral("The take has reached the largest size a WAV file can hold, "
                                "so recording stopped. Everything recorded so far is kept.")});
}

void TakeRecorder::onCaptureEnded(AudioEngine::Handle capture) {
    if (capture == 0 || capture != m_recordChannel)
        return;
    // The callback said stop: its own queued report may still be on its way.
    if (m_callbackFailure.load() != CallbackFailure::None) {
        onCallbackFailure();
        return;
    }
    EndTake();
    emit failed({ErrorCode::Driver,
                 QStringLiteral("The sound server ended the recording. Everything recorded "
                                "until then is kept.")});
}

Status TakeRecorder::writeTo(const QString& path) const {
    if (state() == State::Recording || !m_takeBuffer)
        return {ErrorCode::Create,
                QStringLiteral("%1: there is no finished take to save.").arg(path)};
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

    m_takeHeader.setDataSize(m_takeLength - WavHeader::Size);
    WavHeader::patchSizes(reinterpret_cast<char*>(m_takeBuffer), m_takeLength - WavHeader::Size);
    m_takeStream = m_engine.createMemoryStream(m_takeBuffer, m_takeLength);
    emitState();
}
