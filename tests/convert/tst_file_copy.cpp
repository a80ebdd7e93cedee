// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/file_copy.h"
#include "support/small_disk.h"
#include "support/test_audio.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestFileCopy : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void copy_givesTheSameBytesAcrossSeveralBlocks() {
        // Past one copy block and not a multiple of it, so a lost or repeated tail shows.
        QByteArray bytes;
        for (int i = 0; i < (1 << 20) * 2 + 777; ++i)
            bytes.append(char(i * 7 + i / 251));
        QVERIFY(testaudio::writeAll(path("source.wav"), bytes));
        QVERIFY(copyFileReplacing(path("source.wav"), path("target.wav")));
        QCOMPARE(testaudio::readAll(path("target.wav")), bytes);
    }

    void copy_replacesALongerOldTargetWhole() {
        QVERIFY(testaudio::writeAll(path("source.wav"), "short"));
        QVERIFY(testaudio::writeAll(path("target.wav"), QByteArray(5000, 'o')));
        QVERIFY(copyFileReplacing(path("source.wav"), path("target.wav")));
        QCOMPARE(testaudio::readAll(path("target.wav")), QByteArray("short"));
        QCOMPARE(entries(), (QStringList{"source.wav", "target.wav"}));
    }

    void missingSource_failsAndLeavesTheTarget() {
        QVERIFY(testaudio::writeAll(path("target.wav"), "old"));
        const Status status = copyFileReplacing(path("gone.wav"), path("target.wav"));
        QCOMPARE(status.code(), ErrorCode::FileOpen);
        QVERIFY(status.message().contains(path("gone.wav")));
        QCOMPARE(testaudio::readAll(path("target.wav")), QByteArray("old"));
        QCOMPARE(entries(), QStringList{"target.wav"});
    }

    void folderAsSource_isNotAFile() {
        QVERIFY(QDir(m_dir->path()).mkdir("folder.wav"));
        const Status status = copyFileReplacing(path("folder.wav"), path("target.wav"));
        QCOMPARE(status.code(), ErrorCode::NotFile);
        QVERIFY(status.message().contains(path("folder.wav")));
        QVERIFY(!QFile::exists(path("target.wav")));
    }

    void targetInsideARegularFile_failsNamingTheTarget() {
        QVERIFY(testaudio::writeAll(path("source.wav"), "data"));
        QVERIFY(testaudio::writeAll(path("plain"), "x"));
        const QString target = path("plain") + "/target.wav";
        const Status status = copyFileReplacing(path("source.wav"), target);
        QCOMPARE(status.code(), ErrorCode::Create);
        QVERIFY2(status.message().contains(target), qPrintable(status.message()));
        QCOMPARE(entries(), (QStringList{"plain", "source.wav"}));
    }

    void targetIsAFolder_failsAndKeepsTheFolder() {
        QVERIFY(testaudio::writeAll(path("source.wav"), "data"));
        QVERIFY(QDir(m_dir->path()).mkdir("target.wav"));
        const Status status = copyFileReplacing(path("source.wav"), path("target.wav"));
        QCOMPARE(status.code(), ErrorCode::Create);
        QVERIFY(QFileInfo(path("target.wav")).isDir());
        QCOMPARE(entries(), (QStringList{"source.wav", "target.wav"}));
    }

    void fullDisk_keepsTheOldTargetAndLeavesNoTemporaryFile() {
        SmallDisk disk(64);
        if (!disk.isValid())
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        const QString target = disk.filePath("target.wav");
        QVERIFY(testaudio::writeAll(target, "old"));
        QVERIFY(testaudio::writeAll(path("source.wav"), QByteArray(256 * 1024, 's')));
        const Status status = copyFileReplacing(path("source.wav"), target);
        QCOMPARE(status.code(), ErrorCode::Create);
        QVERIFY(status.message().contains(target));
        QCOMPARE(testaudio::readAll(target), QByteArray("old"));
        QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"target.wav"});
    }

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QStringList entries() const {
        return QDir(m_dir->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestFileCopy)
#include "tst_file_copy.moc"
