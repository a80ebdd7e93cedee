// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/editor_panel.h"

#include "analysis/analysis_cache.h"
#include "audio/media_player.h"
#include "base/app_info.h"
#include "cliplist/clip_crop.h"
#include "cliplist/clip_list.h"
#include "cliplist/edit_history.h"
#include "cliplist/edit_session.h"
#include "cliplist/edit_time.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/effects_row.h"
#include "cliplist/ui/song_guide.h"
#include "cliplist/voice_cleanup.h"
#include "pagekit/app_context.h"
#include "pagekit/audio_error.h"
#include "pagekit/busy_gate.h"
#include "pagekit/controls.h"
#include "pagekit/dialogs.h"
#include "waveform/peak_cache.h"
#include "waveform/spectrogram.h"
#include "waveform/spectrogram_cache.h"
#include "waveform/ui/waveform_view.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>

using controls::place;

namespace {

QString clock(std::int64_t ms) {
    return edittime::clockText(edittime::roundedSeconds(ms));
}

QLabel* timeLabel(QWidget* parent, const char* name, QRect at, Qt::Alignment alignment) {
    auto* label = place(new QLabel(QStringLiteral("00:00:00"), parent), name, at);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

// A time to the millisecond (m:ss.mmm) that can be typed.
QLineEdit* timeEdit(QWidget* parent, const char* name, QRect at, Qt::Alignment alignment) {
    auto* edit = place(new QLineEdit(parent), name, at);
    edit->setAlignment(alignment | Qt::AlignVCenter);
    edit->setText(QStringLiteral("0:00.000"));
    return edit;
}

} // namespace

EditorPanel::EditorPanel(ClipList& clips, EditHistory& history, EditSession& session,
                         PeakCache& peaks, const QItemSelectionModel& selection,
                         PageServices services, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("EditorPanel", "Edit Song"), parent), m_clips(clips),
      m_history(history), m_session(session), m_peaks(peaks), m_selection(selection),
      m_services(services), m_spectrograms(std::make_unique<SpectrogramCache>()) {
    setObjectName(QStringLiteral("Frame3"));
    m_waveform = place(new WaveformView(this), "Waveform", {12, 18, 321, 52});
    m_sliderEdit = place(new QSlider(Qt::Horizontal, this), "SliderEdit", {12, 72, 321, 18});
    m_lblin = timeLabel(this, "Lblin", {12, 90, 80, 16}, Qt::AlignLeft);
    m_lbltotal = timeLabel(this, "Lbltotal", {132, 90, 80, 16}, Qt::AlignHCenter);
    m_lblout = timeLabel(this, "Lblout", {253, 90, 80, 16}, Qt::AlignRight);
    m_txtMarkIn = timeEdit(this, "txtMarkIn", {12, 107, 76, 21}, Qt::AlignLeft);
    m_txtKept = timeEdit(this, "txtKept", {132, 107, 80, 21}, Qt::AlignHCenter);
    m_txtMarkOut = timeEdit(this, "txtMarkOut", {257, 107, 76, 21}, Qt::AlignRight);
    m_cmdEditPlay = controls::pictureButton(this, "CmdEditPlay", {12, 131, 41, 36});
    m_cmdEditStop = controls::pictureButton(this, "CmdEditStop", {56, 131, 41, 36});
    m_cmdPlaySel = controls::pictureButton(this, "CmdPlaySel", {100, 131, 41, 36});
    m_cmdMarkin = controls::button(this, "CmdMarkin", QT_TRANSLATE_NOOP("Controls", "Mark In"),
                                   {146, 131, 60, 25});
    m_cmdMarkOut = controls::button(this, "CmdMarkOut", QT_TRANSLATE_NOOP("Controls", "Mark Out"),
                                    {208, 131, 62, 25});
    m_cmdEditDone = controls::button(this, "CmdEditDone", QT_TRANSLATE_NOOP("Controls", "Done"),
                                     {272, 131, 61, 25});
    m_chkSmooth =
        place(new QCheckBox(QCoreApplication::translate("EditorPanel", "Smooth cuts"), this),
              "chkSmooth", {146, 157, 100, 17});
    m_chkSmooth->setChecked(true);
    m_effects = new EffectsRow(clips, history, session, services, this);
    m_effects->move(0, 178);
    QList<controls::Check> steps;
    for (const cleanup::StepKey& step : cleanup::StepKeys)
        steps.append({step.key, step.text, true});
    m_cmdCleanUp =
        controls::buttonWithChecks(this, "CmdCleanUp", QT_TRANSLATE_NOOP("Controls", "Clean Up"),
                                   {248, 157, 85, 20}, services.choices, steps);
    m_cmdCleanUp->setToolTip(
        QCoreApplication::translate("EditorPanel", "Trim, denoise and level a voice (C)"));
    connect(m_cmdCleanUp, &QToolButton::clicked, m_effects, &EffectsRow::CmdCleanUp_Click);
    // The song's help sits on the frame's top line, at its right end, where the frame has
    // room at any size.
    m_guide = new SongGuide(session, services.choices, this);
    m_guide->setLengthAsker([this](double current) -> std::optional<double> {
        Dialogs& dialogs = m_services.context.dialogs;
        const std::optional<QString> typed =
            dialogs.inputText(&m_services.dialogParent,
                              QCoreApplication::translate("EditorPanel", "Suggestions last"),
                              QCoreApplication::translate("EditorPanel", "Seconds, from %1 to %2:")
                                  .arg(analysis::MinSuggestionLength)
                                  .arg(analysis::MaxSuggestionLength),
                              QString::number(current));
        if (!typed)
            return std::nullopt;
        bool ok = false;
        const double seconds = typed->trimmed().toDouble(&ok);
        if (!ok || !(seconds >= analysis::MinSuggestionLength) ||
            !(seconds <= analysis::MaxSuggestionLength)) {
            warn(dialogs, &m_services.dialogParent,
                 QCoreApplication::translate("EditorPanel",
                                             "A suggestion lasts from %1 to %2 seconds.")
                     .arg(analysis::MinSuggestionLength)
                     .arg(analysis::MaxSuggestionLength));
            return std::nullopt;
        }
        return seconds;
    });
    m_cmdSuggest = controls::button(this, "CmdSuggest", QT_TRANSLATE_NOOP("Controls", "Suggest"),
                                    {219, 0, 60, 17});
    m_cmdSuggest->setToolTip(QCoreApplication::translate(
        "EditorPanel", "Put the marks on the best part of the song (S)"));
    m_cmdSnap = place(new QToolButton(this), "CmdSnap", {281, 0, 52, 17});
    m_cmdSnap->setText(QCoreApplication::translate("EditorPanel", "Snap"));
    m_cmdSnap->setToolTip(QCoreApplication::translate(
        "EditorPanel", "Where the marks land, the tempo and the suggestions' length"));
    m_guide->buildMenu(*m_cmdSnap);
    connect(m_cmdSuggest, &QPushButton::clicked, m_guide, &SongGuide::suggest);
    // The read that makes a clip's peaks makes its spectrogram and its analysis too, so a clip
    // that changed is read once for all three; the guide then finds its analysis kept.
    m_peaks.setCompanions([](const ClipRange& clip, const ClipStamp& stamp) {
        std::vector<std::unique_ptr<FrameAnalyzer>> others;
        if (auto picture = spectrogram::sideProduct(clip, stamp))
            others.push_back(std::move(picture));
        if (auto music = analysis::sideProduct(clip, stamp))
            others.push_back(std::move(music));
        return others;
    });
    connect(&m_peaks, &PeakCache::finished, m_guide, &SongGuide::prepare);
    connect(m_guide, &SongGuide::musicChanged, this, &EditorPanel::showMusic);
    connect(m_guide, &SongGuide::suggested, this, [this](int index, const QString& reason) {
        QToolTip::showText(m_cmdSuggest->mapToGlobal(QPoint(0, m_cmdSuggest->height())),
                           QCoreApplication::translate("EditorPanel", "%1 of %2: %3")
                               .arg(index + 1)
                               .arg(m_guide->suggestions().size())
                               .arg(reason),
                           m_cmdSuggest);
    });
    // The waveform takes the room of a larger frame; the controls under it keep to the
    // frame's bottom, the times to their sides.
    using controls::keepEdges;
    keepEdges(m_waveform, Qt::LeftEdge | Qt::RightEdge | Qt::TopEdge | Qt::BottomEdge);
    keepEdges(m_sliderEdit, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    for (QWidget* left : std::initializer_list<QWidget*>{
             m_lblin, m_txtMarkIn, m_cmdEditPlay, m_cmdEditStop, m_cmdPlaySel, m_cmdMarkin,
             m_cmdMarkOut, m_cmdEditDone, m_chkSmooth, m_cmdCleanUp, m_effects})
        keepEdges(left, Qt::LeftEdge | Qt::BottomEdge);
    keepEdges(m_cmdSuggest, Qt::RightEdge | Qt::TopEdge);
    keepEdges(m_cmdSnap, Qt::RightEdge | Qt::TopEdge);
    keepEdges(m_lbltotal, Qt::BottomEdge);
    keepEdges(m_txtKept, Qt::BottomEdge);
    keepEdges(m_lblout, Qt::RightEdge | Qt::BottomEdge);
    keepEdges(m_txtMarkOut, Qt::RightEdge | Qt::BottomEdge);
    controls::describe(
        m_waveform, QT_TRANSLATE_NOOP("Controls", "Waveform"),
        QT_TRANSLATE_NOOP("Controls",
                          "The open clip with its marks and playhead; click to move the playhead"));
    controls::describe(m_sliderEdit, QT_TRANSLATE_NOOP("Controls", "Playhead"),
                       QT_TRANSLATE_NOOP("Controls", "Where the clip plays from, in seconds"));
    controls::describe(m_txtMarkIn, QT_TRANSLATE_NOOP("Controls", "Mark-in time"),
                       QT_TRANSLATE_NOOP("Controls", "Where the kept stretch starts, m:ss.mmm"));
    controls::describe(m_txtKept, QT_TRANSLATE_NOOP("Controls", "Kept length"),
                       QT_TRANSLATE_NOOP("Controls", "The length of the kept stretch, m:ss.mmm"));
    controls::describe(m_txtMarkOut, QT_TRANSLATE_NOOP("Controls", "Mark-out time"),
                       QT_TRANSLATE_NOOP("Controls", "Where the kept stretch ends, m:ss.mmm"));

    m_sliderEdit->installEventFilter(this);
    connect(m_cmdEditPlay, &QPushButton::clicked, this, &EditorPanel::CmdEditPlay_Click);
    connect(m_cmdEditStop, &QPushButton::clicked, this, &EditorPanel::CmdEditStop_Click);
    connect(m_cmdMarkin, &QPushButton::clicked, this, &EditorPanel::CmdMarkin_Click);
    connect(m_cmdMarkOut, &QPushButton::clicked, this, &EditorPanel::CmdMarkOut_Click);
    connect(m_cmdEditDone, &QPushButton::clicked, this, &EditorPanel::CmdEditDone_Click);
    connect(m_cmdPlaySel, &QPushButton::clicked, this, &EditorPanel::CmdPlaySel_Click);
    connect(m_waveform, &WaveformView::markInDragged, &m_session, &EditSession::setMarkIn);
    connect(m_waveform, &WaveformView::markOutDragged, &m_session, &EditSession::setMarkOut);
    connect(m_waveform, &WaveformView::playheadClicked, this, &EditorPanel::movePlayhead);
    for (QLineEdit* box : {m_txtMarkIn, m_txtKept, m_txtMarkOut})
        connect(box, &QLineEdit::editingFinished, this, [this, box] { typed(box); });
    connect(&m_peaks, &PeakCache::progressed, this, &EditorPanel::showPeaks);
    connect(m_waveform, &WaveformView::displayChanged, this, &EditorPanel::showSpectrogram);
    connect(m_spectrograms.get(), &SpectrogramCache::ready, this, &EditorPanel::showSpectrogram);
    connect(&m_services.context.MMCEdit, &MediaPlayer::statusUpdate, this,
            &EditorPanel::MMCEdit_StatusUpdate);
    connect(&m_session, &EditSession::opened, this, &EditorPanel::showOpened);
    connect(&m_session, &EditSession::reopened, this, [this] {
        m_sliderEdit->setMaximum(edittime::roundedSeconds(m_session.lengthMs()));
        showWaveform();
    });
    connect(&m_session, &EditSession::marksChanged, this, &EditorPanel::showMarks);
    // The view never shows a clip that is not open: after Done, an undo or a click on the
    // list it is empty until the next double click.
    connect(&m_session, &EditSession::closed, this, [this] {
        setEditorEnabled(false);
        m_waveform->clear(
            QCoreApplication::translate("EditorPanel", "Double click a clip to edit it"));
    });
    connect(&m_session, &EditSession::playheadMoved, m_waveform, &WaveformView::setPlayhead);

    addKey(QKeySequence(Qt::Key_Space), [this] { m_session.playOrStop(); });
    addKey(QKeySequence(Qt::Key_I), [this] { CmdMarkin_Click(); });
    addKey(QKeySequence(Qt::Key_O), [this] { CmdMarkOut_Click(); });
    addKey(QKeySequence(Qt::Key_P), [this] { CmdPlaySel_Click(); });
    addKey(QKeySequence(Qt::Key_S), [this] { m_guide->suggest(); });
    // "Done" has Return and keypad Enter only where the focused control has no use for them
    // (eventFilter); a time box takes its time on them through editingFinished.
    addKey(QKeySequence(Qt::Key_Return), [this] { CmdEditDone_Click(); });
    addKey(QKeySequence(Qt::Key_Enter), [this] { CmdEditDone_Click(); });
    qApp->installEventFilter(this);
    addKey(QKeySequence(Qt::Key_Home), [this] { movePlayhead(0); });
    addKey(QKeySequence(Qt::Key_End), [this] { movePlayhead(m_session.lengthMs()); });
    // Ctrl+= too: on most keyboards Plus needs Shift, and the zoom key should not.
    for (const QKeySequence& key :
         {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        addKey(key, [this] { m_waveform->zoomIn(); });
    addKey(QKeySequence(QKeySequence::ZoomOut), [this] { m_waveform->zoomOut(); });
    addKey(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { m_waveform->fit(); });
    addKey(QKeySequence(Qt::CTRL | Qt::Key_E), [this] { m_waveform->zoomToSelection(); });
    addKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up), [this] { m_waveform->taller(); });
    addKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down), [this] { m_waveform->shorter(); });
    setEditorEnabled(false);
}

EditorPanel::~EditorPanel() = default;

// The editor's keys act anywhere in the window while the "Audio Edit" page shows and a clip
// is open; a box being typed in keeps its own keys (a digit, Enter to take the time).
void EditorPanel::addKey(const QKeySequence& key, const std::function<void()>& action) {
    auto* shortcut = new QShortcut(key, this, [action] {
        if (qobject_cast<QLineEdit*>(QApplication::focusWidget()))
            return;
        action();
    });
    shortcut->setEnabled(m_session.isOpen());
    m_keys << shortcut;
}

void EditorPanel::SetLng() {
    m_cmdEditPlay->setToolTip(QCoreApplication::translate("EditorPanel", "Play"));
    m_cmdEditStop->setToolTip(QCoreApplication::translate("EditorPanel", "Stop"));
    m_cmdPlaySel->setToolTip(QCoreApplication::translate("EditorPanel", "Play Selection"));
    // Each time shown says what it is; the labels keep their texts.
    m_lblin->setToolTip(QCoreApplication::translate("EditorPanel", "Mark-in (h:mm:ss)"));
    m_lbltotal->setToolTip(QCoreApplication::translate(
        "EditorPanel", "Playhead (h:mm:ss); the clip's length until it plays"));
    m_lblout->setToolTip(QCoreApplication::translate("EditorPanel", "Mark-out (h:mm:ss)"));
    m_txtMarkIn->setToolTip(
        QCoreApplication::translate("EditorPanel", "Mark-in (m:ss.mmm): type a time to set it"));
    m_txtKept->setToolTip(QCoreApplication::translate(
        "EditorPanel", "Kept length, mark-in to mark-out (m:ss.mmm): type one to move mark-out"));
    m_txtMarkOut->setToolTip(
        QCoreApplication::translate("EditorPanel", "Mark-out (m:ss.mmm): type a time to set it"));
    m_effects->SetLng();
}

void EditorPanel::nameKeys() {
    const std::pair<QPushButton*, const char*> keys[] = {
        {m_cmdEditPlay, "Space"}, {m_cmdEditStop, "Space"}, {m_cmdPlaySel, "P"},
        {m_cmdMarkin, "I"},       {m_cmdMarkOut, "O"},      {m_cmdEditDone, "Enter"},
    };
    for (const auto& [button, key] : keys) {
        const QString text = button->toolTip().isEmpty() ? button->text() : button->toolTip();
        button->setToolTip(QStringLiteral("%1 (%2)").arg(text, QLatin1String(key)));
    }
    m_effects->nameKeys();
}

// The suggestions as numbered bands, the bars and beats as a light grid.
void EditorPanel::showMusic() {
    QList<WaveformBand> bands;
    const auto& suggestions = m_guide->suggestions();
    for (std::size_t i = 0; i < suggestions.size(); ++i)
        bands.append({std::llround(suggestions[i].start * 1000),
                      std::llround(suggestions[i].end * 1000), QString::number(i + 1), int(i)});
    m_waveform->setBands(bands);
    const analysis::Grid grid = m_guide->grid();
    const auto ms = [](const std::vector<double>& seconds) {
        std::vector<std::int64_t> out;
        out.reserve(seconds.size());
        for (double s : seconds)
            out.push_back(std::llround(s * 1000));
        return out;
    };
    m_waveform->setGrid(ms(grid.beats), ms(grid.bars));
}

void EditorPanel::cancel() {
    m_spectrograms->clear();
    m_effects->cancel();
    m_guide->clear();
}

int EditorPanel::openRow() const {
    return m_session.isOpen() ? m_clips.rowOfFile(m_session.clipFile()) : -1;
}

void EditorPanel::List1_DblClick() {
    if (m_services.busy.isBusy())
        return;
    const int row = selectedRow(m_selection);
    if (row < 0)
        return;
    const AppContext& context = m_services.context;
    context.MMCPlayList.command(QStringLiteral("Stop"));
    context.MMCPlayList.command(QStringLiteral("Close"));
    Status opened = m_clips.unchanged(row);
    if (opened)
        opened = m_session.open(m_clips.range(row));
    if (!opened) {
        warn(context.dialogs, &m_services.dialogParent,
             QCoreApplication::translate("EditorPanel", "%1 cannot be opened for editing.\n\n%2")
                 .arg(m_clips.at(row).name, opened.message()));
        return;
    }
    emit clipOpened();
}

void EditorPanel::showOpened() {
    const std::int64_t lengthMs = m_session.lengthMs();
    m_sliderEdit->setMinimum(0);
    m_sliderEdit->setMaximum(edittime::roundedSeconds(lengthMs));
    m_sliderEdit->setValue(0);
    m_lbltotal->setText(clock(lengthMs));
    m_lblout->setText(clock(lengthMs));
    m_lblin->setText(edittime::clockText(0));
    m_shownIn = 0;
    m_shownOut = lengthMs;
    showWaveform();
    setEditorEnabled(true);
}

void EditorPanel::movePlayhead(std::int64_t ms) {
    m_session.seek(ms);
    if (!m_sliderEdit->isSliderDown())
        m_sliderEdit->setValue(edittime::roundedSeconds(m_session.playheadMs()));
}

void EditorPanel::CmdEditPlay_Click() {
    m_session.play();
}

void EditorPanel::CmdEditStop_Click() {
    m_session.stop();
}

void EditorPanel::CmdPlaySel_Click() {
    m_session.playSelection();
}

void EditorPanel::SliderEdit_Click() {
    m_services.context.MMCEdit.setFrom(std::int64_t(m_sliderEdit->value()) * 1000);
    m_services.context.MMCEdit.command(QStringLiteral("Play"));
}

void EditorPanel::MMCEdit_StatusUpdate() {
    const std::int64_t positionMs = m_services.context.MMCEdit.positionMs();
    m_lbltotal->setText(clock(positionMs));
    // Moving the handle under the user's mouse would take it away from where it is dragged.
    if (!m_sliderEdit->isSliderDown())
        m_sliderEdit->setValue(edittime::roundedSeconds(positionMs));
}

void EditorPanel::CmdMarkin_Click() {
    m_session.markInAtPlayhead();
    m_lblin->setText(edittime::clockText(m_sliderEdit->value()));
}

void EditorPanel::CmdMarkOut_Click() {
    m_session.markOutAtPlayhead();
    m_lblout->setText(edittime::clockText(m_sliderEdit->value()));
}

// A mark set by a drag or a typed time shows in its label in whole seconds; the other
// label keeps what it shows.
void EditorPanel::showMarks() {
    const std::int64_t in = m_session.MarkIn();
    const std::int64_t out = m_session.MarkOut();
    if (in != m_shownIn)
        m_lblin->setText(clock(in));
    if (out != m_shownOut)
        m_lblout->setText(clock(out));
    m_shownIn = in;
    m_shownOut = out;
    m_waveform->setMarks(in, out);
    m_txtMarkIn->setText(edittime::millisText(in));
    m_txtMarkOut->setText(edittime::millisText(out));
    m_txtKept->setText(edittime::millisText(out - in));
}

// A typed time within the clip sets its mark; the kept length moves mark-out. A time that
// can't be taken puts the boxes back and says why at the box (the window has no status bar).
void EditorPanel::typed(QLineEdit* box) {
    if (!box->isEnabled() || !m_session.isOpen())
        return;
    const std::optional<std::int64_t> ms = edittime::parseMillis(box->text());
    if (!ms || *ms > m_session.lengthMs()) {
        const QString why =
            !ms ? QCoreApplication::translate(
                      "EditorPanel", "\"%1\" is not a time: type m:ss.mmm, for example 0:12.500.")
                      .arg(box->text())
                : QCoreApplication::translate("EditorPanel", "The clip is only %1 long.")
                      .arg(edittime::millisText(m_session.lengthMs()));
        showMarks();
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), why, box);
        emit timeRefused(why);
        return;
    }
    if (box == m_txtMarkIn)
        m_session.setMarkIn(*ms);
    else if (box == m_txtMarkOut)
        m_session.setMarkOut(*ms);
    else
        m_session.setKept(*ms);
}

// A clip that cannot be read for peaks shows an empty view with a note; the editor still
// works.
void EditorPanel::showWaveform() {
    const ClipRange& clip = m_session.clip();
    const std::shared_ptr<const Peaks> peaks = m_peaks.peaksFor(clip);
    m_waveform->setClip(peaks, m_session.lengthMs(),
                        peaks ? QString()
                              : QCoreApplication::translate("EditorPanel", "No waveform: %1")
                                    .arg(m_peaks.failure(clip)),
                        clip);
    showSpectrogram();
    showMusic();
}

void EditorPanel::showSpectrogram() {
    if (!m_session.isOpen() || m_waveform->display() == WaveformView::Display::Waveform)
        return;
    m_waveform->setSpectrogram(m_spectrograms->spectrogramFor(m_session.clip()));
}

void EditorPanel::showPeaks(const ClipRange& clip) {
    if (clip == m_session.clip())
        m_waveform->update();
}

void EditorPanel::CmdEditDone_Click() {
    if (m_services.busy.isBusy() || !m_session.isOpen())
        return;
    const AppContext& context = m_services.context;
    const std::int64_t markIn = m_session.MarkIn();
    const std::int64_t markOut = m_session.MarkOut();
    if (Status marks = ClipCrop::checkMarks(markIn, markOut); !marks) {
        context.dialogs.message(&m_services.dialogParent, marks.message(),
                                QLatin1String(appinfo::Title), Dialogs::Icon::None);
        return;
    }
    MediaPlayer& player = context.MMCEdit;
    player.command(QStringLiteral("Stop"));
    player.command(QStringLiteral("Close"));
    const QString name = m_session.clipName();
    const int row = openRow();
    m_session.finish();
    if (row >= 0) {
        const ClipList::Clip& clip = m_clips.at(row);
        const ClipRange before = clip.range();
        const int rateHz = clip.format.sampleRateHz;
        const std::int64_t fadeFrames =
            m_chkSmooth->isChecked() ? std::int64_t(SmoothCutMs) * rateHz / 1000 : 0;
        // A clip whose file changed behind the list is told, not cut.
        Status cut = m_clips.unchanged(row);
        if (cut && !m_clips.setRange(row, ClipCrop::cutRange(before, clip.frames, rateHz, markIn,
                                                             markOut, fadeFrames)))
            cut = {ErrorCode::Position,
                   QCoreApplication::translate("EditorPanel",
                                               "Nothing of the clip lies between the marks.")};
        if (cut)
            m_history.cropped(
                row, QCoreApplication::translate("EditorPanel", "Crop of %1").arg(name), before);
        else
            warn(m_services.context.dialogs, &m_services.dialogParent,
                 QCoreApplication::translate("EditorPanel",
                                             "%1 was not cropped; it is as it was.\n\n%2")
                     .arg(name, cut.message()));
    }
    emit cropEnded();
}

void EditorPanel::setEditorEnabled(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_sliderEdit, m_cmdEditPlay, m_cmdEditStop, m_cmdMarkin, m_cmdMarkOut, m_cmdEditDone,
             m_waveform, m_txtMarkIn, m_txtKept, m_txtMarkOut, m_cmdPlaySel, m_chkSmooth,
             m_cmdCleanUp, m_cmdSuggest, m_cmdSnap})
        control->setEnabled(enabled);
    m_effects->setEnabled(enabled);
    for (QShortcut* key : m_keys)
        key->setEnabled(enabled);
}

void EditorPanel::focusClip() {
    if (m_session.isOpen())
        m_waveform->setFocus(Qt::OtherFocusReason);
}

namespace {

bool isReturn(const QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The controls that have a use of their own for Return: a box takes what was typed, a list
// acts on its entry, a choice box keeps its choice, a button is pressed.
bool takesReturn(const QObject* focus) {
    return qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QAbstractItemView*>(focus) ||
           qobject_cast<const QComboBox*>(focus) || qobject_cast<const QAbstractSpinBox*>(focus) ||
           qobject_cast<const QTextEdit*>(focus) || qobject_cast<const QPlainTextEdit*>(focus) ||
           qobject_cast<const QAbstractButton*>(focus);
}

} // namespace

// The release ends a click on the groove as well as a drag of the handle; the slider has
// its new value by the time the queued call runs.
//
// Return on a focused control that takes it never reaches "Done": accepting the shortcut
// override hands the key to the control itself. A button of this window, which Qt would
// leave deaf to Return outside a dialog, is pressed by it as by Space.
bool EditorPanel::eventFilter(QObject* watched, QEvent* event) {
    if (isReturn(event) && watched == QApplication::focusWidget() && takesReturn(watched)) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        const bool ownWindow = button && button->window() == window();
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
        } else if (ownWindow && button->isEnabled()) {
            button->click();
            return true;
        }
        return false;
    }
    if (watched == m_sliderEdit && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        QMetaObject::invokeMethod(this, &EditorPanel::SliderEdit_Click, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}
