// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/wav_header.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

// The take written to a file in the work folder while it is being recorded, so that a crash
// costs at most the last IntervalMs of it. The file is the take's WAV image: its header
// says "no sound yet" (sizes 0) until the take ends, when the sizes are set; recover() makes
// a file left by a crash a whole WAV file of what reached it.
//
// A thread of its own writes, every IntervalMs, what the capture appended to the take's
// block since the last look: the capture callback only publishes how far the take has come
// (with release order), so it never waits on the file. The block must stay where it is
// while the spool runs (TakeMemory::mapped() keeps it in place).
//
// A failure to write (a full disk) stops the spool; the take in memory is not touched by
// it. An entry found where the file goes (a link, anything) is replaced, never written
// through.
//
// Threads: start(), finish(), discard(), wait() and the destructor on the owner's thread,
// which waits on the file only for a spool still running when a new take starts, a take is
// discarded or its block goes; the file is written only on the spool's thread.
class TakeSpool {
public:
    static constexpr int IntervalMs = 250;

    explicit TakeSpool(QString path);
    ~TakeSpool();
    TakeSpool(const TakeSpool&) = delete;
    TakeSpool& operator=(const TakeSpool&) = delete;

    const QString& path() const { return m_path; }
    // Starts writing the take whose image starts at `block` (its 44-byte header first) and
    // whose sound bytes so far `recorded` tells. A spool still running is ended first.
    void start(const std::byte* block, const std::atomic<ByteCount>& recorded);
    // The take ended with `soundBytes` of sound: the spool's thread writes the rest and sets
    // the header's sizes, then ends. Returns at once.
    void finish(ByteCount soundBytes);
    // The take is gone (no sound came, or it could not start): the spool ends and its file
    // is removed.
    void discard();
    // Returns once the spool's thread has ended (a take not finished is finished with what
    // was recorded), so the block may go.
    void wait();

    // The sound bytes a file left at `path` holds (whole frames of the take's format), or 0
    // when there is none or it is not a take's file.
    static ByteCount recoverable(const QString& path);
    // Makes the file at `path` a whole WAV file of the sound that reached it (its sizes set)
    // and renames it to `clipPath`. Fails (naming the file) when it is not a take's file or
    // cannot be changed; the file is left as it was then.
    static Status recover(const QString& path, const QString& clipPath);

private:
    void run();

    const QString m_path;
    const std::byte* m_block = nullptr;
    const std::atomic<ByteCount>* m_recorded = nullptr;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_finishing = false;
    ByteCount m_finalBytes = 0;
    std::thread m_thread;
};
