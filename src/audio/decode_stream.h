// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/status.h"
#include "audio/wav_header.h"

#include <QString>

#include <memory>

// A decode-only stream over any file FFmpeg reads (MP3, WAV, FLAC, OGG, M4A/AAC, Opus,
// AIFF, tracker music through libopenmpt) or over an http(s) URL.
//
// Output: interleaved samples at the source's own rate and channel count; unsigned 8-bit
// when the source is unsigned 8-bit PCM, else signed 16-bit little-endian.
// Not thread-safe: one thread uses a stream at a time (it may be handed between threads).
class DecodeStream {
public:
    // Tries the three loaders in turn: a local file, then a URL (only when the path has a
    // scheme such as http://), then tracker music. Failure: FileOpen, NotFile, FileForm,
    // Codec or NoNet with a message naming the path.
    static Result<std::unique_ptr<DecodeStream>> open(const QString& path);

    ~DecodeStream();
    DecodeStream(const DecodeStream&) = delete;
    DecodeStream& operator=(const DecodeStream&) = delete;

    int channels() const;
    int sampleRateHz() const;
    bool isEightBit() const;
    WavFormat outputFormat() const; // channels, rate, 8 or 16 bits

    // Decoded bytes in all: exact where the container knows it, else estimated from the
    // duration; -1 when unknown (a live stream).
    ByteCount lengthBytes() const;
    // Decoded bytes delivered so far.
    ByteCount positionBytes() const;
    // True until getData() has delivered the end of the stream (or failed).
    bool isActive() const;

    // Copies up to maxBytes of decoded samples (whole frames only) into buffer and returns
    // the count; 0 at the end; a failure status when the codec or the file fails midway.
    Result<ByteCount> getData(void* buffer, ByteCount maxBytes);

private:
    struct Impl;
    explicit DecodeStream(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};
