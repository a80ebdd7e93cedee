// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/framewav.h"

#include "audio/audio_engine.h"
#include "audio/media_player.h"
#include "base/app_info.h"
#include "base/clip_copy.h"
#include "base/settings.h"
#include "cliplist/clip_names.h"
#include "cliplist/ui/clip_editor.h"
#include "cliplist/ui/clip_effects.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/list_playback.h"
#include "cliplist/ui/list_saving.h"
#include "cliplist/ui/ringtone_saving.h"
#include "pagekit/app_context.h"
#include "pagekit/audio_error.h"
#include "pagekit/busy_window.h"
#include "pagekit/dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QUndoStack>

#include <tuple>

namespace {

// The open dialog's flags: explorer style (524288), the file must exist (4096), no
// read-only box (4), several files at once (512).
constexpr int OpenFlags = 528388 | 512;

// The first filter is the classic one; the second names every kind of file the decoder
// is known to read, so a user can find a FLAC or an M4A without "All files".
const char* const OpenFilter = "Audio files (*.wav;*.mp3)|*.wav;*.mp3"
                               "|All sound files|*.wav;*.mp3;*.flac;*.ogg;*.oga;*.opus;*.m4a;"
                               "*.m4r;*.aac;*.mp4;*.aif;*.aiff;*.aifc;*.wma;*.wv;*.ape;*.mka;"
                               "*.ac3;*.mp2;*.amr;*.au;*.caf;*.mod;*.xm;*.s3m;*.it"
                               "|All files|*.*";

// "song.mp3: not a sound format that can be read.": the file's name and the reason, without
// the full path that the reader's message starts with.
QString failureLine(const QString& path, const Status& failure) {
    QString reason = failure.message();
    for (const QString& prefix : {path, QFileInfo(path).absoluteFilePath()})
        if (reason.startsWith(prefix + QLatin1String(": ")))
            reason = reason.mid(prefix.size() + 2);
    return QFileInfo(path).fileName() + QLatin1String(": ") + reason;
}

} // namespace

struct Framewav::Batch {
    QStringList paths;   // still to add, in order
    int row = -1;        // where the next clip goes; -1 at the end
    bool gather = false; // failures go into one message at the end
    bool waiting = false;
    bool stepping = false;
    QStringList failures;
};

Framewav::Framewav(PageServices services, RingtonePrompt& ringtonePrompt, QWidget* parent)
    : QGroupBox(parent), m_services(services), m_ringtonePrompt(ringtonePrompt),
      m_clips(services.context.workFolder), m_history(m_clips, services.context.workFolder),
      m_controls(FramewavControls::create(*this)) {
    setObjectName(QStringLiteral("Framewav"));
    setTitle(QStringLiteral("Audio Edit"));
    m_controls.List1->setModel(&m_clips);
    connect(m_controls.CmdAdd, &QPushButton::clicked, this, &Framewav::CmdAdd_Click);
    connect(m_controls.CmdIns, &QPushButton::clicked, this, &Framewav::CmdIns_Click);
    connect(m_controls.CmdUP, &QPushButton::clicked, this, &Framewav::CmdUP_Click);
    connect(m_controls.CmdDown, &QPushButton::clicked, this, &Framewav::CmdDown_Click);
    connect(m_controls.Cmdremove, &QPushButton::clicked, this, &Framewav::Cmdremove_Click);
    connect(&m_clips, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                for (int row = first; row <= last; ++row)
                    m_peakCache.prepare(m_clips.clipFile(row));
            });
    connect(&m_clips, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) {
                for (int row = first.row(); row <= last.row(); ++row)
                    m_peakCache.prepare(m_clips.clipFile(row));
            });
    connect(m_controls.CmdUndo, &QPushButton::clicked, this, &Framewav::CmdUndo_Click);
    connect(m_controls.CmdRedo, &QPushButton::clicked, this, &Framewav::CmdRedo_Click);
    m_controls.CmdUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_controls.CmdRedo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    auto* redoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), this);
    connect(redoKey, &QShortcut::activated, this, &Framewav::CmdRedo_Click);
    connect(&m_history.stack(), &QUndoStack::indexChanged, this, &Framewav::showHistory);
    showHistory();
    connect(m_controls.List1, &ClipListBox::moveRequested, this, &Framewav::moveClip);
    connect(m_controls.List1, &ClipListBox::filesDropped, this, &Framewav::dropFiles);
    connect(m_controls.List1, &ClipListBox::moveByKey, this,
            [this](int step) { step < 0 ? CmdUP_Click() : CmdDown_Click(); });
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_clips, changed, this, &Framewav::updateMoveButtons);
    connect(&m_clips, &QAbstractItemModel::rowsMoved, this, &Framewav::updateMoveButtons);
    connect(m_controls.List1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Framewav::updateMoveButtons);
    // On the press, as a list box reports it: the first click of a double click selects
    // before the double click acts.
    connect(m_controls.List1, &QAbstractItemView::pressed, this, &Framewav::List1_Click);
    connect(m_controls.List1, &ClipListBox::currentChangedByKey, this, &Framewav::List1_Click);
    connect(&m_worker, &DecodeWorker::progress, this,
            [this](int percent) { m_services.busy.busyWindow().setProgress(percent); });
    m_editor = std::make_unique<ClipEditor>(*this);
    m_effects = std::make_unique<ClipEffects>(*this, *m_editor);
    using Effect = ClipEffects::Effect;
    for (const auto& [key, effect] :
         {std::pair{QKeySequence(Qt::Key_F), Effect::FadeIn},
          std::pair{QKeySequence(Qt::SHIFT | Qt::Key_F), Effect::FadeOut},
          std::pair{QKeySequence(Qt::Key_G), Effect::Gain},
          std::pair{QKeySequence(Qt::Key_N), Effect::Normalise}})
        m_editor->addKey(key, [this, effect] { m_effects->apply(effect, m_editor->openRow()); });
    m_controls.List1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_controls.List1, &QWidget::customContextMenuRequested, this, &Framewav::showListMenu);
    m_playback = std::make_unique<ListPlayback>(*this, *m_editor);
    m_saving = std::make_unique<ListSaving>(*this);
    m_ringtone = std::make_unique<RingtoneSaving>(*this);
    connectParts();
}

Framewav::~Framewav() {
    cancelDecode();
}

void Framewav::connectParts() {
    const FramewavControls& c = m_controls;
    ClipEditor* editor = m_editor.get();
    ListPlayback* playback = m_playback.get();
    ListSaving* saving = m_saving.get();
    connect(c.List1, &QAbstractItemView::doubleClicked, editor, &ClipEditor::List1_DblClick);
    connect(c.CmdEditPlay, &QPushButton::clicked, editor, &ClipEditor::CmdEditPlay_Click);
    connect(c.CmdEditStop, &QPushButton::clicked, editor, &ClipEditor::CmdEditStop_Click);
    connect(c.CmdMarkin, &QPushButton::clicked, editor, &ClipEditor::CmdMarkin_Click);
    connect(c.CmdMarkOut, &QPushButton::clicked, editor, &ClipEditor::CmdMarkOut_Click);
    connect(c.CmdEditDone, &QPushButton::clicked, editor, &ClipEditor::CmdEditDone_Click);
    connect(&m_services.context.MMCEdit, &MediaPlayer::statusUpdate, editor,
            &ClipEditor::MMCEdit_StatusUpdate);

    connect(c.CmdPlay, &QPushButton::clicked, playback, &ListPlayback::CmdPlay_Click);
    connect(c.CmdStop, &QPushButton::clicked, playback, &ListPlayback::CmdStop_Click);
    connect(&m_services.context.MMCPlayList, &MediaPlayer::done, playback,
            &ListPlayback::MMCPlayList_Done);

    connect(c.CmdSaveWav, &QPushButton::clicked, saving, &ListSaving::CmdSaveWav_Click);
    connect(c.CmdSaveList, &QPushButton::clicked, saving, &ListSaving::CmdSaveList_Click);
    connect(c.CmdRingtone, &QPushButton::clicked, m_ringtone.get(),
            &RingtoneSaving::CmdRingtone_Click);
}

void Framewav::SetLng() {
    const FramewavControls& c = m_controls;
    const std::pair<QWidget*, const char*> tooltips[] = {
        {c.CmdFoward, "Forward"},
        {c.CmdPause, "Pause"},
        {c.CmdPlay, "Play"},
        {c.CmdStop, "Stop"},
        {c.CmdNext, "Next"},
        {c.CmdAdd, "Add New"},
        {c.CmdEditPlay, "Play"},
        {c.CmdEditStop, "Stop"},
        {c.Cmdremove, "Remove Form List"},
        {c.CmdUP, "Move UP"},
        {c.CmdDown, "Move Down"},
        {c.CmdPlaySel, "Play Selection"},
        {c.CmdFadeIn, "Fade In"},
        {c.CmdFadeOut, "Fade Out"},
        {c.CmdGain, "Gain"},
        {c.CmdNormalise, "Normalise"},
        {c.txtFade, "The length of a fade, in seconds"},
        {c.txtGain, "The gain, in decibels"},
        {c.cboLoudness, "The loudness Normalise brings clips to"},
        {c.chkNormaliseAll, "Normalise every clip of the list"},
    };
    for (const auto& [control, text] : tooltips)
        control->setToolTip(QLatin1String(text));
}

void Framewav::startUp() {
    const FramewavControls& c = m_controls;
    c.Label6->setText(QStringLiteral("Click to Select Play\r\nDouble Click to Select Edit"));
    for (QWidget* control : std::initializer_list<QWidget*>{
             c.CmdFoward, c.CmdPause, c.CmdPlay, c.CmdStop, c.CmdNext, c.SliderEdit, c.CmdEditPlay,
             c.CmdEditStop, c.CmdMarkin, c.CmdMarkOut, c.CmdEditDone})
        control->setEnabled(false);
    m_editor->disableEditor();
    updateMoveButtons();
}

void Framewav::assignKeys() {
    const FramewavControls& c = m_controls;
    const auto name = [](QPushButton* button, const char* key) {
        const QString text = button->toolTip().isEmpty() ? button->text() : button->toolTip();
        button->setToolTip(QStringLiteral("%1 (%2)").arg(text, QLatin1String(key)));
    };
    const std::tuple<QPushButton*, QKeySequence, const char*> keys[] = {
        {c.CmdAdd, QKeySequence(Qt::CTRL | Qt::Key_O), "Ctrl+O"},
        {c.Cmdremove, QKeySequence(Qt::Key_Delete), "Delete"},
        {c.CmdUP, QKeySequence(Qt::CTRL | Qt::Key_Up), "Ctrl+Up"},
        {c.CmdDown, QKeySequence(Qt::CTRL | Qt::Key_Down), "Ctrl+Down"},
    };
    for (const auto& [button, key, text] : keys) {
        button->setShortcut(key);
        name(button, text);
    }
    // The editor's keys are its own (they act only while a clip is open); the tooltips of
    // its buttons name them.
    const std::pair<QPushButton*, const char*> editorKeys[] = {
        {c.CmdEditPlay, "Space"}, {c.CmdEditStop, "Space"},  {c.CmdPlaySel, "P"},
        {c.CmdMarkin, "I"},       {c.CmdMarkOut, "O"},       {c.CmdEditDone, "Enter"},
        {c.CmdFadeIn, "F"},       {c.CmdFadeOut, "Shift+F"}, {c.CmdGain, "G"},
        {c.CmdNormalise, "N"},
    };
    for (const auto& [button, text] : editorKeys)
        name(button, text);
}

int Framewav::selectedIndex() const {
    return m_controls.List1->selectedRow();
}

void Framewav::showStatusCode(short code) {
    m_controls.Text1->setText(QString::number(code));
}

void Framewav::CmdAdd_Click() {
    askAndAdd(-1);
}

void Framewav::CmdIns_Click() {
    askAndAdd(selectedIndex());
}

void Framewav::askAndAdd(int row) {
    if (isBusy() || isAdding())
        return;
    Dialogs::FileRequest request;
    request.mode = Dialogs::FileRequest::Mode::Open;
    request.title = QStringLiteral("Select a file to Convert");
    request.filter = QLatin1String(OpenFilter);
    request.fileName = QString();
    request.initialFolder =
        m_lastAddFolder.isEmpty() ? m_services.settings.baseFolder() : m_lastAddFolder;
    request.flags = OpenFlags;
    const std::optional<QStringList> chosen =
        m_services.context.dialogs.chooseFiles(&m_services.dialogParent, request);
    if (!chosen || chosen->isEmpty())
        return;
    addFiles(*chosen, row, chosen->size() > 1);
}

void Framewav::dropFiles(const QStringList& paths, int row) {
    addFiles(paths, row >= m_clips.count() ? -1 : row, true);
}

void Framewav::addFiles(const QStringList& paths, int row, bool gather) {
    if (paths.isEmpty())
        return;
    if (isBusy() || isAdding()) {
        m_services.context.dialogs.message(
            &m_services.dialogParent,
            QStringLiteral("Files are still being added to the list. Try again when they are in."),
            QLatin1String(appinfo::Title), Dialogs::Icon::Information);
        return;
    }
    m_batch = std::make_unique<Batch>();
    m_batch->paths = paths;
    m_batch->row = row;
    m_batch->gather = gather;
    addNextOfBatch();
}

// A WAV that is copied ends its add at once, a decode later: the loop goes on at once
// after the former and is started again by the completion of the latter.
void Framewav::addNextOfBatch() {
    if (!m_batch || m_batch->stepping)
        return;
    m_batch->stepping = true;
    while (m_batch && !m_batch->waiting) {
        if (m_batch->paths.isEmpty()) {
            const std::unique_ptr<Batch> batch = std::move(m_batch);
            // A box as tall as the screen helps nobody: the first lines and a count say it.
            constexpr qsizetype Shown = 20;
            QStringList lines = batch->failures.mid(0, Shown);
            if (batch->failures.size() > Shown)
                lines << QStringLiteral("... and %1 more.").arg(batch->failures.size() - Shown);
            if (!batch->failures.isEmpty())
                m_services.context.dialogs.message(
                    &m_services.dialogParent,
                    QStringLiteral("These files were not added to the list:\n\n") +
                        lines.join(u'\n'),
                    QLatin1String(appinfo::Title), Dialogs::Icon::Warning);
            return;
        }
        m_batch->waiting = true;
        addFile(
            m_batch->paths.takeFirst(),
            [this](const Result<QString>& added) {
                if (!m_batch)
                    return;
                m_batch->waiting = false;
                if (added && m_batch->row >= 0)
                    ++m_batch->row;
                if (!m_batch->stepping)
                    addNextOfBatch();
            },
            m_batch->row);
    }
    if (m_batch)
        m_batch->stepping = false;
}

void Framewav::addFile(const QString& path, Added done, int row) {
    if (isBusy()) {
        if (done)
            done(Status(ErrorCode::NotAvailable,
                        QStringLiteral("Another long operation is still running.")));
        return;
    }
    if (path.right(3).toLower() == QLatin1String("wav"))
        addWav(path, done, row);
    else
        decodeIntoClip(path, std::move(done), row);
}

// Only a canonical file may be copied as it is; anything else a WAV can hold (extra
// chunks, extensible format, 24/32-bit or float samples) goes through the decoder, so every
// clip file is canonical. A file that is not RIFF/WAVE at all is left to the decoder too,
// which either reads it or says it cannot.
void Framewav::addWav(const QString& path, const Added& done, int row) {
    const Result<WavInfo> info = readWavInfo(path);
    if (!info || !info->canonical) {
        decodeIntoClip(path, done, row);
        return;
    }
    const QString name = clipnames::uniqueClipName(clipnames::clipNameOf(path), clipNames());
    m_services.context.workFolder.clearForClip(name);
    if (Status copied = clipfiles::copyFile(path, m_services.context.workFolder.clipFile(name));
        !copied) {
        showFailure(path, copied);
        if (done)
            done(copied);
        return;
    }
    const int at = row < 0 ? m_clips.count() : row;
    m_clips.insert(at, name);
    m_history.added(at);
    m_lastAddFolder = QFileInfo(path).absolutePath();
    if (done)
        done(name);
}

void Framewav::decodeIntoClip(const QString& inputPath, Added done, int row) {
    const AppContext& context = m_services.context;
    if (isBusy() || m_worker.isRunning()) {
        if (done)
            done(Status(ErrorCode::NotAvailable,
                        QStringLiteral("Another long operation is still running.")));
        return;
    }
    if (Status started = context.engine.startForDecoding(); !started) {
        showEngineFailure(started);
        if (done)
            done(started);
        return;
    }
    m_decodeBusy = m_services.busy.enter(BusyGate::Window::Disable);
    const QString name = clipnames::uniqueClipName(clipnames::clipNameOf(inputPath), clipNames());
    context.workFolder.clearForClip(name);
    m_worker.start(
        inputPath, context.workFolder.clipFile(name),
        [this, inputPath, name, row, done = std::move(done)](const DecodeWorker::Outcome& outcome) {
            const AppContext& context = m_services.context;
            m_decodeBusy.reset();
            context.engine.releaseAll();
            Result<QString> result = name;
            if (outcome.failedStep == DecodeWorker::Outcome::Step::Load) {
                showLoadFailure(inputPath, outcome.status);
                result = outcome.status;
            } else if (outcome.failedStep == DecodeWorker::Outcome::Step::Decode) {
                if (!outcome.cancelled)
                    showFailure(inputPath, outcome.status);
                result = outcome.status;
            } else {
                const int at = row < 0 ? m_clips.count() : row;
                m_clips.insert(at, name);
                m_history.added(at);
                m_lastAddFolder = QFileInfo(inputPath).absolutePath();
            }
            emit decodeEnded();
            if (done)
                done(result);
        });
}

void Framewav::stopWork() {
    cancelDecode();
    m_effects->cancel();
    m_peakCache.clear();
}

// The effects and the history on the clip under the pointer; each item is enabled only
// while it can act.
void Framewav::showListMenu(const QPoint& at) {
    const int row = m_controls.List1->indexAt(at).row();
    if (row >= 0)
        m_controls.List1->setCurrentRow(row);
    const bool free = !isBusy() && !isAdding() && !m_effects->isRunning();
    using Effect = ClipEffects::Effect;
    QMenu menu(this);
    const auto item = [&](const QString& text, bool enabled, std::function<void()> act) {
        QAction* action = menu.addAction(text);
        action->setEnabled(enabled && free);
        connect(action, &QAction::triggered, this, std::move(act));
    };
    for (const auto& [text, effect] :
         {std::pair{"Fade In (F)", Effect::FadeIn},
          std::pair{"Fade Out (Shift+F)", Effect::FadeOut}, std::pair{"Gain (G)", Effect::Gain},
          std::pair{"Normalise (N)", Effect::Normalise}})
        item(QLatin1String(text), row >= 0, [this, row, effect = effect] {
            m_controls.chkNormaliseAll->setChecked(false);
            m_effects->apply(effect, row);
        });
    item(QStringLiteral("Normalise all"), m_clips.count() > 0, [this] {
        m_controls.chkNormaliseAll->setChecked(true);
        m_effects->apply(Effect::Normalise, 0);
    });
    menu.addSeparator();
    item(m_controls.CmdUndo->toolTip(), m_history.stack().canUndo(), [this] { CmdUndo_Click(); });
    item(m_controls.CmdRedo->toolTip(), m_history.stack().canRedo(), [this] { CmdRedo_Click(); });
    menu.exec(m_controls.List1->viewport()->mapToGlobal(at));
}

void Framewav::cancelDecode() {
    if (!isDecoding())
        return;
    m_worker.cancelAndWait();
    m_decodeBusy.reset();
    m_batch.reset();
    m_services.context.engine.releaseAll();
    emit decodeEnded();
}

void Framewav::showFailure(const QString& inputPath, const Status& failure) {
    if (m_batch && m_batch->gather) {
        m_batch->failures << failureLine(inputPath, failure);
        return;
    }
    m_services.context.dialogs.message(
        &m_services.dialogParent,
        QStringLiteral("%1 was not added to the list.\n\n%2").arg(inputPath, failure.message()),
        QLatin1String(appinfo::Title), Dialogs::Icon::Warning);
}

void Framewav::showLoadFailure(const QString& inputPath, const Status& failure) {
    if (m_batch && m_batch->gather) {
        m_batch->failures << failureLine(inputPath, failure);
        return;
    }
    ShowAudioError(m_services.context.dialogs, &m_services.dialogParent,
                   QStringLiteral("Can't play the file"), failure.codeNumber(),
                   failureLine(inputPath, failure));
}

void Framewav::showEngineFailure(const Status& failure) {
    if (m_batch && m_batch->gather) {
        m_batch->failures
            << QStringLiteral("Can't initialize device (error code: %1)").arg(failure.codeNumber());
        return;
    }
    ShowAudioError(m_services.context.dialogs, &m_services.dialogParent,
                   QStringLiteral("Can't initialize device"), failure.codeNumber());
}

void Framewav::CmdUP_Click() {
    const int row = selectedIndex();
    if (row > 0)
        moveClip(row, row - 1);
}

void Framewav::CmdDown_Click() {
    const int row = selectedIndex();
    if (row >= 0 && row + 1 < m_clips.count())
        moveClip(row, row + 1);
}

void Framewav::moveClip(int from, int to) {
    if (isBusy() || isAdding() || !m_clips.move(from, to))
        return;
    m_history.moved(from, to);
    m_controls.List1->setCurrentRow(to);
    updateMoveButtons();
}

void Framewav::CmdUndo_Click() {
    stepHistory(true);
}

void Framewav::CmdRedo_Click() {
    stepHistory(false);
}

// A step changes clips under the players and the editor: both let go first, as for a click
// on the list.
void Framewav::stepHistory(bool back) {
    QUndoStack& stack = m_history.stack();
    if (isBusy() || isAdding() || !(back ? stack.canUndo() : stack.canRedo()))
        return;
    List1_Click();
    back ? stack.undo() : stack.redo();
    updateMoveButtons();
}

void Framewav::showHistory() {
    const QUndoStack& stack = m_history.stack();
    const auto tip = [](const char* action, const QString& step, const char* key) {
        return step.isEmpty()
                   ? QStringLiteral("%1 (%2)").arg(QLatin1String(action), QLatin1String(key))
                   : QStringLiteral("%1 %2 (%3)")
                         .arg(QLatin1String(action), step, QLatin1String(key));
    };
    m_controls.CmdUndo->setEnabled(stack.canUndo());
    m_controls.CmdRedo->setEnabled(stack.canRedo());
    m_controls.CmdUndo->setToolTip(tip("Undo", stack.undoText(), "Ctrl+Z"));
    m_controls.CmdRedo->setToolTip(tip("Redo", stack.redoText(), "Ctrl+Shift+Z"));
}

void Framewav::updateMoveButtons() {
    const int row = selectedIndex();
    m_controls.CmdUP->setEnabled(row > 0);
    m_controls.CmdDown->setEnabled(row >= 0 && row + 1 < m_clips.count());
}

void Framewav::Cmdremove_Click() {
    if (isBusy())
        return;
    const AppContext& context = m_services.context;
    context.MMCEdit.command(QStringLiteral("Stop"));
    context.MMCPlayList.command(QStringLiteral("Stop"));
    context.MMCEdit.command(QStringLiteral("Close"));
    context.MMCPlayList.command(QStringLiteral("Close"));

    const int row = selectedIndex();
    if (row >= 0) {
        const QString name = m_clips.at(row).name;
        const Dialogs::Answer answer = context.dialogs.message(
            &m_services.dialogParent,
            QStringLiteral("Are you sure you want to delete %1 ?").arg(name),
            QStringLiteral("Deleting"), Dialogs::Icon::None, Dialogs::Buttons::YesNo);
        if (answer == Dialogs::Answer::Yes) {
            const QString file = clipFile(row);
            // The file goes into the history's keeping, so "Undo" can bring it back. A file
            // that is already gone (deleted behind the program's back) is no reason to keep
            // the entry.
            if (!m_history.remove(row)) {
                context.dialogs.message(
                    &m_services.dialogParent,
                    QStringLiteral("%1 was not removed: %2 cannot be deleted.").arg(name, file),
                    QLatin1String(appinfo::Title), Dialogs::Icon::Warning);
            } else {
                m_controls.List1->setCurrentRow(-1);
            }
        }
    }
    m_editor->disableEditor();
}

void Framewav::List1_Click() {
    const AppContext& context = m_services.context;
    context.MMCEdit.command(QStringLiteral("Stop"));
    context.MMCPlayList.command(QStringLiteral("Stop"));
    context.MMCEdit.command(QStringLiteral("close"));
    context.MMCPlayList.command(QStringLiteral("close"));
    m_editor->disableEditor();
    for (QPushButton* button : {m_controls.CmdFoward, m_controls.CmdPause, m_controls.CmdPlay,
                                m_controls.CmdStop, m_controls.CmdNext})
        button->setEnabled(true);
}
