// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/background_job.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

struct RecordingScope : JobScope {
    explicit RecordingScope(QList<int>& seen, bool& gone) : m_seen(seen), m_gone(gone) {}
    ~RecordingScope() override { m_gone = true; }
    void progress(int percent) override { m_seen << percent; }
    QList<int>& m_seen;
    bool& m_gone;
};

} // namespace

class TestBackgroundJob : public QObject {
    Q_OBJECT
private slots:
    void completion_carriesResultToOwnerThreadWithProgress();
    void staleCompletion_isDroppedAfterCancel();
    void cancel_stopsWorkAndSendsNoCompletion();
    void newStart_dropsTheEarlierWork();
    void start_fromAnotherThreadStopsTheProgram();
};

void TestBackgroundJob::completion_carriesResultToOwnerThreadWithProgress() {
    BackgroundJob job;
    QList<int> seen;
    bool scopeGone = false;
    std::optional<int> result;
    QThread* doneOn = nullptr;
    job.start<int>(
        [](const BackgroundJob::Context& context) {
            for (int p : {10, 10, 50, 100})
                context.progress(p);
            return 42;
        },
        [&](int value) {
            result = value;
            doneOn = QThread::currentThread();
            QVERIFY(!scopeGone); // the scope outlives the completion
        },
        std::make_unique<RecordingScope>(seen, scopeGone));
    QVERIFY(job.isRunning());
    QTRY_VERIFY(result.has_value());
    QCOMPARE(*result, 42);
    QCOMPARE(doneOn, QThread::currentThread());
    QCOMPARE(seen, (QList<int>{10, 50, 100}));
    QVERIFY(scopeGone);
    QVERIFY(!job.isRunning());
}

void TestBackgroundJob::staleCompletion_isDroppedAfterCancel() {
    BackgroundJob job;
    std::atomic<bool> workEnded{false};
    bool done = false;
    job.start([&](const BackgroundJob::Context&) { workEnded = true; }, [&] { done = true; });
    while (!workEnded)
        std::this_thread::yield();
    // The completion is now waiting in the event queue, which has not run.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    job.cancel();
    QCoreApplication::processEvents();
    QVERIFY(!done);
    QVERIFY(!job.isRunning());
}

void TestBackgroundJob::cancel_stopsWorkAndSendsNoCompletion() {
    BackgroundJob job;
    bool done = false;
    bool sawCancel = false;
    job.start(
        [&](const BackgroundJob::Context& context) {
            while (!context.cancelled())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            sawCancel = true;
        },
        [&] { done = true; });
    job.cancel(); // returns only once the work has stopped
    QVERIFY(sawCancel);
    QTest::qWait(20);
    QVERIFY(!done);
}

void TestBackgroundJob::newStart_dropsTheEarlierWork() {
    BackgroundJob job;
    QStringList done;
    job.start<QString>(
        [](const BackgroundJob::Context& context) {
            while (!context.cancelled())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return QStringLiteral("first");
        },
        [&](QString which) { done << which; });
    job.start<QString>([](const BackgroundJob::Context&) { return QStringLiteral("second"); },
                       [&](QString which) { done << which; });
    job.finishNow();
    QCOMPARE(done, QStringList{QStringLiteral("second")});
}

void TestBackgroundJob::start_fromAnotherThreadStopsTheProgram() {
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // The test framework reports the fatal message as a failure of its own; the child's
        // words are not this process's result.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        BackgroundJob job;
        std::thread other([&] { job.start([](const BackgroundJob::Context&) {}, {}); });
        other.join();
        _exit(0);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT, "the call was not refused");
}

QTEST_GUILESS_MAIN(TestBackgroundJob)
#include "tst_background_job.moc"
