// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/pre_roll.h"

#include <algorithm>
#include <cstring>

PreRoll::PreRoll() : m_ring(new std::byte[CapacityBytes]) {}

void PreRoll::clear() noexcept {
    m_end = 0;
    m_size = 0;
    m_pushed = 0;
}

void PreRoll::push(const std::byte* block, std::size_t bytes) noexcept {
    // Only the newest CapacityBytes of a long block can stay.
    if (bytes > CapacityBytes) {
        block += bytes - CapacityBytes;
        m_pushed = (m_pushed + bytes - CapacityBytes) % FrameBytes;
        bytes = CapacityBytes;
    }
    const std::size_t first = std::min(bytes, CapacityBytes - m_end);
    std::memcpy(m_ring.get() + m_end, block, first);
    std::memcpy(m_ring.get(), block + first, bytes - first);
    m_end = (m_end + bytes) % CapacityBytes;
    m_size = std::min(CapacityBytes, m_size + bytes);
    m_pushed = (m_pushed + bytes) % FrameBytes;
}
