// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "audio/pulse/pulse_engine.h"
#include "cliplist/clip_list.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/framewav.h"
#include "cliplist/ui/list_player_panel.h"
#include "codec/mp3_encoder.h"
#include "support/page_host.h"
#include "support/pulse_daemon.h"
#include "support/scripted_dialogs.h"
#include "support/test_audio.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// The list page playing through the real sound server, which goes away mid-play.
class TestPulseListPlayback : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { START_PULSE_DAEMON(m_daemon); }

    // Playback stops, Pause lets go and the time stays where the sound stopped, the user is
    // told once, and Play works again once a server is there, without a restart.
    void serverGoingAway_stopsPlaybackAndSaysSo() {
        QTemporaryDir files;
        const WorkFolder work(files.filePath("work"));
        QVERIFY(work.prepare());
        const WavFormat format{2, 44100, 16};
        testaudio::writeWav(work.clipFile("song"), format,
                            testaudio::sinePcm(format, 30 * format.sampleRateHz));
        PulseEngine engine;
        Mp3Encoder encoder;
        ScriptedDialogs dialogs;
        MediaPlayer player(engine);
        PageHost host(AppContext{engine, player, player, encoder, dialogs, files.path(), work},
                      dialogs);
        Framewav& page = host.framewav();
        page.clips().append("song");
        page.list().setCurrentRow(0);
        auto* pause = page.findChild<QPushButton*>("CmdPause");
        {
            PulseDaemon shortLived;
            START_PULSE_DAEMON(shortLived);
            page.playback().CmdPlay_Click();
            QCOMPARE(player.state(), MediaPlayer::State::Playing);
            QTRY_VERIFY_WITH_TIMEOUT(player.positionMs() > 500, 60000);
            pause->click();
            pause->click(); // paused and going on again, as a user may have
            // Stopping it points PULSE_SERVER back at the test's own daemon.
        }
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.messages().size(), 1, 60000);
        QVERIFY2(dialogs.messages().first().text.contains("sound server"),
                 qPrintable(dialogs.messages().first().text));
        QCOMPARE(player.state(), MediaPlayer::State::Stopped);
        QVERIFY(!pause->isChecked());
        const std::int64_t lostAt = player.positionMs();
        page.playback().Timer1_Timer();
        QVERIFY(page.findChild<QLabel*>("lblListPos")->text().endsWith("of 0:30"));

        page.playback().CmdPlay_Click();
        QCOMPARE(player.state(), MediaPlayer::State::Playing);
        QVERIFY(player.positionMs() < lostAt); // from the clip's start, as Play does
        QTRY_VERIFY_WITH_TIMEOUT(player.positionMs() > 500, 60000);
        QCOMPARE(dialogs.messages().size(), 1);
    }

private:
    PulseDaemon m_daemon;
};

QTEST_MAIN(TestPulseListPlayback)
#include "tst_pulse_list_playback.moc"
