// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/audio_edit_rig.h"

#include "audio/media_player.h"
#include "audio/mp3_encoder.h"
#include "cliplist/ui/framewav.h"
#include "shell/ui/main_window.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_engine.h"
#include "support/test_audio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>

AudioEditRig::AudioEditRig() {
    qputenv("HOME", QFile::encodeName(m_home.path()));
    m_engine = std::make_unique<ScriptedEngine>();
    m_playerEngine = std::make_unique<ScriptedEngine>();
    m_playerEngine->setPlayMode(ScriptedEngine::PlayMode::ManualClock);
    m_edit = std::make_unique<MediaPlayer>(*m_playerEngine);
    m_list = std::make_unique<MediaPlayer>(*m_playerEngine);
    m_encoder = std::make_unique<Mp3Encoder>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_window =
        std::make_unique<Frmmain>(AppContext{*m_engine, *m_edit, *m_list, *m_encoder, *m_dialogs,
                                             m_app.path(), WorkFolder(m_app.filePath("korvanel"))});
}

AudioEditRig::~AudioEditRig() = default;

Framewav& AudioEditRig::page() const {
    return m_window->framewav();
}

QListWidget& AudioEditRig::list() const {
    return *page().findChild<QListWidget*>(QStringLiteral("List1"));
}

QWidget* AudioEditRig::control(const QString& name) const {
    return page().findChild<QWidget*>(name);
}

const WorkFolder& AudioEditRig::work() const {
    return m_window->context().workFolder;
}

QString AudioEditRig::addClip(const QString& name, const WavFormat& format, const QByteArray& pcm) {
    const QString path = testaudio::writeWav(work().clipFile(name), format, pcm);
    list().addItem(name);
    return path;
}

QStringList AudioEditRig::workFiles() const {
    return QDir(work().path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void AudioEditRig::advanceMs(std::int64_t ms) {
    m_playerEngine->advanceMs(ms);
    QCoreApplication::processEvents();
}
