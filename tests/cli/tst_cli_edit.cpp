// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_audio.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// tunecarver-cli crop and join, run as a user runs them.
class TestCliEdit : public QObject {
    Q_OBJECT
private slots:
    void init();

    void crop_keepsStretchAndShowsTheCommands();
    void crop_badMarksWriteNothing();
    void join_wavInTheOrderGiven();
    void join_mp3OfMixedFormats();
    void join_missingClipNamedAndNothingWritten();
    void cropAndJoin_refuseAnImpossibleSampleRate();
    void join_targetNameOfTheFullNameLength();
    void commands_replaceTheFileALinkPointsTo_data();
    void commands_replaceTheFileALinkPointsTo();
    void scratchFoldersOfKilledRunsAreRemoved();
    void scratchSweep_leavesOtherUsersFoldersAlone();
    void waveform_writesTheOutlineAsJsonOrPicture();
    void commands_refuseBadArgumentsWithOneMessage_data();
    void commands_refuseBadArgumentsWithOneMessage();
    void soundEdits_refuseSilenceAndSoundlessFiles();

private:
    int cli(const QStringList& args, QByteArray* output = nullptr) {
        return testaudio::run(qEnvironmentVariable("TUNECARVER_CLI"), args, output);
    }
    QString path(const QString& name) const { return m_dir->filePath(name); }
    // cli() with TMPDIR set to `tmp`.
    int cliWithTmp(const QString& tmp, const QStringList& args, QByteArray* output = nullptr) {
        const QByteArray saved = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(tmp));
        const int status = cli(args, output);
        saved.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", saved);
        return status;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    WavFormat m_cd{2, 44100, 16};
    QByteArray m_pcm; // three seconds
    QString m_clip;
};

void TestCliEdit::init() {
    QVERIFY(!qEnvironmentVariable("TUNECARVER_CLI").isEmpty());
    m_dir = std::make_unique<QTemporaryDir>();
    m_pcm = testaudio::noisePcm(m_cd, 3 * 44100, 1);
    m_clip = testaudio::writeWav(path("clip one.wav"), m_cd, m_pcm);
}

void TestCliEdit::crop_keepsStretchAndShowsTheCommands() {
    QByteArray output;
    QCOMPARE(cli({"crop", m_clip, path("out.wav"), "--from", "500", "--to", "1500", "--verbose"},
                 &output),
             0);
    QVERIFY(output.contains("delete voice1 from 0 to 500\n"));
    QVERIFY(output.contains("delete voice1 from 1000 to 2500\n"));
    QVERIFY(testaudio::readAll(path("out.wav")).mid(44) == m_pcm.mid(22050 * 4, 44100 * 4));
    QVERIFY(testaudio::readAll(m_clip).mid(44) == m_pcm);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"clip one.wav", "out.wav"}));
}

void TestCliEdit::crop_badMarksWriteNothing() {
    QCOMPARE(cli({"crop", m_clip, path("out.wav"), "--from", "900", "--to", "900"}), 2);
    QByteArray output;
    QCOMPARE(cli({"crop", m_clip, path("out.wav"), "--to", "3001"}, &output), 2);
    QVERIFY2(output.contains("clip one.wav"), output.constData());
    QVERIFY(!QFile::exists(path("out.wav")));
}

void TestCliEdit::join_wavInTheOrderGiven() {
    const QByteArray b = testaudio::noisePcm(m_cd, 1000, 2);
    const QString second = testaudio::writeWav(path("b.wav"), m_cd, b);
    QCOMPARE(cli({"join", path("all.wav"), second, m_clip}), 0);
    QVERIFY(testaudio::readAll(path("all.wav")).mid(44) == b + m_pcm);
}

void TestCliEdit::join_mp3OfMixedFormats() {
    const QString small = testaudio::writeSineWav(path("small.wav"), {1, 22050, 8}, 22050);
    QCOMPARE(cli({"join", path("all.mp3"), m_clip, small, "--bitrate", "96"}), 0);
    const QByteArray mp3 = testaudio::readAll(path("all.mp3"));
    // 4 s at 96 kbit/s is 48000 bytes, give or take the encoder's frame padding.
    QVERIFY2(mp3.size() > 44000 && mp3.size() < 56000, qPrintable(QString::number(mp3.size())));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"all.mp3", "clip one.wav", "small.wav"}));
}

void TestCliEdit::join_missingClipNamedAndNothingWritten() {
    QByteArray output;
    QCOMPARE(cli({"join", path("all.wav"), m_clip, path("gone.wav")}, &output), 1);
    QVERIFY2(output.contains("gone.wav"), output.constData());
    QVERIFY(!QFile::exists(path("all.wav")));
    QCOMPARE(cli({"join", path("all.wav")}), 2);
}

void TestCliEdit::cropAndJoin_refuseAnImpossibleSampleRate() {
    // A canonical header but for a rate of 2^30 Hz: 4 bytes a frame made 2^32 bytes a second.
    QByteArray bytes = testaudio::readAll(m_clip);
    for (int i = 0; i < 4; ++i)
        bytes[24 + i] = char(i == 3 ? 0x40 : 0);
    QVERIFY(testaudio::writeAll(path("fast.wav"), bytes));
    QByteArray output;
    QCOMPARE(cli({"crop", path("fast.wav"), path("out.wav"), "--from", "0", "--to", "1"}, &output),
             1);
    QVERIFY2(output.contains("fast.wav") && output.contains("1073741824 Hz"), output.constData());
    QCOMPARE(cli({"join", path("all.wav"), m_clip, path("fast.wav")}, &output), 1);
    QVERIFY(!QFile::exists(path("out.wav")));
    QVERIFY(!QFile::exists(path("all.wav")));
}

void TestCliEdit::join_targetNameOfTheFullNameLength() {
    const QString name = QString(251, u'j') + QStringLiteral(".wav"); // 255 bytes, the limit
    QByteArray output;
    QCOMPARE(cli({"join", path(name), m_clip}, &output), 0);
    QVERIFY(testaudio::readAll(path(name)) == testaudio::readAll(m_clip));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"clip one.wav", name}));
}

void TestCliEdit::commands_replaceTheFileALinkPointsTo_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("convert") << QStringList{"convert", "{clip}", "{link}"};
    QTest::newRow("crop") << QStringList{"crop", "{clip}", "{link}", "--to", "1000"};
    QTest::newRow("crop in place") << QStringList{"crop", "{link}", "{link}", "--to", "1000"};
    QTest::newRow("join") << QStringList{"join", "{link}", "{clip}"};
}

void TestCliEdit::commands_replaceTheFileALinkPointsTo() {
    QFETCH(QStringList, args);
    QVERIFY(QDir(m_dir->path()).mkdir("real"));
    const QString real = path("real/song.wav");
    QVERIFY(QFile::copy(m_clip, real));
    QVERIFY(QFile::link("real/song.wav", path("link.wav")));
    args.replaceInStrings("{clip}", m_clip).replaceInStrings("{link}", path("link.wav"));
    QByteArray output;
    QVERIFY2(cli(args, &output) == 0, output.constData());
    QCOMPARE(QFileInfo(path("link.wav")).symLinkTarget(), real);
    const qint64 expected = args.contains("--to") ? 44 + 44100 * 4 : 44 + m_pcm.size();
    QCOMPARE(QFileInfo(real).size(), expected);
    QCOMPARE(QDir(path("real")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"song.wav"});
}

void TestCliEdit::scratchFoldersOfKilledRunsAreRemoved() {
    const QString tmp = path("tmp");
    QVERIFY(QDir().mkpath(tmp + "/tunecarver-cli-dead01"));
    QVERIFY(testaudio::writeAll(tmp + "/tunecarver-cli-dead01/concat.wav", "left by a kill"));
    QVERIFY(QDir().mkpath(tmp + "/tunecarver-cli-alive1"));
    QVERIFY(QDir(m_dir->path()).mkdir(".tunecarver-crop-dead02"));
    // A folder still held by a running command stays.
    const int alive = ::open(QFile::encodeName(tmp + "/tunecarver-cli-alive1").constData(),
                             O_RDONLY | O_DIRECTORY);
    QVERIFY(alive >= 0 && ::flock(alive, LOCK_EX) == 0);

    QByteArray output;
    const int converted =
        cliWithTmp(tmp, {"convert", m_clip, path("all.mp3"), "--fade-out", "0.5"}, &output);
    const int cropped = cliWithTmp(tmp, {"crop", m_clip, path("out.wav"), "--to", "1000"}, &output);
    ::close(alive);
    QVERIFY2(converted == 0 && cropped == 0, output.constData());
    QCOMPARE(QDir(tmp).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"tunecarver-cli-alive1"});
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"all.mp3", "clip one.wav", "out.wav", "tmp"}));
}

// The temporary folder is shared: a folder of the prefix that another user made is theirs,
// whatever it holds, and a sweep that entered it could be led anywhere by a swapped link.
void TestCliEdit::scratchSweep_leavesOtherUsersFoldersAlone() {
    if (::geteuid() != 0)
        QSKIP("Needs root, to make a folder of a second local account.");
    const QString tmp = path("tmp");
    const QString theirs = tmp + "/tunecarver-cli-theirs";
    QVERIFY(QDir().mkpath(theirs));
    QVERIFY(testaudio::writeAll(theirs + "/take.wav", "their take"));
    for (const QString& entry : {theirs + "/take.wav", theirs})
        QVERIFY(::chown(QFile::encodeName(entry).constData(), 65534, 65534) == 0);
    QCOMPARE(cliWithTmp(tmp, {"convert", m_clip, path("all.mp3"), "--fade-out", "0.5"}), 0);
    QCOMPARE(testaudio::readAll(theirs + "/take.wav"), QByteArray("their take"));
}

void TestCliEdit::waveform_writesTheOutlineAsJsonOrPicture() {
    QCOMPARE(cli({"waveform", m_clip, path("w.json"), "--samples-per-pixel", "441", "--from",
                  "1000", "--to", "2000"}),
             0);
    const QJsonObject json = QJsonDocument::fromJson(testaudio::readAll(path("w.json"))).object();
    QCOMPARE(json.value("samples_per_pixel").toInt(), 441);
    QCOMPARE(json.value("length").toInt(), 100);
    QCOMPARE(json.value("data").toArray().size(), 100 * 2 * 2);
    // The first column's left minimum, computed here from the clip's own samples.
    int lo = 32767;
    for (int f = 44100; f < 44100 + 441; ++f)
        lo = std::min(lo, int(std::int16_t(testaudio::le16(m_pcm, f * 4))));
    QCOMPARE(json.value("data").toArray().at(0).toInt(), lo);

    QCOMPARE(cli({"waveform", m_clip, path("w.png"), "--width", "300", "--height", "50"}), 0);
    QCOMPARE(QImage(path("w.png")).size(), QSize(300, 50));
    QCOMPARE(cli({"waveform", m_clip, path("w.txt")}), 2);
    QVERIFY(!QFile::exists(path("w.txt")));
}

void TestCliEdit::commands_refuseBadArgumentsWithOneMessage_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out");
    QTest::newRow("a negative fade") << QStringList{"fade", "--in", "-5"} << "out.wav";
    QTest::newRow("a gain past any sample") << QStringList{"gain", "--db", "1e308"} << "out.wav";
    QTest::newRow("a peak above full scale")
        << QStringList{"normalise", "--peak", "1e308"} << "out.wav";
    QTest::newRow("a loudness below silence")
        << QStringList{"cleanup", "--lufs", "-1e308"} << "out.wav";
    QTest::newRow("a picture too wide")
        << QStringList{"waveform", "--width", "2147483648"} << "out.png";
    QTest::newRow("a start past the sound")
        << QStringList{"waveform", "--from", "9223372036854775807"} << "out.json";
    QTest::newRow("an end past the sound")
        << QStringList{"waveform", "--to", "9223372036854775807"} << "out.json";
}

void TestCliEdit::commands_refuseBadArgumentsWithOneMessage() {
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    args.insert(1, m_clip);
    args.insert(2, path(out));
    QByteArray output;
    QCOMPARE(cli(args, &output), 2);
    QCOMPARE(output.count(QByteArray("tunecarver-cli ") + args.first().toUtf8() + ": "), 1);
    QVERIFY(!QFile::exists(path(out)));
}

// As convert refuses a WAV without samples, so do the edits; silence is no sound to bring
// to a loudness, and OUT stays as it was.
void TestCliEdit::soundEdits_refuseSilenceAndSoundlessFiles() {
    const QString silent = testaudio::writeWav(path("silent.wav"), m_cd, QByteArray(44100 * 4, 0));
    QVERIFY(testaudio::writeAll(path("out.wav"), "before"));
    QByteArray output;
    QCOMPARE(cli({"normalise", silent, path("out.wav")}, &output), 1);
    QVERIFY2(output.contains("nothing but silence"), output.constData());
    QCOMPARE(testaudio::readAll(path("out.wav")), QByteArray("before"));

    const QString empty = testaudio::writeWav(path("empty.wav"), m_cd, QByteArray());
    for (const QStringList& edit : {QStringList{"fade"}, QStringList{"gain", "--db", "3"}}) {
        QCOMPARE(cli(QStringList{edit.first(), empty, path("none.wav")} + edit.mid(1), &output), 1);
        QVERIFY2(output.contains("holds no sound"), output.constData());
        QVERIFY(!QFile::exists(path("none.wav")));
    }
}

QTEST_GUILESS_MAIN(TestCliEdit)
#include "tst_cli_edit.moc"
