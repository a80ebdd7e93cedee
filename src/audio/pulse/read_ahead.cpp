// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/pulse/read_ahead.h"

#include "audio/pulse/realtime.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>

namespace {
// Large enough that a read costs little per byte, small enough that the first one after a
// seek is done at once.
constexpr ByteCount ReadBytes = 64 * 1024;
// A full ring is looked at again this often; the consumer never wakes the reader, so that
// it never has to lock.
constexpr auto FullRingPoll = std::chrono::milliseconds(20);
// Under the sound server's own threads, which rtkit gives higher priorities.
constexpr int ReaderPriority = 1;
} // namespace

ReadAhead::ReadAhead(std::unique_ptr<FrameSource> source, ByteCount dataBytes, ByteCount aheadBytes)
    : m_dataBytes(dataBytes),
      m_readLimit(source->exactLength() ? dataBytes : std::numeric_limits<ByteCount>::max()),
      m_frameBytes(std::max(1, source->channels()) * ByteCount(sizeof(std::int16_t))),
      m_end(dataBytes) {
    m_source = std::move(source);
    // Whole frames, so that a frame never straddles the ring's wrap and reads up to the
    // wrap stay whole frames too.
    const ByteCount readBytes = std::max(m_frameBytes, ReadBytes - ReadBytes % m_frameBytes);
    const ByteCount capacity = std::max(aheadBytes, 2 * readBytes);
    m_ring.resize(std::size_t(capacity - capacity % m_frameBytes));
}

ReadAhead::~ReadAhead() {
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void ReadAhead::seekTo(ByteCount position) {
    position = std::clamp<ByteCount>(position, 0, m_dataBytes);
    position -= position % m_frameBytes;
    {
        std::lock_guard lock(m_mutex);
        ++m_generation;
        m_start = position;
        m_fileAt = position;
        m_written.store(0, std::memory_order_relaxed);
        m_taken.store(0, std::memory_order_relaxed);
        m_end.store(m_dataBytes, std::memory_order_relaxed);
        m_finished.store(false, std::memory_order_release);
        if (!m_thread.joinable())
            m_thread = std::thread(&ReadAhead::run, this);
    }
    m_wake.notify_all();
}

ByteCount ReadAhead::nextPosition() const {
    std::lock_guard lock(m_mutex);
    return m_start < 0 ? -1 : m_start + m_taken.load(std::memory_order_relaxed);
}

ByteCount ReadAhead::ready() const {
    return m_written.load(std::memory_order_acquire) - m_taken.load(std::memory_order_relaxed);
}

bool ReadAhead::waitReady(ByteCount bytes, int timeoutMs) {
    std::unique_lock lock(m_mutex);
    return m_ready.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        return ready() >= bytes || m_finished.load(std::memory_order_relaxed);
    });
}

std::size_t ReadAhead::take(std::byte* into, std::size_t maxBytes) {
    const ByteCount taken = m_taken.load(std::memory_order_relaxed);
    ByteCount n = std::min(ready(), ByteCount(maxBytes));
    n -= n % m_frameBytes;
    if (n <= 0)
        return 0;
    const auto capacity = ByteCount(m_ring.size());
    const ByteCount at = taken % capacity;
    const ByteCount first = std::min(n, capacity - at);
    std::memcpy(into, m_ring.data() + at, std::size_t(first));
    std::memcpy(into + first, m_ring.data(), std::size_t(n - first));
    m_taken.store(taken + n, std::memory_order_release);
    return std::size_t(n);
}

bool ReadAhead::atEnd() const {
    return m_finished.load(std::memory_order_acquire) && ready() == 0;
}

ByteCount ReadAhead::endPosition() const {
    return m_end.load(std::memory_order_acquire);
}

void ReadAhead::run() {
    const auto capacity = ByteCount(m_ring.size());
    const ByteCount readBytes = std::max(m_frameBytes, ReadBytes - ReadBytes % m_frameBytes);
    bool askedRealtime = false;
    std::unique_lock lock(m_mutex);
    while (!m_quit) {
        if (m_start < 0 || m_finished.load(std::memory_order_relaxed)) {
            m_wake.wait(lock);
            continue;
        }
        const ByteCount left = m_readLimit - m_fileAt;
        if (left <= 0) {
            m_end.store(m_fileAt, std::memory_order_relaxed);
            m_finished.store(true, std::memory_order_release);
            m_ready.notify_all();
            continue;
        }
        const ByteCount written = m_written.load(std::memory_order_relaxed);
        const ByteCount space = capacity - (written - m_taken.load(std::memory_order_acquire));
        // Small reads while the consumer nibbles at a full ring would cost more than they
        // bring; the ring holds far more than the server asks for between two looks.
        if (space < std::min(readBytes, left)) {
            // Asked once the first stretch is read, so that playback never waits on the bus.
            if (!askedRealtime) {
                askedRealtime = true;
                lock.unlock();
                realtime::requestForThisThread(ReaderPriority);
                lock.lock();
                continue;
            }
            m_wake.wait_for(lock, FullRingPoll);
            continue;
        }
        const ByteCount at = written % capacity;
        const ByteCount wanted = std::min({space, capacity - at, left, readBytes});
        const ByteCount from = m_fileAt;
        const unsigned generation = m_generation;
        lock.unlock();
        ByteCount got = -1;
        // A decoder is sought only when the reading does not simply go on.
        if (from == m_sourceAt || m_source->seek(from / m_frameBytes)) {
            const Result<std::int64_t> frames = m_source->read(
                reinterpret_cast<std::int16_t*>(m_ring.data() + at), wanted / m_frameBytes);
            got = frames ? *frames * m_frameBytes : -1;
        }
        m_sourceAt = got > 0 ? from + got : -1;
        lock.lock();
        if (generation != m_generation)
            continue;
        got = std::max<ByteCount>(0, got);
        m_fileAt += got;
        m_written.store(written + got, std::memory_order_release);
        if (got == 0) {
            // The source ends here (a file shorter than its header said, or a failed read).
            m_end.store(m_fileAt, std::memory_order_relaxed);
            m_finished.store(true, std::memory_order_release);
        }
        m_ready.notify_all();
    }
}
