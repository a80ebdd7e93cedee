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
#include "shell/ui/app_context.h"
#include "shell/ui/audio_error.h"
#include "shell/ui/busy_window.h"
#include "shell/ui/dialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

// The open dialog's flags: explorer style (524288), the file must exist (4096), no
// read-only box (4).
constexpr int OpenFlags = 528388;

} // namespace

Framewav::Framewav(PageServices services, QWidget* parent)
    : QGroupBox(parent), m_services(services), m_clips(services.context.workFolder),
      m_controls(FramewavControls::create(*this)) {
    setObjectName(QStringLiteral("Framewav"));
    setTitle(QStringLiteral("Audio Edit"));
    m_controls.List1->setModel(&m_clips);
    connect(m_controls.CmdAdd, &QPushButton::clicked, this, &Framewav::CmdAdd_Click);
    connect(m_controls.Cmdremove, &QPushButton::clicked, this, &Framewav::Cmdremove_Click);
    // On the press, as a list box reports it: the first click of a double click selects
    // before the double click acts.
    connect(m_controls.List1, &QAbstractItemView::pressed, this, &Framewav::List1_Click);
    connect(m_controls.List1, &ClipListBox::currentChangedByKey, this, &Framewav::List1_Click);
    connect(&m_worker, &DecodeWorker::progress, this,
            [this](int percent) { m_services.busy.busyWindow().setProgress(percent); });
    m_editor = std::make_unique<ClipEditor>(*this);
    m_playback = std::make_unique<ListPlayback>(*this, *m_editor);
    m_saving = std::make_unique<ListSaving>(*this);
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
}

void Framewav::SetLng() {
    const FramewavControls& c = m_controls;
    const std::pair<QWidget*, const char*> tooltips[] = {
        {c.CmdFoward, "Forward"}, {c.CmdPause, "Pause"},    {c.CmdPlay, "Play"},
        {c.CmdStop, "Stop"},      {c.CmdNext, "Next"},      {c.CmdAdd, "Add New"},
        {c.CmdEditPlay, "Play"},  {c.CmdEditStop, "Stop"},  {c.Cmdremove, "Remove Form List"},
        {c.CmdUP, "Move UP"},     {c.CmdDown, "Move Down"},
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
}

int Framewav::selectedIndex() const {
    return m_controls.List1->selectedRow();
}

void Framewav::showStatusCode(short code) {
    m_controls.Text1->setText(QString::number(code));
}

void Framewav::CmdAdd_Click() {
    if (isBusy())
        return;
    Dialogs::FileRequest request;
    request.mode = Dialogs::FileRequest::Mode::Open;
    request.title = QStringLiteral("Select a file to Convert");
    request.filter = QStringLiteral("Audio files (*.wav;*.mp3)|*.wav;*.mp3");
    request.fileName = QString();
    request.flags = OpenFlags;
    const std::optional<QString> chosen =
        m_services.context.dialogs.chooseFile(&m_services.dialogParent, request);
    if (!chosen)
        return;
    const QString extension = chosen->right(3).toLower();
    if (extension == QLatin1String("wav") || extension == QLatin1String("mp3"))
        addFile(*chosen);
}

void Framewav::addFile(const QString& path, Added done) {
    if (isBusy())
        return;
    if (path.right(3).toLower() == QLatin1String("wav"))
        addWav(path, done);
    else
        decodeIntoClip(path, std::move(done));
}

// Only a canonical file may be copied as it is; anything else a WAV can hold (extra
// chunks, extensible format, 24/32-bit or float samples) goes through the decoder, so every
// clip file is canonical. A file that is not RIFF/WAVE at all is left to the decoder too,
// which either reads it or says it cannot.
void Framewav::addWav(const QString& path, const Added& done) {
    const Result<WavInfo> info = readWavInfo(path);
    if (!info || !info->canonical) {
        decodeIntoClip(path, done);
        return;
    }
    const QString name = clipnames::uniqueClipName(clipnames::clipNameOf(path), clipNames());
    if (Status copied = clipfiles::copyFile(path, m_services.context.workFolder.clipFile(name));
        !copied) {
        showFailure(path, copied);
        if (done)
            done(copied);
        return;
    }
    m_clips.append(name);
    if (done)
        done(name);
}

void Framewav::decodeIntoClip(const QString& inputPath, Added done) {
    const AppContext& context = m_services.context;
    if (isBusy() || m_worker.isRunning()) {
        if (done)
            done(Status(ErrorCode::NotAvailable,
                        QStringLiteral("Another long operation is still running.")));
        return;
    }
    if (Status started = context.engine.startForDecoding(); !started) {
        ShowAudioError(context.dialogs, &m_services.dialogParent,
                       QStringLiteral("Can't initialize device"), started.codeNumber());
        if (done)
            done(started);
        return;
    }
    m_decodeBusy = m_services.busy.enter(BusyGate::Window::Disable);
    const QString name = clipnames::uniqueClipName(clipnames::clipNameOf(inputPath), clipNames());
    m_worker.start(
        inputPath, context.workFolder.clipFile(name),
        [this, inputPath, name, done = std::move(done)](const DecodeWorker::Outcome& outcome) {
            const AppContext& context = m_services.context;
            m_decodeBusy.reset();
            context.engine.releaseAll();
            Result<QString> result = name;
            if (outcome.failedStep == DecodeWorker::Outcome::Step::Load) {
                ShowAudioError(context.dialogs, &m_services.dialogParent,
                               QStringLiteral("Can't play the file"), outcome.status.codeNumber());
                result = outcome.status;
            } else if (outcome.failedStep == DecodeWorker::Outcome::Step::Decode) {
                if (!outcome.cancelled)
                    showFailure(inputPath, outcome.status);
                result = outcome.status;
            } else {
                m_clips.append(name);
            }
            emit decodeEnded();
            if (done)
                done(result);
        });
}

void Framewav::cancelDecode() {
    if (!isDecoding())
        return;
    m_worker.cancelAndWait();
    m_decodeBusy.reset();
    m_services.context.engine.releaseAll();
    emit decodeEnded();
}

void Framewav::showFailure(const QString& inputPath, const Status& failure) {
    m_services.context.dialogs.message(
        &m_services.dialogParent,
        QStringLiteral("%1 was not added to the list.\n\n%2").arg(inputPath, failure.message()),
        QLatin1String(appinfo::Title), Dialogs::Icon::Warning);
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
            // A file that is already gone (deleted behind the program's back) is no reason
            // to keep the entry.
            if (!QFile::remove(file) && QFileInfo::exists(file)) {
                context.dialogs.message(
                    &m_services.dialogParent,
                    QStringLiteral("%1 was not removed: %2 cannot be deleted.").arg(name, file),
                    QLatin1String(appinfo::Title), Dialogs::Icon::Warning);
            } else {
                m_clips.remove(row);
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
