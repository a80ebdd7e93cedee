// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/choices.h"
#include "base/status.h"
#include "codec/sound_sink.h"

#include <QString>

#include <atomic>
#include <cstdint>

// "Clean Up": one pass that makes a spoken take fit to keep. Each step can be left out:
//
//   declick  rumble below RumbleHz taken out (FFmpeg's highpass) and clicks mended (adeclick)
//   denoise  the steady noise of the room reduced (afftdn), its spectrum learnt from the
//            quietest half second of the sound and its level set from that stretch's level
//   trim     the silence at both ends cut away, keeping RoomMs before the first sound and
//            after the last one (the sound is found in the cleaned sound, over its own floor)
//   level    the loudness brought to `lufs` with the true peak under -1 dBTP, by the gain
//            soundedit::plan() gives; when the peaks would pass that ceiling first, they are
//            held down by FFmpeg's limiter so that the voice still reaches the loudness
//
// The filters run in that order over the whole sound, frame for frame in step with it; the
// level is measured on what the trim keeps. An input is an 8- or 16-bit PCM WAV file; the
// output, a canonical WAV of the same format, is written to a temporary file beside `out`
// and renamed over it only once whole (`out` may be `in`). Float samples in a scratch file
// beside `out` carry the sound between the passes, so a clip of any length works in little
// memory.
//
// Runs on the caller's thread (the window runs it as a background job); FFmpeg's filters use
// threads of their own inside. `progress` (may be empty) gets percents; a set `abort` stops
// the work soon with ErrorCode::Ended. On any failure nothing is written and `out` is as it
// was.
namespace cleanup {

constexpr int RoomMs = 200;
constexpr double RumbleHz = 80;
// The noise is learnt from a stretch this long; a sound must be at least as long.
constexpr int NoiseSampleMs = 500;

struct Steps {
    bool declick = true;
    bool denoise = true;
    bool trim = true;
    bool level = true;
    double lufs = -16.0;
};
// The steps the user left on in the menu beside "Clean Up", as the choices keep them (the
// keys of StepKeys, each on until turned off).
struct StepKey {
    const char* key;
    const char* text;
    bool Steps::*step;
};
inline constexpr StepKey StepKeys[] = {
    {"cleanup/trim", QT_TRANSLATE_NOOP("Controls", "Trim the silence at both ends"), &Steps::trim},
    {"cleanup/denoise", QT_TRANSLATE_NOOP("Controls", "Reduce the steady noise"), &Steps::denoise},
    {"cleanup/declick", QT_TRANSLATE_NOOP("Controls", "Remove clicks and rumble"), &Steps::declick},
    {"cleanup/level", QT_TRANSLATE_NOOP("Controls", "Bring the voice to -16 LUFS"), &Steps::level},
};
Steps rememberedSteps(const Choices& choices);

struct Outcome {
    std::int64_t firstFrame = 0; // where the kept stretch starts in the input, in frames
    std::int64_t frames = 0;     // its length: the output's
    int sampleRateHz = 0;
    double noiseFloorDb = 0; // RMS level of the quietest half second, dBFS
    double gainDb = 0;       // the level step's gain (0 without it)
    QString note;            // what the level step did, for the user
};

// Failures besides those of reading and writing files (which name the file):
//   Empty  "... too short to clean" (under NoiseSampleMs), "... nothing but silence" (no
//          stretch reaches -60 dBFS), "... nothing but noise" (no sound stands out of it)
//   Ended  `abort` was set
Result<Outcome> clean(const QString& in, const QString& out, const Steps& steps,
                      const PercentFn& progress = {}, const std::atomic<bool>* abort = nullptr);

} // namespace cleanup
