// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/audio_engine.h"
#include "base/status.h"
#include "wav/clip_range.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

// A player for one WAV file at a time, driven by command words like a media control:
// set the file name, then "open", "play", "stop", "close" (any letter case, blanks around
// the word ignored).
//
// States: Closed (no file), Stopped (file open, not playing), Playing. "play" plays from
// the start position set with setFrom() if one is pending, else from the current position;
// a play that starts at the end of the file starts from the beginning instead. At the end
// of the file it stops, the position goes back to 0, and done() is emitted exactly once
// for that play. Stop, close or a following open never emit done(). "stop" and "close"
// on a closed player do nothing and succeed; "play" on a closed player fails. "open" of a
// file that is missing or not a playable WAV fails and leaves the player as it was.
//
// Positions and lengths are in milliseconds of the open file's sound (whole milliseconds,
// rounded down); start positions are rounded down to whole sample frames and clamped to
// the file.
//
// A second file can be queued (queueFile) to follow the open one without a gap: when the
// open file has played to its end, the player goes straight on with the queued one, which
// is from then on the open file (and fileName()); the state stays Playing and done() is
// emitted for the file that ended. "open", "close" and a new queueFile() drop what was
// queued.
//
// Should the sound server end a play before the file's end (it went away), the player stops
// where it got to and failed() says so; done() does not come for that play.
//
// While a file is open, statusUpdate() is emitted every updateIntervalMs (default 1000;
// 0 turns it off). Tests call onUpdateTimer() instead of waiting. All on the owner's (GUI)
// thread.
class MediaPlayer : public QObject {
    Q_OBJECT
public:
    enum class State { Closed, Stopped, Playing };
    Q_ENUM(State)

    // The engine must outlive the player. The player never starts or releases it: it only
    // creates an output stream on "open" and frees it on "close". Should the engine free
    // that stream anyway (releaseAll), the next "play" creates it again.
    explicit MediaPlayer(AudioEngine& engine, QObject* parent = nullptr);
    ~MediaPlayer() override;

    // The file to open, or a stretch of it (a cut clip): positions and lengths are then
    // the stretch's.
    void setFileName(const ClipRange& clip);
    QString fileName() const;
    const ClipRange& clip() const { return m_fileName; }

    // Runs one command word. Unknown words and failures change nothing and return a status.
    Status command(const QString& word);

    // Queues `path` to follow the open file (an empty path drops the queued one). Fails,
    // queueing nothing, when no file is open or `path` is not a playable WAV of the open
    // file's sample format.
    Status queueFile(const ClipRange& clip);
    QString queuedFile() const { return m_queuedFile.file; }
    const ClipRange& queuedClip() const { return m_queuedFile; }

    // Moves the open file's position to `positionMs` (rounded down to a frame, clamped to
    // the file) at once: a playing file goes on from there, a stopped one starts there.
    Status seek(std::int64_t positionMs);

    // Start position in milliseconds for the next "play".
    void setFrom(std::int64_t positionMs);
    std::int64_t lengthMs() const;   // 0 when closed
    std::int64_t positionMs() const; // 0 when closed

    void setUpdateIntervalMs(int ms);
    int updateIntervalMs() const;
    State state() const;

signals:
    void statusUpdate();
    void done();
    void failed(const Status& status);
    void stateChanged(MediaPlayer::State state);

public slots:
    void onUpdateTimer();

private:
    Status open();
    Status play();
    Status stop();
    void close();
    Status startStream();
    void onStreamEnded(AudioEngine::Handle stream);
    void onStreamFailed(AudioEngine::Handle stream);
    void dropQueued();
    void setState(State state);
    std::int64_t bytesToMs(ByteCount bytes) const;
    ByteCount msToBytes(std::int64_t ms) const;

    AudioEngine& m_engine;
    ClipRange m_fileName;
    ClipRange m_openFile;
    AudioEngine::Handle m_stream = 0;
    WavFormat m_format;
    ByteCount m_lengthBytes = 0;
    std::int64_t m_pendingFromMs = -1;
    AudioEngine::Handle m_queued = 0;
    ClipRange m_queuedFile;
    WavFormat m_queuedFormat;
    ByteCount m_queuedLength = 0;
    State m_state = State::Closed;
    QTimer m_updateTimer;
    int m_updateIntervalMs = 1000;
};
