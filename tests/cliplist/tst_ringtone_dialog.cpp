// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/ringtone_dialog.h"
#include "support/scripted_engine.h"
#include "support/test_audio.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// The ringtone dialog itself: its choices and its "Play loop". The page's use of the
// choices is tested with the page, the loop's sound with the ringtone code.
class TestRingtoneDialog : public QObject {
    Q_OBJECT
private slots:
    void loop_hasNoFadeOutAndPlaysThreeTimes();
};

void TestRingtoneDialog::loop_hasNoFadeOutAndPlaysThreeTimes() {
    const QTemporaryDir dir;
    const int frames = 44100;
    const QString clip = testaudio::writeSineWav(dir.filePath("a.wav"), {2, 44100, 16}, frames);
    ScriptedEngine engine;
    engine.setPlayMode(ScriptedEngine::PlayMode::ManualClock);
    RingtonePrompt::Choice initial;
    initial.title = "a";
    RingtoneDialog dialog(initial, true, clip, &engine);
    auto* play = dialog.findChild<QPushButton*>("playLoop");
    QVERIFY(!play->isEnabled());

    dialog.findChild<QCheckBox*>("loop")->setChecked(true);
    dialog.findChild<QLineEdit*>("title")->setText(" Wake Up ");
    QVERIFY(!dialog.findChild<QCheckBox*>("fadeOut")->isEnabled());
    const RingtonePrompt::Choice chosen = dialog.choice();
    QVERIFY(chosen.loop && !chosen.fadeOut);
    QCOMPARE(chosen.title, "Wake Up");

    play->click();
    QCOMPARE(engine.streams().size(), std::size_t(1));
    const AudioEngine::Handle stream = engine.streams().front();
    QVERIFY(engine.isActive(stream));
    // The loop loses its last 30 ms to the crossfade: the clip has no sound after its end.
    const ByteCount loopBytes = (frames - frames * ringtone::LoopCrossfadeMs / 1000) * 4;
    QCOMPARE(engine.length(stream), RingtoneDialog::LoopPlays * loopBytes);

    play->click();
    QVERIFY(engine.streams().empty());
}

QTEST_MAIN(TestRingtoneDialog)
#include "tst_ringtone_dialog.moc"
