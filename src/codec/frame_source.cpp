// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/frame_source.h"

#include "codec/decode_stream.h"
#include "codec/pcm_converter.h"
#include "wav/fade.h"
#include "wav/pcm_reader.h"

#include <algorithm>
#include <cmath>
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
    source->m_first = source->m_clipFirst = std::max<std::int64_t>(0, range.firstFrame);
    source->m_length = source->m_clipFrames = range.frames;
    source->m_fade = std::max<std::int64_t>(0, range.fadeFrames);
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
        source->m_eightBit = clip->format.bitsPerSample == 8;
    } else {
        auto opened = DecodeStream::open(range.file, std::max(0, maxChannels));
        if (!opened)
            return opened.status();
        source->m_stream = std::move(*opened);
        source->m_decodes = true;
        source->m_channels = source->m_stream->channels();
        source->m_rateHz = source->m_stream->sampleRateHz();
        source->m_exact = source->m_stream->lengthIsExact();
        source->m_eightBit = source->m_stream->isEightBit();
    }
    if (source->m_fade > 0 && source->m_clipFrames < 0)
        source->m_clipFrames = source->frames();
    // A fresh decoder is at the start already: only a stretch further on is sought.
    if (source->m_reader || source->m_first > 0)
        if (Status at = source->seek(0); !at)
            return at;
    return source;
}

Result<std::unique_ptr<FrameSource>> FrameSource::join(const std::vector<ClipRange>& parts,
                                                       int maxChannels) {
    if (parts.empty())
        return Status{ErrorCode::Empty,
                      QCoreApplication::translate("Clips", "There is no sound to read.")};
    std::unique_ptr<FrameSource> joined(new FrameSource);
    joined->m_path = parts.front().file;
    joined->m_exact = true;
    std::int64_t start = 0;
    for (const ClipRange& range : parts) {
        auto opened = open(range, maxChannels);
        if (!opened)
            return opened.status();
        Part part;
        part.source = std::move(*opened);
        FrameSource& source = *part.source;
        if (joined->m_parts.empty()) {
            joined->m_channels = source.channels();
            joined->m_rateHz = source.sampleRateHz();
        }
        part.start = start;
        part.frames = source.frames();
        if (source.channels() != joined->m_channels || source.sampleRateHz() != joined->m_rateHz) {
            const WavFormat from{source.channels(), source.sampleRateHz(), 16};
            const WavFormat to{joined->m_channels, joined->m_rateHz, 16};
            auto converter = PcmConverter::create(from, to);
            if (!converter)
                return Status{
                    converter.status().code(),
                    QStringLiteral("%1: %2").arg(range.file, converter.status().message())};
            part.converter = std::move(*converter);
            if (part.frames > 0)
                part.frames = std::int64_t(
                    std::llround(double(part.frames) * to.sampleRateHz / from.sampleRateHz));
            joined->m_exact = false;
        }
        joined->m_exact = joined->m_exact && source.exactLength() && part.frames >= 0;
        joined->m_decodes = joined->m_decodes || source.decodes() || part.converter;
        start = part.frames < 0 || start < 0 ? -1 : start + part.frames;
        joined->m_parts.push_back(std::move(part));
    }
    return joined;
}

FrameSource::~FrameSource() = default;

Status FrameSource::limit(std::int64_t firstFrame, std::int64_t frames) {
    firstFrame = std::max<std::int64_t>(0, firstFrame);
    m_first = m_clipFirst + firstFrame;
    m_length = frames;
    if (m_clipFrames >= 0) {
        const std::int64_t left = std::max<std::int64_t>(0, m_clipFrames - firstFrame);
        m_length = frames < 0 ? left : std::min(frames, left);
    }
    m_holding = false;
    return seek(0);
}

std::int64_t FrameSource::fileFrames() const {
    if (!m_parts.empty())
        return m_parts.back().start < 0 || m_parts.back().frames < 0
                   ? -1
                   : m_parts.back().start + m_parts.back().frames;
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
    if (!m_parts.empty())
        return seekParts(m_first + m_position);
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
    if (!m_parts.empty()) {
        const Result<std::int64_t> got = readParts(samples, maxFrames);
        if (!got)
            return got.status();
        frames = *got;
    } else if (m_reader) {
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
    if (m_fade > 0 && frames > 0)
        fadeEdges(samples, frames, m_first + m_position);
    m_position += frames;
    // A joined source's parts count what they read themselves.
    if (m_parts.empty())
        framesReadSoFar.fetch_add(frames, std::memory_order_relaxed);
    return frames;
}

// The gains are those of a cut faded in its file (edgefade::fadeEdges): 8-bit sound is faded as
// 8-bit samples, so the clip sounds as it would had the cut been written.
void FrameSource::fadeEdges(std::int16_t* samples, std::int64_t frames, std::int64_t at) const {
    const std::int64_t length = std::max<std::int64_t>(0, m_clipFrames);
    const std::int64_t fade = std::min(m_fade, length / 2);
    const std::int64_t start = at - m_clipFirst; // samples[0] in the clip
    const auto scale = [&](std::int64_t from, std::int64_t to, auto gainAt) {
        for (std::int64_t index = std::max(from, start); index < std::min(to, start + frames);
             ++index) {
            const double gain = gainAt(index - from);
            std::int16_t* frame = samples + (index - start) * m_channels;
            for (int c = 0; c < m_channels; ++c)
                frame[c] = m_eightBit ? std::int16_t(std::lround(frame[c] / 256 * gain) * 256)
                                      : std::int16_t(std::lround(frame[c] * gain));
        }
    };
    if (fade <= 0)
        return;
    scale(0, fade, [&](std::int64_t i) { return fade::fadeInGain(i, fade); });
    scale(length - fade, length, [&](std::int64_t i) { return fade::fadeOutGain(i, fade); });
}

// The part that holds `frame` (the last one past the end) starts there; the parts after it
// start at their first frame when they are reached. A converted part starts again from the
// frame of its own that comes nearest before, with a converter of its own.
Status FrameSource::seekParts(std::int64_t frame) {
    m_part = 0;
    while (m_part + 1 < m_parts.size() && m_parts[m_part + 1].start >= 0 &&
           m_parts[m_part + 1].start <= frame)
        ++m_part;
    m_converted.clear();
    m_convertedAt = 0;
    const Part& part = m_parts[m_part];
    return startPart(m_parts[m_part], std::max<std::int64_t>(0, frame - part.start));
}

Status FrameSource::startPart(Part& part, std::int64_t frame) {
    part.flushed = false;
    if (!part.converter)
        return part.source->seek(frame);
    auto fresh = PcmConverter::create(part.converter->from(), part.converter->to());
    if (!fresh)
        return fresh.status();
    part.converter = std::move(*fresh);
    return part.source->seek(frame * part.converter->from().sampleRateHz /
                             part.converter->to().sampleRateHz);
}

Result<std::int64_t> FrameSource::readParts(std::int16_t* samples, std::int64_t maxFrames) {
    const qsizetype frameBytes = qsizetype(m_channels) * qsizetype(sizeof(std::int16_t));
    while (m_part < m_parts.size()) {
        Part& part = m_parts[m_part];
        if (!part.converter) {
            const Result<std::int64_t> got = part.source->read(samples, maxFrames);
            if (!got || *got > 0)
                return got;
        } else {
            if (m_convertedAt < m_converted.size()) {
                const qsizetype bytes =
                    std::min(m_converted.size() - m_convertedAt, qsizetype(maxFrames) * frameBytes);
                std::memcpy(samples, m_converted.constData() + m_convertedAt, std::size_t(bytes));
                m_convertedAt += bytes;
                return std::int64_t(bytes / frameBytes);
            }
            m_converted.clear();
            m_convertedAt = 0;
            if (!part.flushed) {
                constexpr std::int64_t BlockFrames = 4096;
                m_block.resize(std::size_t(BlockFrames * part.source->channels()));
                const Result<std::int64_t> got = part.source->read(m_block.data(), BlockFrames);
                if (!got)
                    return got.status();
                const Status converted =
                    *got > 0
                        ? part.converter->push(
                              reinterpret_cast<const char*>(m_block.data()),
                              ByteCount(*got) * part.converter->from().blockAlign(), m_converted)
                        : part.converter->flush(m_converted);
                if (!converted)
                    return Status{converted.code(), QStringLiteral("%1: %2").arg(
                                                        part.source->m_path, converted.message())};
                part.flushed = *got == 0;
                continue;
            }
        }
        // This part is over: the next one from its first frame.
        if (++m_part < m_parts.size())
            if (Status at = startPart(m_parts[m_part], 0); !at)
                return at;
    }
    return std::int64_t(0);
}
