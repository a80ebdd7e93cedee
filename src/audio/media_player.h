// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/audio_engine.h"
#include "audio/status.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

// A player for one WAV file at a time, driven by command words like a media control:
// set the file name, then "open", "play", "stop", "close" (any letter case).
//
// States: Closed (no file), Stopped (file open, not playing), Playing. "play" plays from
// the start position set with setFrom() if one is pending, else from the current position;
// at the end of the file it stops, the position goes back to 0, and done() is emitted
// exactly once. Stop, close or a following open never emit done().
//
// While a file is open, statusUpdate() is emitted every updateIntervalMs (default 1000).
// Tests call onUpdateTimer() instead of waiting. All on the owner's (GUI) thread.
class MediaPlayer : public QObject {
    Q_OBJECT
public:
    enum class State { Closed, Stopped, Playing };
    Q_ENUM(State)

    // The engine must outlive the player; the player starts it for playback on "open".
    explicit MediaPlayer(AudioEngine& engine, QObject* parent = nullptr);
    ~MediaPlayer() override;

    void setFileName(const QString& path);
    QString fileName() const;

    // Runs one command word. Unknown words and failures change nothing and return a status.
    Status command(const QString& word);

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
    void stateChanged(MediaPlayer::State state);

public slots:
    void onUpdateTimer();

private:
    Status open();
    Status play();
    Status stop();
    void close();
    void onStreamEnded(AudioEngine::Handle stream);
    void setState(State state);

    AudioEngine& m_engine;
    QString m_fileName;
    QString m_openFile;
    AudioEngine::Handle m_stream = 0;
    WavFormat m_format;
    std::int64_t m_pendingFromMs = -1;
    State m_state = State::Closed;
    QTimer m_updateTimer;
};
