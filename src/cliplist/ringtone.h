// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "codec/sound_sink.h"

#include <QString>

#include <atomic>
#include <cstdint>

// Ringtones: a clip, or the joined list, written as the file a phone takes for a ringtone,
// with the phone's length rule and a clean ending.
//
//   iPhone (.m4r)    AAC-LC 44100 Hz stereo, 128 kbit/s, in an MP4 file ("M4A "). An iPhone
//                    offers tones of at most 40 s; tools warn past 30 s.
//   Android (.ogg)   Vorbis at about 128 kbit/s.
//   Android (.mp3)   MP3 at the bit-rate setting.
//
// The tone ends with a fade-out (the fade curve of fade.h) so that it does not stop on a
// click when the phone loops it.
namespace ringtone {

enum class Target { IPhone, AndroidOgg, AndroidMp3 };

constexpr std::int64_t DefaultFadeOutMs = 500;
constexpr std::int64_t IPhoneWarnMs = 30000;
constexpr std::int64_t IPhoneLimitMs = 40000;
constexpr int DefaultBitRateKbps = 128;
constexpr double DefaultLufs = -14.0;

// "iPhone (.m4r)", "Android (.ogg)", "Android (.mp3)": the choices as the dialog shows them.
QString label(Target target);
// "m4r", "ogg", "mp3": the file name's extension, without the dot.
QString extension(Target target);
// The save dialog's filter, "iPhone ringtone (*.m4r)|*.m4r" and so on.
QString fileFilter(Target target);
Codec codec(Target target);
// The target a file name asks for by its extension (.m4r, .ogg, .mp3), if any.
std::optional<Target> targetForPath(const QString& path);

// What a tone's length means for a target: Fits; Long (past the length that tools warn at:
// save it, but say how long it is); TooLong (past what the phone takes: only a cut to
// limitMs(target) may be saved). Only the iPhone has limits.
enum class Length { Fits, Long, TooLong };
Length checkLength(Target target, std::int64_t lengthMs);
std::int64_t limitMs(Target target); // -1: none
// "34.2 s", "40 s": a length as the messages give it, to a tenth of a second.
QString lengthText(std::int64_t lengthMs);

struct Request {
    QString source; // a WAV file (8- or 16-bit PCM; any rate and channel count)
    QString output;
    Target target = Target::IPhone;
    int bitRateKbps = DefaultBitRateKbps;      // MP3's; the other targets keep their own
    QString title;                             // the file's title tag; empty: none
    std::int64_t fadeOutMs = DefaultFadeOutMs; // 0: none, unless the tone is cut (cutMs)
    std::int64_t cutMs = -1; // keep only the first cutMs of the sound; -1: all of it
    bool loudness = false;   // bring the tone to lufs (EBU R128, true peak under -1 dBTP)
    double lufs = DefaultLufs;
};

// Writes the tone: the source's first cutMs (or all of it), with `loudness` brought to the
// loudness asked for (measured over the kept part; silence is left as it is), its last
// fadeOutMs faded out (the whole tone when it is shorter; a cut tone over
// DefaultFadeOutMs when fadeOutMs is 0), encoded for the target into
// `output`, which is
// replaced only when everything worked. Failures name the file: those of readWavInfo for
// the source, Empty for a source without sound, those of SoundSink for the output.
// Runs on the caller's thread (the encoder's worker); `progress` gets percents.
Status render(const Request& request, const PercentFn& progress = {},
              const std::atomic<bool>* abort = nullptr);

} // namespace ringtone
