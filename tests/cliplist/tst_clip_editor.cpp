// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysis_file.h"
#include "audio/media_player.h"
#include "base/work_folder.h"
#include "cliplist/edit_session.h"
#include "cliplist/edit_time.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/editor_panel.h"
#include "cliplist/ui/effects_row.h"
#include "cliplist/ui/framewav.h"
#include "cliplist/ui/list_buttons.h"
#include "cliplist/ui/list_player_panel.h"
#include "cliplist/ui/song_guide.h"
#include "support/page_host.h"
#include "support/scripted_dialogs.h"
#include "support/song_generator.h"
#include "support/test_audio.h"
#include "support/window_rig.h"
#include "waveform/peaks.h"
#include "waveform/spectrogram.h"
#include "waveform/ui/waveform_view.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const WavFormat CdFormat{2, 44100, 16};
const WavFormat SmallFormat{1, 8000, 8};

const QStringList EditorControls = {"CmdEditPlay", "CmdEditStop", "CmdMarkin",
                                    "CmdMarkOut",  "CmdEditDone", "SliderEdit"};
const QStringList PlayerButtons = {"CmdFoward", "CmdPause", "CmdPlay", "CmdStop", "CmdNext"};

// Noise from a fixed seed: a cut off by one frame shows in a byte comparison.
qsizetype byteAt(std::int64_t ms) {
    return qsizetype(ms * CdFormat.sampleRateHz / 1000 * CdFormat.blockAlign());
}

} // namespace

class TestClipEditor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_rig.reset(); }

    void open_roundsTheSliderAndShowsTheLength_data();
    void open_roundsTheSliderAndShowsTheLength();
    void open_secondClipResetsMarksAndLabels();
    void open_byMouseDoubleClick();
    void open_clipThatCannotBeOpenedLeavesTheEditorClosed();
    void statusUpdate_movesSliderAndTotalLabel();
    void slider_clickPlaysFromItsValue();
    void done_keepsTheFramesBetweenTheMarks_data();
    void done_keepsTheFramesBetweenTheMarks();
    void done_marksInTheWrongOrderShowTimeInputError_data();
    void done_marksInTheWrongOrderShowTimeInputError();
    void done_failingCropShowsOneMessageAndKeepsTheClip();
    void marks_followDraggedHandlesAndTypedTimes();
    void returnKey_actsInTheFocusedControlAndIsDoneOnlyWhereNoneTakesIt();
    void playSelection_stopsAtMarkOut();
    void zoomKeys_changeTheStretchShown();
    void waveform_givesScreenReadersTheMarksAndPlayheadAsValues();
    void effectsAndCrop_areStepsThatUndoGivesBack();
    void anEffect_readsTheClipOnceForItsPeaksSpectrogramAndAnalysis();
    void keptMp3_becomesAWavThroughAnEffectAndUndoGivesItBack();
    void suggest_putsTheMarksOnEachWindowInTurnAndSnapFollowsTheBars();

private:
    EditorPanel& editor() const { return m_rig->framewav().editor(); }
    EditSession& session() const { return m_rig->framewav().session(); }
    QLabel* label(const char* name) const { return m_rig->framewav().findChild<QLabel*>(name); }
    QSlider* slider() const { return m_rig->framewav().findChild<QSlider*>("SliderEdit"); }
    QLineEdit* box(const char* name) const { return m_rig->framewav().findChild<QLineEdit*>(name); }
    void type(const char* name, const QString& text) {
        box(name)->setText(text);
        emit box(name)->editingFinished();
    }
    void open(int row);
    void verifyEnabled(const QStringList& names, bool enabled) const;

    std::unique_ptr<WindowRig> m_rig;
};

void TestClipEditor::init() {
    m_rig = std::make_unique<WindowRig>();
}

// As the page does it: the press selects (and runs the single click), the double click opens.
void TestClipEditor::open(int row) {
    m_rig->list().setCurrentRow(row);
    m_rig->framewav().List1_Click();
    editor().List1_DblClick();
}

void TestClipEditor::verifyEnabled(const QStringList& names, bool enabled) const {
    for (const QString& name : names)
        QVERIFY2(m_rig->control(name)->isEnabled() == enabled, qPrintable(name));
}

void TestClipEditor::open_roundsTheSliderAndShowsTheLength_data() {
    QTest::addColumn<qint64>("lengthMs");
    QTest::addColumn<int>("sliderMaximum");
    QTest::addColumn<QString>("shown");
    QTest::newRow("9.5 s") << qint64(9500) << 10 << "00:00:10";
    QTest::newRow("10.5 s") << qint64(10500) << 10 << "00:00:10";
    QTest::newRow("10.6 s") << qint64(10600) << 11 << "00:00:11";
    QTest::newRow("25 hours") << qint64(25 * 3600 * 1000) << 25 * 3600 << "01:00:00";
}

void TestClipEditor::open_roundsTheSliderAndShowsTheLength() {
    QFETCH(qint64, lengthMs);
    QFETCH(int, sliderMaximum);
    QFETCH(QString, shown);
    // A sparse file: the players read only the header and the file's size.
    const QString clip = m_rig->addClip("a", SmallFormat, {});
    QFile file(clip);
    QVERIFY(file.open(QIODevice::ReadWrite));
    WavHeader header = WavHeader::forFormat(SmallFormat);
    header.setDataSize(lengthMs * SmallFormat.bytesPerSecond() / 1000);
    QVERIFY(file.write(header.bytes().data(), WavHeader::Size) == WavHeader::Size);
    QVERIFY(file.resize(WavHeader::Size + lengthMs * SmallFormat.bytesPerSecond() / 1000));
    file.close();
    m_rig->framewav().clips().refresh(0);
    m_rig->listPlayer().setFileName(clip);
    QVERIFY(m_rig->listPlayer().command("open"));

    open(0);

    QCOMPARE(slider()->minimum(), 0);
    QCOMPARE(slider()->maximum(), sliderMaximum);
    QCOMPARE(label("Lbltotal")->text(), shown);
    QCOMPARE(label("Lblout")->text(), shown);
    QCOMPARE(label("Lblin")->text(), "00:00:00");
    QCOMPARE(session().EditMode(), "Edit");
    QCOMPARE(session().MarkIn(), 0);
    QCOMPARE(session().MarkOut(), lengthMs);
    QCOMPARE(m_rig->edit().fileName(), clip);
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Stopped);
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Closed);
    verifyEnabled(EditorControls, true);
    verifyEnabled(PlayerButtons, false);
}

void TestClipEditor::open_secondClipResetsMarksAndLabels() {
    m_rig->addClip("a", CdFormat, testaudio::sinePcm(CdFormat, 44100 * 5));
    m_rig->addClip("b", CdFormat, testaudio::sinePcm(CdFormat, 44100 * 3));
    open(0);
    editor().CmdEditPlay_Click();
    m_rig->advanceMs(2000);
    m_rig->edit().onUpdateTimer();
    editor().CmdMarkin_Click();
    m_rig->advanceMs(1000);
    m_rig->edit().onUpdateTimer();
    editor().CmdMarkOut_Click();
    QCOMPARE(label("Lblin")->text(), "00:00:02");
    QCOMPARE(label("Lblout")->text(), "00:00:03");

    open(1);
    QCOMPARE(session().MarkIn(), 0);
    QCOMPARE(session().MarkOut(), 3000);
    QCOMPARE(label("Lblin")->text(), "00:00:00");
    QCOMPARE(label("Lblout")->text(), "00:00:03");
    QCOMPARE(slider()->value(), 0);
}

void TestClipEditor::open_byMouseDoubleClick() {
    m_rig->addClip("a", CdFormat, testaudio::sinePcm(CdFormat, 44100));
    m_rig->host().show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_rig->host()));
    ClipListBox& list = m_rig->list();
    const QPoint at = list.rowRect(0).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(session().EditMode(), "Edit");
    QCOMPARE(m_rig->edit().fileName(), m_rig->framewav().clips().clipFile(0));
    verifyEnabled(EditorControls, true);
}

void TestClipEditor::open_clipThatCannotBeOpenedLeavesTheEditorClosed() {
    m_rig->addClip("a", CdFormat, testaudio::sinePcm(CdFormat, 44100));
    QVERIFY(QFile::remove(m_rig->framewav().clips().clipFile(0)));
    open(0);
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QVERIFY(m_rig->dialogs().messages().first().text.startsWith("a cannot be opened"));
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Closed);
    QVERIFY(session().EditMode().isEmpty());
    verifyEnabled(EditorControls, false);
}

void TestClipEditor::statusUpdate_movesSliderAndTotalLabel() {
    m_rig->addClip("a", CdFormat, testaudio::sinePcm(CdFormat, 44100 * 10));
    open(0);
    editor().CmdEditPlay_Click();
    m_rig->advanceMs(2600);
    QCOMPARE(label("Lbltotal")->text(), "00:00:10"); // the length until the first notification
    m_rig->edit().onUpdateTimer();
    QCOMPARE(slider()->value(), 3);
    QCOMPARE(label("Lbltotal")->text(), "00:00:03");

    editor().CmdEditStop_Click();
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Stopped);
}

void TestClipEditor::slider_clickPlaysFromItsValue() {
    m_rig->addClip("a", SmallFormat, testaudio::sinePcm(SmallFormat, 8000 * 30));
    m_rig->host().show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_rig->host()));
    open(0);
    slider()->setValue(7);
    editor().SliderEdit_Click();
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Playing);
    QCOMPARE(m_rig->edit().positionMs(), 7000);

    editor().CmdEditStop_Click();
    QTest::mouseClick(slider(), Qt::LeftButton, {},
                      QPoint(slider()->width() - 4, slider()->height() / 2));
    QCoreApplication::processEvents();
    QVERIFY2(slider()->value() > 7 && slider()->value() < 30,
             qPrintable(QString::number(slider()->value())));
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Playing);
    QCOMPARE(m_rig->edit().positionMs(), slider()->value() * 1000);
}

void TestClipEditor::done_keepsTheFramesBetweenTheMarks_data() {
    QTest::addColumn<int>("markIn"); // -1: Done right after opening
    QTest::addColumn<int>("markOut");
    QTest::newRow("between") << 1500 << 4000;
    QTest::newRow("from the start") << 0 << 2250;
    QTest::newRow("right after opening") << -1 << 10000;
}

void TestClipEditor::done_keepsTheFramesBetweenTheMarks() {
    QFETCH(int, markIn);
    QFETCH(int, markOut);
    const QByteArray pcm = testaudio::noisePcm(CdFormat, 44100 * 10, 7);
    const QString clip = m_rig->addClip("Song One", CdFormat, pcm);
    const QByteArray original = testaudio::readAll(clip);
    open(0);
    m_rig->framewav().findChild<QCheckBox*>("chkSmooth")->setChecked(false);
    if (markIn >= 0) {
        editor().CmdEditPlay_Click();
        m_rig->advanceMs(markIn);
        editor().CmdMarkin_Click();
        m_rig->advanceMs(markOut - markIn);
        editor().CmdMarkOut_Click();
    }

    editor().CmdEditDone_Click();
    m_rig->waitForWork();

    // The clip is the stretch between the marks; its file is not written.
    QVERIFY(testaudio::readAll(clip) == original);
    QCOMPARE(m_rig->workFiles(), QStringList{"Song One.wav"});
    markIn = std::max(markIn, 0);
    const ClipList& clips = m_rig->framewav().clips();
    QCOMPARE(clips.at(0).frames * CdFormat.blockAlign(), byteAt(markOut) - byteAt(markIn));
    auto source = FrameSource::open(clips.range(0));
    QVERIFY(source);
    std::vector<std::int16_t> kept;
    QVERIFY((*source)->readFully(kept, clips.at(0).frames + 1));
    QVERIFY(QByteArray(reinterpret_cast<const char*>(kept.data()),
                       qsizetype(kept.size() * sizeof(std::int16_t))) ==
            pcm.mid(byteAt(markIn), byteAt(markOut) - byteAt(markIn)));
    QVERIFY(m_rig->dialogs().messages().isEmpty());

    QCOMPARE(session().EditMode(), "Play");
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Closed);
    verifyEnabled(EditorControls, false);
    m_rig->framewav().playback().Timer1_Timer();
    verifyEnabled({"CmdPlay", "CmdStop", "CmdPause"}, true);
}

void TestClipEditor::done_marksInTheWrongOrderShowTimeInputError_data() {
    QTest::addColumn<int>("markOutSecond");
    QTest::newRow("Mark Out before Mark In") << 1;
    QTest::newRow("Mark Out at Mark In") << 3;
}

void TestClipEditor::done_marksInTheWrongOrderShowTimeInputError() {
    QFETCH(int, markOutSecond);
    const QString clip = m_rig->addClip("a", CdFormat, testaudio::sinePcm(CdFormat, 44100 * 5));
    const QByteArray original = testaudio::readAll(clip);
    open(0);
    slider()->setValue(3);
    editor().SliderEdit_Click();
    editor().CmdMarkin_Click();
    slider()->setValue(markOutSecond);
    editor().SliderEdit_Click();
    editor().CmdMarkOut_Click();

    editor().CmdEditDone_Click();

    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text, "Time Input Error");
    QCOMPARE(m_rig->dialogs().messages().first().title, "KorvaNel Tunecarver");
    QVERIFY(testaudio::readAll(clip) == original);
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Playing);
    QCOMPARE(session().EditMode(), "Edit");
    verifyEnabled(EditorControls, true);
}

void TestClipEditor::done_failingCropShowsOneMessageAndKeepsTheClip() {
    const QString clip = m_rig->addClip("a", CdFormat, testaudio::sinePcm(CdFormat, 44100 * 5));
    open(0);
    editor().CmdEditPlay_Click();
    m_rig->advanceMs(1000);
    editor().CmdMarkin_Click();
    QVERIFY(QFile::remove(clip));

    editor().CmdEditDone_Click();
    m_rig->waitForWork();

    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    const ScriptedDialogs::MessageCall& shown = m_rig->dialogs().messages().first();
    QVERIFY2(shown.text.startsWith("a was not cropped") && shown.text.contains(clip),
             qPrintable(shown.text));
    QCOMPARE(shown.icon, Dialogs::Icon::Warning);
    QVERIFY(m_rig->workFiles().isEmpty());
    verifyEnabled(EditorControls, false);
}

void TestClipEditor::marks_followDraggedHandlesAndTypedTimes() {
    m_rig->host().show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_rig->host()));
    m_rig->addClip("Song One", CdFormat, testaudio::sinePcm(CdFormat, 44100 * 10));
    open(0);
    auto* view = m_rig->framewav().findChild<WaveformView*>("Waveform");
    QCOMPARE(view->lengthMs(), 10000);

    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(view->xOfMs(0) + 2, 20));
    QTest::mouseMove(view, QPoint(100, 20));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(100, 20));
    const std::int64_t in = view->msAt(100);
    QVERIFY(in > 2000 && in < 4000);
    QCOMPARE(session().MarkIn(), in);
    QCOMPARE(view->markInMs(), in);
    QCOMPARE(box("txtMarkIn")->text(), edittime::millisText(in));
    QCOMPARE(label("Lblin")->text(), edittime::clockText(edittime::roundedSeconds(in)));

    type("txtMarkOut", "0:07.250");
    QCOMPARE(session().MarkOut(), 7250);
    QCOMPARE(box("txtKept")->text(), edittime::millisText(7250 - in));
    type("txtKept", "1.000");
    QCOMPARE(session().MarkOut(), in + 1000);
    QCOMPARE(view->markOutMs(), in + 1000);
    // Nothing that is not a time within the clip is taken.
    type("txtMarkIn", "soon");
    type("txtMarkOut", "0:10.001");
    QCOMPARE(session().MarkIn(), in);
    QCOMPARE(session().MarkOut(), in + 1000);
    QCOMPARE(box("txtMarkIn")->text(), edittime::millisText(in));

    // A click away from the handles moves the playhead, which "Mark In" then takes.
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(250, 20));
    QVERIFY(std::abs(m_rig->edit().positionMs() - view->msAt(250)) <= 1);
    QCOMPARE(view->playheadMs(), m_rig->edit().positionMs());
}

void TestClipEditor::returnKey_actsInTheFocusedControlAndIsDoneOnlyWhereNoneTakesIt() {
    m_rig->host().show();
    QVERIFY(QTest::qWaitForWindowActive(&m_rig->host()));
    const QString clip =
        m_rig->addClip("Song One", CdFormat, testaudio::sinePcm(CdFormat, 44100 * 10));
    const qint64 before = QFileInfo(clip).size();
    ClipListBox& list = m_rig->list();
    list.setFocus();
    list.setCurrentRow(0);
    // On the list Return opens the selected clip, as a double click does, and the clip's view
    // takes the keyboard.
    QTest::keyClick(&list, Qt::Key_Return);
    QVERIFY(session().isOpen());
    auto* view = m_rig->framewav().findChild<WaveformView*>("Waveform");
    QVERIFY(view->hasFocus());

    // A time box takes the typed time on Return and on keypad Enter, and "Done" waits.
    const auto typeAndPress = [this](const char* name, const char* text, Qt::Key key,
                                     Qt::KeyboardModifiers modifiers) {
        QLineEdit* edit = box(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QLatin1String(text));
        QTest::keyClick(edit, key, modifiers);
    };
    typeAndPress("txtMarkIn", "0:02.000", Qt::Key_Return, Qt::NoModifier);
    QCOMPARE(session().MarkIn(), 2000);
    typeAndPress("txtMarkOut", "0:04.000", Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(session().MarkOut(), 4000);
    QVERIFY(session().isOpen());
    // The picture choice keeps its choice; a focused check box is pressed, as by Space.
    auto* choice = view->findChild<QComboBox*>("WaveformDisplay");
    choice->setFocus();
    QTest::keyClick(choice, Qt::Key_Return);
    auto* smooth = m_rig->framewav().findChild<QCheckBox*>("chkSmooth");
    smooth->setFocus();
    QTest::keyClick(smooth, Qt::Key_Return);
    QVERIFY(!smooth->isChecked());
    QVERIFY(session().isOpen());
    QCOMPARE(QFileInfo(clip).size(), before);

    // Where nothing focused takes it, Return is "Done": two seconds are kept.
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Return);
    m_rig->waitForWork();
    QVERIFY(!session().isOpen());
    QCOMPARE(m_rig->framewav().clips().at(0).frames * CdFormat.blockAlign(), byteAt(2000));
}

void TestClipEditor::zoomKeys_changeTheStretchShown() {
    m_rig->host().show();
    QVERIFY(QTest::qWaitForWindowActive(&m_rig->host()));
    m_rig->addClip("Song One", CdFormat, testaudio::sinePcm(CdFormat, 44100 * 10));
    open(0);
    type("txtMarkIn", "2.000");
    type("txtMarkOut", "4.000");
    auto* view = m_rig->framewav().findChild<WaveformView*>("Waveform");
    view->setFocus();
    // Within a pixel's time of the stretch expected.
    const auto shows = [view](double fromMs, double lengthMs) {
        const double pixel = view->msPerPixel() + 1e-9;
        return std::abs(view->viewStartMs() - fromMs) <= pixel &&
               std::abs(view->viewLengthMs() - lengthMs) <= pixel;
    };
    QVERIFY(shows(0, 10000));
    // In around the playhead (at the start), out again to the whole clip.
    QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(shows(0, 5000));
    QTest::keyClick(view, Qt::Key_Equal, Qt::ControlModifier);
    QVERIFY(shows(0, 2500));
    QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(shows(0, 5000));
    // The kept stretch with a twentieth of it either side.
    QTest::keyClick(view, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(shows(1900, 2200));
    // A playhead running off the view turns the page.
    view->setPlayhead(3000);
    view->setPlayhead(4200);
    QVERIFY(shows(4200, 2200));
    QTest::keyClick(view, Qt::Key_0, Qt::ControlModifier);
    QVERIFY(shows(0, 10000));
}

void TestClipEditor::waveform_givesScreenReadersTheMarksAndPlayheadAsValues() {
    m_rig->host().show();
    QVERIFY(QTest::qWaitForWindowActive(&m_rig->host()));
    m_rig->addClip("Song One", CdFormat, testaudio::sinePcm(CdFormat, 44100 * 10));
    open(0);
    type("txtMarkIn", "2.000");
    auto* view = m_rig->framewav().findChild<WaveformView*>("Waveform");
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(view);
    QVERIFY(access);
    QStringList names;
    bool choice = false;
    for (int i = 0; i < access->childCount(); ++i) {
        names << access->child(i)->text(QAccessible::Name);
        choice = choice || access->child(i)->role() == QAccessible::ComboBox;
    }
    // The times, then the view's own controls, each named (a choice box by its choice).
    QCOMPARE(names.mid(0, 3), QStringList({"Mark-in", "Playhead", "Mark-out"}));
    QVERIFY2(names.contains("Zoom in") && choice && !names.contains(QString()),
             qPrintable(names.join(", ")));
    QAccessibleValueInterface* markIn = access->child(0)->valueInterface();
    QCOMPARE(markIn->currentValue().toLongLong(), 2000);
    QCOMPARE(access->child(2)->valueInterface()->maximumValue().toLongLong(), 10000);
    // A value set by the reader is the user's own move.
    markIn->setCurrentValue(1500);
    QCOMPARE(session().MarkIn(), 1500);
    // Up from the playhead chooses mark-in; Right moves it a step, Shift+Right a second.
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(session().MarkIn(), 1500 + WaveformView::KeyStepMs);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(box("txtMarkIn")->text(), edittime::millisText(2500 + WaveformView::KeyStepMs));
}

void TestClipEditor::playSelection_stopsAtMarkOut() {
    m_rig->addClip("Song One", CdFormat, testaudio::sinePcm(CdFormat, 44100 * 10));
    open(0);
    type("txtMarkIn", "2.000");
    type("txtMarkOut", "4.000");
    editor().CmdPlaySel_Click();
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Playing);
    QCOMPARE(m_rig->edit().positionMs(), 2000);
    m_rig->advanceMs(1990);
    session().followPlayer();
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Playing);
    m_rig->advanceMs(15);
    session().followPlayer();
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Stopped);
    QVERIFY(m_rig->edit().positionMs() >= 4000 && m_rig->edit().positionMs() <= 4010);
}

void TestClipEditor::effectsAndCrop_areStepsThatUndoGivesBack() {
    const QString clip =
        m_rig->addClip("Song One", CdFormat, testaudio::sinePcm(CdFormat, 44100 * 4));
    const QByteArray original = testaudio::readAll(clip);
    open(0);
    box("txtGain")->setText("-6 dB");
    QSignalSpy finished(&m_rig->framewav().effects(), &EffectsRow::finished);
    m_rig->framewav().effects().CmdGain_Click();
    QVERIFY(finished.wait(20000));
    const QByteArray quieter = testaudio::readAll(clip);
    QVERIFY(quieter != original && quieter.size() == original.size());
    // The editor has the clip open again, on its new sound.
    QCOMPARE(editor().openRow(), 0);
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Stopped);

    type("txtMarkIn", "1.000");
    type("txtMarkOut", "2.000");
    editor().CmdEditDone_Click();
    m_rig->waitForWork();
    // The editor shows no stale picture: the cropped clip is closed, and so is the view.
    auto* view = m_rig->framewav().findChild<WaveformView*>("Waveform");
    QCOMPARE(view->note(), QStringLiteral("Double click a clip to edit it"));
    QCOMPARE(view->lengthMs(), 0);
    auto* undo = m_rig->framewav().findChild<QPushButton*>("CmdUndo");
    QCOMPARE(undo->toolTip(), "Undo Crop of Song One (Ctrl+Z)");
    QVERIFY(undo->isEnabled());
    QCOMPARE(testaudio::readAll(clip), quieter);
    QCOMPARE(m_rig->framewav().clips().at(0).frames, 44100);
    undo->click();
    QCOMPARE(m_rig->framewav().clips().at(0).frames, 44100 * 4);
    m_rig->framewav().buttons().CmdUndo_Click();
    QCOMPARE(testaudio::readAll(clip), original);
    QCOMPARE(view->lengthMs(), 0);
    QVERIFY(m_rig->dialogs().messages().isEmpty());
}

void TestClipEditor::anEffect_readsTheClipOnceForItsPeaksSpectrogramAndAnalysis() {
    const std::int64_t frames = 44100 * 6;
    const QString clip = m_rig->addClip("Song One", CdFormat, testaudio::sinePcm(CdFormat, frames));
    const auto allKept = [&] {
        return peaks::load(clip) && spectrogram::load(clip) && analysis::load(clip);
    };
    open(0);
    QTRY_VERIFY_WITH_TIMEOUT(allKept(), 60000);
    m_rig->waitForWork();

    const std::int64_t before = FrameSource::framesReadInAll();
    box("txtGain")->setText("-6 dB");
    QSignalSpy finished(&m_rig->framewav().effects(), &EffectsRow::finished);
    m_rig->framewav().effects().CmdGain_Click();
    QVERIFY(finished.wait(20000));
    QTRY_VERIFY_WITH_TIMEOUT(allKept(), 60000);
    m_rig->waitForWork();
    QCOMPARE(FrameSource::framesReadInAll() - before, frames);
}

// A clip kept as its MP3 is changed as a WAV ("Normalise" of every clip: the scripted
// engine opens no MP3 in the editor); undo gives the MP3 back. A clip whose file changed
// behind the list is told and left alone.
void TestClipEditor::keptMp3_becomesAWavThroughAnEffectAndUndoGivesItBack() {
    const QString wav = testaudio::writeSineWav(m_rig->outside("song.wav"), CdFormat, 44100 * 2);
    const QString mp3 = m_rig->work().file("Song.mp3");
    QCOMPARE(testaudio::run("lame", {"--quiet", wav, mp3}), 0);
    const QByteArray kept = testaudio::readAll(mp3);
    ClipList& clips = m_rig->framewav().clips();
    clips.append("Song");
    m_rig->framewav().findChild<QCheckBox*>("chkNormaliseAll")->setChecked(true);
    QSignalSpy finished(&m_rig->framewav().effects(), &EffectsRow::finished);
    m_rig->framewav().effects().CmdNormalise_Click();
    QVERIFY(finished.wait(20000));
    QCOMPARE(clips.clipFile(0), m_rig->work().clipFile("Song"));
    QVERIFY(readWavInfo(clips.clipFile(0)));
    QVERIFY(!QFile::exists(mp3));
    m_rig->framewav().buttons().CmdUndo_Click();
    QCOMPARE(clips.clipFile(0), mp3);
    QCOMPARE(testaudio::readAll(mp3), kept);
    QVERIFY(!QFile::exists(m_rig->work().clipFile("Song")));
    QCOMPARE(m_rig->dialogs().messages().size(), 1); // what the loudness change did

    QVERIFY(testaudio::writeAll(mp3, kept.left(kept.size() / 2)));
    m_rig->framewav().effects().CmdNormalise_Click();
    QVERIFY(finished.wait(20000));
    QCOMPARE(m_rig->dialogs().messages().size(), 2);
    QVERIFY2(m_rig->dialogs().messages().last().text.startsWith(
                 "Song was not changed: The clip Song cannot be read"),
             qPrintable(m_rig->dialogs().messages().last().text));
    QCOMPARE(testaudio::readAll(mp3), kept.left(kept.size() / 2));
}

void TestClipEditor::suggest_putsTheMarksOnEachWindowInTurnAndSnapFollowsTheBars() {
    const songs::Song song = songs::make(7);
    const QByteArray pcm(reinterpret_cast<const char*>(song.samples.data()),
                         qsizetype(song.samples.size() * 2));
    m_rig->addClip("Song", WavFormat{1, song.sampleRateHz, 16}, pcm);
    open(0);
    SongGuide& guide = editor().guide();
    QSignalSpy analysed(&guide, &SongGuide::analysed);
    // Pressed before the analysis is there: it acts when it comes.
    editor().findChild<QPushButton*>("CmdSuggest")->click();
    QVERIFY(analysed.wait(120000));
    QVERIFY(guide.suggestions().size() >= 2);
    const auto marksOn = [&](int index) {
        const analysis::Suggestion& window = guide.suggestions().at(std::size_t(index));
        return guide.shown() == index && session().MarkIn() == std::llround(window.start * 1000) &&
               session().MarkOut() == std::llround(window.end * 1000);
    };
    QVERIFY(marksOn(0));
    editor().findChild<QPushButton*>("CmdSuggest")->click();
    QVERIFY(marksOn(1));

    // With Snap on Bar a typed mark-in lands on the nearest bar line.
    for (QAction* action : editor().findChild<QToolButton*>("CmdSnap")->menu()->actions())
        if (action->text() == "Bar")
            action->trigger();
    type("txtMarkIn", "10.000");
    const std::vector<double> bars = guide.grid().bars;
    QVERIFY(!bars.empty());
    const double nearest = analysis::nearestLine(10.0, bars);
    QCOMPARE(session().MarkIn(), std::llround(nearest * 1000));
}

QTEST_MAIN(TestClipEditor)
#include "tst_clip_editor.moc"
