// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_names.h"

#include <QtTest>

class TestClipNames : public QObject {
    Q_OBJECT
private slots:
    void clipNameOf_dropsFolderAndLastExtension_data();
    void clipNameOf_dropsFolderAndLastExtension();
    void uniqueClipName_numbersTakenNames_data();
    void uniqueClipName_numbersTakenNames();
};

void TestClipNames::clipNameOf_dropsFolderAndLastExtension_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("clip");
    QTest::newRow("song") << "/music/song.mp3"
                          << "song";
    QTest::newRow("dots in folder and name") << "/a.b/Tune.live.mp3"
                                             << "Tune.live";
    QTest::newRow("blanks and case kept") << "/m/ My Song .WAV"
                                          << " My Song ";
    QTest::newRow("no folder") << "tune.wav"
                               << "tune";
    QTest::newRow("any extension") << "/m/Forest Walk.flac"
                                   << "Forest Walk";
    QTest::newRow("only an extension") << "/m/.wav"
                                       << "";
    QTest::newRow("no extension") << "/m/wav"
                                  << "wav";
}

void TestClipNames::clipNameOf_dropsFolderAndLastExtension() {
    QFETCH(QString, path);
    QFETCH(QString, clip);
    QCOMPARE(clipnames::clipNameOf(path), clip);
}

void TestClipNames::uniqueClipName_numbersTakenNames_data() {
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("unique");
    QTest::newRow("free") << "song" << QStringList{"other"} << "song";
    QTest::newRow("taken once") << "song" << QStringList{"song"} << "song (2)";
    QTest::newRow("first gap") << "song" << QStringList{"song", "song (2)", "song (4)"}
                               << "song (3)";
    QTest::newRow("a numbered name is numbered again")
        << "song (2)" << QStringList{"song (2)"} << "song (2) (2)";
    QTest::newRow("the joined list's file") << "concat" << QStringList{} << "concat (2)";
    QTest::newRow("the recording's file") << "tempwav" << QStringList{} << "tempwav (2)";
    QTest::newRow("empty name") << "" << QStringList{""} << " (2)";
}

void TestClipNames::uniqueClipName_numbersTakenNames() {
    QFETCH(QString, wanted);
    QFETCH(QStringList, taken);
    QFETCH(QString, unique);
    QCOMPARE(clipnames::uniqueClipName(wanted, taken), unique);
}

QTEST_GUILESS_MAIN(TestClipNames)
#include "tst_clip_names.moc"
