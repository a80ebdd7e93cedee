// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

// What the window holds while a piece of long work runs (the busy gate's scope: window
// disabled, busy window shown). It goes when the work has ended and hears its progress.
class JobScope {
public:
    virtual ~JobScope() = default;
    // 0-100, on the owner's thread.
    virtual void progress(int percent) = 0;
    // The work has turned out long (a decode after a header read): show that it runs now,
    // not only after a while.
    virtual void showNow() {}
};

// Long work on a thread of its own, started and ended on the thread that owns the job (the
// GUI thread; in the command-line program, its main thread): one piece of work at a time.
//
// start(work, done): `work` runs on the job's thread with a Context; its result reaches
// `done` on the owner's thread through the owner's event loop, after the thread has ended.
// cancel() (and a new start, and the destructor) asks the work to stop, waits for its thread
// and drops its completion: `done` never runs for cancelled work, not even when the work had
// ended and its completion was already queued. Progress the work reports reaches the scope
// and progressed() on the owner's thread, only while that work is the current one. The
// scope lives until the completion has run or the work was cancelled.
//
// start, cancel and finishNow must be called on the owner's thread: a call from another
// thread is a programming error and ends the program with a message.
class BackgroundJob : public QObject {
    Q_OBJECT
public:
    // What the work sees: whether it should stop, and where to report how far it has come.
    class Context {
    public:
        bool cancelled() const { return m_state->cancel.load(std::memory_order_relaxed); }
        // For cores that take a cancel flag of their own.
        const std::atomic<bool>& cancelFlag() const { return m_state->cancel; }
        // 0-100; only changes are passed on. Any rate of calls is fine.
        void progress(int percent) const;

    private:
        friend class BackgroundJob;
        struct State {
            std::atomic<bool> cancel{false};
            std::atomic<int> lastPercent{-1};
        };
        Context(BackgroundJob* job, std::shared_ptr<State> state, unsigned generation)
            : m_job(job), m_state(std::move(state)), m_generation(generation) {}
        BackgroundJob* m_job;
        std::shared_ptr<State> m_state;
        unsigned m_generation;
    };

    explicit BackgroundJob(QObject* parent = nullptr);
    ~BackgroundJob() override; // cancel()

    template <typename Result>
    void start(std::function<Result(const Context&)> work, std::function<void(Result)> done,
               std::unique_ptr<JobScope> scope = nullptr) {
        launch(
            [work = std::move(work), done = std::move(done)](const Context& context) {
                auto result = std::make_shared<std::optional<Result>>(work(context));
                return Finish([done, result] {
                    if (done)
                        done(std::move(**result));
                });
            },
            std::move(scope));
    }
    void start(std::function<void(const Context&)> work, std::function<void()> done,
               std::unique_ptr<JobScope> scope = nullptr);

    // From start() until the completion has run (or the work was cancelled).
    bool isRunning() const { return m_running; }
    void cancel();
    // Waits for the running work and runs its completion now, on the owner's thread (for
    // the command-line program and the exit, which must not wait for an event loop).
    void finishNow();

signals:
    void progressed(int percent);

private:
    using Finish = std::function<void()>;
    void launch(std::function<Finish(const Context&)> work, std::unique_ptr<JobScope> scope);
    void complete(unsigned generation, const Finish& finish);
    void checkThread(const char* what) const;
    void reportProgress(unsigned generation, int percent);

    std::thread m_thread;
    std::shared_ptr<Context::State> m_state;
    std::unique_ptr<JobScope> m_scope;
    unsigned m_generation = 0;
    bool m_running = false;
};
