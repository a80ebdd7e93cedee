// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/wav_header.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>

class Framewav;
class Frmmain;
class MediaPlayer;
class Mp3Encoder;
class QListWidget;
class QWidget;
class ScriptedDialogs;
class ScriptedEngine;
class WorkFolder;

// The main window on scripted parts, for tests of the "Audio Edit" page: the pages' engine
// and the players' engine are ScriptedEngines (the players' one on its manual clock), the
// dialogs are scripted, the encoder is the real one. The work folder and the application
// folder are temporary; HOME points at a temporary folder too.
class AudioEditRig {
public:
    AudioEditRig();
    ~AudioEditRig();
    AudioEditRig(const AudioEditRig&) = delete;
    AudioEditRig& operator=(const AudioEditRig&) = delete;

    Frmmain& window() const { return *m_window; }
    Framewav& page() const;
    QListWidget& list() const;
    QWidget* control(const QString& name) const;
    const WorkFolder& work() const;
    ScriptedEngine& playerEngine() const { return *m_playerEngine; }
    MediaPlayer& edit() const { return *m_edit; }
    MediaPlayer& listPlayer() const { return *m_list; }
    Mp3Encoder& encoder() const { return *m_encoder; }
    ScriptedDialogs& dialogs() const { return *m_dialogs; }

    // Writes `pcm` as the clip file of `name` and appends the entry, as Add leaves a clip.
    QString addClip(const QString& name, const WavFormat& format, const QByteArray& pcm);
    // A path in a temporary folder outside the work folder.
    QString outside(const QString& name) const { return m_outside.filePath(name); }
    // The files of the work folder, by name.
    QStringList workFiles() const;
    // Moves the players' clock on and delivers what that queued (ends of plays).
    void advanceMs(std::int64_t ms);

private:
    QTemporaryDir m_home;
    QTemporaryDir m_app;
    QTemporaryDir m_outside;
    std::unique_ptr<ScriptedEngine> m_engine;
    std::unique_ptr<ScriptedEngine> m_playerEngine;
    std::unique_ptr<MediaPlayer> m_edit;
    std::unique_ptr<MediaPlayer> m_list;
    std::unique_ptr<Mp3Encoder> m_encoder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Frmmain> m_window;
};
