// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/mp3_encoder.h"

#include "base/background_job.h"
#include "codec/sound_sink.h"

#include <QFileInfo>

#include <deque>

namespace {

constexpr int DefaultBitRate = 128;

struct Job {
    QString output;
    Mp3Encoder::Work work;
    Mp3Encoder::Completion done;
};

} // namespace

struct Mp3Encoder::Impl {
    std::deque<Job> queue;
    BackgroundJob worker;
    int bitRate = DefaultBitRate;
    short statusCode = 0;
};

Mp3Encoder::Mp3Encoder(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {
    connect(&d->worker, &BackgroundJob::progressed, this, &Mp3Encoder::progress);
}

Mp3Encoder::~Mp3Encoder() {
    d->queue.clear();
    d->worker.cancel();
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
    d->queue.push_back({outputPath, std::move(work), std::move(done)});
    startNext();
    return 0;
}

void Mp3Encoder::startNext() {
    if (d->worker.isRunning() || d->queue.empty())
        return;
    Job job = std::move(d->queue.front());
    d->queue.pop_front();
    d->worker.start<Status>(
        [work = job.work](const BackgroundJob::Context& context) {
            return work([&](int percent) { context.progress(percent); }, context.cancelFlag());
        },
        [this, output = job.output, done = job.done](Status outcome) {
            if (done)
                done(outcome.isOk(), outcome.message(), output);
            emit EncodeFinished(outcome.isOk(), outcome.message(), output);
            startNext();
        });
}

short Mp3Encoder::StatusCode() const {
    return d->statusCode;
}

void Mp3Encoder::waitForDone() {
    while (d->worker.isRunning())
        d->worker.finishNow();
}

#include "moc_mp3_encoder.cpp"
