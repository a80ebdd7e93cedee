// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"

#include <algorithm>
#include <utility>

namespace {
constexpr ErrorCode orStart(int code) {
    return code != 0 ? ErrorCode(code) : ErrorCode::Start;
}
} // namespace

MediaPlayer::MediaPlayer(AudioEngine& engine, QObject* parent)
    : QObject(parent), m_engine(engine), m_updateTimer(this) {
    m_updateTimer.setInterval(m_updateIntervalMs);
    connect(&m_updateTimer, &QTimer::timeout, this, &MediaPlayer::onUpdateTimer);
    connect(&m_engine, &AudioEngine::streamEnded, this, &MediaPlayer::onStreamEnded);
    connect(&m_engine, &AudioEngine::streamFailed, this, &MediaPlayer::onStreamFailed);
}

MediaPlayer::~MediaPlayer() {
    dropQueued();
    if (m_stream != 0) {
        m_engine.stop(m_stream);
        m_engine.freeStream(m_stream);
    }
}

void MediaPlayer::setFileName(const ClipRange& clip) {
    m_fileName = clip;
}

QString MediaPlayer::fileName() const {
    return m_fileName.file;
}

Status MediaPlayer::command(const QString& word) {
    const QString w = word.trimmed().toLower();
    if (w == QLatin1String("open"))
        return open();
    if (w == QLatin1String("play"))
        return play();
    if (w == QLatin1String("stop"))
        return stop();
    if (w == QLatin1String("close")) {
        close();
        return Status::ok();
    }
    return {ErrorCode::IllegalParam, tr("Unknown player command \"%1\".").arg(word)};
}

Status MediaPlayer::open() {
    if (m_fileName.file.isEmpty())
        return {ErrorCode::FileOpen, tr("No file name is set to open.")};
    const AudioEngine::Handle stream = m_engine.createFileStream(m_fileName);
    if (stream == 0)
        return {orStart(m_engine.lastErrorCode()),
                tr("%1: the file cannot be played.").arg(m_fileName.file)};
    close();
    m_stream = stream;
    m_openFile = m_fileName;
    // What the engine plays: a clip's 8-bit sound, or an MP3, is played as 16-bit frames.
    m_format = m_engine.format(stream);
    m_lengthBytes = std::max<ByteCount>(0, m_engine.length(stream));
    m_pendingFromMs = -1;
    if (m_updateIntervalMs > 0)
        m_updateTimer.start();
    setState(State::Stopped);
    return Status::ok();
}

Status MediaPlayer::play() {
    if (m_state == State::Closed)
        return {ErrorCode::Handle, tr("No file is open to play.")};
    return startStream();
}

// Positions the stream for this play and starts it. A stream the engine has freed under
// the player (a release of the whole engine) is created again from the open file.
Status MediaPlayer::startStream() {
    const std::int64_t fromMs = m_pendingFromMs;
    m_pendingFromMs = -1;
    const bool active = m_engine.isActive(m_stream);
    if (fromMs < 0 && active) {
        setState(State::Playing);
        return Status::ok();
    }

    ByteCount start = -1; // -1 keeps the stream's position
    if (fromMs >= 0) {
        start = msToBytes(fromMs);
    } else {
        const ByteCount at = m_engine.position(m_stream);
        if (at < 0 || at >= m_lengthBytes)
            start = 0;
    }
    if (start >= m_lengthBytes)
        start = 0;

    const auto attempt = [&]() -> Status {
        if (start >= 0) {
            if (Status s = m_engine.setPosition(m_stream, start); !s)
                return s;
        }
        return active ? Status::ok() : m_engine.play(m_stream);
    };
    Status result = attempt();
    if (result.code() == ErrorCode::Handle) {
        const AudioEngine::Handle stream = m_engine.createFileStream(m_openFile);
        if (stream == 0)
            return {orStart(m_engine.lastErrorCode()),
                    tr("%1: the file cannot be played.").arg(m_openFile.file)};
        m_stream = stream;
        result = attempt();
    }
    if (!result)
        return {result.code(),
                tr("%1: playback failed. %2").arg(m_openFile.file, result.message())};
    setState(State::Playing);
    return Status::ok();
}

Status MediaPlayer::stop() {
    if (m_state != State::Playing)
        return Status::ok();
    const Status s = m_engine.stop(m_stream);
    // A stop in the last moments of the open file may have taken the queued one off.
    if (m_queued != 0)
        m_engine.queueNext(m_stream, m_queued);
    setState(State::Stopped);
    if (!s && s.code() != ErrorCode::Handle)
        return {s.code(), tr("%1: playback did not stop. %2").arg(m_openFile.file, s.message())};
    return Status::ok();
}

void MediaPlayer::close() {
    if (m_state == State::Closed)
        return;
    dropQueued();
    m_engine.stop(m_stream);
    m_engine.freeStream(m_stream);
    m_stream = 0;
    m_openFile = {};
    m_lengthBytes = 0;
    m_format = {};
    m_pendingFromMs = -1;
    m_updateTimer.stop();
    setState(State::Closed);
}

// Only the end of the play that is running now counts: a queued end of an earlier play
// arrives after a stop (state Stopped), after a close or open (another stream), or after
// a new play has restarted the stream (active again).
void MediaPlayer::onStreamEnded(AudioEngine::Handle stream) {
    if (stream != m_stream || m_state != State::Playing || m_engine.isActive(stream))
        return;
    if (m_queued != 0 && m_engine.isActive(m_queued)) {
        m_engine.freeStream(m_stream);
        m_stream = std::exchange(m_queued, 0);
        m_fileName = m_openFile = std::exchange(m_queuedFile, ClipRange());
        m_format = m_queuedFormat;
        m_lengthBytes = m_queuedLength;
        m_pendingFromMs = -1;
        emit done();
        return;
    }
    dropQueued();
    setState(State::Stopped);
    emit done();
}

void MediaPlayer::onStreamFailed(AudioEngine::Handle stream) {
    if (stream != m_stream || m_state != State::Playing || m_engine.isActive(stream))
        return;
    dropQueued();
    setState(State::Stopped);
    emit failed({ErrorCode::Driver, tr("%1: the sound server stopped playing it (it may have gone "
                                       "away).")
                                        .arg(m_openFile.file)});
}

Status MediaPlayer::queueFile(const ClipRange& path) {
    dropQueued();
    if (path.file.isEmpty())
        return Status::ok();
    if (m_state == State::Closed)
        return {ErrorCode::Handle, tr("No file is open to follow.")};
    const AudioEngine::Handle next = m_engine.createFileStream(path);
    if (next == 0)
        return {orStart(m_engine.lastErrorCode()),
                tr("%1: the file cannot be played.").arg(path.file)};
    if (Status queued = m_engine.queueNext(m_stream, next); !queued) {
        m_engine.freeStream(next);
        return queued;
    }
    m_queued = next;
    m_queuedFile = path;
    m_queuedFormat = m_engine.format(next);
    m_queuedLength = std::max<ByteCount>(0, m_engine.length(next));
    return Status::ok();
}

void MediaPlayer::dropQueued() {
    if (m_queued == 0)
        return;
    m_engine.queueNext(m_stream, 0);
    m_engine.freeStream(std::exchange(m_queued, 0));
    m_queuedFile = {};
}

Status MediaPlayer::seek(std::int64_t positionMs) {
    if (m_state == State::Closed)
        return {ErrorCode::Handle, tr("No file is open.")};
    m_pendingFromMs = -1;
    return m_engine.setPosition(m_stream, msToBytes(std::max<std::int64_t>(0, positionMs)));
}

void MediaPlayer::setFrom(std::int64_t positionMs) {
    m_pendingFromMs = std::max<std::int64_t>(0, positionMs);
}

std::int64_t MediaPlayer::lengthMs() const {
    return m_state == State::Closed ? 0 : bytesToMs(m_lengthBytes);
}

std::int64_t MediaPlayer::positionMs() const {
    if (m_state == State::Closed)
        return 0;
    return bytesToMs(std::clamp<ByteCount>(m_engine.position(m_stream), 0, m_lengthBytes));
}

void MediaPlayer::setUpdateIntervalMs(int ms) {
    m_updateIntervalMs = std::max(0, ms);
    if (m_updateIntervalMs == 0) {
        m_updateTimer.stop();
        return;
    }
    m_updateTimer.setInterval(m_updateIntervalMs);
    if (m_state != State::Closed)
        m_updateTimer.start();
}

int MediaPlayer::updateIntervalMs() const {
    return m_updateIntervalMs;
}

MediaPlayer::State MediaPlayer::state() const {
    return m_state;
}

void MediaPlayer::onUpdateTimer() {
    if (m_state != State::Closed)
        emit statusUpdate();
}

void MediaPlayer::setState(State state) {
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

std::int64_t MediaPlayer::bytesToMs(ByteCount bytes) const {
    const std::int64_t perSecond = m_format.bytesPerSecond();
    return perSecond > 0 ? bytes * 1000 / perSecond : 0;
}

ByteCount MediaPlayer::msToBytes(std::int64_t ms) const {
    const int rate = m_format.sampleRateHz;
    if (rate <= 0)
        return 0;
    // Past the end is the end; clamping first also keeps ms * rate in range.
    const std::int64_t frames = m_lengthBytes / m_format.blockAlign();
    if (ms / 1000 >= frames)
        return m_lengthBytes;
    const std::int64_t frame = ms / 1000 * rate + ms % 1000 * rate / 1000;
    return std::min(m_lengthBytes, frame * m_format.blockAlign());
}
