// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>

// The last moments of sound heard before a take starts: a ring of CapacityBytes that the
// capture thread fills with every block while no take is being written, keeping the newest
// bytes. The ring is allocated once, with the object; push() and the reads copy bytes only,
// without a lock or an allocation.
//
// Threads: one thread at a time, the capture thread while a capture runs, else the owner's.
class PreRoll {
public:
    static constexpr int MaxMs = 2000;
    static constexpr std::size_t BytesPerSecond = 176400; // 44100 Hz, 2 channels, 16-bit
    static constexpr std::size_t FrameBytes = 4;
    static constexpr std::size_t CapacityBytes = BytesPerSecond * MaxMs / 1000;

    PreRoll();

    void clear() noexcept;
    void push(const std::byte* block, std::size_t bytes) noexcept;
    // The newest whole frames kept, at most `bytes` of them, oldest first, in at most two runs
    // handed to `take(const std::byte*, std::size_t)`. Frames are counted from the first byte
    // pushed since clear().
    template <typename Take> void newest(std::size_t bytes, Take take) const {
        std::size_t kept = std::min(bytes, m_size);
        // The oldest byte handed out starts a frame.
        const std::size_t misaligned = (m_pushed + FrameBytes - kept % FrameBytes) % FrameBytes;
        kept -= misaligned == 0 ? 0 : std::min(kept, FrameBytes - misaligned);
        const std::size_t start = (m_end + CapacityBytes - kept) % CapacityBytes;
        const std::size_t first = std::min(kept, CapacityBytes - start);
        if (first > 0)
            take(m_ring.get() + start, first);
        if (kept > first)
            take(m_ring.get(), kept - first);
    }

private:
    std::unique_ptr<std::byte[]> m_ring;
    std::size_t m_end = 0;    // where the next byte goes
    std::size_t m_size = 0;   // bytes kept, at most CapacityBytes
    std::size_t m_pushed = 0; // bytes pushed since clear(), modulo FrameBytes
};
