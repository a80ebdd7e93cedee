// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/pcm_source.h"

#include "codec/decode_stream.h"

#include <algorithm>
#include <cstring>

MemorySource::MemorySource(const std::int16_t* samples, std::int64_t frames, int channels,
                           int sampleRateHz)
    : m_samples(samples), m_frames(std::max<std::int64_t>(0, frames)), m_channels(channels),
      m_rate(sampleRateHz) {}

Result<std::int64_t> MemorySource::read(std::int16_t* samples, std::int64_t maxFrames) {
    const std::int64_t count = std::clamp<std::int64_t>(m_frames - m_at, 0, maxFrames);
    if (count > 0)
        std::memcpy(samples, m_samples + m_at * m_channels,
                    std::size_t(count * m_channels) * sizeof(std::int16_t));
    m_at += count;
    return count;
}

namespace {

class DecodedSource : public PcmSource {
public:
    explicit DecodedSource(std::unique_ptr<DecodeStream> stream) : m_stream(std::move(stream)) {}
    int channels() const override { return m_stream->channels(); }
    int sampleRateHz() const override { return m_stream->sampleRateHz(); }
    std::int64_t frames() const override {
        const ByteCount bytes = m_stream->lengthBytes();
        const int frameBytes = m_stream->outputFormat().blockAlign();
        return bytes < 0 || frameBytes <= 0 ? -1 : bytes / frameBytes;
    }
    Result<std::int64_t> read(std::int16_t* samples, std::int64_t maxFrames) override {
        const int frameBytes = m_stream->outputFormat().blockAlign();
        if (!m_stream->isEightBit()) {
            const Result<ByteCount> got = m_stream->getData(samples, maxFrames * frameBytes);
            if (!got)
                return got.status();
            return *got / frameBytes;
        }
        m_bytes.resize(std::size_t(maxFrames * frameBytes));
        const Result<ByteCount> got = m_stream->getData(m_bytes.data(), ByteCount(m_bytes.size()));
        if (!got)
            return got.status();
        for (ByteCount i = 0; i < *got; ++i)
            samples[i] = std::int16_t((int(m_bytes[std::size_t(i)]) - 128) * 256);
        return *got / frameBytes;
    }

private:
    std::unique_ptr<DecodeStream> m_stream;
    std::vector<std::uint8_t> m_bytes;
};

} // namespace

Result<std::unique_ptr<PcmSource>> openSoundFile(const QString& path) {
    Result<std::unique_ptr<DecodeStream>> stream = DecodeStream::open(path, 2);
    if (!stream)
        return stream.status();
    return std::unique_ptr<PcmSource>(new DecodedSource(std::move(*stream)));
}
