// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/work_folder.h"
#include "cliplist/clip_list.h"
#include "cliplist/ui/framewav.h"
#include "recording/take_recorder.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_engine.h"
#include "support/test_audio.h"
#include "support/window_rig.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstdio>
#include <vector>

namespace {

constexpr std::size_t BlockBytes = 3528; // 20 ms of the take's format
constexpr int Blocks = 150;              // three seconds

// Bytes that show where they belong: a block out of place or missing breaks the pattern.
QByteArray patternAt(ByteCount offset, std::size_t bytes) {
    QByteArray block(qsizetype(bytes), Qt::Uninitialized);
    for (std::size_t i = 0; i < bytes; ++i)
        block[qsizetype(i)] = char((offset + ByteCount(i)) * 7 % 251);
    return block;
}

// The child: records three seconds into the work folder `folder`, says so, and waits to be
// killed.
int recordAndWait(const QString& folder) {
    WorkFolder work(folder);
    work.create();
    ScriptedEngine engine;
    if (!engine.startForRecording())
        return 1;
    engine.setBlockGenerator(patternAt);
    TakeRecorder take(engine);
    take.setSpoolFile(work.takeSpool());
    if (!take.BeginTake())
        return 2;
    engine.deliverBlocks(std::vector<std::size_t>(Blocks, BlockBytes));
    if (!engine.waitDelivered())
        return 3;
    std::printf("recorded %lld\n", static_cast<long long>(take.recordedBytes()));
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

} // namespace

class TestTakeSpool : public QObject {
    Q_OBJECT
private slots:
    void killedWhileRecording_nextStartOffersEveryByteOfTheTake();
};

// A child process records, and is killed (SIGKILL) a second after the last block; the next
// start offers the take and puts it in the list as a clip, every byte recorded in it.
void TestTakeSpool::killedWhileRecording_nextStartOffersEveryByteOfTheTake() {
    QTemporaryDir dir;
    const QString folder = dir.filePath("work");
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--record-child", folder});
    QVERIFY(child.waitForReadyRead(60000));
    const QByteArray said = child.readLine().trimmed();
    const ByteCount recorded = said.split(' ').value(1).toLongLong();
    QCOMPARE(recorded, ByteCount(Blocks * BlockBytes));
    QTest::qWait(1000);
    child.kill();
    QVERIFY(child.waitForFinished(60000));

    WindowRig rig(WindowRig::Window::Later);
    rig.dialogs().queueAnswer(Dialogs::Answer::Yes);
    rig.createWindow(folder);
    QCOMPARE(rig.dialogs().messages().size(), 1);
    QCOMPARE(rig.dialogs().messages().first().text,
             "Restore the take (0:03 recorded) of the last run?");
    const ClipList& clips = rig.framewav().clips();
    QCOMPARE(clips.names(), QStringList{"Take of the last run"});
    const QByteArray file = testaudio::readAll(clips.clipFile(0));
    QCOMPARE(file.size(), 44 + recorded);
    QCOMPARE(testaudio::le32(file, 40), quint32(recorded));
    QVERIFY(file.mid(44) == patternAt(0, std::size_t(recorded)));
    QVERIFY(!QFile::exists(WorkFolder(folder).takeSpool()));
}

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--record-child") == 0) {
        QCoreApplication app(argc, argv);
        return recordAndWait(QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    TestTakeSpool test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_take_spool.moc"
