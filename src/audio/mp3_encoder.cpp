// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/mp3_encoder.h"
#include "audio/write_fully.h"

#include "audio/decode_stream.h"
#include "audio/status.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <lame/lame.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr int DefaultBitRate = 128;
// The lame tool's own default (-q 3): same sound, and the same time for the same file.
constexpr int LameQuality = 3;
constexpr int MaxMp3Channels = 2;
constexpr int BlockFrames = 1152 * 32;
// LAME's documented worst case for one call: 1.25 bytes per sample plus 7200.
constexpr int Mp3BufferBytes = BlockFrames * 5 / 4 + 7200;
// The Info tag is one MP3 frame; the longest frame (320 kbit/s at 32000 Hz) is 1441 bytes.
constexpr int TagBufferBytes = 2880;

int mp3RateFor(int inputRateHz) {
    for (int rate : {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}) {
        if (rate >= inputRateHz)
            return rate;
    }
    return 48000;
}

struct LameCloser {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

struct Job {
    QString input;
    QString output;
    int bitRate = DefaultBitRate;
    Mp3Encoder::Completion done;
};

struct Outcome {
    bool ok = false;
    QString message;
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
    Outcome encode(const Job& job);
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
        const Outcome outcome = encode(job);
        // Posted before the job counts as done, so that waitForDone() finds it queued.
        if (!abort) {
            QMetaObject::invokeMethod(
                owner,
                [encoder = owner, outcome, path = job.output, done = job.done] {
                    if (done)
                        done(outcome.ok, outcome.message, path);
                    emit encoder->EncodeFinished(outcome.ok, outcome.message, path);
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

Outcome Mp3Encoder::Impl::encode(const Job& job) {
    auto opened = DecodeStream::open(job.input, MaxMp3Channels);
    if (!opened)
        return {false, opened.status().message()};
    DecodeStream& input = **opened;
    const int channels = input.channels();
    const int blockAlign = input.outputFormat().blockAlign();
    const auto failed = [&](const QString& reason) {
        return Outcome{false, QStringLiteral("%1: %2").arg(job.output, reason)};
    };

    std::unique_ptr<lame_global_flags, LameCloser> lame(lame_init());
    if (!lame)
        return failed(QStringLiteral("out of memory."));
    lame_set_num_channels(lame.get(), channels);
    lame_set_in_samplerate(lame.get(), input.sampleRateHz());
    lame_set_out_samplerate(lame.get(), mp3RateFor(input.sampleRateHz()));
    lame_set_VBR(lame.get(), vbr_off);
    lame_set_brate(lame.get(), job.bitRate);
    lame_set_quality(lame.get(), LameQuality);
    if (channels == 1)
        lame_set_mode(lame.get(), MONO);
    lame_set_bWriteVbrTag(lame.get(), 1);
    // No ID3 tag, so the Info tag frame is the first thing in the file.
    lame_set_write_id3tag_automatic(lame.get(), 0);
    if (lame_init_params(lame.get()) < 0)
        return failed(QStringLiteral("the MP3 encoder refuses %1 Hz, %2 channels, %3 kbit/s.")
                          .arg(input.sampleRateHz())
                          .arg(channels)
                          .arg(job.bitRate));

    QSaveFile output(job.output);
    // Unbuffered: each block is one write(2), and a full disk shows at that write.
    const auto writeFailed = [&] { return Outcome{false, writeFailure(output).message()}; };
    if (!output.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailed();

    std::vector<std::int16_t> pcm(std::size_t(BlockFrames) * channels);
    std::vector<std::uint8_t> bytes(input.isEightBit() ? pcm.size() : 0);
    std::vector<unsigned char> mp3(Mp3BufferBytes);
    const ByteCount length = input.lengthBytes();
    int percent = -1;
    while (input.isActive()) {
        if (abort)
            return failed(QStringLiteral("encoding was stopped."));
        void* target = input.isEightBit() ? static_cast<void*>(bytes.data()) : pcm.data();
        const auto got = input.getData(target, ByteCount(BlockFrames) * blockAlign);
        if (!got)
            return {false, got.status().message()};
        const int frames = int(*got / blockAlign);
        if (frames == 0)
            continue;
        if (input.isEightBit()) {
            for (std::size_t i = 0; i < std::size_t(frames) * channels; ++i)
                pcm[i] = std::int16_t((int(bytes[i]) - 128) * 256);
        }
        const int made = channels == 1
                             ? lame_encode_buffer(lame.get(), pcm.data(), nullptr, frames,
                                                  mp3.data(), Mp3BufferBytes)
                             : lame_encode_buffer_interleaved(lame.get(), pcm.data(), frames,
                                                              mp3.data(), Mp3BufferBytes);
        if (made < 0)
            return failed(QStringLiteral("the MP3 encoder failed (code %1).").arg(made));
        if (Status written = writeFully(output, mp3.data(), made); !written)
            return {false, written.message()};
        if (length > 0) {
            const int now = int(qMin<ByteCount>(100, input.positionBytes() * 100 / length));
            if (now != percent)
                postProgress(percent = now);
        }
    }

    const int flushed = lame_encode_flush(lame.get(), mp3.data(), Mp3BufferBytes);
    if (flushed < 0)
        return failed(QStringLiteral("the MP3 encoder failed (code %1).").arg(flushed));
    if (Status written = writeFully(output, mp3.data(), flushed); !written)
        return {false, written.message()};
    // What lame_mp3_tags_fid does on a FILE*: the placeholder frame LAME wrote first is
    // replaced by the final Info tag.
    unsigned char tag[TagBufferBytes];
    const std::size_t tagBytes = lame_get_lametag_frame(lame.get(), tag, sizeof tag);
    if (tagBytes > sizeof tag)
        return failed(QStringLiteral("the MP3 encoder's tag does not fit."));
    if (tagBytes > 0 && !output.seek(0))
        return writeFailed();
    if (Status written = writeFully(output, tag, qint64(tagBytes)); !written)
        return {false, written.message()};
    if (!output.commit())
        return writeFailed();
    return {true, {}};
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
    const QFileInfo input(inputPath);
    ErrorCode code = ErrorCode::Ok;
    if (inputPath.isEmpty() || outputPath.isEmpty())
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
        d->queue.push_back({inputPath, outputPath, d->bitRate, std::move(done)});
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
