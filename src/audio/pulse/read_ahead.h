// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "codec/frame_source.h"
#include "wav/wav_header.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// The sound of a file read ahead of playback, on a thread of its own, into a ring of fixed
// size: the sound server's callback then only copies from memory, and a disk that is slow
// for a moment, a decoder or a busy machine does not reach the sound. The file is read
// through a FrameSource: a clip file from its PCM, anything else (an MP3) decoded as it goes.
//
// Positions are bytes of the sound as 16-bit frames, on whole frames. After seekTo(p) the
// ring fills with the sound from p to the end; take() hands it out in order. The end is
// where reading stops: where the source ends (shorter than its header said, or a read
// failed), or at dataBytes when the source's length is exact. atEnd() comes there and
// endPosition() says where.
//
// Not BackgroundJob: that one runs a piece of work to its end for the window. This reader
// lives as long as its stream and never reports to the window; the stream asks it.
//
// The reader asks for real-time scheduling (realtime.h) once it has read its first stretch;
// where the desktop grants it, a busy machine delays the reading less.
//
// Threads: the owner (seekTo, waitReady, nextPosition) and the consumer (take, atEnd,
// endPosition) may be different threads but never call at the same time (the stream calls
// both with the sound server's lock held). take() never blocks, locks or allocates. The
// file is read only on the reader's own thread, started by the first seekTo() and ended by
// the destructor.
class ReadAhead {
public:
    // `source` is read from its start; its sound is dataBytes long (exact or not, as the
    // source says). The ring holds about `aheadBytes` (whole frames, at least one read's
    // worth), allocated here once.
    ReadAhead(std::unique_ptr<FrameSource> source, ByteCount dataBytes, ByteCount aheadBytes);
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // Drops what was read ahead and reads on from `position` (clamped to the data, rounded
    // down to a frame). Returns at once.
    void seekTo(ByteCount position);
    // Where the next byte take() returns lies in the data; -1 before the first seekTo().
    ByteCount nextPosition() const;
    // Waits until `bytes` are ready to take, or the rest of the data is, or timeoutMs has
    // passed. True when they are ready.
    bool waitReady(ByteCount bytes, int timeoutMs);

    // Copies up to maxBytes of what is ready (whole frames) to `into`; returns the bytes
    // copied, 0 when nothing is ready yet or the data has all been taken.
    std::size_t take(std::byte* into, std::size_t maxBytes);
    // Everything up to endPosition() has been taken.
    bool atEnd() const;
    // Where the data ends: dataBytes, or less when the file did not hold it all.
    ByteCount endPosition() const;

private:
    void run();
    ByteCount ready() const;

    std::unique_ptr<FrameSource> m_source; // the reader's thread only, once it runs
    ByteCount m_sourceAt = 0;              // where the source reads next; the reader's thread
    const ByteCount m_dataBytes;
    const ByteCount m_readLimit; // dataBytes when exact, else as far as the source goes
    const ByteCount m_frameBytes;
    std::vector<std::byte> m_ring;

    // The reader commits what it read by moving m_written (release); the consumer frees
    // ring space by moving m_taken. Both count bytes since the last seekTo().
    std::atomic<ByteCount> m_written{0};
    std::atomic<ByteCount> m_taken{0};
    std::atomic<bool> m_finished{false};
    std::atomic<ByteCount> m_end;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;  // the reader: seek, quit
    std::condition_variable m_ready; // waitReady(): more data or the end
    ByteCount m_start = -1;          // data position of the ring's first byte
    ByteCount m_fileAt = 0;          // data position of the next read, m_mutex
    unsigned m_generation = 0;       // a read begun before a seek is not committed
    bool m_quit = false;
    std::thread m_thread;
};
