// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wav/wav_header.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>

class ClipListBox;
class Framewav;
class Frmmain;
class MediaPlayer;
class Mp3Encoder;
class PageHost;
class QWidget;
class ScriptedDialogs;
class ScriptedEngine;
class WorkFolder;

// Scripted parts for the tests of a page (built on a PageHost) or of the whole main window:
// the pages' engine and the players' engine are ScriptedEngines (the players' one on its
// manual clock), the dialogs are scripted, the encoder is the real one. The application
// folder and a folder outside it are temporary; HOME points at a temporary folder too. The
// main window is built at once, or later by createWindow(); a page test builds a host with
// createHost() instead.
class WindowRig {
public:
    // Host: a page host at once; Later: nothing yet (createWindow() or createHost()).
    enum class Window { Host, Later };

    explicit WindowRig(Window when = Window::Host);
    ~WindowRig();
    WindowRig(const WindowRig&) = delete;
    WindowRig& operator=(const WindowRig&) = delete;

    // Builds the window, once. The work folder is `workFolder`, or "korvanel" in the
    // application folder when empty.
    Frmmain& createWindow(const QString& workFolder = QString());
    // Builds a host for single pages instead of the window, with the same work folder rule.
    PageHost& createHost(const QString& workFolder = QString());
    PageHost& host() const { return *m_host; }
    bool hasWindow() const { return m_window != nullptr; }
    bool hasHost() const { return m_host != nullptr; }
    // Runs the toolbar key `key`, building the window first when there is none.
    Frmmain& showPage(const QString& key);

    // The window or the host and what stands on it: only once it is built.
    Frmmain& window() const { return *m_window; }
    Framewav& framewav() const;
    ClipListBox& list() const;
    // A control of the "Audio Edit" page, by object name.
    QWidget* control(const QString& name) const;
    const WorkFolder& work() const;

    ScriptedEngine& engine() const { return *m_engine; }
    ScriptedEngine& playerEngine() const { return *m_playerEngine; }
    MediaPlayer& edit() const { return *m_edit; }
    MediaPlayer& listPlayer() const { return *m_list; }
    Mp3Encoder& encoder() const { return *m_encoder; }
    ScriptedDialogs& dialogs() const { return *m_dialogs; }
    QString home() const { return m_home.path(); }
    // A path in the application folder, where the settings file is read from.
    QString appFile(const QString& name) const { return m_app.filePath(name); }
    // A path in a temporary folder outside the application and work folders.
    QString outside(const QString& name) const { return m_outside.filePath(name); }

    // Writes `pcm` as the clip file of `name` and appends the entry, as Add leaves a clip.
    QString addClip(const QString& name, const WavFormat& format, const QByteArray& pcm);
    // Opens `clip` in both players and plays it.
    void playInBothPlayers(const QString& clip);
    // The files of the work folder, by name.
    QStringList workFiles() const;
    // Waits until the list's import has nothing left to do and no long operation holds the
    // window (a decode, a copy, a crop, an effect, a join).
    void waitForWork() const;
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
    std::unique_ptr<PageHost> m_host;
};
