// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/framewav.h"

#include "audio/audio_engine.h"
#include "audio/media_player.h"
#include "cliplist/clip_copy.h"
#include "cliplist/clip_names.h"
#include "cliplist/ui/clip_editor.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/list_playback.h"
#include "cliplist/ui/list_saving.h"
#include "shell/app_info.h"
#include "shell/ui/audio_error.h"
#include "shell/ui/busy_window.h"
#include "shell/ui/main_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

namespace {

// The open dialog's flags: explorer style (524288), the file must exist (4096), no
// read-only box (4).
constexpr int OpenFlags = 528388;

} // namespace

Framewav::Framewav(Frmmain& window)
    : QGroupBox(&window), m_window(window), m_controls(FramewavControls::create(*this)) {
    setObjectName(QStringLiteral("Framewav"));
    setTitle(QStringLiteral("Audio Edit"));
    connect(m_controls.CmdAdd, &QPushButton::clicked, this, &Framewav::CmdAdd_Click);
    connect(m_controls.Cmdremove, &QPushButton::clicked, this, &Framewav::Cmdremove_Click);
    // On the press, as a list box reports it: the first click of a double click selects
    // before the double click acts.
    connect(m_controls.List1, &QListWidget::itemPressed, this, &Framewav::List1_Click);
    connect(m_controls.List1, &ClipListBox::currentChangedByKey, this, &Framewav::List1_Click);
    m_editor = std::make_unique<ClipEditor>(*this);
    m_playback = std::make_unique<ListPlayback>(*this, *m_editor);
    m_saving = std::make_unique<ListSaving>(*this);
    connectParts();
}

Framewav::~Framewav() = default;

void Framewav::connectParts() {
    const FramewavControls& c = m_controls;
    ClipEditor* editor = m_editor.get();
    ListPlayback* playback = m_playback.get();
    ListSaving* saving = m_saving.get();
    connect(c.List1, &QListWidget::itemDoubleClicked, editor, &ClipEditor::List1_DblClick);
    connect(c.CmdEditPlay, &QPushButton::clicked, editor, &ClipEditor::CmdEditPlay_Click);
    connect(c.CmdEditStop, &QPushButton::clicked, editor, &ClipEditor::CmdEditStop_Click);
    connect(c.CmdMarkin, &QPushButton::clicked, editor, &ClipEditor::CmdMarkin_Click);
    connect(c.CmdMarkOut, &QPushButton::clicked, editor, &ClipEditor::CmdMarkOut_Click);
    connect(c.CmdEditDone, &QPushButton::clicked, editor, &ClipEditor::CmdEditDone_Click);
    connect(&context().MMCEdit, &MediaPlayer::statusUpdate, editor,
            &ClipEditor::MMCEdit_StatusUpdate);

    connect(c.CmdPlay, &QPushButton::clicked, playback, &ListPlayback::CmdPlay_Click);
    connect(c.CmdStop, &QPushButton::clicked, playback, &ListPlayback::CmdStop_Click);
    connect(&context().MMCPlayList, &MediaPlayer::done, playback, &ListPlayback::MMCPlayList_Done);

    connect(c.CmdSaveWav, &QPushButton::clicked, saving, &ListSaving::CmdSaveWav_Click);
    connect(c.CmdSaveList, &QPushButton::clicked, saving, &ListSaving::CmdSaveList_Click);
}

const AppContext& Framewav::context() const {
    return m_window.context();
}

QStringList Framewav::clipNames() const {
    QStringList names;
    for (int row = 0; row < m_controls.List1->count(); ++row)
        names << m_controls.List1->item(row)->text();
    return names;
}

int Framewav::selectedIndex() const {
    const QList<QListWidgetItem*> selected = m_controls.List1->selectedItems();
    return selected.isEmpty() ? -1 : m_controls.List1->row(selected.first());
}

QString Framewav::clipFile(int row) const {
    return context().workFolder.clipFile(m_controls.List1->item(row)->text());
}

void Framewav::CmdAdd_Click() {
    Dialogs::FileRequest request;
    request.mode = Dialogs::FileRequest::Mode::Open;
    request.title = QStringLiteral("Select a file to Convert");
    request.filter = QStringLiteral("Audio files (*.wav;*.mp3)|*.wav;*.mp3");
    request.fileName = QString();
    request.flags = OpenFlags;
    const std::optional<QString> chosen = context().dialogs.chooseFile(&m_window, request);
    if (!chosen)
        return;
    const QString extension = chosen->right(3).toLower();
    if (extension == QLatin1String("wav"))
        addWav(*chosen);
    else if (extension == QLatin1String("mp3"))
        decodeIntoClip(*chosen);
}

// Only a canonical file may be copied as it is; anything else a WAV can hold (extra
// chunks, extensible format, 24/32-bit or float samples) goes through the decoder, so every
// clip file is canonical. A file that is not RIFF/WAVE at all is left to the decoder too,
// which either reads it or says it cannot.
void Framewav::addWav(const QString& path) {
    const Result<WavInfo> info = readWavInfo(path);
    if (!info || !info->canonical) {
        decodeIntoClip(path);
        return;
    }
    const QString name = clipnames::uniqueClipName(clipnames::clipNameOf(path), clipNames());
    if (Status copied = clipfiles::copyFile(path, context().workFolder.clipFile(name)); !copied) {
        showFailure(path, copied);
        return;
    }
    m_controls.List1->addItem(name);
}

Result<QString> Framewav::decodeIntoClip(const QString& inputPath) {
    AudioEngine& engine = context().engine;
    if (Status started = engine.startForDecoding(); !started) {
        ShowAudioError(context().dialogs, &m_window, QStringLiteral("Can't initialize device"),
                       started.codeNumber());
        return started;
    }
    m_decoding = true;
    m_cancelled = false;
    FrmLoad& busy = m_window.frmLoad();
    const auto finish = [&](Result<QString> result) {
        m_decoding = false;
        emit decodeEnded();
        return result;
    };

    m_window.setEnabled(false);
    busy.show();
    if (Status loaded = m_decoder.loadmp3(inputPath); !loaded) {
        busy.hide();
        m_window.setEnabled(true);
        engine.releaseAll();
        ShowAudioError(context().dialogs, &m_window, QStringLiteral("Can't play the file"),
                       loaded.codeNumber());
        return finish(loaded);
    }

    // loadmp3 forgets an earlier cancel request; one made since the decode began still holds.
    if (m_cancelled)
        m_decoder.requestCancel();

    const QString name = clipnames::uniqueClipName(clipnames::clipNameOf(inputPath), clipNames());
    // Letting the event loop run after every block would cost more than decoding the block;
    // right after the first block (so the busy window paints at once) and then a few dozen
    // times a second keeps the busy window painting and animating.
    QElapsedTimer sinceYield;
    const auto yield = [&](ByteCount position, ByteCount length) {
        if (!sinceYield.isValid() || sinceYield.elapsed() >= YieldMs) {
            busy.setProgress(length > 0 ? int(position * 100 / length) : -1);
            QCoreApplication::processEvents();
            sinceYield.start();
        }
    };
    Status decoded = m_decoder.convert2wav(context().workFolder.clipFile(name), yield);
    m_window.setEnabled(true);
    busy.hide();
    if (Status closed = m_decoder.closewav(); decoded && !closed)
        decoded = closed;
    engine.releaseAll();

    if (!decoded) {
        if (!m_cancelled)
            showFailure(inputPath, decoded);
        return finish(decoded);
    }
    m_controls.List1->addItem(name);
    return finish(name);
}

void Framewav::cancelDecode() {
    if (!m_decoding)
        return;
    m_cancelled = true;
    m_decoder.requestCancel();
}

void Framewav::showFailure(const QString& inputPath, const Status& failure) {
    context().dialogs.message(
        &m_window,
        QStringLiteral("%1 was not added to the list.\n\n%2").arg(inputPath, failure.message()),
        QLatin1String(appinfo::Title), Dialogs::Icon::Warning);
}

void Framewav::Cmdremove_Click() {
    context().MMCEdit.command(QStringLiteral("Stop"));
    context().MMCPlayList.command(QStringLiteral("Stop"));
    context().MMCEdit.command(QStringLiteral("Close"));
    context().MMCPlayList.command(QStringLiteral("Close"));

    const int row = selectedIndex();
    if (row >= 0) {
        const QString name = m_controls.List1->item(row)->text();
        const Dialogs::Answer answer = context().dialogs.message(
            &m_window, QStringLiteral("Are you sure you want to delete %1 ?").arg(name),
            QStringLiteral("Deleting"), Dialogs::Icon::None, Dialogs::Buttons::YesNo);
        if (answer == Dialogs::Answer::Yes) {
            const QString file = clipFile(row);
            // A file that is already gone (deleted behind the program's back) is no reason
            // to keep the entry.
            if (!QFile::remove(file) && QFileInfo::exists(file)) {
                context().dialogs.message(
                    &m_window,
                    QStringLiteral("%1 was not removed: %2 cannot be deleted.").arg(name, file),
                    QLatin1String(appinfo::Title), Dialogs::Icon::Warning);
            } else {
                delete m_controls.List1->takeItem(row);
                m_controls.List1->clearSelection();
                m_controls.List1->setCurrentRow(-1);
            }
        }
    }
    m_editor->disableEditor();
}

void Framewav::List1_Click() {
    context().MMCEdit.command(QStringLiteral("Stop"));
    context().MMCPlayList.command(QStringLiteral("Stop"));
    context().MMCEdit.command(QStringLiteral("close"));
    context().MMCPlayList.command(QStringLiteral("close"));
    m_editor->disableEditor();
    for (QPushButton* button : {m_controls.CmdFoward, m_controls.CmdPause, m_controls.CmdPlay,
                                m_controls.CmdStop, m_controls.CmdNext})
        button->setEnabled(true);
}
