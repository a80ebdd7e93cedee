// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/mp3_encoder.h"

#include "codec/sound_sink.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

constexpr int DefaultBitRate = 128;

struct Job {
    QString input;
    QString output;
    Mp3Encoder::Work work;
    Mp3Encoder::Completion done;
};

} // namespace

struct Mp3Encoder::Impl {
    explicit Impl(Mp3Encoder* encoder) : owner(encoder) {}

    Mp3Encoder* owner;
    std::mutex mutex;
    std::condition_variable wake; // a job was queued or the encoder is going away
    std::condition_variable idle; // the queue is empty and no job runs
    std::deque<Job> queue;
    bool running = false;
    bool stopping = false;
    std::atomic<bool> abort{false};
    std::atomic<int> bitRate{DefaultBitRate};
    short statusCode = 0;
    std::thread worker;

    void loop();
    void postProgress(int percent);
};

void Mp3Encoder::Impl::loop() {
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return stopping || !queue.empty(); });
        if (stopping)
            return;
        const Job job = std::move(queue.front());
        queue.pop_front();
        running = true;
        lock.unlock();
        const Status outcome = job.work([this](int percent) { postProgress(percent); }, abort);
        // Posted before the job counts as done, so that waitForDone() finds it queued.
        if (!abort) {
            QMetaObject::invokeMethod(
                owner,
                [encoder = owner, ok = outcome.isOk(), message = outcome.message(),
                 path = job.output, done = job.done] {
                    if (done)
                        done(ok, message, path);
                    emit encoder->EncodeFinished(ok, message, path);
                },
                Qt::QueuedConnection);
        }
        lock.lock();
        running = false;
        if (queue.empty())
            idle.notify_all();
    }
}

void Mp3Encoder::Impl::postProgress(int percent) {
    QMetaObject::invokeMethod(
        owner, [encoder = owner, percent] { emit encoder->progress(percent); },
        Qt::QueuedConnection);
}

Mp3Encoder::Mp3Encoder(QObject* parent) : QObject(parent), d(std::make_unique<Impl>(this)) {
    d->worker = std::thread([this] { d->loop(); });
}

Mp3Encoder::~Mp3Encoder() {
    {
        std::lock_guard lock(d->mutex);
        d->stopping = true;
        d->abort = true;
        d->queue.clear();
    }
    d->wake.notify_all();
    d->worker.join();
}

int Mp3Encoder::BitRate() const {
    return d->bitRate;
}
void Mp3Encoder::setBitRate(int kbps) {
    d->bitRate = kbps;
}

short Mp3Encoder::EncodeFile(const QString& inputPath, const QString& outputPath, Completion done) {
    const EncodeSettings settings{Codec::Mp3, d->bitRate, QString()};
    return EncodeWith(
        inputPath, outputPath,
        [inputPath, outputPath, settings](const auto& progress, const std::atomic<bool>& abort) {
            return encodeFile(inputPath, outputPath, settings, progress, &abort);
        },
        std::move(done));
}

short Mp3Encoder::EncodeWith(const QString& inputPath, const QString& outputPath, Work work,
                             Completion done) {
    const QFileInfo input(inputPath);
    ErrorCode code = ErrorCode::Ok;
    if (inputPath.isEmpty() || outputPath.isEmpty() || !work)
        code = ErrorCode::IllegalParam;
    else if (!input.exists())
        code = ErrorCode::FileOpen;
    else if (!input.isFile())
        code = ErrorCode::NotFile;
    else if (input.canonicalFilePath() == QFileInfo(outputPath).canonicalFilePath())
        code = ErrorCode::IllegalParam;
    d->statusCode = short(code);
    if (code != ErrorCode::Ok)
        return d->statusCode;
    {
        std::lock_guard lock(d->mutex);
        d->queue.push_back({inputPath, outputPath, std::move(work), std::move(done)});
    }
    d->wake.notify_one();
    return 0;
}

short Mp3Encoder::StatusCode() const {
    return d->statusCode;
}

void Mp3Encoder::waitForDone() {
    {
        std::unique_lock lock(d->mutex);
        d->idle.wait(lock, [this] { return d->queue.empty() && !d->running; });
    }
    if (QThread::currentThread() == thread())
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

#include "moc_mp3_encoder.cpp"
