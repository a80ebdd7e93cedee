// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/sample_window.h"

#include "codec/frame_source.h"

#include <algorithm>

void SampleWindow::reset() {
    m_range = {};
    m_first = 0;
    m_frames = 0;
    m_channels = 0;
    m_samples.clear();
}

bool SampleWindow::cover(const ClipRange& range, std::int64_t first, std::int64_t count) {
    if (count > MaxFrames || count <= 0)
        return false;
    first = std::max<std::int64_t>(0, first);
    if (range == m_range && first >= m_first && first + count <= m_first + m_frames)
        return true;
    reset();
    const std::int64_t margin = std::min(count / 2, (MaxFrames - count) / 2);
    const std::int64_t from = std::max<std::int64_t>(0, first - margin);
    auto source = FrameSource::open(range, 0);
    if (!source || !(*source)->limit(from, count + 2 * margin))
        return false;
    std::vector<std::int16_t> block;
    const Result<std::int64_t> read = (*source)->readFully(block, count + 2 * margin);
    if (!read || *read <= 0)
        return false;
    m_range = range;
    m_first = from;
    m_frames = *read;
    m_channels = (*source)->channels();
    m_samples = std::move(block);
    return true;
}
