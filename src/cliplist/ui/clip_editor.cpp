// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/clip_editor.h"

#include "audio/media_player.h"
#include "audio/wave_commands.h"
#include "cliplist/clip_crop.h"
#include "cliplist/edit_time.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/framewav.h"
#include "shell/app_info.h"
#include "shell/ui/app_context.h"
#include "shell/ui/dialogs.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>

namespace {

QString clock(std::int64_t ms) {
    return edittime::clockText(edittime::roundedSeconds(ms));
}

} // namespace

ClipEditor::ClipEditor(Framewav& page) : m_page(page) {
    controls().SliderEdit->installEventFilter(this);
}

const AppContext& ClipEditor::context() const {
    return m_page.services().context;
}

QWidget* ClipEditor::dialogParent() const {
    return &m_page.services().dialogParent;
}

const FramewavControls& ClipEditor::controls() const {
    return m_page.controls();
}

void ClipEditor::List1_DblClick() {
    if (m_page.isBusy())
        return;
    const int row = m_page.selectedIndex();
    if (row < 0)
        return;
    MediaPlayer& player = context().MMCEdit;
    context().MMCPlayList.command(QStringLiteral("Stop"));
    context().MMCPlayList.command(QStringLiteral("Close"));
    player.command(QStringLiteral("Stop"));

    const QString clip = m_page.clipFile(row);
    player.setFileName(clip);
    if (Status opened = player.command(QStringLiteral("open")); !opened) {
        player.command(QStringLiteral("Close"));
        disableEditor();
        context().dialogs.message(dialogParent(),
                                  QStringLiteral("%1 cannot be opened for editing.\n\n%2")
                                      .arg(m_page.clipNames().at(row), opened.message()),
                                  QLatin1String(appinfo::Title), Dialogs::Icon::Warning);
        return;
    }
    m_clipFile = clip;

    const std::int64_t lengthMs = player.lengthMs();
    controls().SliderEdit->setMinimum(0);
    controls().SliderEdit->setMaximum(edittime::roundedSeconds(lengthMs));
    controls().SliderEdit->setValue(0);
    m_editMode = QStringLiteral("Edit");
    m_markInMs = 0;
    m_markOutMs = lengthMs;
    controls().Lbltotal->setText(clock(lengthMs));
    controls().Lblout->setText(clock(lengthMs));
    controls().Lblin->setText(edittime::clockText(0));

    setEditorEnabled(true);
    for (QPushButton* button : {controls().CmdFoward, controls().CmdPause, controls().CmdPlay,
                                controls().CmdStop, controls().CmdNext})
        button->setEnabled(false);
}

void ClipEditor::CmdEditPlay_Click() {
    context().MMCEdit.command(QStringLiteral("play"));
}

void ClipEditor::CmdEditStop_Click() {
    context().MMCEdit.command(QStringLiteral("stop"));
}

void ClipEditor::SliderEdit_Click() {
    context().MMCEdit.setFrom(std::int64_t(controls().SliderEdit->value()) * 1000);
    context().MMCEdit.command(QStringLiteral("Play"));
}

void ClipEditor::MMCEdit_StatusUpdate() {
    const std::int64_t positionMs = context().MMCEdit.positionMs();
    controls().Lbltotal->setText(clock(positionMs));
    // Moving the handle under the user's mouse would take it away from where it is dragged.
    if (!controls().SliderEdit->isSliderDown())
        controls().SliderEdit->setValue(edittime::roundedSeconds(positionMs));
}

void ClipEditor::CmdMarkin_Click() {
    m_markInMs = context().MMCEdit.positionMs();
    controls().Lblin->setText(edittime::clockText(controls().SliderEdit->value()));
}

void ClipEditor::CmdMarkOut_Click() {
    m_markOutMs = context().MMCEdit.positionMs();
    controls().Lblout->setText(edittime::clockText(controls().SliderEdit->value()));
}

void ClipEditor::CmdEditDone_Click() {
    if (m_page.isBusy())
        return;
    if (Status marks = ClipCrop::checkMarks(m_markInMs, m_markOutMs); !marks) {
        context().dialogs.message(dialogParent(), marks.message(), QLatin1String(appinfo::Title),
                                  Dialogs::Icon::None);
        return;
    }
    MediaPlayer& player = context().MMCEdit;
    player.command(QStringLiteral("Stop"));
    const std::int64_t lengthMs = player.lengthMs();
    // The crop reads the clip file and renames the result over it; the player lets go first.
    player.command(QStringLiteral("Close"));

    WaveCommands commands;
    ClipCrop crop(context().workFolder, commands);
    const Status cropped = crop.crop(m_clipFile, m_markInMs, m_markOutMs, lengthMs);
    m_sent = crop.sentCommands();

    m_editMode = QStringLiteral("Play");
    disableEditor();
    m_page.clips().refresh(m_page.clipNames().indexOf(clipName()));
    if (!cropped)
        context().dialogs.message(
            dialogParent(),
            QStringLiteral("%1 was not cropped; its clip file is as it was.\n\n%2")
                .arg(clipName(), cropped.message()),
            QLatin1String(appinfo::Title), Dialogs::Icon::Warning);
}

void ClipEditor::disableEditor() {
    setEditorEnabled(false);
}

void ClipEditor::setEditorEnabled(bool enabled) {
    for (QWidget* control :
         {static_cast<QWidget*>(controls().SliderEdit),
          static_cast<QWidget*>(controls().CmdEditPlay),
          static_cast<QWidget*>(controls().CmdEditStop),
          static_cast<QWidget*>(controls().CmdMarkin), static_cast<QWidget*>(controls().CmdMarkOut),
          static_cast<QWidget*>(controls().CmdEditDone)})
        control->setEnabled(enabled);
}

QString ClipEditor::clipName() const {
    return QFileInfo(m_clipFile).completeBaseName();
}

// The release ends a click on the groove as well as a drag of the handle; the slider has
// its new value by the time the queued call runs.
bool ClipEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == controls().SliderEdit && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        QMetaObject::invokeMethod(this, &ClipEditor::SliderEdit_Click, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}
