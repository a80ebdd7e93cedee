// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/wav_header.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

// The compressed files the program writes, one writer for all of them.
//
//   Mp3     LAME, constant bit rate, the input's rate where MP3 has it; ID3v2 title
//   Aac     FFmpeg's AAC-LC encoder, 44100 Hz stereo, in an MP4 file of brand "M4A " (what
//           phones and music programs read as .m4a and .m4r); MP4 title
//   Vorbis  libvorbis through FFmpeg, about the bit rate asked, the input's rate kept within
//           44100 to 48000 Hz, in Ogg
//   Opus    libopus through FFmpeg, 48000 Hz (the rate Opus works at), in Ogg
//   Flac    FFmpeg's FLAC encoder, lossless 16-bit, the input's rate
// Vorbis, Opus and FLAC carry the title as a Vorbis comment. No file gets a picture. At most
// two channels go in: callers mix more down (DecodeStream does).
//
// Length: a file holds exactly the frames written, at the file's rate (rounded to the
// nearest frame when the rate changes). MP3 says so in its Info tag, MP4 in its edit list
// (counted in samples), Ogg in its last granule position; a decoder that honours them gives
// back exactly that many frames.
enum class Codec { Mp3, Aac, Vorbis, Opus, Flac };

struct EncodeSettings {
    Codec codec = Codec::Mp3;
    int bitRateKbps = 128; // not used by FLAC
    QString title;         // empty: no title tag
    // A sound meant to repeat without a gap: Ogg files (Vorbis, Opus) carry the comment
    // ANDROID_LOOP=true, which Android's player loops on; other files have no such tag.
    bool loops = false;
};

// The codec a file name asks for by its extension, in any letter case: .mp3, .m4r and .m4a
// (AAC), .ogg (Vorbis), .opus, .flac. Nothing for any other name (.wav included: a WAV is
// not encoded).
std::optional<Codec> codecForPath(const QString& path);
// "MP3", "AAC", "Vorbis", "Opus", "FLAC": for messages.
QString codecLabel(Codec codec);

// One file being written. The file is written under a temporary name beside `path` and
// renamed over it by finish() only; a sink destroyed before that leaves nothing behind and
// an older file of that name as it was.
//
// Not thread-safe; used by one thread at a time (the encoder's worker, or the CLI's thread).
class SoundSink {
public:
    // input: interleaved signed 16-bit samples, 1 or 2 channels, at any rate a WAV may have.
    // Failure: IllegalParam (a format or bit rate the encoder refuses, named in the message),
    // Codec (no such encoder in this FFmpeg), Create (the file cannot be written).
    static Result<std::unique_ptr<SoundSink>> open(const QString& path, const WavFormat& input,
                                                   const EncodeSettings& settings);
    virtual ~SoundSink() = default;

    // Encodes `frames` frames of the input format. Create when the file cannot be written.
    virtual Status write(const std::int16_t* samples, int frames) = 0;
    // Drains the encoder, completes the file and renames it over `path`.
    virtual Status finish() = 0;
};

// Reads a decode stream to its end (or to `maxFrames` frames when that is not negative),
// lets `shape` change each block in place (its first frame's index within the sound is
// given; may be empty), writes the blocks to `sink` and finishes it. 8-bit sound is widened
// to 16 bits on the way. `progress` (may be empty) gets percents of the sound read; a set
// `abort` stops the work with ErrorCode::Ended and the sink unfinished.
class DecodeStream;
using ShapeFn = std::function<void(std::int16_t* samples, int frames, std::int64_t firstFrame)>;
using PercentFn = std::function<void(int percent)>;
Status pumpToSink(DecodeStream& input, SoundSink& sink, std::int64_t maxFrames,
                  const ShapeFn& shape, const PercentFn& progress, const std::atomic<bool>* abort);

// Encodes any file the decoder reads (more than two channels mixed down to two) into
// `output` with `settings`; the failure names the file at fault.
Status encodeFile(const QString& input, const QString& output, const EncodeSettings& settings,
                  const PercentFn& progress = {}, const std::atomic<bool>* abort = nullptr);
