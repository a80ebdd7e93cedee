// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A private PulseAudio daemon for one test run, reachable only through a socket in a
// temporary folder. It has a null sink "tc_null" (so its monitor "tc_null.monitor" hears
// what is played) as the default sink, and "tc_pipe", a source fed from a FIFO at
// 44100 Hz, s16le, stereo, as the default source. Nothing in the daemon touches the
// user's own sound server, home or runtime folders.
//
// start() sets PULSE_SERVER for this process (and the programs it starts); the destructor
// stops the daemon by its pid (TERM, then KILL) and restores PULSE_SERVER.
class PulseDaemon {
public:
    static constexpr const char* SinkName = "tc_null";
    static constexpr const char* MonitorName = "tc_null.monitor";
    static constexpr const char* PipeSourceName = "tc_pipe";

    PulseDaemon() = default;
    ~PulseDaemon();
    PulseDaemon(const PulseDaemon&) = delete;
    PulseDaemon& operator=(const PulseDaemon&) = delete;

    static bool programAvailable();
    // Starts the daemon and waits until it serves requests. On failure `error` holds the
    // reason and the daemon's log.
    bool start(QString* error);
    void stop();

    QString serverAddress() const; // "unix:<socket>"
    QString pipePath() const;
    qint64 pid() const { return m_process.processId(); }
    QString log() const;

    // Writes raw samples into the pipe source; true when the FIFO took them all within
    // timeoutMs. The daemon reads the FIFO only while something records from the source.
    bool feedPipe(const QByteArray& pcm, int timeoutMs = 5000) const;
    // Throws away what is still waiting in the FIFO (call while nothing records from it);
    // returns the bytes thrown away.
    qsizetype drainPipe() const;
    // `pactl -f json list <kind>` against this daemon (kind: sources, source-outputs, ...).
    QJsonArray list(const QString& kind) const;
    // Runs pactl against this daemon; returns its exit code, -1 when it could not run.
    int pactl(const QStringList& arguments, QByteArray* output = nullptr) const;

private:
    QString socketPath() const;
    int runPactl(const QStringList& arguments, QByteArray* output, QByteArray* errors) const;

    QTemporaryDir m_dir;
    QProcess m_process;
    QByteArray m_savedServer;
    bool m_hadServer = false;
    bool m_serverSet = false;
};

// Starts `daemon` in a test function: skips when pulseaudio is not installed, fails when it
// is installed but does not start.
#define START_PULSE_DAEMON(daemon)                                                                 \
    do {                                                                                           \
        if (!PulseDaemon::programAvailable())                                                      \
            QSKIP("The pulseaudio program is not installed; the sound server tests need it.");     \
        QString startError_;                                                                       \
        QVERIFY2((daemon).start(&startError_), qPrintable(startError_));                           \
    } while (false)
