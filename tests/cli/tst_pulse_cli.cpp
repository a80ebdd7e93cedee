// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pulse_daemon.h"
#include "support/test_audio.h"
#include "wav/wav_header.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// tunecarver-cli inputs, record and play against a private sound server.
class TestPulseCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(!qEnvironmentVariable("TUNECARVER_CLI").isEmpty());
        QVERIFY(m_dir.isValid());
        START_PULSE_DAEMON(m_daemon);
    }

    void inputs_listsTheServersSourcesWithOneOn() {
        QByteArray output;
        QCOMPARE(cli({"inputs"}, &output), 0);
        const QList<QByteArray> lines = output.trimmed().split('\n');
        QCOMPARE(lines.size(), m_daemon.list("sources").size());
        int on = 0;
        for (const QByteArray& line : lines) {
            const QList<QByteArray> words = line.split(' ');
            QVERIFY2(words.size() >= 5, line.constData());
            on += words.at(1) == "on";
        }
        QCOMPARE(on, 1);
        QVERIFY(output.contains("Wave/PCM")); // the null sink's monitor
    }

    void record_savesTheFramesFedIntoThePipe() {
        // The pipe source is the default source and so the input that is on.
        const QByteArray tone = testaudio::sinePcm(m_cd, 44100 * 3);
        QByteArray errors;
        QVERIFY2(
            recordWhileFeeding({"record", path("take.wav"), "--seconds", "2"}, tone, &errors) == 0,
            errors.constData());
        const auto info = readWavInfo(path("take.wav"));
        QVERIFY2(info.isOk(), qPrintable(info.status().message()));
        QVERIFY(info->canonical);
        QCOMPARE(info->format, m_cd);
        // About two seconds were captured: what the pipe delivered, never more than fed.
        QVERIFY2(info->dataBytes > 44100 * 4 && info->dataBytes <= tone.size(),
                 qPrintable(QString::number(info->dataBytes)));
        const QByteArray data = testaudio::readAll(path("take.wav")).mid(44);
        QVERIFY(data.count('\0') < data.size() / 2); // sound, not silence
    }

    void record_toMp3AndWrongInputs() {
        QByteArray errors;
        QVERIFY2(recordWhileFeeding({"record", path("take.mp3"), "--seconds", "1"},
                                    testaudio::sinePcm(m_cd, 44100 * 2), &errors) == 0,
                 errors.constData());
        QByteArray probe;
        QCOMPARE(testaudio::run("ffprobe",
                                {"-v", "error", "-show_entries", "stream=codec_name", "-of",
                                 "csv=p=0", path("take.mp3")},
                                &probe),
                 0);
        QCOMPARE(probe.trimmed(), QByteArray("mp3"));

        QCOMPARE(cli({"record", path("none.wav"), "--seconds", "1", "--input", "99"}), 2);
        QCOMPARE(cli({"record", path("none.wav")}), 2);
        QVERIFY(!QFile::exists(path("none.wav")));
    }

    void play_playsAFileToItsEnd() {
        const QString clip = testaudio::writeSineWav(path("beep.wav"), {1, 22050, 16}, 11025);
        QByteArray output;
        QCOMPARE(cli({"play", clip}, &output), 0);
        // An MP3 plays as it is decoded, with no copy of its sound anywhere.
        if (testaudio::haveProgram("lame")) {
            QCOMPARE(testaudio::run("lame", {"--quiet", clip, path("beep.mp3")}), 0);
            QCOMPARE(cli({"play", path("beep.mp3")}, &output), 0);
        }
        QCOMPARE(cli({"play", path("missing.wav")}, &output), 1);
        QVERIFY(output.contains("missing.wav"));
    }

    void withoutServer_failsWithOneLine() {
        const QByteArray saved = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", QFile::encodeName("unix:" + path("no-such-socket")));
        QByteArray output;
        const int status = cli({"inputs"}, &output);
        qputenv("PULSE_SERVER", saved);
        QCOMPARE(status, 1);
        QCOMPARE(output.trimmed().count('\n'), 0);
    }

    // Last, as they stop the server under a running command (and start it again after).
    void play_endsWithAMessageWhenTheServerGoesAway() {
        const QString clip = testaudio::writeSineWav(path("long.wav"), m_cd, 44100 * 30);
        const Stopped play = stopServerUnder({"play", clip}, QByteArray());
        QVERIFY2(play.tookMs < 2000, qPrintable(QString::number(play.tookMs)));
        QCOMPARE(play.exitCode, 1);
        QVERIFY(play.output.contains("sound server"));
    }

    // What was recorded until the server went away is kept, playable, and the command says
    // so and fails, since the take is shorter than asked.
    void record_keepsWhatWasRecordedWhenTheServerGoesAway() {
        const Stopped record = stopServerUnder({"record", path("cut.wav"), "--seconds", "30"},
                                               testaudio::sinePcm(m_cd, 44100));
        QCOMPARE(record.exitCode, 1);
        QVERIFY2(record.output.contains("saved in"), record.output.constData());
        const auto info = readWavInfo(path("cut.wav"));
        QVERIFY(info.isOk() && info->canonical && info->dataBytes > 0);
    }

private:
    struct Stopped {
        int exitCode = -1; // -1: it did not end within ten seconds
        qint64 tookMs = 0; // from the server's end to the command's
        QByteArray output;
    };
    // Runs the command, feeding `pcm` into the pipe (or waiting a moment), then stops the
    // server under it and starts it again once the command has ended.
    Stopped stopServerUnder(const QStringList& args, const QByteArray& pcm) {
        QProcess command;
        command.setProcessChannelMode(QProcess::MergedChannels);
        command.start(qEnvironmentVariable("TUNECARVER_CLI"), args);
        command.waitForStarted();
        QTest::qWait(pcm.isEmpty() ? 1500 : 0);
        for (qsizetype at = 0; at < pcm.size(); at += 17640) {
            m_daemon.feedPipe(pcm.mid(at, 17640));
            QTest::qWait(90);
        }
        m_daemon.stop();
        QElapsedTimer clock;
        clock.start();
        Stopped stopped;
        if (command.waitForFinished(10000))
            stopped.exitCode = command.exitCode();
        stopped.tookMs = clock.elapsed();
        stopped.output = command.readAll();
        QString error;
        if (!m_daemon.start(&error))
            qWarning("The sound server did not start again: %s", qPrintable(error));
        return stopped;
    }
    // Runs the recorder while feeding `pcm` into the pipe a little at a time, as a sound card
    // delivers; returns its exit status.
    int recordWhileFeeding(const QStringList& args, const QByteArray& pcm, QByteArray* errors) {
        QProcess recorder;
        recorder.start(qEnvironmentVariable("TUNECARVER_CLI"), args);
        if (!recorder.waitForStarted())
            return -1;
        for (qsizetype at = 0; at < pcm.size() && recorder.state() == QProcess::Running;
             at += 17640) {
            m_daemon.feedPipe(pcm.mid(at, 17640));
            QTest::qWait(90);
        }
        if (recorder.state() != QProcess::NotRunning)
            recorder.waitForFinished(20000);
        m_daemon.drainPipe();
        *errors = recorder.readAllStandardError();
        return recorder.exitStatus() == QProcess::NormalExit ? recorder.exitCode() : -1;
    }
    int cli(const QStringList& args, QByteArray* output = nullptr) {
        return testaudio::run(qEnvironmentVariable("TUNECARVER_CLI"), args, output, 60000);
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    PulseDaemon m_daemon;
    const WavFormat m_cd{2, 44100, 16};
};

QTEST_GUILESS_MAIN(TestPulseCli)
#include "tst_pulse_cli.moc"
