// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/work_folder.h"
#include "support/test_audio.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestWorkFolder : public QObject {
    Q_OBJECT
private slots:
    void prepare_createsTheFolderWhenMissing() {
        QTemporaryDir root;
        WorkFolder folder(root.filePath("data/korvanel"));
        QVERIFY(folder.prepare());
        QVERIFY(QFileInfo(folder.path()).isDir());
        QVERIFY(folder.prepare());
    }

    void prepare_leavesAFileOfThatNameAlone() {
        QTemporaryDir root;
        QVERIFY(testaudio::writeAll(root.filePath("korvanel"), "not a folder"));
        WorkFolder folder(root.filePath("korvanel"));
        QVERIFY(!folder.prepare());
        QCOMPARE(testaudio::readAll(root.filePath("korvanel")), QByteArray("not a folder"));
    }

    void prepare_removesLeftoversOfAnEarlierRunAndKeepsClips() {
        QTemporaryDir root;
        WorkFolder folder(root.filePath("korvanel"));
        QVERIFY(folder.prepare());
        for (const QString& own : WorkFolder::ownFileNames())
            QVERIFY(testaudio::writeAll(folder.file(own), "left by a crash"));
        QVERIFY(testaudio::writeAll(folder.clipFile("My Song"), "a"));
        QVERIFY(folder.prepare());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"My Song.wav"});
    }

    void empty_deletesFilesAndKeepsTheFolder() {
        QTemporaryDir root;
        WorkFolder folder(root.filePath("korvanel"));
        QVERIFY(folder.prepare());
        QVERIFY(testaudio::writeAll(folder.clipFile("My Song"), "a"));
        QVERIFY(testaudio::writeAll(folder.concatWav(), "b"));
        QVERIFY(testaudio::writeAll(folder.file(".hidden"), "c"));
        folder.empty();
        QVERIFY(QFileInfo(folder.path()).isDir());
        QVERIFY(
            QDir(folder.path())
                .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
        folder.empty(); // an empty folder is no error
    }

    void clipFile_isTheEntryTextPlusWav() {
        WorkFolder folder("/w");
        QCOMPARE(folder.clipFile("My Song"), QString("/w/My Song.wav"));
        QCOMPARE(folder.clipFile("x (2)"), QString("/w/x (2).wav"));
        QCOMPARE(folder.tempWav(), QString("/w/tempwav.wav"));
        QCOMPARE(folder.concatWav(), QString("/w/concat.wav"));
        for (const QString& own :
             {folder.tempWav(), folder.concatWav(), folder.cropSource(), folder.cropResult()})
            QVERIFY(WorkFolder::ownFileNames().contains(QFileInfo(own).fileName()));
    }

    void defaultPath_isUnderTheUsersDataFolder() {
        QVERIFY(WorkFolder::defaultPath().endsWith("/korvanel"));
        QVERIFY(WorkFolder::defaultPath().startsWith(QDir::homePath()) ||
                qEnvironmentVariableIsSet("XDG_DATA_HOME"));
    }
};

QTEST_GUILESS_MAIN(TestWorkFolder)
#include "tst_work_folder.moc"
