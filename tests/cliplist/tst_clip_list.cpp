// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_list.h"
#include "support/test_audio.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestClipList : public QObject {
    Q_OBJECT
private slots:
    void changes_keepOrderAndReadEachClipsFormat();
    void move_outOfRangeChangesNothing();
};

void TestClipList::changes_keepOrderAndReadEachClipsFormat() {
    QTemporaryDir dir;
    const WorkFolder work(dir.path());
    const WavFormat mono{1, 22050, 16};
    testaudio::writeSineWav(work.clipFile("a"), {2, 44100, 16}, 4410);
    testaudio::writeSineWav(work.clipFile("b"), mono, 1000);
    ClipList list(work);
    QSignalSpy moved(&list, &QAbstractItemModel::rowsMoved);

    list.append("a");
    list.append("b");
    list.insert(1, "missing");
    list.insert(0, "b");
    QCOMPARE(list.names(), QStringList({"b", "a", "missing", "b"}));
    QCOMPARE(list.at(0).format, mono);
    QCOMPARE(list.at(0).frames, 1000);
    QCOMPARE(list.at(1).frames, 4410);
    QCOMPARE(list.at(2).frames, 0); // no file: nothing to read, still listed
    QCOMPARE(list.clipFile(2), work.clipFile("missing"));
    QCOMPARE(list.data(list.index(1)).toString(), QStringLiteral("a"));
    QCOMPARE(list.data(list.index(0), Qt::ToolTipRole).toString(),
             QString::fromUtf8("0:00 · 22050 Hz · mono · 16-bit"));
    QCOMPARE(list.data(list.index(2), Qt::ToolTipRole).toString(), "no sound");
    QCOMPARE(ClipList::summary({"x", {6, 48000, 24}, 48000 * 87 + 47999}),
             QString::fromUtf8("1:27 · 48000 Hz · 6 channels · 24-bit"));

    QVERIFY(list.move(0, 3));
    QCOMPARE(list.names(), QStringList({"a", "missing", "b", "b"}));
    QVERIFY(list.move(2, 0));
    QCOMPARE(list.names(), QStringList({"b", "a", "missing", "b"}));
    QCOMPARE(moved.size(), 2);
    list.remove(2);
    QCOMPARE(list.names(), QStringList({"b", "a", "b"}));

    // A file rewritten behind the list's back is refused, by the clip's name, until the list
    // reads it again.
    QVERIFY(list.allUnchanged());
    testaudio::writeSineWav(work.clipFile("a"), mono, 300);
    QVERIFY(list.unchanged(0));
    const Status changed = list.allUnchanged();
    QVERIFY(!changed);
    QVERIFY2(changed.message().contains("The clip a ") &&
                 changed.message().contains(work.clipFile("a")),
             qPrintable(changed.message()));
    list.refresh(1);
    QCOMPARE(list.at(1).frames, 300);
    QVERIFY(list.allUnchanged());
}

void TestClipList::move_outOfRangeChangesNothing() {
    QTemporaryDir dir;
    ClipList list{WorkFolder(dir.path())};
    list.append("a");
    list.append("b");
    QVERIFY(!list.move(1, 2));
    QVERIFY(!list.move(-1, 0));
    list.remove(5);
    QCOMPARE(list.names(), QStringList({"a", "b"}));
}

QTEST_GUILESS_MAIN(TestClipList)
#include "tst_clip_list.moc"
