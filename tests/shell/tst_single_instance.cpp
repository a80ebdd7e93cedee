// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"
#include "shell/start_plan.h"
#include "support/test_audio.h"

#include <QLocalServer>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Another local account, for the checks that only root can set up.
constexpr uid_t OtherUser = 65534;

// A process of the other user listening at `path`, as someone who took the socket's name
// would. Returns its pid.
pid_t listenAsOtherUser(const QString& path) {
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(path).constData(),
                 sizeof address.sun_path - 1);
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::setgid(OtherUser) == 0 && ::setuid(OtherUser) == 0 &&
        ::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::listen(server, 4) == 0)
        ::pause();
    ::_exit(1);
}

// The session's runtime folder for the sockets: `path`, or none for an empty one.
void useRuntimeFolder(const QString& path) {
    QDir().mkpath(path);
    if (path.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path));
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondStart_handsItsFilesToTheFirst_data() {
        QTest::addColumn<bool>("runtimeFolder");
        QTest::newRow("in the session's runtime folder") << true;
        QTest::newRow("in a private folder of its own") << false;
    }
    void secondStart_handsItsFilesToTheFirst() {
        QFETCH(bool, runtimeFolder);
        QTemporaryDir dir;
        useRuntimeFolder(runtimeFolder ? dir.filePath("runtime") : QString());
        const WorkFolder work(dir.filePath("korvanel"));
        QVERIFY(work.prepare());
        SingleInstance first(work);
        QCOMPARE(first.start(), SingleInstance::Role::First);
        QVERIFY(first.socketPath().startsWith(runtimeFolder ? dir.filePath("runtime")
                                                            : QDir::tempPath() + "/tunecarver-"));
        QSignalSpy handed(&first, &SingleInstance::filesHandedOver);

        SingleInstance second(work);
        QCOMPARE(second.start(), SingleInstance::Role::Second);
        bool taken = false;
        // The first answers from its event loop, which the spy runs here.
        std::thread start([&] { taken = second.handOver({"/music/a b.mp3", "tune.wav"}); });
        QVERIFY(handed.wait(5000));
        start.join();
        QVERIFY(taken);
        QCOMPARE(handed.first().first().toStringList(),
                 QStringList({"/music/a b.mp3", QDir::current().absoluteFilePath("tune.wav")}));
    }

    // What comes over the socket is bounded like a command line: a path longer than a path
    // can be, more than 1,000 files, or 64 MiB without a line end are refused unread, and the
    // first still takes a start that keeps to the bounds.
    void messagesOverTheBound_areRefused() {
        QTemporaryDir dir;
        useRuntimeFolder(dir.filePath("runtime"));
        const WorkFolder work(dir.filePath("korvanel"));
        QVERIFY(work.prepare());
        SingleInstance first(work);
        QCOMPARE(first.start(), SingleInstance::Role::First);
        QSignalSpy handed(&first, &SingleInstance::filesHandedOver);
        SingleInstance second(work);
        QCOMPARE(second.start(), SingleInstance::Role::Second);
        QStringList many;
        for (int i = 0; i < 1001; ++i)
            many << QStringLiteral("/music/%1.wav").arg(i);
        for (const QStringList& files :
             {QStringList{"/" + QString(PATH_MAX, 'a')}, many,
              QStringList{"/" + QString(64 * 1024 * 1024, 'a')}, QStringList{"/music/fine.wav"}}) {
            std::atomic<int> taken = -1;
            std::thread start([&] { taken = second.handOver(files, 60000); });
            QTRY_VERIFY_WITH_TIMEOUT(taken >= 0, 60000);
            start.join();
            QCOMPARE(taken == 1, files.size() == 1 && files.first().size() < 100);
        }
        QCOMPARE(handed.count(), 1);
        QCOMPARE(handed.first().first().toStringList(), QStringList{"/music/fine.wav"});
    }

    // Without a runtime folder, an instance that was killed leaves its socket's folder under
    // the temporary folder; the next start removes it, and nothing that is alive or not ours.
    void socketFoldersOfKilledInstances_areRemoved() {
        QTemporaryDir dir;
        useRuntimeFolder(QString());
        const QByteArray oldTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
        const auto restore = qScopeGuard([&] { qputenv("TMPDIR", oldTemp); });
        QVERIFY(QDir().mkpath(dir.filePath("tmp/tunecarver-dead01")));
        QVERIFY(QDir().mkpath(dir.filePath("tmp/tunecarver-alive1")));
        QVERIFY(QDir().mkpath(dir.filePath("tmp/tunecarver-notours")));
        QVERIFY(testaudio::writeAll(dir.filePath("tmp/tunecarver-file01"), "x"));
        // A socket whose listener is gone: bound, then closed without being removed.
        const int dead = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray deadPath = QFile::encodeName(dir.filePath("tmp/tunecarver-dead01/socket"));
        std::memcpy(address.sun_path, deadPath.constData(), std::size_t(deadPath.size()));
        QVERIFY(::bind(dead, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
        ::close(dead);
        QLocalServer alive;
        QVERIFY(alive.listen(dir.filePath("tmp/tunecarver-alive1/socket")));

        const WorkFolder work(dir.filePath("korvanel"));
        QVERIFY(work.prepare());
        SingleInstance first(work);
        QCOMPARE(first.start(), SingleInstance::Role::First);
        QStringList left =
            QDir(dir.filePath("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        left.removeAll(QFileInfo(first.socketPath()).dir().dirName());
        QCOMPARE(left,
                 QStringList({"tunecarver-alive1", "tunecarver-file01", "tunecarver-notours"}));
    }

    void lockOfAnInstanceThatDied_isTakenOver() {
        QTemporaryDir dir;
        const WorkFolder work(dir.path());
        const QString lock = work.lockFile();
        const pid_t child = ::fork();
        if (child == 0) {
            QLockFile held(lock);
            held.tryLock(0);
            ::_exit(0); // dies holding it
        }
        ::waitpid(child, nullptr, 0);
        QVERIFY(QFile::exists(lock));
        SingleInstance next(work);
        QCOMPARE(next.start(), SingleInstance::Role::First);
    }

    // A second start whose files the first does not take opens a window of its own, in a
    // folder of its own, rather than end with them lost.
    void secondStart_thatCannotHandOver_opensItsOwnWindow() {
        QTemporaryDir dir;
        const WorkFolder work(dir.filePath("korvanel"));
        QVERIFY(work.prepare());
        SingleInstance first(work); // holds the lock; its event loop never runs here
        QCOMPARE(first.start(), SingleInstance::Role::First);
        SingleInstance second(work);
        const StartPlan plan = planStart(second, work, {"x.wav"}, 300);
        QVERIFY(plan.openWindow && plan.spareFolder);
        QVERIFY(plan.workFolder.path() != work.path() && QDir(plan.workFolder.path()).exists());
        QVERIFY(plan.notice.contains(plan.workFolder.path()));
    }

    // Where another user could reach the socket's name, nothing of theirs is removed or
    // trusted: the first runs alone and says so, and a second start hands them nothing.
    void socketNameOfAnotherUser_isNeitherTakenNorTrusted() {
        if (::geteuid() != 0)
            QSKIP("Needs root, to act as a second local account.");
        QTemporaryDir dir;
        useRuntimeFolder(dir.filePath("runtime"));
        QVERIFY(::chmod(QFile::encodeName(dir.filePath("runtime")).constData(), 01777) == 0);
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
        const WorkFolder work(dir.filePath("korvanel"));
        QVERIFY(work.prepare());
        SingleInstance probe(work);
        const pid_t other = listenAsOtherUser(probe.socketPath());
        QVERIFY(other > 0);
        QTRY_VERIFY(QFileInfo::exists(probe.socketPath()));

        SingleInstance second(work);
        QVERIFY(!second.handOver({"/music/private.mp3"}, 500));
        SingleInstance first(work);
        QCOMPARE(first.start(), SingleInstance::Role::Alone);
        QVERIFY(first.notice().contains(probe.socketPath()));
        QVERIFY(QFileInfo::exists(probe.socketPath()));
        ::kill(other, SIGKILL);
        ::waitpid(other, nullptr, 0);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
