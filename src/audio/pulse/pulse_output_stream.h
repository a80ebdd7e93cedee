// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/clip_range.h"
#include "wav/wav_header.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <limits>
#include <memory>

class PulseConnection;
class ReadAhead;
struct pa_mainloop_api;
struct pa_operation;
struct pa_stream;
struct pa_time_event;
struct timeval;

// One output stream of a PulseEngine: the sample data of a WAV image in memory or of a WAV
// file, played on the server's default sink from a position in the data.
//
// The server stream is made on the first play(), corked and let go by stop(), and made anew
// from the position by play(), setPosition() and after the end. At the end of the data the stream
// plays out what the server still holds, then the position goes back to 0, the stream is no longer
// active and the ended handler runs once, on the main loop thread.
//
// About 2 s of sound wait at the server, topped up in steps of about 20 ms, so that a busy
// machine may leave the program unscheduled for a second and a half without a hole in the
// sound. A file's data is read ahead (about 3 s) on a thread of its own; the server's
// callback only copies from memory. Should the reader fall behind all the same, what it has
// is written and the rest a few milliseconds later. Stop and a new position take effect at
// once all the same: both let go of the server stream and what waits in it (a cork first,
// so the sink stops where it is), and the next play starts a new one.
//
// A stream may have a next one queued (queueNext): when this stream's data is all written,
// the next one's data follows in the same server stream, so the sink plays the two without
// a gap. A file queued next is read ahead from the moment it is queued. This stream then
// stays active until the server has played its last sample, and its ended handler runs at
// that moment; the next stream is active from the hand-over on.
//
// Threads: every call but the factories, and the destruction, with the connection's lock
// held (the owner's thread or a main loop callback).
class PulseOutputStream {
public:
    // Reads the WAV layout of an image in memory; the image must outlive the stream and is
    // only read. Fails with IllegalParam, FileForm or Format.
    static Result<std::unique_ptr<PulseOutputStream>> overMemory(const std::byte* image,
                                                                 ByteCount bytes);
    // Opens a WAV file and reads its layout; the data is read from the file while playing.
    // Fails with the reader's code (FileOpen, NotFile, FileForm) or Format.
    static Result<std::unique_ptr<PulseOutputStream>> overFile(const ClipRange& clip);
    ~PulseOutputStream();
    PulseOutputStream(const PulseOutputStream&) = delete;
    PulseOutputStream& operator=(const PulseOutputStream&) = delete;

    // Runs on the main loop thread when playback reached the end of the data.
    void setEndedHandler(std::function<void()> handler);
    // Runs on the main loop thread when the server ended the playing stream before that
    // (it went away, or dropped the stream).
    void setFailedHandler(std::function<void()> handler);

    // Plays from the current position on a ready connection; Driver when the server
    // refuses the stream.
    Status play(PulseConnection& connection);
    // Pauses; the position stays where playback was.
    Status stop(PulseConnection& connection);
    // Moves to `bytes` of sample data (rounded down to a whole frame); a playing stream
    // goes on from there. Position when outside 0..length().
    Status setPosition(PulseConnection& connection, ByteCount bytes);
    // Drops the server stream (before the connection closes); the position stays.
    void release();
    // Queues `next` (nullptr: none) to follow this stream's data without a gap, also when
    // this stream's data has all been written already and only plays out (the server's
    // next request, within about 20 ms, hands over). Format when the two differ in sample
    // format; nothing changes then. A stream destroyed while queued or playing the other's
    // tail unlinks itself.
    Status queueNext(PulseOutputStream* next);

    bool isActive() const { return m_playing; }
    // Sample-data bytes played so far: what the server reports it has taken from the stream
    // less what waits in the sink, carried on in real time between its reports (never
    // what was written to it).
    ByteCount position() const;
    // The sound's bytes in all: a decoder's estimate until a file whose length is not
    // exact has been read to its end.
    ByteCount length() const { return m_dataBytes == UnknownEnd ? m_estimate : m_dataBytes; }
    // The sample format of the data position() and length() count.
    WavFormat format() const { return m_info.format; }

private:
    explicit PulseOutputStream(const WavInfo& info);
    static Status checkFormat(const WavInfo& info, const QString& what);
    Status open(PulseConnection& connection);
    ByteCount playedInStream() const;
    void prepareData(ByteCount position);
    std::size_t take(std::byte* into, std::size_t maxBytes);
    void writeData(std::size_t requested);
    void retryWriteSoon();
    void handOver(std::size_t requested);
    void endTailIfPlayed();
    void dropFollower();
    void unlink();
    void finish();

    static void onState(pa_stream* stream, void* userdata);
    static void onWrite(pa_stream* stream, std::size_t bytes, void* userdata);
    static void onDrained(pa_stream* stream, int success, void* userdata);
    static void onRetry(pa_mainloop_api* api, pa_time_event* event, const timeval* when,
                        void* userdata);

    WavInfo m_info;
    // Where the data ends; UnknownEnd while a decoded file, whose length is only estimated
    // (m_estimate), has not been read to its end.
    static constexpr ByteCount UnknownEnd = std::numeric_limits<ByteCount>::max();
    ByteCount m_dataBytes = 0;
    ByteCount m_estimate = 0;
    const std::byte* m_image = nullptr;
    std::unique_ptr<ReadAhead> m_reader; // a file's data; null for an image in memory
    std::function<void()> m_onEnded;
    std::function<void()> m_onFailed;

    PulseConnection* m_connection = nullptr;
    pa_stream* m_stream = nullptr;
    pa_operation* m_drain = nullptr;
    pa_time_event* m_retry = nullptr;        // writes again when the reader fell behind
    ByteCount m_streamStart = 0;             // data offset the current server stream started at
    ByteCount m_written = 0;                 // bytes handed to the current server stream
    mutable ByteCount m_playedHighWater = 0; // keeps the position from running backwards
    ByteCount m_stoppedAt = 0;               // the position while not playing
    bool m_playing = false;

    PulseOutputStream* m_next = nullptr; // queued to follow, or playing after our tail
    PulseOutputStream* m_prev = nullptr; // the stream this one is queued after
    bool m_handedOver = false;           // our data is written; the server stream is m_next's
    ByteCount m_offset = 0;              // server-stream bytes before our data (a tail)
};
