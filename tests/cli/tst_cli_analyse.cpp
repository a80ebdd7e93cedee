// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/song_generator.h"
#include "support/test_audio.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

// tunecarver-cli analyse and ringtone --auto, run as a user runs them.
class TestCliAnalyse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void analyse_printsOneJsonObject();
    void analyse_lengthIsFiveToSixtySeconds();
    void ringtone_autoCutsTheFirstSuggestion();

private:
    int cli(const QStringList& args, QByteArray* output = nullptr) {
        return testaudio::run(qEnvironmentVariable("TUNECARVER_CLI"), args, output);
    }
    QTemporaryDir m_dir;
    QString m_song;
    songs::Song m_truth = songs::make(2);
};

void TestCliAnalyse::initTestCase() {
    QVERIFY(!qEnvironmentVariable("TUNECARVER_CLI").isEmpty());
    const QByteArray pcm(reinterpret_cast<const char*>(m_truth.samples.data()),
                         qsizetype(m_truth.samples.size() * 2));
    m_song = testaudio::writeWav(m_dir.filePath("song.wav"), WavFormat{1, m_truth.sampleRateHz, 16},
                                 pcm);
}

void TestCliAnalyse::analyse_printsOneJsonObject() {
    QByteArray output;
    QCOMPARE(cli({"analyse", m_song, "--json"}, &output), 0);
    const QJsonDocument document = QJsonDocument::fromJson(output.trimmed());
    QVERIFY2(document.isObject(), output.constData());
    const QJsonObject o = document.object();
    QCOMPARE(o.keys(), (QStringList{"bars", "beats", "sections", "suggestions", "tempo_bpm",
                                    "tempo_segments"}));
    const QJsonArray stretches = o["tempo_segments"].toArray();
    QCOMPARE(stretches.size(), 1);
    QCOMPARE(stretches.first()["bpm"].toDouble(), o["tempo_bpm"].toDouble());
    const double tempo = o["tempo_bpm"].toDouble();
    QVERIFY(std::abs(tempo - m_truth.bpm) < 2 || std::abs(tempo - 2 * m_truth.bpm) < 4 ||
            std::abs(tempo - m_truth.bpm / 2) < 1);
    QVERIFY(o["beats"].toArray().size() > 100);
    QVERIFY(o["bars"].toArray().size() > 25);
    const QJsonArray sections = o["sections"].toArray();
    QVERIFY(sections.size() >= 3);
    QCOMPARE(sections.first()["start"].toDouble(), 0.0);
    QCOMPARE(sections.first()["label"].toString(), QString("A"));
    const QJsonArray suggestions = o["suggestions"].toArray();
    QCOMPARE(suggestions.size(), 3);
    const QJsonObject first = suggestions.first().toObject();
    // The most whole bars within 29.9 s: it ends on a bar line less than a bar short of it.
    const double length = first["end"].toDouble() - first["start"].toDouble();
    const double bar = 4 * 60 / m_truth.bpm;
    QVERIFY2(length <= 29.9 + 1e-9 && length > 29.9 - bar - 0.1,
             qPrintable(QString::number(length)));
    QVERIFY(o["bars"].toArray().contains(first["end"]));
    QVERIFY2(first["reason"].toString().startsWith("chorus, heard 3 times, starts at bar "),
             qPrintable(first["reason"].toString()));

    // Without --json: the same, in lines for a person.
    QCOMPARE(cli({"analyse", m_song}, &output), 0);
    QVERIFY(output.contains("tempo: "));
    QVERIFY(output.contains("(chorus)"));
    QVERIFY(output.contains("  1. "));
}

void TestCliAnalyse::analyse_lengthIsFiveToSixtySeconds() {
    QByteArray output;
    QCOMPARE(cli({"analyse", m_song, "--json", "--length", "20"}, &output), 0);
    const QJsonObject first = QJsonDocument::fromJson(output.trimmed())
                                  .object()["suggestions"]
                                  .toArray()
                                  .first()
                                  .toObject();
    const double length = first["end"].toDouble() - first["start"].toDouble();
    QVERIFY2(length <= 20 && length > 20 - 4 * 60 / m_truth.bpm - 0.1,
             qPrintable(QString::number(length)));
    QCOMPARE(cli({"analyse", m_song, "--json", "--length", "8"}, &output), 0);
    QCOMPARE(cli({"analyse", m_song, "--length", "4.9"}, &output), 2);
    QCOMPARE(cli({"analyse", m_song, "--length", "60.1"}, &output), 2);
    QCOMPARE(cli({"analyse", m_dir.filePath("missing.mp3")}, &output), 1);
}

void TestCliAnalyse::ringtone_autoCutsTheFirstSuggestion() {
    QByteArray output;
    const QString tone = m_dir.filePath("tone.ogg");
    QCOMPARE(cli({"ringtone", m_song, tone, "--auto"}, &output), 0);
    QVERIFY2(output.contains("chorus, heard 3 times"), output.constData());
    // The tone is the window: the most whole bars within 29.9 s.
    const QString wav = m_dir.filePath("tone.wav");
    QCOMPARE(cli({"convert", tone, wav}, &output), 0);
    const QByteArray bytes = testaudio::readAll(wav);
    const double seconds = double(testaudio::le32(bytes, 40)) / testaudio::le32(bytes, 28);
    QVERIFY2(seconds <= 29.95 && seconds > 29.9 - 4 * 60 / m_truth.bpm - 0.1,
             qPrintable(QString::number(seconds)));
    QCOMPARE(cli({"ringtone", m_song, tone, "--length", "20"}, &output), 2);
}

QTEST_GUILESS_MAIN(TestCliAnalyse)
#include "tst_cli_analyse.moc"
