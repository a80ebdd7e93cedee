// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_audio.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

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

private:
    int cli(const QStringList& args, QByteArray* output = nullptr) {
        return testaudio::run(qEnvironmentVariable("TUNECARVER_CLI"), args, output);
    }
    QString path(const QString& name) const { return m_dir->filePath(name); }

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
    QCOMPARE(cli({"crop", m_clip, path("out.wav"), "--to", "3001"}, &output), 1);
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

QTEST_GUILESS_MAIN(TestCliEdit)
#include "tst_cli_edit.moc"
