// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "audio/pulse/pulse_engine.h"
#include "support/pulse_daemon.h"
#include "support/test_audio.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstring>
#include <memory>
#include <vector>

namespace {
constexpr int FrameBytes = 4;
constexpr qsizetype FramesPerSecond = 44100;
const WavFormat CdFormat{2, 44100, 16};

qsizetype framesOfMs(qsizetype ms) {
    return ms * FramesPerSecond / 1000;
}
double msOfFrames(qsizetype frames) {
    return double(frames) * 1000.0 / FramesPerSecond;
}

// Other processes, ended by their pids: two that keep both cores busy, as a user's other
// jobs do, and with stallMs one that stops this process for stallMs every second or so, as
// a machine under load may not run a program at all for a moment (ending it continues this
// process should it be stopped).
class Load {
public:
    explicit Load(int stallMs = 0) {
        QStringList scripts(2, QStringLiteral("while :; do :; done"));
        if (stallMs > 0)
            scripts << QStringLiteral("trap 'kill -CONT %1; exit 0' TERM; while kill -0 %1; do "
                                      "sleep 1; kill -STOP %1; sleep %2; kill -CONT %1; done")
                           .arg(QCoreApplication::applicationPid())
                           .arg(stallMs / 1000.0);
        for (const QString& script : scripts) {
            auto& process = m_processes.emplace_back(std::make_unique<QProcess>());
            process->start(QStringLiteral("sh"), {QStringLiteral("-c"), script});
            process->waitForStarted();
        }
    }
    ~Load() {
        for (auto& process : m_processes) {
            process->terminate();
            process->waitForFinished();
        }
    }

private:
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

// What the sink's monitor hears, recorded by parec: a process of its own, which neither the
// stalls of this one nor its own buffer (seconds long) make lose a frame.
class MonitorRecording {
public:
    explicit MonitorRecording(const QString& path) {
        m_process.setStandardOutputFile(path);
        m_process.start(QStringLiteral("parec"),
                        {QStringLiteral("--device=%1").arg(PulseDaemon::MonitorName),
                         QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                         QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=20")});
        m_process.waitForStarted();
        m_path = path;
    }
    // The monitor delivers what the sink played a little later.
    QByteArray stop() {
        QTest::qWait(500);
        m_process.terminate();
        m_process.waitForFinished();
        return testaudio::readAll(m_path);
    }

private:
    QProcess m_process;
    QString m_path;
};

// The recording walked against what was written. A sink that takes on a new stream mixes it
// into sound it had already rendered, and its monitor misses those first few milliseconds;
// so hearing starts where the first frames heard are found in what was written (noise: they
// are found in one place only). From there every frame heard must be the next frame written
// or inserted silence.
struct Hearing {
    qsizetype leadLostFrames = -1; // written frames before the first one heard; -1: not found
    qsizetype heardToFrame = 0;    // one past the last written frame heard in order
    qsizetype longestInside = 0;   // longest silence inserted inside a clip, in frames
    qsizetype longestBetween = 0;  // longest at the meeting of two clips, in frames
    bool outOfPlace = false;       // a frame heard after heardToFrame is not the next one
};

Hearing hear(const QByteArray& recorded, const QByteArray& written,
             const QList<qsizetype>& clipStarts = {}) {
    Hearing hearing;
    const qsizetype total = written.size() / FrameBytes;
    const qsizetype frames = recorded.size() / FrameBytes;
    const auto frameOf = [](const QByteArray& bytes, qsizetype n) {
        std::uint32_t frame;
        std::memcpy(&frame, bytes.constData() + n * FrameBytes, FrameBytes);
        return frame;
    };
    qsizetype n = 0;
    while (n < frames && frameOf(recorded, n) == 0)
        ++n;
    const qsizetype at = written.indexOf(recorded.mid(n * FrameBytes, 8 * FrameBytes));
    if (n == frames || at < 0 || at % FrameBytes != 0)
        return hearing;
    qsizetype w = hearing.leadLostFrames = at / FrameBytes;
    qsizetype silence = 0;
    for (; n < frames && w < total; ++n) {
        const std::uint32_t frame = frameOf(recorded, n);
        if (frame == 0) {
            ++silence;
            continue;
        }
        if (frame != frameOf(written, w)) {
            hearing.outOfPlace = true;
            break;
        }
        qsizetype& longest =
            clipStarts.contains(w) ? hearing.longestBetween : hearing.longestInside;
        longest = std::max(longest, std::exchange(silence, 0));
        hearing.heardToFrame = ++w;
    }
    return hearing;
}

QString describe(const Hearing& hearing) {
    if (hearing.leadLostFrames < 0)
        return QStringLiteral("the sound heard is not the sound written");
    return QStringLiteral("heard from %1 ms to %2 ms%3; longest silence inside a clip %4 ms, "
                          "between clips %5 ms")
        .arg(msOfFrames(hearing.leadLostFrames))
        .arg(msOfFrames(hearing.heardToFrame))
        .arg(hearing.outOfPlace ? QStringLiteral(", then a frame out of place") : QString())
        .arg(msOfFrames(hearing.longestInside))
        .arg(msOfFrames(hearing.longestBetween));
}
} // namespace

// Playback on a machine whose two cores other processes keep busy: what the sink's monitor
// heard is compared frame by frame with the clips.
class TestPulseBusyPlayback : public QObject {
    Q_OBJECT

private:
    PulseDaemon m_daemon;
    QTemporaryDir m_files;

    static void verifyHeard(const Hearing& hearing, qsizetype fromFrame, qsizetype toFrame) {
        qInfo().noquote() << describe(hearing);
        QVERIFY2(hearing.leadLostFrames >= 0 && !hearing.outOfPlace, qPrintable(describe(hearing)));
        // The sink's monitor misses a few milliseconds when a stream joins (see hear()), up
        // to a few tens while the machine is busy.
        QVERIFY2(std::abs(hearing.leadLostFrames - fromFrame) <= framesOfMs(30),
                 qPrintable(describe(hearing)));
        QVERIFY2(std::abs(hearing.heardToFrame - toFrame) <= framesOfMs(30),
                 qPrintable(describe(hearing)));
        QVERIFY2(hearing.longestInside <= framesOfMs(10), qPrintable(describe(hearing)));
        QVERIFY2(hearing.longestBetween <= framesOfMs(50), qPrintable(describe(hearing)));
    }

private slots:
    void initTestCase() {
        QVERIFY(m_files.isValid());
        START_PULSE_DAEMON(m_daemon);
        if (!testaudio::haveProgram(QStringLiteral("parec")))
            QSKIP("parec (pulseaudio-utils) records the sink's monitor here.");
    }

    // A list of three clips, each queued while the one before plays, as the list page does:
    // nothing lost, no silence inside a clip, none worth hearing between them, though the
    // program is not run at all for 250 ms every second or so, or for 1.5 s every 2.5 s.
    void list_playsWithoutSilenceWhileCoresAreBusy_data() {
        QTest::addColumn<int>("stallMs");
        QTest::addColumn<int>("clipSeconds");
        QTest::addColumn<bool>("mp3");
        QTest::newRow("250 ms stalls") << 250 << 20 << false;
        QTest::newRow("1.5 s stalls") << 1500 << 12 << false;
        // MP3 clips are decoded as they play, on the reader's thread; each is cut (a stretch of
        // its MP3), as "Done" leaves a clip.
        QTest::newRow("cut mp3, 250 ms stalls") << 250 << 12 << true;
    }
    void list_playsWithoutSilenceWhileCoresAreBusy() {
        QFETCH(int, stallMs);
        QFETCH(int, clipSeconds);
        QFETCH(bool, mp3);
        if (mp3 && !testaudio::haveProgram(QStringLiteral("lame")))
            QSKIP("lame makes the MP3 clips here");
        const qsizetype ClipFrames = clipSeconds * FramesPerSecond;
        QList<ClipRange> clips;
        QByteArray written;
        QList<qsizetype> clipStarts;
        for (const quint32 seed : {1u, 2u, 3u}) {
            const QByteArray pcm = testaudio::noisePcm(CdFormat, ClipFrames, seed);
            clipStarts << written.size() / FrameBytes;
            const QString wav = testaudio::writeWav(
                m_files.filePath(QStringLiteral("%1.wav").arg(seed)), CdFormat, pcm);
            if (!mp3) {
                written += pcm;
                clips << wav;
                continue;
            }
            const QString song = m_files.filePath(QStringLiteral("%1.mp3").arg(seed));
            QCOMPARE(testaudio::run("lame", {"--quiet", "-b", "192", wav, song}), 0);
            int channels = 0;
            const std::vector<std::int16_t> decoded = testaudio::decodeAll(song, &channels);
            const qsizetype first = 1234 * seed;
            const qsizetype frames = qsizetype(decoded.size()) / 2 - first - 3000;
            written.append(reinterpret_cast<const char*>(decoded.data() + 2 * first),
                           frames * FrameBytes);
            clips << ClipRange(song, first, frames);
        }

        PulseEngine engine;
        MediaPlayer player(engine);
        QSignalSpy done(&player, &MediaPlayer::done);
        connect(&player, &MediaPlayer::done, this, [&] {
            const auto next = clips.indexOf(player.clip()) + 1;
            if (player.state() == MediaPlayer::State::Playing && next < clips.size())
                QVERIFY(player.queueFile(clips[next]));
        });
        MonitorRecording recording(m_files.filePath("list.raw"));
        Load load(stallMs);
        player.setFileName(clips[0]);
        QVERIFY(player.command("open"));
        QVERIFY(player.command("play"));
        QVERIFY(player.queueFile(clips[1]));
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 3, 90000);
        QCOMPARE(player.state(), MediaPlayer::State::Stopped);
        QCOMPARE(player.clip(), clips[2]);

        verifyHeard(hear(recording.stop(), written, clipStarts), 0, written.size() / FrameBytes);
    }

    // Pause in the middle of a clip that has the next one queued, as the list page pauses:
    // the sound ends where the player says it stopped, and nothing queued at the server is
    // heard after it, then or later.
    void pause_letsNothingQueuedBeHeard() {
        const QByteArray first = testaudio::noisePcm(CdFormat, 8 * FramesPerSecond, 5);
        const QByteArray second = testaudio::noisePcm(CdFormat, 4 * FramesPerSecond, 6);
        PulseEngine engine;
        MediaPlayer player(engine);
        player.setFileName(testaudio::writeWav(m_files.filePath("first.wav"), CdFormat, first));
        QVERIFY(player.command("open"));
        MonitorRecording recording(m_files.filePath("pause.raw"));
        QVERIFY(player.command("play"));
        QVERIFY(player.queueFile(
            testaudio::writeWav(m_files.filePath("second.wav"), CdFormat, second)));
        QTRY_VERIFY_WITH_TIMEOUT(player.positionMs() >= 5500, 20000);
        QVERIFY(player.command("stop"));
        const qsizetype stoppedAt = framesOfMs(player.positionMs());
        QTest::qWait(1500);

        const Hearing hearing = hear(recording.stop(), first + second);
        qInfo().noquote() << describe(hearing);
        QVERIFY2(hearing.leadLostFrames >= 0 && !hearing.outOfPlace, qPrintable(describe(hearing)));
        QVERIFY2(std::abs(hearing.heardToFrame - stoppedAt) <= framesOfMs(30),
                 qPrintable(describe(hearing)));
    }

    // The edit page's Play Selection: start at the mark, stop when the player's position
    // reaches the end mark. The sound heard starts at the mark, has no silence inside and
    // ends at the end mark: the position is what the sink played, not what was sent to it.
    void selection_playsWithoutSilenceAndStopsAtItsEnd() {
        constexpr qsizetype FromMs = 2500;
        constexpr qsizetype ToMs = 8500;
        const QByteArray pcm = testaudio::noisePcm(CdFormat, 10 * FramesPerSecond, 4);
        PulseEngine engine;
        MediaPlayer player(engine);
        player.setFileName(testaudio::writeWav(m_files.filePath("clip.wav"), CdFormat, pcm));
        QVERIFY(player.command("open"));

        MonitorRecording recording(m_files.filePath("selection.raw"));
        Load load;
        player.setFrom(FromMs);
        QVERIFY(player.command("play"));
        QElapsedTimer clock;
        clock.start();
        while (player.positionMs() < ToMs && clock.elapsed() < 20000) {
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
        QVERIFY(player.command("stop"));

        verifyHeard(hear(recording.stop(), pcm), framesOfMs(FromMs), framesOfMs(ToMs));
    }
};

QTEST_GUILESS_MAIN(TestPulseBusyPlayback)
#include "tst_pulse_busy_playback.moc"
