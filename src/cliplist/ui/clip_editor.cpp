// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/clip_editor.h"

#include "audio/media_player.h"
#include "base/app_info.h"
#include "cliplist/clip_crop.h"
#include "cliplist/edit_time.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/framewav.h"
#include "pagekit/app_context.h"
#include "pagekit/dialogs.h"
#include "wav/wave_commands.h"
#include "waveform/peak_cache.h"
#include "waveform/ui/waveform_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>

#include <utility>

namespace {

QString clock(std::int64_t ms) {
    return edittime::clockText(edittime::roundedSeconds(ms));
}

} // namespace

ClipEditor::ClipEditor(Framewav& page) : m_page(page), m_playhead(this) {
    const FramewavControls& c = controls();
    c.SliderEdit->installEventFilter(this);
    connect(c.Waveform, &WaveformView::markInDragged, this, &ClipEditor::setMarkIn);
    connect(c.Waveform, &WaveformView::markOutDragged, this, &ClipEditor::setMarkOut);
    connect(c.Waveform, &WaveformView::playheadClicked, this, &ClipEditor::movePlayhead);
    for (QLineEdit* box : {c.txtMarkIn, c.txtKept, c.txtMarkOut})
        connect(box, &QLineEdit::editingFinished, this, [this, box] { typed(box); });
    connect(c.CmdPlaySel, &QPushButton::clicked, this, &ClipEditor::CmdPlaySel_Click);
    connect(&m_page.peakCache(), &PeakCache::progressed, this, &ClipEditor::showPeaks);
    m_playhead.setInterval(PlayheadMs);
    connect(&m_playhead, &QTimer::timeout, this, &ClipEditor::followPlayer);
    connect(&context().MMCEdit, &MediaPlayer::stateChanged, this, [this](MediaPlayer::State state) {
        if (state == MediaPlayer::State::Playing)
            m_playhead.start();
        followPlayer();
    });

    addKey(QKeySequence(Qt::Key_Space), [this] { playOrStop(); });
    addKey(QKeySequence(Qt::Key_I), [this] { CmdMarkin_Click(); });
    addKey(QKeySequence(Qt::Key_O), [this] { CmdMarkOut_Click(); });
    addKey(QKeySequence(Qt::Key_P), [this] { CmdPlaySel_Click(); });
    addKey(QKeySequence(Qt::Key_Return), [this] { CmdEditDone_Click(); });
    addKey(QKeySequence(Qt::Key_Enter), [this] { CmdEditDone_Click(); });
    addKey(QKeySequence(Qt::Key_Home), [this] { movePlayhead(0); });
    addKey(QKeySequence(Qt::Key_End), [this] { movePlayhead(context().MMCEdit.lengthMs()); });
}

ClipEditor::~ClipEditor() = default;

// The editor's keys act anywhere in the window while the "Audio Edit" page shows and a clip
// is open; a box being typed in keeps its own keys (a digit, Enter to take the time).
void ClipEditor::addKey(const QKeySequence& key, const std::function<void()>& action) {
    auto* shortcut = new QShortcut(key, controls().Frame3, [action] {
        if (qobject_cast<QLineEdit*>(QApplication::focusWidget()))
            return;
        action();
    });
    shortcut->setEnabled(controls().CmdEditDone->isEnabled() &&
                         m_editMode == QLatin1String("Edit"));
    m_keys << shortcut;
}

int ClipEditor::openRow() const {
    if (m_editMode != QLatin1String("Edit") || !controls().CmdEditDone->isEnabled())
        return -1;
    return m_page.clipNames().indexOf(clipName());
}

void ClipEditor::letGo() {
    m_letGo = openRow() >= 0 ? m_clipFile : QString();
    if (m_letGo.isEmpty())
        return;
    m_selectionEndMs = -1;
    context().MMCEdit.command(QStringLiteral("Stop"));
    context().MMCEdit.command(QStringLiteral("Close"));
}

void ClipEditor::takeBack() {
    const QString clip = std::exchange(m_letGo, QString());
    if (clip.isEmpty())
        return;
    MediaPlayer& player = context().MMCEdit;
    player.setFileName(clip);
    if (!player.command(QStringLiteral("open"))) {
        disableEditor();
        return;
    }
    const std::int64_t lengthMs = player.lengthMs();
    m_markInMs = std::min(m_markInMs, lengthMs);
    m_markOutMs = std::min(m_markOutMs, lengthMs);
    controls().SliderEdit->setMaximum(edittime::roundedSeconds(lengthMs));
    showWaveform(clip, lengthMs);
    showMarks();
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
    m_selectionEndMs = -1;
    showWaveform(clip, lengthMs);
    showMarks();

    setEditorEnabled(true);
    for (QPushButton* button : {controls().CmdFoward, controls().CmdPause, controls().CmdPlay,
                                controls().CmdStop, controls().CmdNext})
        button->setEnabled(false);
}

void ClipEditor::CmdEditPlay_Click() {
    m_selectionEndMs = -1;
    context().MMCEdit.command(QStringLiteral("play"));
}

void ClipEditor::CmdEditStop_Click() {
    m_selectionEndMs = -1;
    context().MMCEdit.command(QStringLiteral("stop"));
}

void ClipEditor::playOrStop() {
    if (context().MMCEdit.state() == MediaPlayer::State::Playing)
        CmdEditStop_Click();
    else
        CmdEditPlay_Click();
}

void ClipEditor::CmdPlaySel_Click() {
    if (m_markOutMs <= m_markInMs)
        return;
    MediaPlayer& player = context().MMCEdit;
    player.setFrom(m_markInMs);
    if (player.command(QStringLiteral("play")))
        m_selectionEndMs = m_markOutMs;
}

void ClipEditor::movePlayhead(std::int64_t ms) {
    MediaPlayer& player = context().MMCEdit;
    m_selectionEndMs = -1;
    if (!player.seek(ms))
        return;
    // The slider and the labels that read it follow the playhead, as they follow a play.
    controls().Waveform->setPlayhead(player.positionMs());
    if (!controls().SliderEdit->isSliderDown())
        controls().SliderEdit->setValue(edittime::roundedSeconds(player.positionMs()));
}

void ClipEditor::followPlayer() {
    const MediaPlayer& player = context().MMCEdit;
    const std::int64_t at = player.positionMs();
    controls().Waveform->setPlayhead(at);
    if (player.state() != MediaPlayer::State::Playing) {
        m_playhead.stop();
        m_selectionEndMs = -1;
        return;
    }
    if (m_selectionEndMs < 0)
        return;
    const std::int64_t left = m_selectionEndMs - at;
    if (left <= 0) {
        CmdEditStop_Click();
        return;
    }
    // The stop comes on time, not up to a tick late.
    if (left < PlayheadMs)
        QTimer::singleShot(int(left), this, [this] {
            if (m_selectionEndMs >= 0 && context().MMCEdit.positionMs() + 2 >= m_selectionEndMs)
                CmdEditStop_Click();
        });
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
    showMarks();
}

void ClipEditor::CmdMarkOut_Click() {
    m_markOutMs = context().MMCEdit.positionMs();
    controls().Lblout->setText(edittime::clockText(controls().SliderEdit->value()));
    showMarks();
}

void ClipEditor::setMarkIn(std::int64_t ms) {
    m_markInMs = ms;
    controls().Lblin->setText(clock(ms));
    showMarks();
}

void ClipEditor::setMarkOut(std::int64_t ms) {
    m_markOutMs = ms;
    controls().Lblout->setText(clock(ms));
    showMarks();
}

void ClipEditor::showMarks() {
    controls().Waveform->setMarks(m_markInMs, m_markOutMs);
    controls().txtMarkIn->setText(edittime::millisText(m_markInMs));
    controls().txtMarkOut->setText(edittime::millisText(m_markOutMs));
    controls().txtKept->setText(edittime::millisText(m_markOutMs - m_markInMs));
}

// A typed time within the clip sets its mark; the kept length moves mark-out.
void ClipEditor::typed(QLineEdit* box) {
    const std::optional<std::int64_t> ms = edittime::parseMillis(box->text());
    const std::int64_t length = context().MMCEdit.lengthMs();
    if (!ms || *ms > length || !box->isEnabled()) {
        showMarks();
        return;
    }
    if (box == controls().txtMarkIn)
        setMarkIn(*ms);
    else if (box == controls().txtMarkOut)
        setMarkOut(*ms);
    else
        setMarkOut(std::min(length, m_markInMs + *ms));
}

// A clip that cannot be read for peaks shows an empty view with a note; the editor still
// works.
void ClipEditor::showWaveform(const QString& clip, std::int64_t lengthMs) {
    const std::shared_ptr<const Peaks> peaks = m_page.peakCache().peaksFor(clip);
    controls().Waveform->setClip(
        peaks, lengthMs,
        peaks ? QString()
              : QStringLiteral("No waveform: %1").arg(m_page.peakCache().failure(clip)));
}

void ClipEditor::showPeaks(const QString& clipPath) {
    if (clipPath == m_clipFile)
        controls().Waveform->update();
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
    crop.setEdgeFadeMs(controls().chkSmooth->isChecked() ? SmoothCutMs : 0);
    const auto cut = [&] { return crop.crop(m_clipFile, m_markInMs, m_markOutMs, lengthMs); };
    const int row = m_page.clipNames().indexOf(clipName());
    // A step of the history, so "Undo" gives the clip back as it was.
    const Status cropped =
        row >= 0 ? m_page.history().replace(row, QStringLiteral("Crop of %1").arg(clipName()), cut)
                 : cut();
    m_sent = crop.sentCommands();

    m_editMode = QStringLiteral("Play");
    disableEditor();
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
    const FramewavControls& c = controls();
    for (QWidget* control : std::initializer_list<QWidget*>{
             c.SliderEdit,  c.CmdEditPlay, c.CmdEditStop,  c.CmdMarkin,   c.CmdMarkOut,
             c.CmdEditDone, c.Waveform,    c.txtMarkIn,    c.txtKept,     c.txtMarkOut,
             c.CmdPlaySel,  c.chkSmooth,   c.CmdFadeIn,    c.CmdFadeOut,  c.txtFade,
             c.CmdGain,     c.txtGain,     c.CmdNormalise, c.cboLoudness, c.chkNormaliseAll})
        control->setEnabled(enabled);
    for (QShortcut* key : m_keys)
        key->setEnabled(enabled);
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
