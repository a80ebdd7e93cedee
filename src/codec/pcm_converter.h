// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/wav_header.h"

#include <QByteArray>

#include <memory>

// Converts interleaved integer PCM from one WavFormat to another, block by block, so that a
// sound of any length passes through in bounded memory: push() blocks in, take the frames
// that come out of each call, flush() once at the end.
//
// Both formats are unsigned 8-bit or signed 16-bit little-endian samples, 1 to 64 channels,
// any positive rate. Channels: one channel is copied to every output channel at full level;
// several channels mixed to one are averaged; other counts follow FFmpeg's standard layouts
// for the two counts. No dither is added when going down to 8 bits.
//
// The resampler holds back a few frames (its filter delay, 16 input frames at the default
// filter) until flush(); after flush() the output holds the input's duration at the new rate
// to within a frame or two.
//
// Not thread-safe: one thread uses a converter at a time.
class PcmConverter {
public:
    // Format for a side that is not 8- or 16-bit or has no channels, too many or no rate.
    static Result<std::unique_ptr<PcmConverter>> create(const WavFormat& from, const WavFormat& to);
    ~PcmConverter();
    PcmConverter(const PcmConverter&) = delete;
    PcmConverter& operator=(const PcmConverter&) = delete;

    const WavFormat& from() const;
    const WavFormat& to() const;

    // An upper bound of the bytes one push() of inputBytes can deliver, frames held back
    // from earlier calls included; callers size their input blocks with it.
    ByteCount maxOutputBytes(ByteCount inputBytes) const;

    // Converts `bytes` bytes of input. A part frame at the end is kept and completed by the
    // next call. `out` is replaced by the converted frames (possibly none yet). Fails with
    // Decode when the resampler fails, or IllegalParam after flush().
    Status push(const char* data, ByteCount bytes, QByteArray& out);
    // Ends the input: `out` is replaced by the frames the resampler still held. A part frame
    // left over is dropped. Later calls of push() and flush() fail.
    Status flush(QByteArray& out);

private:
    struct Impl;
    explicit PcmConverter(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};
