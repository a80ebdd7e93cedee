// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_rig.h"

#include "audio/media_player.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/framewav.h"
#include "codec/mp3_encoder.h"
#include "shell/main_window.h"
#include "support/page_host.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_engine.h"
#include "support/test_audio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

WindowRig::WindowRig(Window when) {
    qputenv("HOME", QFile::encodeName(m_home.path()));
    m_engine = std::make_unique<ScriptedEngine>();
    m_playerEngine = std::make_unique<ScriptedEngine>();
    m_playerEngine->setPlayMode(ScriptedEngine::PlayMode::ManualClock);
    m_edit = std::make_unique<MediaPlayer>(*m_playerEngine);
    m_list = std::make_unique<MediaPlayer>(*m_playerEngine);
    m_encoder = std::make_unique<Mp3Encoder>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    if (when == Window::Host)
        createHost();
}

WindowRig::~WindowRig() {
    m_host.reset();
    m_window.reset();
}

Frmmain& WindowRig::createWindow(const QString& workFolder) {
    Q_ASSERT(!m_window && !m_host);
    const QString work = workFolder.isEmpty() ? appFile(QStringLiteral("korvanel")) : workFolder;
    m_window = std::make_unique<Frmmain>(AppContext{*m_engine, *m_edit, *m_list, *m_encoder,
                                                    *m_dialogs, m_app.path(), WorkFolder(work)},
                                         *m_dialogs);
    return *m_window;
}

PageHost& WindowRig::createHost(const QString& workFolder) {
    Q_ASSERT(!m_window && !m_host);
    const QString work = workFolder.isEmpty() ? appFile(QStringLiteral("korvanel")) : workFolder;
    m_host = std::make_unique<PageHost>(AppContext{*m_engine, *m_edit, *m_list, *m_encoder,
                                                   *m_dialogs, m_app.path(), WorkFolder(work)},
                                        *m_dialogs);
    return *m_host;
}

Frmmain& WindowRig::showPage(const QString& key) {
    if (!m_window)
        createWindow();
    m_window->Toolbar1_ButtonClick(key);
    return *m_window;
}

Framewav& WindowRig::framewav() const {
    return m_host ? m_host->framewav() : m_window->framewav();
}

ClipListBox& WindowRig::list() const {
    return *framewav().findChild<ClipListBox*>(QStringLiteral("List1"));
}

QWidget* WindowRig::control(const QString& name) const {
    return framewav().findChild<QWidget*>(name);
}

const WorkFolder& WindowRig::work() const {
    return m_host ? m_host->context().workFolder : m_window->context().workFolder;
}

QString WindowRig::addClip(const QString& name, const WavFormat& format, const QByteArray& pcm) {
    const QString path = testaudio::writeWav(work().clipFile(name), format, pcm);
    framewav().clips().append(name);
    return path;
}

void WindowRig::playInBothPlayers(const QString& clip) {
    for (MediaPlayer* player : {m_edit.get(), m_list.get()}) {
        player->setFileName(clip);
        QVERIFY(player->command(QStringLiteral("open")));
        QVERIFY(player->command(QStringLiteral("play")));
    }
}

QStringList WindowRig::workFiles() const {
    return QDir(work().path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Polled rather than waited for in an event loop of its own: once "Exit" has asked the
// application to quit, every new event loop ends at once.
void WindowRig::waitForWork() const {
    const BusyGate& gate = m_host ? m_host->busyGate() : m_window->busyGate();
    QTRY_VERIFY_WITH_TIMEOUT(!framewav().import().isBusy() && !gate.isBusy(), 60000);
}

void WindowRig::advanceMs(std::int64_t ms) {
    m_playerEngine->advanceMs(ms);
    QCoreApplication::processEvents();
}
