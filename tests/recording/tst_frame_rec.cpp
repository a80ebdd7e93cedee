// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/framewav.h"
#include "codec/mp3_encoder.h"
#include "pagekit/busy_window.h"
#include "recording/ui/frame_rec.h"
#include "recording/ui/level_meter_view.h"
#include "support/page_host.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_engine.h"
#include "support/test_audio.h"
#include "support/window_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <atomic>
#include <cmath>
#include <functional>
#include <memory>

using Input = ScriptedEngine::Input;
using InputCall = ScriptedEngine::InputCall;
using State = TakeRecorder::State;

Q_DECLARE_METATYPE(std::vector<Input>)
Q_DECLARE_METATYPE(std::vector<InputCall>)

namespace {

constexpr int Digital = 0x01000000;
constexpr int LineIn = 0x02000000;
constexpr int Microphone = 0x03000000;
constexpr int SaveFlags = 524288 | 4 | 2;
constexpr std::size_t SecondOfSound = 176400;

std::atomic<int> allocationsAllowed{1 << 30};
void* limitedRealloc(void* block, std::size_t bytes) {
    if (allocationsAllowed.fetch_sub(1) <= 0)
        return nullptr;
    return std::realloc(block, bytes);
}

QByteArray imageOf(TakeRecorder& take) {
    return QByteArray(reinterpret_cast<const char*>(take.takeBuffer()), take.takeLength());
}

// Capture blocks whose two channels both hold sample(frame).
ScriptedEngine::BlockGenerator stereo(std::function<std::int16_t(ByteCount frame)> sample) {
    return [sample](ByteCount offset, std::size_t bytes) {
        QByteArray block(qsizetype(bytes), Qt::Uninitialized);
        for (std::size_t i = 0; i < bytes; ++i) {
            const auto v = std::uint16_t(sample((offset + ByteCount(i)) / 4));
            block[qsizetype(i)] = char((offset + ByteCount(i)) % 2 == 0 ? v & 0xFF : v >> 8);
        }
        return block;
    };
}

} // namespace

class TestFrameRec : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controls_haveTheirNamesTextsStatesAndPlaces();
    void recButton_showsThePageAndStartsTheTimerOnce();
    void initrec_selectsEachInputThatIsOnInTurn_data();
    void initrec_selectsEachInputThatIsOnInTurn();
    void initrec_allInputsOffKeepsLevelAndTypeShown();
    void reentry_listsEachInputOnce();
    void choosingAnInput_turnsTheOthersOffAndShowsIt();
    void movingTheSlider_setsTheLevelOfTheChosenInput();
    void buttons_followTheStatesOfTheTake_data();
    void buttons_followTheStatesOfTheTake();
    void record_hidesTheFormatButtonsUntilTheTakeEnds();
    void secondTake_releasesTheFirstBeforeCapturing();
    void failedCaptureStart_reportsAndLeavesNoTake();
    void failedFirstAllocation_reportsOutOfMemory();
    void failedGrowth_reportsOnTheGuiThreadAndDiscardsTheTake();
    void sizeLimit_stopsWithAMessageAndKeepsTheTake();
    void serverEndingTheCapture_keepsTheTake();
    void meter_showsTheInputFromEntryUntilThePageIsLeft();
    void addToList_givesClipsWhoseDataIsTheTake();
    void nearingTheSizeLimit_warnsOnceThenEndsAndKeepsTheTake();
    void noServer_reportsAndLeavesRecordDisabled_data();
    void noServer_reportsAndLeavesRecordDisabled();
    void pageSwitch_keepsTheTakeToPlayAndSave();
    void startOnSound_waitsSayingSoUntilTheSoundComes();
    void cleanUp_trimsTheTakeToItsVoice();
    void timer_showsCapturedBytesWhileRecording();
    void timer_showsPositionAndLengthWhilePlayingThenLength();
    void saveWav_writesExactlyTheTake();
    void saveWav_cancelledOrUncreatableWritesNothing();
    void saveMp3_encodesTempWavToTheChosenName();
    void saveMp3_withoutTempWavStartsNoEncoder();

private:
    // The page as the toolbar's "Rec" leaves it: the page switch lets the page leave and
    // releases the engine, then the page starts its recording support.
    FrameRec& enter() {
        leave();
        page().initrec();
        return page();
    }
    // What the page switch does to the page when another page is shown.
    void leave() {
        if (!m_rig->hasHost())
            m_rig->createHost();
        page().leavePage();
        m_rig->engine().releaseAll();
    }
    FrameRec& page() const { return m_rig->host().frameRec(); }
    template <typename T = QWidget> T* control(const char* name) const {
        return page().findChild<T*>(QLatin1String(name));
    }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    QString lblPos() const { return control<QLabel>("lblPos")->text(); }
    // Records `bytes` of sound and stops.
    void recordTake(std::size_t bytes);
    void checkNoTakeState();

    std::unique_ptr<WindowRig> m_rig;
};

void TestFrameRec::init() {
    allocationsAllowed = 1 << 30;
    m_rig = std::make_unique<WindowRig>(WindowRig::Window::Later);
    m_rig->engine().setInputs({{"Line In", LineIn, 30, false}, {"Mic", Microphone, 80, true}});
}

void TestFrameRec::cleanup() {
    m_rig.reset();
}

void TestFrameRec::recordTake(std::size_t bytes) {
    button("btnRecord")->click();
    QCOMPARE(page().take().state(), State::Recording);
    if (bytes > 0) {
        m_rig->engine().deliverBlocks(std::vector<std::size_t>(bytes / 3528, 3528));
        if (bytes % 3528)
            m_rig->engine().deliverBlocks({bytes % 3528});
        QVERIFY(m_rig->engine().waitDelivered());
    }
    button("btnRecord")->click();
}

void TestFrameRec::checkNoTakeState() {
    QCOMPARE(button("btnRecord")->text(), QStringLiteral("Record"));
    QVERIFY(!button("btnPlay")->isEnabled());
    QVERIFY(!button("btnSave")->isEnabled());
    QVERIFY(button("CmdWav")->isHidden());
    QVERIFY(button("CmdMp3")->isHidden());
    QCOMPARE(page().take().state(), State::NoTake);
}

void TestFrameRec::controls_haveTheirNamesTextsStatesAndPlaces() {
    m_rig->createHost();
    QCOMPARE(page().title(), QStringLiteral("Vioce Record"));
    QCOMPARE(page().geometry(), QRect(104, 48, 489, 285));
    const struct {
        const char* name;
        const char* text;
        bool enabled;
        bool hidden;
        QRect place;
    } controls[] = {
        {"btnRecord", "Record", true, false, {160, 49, 89, 20}},
        {"btnPlay", "Play", false, false, {264, 49, 57, 20}},
        {"btnSave", "Save", false, false, {336, 49, 49, 20}},
        {"CmdWav", "Wav", true, true, {392, 32, 49, 20}},
        {"CmdMp3", "MP3", true, true, {392, 56, 49, 20}},
        {"Label4", "Rec Device", true, false, {56, 77, 89, 25}},
        {"lblInputType", "", true, false, {160, 77, 96, 21}},
        {"Label3", "Input Volume", true, false, {56, 117, 81, 17}},
        {"Label5", "Size of File", true, false, {56, 157, 81, 25}},
        {"lblPos", "", true, false, {152, 157, 201, 33}},
    };
    for (const auto& expected : controls) {
        QWidget* widget = control(expected.name);
        QVERIFY2(widget, expected.name);
        QCOMPARE(widget->parentWidget(), &page());
        QCOMPARE(widget->geometry(), expected.place);
        QCOMPARE(widget->isEnabled(), expected.enabled);
        QCOMPARE(widget->isHidden(), expected.hidden);
        const QString text = qobject_cast<QPushButton*>(widget)
                                 ? qobject_cast<QPushButton*>(widget)->text()
                                 : qobject_cast<QLabel*>(widget)->text();
        QCOMPARE(text, QLatin1String(expected.text));
    }
    QCOMPARE(control("cmbInput")->geometry(), QRect(56, 48, 97, 21));
    QCOMPARE(control<QComboBox>("cmbInput")->count(), 0);
    auto* slider = control<QSlider>("sldInputLevel");
    QCOMPARE(slider->geometry(), QRect(152, 109, 201, 33));
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 100);
    QCOMPARE(slider->orientation(), Qt::Horizontal);
}

void TestFrameRec::recButton_showsThePageAndStartsTheTimerOnce() {
    m_rig->createHost();
    auto* timer = page().findChild<QTimer*>(QStringLiteral("tmrRecTest"));
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 200);
    QVERIFY(!m_rig->engine().started());

    enter();
    QVERIFY(m_rig->engine().startedForRecording());
    QVERIFY(timer->isActive());
    const int timerId = timer->timerId();
    // The timer keeps running on other pages and is not restarted by another entry.
    leave();
    QVERIFY(timer->isActive());
    enter();
    QCOMPARE(timer->timerId(), timerId);
    QVERIFY(m_rig->dialogs().messages().isEmpty());
}

void TestFrameRec::initrec_selectsEachInputThatIsOnInTurn_data() {
    QTest::addColumn<std::vector<Input>>("inputs");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("level");
    QTest::addColumn<std::vector<InputCall>>("calls");
    using K = InputCall::Kind;
    QTest::newRow("all off") << std::vector<Input>{{"A", LineIn, 30, false},
                                                   {"B", Microphone, 60, false}}
                             << -1 << "" << 0 << std::vector<InputCall>{};
    QTest::newRow("the second on")
        << std::vector<Input>{{"A", LineIn, 30, false}, {"B", Microphone, 60, true}} << 1
        << "Microphone" << 60 << std::vector<InputCall>{{K::Off, 0}, {K::Off, 1}, {K::On, 1}};
    // The later one wins and is the only one left on; inputs not yet listed are not touched.
    QTest::newRow("two on") << std::vector<Input>{{"A", LineIn, 30, true},
                                                  {"B", Digital, 45, false},
                                                  {"C", Microphone, 80, true}}
                            << 2 << "Microphone" << 80
                            << std::vector<InputCall>{{K::Off, 0}, {K::On, 0},  {K::Off, 0},
                                                      {K::Off, 1}, {K::Off, 2}, {K::On, 2}};
    QTest::newRow("type 0") << std::vector<Input>{{"A", 0, 10, true}} << 0 << "UnSupport" << 10
                            << std::vector<InputCall>{{K::Off, 0}, {K::On, 0}};
    QTest::newRow("type not in the table")
        << std::vector<Input>{{"A", 0x0B000000, 10, true}} << 0 << "UnSupport" << 10
        << std::vector<InputCall>{{K::Off, 0}, {K::On, 0}};
}

void TestFrameRec::initrec_selectsEachInputThatIsOnInTurn() {
    QFETCH(std::vector<Input>, inputs);
    QFETCH(int, selected);
    QFETCH(QString, type);
    QFETCH(int, level);
    QFETCH(std::vector<InputCall>, calls);
    m_rig->engine().setInputs(inputs);
    FrameRec& rec = enter();
    auto* combo = control<QComboBox>("cmbInput");
    QCOMPARE(combo->count(), int(inputs.size()));
    for (std::size_t i = 0; i < inputs.size(); ++i)
        QCOMPARE(combo->itemText(int(i)), inputs[i].name);
    QCOMPARE(combo->currentIndex(), selected);
    QCOMPARE(rec.inputIndex(), selected);
    QCOMPARE(control<QLabel>("lblInputType")->text(), type);
    QCOMPARE(control<QSlider>("sldInputLevel")->value(), level);
    QCOMPARE(m_rig->engine().inputCalls(), calls);
    for (std::size_t i = 0; i < inputs.size(); ++i)
        QCOMPARE(m_rig->engine().inputs()[i].on, int(i) == selected);
    QVERIFY(button("btnRecord")->isEnabled());
}

void TestFrameRec::initrec_allInputsOffKeepsLevelAndTypeShown() {
    enter();
    QCOMPARE(control<QLabel>("lblInputType")->text(), QStringLiteral("Microphone"));
    m_rig->engine().setInputs({{"Line In", LineIn, 30, false}, {"Mic", Microphone, 80, false}});
    enter();
    QCOMPARE(control<QComboBox>("cmbInput")->currentIndex(), -1);
    QCOMPARE(page().inputIndex(), -1);
    QCOMPARE(control<QLabel>("lblInputType")->text(), QStringLiteral("Microphone"));
    QCOMPARE(control<QSlider>("sldInputLevel")->value(), 80);
}

void TestFrameRec::reentry_listsEachInputOnce() {
    enter();
    enter();
    enter();
    auto* combo = control<QComboBox>("cmbInput");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), QStringLiteral("Line In"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Mic"));
    QCOMPARE(combo->currentIndex(), 1);
}

void TestFrameRec::choosingAnInput_turnsTheOthersOffAndShowsIt() {
    enter();
    auto* combo = control<QComboBox>("cmbInput");
    const auto before = m_rig->engine().inputCalls().size();
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(page().inputIndex(), 0);
    const std::vector<InputCall> all = m_rig->engine().inputCalls();
    const std::vector<InputCall> calls(all.begin() + qsizetype(before), all.end());
    using K = InputCall::Kind;
    QCOMPARE(calls, (std::vector<InputCall>{{K::Off, 0}, {K::Off, 1}, {K::On, 0}}));
    QVERIFY(m_rig->engine().inputs()[0].on);
    QVERIFY(!m_rig->engine().inputs()[1].on);
    QCOMPARE(control<QLabel>("lblInputType")->text(), QStringLiteral("Line-in"));
    QCOMPARE(control<QSlider>("sldInputLevel")->value(), 30);
}

void TestFrameRec::movingTheSlider_setsTheLevelOfTheChosenInput() {
    enter();
    auto* slider = control<QSlider>("sldInputLevel");
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(m_rig->engine().inputs()[1].levelPercent, 100);
    slider->setValue(42);
    QCOMPARE(m_rig->engine().inputs()[1].levelPercent, 42);
    QCOMPARE(m_rig->engine().inputs()[0].levelPercent, 30);
    // Only the user's moves reach the engine; showing a level writes nothing back.
    QCOMPARE(m_rig->engine().count(QStringLiteral("setInputLevel")), 2);
}

void TestFrameRec::buttons_followTheStatesOfTheTake_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("playAndSave");
    QTest::addColumn<bool>("formatShown");
    QTest::newRow("page first shown") << "" << int(State::NoTake) << "Record" << false << false;
    QTest::newRow("recording") << "R" << int(State::Recording) << "Stop" << false << false;
    QTest::newRow("take ready") << "RR" << int(State::TakeReady) << "Record" << true << false;
    QTest::newRow("take without stream")
        << "NRR" << int(State::TakeWithoutStream) << "Record" << false << false;
    QTest::newRow("after Save") << "RRS" << int(State::TakeReady) << "Record" << true << true;
    QTest::newRow("after Wav") << "RRSW" << int(State::TakeReady) << "Record" << true << false;
    QTest::newRow("after MP3") << "RRSM" << int(State::TakeReady) << "Record" << true << false;
}

void TestFrameRec::buttons_followTheStatesOfTheTake() {
    QFETCH(QString, steps);
    QFETCH(int, state);
    QFETCH(QString, caption);
    QFETCH(bool, playAndSave);
    QFETCH(bool, formatShown);
    enter();
    for (QChar step : steps) {
        if (step == u'N')
            m_rig->engine().setCreateStreamFailure(ErrorCode::FileForm);
        else if (step == u'R')
            button("btnRecord")->click();
        else if (step == u'S')
            button("btnSave")->click();
        else if (step == u'W')
            button("CmdWav")->click();
        else if (step == u'M')
            button("CmdMp3")->click();
        m_rig->waitForWork();
    }
    QCOMPARE(int(page().take().state()), state);
    QCOMPARE(button("btnRecord")->text(), caption);
    QVERIFY(button("btnRecord")->isEnabled());
    QCOMPARE(button("btnPlay")->isEnabled(), playAndSave);
    QCOMPARE(button("btnSave")->isEnabled(), playAndSave);
    QCOMPARE(button("CmdWav")->isHidden(), !formatShown);
    QCOMPARE(button("CmdMp3")->isHidden(), !formatShown);
    // The dialogs of Wav and MP3 were cancelled: no box, nothing written.
    QVERIFY(m_rig->dialogs().messages().isEmpty());
    QVERIFY(!QFile::exists(m_rig->host().context().workFolder.tempWav()));
}

void TestFrameRec::record_hidesTheFormatButtonsUntilTheTakeEnds() {
    enter();
    recordTake(4000);
    button("btnSave")->click();
    QVERIFY(!button("CmdWav")->isHidden());
    button("btnRecord")->click();
    QCOMPARE(page().take().state(), State::Recording);
    QVERIFY(button("CmdWav")->isHidden());
    QVERIFY(button("CmdMp3")->isHidden());
    QVERIFY(!button("btnSave")->isEnabled());
    button("btnRecord")->click();
    QVERIFY(button("CmdWav")->isHidden());
    QVERIFY(button("btnSave")->isEnabled());
}

void TestFrameRec::secondTake_releasesTheFirstBeforeCapturing() {
    enter();
    recordTake(8000);
    const auto firstStream = page().take().takeStream();
    QVERIFY(firstStream != 0);
    bool disabledWhenReleased = false;
    m_rig->engine().clearLog();
    const auto watch = connect(&page().take(), &TakeRecorder::stateChanged, this, [&](State state) {
        if (state == State::NoTake)
            disabledWhenReleased = !button("btnPlay")->isEnabled() &&
                                   !button("btnSave")->isEnabled() &&
                                   m_rig->engine().count(QStringLiteral("startCapture")) == 0;
    });
    button("btnRecord")->click();
    disconnect(watch);
    QVERIFY(disabledWhenReleased);
    // The listening capture becomes the take's, so nothing heard is lost between the two.
    QCOMPARE(m_rig->engine().log(),
             (QStringList{QStringLiteral("freeStream %1").arg(firstStream)}));
    QCOMPARE(page().take().takeLength(), 44);
    button("btnRecord")->click();
}

void TestFrameRec::failedCaptureStart_reportsAndLeavesNoTake() {
    enter();
    recordTake(4000);
    // Without the listening capture (refused too) Record starts a capture of its own.
    leave();
    m_rig->engine().setStartCaptureFailure(ErrorCode::Start);
    enter();
    button("btnRecord")->click();
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text,
             QStringLiteral("Couldn't start recording\n\nerror code: 9"));
    QCOMPARE(m_rig->dialogs().messages().first().title, QStringLiteral("Error"));
    QCOMPARE(m_rig->dialogs().messages().first().icon, Dialogs::Icon::Warning);
    checkNoTakeState();
    QVERIFY(page().take().takeBuffer() == nullptr);
}

void TestFrameRec::failedFirstAllocation_reportsOutOfMemory() {
    m_rig->engine().startForRecording();
    PageHost& host = m_rig->createHost();
    FrameRec rec(host.services(), host.framewav().import(), nullptr, {&limitedRealloc, &std::free});
    allocationsAllowed = 0;
    rec.btnRecord_Click();
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text,
             QStringLiteral("Out of memory!\n\nerror code: 1"));
    QCOMPARE(m_rig->engine().count(QStringLiteral("startCapture")), 0);
    QCOMPARE(rec.findChild<QPushButton*>(QStringLiteral("btnRecord"))->text(),
             QStringLiteral("Record"));
    QCOMPARE(rec.take().state(), State::NoTake);
}

void TestFrameRec::failedGrowth_reportsOnTheGuiThreadAndDiscardsTheTake() {
    m_rig->engine().startForRecording();
    PageHost& host = m_rig->createHost();
    FrameRec rec(host.services(), host.framewav().import(), nullptr, {&limitedRealloc, &std::free});
    allocationsAllowed = 1;
    rec.btnRecord_Click();
    auto* record = rec.findChild<QPushButton*>(QStringLiteral("btnRecord"));
    QCOMPARE(record->text(), QStringLiteral("Stop"));
    m_rig->engine().deliverBlocks({150000, 60000});
    QVERIFY(m_rig->engine().waitDelivered());
    // Nothing reaches the page until the GUI thread runs the queued report.
    QVERIFY(m_rig->dialogs().messages().isEmpty());
    QCOMPARE(record->text(), QStringLiteral("Stop"));
    QTRY_COMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text,
             QStringLiteral("Out of memory!\n\nerror code: 1"));
    QCOMPARE(record->text(), QStringLiteral("Record"));
    QCOMPARE(rec.take().state(), State::NoTake);
    QVERIFY(!m_rig->engine().captureRunning());
    QTest::qWait(50);
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
}

void TestFrameRec::sizeLimit_stopsWithAMessageAndKeepsTheTake() {
    enter();
    button("btnRecord")->click();
    m_rig->engine().deliverBlocks({8000});
    QVERIFY(m_rig->engine().waitDelivered());
    static const std::byte dummy[1]{};
    QVERIFY(!page().take().OnCapturedBlock(dummy, std::size_t(WavHeader::MaxDataBytes)));
    QTRY_COMPARE(m_rig->dialogs().messages().size(), 1);
    QVERIFY(m_rig->dialogs().messages().first().text.contains(QStringLiteral("largest size")));
    QCOMPARE(page().take().state(), State::TakeReady);
    QCOMPARE(button("btnRecord")->text(), QStringLiteral("Record"));
    QVERIFY(button("btnPlay")->isEnabled());
    button("btnSave")->click();
    const QString path = m_rig->outside("kept.wav");
    m_rig->dialogs().queueFile(path);
    button("CmdWav")->click();
    m_rig->waitForWork();
    QCOMPARE(QFileInfo(path).size(), 8044);
}

void TestFrameRec::serverEndingTheCapture_keepsTheTake() {
    enter();
    button("btnRecord")->click();
    m_rig->engine().deliverBlocks({3528});
    QVERIFY(m_rig->engine().waitDelivered());
    m_rig->engine().dropCapture();
    QTRY_COMPARE(page().take().state(), State::TakeReady);
    QCOMPARE(page().take().takeLength(), 44 + 3528);
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(button("btnRecord")->text(), QStringLiteral("Record"));
    QVERIFY(button("btnSave")->isEnabled());
    QVERIFY(button("btnAddToList")->isEnabled());
    // The meter measures again; an input gone while only measuring says nothing.
    QVERIFY(m_rig->engine().captureRunning());
    m_rig->engine().dropCapture();
    QTRY_VERIFY(!m_rig->engine().captureRunning());
    QTest::qWait(20);
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(page().take().state(), State::TakeReady);
}

void TestFrameRec::meter_showsTheInputFromEntryUntilThePageIsLeft() {
    enter();
    auto* meter = control<LevelMeterView>("lvlMeter");
    auto* tmrMeter = page().findChild<QTimer*>(QStringLiteral("tmrMeter"));
    QVERIFY(tmrMeter->isActive());
    QCOMPARE(tmrMeter->interval(), 50);
    const auto levelAfter = [&](double amplitude) {
        m_rig->engine().setBlockGenerator(stereo([amplitude](ByteCount frame) {
            return std::int16_t(std::lround(amplitude * 32768 * std::sin(M_PI * frame / 50.0)));
        }));
        m_rig->engine().deliverBlocks({3600, 3600}); // 441 Hz: 18 whole periods
        [&] { QVERIFY(m_rig->engine().waitDelivered()); }();
        page().tmrMeter_Timer();
        return meter->reading();
    };
    const auto squareAfter = [&] {
        m_rig->engine().setBlockGenerator(stereo(
            [](ByteCount frame) { return std::int16_t(frame % 100 < 50 ? 32767 : -32768); }));
        m_rig->engine().deliverBlocks({3600});
        [&] { QVERIFY(m_rig->engine().waitDelivered()); }();
        page().tmrMeter_Timer();
        return meter->reading();
    };

    // Before Record: the input is measured already.
    const LevelMeter::Reading reading = levelAfter(0.25);
    QVERIFY(std::abs(reading.peakDb + 12.04) < 0.1);
    QVERIFY(!reading.clipped);
    QVERIFY(squareAfter().clipped);
    QVERIFY(levelAfter(0.1).clipped);
    // Record puts the clip mark out; the take's own capture is measured.
    button("btnRecord")->click();
    page().tmrMeter_Timer();
    QVERIFY(!meter->reading().clipped);
    QVERIFY(squareAfter().clipped);
    button("btnRecord")->click();
    QVERIFY(levelAfter(0.01).clipped);

    leave();
    QVERIFY(!tmrMeter->isActive());
    QVERIFY(!m_rig->engine().captureRunning());
    QCOMPARE(meter->reading().peakDb, LevelMeter::FloorDb);
}

void TestFrameRec::addToList_givesClipsWhoseDataIsTheTake() {
    m_rig->createHost();
    enter();
    recordTake(SecondOfSound / 2 + 3528);
    QCOMPARE(control<QLabel>("lblTime")->text(), QStringLiteral("0:00.5"));
    page().waitForPicture();
    QVERIFY(page().takePeaks()->complete());
    QCOMPARE(page().takePeaks()->frames(), (page().take().takeLength() - 44) / 4);

    button("btnAddToList")->click();
    m_rig->waitForWork();
    button("btnAddToList")->click();
    m_rig->waitForWork();
    Framewav& list = m_rig->framewav();
    QCOMPARE(list.clipNames(), (QStringList{"Voice", "Voice (2)"}));
    QCOMPARE(testaudio::readAll(list.clips().clipFile(0)), imageOf(page().take()));
    QCOMPARE(testaudio::readAll(list.clips().clipFile(1)), imageOf(page().take()));
    QCOMPARE(m_rig->dialogs().messages().size(), 2);
    QCOMPARE(m_rig->dialogs().messages().last().icon, Dialogs::Icon::Information);
    QVERIFY(m_rig->dialogs().messages().last().text.contains(QStringLiteral("\"Voice (2)\"")));
    QVERIFY(!QFileInfo::exists(m_rig->work().file(QStringLiteral("take"))));
}

void TestFrameRec::nearingTheSizeLimit_warnsOnceThenEndsAndKeepsTheTake() {
    enter();
    const ByteCount limit = TakeRecorder::WarningBytes + 44 + 2 * 3528;
    page().take().setMaxTakeBytes(limit);
    button("btnRecord")->click();
    m_rig->engine().deliverBlocks({3528});
    QVERIFY(m_rig->engine().waitDelivered());
    QTest::qWait(20);
    QVERIFY(m_rig->dialogs().messages().isEmpty());
    m_rig->engine().deliverBlocks({3528});
    QVERIFY(m_rig->engine().waitDelivered());
    QTRY_COMPARE_WITH_TIMEOUT(m_rig->dialogs().messages().size(), 1, 60000);
    QVERIFY(m_rig->dialogs().messages().first().text.contains(QStringLiteral("five minutes")));
    QCOMPARE(page().take().state(), State::Recording);

    // 60 MB of take: under the sanitizer on a busy machine that takes a while.
    m_rig->engine().deliverBlocks(std::vector<std::size_t>(60, 1000000));
    QTRY_COMPARE_WITH_TIMEOUT(page().take().state(), State::TakeReady, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(m_rig->dialogs().messages().size(), 2, 60000);
    QVERIFY(m_rig->dialogs().messages().last().text.contains(QStringLiteral("largest size")));
    QCOMPARE(page().take().takeLength(), 44 + 2 * 3528 + 52 * 1000000);
    QVERIFY(button("btnSave")->isEnabled());
}

void TestFrameRec::noServer_reportsAndLeavesRecordDisabled_data() {
    QTest::addColumn<bool>("serverDown");
    QTest::addColumn<QString>("text");
    QTest::newRow("no server") << true << "Can't initialize device\n\nerror code: 3";
    QTest::newRow("no input") << false << "Can't initialize device\n\nerror code: 23";
}

void TestFrameRec::noServer_reportsAndLeavesRecordDisabled() {
    QFETCH(bool, serverDown);
    QFETCH(QString, text);
    enter();
    if (serverDown)
        m_rig->engine().setStartForRecordingFailure(ErrorCode::Driver);
    else
        m_rig->engine().setInputs({});
    enter();
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text, text);
    QCOMPARE(m_rig->dialogs().messages().first().title, QStringLiteral("Error"));
    checkNoTakeState();
    QVERIFY(!button("btnRecord")->isEnabled());
    QCOMPARE(control<QComboBox>("cmbInput")->count(), 0);
    QCOMPARE(page().inputIndex(), -1);
    page().tmrRecTest_Timer();

    // The program runs on: other pages work, and the page recovers with the server.
    leave();
    m_rig->engine().setStartForRecordingFailure(ErrorCode::Ok);
    m_rig->engine().setInputs({{"Mic", Microphone, 80, true}});
    enter();
    QVERIFY(button("btnRecord")->isEnabled());
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
}

// A user who looks at the clip list between recording and saving still has the take.
void TestFrameRec::pageSwitch_keepsTheTakeToPlayAndSave() {
    enter();
    recordTake(4000);
    button("btnSave")->click();
    QVERIFY(!button("CmdMp3")->isHidden());
    leave();
    QVERIFY(!m_rig->engine().captureRunning());
    enter();
    QCOMPARE(page().take().state(), State::TakeReady);
    QVERIFY(button("btnPlay")->isEnabled());
    QVERIFY(button("btnSave")->isEnabled());
    QVERIFY(button("CmdMp3")->isHidden());
    QCOMPARE(page().take().takeLength(), 44 + 4000);

    // Leaving while recording ends the take as Stop does; it is there on the way back.
    button("btnRecord")->click();
    m_rig->engine().deliverBlocks({3528});
    QVERIFY(m_rig->engine().waitDelivered());
    leave();
    QVERIFY(!m_rig->engine().captureRunning());
    QCOMPARE(page().take().recordChannel(), 0u);
    enter();
    QCOMPARE(page().take().state(), State::TakeReady);
    QCOMPARE(page().take().takeLength(), 44 + 3528);
    const QString path = m_rig->appFile(QStringLiteral("kept.wav"));
    QVERIFY(page().take().writeTo(path).isOk());
    QCOMPARE(QFileInfo(path).size(), 44 + 3528);
}

void TestFrameRec::startOnSound_waitsSayingSoUntilTheSoundComes() {
    enter();
    control<QSlider>("sldSoundLevel")->setValue(-20);
    control<QCheckBox>("chkStartOnSound")->setChecked(true);
    m_rig->engine().setBlockGenerator(stereo([](ByteCount) { return std::int16_t(100); }));
    button("btnRecord")->click();
    m_rig->engine().deliverBlocks({3528, 3528});
    QVERIFY(m_rig->engine().waitDelivered());
    QCOMPARE(page().take().state(), State::WaitingForSound);
    QCOMPARE(control<QLabel>("lblTime")->text(), QStringLiteral("Waiting for sound\u2026"));
    page().tmrRecTest_Timer();
    QCOMPARE(lblPos(), QStringLiteral("0"));
    QCOMPARE(button("btnRecord")->text(), QStringLiteral("Stop"));
    QVERIFY(!control<QCheckBox>("chkStartOnSound")->isEnabled());
    // Nothing came: Stop leaves no take.
    button("btnRecord")->click();
    checkNoTakeState();
}

void TestFrameRec::cleanUp_trimsTheTakeToItsVoice() {
    enter();
    control<QDoubleSpinBox>("spnPreRoll")->setValue(0);
    // A second of silence around a second of a 441 Hz tone, over a faint steady hiss.
    m_rig->engine().setBlockGenerator(stereo([](ByteCount frame) {
        const bool voice = frame >= 44100 && frame < 2 * 44100;
        const double hiss = 30.0 * ((frame * 7919) % 13 - 6) / 6.0;
        return std::int16_t(std::lround(hiss + (voice ? 8000 * std::sin(M_PI * frame / 50.0) : 0)));
    }));
    recordTake(3 * SecondOfSound);
    QCOMPARE(page().take().takeLength(), 44 + 3 * SecondOfSound);
    control<QToolButton>("CmdCleanUp")->click();
    m_rig->waitForWork();
    // The voice and a fifth of a second of room on each side are left.
    const auto kept = std::size_t(page().take().takeLength() - 44);
    QVERIFY2(kept > SecondOfSound * 13 / 10 && kept < SecondOfSound * 15 / 10,
             qPrintable(QString::number(kept)));
    QCOMPARE(page().take().state(), State::TakeReady);
    QVERIFY(button("btnSave")->isEnabled());
}

void TestFrameRec::timer_showsCapturedBytesWhileRecording() {
    enter();
    page().tmrRecTest_Timer();
    QCOMPARE(lblPos(), QString());
    button("btnRecord")->click();
    page().tmrRecTest_Timer();
    QCOMPARE(lblPos(), QStringLiteral("0"));
    m_rig->engine().deliverBlocks(std::vector<std::size_t>(10, 3528));
    QVERIFY(m_rig->engine().waitDelivered());
    page().tmrRecTest_Timer();
    page().tmrMeter_Timer();
    QCOMPARE(lblPos(), QStringLiteral("35280"));
    QCOMPARE(control<QLabel>("lblTime")->text(), QStringLiteral("0:00.2"));
    button("btnRecord")->click();
    page().tmrRecTest_Timer();
    QCOMPARE(lblPos(), QStringLiteral("35280"));
    QCOMPARE(control<QLabel>("lblTime")->text(), QStringLiteral("0:00.2"));
}

void TestFrameRec::timer_showsPositionAndLengthWhilePlayingThenLength() {
    m_rig->engine().setPlayMode(ScriptedEngine::PlayMode::ManualClock);
    enter();
    recordTake(SecondOfSound);
    page().tmrRecTest_Timer();
    QCOMPARE(lblPos(), QStringLiteral("176400"));
    button("btnPlay")->click();
    QCOMPARE(m_rig->engine().count(QStringLiteral("play")), 1);
    m_rig->engine().advanceMs(500);
    page().tmrRecTest_Timer();
    QCOMPARE(lblPos(), QStringLiteral("88200 / 176400"));
    m_rig->engine().advanceMs(600);
    page().tmrRecTest_Timer();
    QCOMPARE(lblPos(), QStringLiteral("176400"));

    // Back on the page after a switch, the kept take shows its length.
    enter();
    page().tmrRecTest_Timer();
    QCOMPARE(lblPos(), QStringLiteral("176400"));
}

void TestFrameRec::saveWav_writesExactlyTheTake() {
    enter();
    recordTake(4 * 1000 + 3528 * 60);
    const qint64 frames = (4 * 1000 + 3528 * 60) / 4;
    const QString path = m_rig->outside("take.wav");
    QVERIFY(testaudio::writeAll(path, QByteArray(1000000, 'x')));
    button("btnSave")->click();
    m_rig->dialogs().queueFile(path);
    button("CmdWav")->click();
    m_rig->waitForWork();

    QCOMPARE(m_rig->dialogs().files().size(), 1);
    const Dialogs::FileRequest& request = m_rig->dialogs().files().first().request;
    QCOMPARE(request.mode, Dialogs::FileRequest::Mode::Save);
    QCOMPARE(request.title, QStringLiteral("Save As..."));
    QCOMPARE(request.filter, QStringLiteral("WAV files|*.wav|All files|*.*"));
    QCOMPARE(request.defaultExtension, QStringLiteral("wav"));
    QCOMPARE(request.flags, SaveFlags);

    const QByteArray written = testaudio::readAll(path);
    QCOMPARE(written.size(), 44 + 4 * frames);
    QCOMPARE(written, imageOf(page().take()));
    QCOMPARE(testaudio::le32(written, 40), std::uint32_t(4 * frames));
    QCOMPARE(testaudio::le32(written, 4), std::uint32_t(4 * frames + 36));
    QCOMPARE(written.mid(44), ScriptedEngine::counterPattern(0, std::size_t(4 * frames)));
    QVERIFY(button("CmdWav")->isHidden());
    QVERIFY(m_rig->dialogs().messages().isEmpty());
    QVERIFY(!QFile::exists(m_rig->host().context().workFolder.tempWav()));
}

void TestFrameRec::saveWav_cancelledOrUncreatableWritesNothing() {
    enter();
    recordTake(4000);
    button("btnSave")->click();
    m_rig->dialogs().queueFileCancel();
    button("CmdWav")->click();
    m_rig->waitForWork();
    QVERIFY(m_rig->dialogs().messages().isEmpty());
    QVERIFY(button("CmdWav")->isHidden());

    const QString path = m_rig->outside("missing-folder/take.wav");
    button("btnSave")->click();
    m_rig->dialogs().queueFile(path);
    button("CmdWav")->click();
    m_rig->waitForWork();
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text,
             QStringLiteral("Can't create the file\n\nerror code: 33"));
    QVERIFY(!QFile::exists(path));
    QVERIFY(button("CmdWav")->isHidden());
    QVERIFY(button("CmdMp3")->isHidden());
    QVERIFY(!QFileInfo::exists(m_rig->outside("missing-folder")));
}

void TestFrameRec::saveMp3_encodesTempWavToTheChosenName() {
    m_rig->createHost();
    auto* text1 = m_rig->framewav().findChild<QLineEdit*>(QStringLiteral("Text1"));
    text1->setText(QStringLiteral("-"));
    enter();
    recordTake(SecondOfSound);
    QSignalSpy finished(&m_rig->encoder(), &Mp3Encoder::EncodeFinished);
    button("btnSave")->click();
    m_rig->dialogs().queueFile(m_rig->outside("ring"));
    button("CmdMp3")->click();
    m_rig->waitForWork();

    const Dialogs::FileRequest& request = m_rig->dialogs().files().first().request;
    QCOMPARE(request.title, QStringLiteral("Save As..."));
    QCOMPARE(request.filter, QStringLiteral("MP3 files|*.MP3"));
    QCOMPARE(request.defaultExtension, QStringLiteral("mp3"));
    QCOMPARE(request.flags, SaveFlags);
    const QString tempWav = m_rig->host().context().workFolder.tempWav();
    QCOMPARE(testaudio::readAll(tempWav), imageOf(page().take()));
    QCOMPARE(text1->text(), QStringLiteral("0"));
    QVERIFY(button("CmdMp3")->isHidden());
    // The encoding neither disables the window nor shows the busy window.
    QVERIFY(m_rig->host().isEnabled());
    QVERIFY(!m_rig->host().frmLoad().isVisible());

    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 60000);
    QCOMPARE(finished.first().at(0).toBool(), true);
    QCOMPARE(finished.first().at(2).toString(), m_rig->outside("ring.mp3"));
    QVERIFY(QFileInfo(m_rig->outside("ring.mp3")).size() > 0);
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text.section('\n', 0, 0), "Finish Save");
    QVERIFY(QFile::exists(tempWav));
}

void TestFrameRec::saveMp3_withoutTempWavStartsNoEncoder() {
    enter();
    recordTake(4000);
    QSignalSpy finished(&m_rig->encoder(), &Mp3Encoder::EncodeFinished);
    // Cancelled: nothing written, nothing encoded.
    button("btnSave")->click();
    m_rig->dialogs().queueFileCancel();
    button("CmdMp3")->click();
    m_rig->waitForWork();
    const QString tempWav = m_rig->host().context().workFolder.tempWav();
    QVERIFY(!QFile::exists(tempWav));

    // tempwav.wav cannot be made (a folder has its name): reported, encoder not started.
    QVERIFY(QDir().mkpath(tempWav));
    button("btnSave")->click();
    m_rig->dialogs().queueFile(m_rig->outside("ring.mp3"));
    button("CmdMp3")->click();
    m_rig->waitForWork();
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text,
             QStringLiteral("Can't create the file\n\nerror code: 33"));
    QVERIFY(button("CmdMp3")->isHidden());
    m_rig->encoder().waitForDone();
    QCOMPARE(finished.size(), 0);
    QVERIFY(!QFile::exists(m_rig->outside("ring.mp3")));
}

QTEST_MAIN(TestFrameRec)
#include "tst_frame_rec.moc"
