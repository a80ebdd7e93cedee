// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_list_journal.h"
#include "support/test_audio.h"

#include <QStringListModel>
#include <QTemporaryDir>
#include <QtTest>

class TestClipListJournal : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_folder = std::make_unique<WorkFolder>(m_dir->filePath("korvanel"));
        QVERIFY(m_folder->prepare());
    }

    void everyChangeIsKeptInListOrder() {
        const QStringList names{"a", "say \"hi\"", "two\nlines", "Grüße"};
        for (const QString& name : names)
            QVERIFY(testaudio::writeAll(m_folder->clipFile(name), "RIFF"));
        QStringListModel model;
        ClipListJournal journal(model, *m_folder);
        QCOMPARE(ClipListJournal::restorable(*m_folder), QStringList());
        model.setStringList(names);
        QCOMPARE(ClipListJournal::restorable(*m_folder), names);
        model.moveRows({}, 3, 1, {}, 0);
        model.removeRows(1, 1);
        QCOMPARE(ClipListJournal::restorable(*m_folder),
                 QStringList({"Grüße", "say \"hi\"", "two\nlines"}));
        QVERIFY(journal.lastWrite());
    }

    void clipsWhoseFilesAreGoneAreLeftOut() {
        QVERIFY(testaudio::writeAll(m_folder->clipFile("kept"), "RIFF"));
        QVERIFY(ClipListJournal::write(*m_folder, {"gone", "kept", "kept"}));
        QCOMPARE(ClipListJournal::restorable(*m_folder), QStringList({"kept", "kept"}));
    }

    void nothingToRestoreAfterTheExitOrFromAGarbledFile() {
        QVERIFY(testaudio::writeAll(m_folder->clipFile("a"), "RIFF"));
        QVERIFY(ClipListJournal::write(*m_folder, {"a"}));
        m_folder->empty();
        QCOMPARE(ClipListJournal::restorable(*m_folder), QStringList());
        QVERIFY(testaudio::writeAll(m_folder->clipFile("a"), "RIFF"));
        QVERIFY(testaudio::writeAll(m_folder->journalFile(), "{\"clips\": [\"a\""));
        QCOMPARE(ClipListJournal::restorable(*m_folder), QStringList());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<WorkFolder> m_folder;
};

QTEST_GUILESS_MAIN(TestClipListJournal)
#include "tst_clip_list_journal.moc"
