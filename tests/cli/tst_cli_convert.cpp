// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/sound_edit.h"
#include "support/fake_phone.h"
#include "support/test_audio.h"
#include "wav/wav_header.h"

#include <QTemporaryDir>
#include <QtTest>

// tunecarver-cli convert on files that the usual tools make, run as a user runs it.
class TestCliConvert : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(!qEnvironmentVariable("TUNECARVER_CLI").isEmpty());
        QVERIFY(m_dir.isValid());
        m_wav = testaudio::writeSineWav(path("tone.wav"), {2, 44100, 16}, 2 * 44100);
        m_long = testaudio::writeSineWav(path("long.wav"), {1, 8000, 8}, 41 * 8000);
    }

    void convert_decodesWhatTheToolsMake_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("make");
        const QString in = path("tone.wav");
        QTest::newRow("mp3 by lame")
            << "a.mp3" << QStringList{"lame", "--quiet", in, path("a.mp3")};
        QTest::newRow("flac by sox") << "a.flac" << QStringList{"sox", in, path("a.flac")};
        QTest::newRow("ogg by ffmpeg")
            << "a.ogg"
            << QStringList{"ffmpeg", "-v", "error", "-i", in, "-c:a", "libvorbis", path("a.ogg")};
        QTest::newRow("m4a by ffmpeg")
            << "a.m4a"
            << QStringList{"ffmpeg", "-v", "error", "-i", in, "-c:a", "aac", path("a.m4a")};
    }
    void convert_decodesWhatTheToolsMake() {
        QFETCH(QString, name);
        QFETCH(QStringList, make);
        if (!testaudio::haveProgram(make.first()))
            QSKIP("the tool that makes this file is not installed");
        QCOMPARE(testaudio::run(make.first(), make.mid(1)), 0);
        const QString out = path(name + ".wav");
        QByteArray output;
        QCOMPARE(cli({"convert", path(name), out}, &output), 0);
        const auto info = readWavInfo(out);
        QVERIFY2(info.isOk(), qPrintable(info.status().message()));
        QVERIFY(info->canonical);
        QCOMPARE(info->format, (WavFormat{2, 44100, 16}));
        // Two seconds; lossy codecs may add up to a few thousand frames of padding.
        const auto frames = info->dataBytes / 4;
        QVERIFY2(frames >= 2 * 44100 - 64 && frames <= 2 * 44100 + 4096,
                 qPrintable(QString::number(frames)));
    }

    void convert_encodesAtTheBitRateAsked() {
        QCOMPARE(cli({"convert", m_wav, path("out.mp3"), "--bitrate", "96"}), 0);
        QByteArray probe;
        QCOMPARE(testaudio::run("ffprobe",
                                {"-v", "error", "-show_entries", "stream=bit_rate", "-of",
                                 "csv=p=0", path("out.mp3")},
                                &probe),
                 0);
        QCOMPARE(probe.trimmed(), QByteArray("96000"));
    }

    void convert_choosesTheEncoderByExtension_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("codec");
        for (const auto& [name, codec] : {std::pair{"a.m4r", "aac"},
                                          {"a.m4a", "aac"},
                                          {"a.ogg", "vorbis"},
                                          {"a.opus", "opus"},
                                          {"a.flac", "flac"}})
            QTest::newRow(name) << name << codec;
    }
    void convert_choosesTheEncoderByExtension() {
        QFETCH(QString, name);
        QFETCH(QString, codec);
        QCOMPARE(cli({"convert", m_wav, path(name)}), 0);
        QByteArray probe;
        QCOMPARE(testaudio::run("ffprobe",
                                {"-v", "error", "-show_entries", "stream=codec_name", "-of",
                                 "csv=p=0", path(name)},
                                &probe),
                 0);
        QCOMPARE(probe.trimmed(), codec.toUtf8());
    }

    void convert_failureNamesTheFileAndWritesNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("missing input")
            << QStringList{"convert", path("none.mp3"), path("x.wav")} << 1;
        QTest::newRow("not sound") << QStringList{"convert", path("text.mp3"), path("x.wav")} << 1;
        QTest::newRow("not sound to mp3")
            << QStringList{"convert", path("text.mp3"), path("x.mp3")} << 1;
        QTest::newRow("bad bit rate")
            << QStringList{"convert", m_wav, path("x.mp3"), "--bitrate", "100"} << 2;
        QTest::newRow("unknown target") << QStringList{"convert", m_wav, path("x.xyz")} << 2;
        QTest::newRow("bit rate Vorbis refuses")
            << QStringList{"convert", m_wav, path("x.ogg"), "--bitrate", "1000"} << 1;
        QTest::newRow("ringtone too long for the iPhone's Finder route")
            << QStringList{"ringtone", m_long, path("x.m4r"), "--target", "iphone-finder"} << 1;
        QTest::newRow("ringtone target that is not OUT's")
            << QStringList{"ringtone", m_wav, path("x.m4r"), "--target", "android-ogg"} << 2;
    }
    void convert_failureNamesTheFileAndWritesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QVERIFY(testaudio::writeAll(path("text.mp3"), "this is a letter, not a song\n"));
        QByteArray output;
        QCOMPARE(cli(arguments, &output), status);
        QVERIFY(!output.trimmed().isEmpty());
        if (status == 1)
            QVERIFY2(output.contains(arguments.at(1).toUtf8()) ||
                         output.contains(arguments.at(2).toUtf8()),
                     output.constData());
        for (const char* name : {"x.wav", "x.mp3", "x.ogg", "x.m4r", "x.xyz"})
            QVERIFY2(!QFile::exists(path(name)), name);
        QCOMPARE(QDir(m_dir.path()).entryList({"*.tmp", ".*"}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    // --lufs and --fade-out shape the sound before it is written.
    void convert_bringsToTheLoudnessAndFadesOut() {
        QCOMPARE(cli({"convert", m_wav, path("even.wav"), "--lufs", "-20", "--fade-out", "0.5"}),
                 0);
        const auto measured = soundedit::measure(path("even.wav"));
        QVERIFY(measured);
        // The fade lowers the last half second a little below the level brought.
        QVERIFY2(measured->lufs < -19.9 && measured->lufs > -21,
                 qPrintable(QString::number(measured->lufs)));
        const QByteArray even = testaudio::readAll(path("even.wav"));
        QCOMPARE(testaudio::le16(even, int(even.size()) - 4), 0);
    }

    // Send goes through the kdeconnect-cli on PATH, and says so when no phone is found.
    void send_sharesThroughKdeConnectOrSaysNoPhoneFound() {
        const QTemporaryDir bin;
        writeFakeKdeConnect(bin.path(), "a1b2 My iPhone\\n");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        QByteArray output;
        const int sent = cli({"send", m_wav}, &output);
        QVERIFY(QFile::remove(bin.filePath("kdeconnect-cli")));
        const int none = cli({"send", m_wav}, &output);
        qputenv("PATH", path);

        QCOMPARE(sent, 0);
        QVERIFY(testaudio::readAll(bin.filePath("kdeconnect-calls"))
                    .contains("--share\n" + m_wav.toUtf8() + "\n--device\na1b2\n"));
        QCOMPARE(none, 1);
        QVERIFY2(output.contains("No phone was found"), output.constData());
    }

private:
    int cli(const QStringList& args, QByteArray* output = nullptr) {
        return testaudio::run(qEnvironmentVariable("TUNECARVER_CLI"), args, output);
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_wav;
    QString m_long;
};

QTEST_GUILESS_MAIN(TestCliConvert)
#include "tst_cli_convert.moc"
