// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/pcm_source.h"

#include "codec/frame_source.h"

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

class FileSource : public PcmSource {
public:
    explicit FileSource(std::unique_ptr<FrameSource> source) : m_source(std::move(source)) {}
    int channels() const override { return m_source->channels(); }
    int sampleRateHz() const override { return m_source->sampleRateHz(); }
    std::int64_t frames() const override { return m_source->frames(); }
    Result<std::int64_t> read(std::int16_t* samples, std::int64_t maxFrames) override {
        return m_source->read(samples, maxFrames);
    }

private:
    std::unique_ptr<FrameSource> m_source;
};

} // namespace

Result<std::unique_ptr<PcmSource>> openSoundFile(const ClipRange& path) {
    Result<std::unique_ptr<FrameSource>> source = FrameSource::open(path);
    if (!source)
        return source.status();
    return std::unique_ptr<PcmSource>(new FileSource(std::move(*source)));
}
