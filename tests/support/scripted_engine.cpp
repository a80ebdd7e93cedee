// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_engine.h"

#include "codec/frame_source.h"

#include <utility>

#include <QBuffer>
#include <QMetaObject>

#include <algorithm>
#include <chrono>

ScriptedEngine::ScriptedEngine(QObject* parent) : AudioEngine(parent) {}

ScriptedEngine::~ScriptedEngine() {
    endCapture();
}

QByteArray ScriptedEngine::counterPattern(ByteCount offset, std::size_t bytes) {
    QByteArray block(qsizetype(bytes), Qt::Uninitialized);
    for (std::size_t i = 0; i < bytes; ++i) {
        const ByteCount k = offset + ByteCount(i);
        const auto sample = std::uint16_t(k / 2);
        block[qsizetype(i)] = char(k % 2 == 0 ? sample & 0xFF : sample >> 8);
    }
    return block;
}

void ScriptedEngine::setInputs(std::vector<Input> inputs) {
    m_inputs = std::move(inputs);
}

void ScriptedEngine::setBlockGenerator(BlockGenerator generator) {
    std::lock_guard lock(m_mutex);
    m_generator = std::move(generator);
}

int ScriptedEngine::count(const QString& call) const {
    return int(std::count_if(m_log.begin(), m_log.end(), [&](const QString& line) {
        return line == call || line.startsWith(call + QLatin1Char(' '));
    }));
}

Status ScriptedEngine::fail(ErrorCode code, const QString& message) {
    m_lastError = int(code);
    return {code, message};
}

// --- starting ---

Status ScriptedEngine::startForDecoding() {
    m_log << QStringLiteral("startForDecoding");
    if (m_decodingStartFailure != ErrorCode::Ok)
        return fail(m_decodingStartFailure, QStringLiteral("The engine could not be started."));
    if (m_started == Started::No)
        m_started = Started::Decoding;
    return Status::ok();
}

Status ScriptedEngine::startForRecording() {
    m_log << QStringLiteral("startForRecording");
    if (m_startFailure != ErrorCode::Ok)
        return fail(m_startFailure, QStringLiteral("The sound server could not be reached."));
    m_started = Started::Recording;
    return Status::ok();
}

void ScriptedEngine::releaseAll() {
    m_log << QStringLiteral("releaseAll");
    endCapture();
    m_streams.clear();
    m_started = Started::No;
}

// --- inputs ---

Status ScriptedEngine::checkInput(int index) const {
    if (m_started != Started::Recording)
        return {ErrorCode::Init, QStringLiteral("The engine is not started for recording.")};
    if (index < 0 || index >= int(m_inputs.size()))
        return {ErrorCode::Device, QStringLiteral("No input %1.").arg(index)};
    return Status::ok();
}

int ScriptedEngine::inputCount() const {
    return m_started == Started::Recording ? int(m_inputs.size()) : 0;
}

QString ScriptedEngine::inputName(int index) const {
    return checkInput(index) ? m_inputs[std::size_t(index)].name : QString();
}

AudioEngine::InputState ScriptedEngine::inputState(int index) const {
    if (!checkInput(index))
        return {};
    const Input& in = m_inputs[std::size_t(index)];
    return {in.levelPercent, in.on, in.typeCode};
}

Status ScriptedEngine::setInputOn(int index) {
    m_log << QStringLiteral("setInputOn %1").arg(index);
    m_inputCalls.push_back({InputCall::Kind::On, index, 0});
    if (Status s = checkInput(index); !s)
        return fail(s.code(), s.message());
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
        m_inputs[i].on = int(i) == index;
    return Status::ok();
}

Status ScriptedEngine::setInputOff(int index) {
    m_log << QStringLiteral("setInputOff %1").arg(index);
    m_inputCalls.push_back({InputCall::Kind::Off, index, 0});
    if (Status s = checkInput(index); !s)
        return fail(s.code(), s.message());
    m_inputs[std::size_t(index)].on = false;
    return Status::ok();
}

Status ScriptedEngine::setInputLevel(int index, int percent) {
    m_log << QStringLiteral("setInputLevel %1 %2").arg(index).arg(percent);
    m_inputCalls.push_back({InputCall::Kind::Level, index, percent});
    if (Status s = checkInput(index); !s)
        return fail(s.code(), s.message());
    if (percent < 0 || percent > 100)
        return fail(ErrorCode::IllegalParam, QStringLiteral("Level %1 is not 0-100.").arg(percent));
    m_inputs[std::size_t(index)].levelPercent = percent;
    return Status::ok();
}

// --- capture ---

AudioEngine::Handle ScriptedEngine::startCapture(CaptureCallback callback) {
    m_log << QStringLiteral("startCapture");
    if (m_captureFailure != ErrorCode::Ok) {
        fail(m_captureFailure, {});
        return 0;
    }
    if (m_started != Started::Recording) {
        fail(ErrorCode::Init, {});
        return 0;
    }
    if (m_capture && !m_capture->ended) {
        fail(ErrorCode::Start, {});
        return 0;
    }
    if (m_capture) {
        if (m_capture->thread.joinable())
            m_capture->thread.join();
        m_capture.reset();
    }
    auto capture = std::make_unique<Capture>();
    capture->handle = m_nextHandle++;
    capture->callback = std::move(callback);
    {
        std::lock_guard lock(m_mutex);
        m_stopRequested = false;
    }
    capture->thread = std::thread(&ScriptedEngine::captureLoop, this, capture.get());
    m_capture = std::move(capture);
    return m_capture->handle;
}

void ScriptedEngine::captureLoop(Capture* capture) {
    for (;;) {
        std::size_t size = 0;
        BlockGenerator generator;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [&] { return m_stopRequested || !m_pending.empty(); });
            if (m_stopRequested)
                break;
            size = m_pending.front();
            m_pending.pop_front();
            m_delivering = true;
            generator = m_generator;
        }
        const ByteCount offset = capture->position;
        const QByteArray block = generator ? generator(offset, size) : counterPattern(offset, size);
        capture->position = offset + block.size();
        const bool goOn = capture->callback(reinterpret_cast<const std::byte*>(block.constData()),
                                            std::size_t(block.size()));
        {
            std::lock_guard lock(m_mutex);
            m_delivering = false;
            if (!goOn) {
                capture->ended = true;
                m_pending.clear();
            }
        }
        m_wake.notify_all();
        if (!goOn) {
            const Handle handle = capture->handle;
            QMetaObject::invokeMethod(
                this, [this, handle] { emit captureEnded(handle); }, Qt::QueuedConnection);
            return;
        }
    }
    capture->ended = true;
    m_wake.notify_all();
}

void ScriptedEngine::endCapture() {
    if (!m_capture)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopRequested = true;
    }
    m_wake.notify_all();
    if (m_capture->thread.joinable())
        m_capture->thread.join();
    m_capture.reset();
    std::lock_guard lock(m_mutex);
    m_pending.clear();
    m_delivering = false;
}

void ScriptedEngine::stopCapture(Handle capture) {
    m_log << QStringLiteral("stopCapture %1").arg(capture);
    if (!m_capture || m_capture->handle != capture) {
        fail(ErrorCode::Handle, {});
        return;
    }
    endCapture();
}

void ScriptedEngine::dropCapture() {
    if (!m_capture || m_capture->ended)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopRequested = true;
    }
    m_wake.notify_all();
    if (m_capture->thread.joinable())
        m_capture->thread.join();
    m_capture->ended = true;
    {
        std::lock_guard lock(m_mutex);
        m_pending.clear();
    }
    const Handle handle = m_capture->handle;
    QMetaObject::invokeMethod(
        this, [this, handle] { emit captureEnded(handle); }, Qt::QueuedConnection);
}

ByteCount ScriptedEngine::capturePosition(Handle capture) const {
    if (!m_capture || m_capture->handle != capture) {
        m_lastError = int(ErrorCode::Handle);
        return -1;
    }
    return m_capture->position;
}

AudioEngine::Handle ScriptedEngine::captureHandle() const {
    return m_capture ? m_capture->handle : 0;
}

bool ScriptedEngine::captureRunning() const {
    return m_capture && !m_capture->ended;
}

void ScriptedEngine::deliverBlocks(const std::vector<std::size_t>& sizes) {
    {
        std::lock_guard lock(m_mutex);
        m_pending.insert(m_pending.end(), sizes.begin(), sizes.end());
    }
    m_wake.notify_all();
}

bool ScriptedEngine::waitDelivered(int timeoutMs) {
    std::unique_lock lock(m_mutex);
    return m_wake.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        return !m_capture || m_capture->ended || (m_pending.empty() && !m_delivering);
    });
}

// --- output streams ---

AudioEngine::Handle ScriptedEngine::addStream(Stream stream) {
    const Handle handle = m_nextHandle++;
    m_streams.emplace(handle, std::move(stream));
    return handle;
}

ScriptedEngine::Stream* ScriptedEngine::findStream(Handle stream) {
    const auto it = m_streams.find(stream);
    if (it == m_streams.end()) {
        m_lastError = int(ErrorCode::Handle);
        return nullptr;
    }
    return &it->second;
}

const ScriptedEngine::Stream* ScriptedEngine::findStream(Handle stream) const {
    const auto it = m_streams.find(stream);
    if (it == m_streams.end()) {
        m_lastError = int(ErrorCode::Handle);
        return nullptr;
    }
    return &it->second;
}

AudioEngine::Handle ScriptedEngine::createMemoryStream(const std::byte* image, ByteCount bytes) {
    m_log << QStringLiteral("createMemoryStream");
    if (m_createFailure != ErrorCode::Ok) {
        fail(m_createFailure, {});
        return 0;
    }
    if (!image || bytes <= 0) {
        fail(ErrorCode::IllegalParam, {});
        return 0;
    }
    QByteArray view = QByteArray::fromRawData(reinterpret_cast<const char*>(image), bytes);
    QBuffer buffer(&view);
    buffer.open(QIODevice::ReadOnly);
    const auto info = readWavInfo(buffer);
    if (!info) {
        fail(info.status().code(), {});
        return 0;
    }
    Stream stream;
    stream.format = info->format;
    stream.length = info->dataBytes;
    return addStream(std::move(stream));
}

AudioEngine::Handle ScriptedEngine::createFileStream(const ClipRange& clip) {
    const QString& path = clip.file;
    m_log << QStringLiteral("createFileStream %1").arg(path);
    if (m_createFailure != ErrorCode::Ok) {
        fail(m_createFailure, {});
        return 0;
    }
    Stream stream;
    stream.path = path;
    const auto info = readWavInfo(path);
    if (info && clip.whole()) {
        stream.format = info->format;
        stream.length = info->dataBytes;
    } else if (auto source = FrameSource::open(clip); source && (*source)->frames() >= 0) {
        // A kept compressed clip, or a stretch of a clip, plays as its frames, as the real
        // engine plays it.
        stream.format = {(*source)->channels(), (*source)->sampleRateHz(), 16};
        stream.length = (*source)->frames() * stream.format.blockAlign();
    } else {
        fail(info ? ErrorCode::FileForm : info.status().code(), {});
        return 0;
    }
    return addStream(std::move(stream));
}

void ScriptedEngine::freeStream(Handle stream) {
    m_log << QStringLiteral("freeStream %1").arg(stream);
    if (m_streams.erase(stream) == 0)
        m_lastError = int(ErrorCode::Handle);
}

ByteCount ScriptedEngine::currentPosition(const Stream& stream) const {
    if (!stream.playing)
        return stream.position;
    const ByteCount frames = stream.playedMs * stream.format.sampleRateHz / 1000;
    return std::min(stream.length, stream.position + frames * stream.format.blockAlign());
}

void ScriptedEngine::finish(Handle handle, Stream& stream) {
    stream.playing = false;
    stream.position = 0;
    stream.playedMs = 0;
    if (Stream* next = findStream(std::exchange(stream.next, 0)); next && !next->playing) {
        next->playing = true;
        next->playedMs = 0;
    }
    QMetaObject::invokeMethod(
        this, [this, handle] { emit streamEnded(handle); }, Qt::QueuedConnection);
}

Status ScriptedEngine::play(Handle handle) {
    m_log << QStringLiteral("play %1").arg(handle);
    if (m_playFailure != ErrorCode::Ok)
        return fail(m_playFailure, QStringLiteral("Playback could not start."));
    Stream* stream = findStream(handle);
    if (!stream)
        return fail(ErrorCode::Handle, QStringLiteral("No stream %1.").arg(handle));
    if (stream->playing)
        return Status::ok();
    stream->playing = true;
    stream->playedMs = 0;
    if (m_playMode == PlayMode::Instant || stream->position >= stream->length)
        finish(handle, *stream);
    return Status::ok();
}

Status ScriptedEngine::stop(Handle handle) {
    m_log << QStringLiteral("stop %1").arg(handle);
    Stream* stream = findStream(handle);
    if (!stream)
        return fail(ErrorCode::Handle, QStringLiteral("No stream %1.").arg(handle));
    stream->position = currentPosition(*stream);
    stream->playing = false;
    stream->playedMs = 0;
    return Status::ok();
}

bool ScriptedEngine::isActive(Handle handle) const {
    const Stream* stream = findStream(handle);
    return stream && stream->playing;
}

ByteCount ScriptedEngine::position(Handle handle) const {
    const Stream* stream = findStream(handle);
    return stream ? currentPosition(*stream) : -1;
}

ByteCount ScriptedEngine::length(Handle handle) const {
    const Stream* stream = findStream(handle);
    return stream ? stream->length : -1;
}

WavFormat ScriptedEngine::format(Handle handle) const {
    const Stream* stream = findStream(handle);
    return stream ? stream->format : WavFormat{};
}

Status ScriptedEngine::setPosition(Handle handle, ByteCount bytes) {
    m_log << QStringLiteral("setPosition %1 %2").arg(handle).arg(bytes);
    Stream* stream = findStream(handle);
    if (!stream)
        return fail(ErrorCode::Handle, QStringLiteral("No stream %1.").arg(handle));
    if (bytes < 0 || bytes > stream->length)
        return fail(ErrorCode::Position,
                    QStringLiteral("Position %1 is outside the stream.").arg(bytes));
    stream->position = bytes - bytes % stream->format.blockAlign();
    stream->playedMs = 0;
    return Status::ok();
}

Status ScriptedEngine::queueNext(Handle handle, Handle next) {
    m_log << QStringLiteral("queueNext %1 %2").arg(handle).arg(next);
    Stream* stream = findStream(handle);
    const Stream* follower = next == 0 ? nullptr : findStream(next);
    if (!stream || (next != 0 && !follower))
        return fail(ErrorCode::Handle, QStringLiteral("No stream %1.").arg(stream ? next : handle));
    if (follower && !(follower->format == stream->format))
        return fail(ErrorCode::Format, QStringLiteral("The formats differ."));
    stream->next = next;
    return Status::ok();
}

void ScriptedEngine::advanceMs(std::int64_t ms) {
    // A queued stream that starts on the way starts at the end of this step.
    std::vector<Handle> playing;
    for (const auto& [handle, stream] : m_streams)
        if (stream.playing)
            playing.push_back(handle);
    for (const Handle handle : playing) {
        Stream* stream = findStream(handle);
        if (!stream || !stream->playing)
            continue;
        stream->playedMs += ms;
        if (currentPosition(*stream) >= stream->length)
            finish(handle, *stream);
    }
}

std::vector<AudioEngine::Handle> ScriptedEngine::streams() const {
    std::vector<Handle> handles;
    for (const auto& entry : m_streams)
        handles.push_back(entry.first);
    return handles;
}

QString ScriptedEngine::streamPath(Handle stream) const {
    const auto it = m_streams.find(stream);
    return it == m_streams.end() ? QString() : it->second.path;
}
