// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/frame_source.h"

#include "codec/decode_stream.h"
#include "wav/pcm_reader.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>

#include <QCoreApplication>

namespace {

std::atomic<std::int64_t> framesReadSoFar{0};

} // namespace

std::int64_t FrameSource::framesReadInAll() {
    return framesReadSoFar.load(std::memory_order_relaxed);
}

struct AnalyzerThread::State {
    std::vector<std::unique_ptr<FrameAnalyzer>> analyzers;
    int channels = 1;
    std::int64_t maxQueuedBytes = 0;
    Full full = Full::Drop;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable room; // Full::Wait: the queue has room again
    std::deque<std::vector<std::int16_t>> queue;
    std::int64_t queuedBytes = 0;
    bool ended = false;   // no more blocks come: finish the analyzers
    bool dropped = false; // give the analyzers up
    std::thread thread;

    void run() {
        for (;;) {
            std::vector<std::int16_t> block;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [&] { return dropped || ended || !queue.empty(); });
                if (dropped)
                    return;
                if (queue.empty()) {
                    lock.unlock();
                    for (const auto& analyzer : analyzers)
                        analyzer->finish();
                    return;
                }
                block = std::move(queue.front());
                queue.pop_front();
                queuedBytes -= std::int64_t(block.size() * sizeof(std::int16_t));
            }
            room.notify_all();
            const auto frames = std::int64_t(block.size()) / channels;
            for (const auto& analyzer : analyzers)
                analyzer->add(block.data(), frames);
        }
    }
};

AnalyzerThread::AnalyzerThread(std::vector<std::unique_ptr<FrameAnalyzer>> analyzers, int channels,
                               std::int64_t maxQueuedBytes, Full full)
    : m_state(std::make_unique<State>()) {
    m_state->analyzers = std::move(analyzers);
    m_state->channels = std::max(1, channels);
    m_state->maxQueuedBytes = maxQueuedBytes;
    m_state->full = full;
    m_state->thread = std::thread([state = m_state.get()] { state->run(); });
}

AnalyzerThread::~AnalyzerThread() {
    {
        std::lock_guard lock(m_state->mutex);
        if (!m_state->ended)
            m_state->dropped = true;
    }
    m_state->wake.notify_all();
    if (m_state->thread.joinable())
        m_state->thread.join();
}

void AnalyzerThread::add(const std::int16_t* samples, std::int64_t frames) {
    const std::size_t count = std::size_t(std::max<std::int64_t>(0, frames) * m_state->channels);
    const auto bytes = std::int64_t(count * sizeof(std::int16_t));
    {
        std::unique_lock lock(m_state->mutex);
        if (m_state->full == Full::Wait)
            m_state->room.wait(lock, [&] {
                return m_state->queue.empty() ||
                       m_state->queuedBytes + bytes <= m_state->maxQueuedBytes;
            });
        if (m_state->dropped)
            return;
        if (m_state->queuedBytes + bytes > m_state->maxQueuedBytes && m_state->full == Full::Drop) {
            m_state->dropped = true;
            m_state->queue.clear();
        } else {
            m_state->queue.emplace_back(samples, samples + count);
            m_state->queuedBytes += bytes;
        }
    }
    m_state->wake.notify_all();
}

void AnalyzerThread::finish() {
    {
        std::lock_guard lock(m_state->mutex);
        m_state->ended = true;
    }
    m_state->wake.notify_all();
    if (m_state->thread.joinable())
        m_state->thread.join();
}

bool AnalyzerThread::dropped() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->dropped;
}

Result<std::unique_ptr<FrameSource>> FrameSource::open(const QString& path, int maxChannels) {
    return open(ClipRange{path, 0, -1}, maxChannels);
}

Result<std::unique_ptr<FrameSource>> FrameSource::open(const ClipRange& range, int maxChannels) {
    std::unique_ptr<FrameSource> source(new FrameSource);
    source->m_path = range.file;
    source->m_first = std::max<std::int64_t>(0, range.firstFrame);
    source->m_length = range.frames;
    // A clip file needs no decoder, unless it has more channels than wanted: the decoder
    // mixes them down.
    if (const Result<WavInfo> clip = readClipWavInfo(range.file);
        clip && (maxChannels <= 0 || clip->format.channels <= maxChannels)) {
        source->m_reader = std::make_unique<PcmReader>();
        if (Status opened = source->m_reader->open(range.file); !opened)
            return opened;
        source->m_channels = clip->format.channels;
        source->m_rateHz = clip->format.sampleRateHz;
        source->m_exact = true;
    } else {
        auto opened = DecodeStream::open(range.file, std::max(0, maxChannels));
        if (!opened)
            return opened.status();
        source->m_stream = std::move(*opened);
        source->m_channels = source->m_stream->channels();
        source->m_rateHz = source->m_stream->sampleRateHz();
        source->m_exact = readWavInfo(range.file).isOk();
    }
    // A fresh decoder is at the start already: only a stretch further on is sought.
    if (source->m_reader || source->m_first > 0)
        if (Status at = source->seek(0); !at)
            return at;
    return source;
}

FrameSource::~FrameSource() = default;

std::int64_t FrameSource::fileFrames() const {
    if (m_reader)
        return m_reader->frames();
    const ByteCount bytes = m_stream->lengthBytes();
    return bytes < 0 ? -1 : bytes / m_stream->outputFormat().blockAlign();
}

std::int64_t FrameSource::frames() const {
    const std::int64_t inFile = fileFrames();
    if (inFile < 0)
        return m_length;
    const std::int64_t after = std::max<std::int64_t>(0, inFile - m_first);
    return m_length < 0 ? after : std::min(m_length, after);
}

Status FrameSource::seek(std::int64_t frame) {
    m_position = std::max<std::int64_t>(0, frame);
    if (m_reader) {
        const std::int64_t left =
            m_length < 0 ? m_reader->frames() : std::max<std::int64_t>(0, m_length - m_position);
        if (!m_reader->limit(m_first + m_position, left))
            return {ErrorCode::FileOpen,
                    QCoreApplication::translate("Clips", "%1: cannot be read.").arg(m_path)};
        return Status::ok();
    }
    return m_stream->seek(m_first + m_position);
}

Status FrameSource::hold(std::int64_t frames) {
    m_holding = false;
    const Result<std::int64_t> got = readFully(m_held, frames);
    if (!got)
        return got.status();
    m_heldAt = 0;
    m_holding = true;
    return Status::ok();
}

Result<std::int64_t> FrameSource::readFully(std::vector<std::int16_t>& samples,
                                            std::int64_t frames) {
    frames = std::max<std::int64_t>(0, frames);
    samples.resize(std::size_t(frames * m_channels));
    std::int64_t at = 0;
    while (at < frames) {
        const Result<std::int64_t> got = read(samples.data() + at * m_channels, frames - at);
        if (!got)
            return got.status();
        if (*got == 0)
            break;
        at += *got;
    }
    samples.resize(std::size_t(at * m_channels));
    return at;
}

Status FrameSource::readBlocks(const std::function<Status(const std::int16_t*, std::int64_t)>& take,
                               std::int64_t blockFrames) {
    blockFrames = std::max<std::int64_t>(1, blockFrames);
    std::vector<std::int16_t> block(std::size_t(blockFrames * m_channels));
    for (;;) {
        const Result<std::int64_t> got = read(block.data(), blockFrames);
        if (!got)
            return got.status();
        if (*got == 0)
            return Status::ok();
        if (Status taken = take(block.data(), *got); !taken)
            return taken;
    }
}

Status FrameSource::feed(const std::vector<FrameAnalyzer*>& analyzers,
                         const std::atomic<bool>& cancel, std::int64_t blockFrames) {
    const Status read = readBlocks(
        [&](const std::int16_t* samples, std::int64_t frames) {
            if (cancel.load(std::memory_order_relaxed))
                return Status{ErrorCode::Ended,
                              QCoreApplication::translate("Waveform", "Cancelled.")};
            for (FrameAnalyzer* analyzer : analyzers)
                analyzer->add(samples, frames);
            return Status::ok();
        },
        blockFrames);
    if (!read)
        return read;
    for (FrameAnalyzer* analyzer : analyzers)
        analyzer->finish();
    return Status::ok();
}

Result<std::int64_t> FrameSource::read(std::int16_t* samples, std::int64_t maxFrames) {
    maxFrames = std::max<std::int64_t>(0, maxFrames);
    if (m_holding) {
        const std::size_t count =
            std::min(m_held.size() - m_heldAt, std::size_t(maxFrames) * std::size_t(m_channels));
        if (count > 0)
            std::memcpy(samples, m_held.data() + m_heldAt, count * sizeof *samples);
        m_heldAt += count;
        return std::int64_t(count) / m_channels;
    }
    if (m_length >= 0)
        maxFrames = std::min(maxFrames, m_length - m_position);
    if (maxFrames <= 0)
        return std::int64_t(0);
    std::int64_t frames = 0;
    if (m_reader) {
        frames = m_reader->next(m_block, maxFrames);
        if (frames < 0)
            return Status{
                ErrorCode::FileForm,
                QCoreApplication::translate("Clips", "%1: the sound ends before its header says.")
                    .arg(m_path)};
        if (frames > 0)
            std::memcpy(samples, m_block.data(),
                        std::size_t(frames * m_channels) * sizeof *samples);
    } else {
        const int blockAlign = m_stream->outputFormat().blockAlign();
        const bool eightBit = m_stream->isEightBit();
        void* target = samples;
        if (eightBit) {
            m_bytes.resize(std::size_t(maxFrames * m_channels));
            target = m_bytes.data();
        }
        // The decoder may hand over fewer frames than asked before its end.
        while (frames == 0 && m_stream->isActive()) {
            const Result<ByteCount> got =
                m_stream->getData(target, ByteCount(maxFrames) * blockAlign);
            if (!got)
                return got.status();
            frames = *got / blockAlign;
        }
        if (eightBit)
            widenEightBit(m_bytes.data(), samples, std::size_t(frames * m_channels));
    }
    m_position += frames;
    framesReadSoFar.fetch_add(frames, std::memory_order_relaxed);
    return frames;
}
