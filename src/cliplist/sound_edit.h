// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

// Edits of a clip's sound that write a new version of its file: a fade in and out, a gain,
// and a loudness normalisation measured by EBU R128 (libebur128). Each reads an 8- or
// 16-bit PCM WAV file and writes the result, a 44-byte-header WAV of the same format, to a
// temporary file beside `out` that is renamed over it only once the whole sound is written;
// `out` may be `in`. A file without samples is refused (Empty) as the decoder refuses it.
// Failures leave `out` as it was.
namespace soundedit {

struct Outcome {
    bool changed = true;             // false: nothing was to be done and nothing was written
    double gainDb = 0;               // the gain applied (gain, normalise)
    std::int64_t clippedSamples = 0; // samples held at full scale
    QString note;                    // what the user is told besides, when anything
};

// Fades in over the first `inSeconds` and out over the last `outSeconds` (0: none) with a
// raised-cosine curve: the first (last) sample is silent and the gain rises (falls)
// smoothly. A fade longer than the clip fades over the whole clip.
Result<Outcome> fade(const QString& in, const QString& out, double inSeconds, double outSeconds);

// Multiplies every sample by `db` decibels; samples past full scale are held there and
// counted.
Result<Outcome> gain(const QString& in, const QString& out, double db);

struct Measure {
    double seconds = 0;
    double lufs = 0;         // integrated loudness; -inf for silence
    double truePeakDb = 0;   // dBTP; -inf for silence
    double samplePeakDb = 0; // dBFS; -inf for silence
};
// The loudness, true peak and sample peak of a sound handed over block by block: `read`
// fills the block it is given (resizing it) with the next interleaved 16-bit frames of
// `channels` channels and returns their count, 0 at the end, or a failure that ends the
// measuring. Each block is read once; the true peak is measured on a second thread, joined
// before this returns. `name` names the sound in messages. OutOfMemory when the meter cannot
// start (a rate or channel count it refuses).
using ReadBlock = std::function<Result<std::int64_t>(std::vector<std::int16_t>& block)>;
Result<Measure> measure(int channels, int sampleRateHz, const ReadBlock& read, const QString& name);
// The same of a sound of `frames` frames that can be read in parts at once: `open` gives the
// reader of frames [from, from + count), or the failure that ends the measuring; it and the
// readers it gives are called from two threads at once. A sound of 10 s or more is read in
// two halves, each on a thread of its own; the result differs from one reading by far less
// than 0.1 LU or dB (the few loudness blocks that would span the seam are left out).
using OpenPart = std::function<Result<ReadBlock>(std::int64_t from, std::int64_t count)>;
Result<Measure> measure(int channels, int sampleRateHz, std::int64_t frames, const OpenPart& open,
                        const QString& name);
// The same of a clip file, read straight from its PCM: its frames from `first` on, at most
// maxFrames of them when that is not negative.
Result<Measure> measure(const QString& in, std::int64_t first = 0, std::int64_t maxFrames = -1);

// The loudness a clip is brought to. With peakOnly, or for a clip shorter than MinSeconds
// (too short to measure its loudness), the sample peak is brought to peakDb instead.
struct Target {
    static constexpr double MinSeconds = 0.4;
    static constexpr double TruePeakCeilingDb = -1.0;
    double lufs = -14.0;
    bool peakOnly = false;
    double peakDb = -1.0;
};
// The gain that brings a measured sound to the target, never letting its true peak pass
// TruePeakCeilingDb (the gain is lowered until it doesn't; the note says so). For silence
// changed is false, and the note says why. Nothing is written.
Outcome plan(const Measure& measured, const Target& target);
// Brings the clip to the target by the gain plan() gives. Silence is left as it is.
Result<Outcome> normalise(const QString& in, const QString& out, const Target& target);

} // namespace soundedit
