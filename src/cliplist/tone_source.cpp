// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/tone_source.h"

#include "codec/decode_stream.h"
#include "wav/pcm_reader.h"

#include <algorithm>
#include <cstring>

#include <QCoreApplication>

Result<std::unique_ptr<ToneSource>> ToneSource::open(const QString& path) {
    std::unique_ptr<ToneSource> source(new ToneSource);
    source->m_path = path;
    // A clip file needs no decoder; one of more than two channels is mixed down by it.
    if (const Result<WavInfo> clip = readClipWavInfo(path); clip && clip->format.channels <= 2) {
        source->m_reader = std::make_unique<PcmReader>();
        if (Status opened = source->m_reader->open(path); !opened)
            return opened;
        source->m_channels = clip->format.channels;
        source->m_rateHz = clip->format.sampleRateHz;
        source->m_exact = true;
        return source;
    }
    auto opened = DecodeStream::open(path, 2);
    if (!opened)
        return opened.status();
    source->m_stream = std::move(*opened);
    source->m_channels = source->m_stream->channels();
    source->m_rateHz = source->m_stream->sampleRateHz();
    source->m_exact = readWavInfo(path).isOk();
    return source;
}

ToneSource::~ToneSource() = default;

std::int64_t ToneSource::frames() const {
    if (m_reader)
        return m_reader->frames();
    const ByteCount bytes = m_stream->lengthBytes();
    return bytes < 0 ? -1 : bytes / m_stream->outputFormat().blockAlign();
}

Status ToneSource::seek(std::int64_t frame) {
    frame = std::max<std::int64_t>(0, frame);
    if (m_reader) {
        if (!m_reader->limit(frame, m_reader->frames()))
            return {ErrorCode::FileOpen,
                    QCoreApplication::translate("Clips", "%1: cannot be read.").arg(m_path)};
        return Status::ok();
    }
    return m_stream->seek(frame);
}

Status ToneSource::hold(std::int64_t frames) {
    m_held.resize(std::size_t(std::max<std::int64_t>(0, frames) * m_channels));
    std::int64_t at = 0;
    while (at < frames) {
        const Result<std::int64_t> got = read(m_held.data() + at * m_channels, frames - at);
        if (!got)
            return got.status();
        if (*got == 0)
            break;
        at += *got;
    }
    m_held.resize(std::size_t(at * m_channels));
    m_heldAt = 0;
    m_holding = true;
    return Status::ok();
}

Result<std::int64_t> ToneSource::read(std::int16_t* samples, std::int64_t maxFrames) {
    if (m_holding) {
        const std::size_t count =
            std::min(m_held.size() - m_heldAt,
                     std::size_t(std::max<std::int64_t>(0, maxFrames)) * std::size_t(m_channels));
        std::memcpy(samples, m_held.data() + m_heldAt, count * sizeof *samples);
        m_heldAt += count;
        return std::int64_t(count) / m_channels;
    }
    if (m_reader) {
        const std::int64_t got = m_reader->next(m_block, maxFrames);
        if (got < 0)
            return Status{
                ErrorCode::FileForm,
                QCoreApplication::translate("Clips", "%1: the sound ends before its header says.")
                    .arg(m_path)};
        std::memcpy(samples, m_block.data(), std::size_t(got * m_channels) * sizeof *samples);
        return got;
    }
    const int blockAlign = m_stream->outputFormat().blockAlign();
    const bool eightBit = m_stream->isEightBit();
    void* target = samples;
    if (eightBit) {
        m_bytes.resize(std::size_t(maxFrames * m_channels));
        target = m_bytes.data();
    }
    // The decoder may hand over fewer frames than asked before its end.
    std::int64_t frames = 0;
    while (frames == 0 && m_stream->isActive()) {
        const Result<ByteCount> got = m_stream->getData(target, ByteCount(maxFrames) * blockAlign);
        if (!got)
            return got.status();
        frames = *got / blockAlign;
    }
    if (eightBit)
        for (std::size_t i = 0; i < std::size_t(frames * m_channels); ++i)
            samples[i] = std::int16_t((int(m_bytes[i]) - 128) * 256);
    return frames;
}
