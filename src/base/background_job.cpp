// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/background_job.h"

#include <QCoreApplication>
#include <QThread>

void BackgroundJob::Context::progress(int percent) const {
    if (m_state->lastPercent.exchange(percent, std::memory_order_relaxed) == percent)
        return;
    QMetaObject::invokeMethod(
        m_job,
        [job = m_job, generation = m_generation, percent] {
            job->reportProgress(generation, percent);
        },
        Qt::QueuedConnection);
}

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob() {
    cancel();
}

void BackgroundJob::start(std::function<void(const Context&)> work, std::function<void()> done,
                          std::unique_ptr<JobScope> scope) {
    launch(
        [work = std::move(work), done = std::move(done)](const Context& context) {
            work(context);
            return Finish(done);
        },
        std::move(scope));
}

void BackgroundJob::launch(std::function<Finish(const Context&)> work,
                           std::unique_ptr<JobScope> scope) {
    checkThread("start");
    cancel();
    m_state = std::make_shared<Context::State>();
    m_scope = std::move(scope);
    m_running = true;
    const unsigned generation = ++m_generation;
    m_thread = std::thread([this, generation, work = std::move(work),
                            context = Context(this, m_state, generation)] {
        Finish finish = work(context);
        // Posted before the thread ends, so that finishNow() finds it once it has joined.
        QMetaObject::invokeMethod(
            this, [this, generation, finish = std::move(finish)] { complete(generation, finish); },
            Qt::QueuedConnection);
    });
}

void BackgroundJob::complete(unsigned generation, const Finish& finish) {
    if (generation != m_generation || !m_running)
        return;
    if (m_thread.joinable())
        m_thread.join();
    m_running = false;
    // The scope goes after the completion: the window comes back when everything is done.
    const std::unique_ptr<JobScope> scope = std::move(m_scope);
    if (finish)
        finish();
}

void BackgroundJob::cancel() {
    checkThread("cancel");
    if (m_state)
        m_state->cancel = true;
    if (m_thread.joinable())
        m_thread.join();
    ++m_generation;
    m_running = false;
    m_scope.reset();
}

void BackgroundJob::finishNow() {
    checkThread("finishNow");
    if (!m_running)
        return;
    if (m_thread.joinable())
        m_thread.join();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void BackgroundJob::reportProgress(unsigned generation, int percent) {
    if (generation != m_generation || !m_running)
        return;
    if (m_scope)
        m_scope->progress(percent);
    emit progressed(percent);
}

// Work started from two threads would race for the thread and the completion; it is a
// mistake in the program, never a user's, so it stops the program where it is made.
void BackgroundJob::checkThread(const char* what) const {
    if (QThread::currentThread() != thread())
        qFatal("BackgroundJob::%s called on a thread that does not own the job", what);
}
