// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "support/scripted_engine.h"
#include "support/test_audio.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using State = MediaPlayer::State;

Q_DECLARE_METATYPE(WavFormat)

class TestMediaPlayer : public QObject {
    Q_OBJECT
private slots:
    void init();

    void command_wordsInAnyCase_data();
    void command_wordsInAnyCase();
    void command_unknownWordChangesNothing_data();
    void command_unknownWordChangesNothing();
    void open_badFileFailsAndChangesNothing_data();
    void open_badFileFailsAndChangesNothing();

    void done_onceAtNaturalEnd();
    void done_notForStopCloseOrReopen_data();
    void done_notForStopCloseOrReopen();
    void done_staleEndOfPreviousClipIsIgnored();
    void play_atEndStartsAgain();

    void setFrom_seeksForNextPlay();
    void position_followsFormat_data();
    void position_followsFormat();

    void statusUpdate_onlyWhileOpen();
    void play_afterEngineReleaseCreatesStreamAgain();

private:
    QString wav(const QString& name, const WavFormat& format, double seconds);
    void pumpEvents() { QCoreApplication::processEvents(); }

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedEngine> m_engine;
    std::unique_ptr<MediaPlayer> m_player;
    QString m_tenSeconds; // 44100 Hz, 2 channels, 16 bit
};

QString TestMediaPlayer::wav(const QString& name, const WavFormat& format, double seconds) {
    return testaudio::writeSineWav(m_dir.filePath(name), format,
                                   std::int64_t(seconds * format.sampleRateHz));
}

void TestMediaPlayer::init() {
    m_player.reset();
    m_engine = std::make_unique<ScriptedEngine>();
    m_engine->setPlayMode(ScriptedEngine::PlayMode::ManualClock);
    m_player = std::make_unique<MediaPlayer>(*m_engine);
    if (m_tenSeconds.isEmpty())
        m_tenSeconds = wav(QStringLiteral("ten.wav"), {2, 44100, 16}, 10.0);
    m_player->setFileName(m_tenSeconds);
}

void TestMediaPlayer::command_wordsInAnyCase_data() {
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<State>("state");
    QTest::newRow("open") << QStringList{"open"} << State::Stopped;
    QTest::newRow("Open") << QStringList{"Open"} << State::Stopped;
    QTest::newRow("OPEN padded") << QStringList{"  OPEN "} << State::Stopped;
    QTest::newRow("play") << QStringList{"open", "play"} << State::Playing;
    QTest::newRow("Play") << QStringList{"open", "Play"} << State::Playing;
    QTest::newRow("stop") << QStringList{"open", "play", "stop"} << State::Stopped;
    QTest::newRow("Stop") << QStringList{"open", "play", "Stop"} << State::Stopped;
    QTest::newRow("close") << QStringList{"open", "play", "close"} << State::Closed;
    QTest::newRow("Close") << QStringList{"Open", "Close"} << State::Closed;
}

void TestMediaPlayer::command_wordsInAnyCase() {
    QFETCH(QStringList, words);
    QFETCH(State, state);
    for (const QString& word : words)
        QVERIFY2(m_player->command(word), qPrintable(word));
    QCOMPARE(m_player->state(), state);
}

void TestMediaPlayer::command_unknownWordChangesNothing_data() {
    QTest::addColumn<QString>("word");
    QTest::newRow("empty") << QString();
    QTest::newRow("pause") << QStringLiteral("pause");
    QTest::newRow("prefix") << QStringLiteral("pla");
    QTest::newRow("two words") << QStringLiteral("play stop");
}

void TestMediaPlayer::command_unknownWordChangesNothing() {
    QFETCH(QString, word);
    QVERIFY(m_player->command("open"));
    QVERIFY(m_player->command("play"));
    m_engine->advanceMs(1000);
    QSignalSpy changes(m_player.get(), &MediaPlayer::stateChanged);
    QCOMPARE(m_player->command(word).code(), ErrorCode::IllegalParam);
    QCOMPARE(m_player->state(), State::Playing);
    QCOMPARE(m_player->positionMs(), 1000);
    QCOMPARE(changes.count(), 0);
}

void TestMediaPlayer::open_badFileFailsAndChangesNothing_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("wasOpen");
    QTest::newRow("missing, closed") << QStringLiteral("missing.wav") << false;
    QTest::newRow("text, closed") << QStringLiteral("text.wav") << false;
    QTest::newRow("missing, open") << QStringLiteral("missing.wav") << true;
    QTest::newRow("text, open") << QStringLiteral("text.wav") << true;
}

void TestMediaPlayer::open_badFileFailsAndChangesNothing() {
    QFETCH(QString, file);
    QFETCH(bool, wasOpen);
    testaudio::writeAll(m_dir.filePath("text.wav"), "this is not a sound file\n");
    if (wasOpen)
        QVERIFY(m_player->command("open"));
    m_player->setFileName(m_dir.filePath(file));
    const Status status = m_player->command("open");
    QVERIFY(!status);
    QVERIFY2(status.message().contains(file), qPrintable(status.message()));
    QCOMPARE(m_player->state(), wasOpen ? State::Stopped : State::Closed);
    QCOMPARE(m_player->lengthMs(), wasOpen ? 10000 : 0);
    QCOMPARE(bool(m_player->command("play")), wasOpen);
}

void TestMediaPlayer::done_onceAtNaturalEnd() {
    QSignalSpy done(m_player.get(), &MediaPlayer::done);
    QVERIFY(m_player->command("open"));
    QVERIFY(m_player->command("play"));
    m_engine->advanceMs(9999);
    pumpEvents();
    QCOMPARE(done.count(), 0);
    m_engine->advanceMs(1);
    QCOMPARE(done.count(), 0); // the engine reports the end through the event loop
    pumpEvents();
    QCOMPARE(done.count(), 1);
    QCOMPARE(m_player->state(), State::Stopped);
    QCOMPARE(m_player->positionMs(), 0);
    m_engine->advanceMs(20000);
    QVERIFY(m_player->command("stop"));
    QVERIFY(m_player->command("close"));
    pumpEvents();
    QCOMPARE(done.count(), 1);
}

void TestMediaPlayer::done_notForStopCloseOrReopen_data() {
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("endFirst"); // the end is already queued when the words arrive
    QTest::newRow("stop") << QStringList{"stop"} << false;
    QTest::newRow("close") << QStringList{"close"} << false;
    QTest::newRow("reopen") << QStringList{"open"} << false;
    QTest::newRow("stop after queued end") << QStringList{"stop"} << true;
    QTest::newRow("close after queued end") << QStringList{"stop", "close"} << true;
    QTest::newRow("open after queued end") << QStringList{"open"} << true;
}

void TestMediaPlayer::done_notForStopCloseOrReopen() {
    QFETCH(QStringList, words);
    QFETCH(bool, endFirst);
    QSignalSpy done(m_player.get(), &MediaPlayer::done);
    QVERIFY(m_player->command("open"));
    QVERIFY(m_player->command("play"));
    m_engine->advanceMs(endFirst ? 10000 : 4000);
    for (const QString& word : words)
        QVERIFY(m_player->command(word));
    m_engine->advanceMs(60000);
    pumpEvents();
    QCOMPARE(done.count(), 0);
}

// The list player's sequence for the next clip is stop, close, open, play; the end of the
// clip before it may still be queued then, and must not count for the new one.
void TestMediaPlayer::done_staleEndOfPreviousClipIsIgnored() {
    m_engine->setPlayMode(ScriptedEngine::PlayMode::Instant);
    const QString second = wav(QStringLiteral("second.wav"), {1, 22050, 8}, 1.0);
    QSignalSpy done(m_player.get(), &MediaPlayer::done);
    QVERIFY(m_player->command("open"));
    QVERIFY(m_player->command("play"));
    m_player->setFileName(second);
    for (const char* word : {"stop", "close", "Open", "play"})
        QVERIFY(m_player->command(word));
    pumpEvents();
    QCOMPARE(done.count(), 1);
    QCOMPARE(m_player->lengthMs(), 1000);
}

void TestMediaPlayer::play_atEndStartsAgain() {
    QSignalSpy done(m_player.get(), &MediaPlayer::done);
    QVERIFY(m_player->command("open"));
    QVERIFY(m_player->command("play"));
    m_engine->advanceMs(10000);
    pumpEvents();
    QVERIFY(m_player->command("play"));
    m_engine->advanceMs(3000);
    QCOMPARE(m_player->positionMs(), 3000);
    QVERIFY(m_player->command("stop"));

    m_player->setFrom(10000);
    QVERIFY(m_player->command("play"));
    m_engine->advanceMs(500);
    QCOMPARE(m_player->positionMs(), 500);
    m_engine->advanceMs(9500);
    pumpEvents();
    QCOMPARE(done.count(), 2);
}

void TestMediaPlayer::setFrom_seeksForNextPlay() {
    QVERIFY(m_player->command("open"));
    m_player->setFrom(2500);
    QCOMPARE(m_player->positionMs(), 0); // takes effect with the next play only
    QVERIFY(m_player->command("play"));
    QCOMPARE(m_player->positionMs(), 2500);
    m_engine->advanceMs(1000);
    QCOMPARE(m_player->positionMs(), 3500);

    m_player->setFrom(7000); // a seek while playing, as the editor's slider does
    QVERIFY(m_player->command("Play"));
    QCOMPARE(m_player->positionMs(), 7000);
    QVERIFY(m_player->command("stop"));
    QVERIFY(m_player->command("play")); // no pending start: plays on from where it stopped
    QCOMPARE(m_player->positionMs(), 7000);

    m_player->setFrom(-300);
    QVERIFY(m_player->command("play"));
    QCOMPARE(m_player->positionMs(), 0);
}

void TestMediaPlayer::position_followsFormat_data() {
    QTest::addColumn<WavFormat>("format");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<qint64>("lengthMs");
    QTest::addColumn<qint64>("fromMs");
    QTest::addColumn<qint64>("playedMs");
    QTest::addColumn<qint64>("positionMs");
    QTest::newRow("44100/2/16") << WavFormat{2, 44100, 16} << 3.5 << 3500ll << 1200ll << 1300ll
                                << 2500ll;
    QTest::newRow("22050/1/8") << WavFormat{1, 22050, 8} << 2.5 << 2500ll << 1200ll << 1000ll
                               << 2200ll;
    // 777 ms is 17132.85 frames at 22050 Hz: whole frames are played, and a position is
    // reported in whole milliseconds rounded down, so 776.
    QTest::newRow("22050/1/8 partial frame")
        << WavFormat{1, 22050, 8} << 2.5 << 2500ll << 0ll << 777ll << 776ll;
    QTest::newRow("8000/2/16 odd length")
        << WavFormat{2, 8000, 16} << 1.0005 << 1000ll << 0ll << 250ll << 250ll;
}

void TestMediaPlayer::position_followsFormat() {
    QFETCH(WavFormat, format);
    QFETCH(double, seconds);
    QFETCH(qint64, lengthMs);
    QFETCH(qint64, fromMs);
    QFETCH(qint64, playedMs);
    QFETCH(qint64, positionMs);
    m_player->setFileName(wav(QStringLiteral("clip.wav"), format, seconds));
    QCOMPARE(m_player->lengthMs(), 0);
    QVERIFY(m_player->command("open"));
    QCOMPARE(m_player->lengthMs(), lengthMs);
    m_player->setFrom(fromMs);
    QVERIFY(m_player->command("play"));
    m_engine->advanceMs(playedMs);
    QCOMPARE(m_player->positionMs(), positionMs);
    QVERIFY(m_player->command("close"));
    QCOMPARE(m_player->positionMs(), 0);
    QCOMPARE(m_player->lengthMs(), 0);
}

void TestMediaPlayer::statusUpdate_onlyWhileOpen() {
    auto* timer = m_player->findChild<QTimer*>();
    QVERIFY(timer);
    QCOMPARE(m_player->updateIntervalMs(), 1000);
    QCOMPARE(timer->interval(), 1000);
    QSignalSpy updates(m_player.get(), &MediaPlayer::statusUpdate);

    QVERIFY(!timer->isActive());
    m_player->onUpdateTimer();
    QCOMPARE(updates.count(), 0);

    QVERIFY(m_player->command("open"));
    QVERIFY(timer->isActive());
    m_player->onUpdateTimer();
    QVERIFY(m_player->command("play"));
    m_player->onUpdateTimer();
    QVERIFY(m_player->command("stop"));
    m_player->onUpdateTimer();
    QCOMPARE(updates.count(), 3);

    QVERIFY(m_player->command("close"));
    QVERIFY(!timer->isActive());
    m_player->onUpdateTimer();
    QCOMPARE(updates.count(), 3);
}

// A page switch releases the whole engine, streams included, yet the editor's clip stays
// open: the next play must still sound.
void TestMediaPlayer::play_afterEngineReleaseCreatesStreamAgain() {
    QVERIFY(m_player->command("open"));
    m_engine->releaseAll();
    QVERIFY(m_player->command("stop"));
    QVERIFY(m_player->command("play"));
    QCOMPARE(m_player->state(), State::Playing);
    QCOMPARE(m_engine->streams().size(), std::size_t(1));
    QCOMPARE(m_engine->streamPath(m_engine->streams().front()), m_tenSeconds);
    QSignalSpy done(m_player.get(), &MediaPlayer::done);
    m_engine->advanceMs(10000);
    pumpEvents();
    QCOMPARE(done.count(), 1);
}

QTEST_GUILESS_MAIN(TestMediaPlayer)
#include "tst_media_player.moc"
