// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_list.h"
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
        model.setStringList(names);
        QCOMPARE(ClipListJournal::restorable(*m_folder).names, names);
        model.moveRows({}, 3, 1, {}, 0);
        model.removeRows(1, 1);
        // The file of the removed clip is still there, not in the list: it comes last.
        QCOMPARE(ClipListJournal::restorable(*m_folder).names,
                 QStringList({"Grüße", "say \"hi\"", "two\nlines", "a"}));
        QVERIFY(!ClipListJournal::restorable(*m_folder).damaged);
        QVERIFY(journal.lastWrite());
    }

    // Names are the journal's word only inside the folder: one that leads out of it, a clip
    // file that is a link, a missing file or a second entry of a name restore nothing more.
    void onlyPlainClipsOfTheFolderComeBack_eachOnce() {
        const QString outside = m_dir->filePath("outside.wav");
        QVERIFY(testaudio::writeAll(outside, "RIFF"));
        QVERIFY(testaudio::writeAll(m_folder->clipFile("kept"), "RIFF"));
        QVERIFY(QFile::link(outside, m_folder->clipFile("link")));
        QVERIFY(ClipListJournal::write(*m_folder, {"../outside", "gone", "kept", "link", "kept",
                                                   m_dir->filePath("outside"), "."}));
        const ClipListJournal::LastRun last = ClipListJournal::restorable(*m_folder);
        QCOMPARE(last.names, QStringList{"kept"});
        QVERIFY(!last.damaged);
    }

    // A journal cut short or not UTF-8 still gives every clip, each once, whatever form its
    // file has: the names it can read in their order, then the clip files it does not name,
    // in file name order.
    void aDamagedJournalStillGivesEveryClip_data() {
        QTest::addColumn<QByteArray>("journal");
        QTest::newRow("cut short") << QByteArray("{\"clips\":[\"c\",\"b\",\"no file\",\"d");
        QTest::newRow("not UTF-8") << QByteArray("{\"clips\":[\"c\",\"b\",\"\xff\xfe\",\"x\"]");
        QTest::newRow("not even JSON") << QByteArray("\0\0\0\0");
    }
    void aDamagedJournalStillGivesEveryClip() {
        QFETCH(QByteArray, journal);
        for (const char* name : {"a", "b", "c"})
            QVERIFY(testaudio::writeAll(m_folder->clipFile(name), "RIFF"));
        // A kept MP3, and a clip whose change was cut short by the crash (both files).
        QVERIFY(testaudio::writeAll(m_folder->file("d.mp3"), "ID3"));
        QVERIFY(testaudio::writeAll(m_folder->file("b.mp3"), "ID3"));
        QVERIFY(testaudio::writeAll(m_folder->journalFile(), journal));
        const ClipListJournal::LastRun last = ClipListJournal::restorable(*m_folder);
        QVERIFY(last.damaged);
        const QStringList read = journal.startsWith('{') ? QStringList{"c", "b"} : QStringList();
        QStringList rest{"a", "b", "c", "d"};
        for (const QString& name : read)
            rest.removeOne(name);
        QCOMPARE(last.names, read + rest);
    }

    // A cut clip comes back as its stretch of its file. A journal from before clips had
    // stretches still reads; a stretch that does not fit the file is not believed.
    void cutClipsComeBackAsTheirStretch() {
        const WavFormat cd{2, 44100, 16};
        for (const char* name : {"a", "b"})
            testaudio::writeWav(m_folder->clipFile(name), cd, testaudio::noisePcm(cd, 1000, 1));
        ClipList clips(*m_folder);
        ClipListJournal journal(clips, *m_folder);
        clips.append("a");
        clips.append("b");
        QVERIFY(clips.setRange(1, ClipRange(clips.clipFile(1), 100, 300, 20)));
        ClipListJournal::LastRun last = ClipListJournal::restorable(*m_folder);
        QCOMPARE(last.names, QStringList({"a", "b"}));
        QCOMPARE(last.stretches.keys(), QStringList{"b"});
        QCOMPARE(last.stretches["b"], ClipRange(QString(), 100, 300, 20));

        QVERIFY(testaudio::writeAll(m_folder->journalFile(), R"({"clips":["b","a"]})"));
        last = ClipListJournal::restorable(*m_folder);
        QCOMPARE(last.names, QStringList({"b", "a"}));
        QVERIFY(last.stretches.isEmpty() && !last.damaged);

        for (const ClipRange& wrong :
             {ClipRange(clips.clipFile(0), 900, 300), ClipRange(clips.clipFile(0), 1000, -1),
              ClipRange(clips.clipFile(1), 0, 10)})
            QVERIFY(!clips.setRange(0, wrong));
        QVERIFY(clips.range(0).whole());
    }

    void nothingToRestoreAfterTheExit() {
        QVERIFY(testaudio::writeAll(m_folder->clipFile("a"), "RIFF"));
        QVERIFY(ClipListJournal::write(*m_folder, {"a"}));
        m_folder->empty();
        QCOMPARE(ClipListJournal::restorable(*m_folder).names, QStringList());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<WorkFolder> m_folder;
};

QTEST_GUILESS_MAIN(TestClipListJournal)
#include "tst_clip_list_journal.moc"
