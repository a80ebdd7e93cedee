// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/wav_header.h"

#include <QString>

#include <memory>

// A decode-only stream over any file FFmpeg reads (MP3, WAV, FLAC, OGG, M4A/AAC, Opus,
// AIFF, tracker music through libopenmpt) or over an http(s) URL.
//
// Output: interleaved samples at the source's own rate and channel count; unsigned 8-bit
// when the source is unsigned 8-bit PCM, else signed 16-bit little-endian. The format is
// fixed by the first decoded frame: a source that changes rate or layout midway is
// converted to it. MP3 files with a LAME/Info tag decode without the encoder's padding.
//
// Input is not trusted: a file must be recognised with confidence (the file name's
// extension alone is not enough) and hold an audio stream with plausible parameters
// whose first frame decodes; header sizes are never used for an allocation.
//
// Not thread-safe: one thread uses a stream at a time (it may be handed between threads).
class DecodeStream {
public:
    // Tries the three loaders in turn: a local file, then a URL (only when the path has a
    // scheme such as http://; file:// names a local file), then tracker music. Failure:
    // FileOpen (missing or unreadable), NotFile (a folder), Empty (no bytes or no sound),
    // FileForm (no loader recognises it), Codec (no decoder), Decode (the first frame
    // fails) or NoNet (a URL cannot be reached), with a message naming the path.
    //
    // maxChannels > 0: a source with more channels is mixed down to that many (LAME takes
    // at most two); 0 keeps the source's channel count.
    static Result<std::unique_ptr<DecodeStream>> open(const QString& path, int maxChannels = 0);

    // The frames a decode of the local file `path` delivers, counted from its packets without
    // decoding them: every packet's length, less what the container says the decoder drops
    // at the start (the encoder's delay) and at the end (its padding). About a hundredth of a
    // decode. The count is remembered for the file as it is now (its size, time and inode):
    // every stream opened on that file afterwards knows its exact length (lengthBytes()), and
    // counting it again costs a stat.
    // Only MP3 and FLAC are counted: for AAC, Vorbis and Opus the packets and the decode
    // disagree by the codec's priming. Fails as open() does, or FileForm for those and when a
    // packet gives no length (the count would be a guess).
    struct Counted {
        WavFormat format; // of the decoded sound (outputFormat())
        std::int64_t frames = 0;
    };
    static Result<Counted> countFrames(const QString& path);

    ~DecodeStream();
    DecodeStream(const DecodeStream&) = delete;
    DecodeStream& operator=(const DecodeStream&) = delete;

    int channels() const;
    int sampleRateHz() const;
    bool isEightBit() const;
    WavFormat outputFormat() const; // channels, rate, 8 or 16 bits
    // What the file says of itself: its codec as FFmpeg names it ("aac", "vorbis", "mp3",
    // "pcm_s16le", ...) and its title tag (empty when it has none).
    QString codecName() const;
    QString title() const;

    // Decoded bytes in all: exact where the container knows it (PCM WAV, FLAC), else
    // estimated from the duration; -1 when unknown (a live stream). Once the end has been
    // delivered it is the exact count delivered.
    ByteCount lengthBytes() const;
    // Whether lengthBytes() is exact from the start (a PCM WAV, a file counted by
    // countFrames()).
    bool lengthIsExact() const;
    // Decoded bytes delivered so far.
    ByteCount positionBytes() const;
    // True until getData() has delivered the end of the stream (or failed).
    bool isActive() const;

    // Goes to `frame` (frames at the output rate from the first one delivered): the next
    // getData() delivers that frame first, sample for sample what a decode from the start
    // would have delivered there (the codec is started a little earlier and what it decodes
    // before the frame is dropped). The container seeks where it can; where it can't (a live
    // stream) the sound up to the frame is decoded and dropped, from the start only.
    // positionBytes() then counts from the frame. Failure: Decode (the seek failed; the
    // stream is no longer active), IllegalParam (a frame before the position on a stream
    // that can't seek).
    Status seek(std::int64_t frame);

    // Copies up to maxBytes of decoded samples (whole frames only) into buffer and returns
    // the count; 0 at the end; a failure status (Decode, naming the file) when the codec or
    // the file fails midway, after the samples decoded before the failure were delivered.
    // IllegalParam when maxBytes holds less than one frame.
    Result<ByteCount> getData(void* buffer, ByteCount maxBytes);

private:
    struct Impl;
    explicit DecodeStream(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};
