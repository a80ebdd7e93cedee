// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>
#include <thread>
#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondStart_handsItsFilesToTheFirst() {
        QTemporaryDir dir;
        const QString lock = dir.filePath("instance.lock");
        SingleInstance first(lock);
        QCOMPARE(first.start(), SingleInstance::Role::First);
        QSignalSpy handed(&first, &SingleInstance::filesHandedOver);

        SingleInstance second(lock);
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

    void lockOfAnInstanceThatDied_isTakenOver() {
        QTemporaryDir dir;
        const QString lock = dir.filePath("instance.lock");
        const pid_t child = ::fork();
        if (child == 0) {
            QLockFile held(lock);
            held.tryLock(0);
            ::_exit(0); // dies holding it
        }
        ::waitpid(child, nullptr, 0);
        QVERIFY(QFile::exists(lock));
        SingleInstance next(lock);
        QCOMPARE(next.start(), SingleInstance::Role::First);
    }

    void noAnswer_whenNoFirstInstanceListens() {
        QTemporaryDir dir;
        SingleInstance alone(dir.filePath("instance.lock"));
        QVERIFY(!alone.handOver({"x.wav"}, 200));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
