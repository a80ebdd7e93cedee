// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/no_follow.h"
#include "base/work_folder.h"
#include "support/test_audio.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/xattr.h>

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
        QVERIFY(testaudio::writeAll(folder.tempWav(), "b"));
        QVERIFY(testaudio::writeAll(folder.file(".hidden"), "c"));
        folder.empty();
        QVERIFY(QFileInfo(folder.path()).isDir());
        QVERIFY(
            QDir(folder.path())
                .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
        folder.empty(); // an empty folder is no error
    }

    // Voice takes are the user's alone: the folder is closed to others, also one an older run
    // left open, and what the program writes into it is created for the user only.
    void prepare_makesTheFolderPrivate() {
        QTemporaryDir root;
        WorkFolder folder(root.filePath("korvanel"));
        QVERIFY(folder.prepare());
        QCOMPARE(mode(folder.path()), 0700);
        QVERIFY(QDir().mkdir(folder.peaksFolder()));
        for (const QString& path : {folder.path(), folder.peaksFolder()})
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0755) == 0);
        QVERIFY(folder.prepare());
        QCOMPARE(mode(folder.path()), 0700);
        QCOMPARE(mode(folder.peaksFolder()), 0700);
        // Written as the program writes a clip, under the usual umask; where the file system
        // keeps no access lists, the folder alone keeps others out.
        const mode_t before = ::umask(022);
        QSaveFile clip(folder.clipFile("voice"));
        QVERIFY(clip.open(QIODevice::WriteOnly) && clip.write("RIFF") == 4 && clip.commit());
        ::umask(before);
        if (::getxattr(QFile::encodeName(folder.path()).constData(), "system.posix_acl_default",
                       nullptr, 0) > 0)
            QCOMPARE(mode(folder.clipFile("voice")), 0600);
    }

    // A link planted in the folder is removed as a link, at the exit or where a new clip
    // file goes; what it points to stays whole.
    void linksInTheFolder_areRemovedAsLinks() {
        QTemporaryDir root;
        WorkFolder folder(root.filePath("korvanel"));
        QVERIFY(folder.prepare());
        const QString outside = root.filePath("outside");
        QVERIFY(QDir().mkdir(outside));
        QVERIFY(testaudio::writeAll(outside + "/precious.wav", "keep me"));
        QVERIFY(QFile::link(outside, folder.peaksFolder()));
        QVERIFY(QFile::link(outside, folder.historyFolder()));
        QVERIFY(QFile::link(outside + "/precious.wav", folder.clipFile("song")));
        QVERIFY(QFile::link(outside + "/precious.wav", folder.clipFile("new")));
        QVERIFY(testaudio::writeAll(folder.clipFile("kept"), "a clip"));
        for (const char* name : {"new", "kept"})
            folder.clearForClip(name);
        QVERIFY(!QFileInfo(folder.clipFile("new")).isSymLink());
        QVERIFY(QFileInfo::exists(folder.clipFile("kept")));
        folder.empty();
        QCOMPARE(testaudio::readAll(outside + "/precious.wav"), QByteArray("keep me"));
        QVERIFY(
            QDir(folder.path())
                .isEmpty(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // Whatever reads in the work folder opens through openPlainFile: a link there is refused
    // as a link, even one to a plain file, and never read.
    void openPlainFile_refusesALinkToAPlainFile() {
        QTemporaryDir root;
        QVERIFY(testaudio::writeAll(root.filePath("plain"), "outside"));
        QVERIFY(QFile::link(root.filePath("plain"), root.filePath("link")));
        QFile file;
        QCOMPARE(nofollow::openPlainFile(file, root.filePath("link")).code(), ErrorCode::NotFile);
        QVERIFY(!file.isOpen());
        QVERIFY(nofollow::openPlainFile(file, root.filePath("plain")));
        QCOMPARE(file.readAll(), QByteArray("outside"));
    }

    void clipFile_isTheEntryTextPlusWav() {
        WorkFolder folder("/w");
        QCOMPARE(folder.clipFile("My Song"), QString("/w/My Song.wav"));
        QCOMPARE(folder.clipFile("x (2)"), QString("/w/x (2).wav"));
        QCOMPARE(folder.tempWav(), QString("/w/tempwav.wav"));
        for (const QString& own : {folder.tempWav(), folder.cropSource(), folder.cropResult()})
            QVERIFY(WorkFolder::ownFileNames().contains(QFileInfo(own).fileName()));
    }

    void defaultPath_isUnderTheUsersDataFolder() {
        QVERIFY(WorkFolder::defaultPath().endsWith("/korvanel"));
        QVERIFY(WorkFolder::defaultPath().startsWith(QDir::homePath()) ||
                qEnvironmentVariableIsSet("XDG_DATA_HOME"));
    }

private:
    static int mode(const QString& path) {
        struct stat st {};
        return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777)
                                                                      : -1;
    }
};

QTEST_GUILESS_MAIN(TestWorkFolder)
#include "tst_work_folder.moc"
