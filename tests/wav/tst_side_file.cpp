// SPDX-License-Identifier: GPL-3.0-or-later
// The files kept beside a clip are found on disk: whatever is planted where they belong is
// neither followed, nor waited on, nor written through.
#include "support/test_audio.h"
#include "wav/side_file.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

class TestSideFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_clip;

    static Status writeText(const QString& clip, SideKind kind, const QByteArray& text) {
        return sidefile::write(clip, kind, [&](QFile& file) {
            return file.write(text) == text.size() ? Status::ok()
                                                   : Status{ErrorCode::Create, file.errorString()};
        });
    }
    static Result<QByteArray> readText(const QString& clip, SideKind kind) {
        return sidefile::load(clip, kind, [](QFile& file, const ClipStamp&) -> Result<QByteArray> {
            return file.readAll();
        });
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_clip = testaudio::writeSineWav(m_dir.filePath("Song.wav"), WavFormat{1, 8000, 16}, 800);
    }

    void writtenFile_replacesTheOldOneWholeAndLeavesNothingElse() {
        QVERIFY(writeText(m_clip, SideKind::Analysis, "first"));
        QVERIFY(writeText(m_clip, SideKind::Analysis, "second"));
        QCOMPARE(*readText(m_clip, SideKind::Analysis), QByteArray("second"));
        QCOMPARE(QDir(m_dir.filePath("analysis")).entryList(QDir::Files | QDir::System),
                 QStringList{"Song.wav.analysis.json"});
        // A write that fails leaves the old file, and no half-written one beside it.
        QVERIFY(!sidefile::write(m_clip, SideKind::Analysis, [](QFile&) {
            return Status{ErrorCode::Create, QStringLiteral("full")};
        }));
        QCOMPARE(*readText(m_clip, SideKind::Analysis), QByteArray("second"));
        QCOMPARE(QDir(m_dir.filePath("analysis")).count(), 3); // ".", "..", the file
        sidefile::remove(m_clip, SideKind::Analysis);
        QVERIFY(!QFileInfo::exists(sidefile::path(m_clip, SideKind::Analysis)));
    }

    void plantedLinksAndFolders_areNeverFollowed() {
        const QString file = sidefile::path(m_clip, SideKind::Peaks);
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        const QString outside = m_dir.filePath("outside.txt");
        QVERIFY(testaudio::writeAll(outside, "precious"));

        // A link at the file: not read, removed as a link, and a write replaces the link.
        QVERIFY(QFile::link(outside, file));
        QCOMPARE(readText(m_clip, SideKind::Peaks).status().code(), ErrorCode::NotFile);
        QVERIFY(writeText(m_clip, SideKind::Peaks, "peaks"));
        QVERIFY(!QFileInfo(file).isSymLink());
        QVERIFY(QFile::remove(file) && QFile::link(outside, file));
        sidefile::remove(m_clip, SideKind::Peaks);
        QVERIFY(!QFileInfo(file).isSymLink() && !QFileInfo::exists(file));
        QVERIFY(QFile::link("/dev/zero", file));
        QCOMPARE(readText(m_clip, SideKind::Peaks).status().code(), ErrorCode::NotFile);
        QVERIFY(QFile::remove(file));
        QCOMPARE(testaudio::readAll(outside), QByteArray("precious"));

        // A folder at the file stays; a link at the folder gets nothing written through it.
        QVERIFY(QDir().mkdir(file));
        QVERIFY(!writeText(m_clip, SideKind::Peaks, "peaks"));
        QVERIFY(QFileInfo(file).isDir());
        QVERIFY(QDir(QFileInfo(file).path()).removeRecursively());
        const QString elsewhere = m_dir.filePath("elsewhere");
        QVERIFY(QDir().mkdir(elsewhere));
        QVERIFY(QFile::link(elsewhere, QFileInfo(file).path()));
        QCOMPARE(writeText(m_clip, SideKind::Peaks, "peaks").code(), ErrorCode::NotFile);
        QVERIFY(QDir(elsewhere).isEmpty());
        QVERIFY(QFile::remove(QFileInfo(file).path()));
    }

    void aPipeIsNotWaitedOnAndABigFileIsNotRead() {
        const QString file = sidefile::path(m_clip, SideKind::Spectrogram);
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        const QByteArray pipe = QFile::encodeName(file);
        QVERIFY(::mkfifo(pipe.constData(), 0600) == 0);
        auto loading = std::async(std::launch::async, [&] {
            return readText(m_clip, SideKind::Spectrogram).status().code();
        });
        const bool quick = loading.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
        if (!quick)
            ::close(::open(pipe.constData(), O_WRONLY)); // lets a reader stuck on it go
        QVERIFY(quick);
        QCOMPARE(loading.get(), ErrorCode::NotFile);
        QVERIFY(QFile::remove(file));

        QFile big(file);
        QVERIFY(big.open(QIODevice::WriteOnly) &&
                big.resize(sidefile::maxBytes(SideKind::Spectrogram) + 1));
        big.close();
        QCOMPARE(readText(m_clip, SideKind::Spectrogram).status().code(), ErrorCode::FileForm);
        QVERIFY(QFile::remove(file));
    }
};

QTEST_GUILESS_MAIN(TestSideFile)
#include "tst_side_file.moc"
