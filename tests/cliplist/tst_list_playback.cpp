// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "cliplist/edit_session.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/editor_panel.h"
#include "cliplist/ui/framewav.h"
#include "cliplist/ui/list_player_panel.h"
#include "support/scripted_dialogs.h"
#include "support/test_audio.h"
#include "support/window_rig.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const WavFormat ClipFormat{1, 8000, 8};
const QStringList PlayerButtons = {"CmdFoward", "CmdPause", "CmdPlay", "CmdStop", "CmdNext"};
constexpr int ClipMs = 1000;

} // namespace

class TestListPlayback : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_rig.reset(); }

    void play_withNothingSelectedAsksForASong();
    void play_followsTheListWhilePlayListIsChecked_data();
    void play_followsTheListWhilePlayListIsChecked();
    void play_againReplaysTheSelectedEntry();
    void stop_keepsTheClipOpenAndEndsTheList();
    void pause_holdsThePlaceAndTheNextPressGoesOn();
    void nextAndForward_playBesideThePlayingEntryAndTheListGoesOn();
    void timer_setsTheButtonsByListAndSelection_data();
    void timer_setsTheButtonsByListAndSelection();

private:
    ListPlayerPanel& playback() const { return m_rig->framewav().playback(); }
    QCheckBox& check1() const { return *m_rig->framewav().findChild<QCheckBox*>("Check1"); }
    void addClips(int count);
    // The clip name of every play the list player starts.
    void recordPlays();
    QString playing() const;

    std::unique_ptr<WindowRig> m_rig;
    QStringList m_played;
};

void TestListPlayback::init() {
    m_rig = std::make_unique<WindowRig>();
    m_played.clear();
}

void TestListPlayback::addClips(int count) {
    for (int i = 0; i < count; ++i)
        m_rig->addClip(QString(QChar('a' + i)), ClipFormat,
                       testaudio::sinePcm(ClipFormat, ClipFormat.sampleRateHz * ClipMs / 1000));
}

void TestListPlayback::recordPlays() {
    connect(&playback(), &ListPlayerPanel::clipStarted, this,
            [this](int row) { m_played << m_rig->framewav().clipNames().at(row); });
}

QString TestListPlayback::playing() const {
    return QFileInfo(m_rig->listPlayer().fileName()).completeBaseName();
}

void TestListPlayback::play_withNothingSelectedAsksForASong() {
    addClips(2);
    playback().CmdPlay_Click();
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text, "Please select the song to play");
    QCOMPARE(m_rig->dialogs().messages().first().title, "KorvaNel Tunecarver");
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Closed);
}

void TestListPlayback::play_followsTheListWhilePlayListIsChecked_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("toggleDuring"); // toggles Check1 while this clip (0-based) plays
    QTest::addColumn<QStringList>("played");
    QTest::addColumn<int>("playIndex");
    QTest::addColumn<bool>("closedAtEnd");
    QTest::newRow("unchecked: one clip") << 1 << false << -1 << QStringList{"b"} << 2 << false;
    QTest::newRow("checked: to the end")
        << 0 << true << -1 << QStringList{"a", "b", "c"} << 3 << true;
    QTest::newRow("checked on the last entry") << 2 << true << -1 << QStringList{"c"} << 3 << true;
    QTest::newRow("checked while the first plays")
        << 0 << false << 0 << QStringList{"a", "b", "c"} << 3 << true;
    QTest::newRow("unchecked while the second plays")
        << 0 << true << 1 << QStringList{"a", "b"} << 2 << false;
}

void TestListPlayback::play_followsTheListWhilePlayListIsChecked() {
    QFETCH(int, selected);
    QFETCH(bool, checked);
    QFETCH(int, toggleDuring);
    QFETCH(QStringList, played);
    QFETCH(int, playIndex);
    QFETCH(bool, closedAtEnd);
    addClips(3);
    m_rig->list().setCurrentRow(selected);
    check1().setChecked(checked);
    recordPlays();

    playback().CmdPlay_Click();
    for (int clip = 0; clip < 4; ++clip) {
        if (clip == toggleDuring)
            check1().toggle();
        m_rig->advanceMs(ClipMs / 2);
        // The selection follows the clip that plays; it is set by code, which must leave the
        // list player playing.
        if (m_played.size() == clip + 1) {
            QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Playing);
            QCOMPARE(m_rig->framewav().clipNames().value(m_rig->list().currentRow()), playing());
            QCOMPARE(m_rig->list().selectedRow(), m_rig->list().currentRow());
        }
        m_rig->advanceMs(ClipMs / 2);
    }

    QCOMPARE(m_played, played);
    QCOMPARE(playback().PlayIndex(), playIndex);
    QCOMPARE(m_rig->listPlayer().state(),
             closedAtEnd ? MediaPlayer::State::Closed : MediaPlayer::State::Stopped);
    QCOMPARE(m_rig->framewav().clipNames().value(m_rig->list().currentRow()), played.last());
    QVERIFY(m_rig->dialogs().messages().isEmpty());
}

void TestListPlayback::play_againReplaysTheSelectedEntry() {
    addClips(3);
    m_rig->list().setCurrentRow(1);
    recordPlays();
    playback().CmdPlay_Click();
    m_rig->advanceMs(ClipMs);
    playback().CmdPlay_Click();
    m_rig->advanceMs(ClipMs);
    QCOMPARE(m_played, QStringList({"b", "b"}));
}

void TestListPlayback::stop_keepsTheClipOpenAndEndsTheList() {
    addClips(3);
    m_rig->list().setCurrentRow(0);
    check1().setChecked(true);
    recordPlays();
    playback().CmdPlay_Click();
    m_rig->advanceMs(ClipMs / 2);
    playback().CmdStop_Click();
    m_rig->advanceMs(3 * ClipMs);
    QCOMPARE(m_played, QStringList{"a"});
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Stopped);
    QCOMPARE(m_rig->listPlayer().positionMs(), ClipMs / 2);
    QCOMPARE(playback().PlayIndex(), 1);
}

void TestListPlayback::pause_holdsThePlaceAndTheNextPressGoesOn() {
    addClips(2);
    m_rig->list().setCurrentRow(0);
    check1().setChecked(true);
    recordPlays();
    auto* pause = static_cast<QPushButton*>(m_rig->control("CmdPause"));
    auto* position = static_cast<QLabel*>(m_rig->control("lblListPos"));
    playback().CmdPlay_Click();
    playback().Timer1_Timer();
    m_rig->advanceMs(300);
    pause->click();
    QVERIFY(pause->isChecked());
    m_rig->advanceMs(5 * ClipMs);
    QCOMPARE(m_rig->listPlayer().positionMs(), 300);
    playback().Timer1_Timer();
    QCOMPARE(position->text(), "0:00 of 0:01");

    pause->click();
    QVERIFY(!pause->isChecked());
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Playing);
    m_rig->advanceMs(ClipMs - 300);
    QCOMPARE(m_played, QStringList({"a", "b"}));
    // A stop while paused ends the pause; pressing Pause on a stopped player does nothing.
    pause->click();
    playback().CmdStop_Click();
    QVERIFY(!pause->isChecked());
    pause->click();
    QVERIFY(!pause->isChecked());
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Stopped);
}

void TestListPlayback::nextAndForward_playBesideThePlayingEntryAndTheListGoesOn() {
    addClips(4);
    check1().setChecked(true);
    recordPlays();
    m_rig->list().setCurrentRow(1);
    playback().CmdNext_Click(); // nothing plays: after the selected one
    playback().CmdNext_Click(); // after the one that plays
    m_rig->advanceMs(ClipMs / 2);
    playback().CmdFoward_Click();
    QCOMPARE(m_rig->list().selectedRow(), 2);
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Playing);
    m_rig->advanceMs(ClipMs);
    m_rig->advanceMs(ClipMs);
    playback().CmdNext_Click(); // at the last entry: nothing
    m_rig->advanceMs(ClipMs);
    QCOMPARE(m_played, QStringList({"c", "d", "c", "d"}));
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Closed);

    m_rig->list().setCurrentRow(0);
    playback().CmdFoward_Click(); // before the first: nothing
    QCOMPARE(m_played.size(), 4);
}

void TestListPlayback::timer_setsTheButtonsByListAndSelection_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("editMode"); // "Edit": a clip open; "Play": after Done
    QTest::addColumn<QStringList>("enabled");
    const QStringList playStopPause{"CmdPause", "CmdPlay", "CmdStop"};
    QTest::newRow("empty list") << 0 << -1 << "" << QStringList{};
    QTest::newRow("1 of 1") << 1 << 0 << "" << playStopPause;
    QTest::newRow("none of 1") << 1 << -1 << "" << playStopPause;
    QTest::newRow("1 of 2") << 2 << 0 << "" << playStopPause + QStringList{"CmdNext"};
    QTest::newRow("2 of 2") << 2 << 1 << "" << playStopPause + QStringList{"CmdFoward"};
    QTest::newRow("2 of 3") << 3 << 1 << "" << playStopPause + QStringList{"CmdNext", "CmdFoward"};
    QTest::newRow("3 of 3") << 3 << 2 << "" << playStopPause + QStringList{"CmdFoward"};
    QTest::newRow("2 of 3, editing") << 3 << 1 << "Edit" << QStringList{"CmdNext", "CmdFoward"};
    QTest::newRow("1 of 2, after Done")
        << 2 << 0 << "Play" << playStopPause + QStringList{"CmdNext"};
}

void TestListPlayback::timer_setsTheButtonsByListAndSelection() {
    QFETCH(int, count);
    QFETCH(int, selected);
    QFETCH(QString, editMode);
    QFETCH(QStringList, enabled);
    addClips(count);
    m_rig->list().setCurrentRow(selected);
    EditorPanel& editor = m_rig->framewav().editor();
    if (!editMode.isEmpty())
        editor.List1_DblClick();
    if (editMode == "Play") {
        editor.CmdEditDone_Click();
        m_rig->waitForWork();
    }
    QCOMPARE(m_rig->framewav().session().EditMode(), editMode);
    for (const QString& name : PlayerButtons)
        m_rig->control(name)->setEnabled(false);

    playback().Timer1_Timer();

    for (const QString& name : PlayerButtons)
        QVERIFY2(m_rig->control(name)->isEnabled() == enabled.contains(name), qPrintable(name));
}

QTEST_MAIN(TestListPlayback)
#include "tst_list_playback.moc"
