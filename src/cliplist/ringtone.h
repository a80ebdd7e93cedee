// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "codec/sound_sink.h"
#include "wav/clip_range.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <vector>

// Ringtones: a clip, or the joined list, written as the file a phone takes for a ringtone,
// with the phone's length rule and a clean ending.
//
//   iPhone, share sheet  AAC-LC 44100 Hz stereo, 128 kbit/s, in an MP4 file ("M4A "), .m4r.
//                        The share sheet takes a sound shorter than 30 s as a ringtone
//                        without a computer: the tone is cut to 29.9 s, without a question.
//   iPhone, Finder       The same file, copied with a computer: an iPhone offers tones of at
//                        most 40 s; tools warn past 30 s.
//   Android (.ogg)       Vorbis at about 128 kbit/s.
//   Android (.mp3)       MP3 at the bit-rate setting.
//
// Every tone holds exactly the frames cut (SoundSink's length rule) and its title tag. It
// ends with a fade-out (the fade curve of fade.h) so that it does not stop on a click, unless
// it is a seamless loop, whose end runs straight into its head instead.
namespace ringtone {

enum class Target { IPhoneShare, IPhoneFinder, AndroidOgg, AndroidMp3 };

constexpr std::int64_t DefaultFadeOutMs = 500;
constexpr std::int64_t IPhoneShareLimitMs = 29900;
constexpr std::int64_t IPhoneWarnMs = 30000;
constexpr std::int64_t IPhoneFinderLimitMs = 40000;
// Long enough that the crossfade at a loop's wrap is not heard as a click, short enough that
// it is not heard as an echo of the head.
constexpr std::int64_t LoopCrossfadeMs = 30;
constexpr int DefaultBitRateKbps = 128;
constexpr double DefaultLufs = -14.0;

// "iPhone, share sheet (under 30 s)", "iPhone, Finder (up to 40 s)", "Android (.ogg)",
// "Android (.mp3)": the choices as the dialog shows them.
QString label(Target target);
// "m4r", "ogg", "mp3": the file name's extension, without the dot.
QString extension(Target target);
// `path` with the target's extension: kept when it has it (in any letter case), replaced
// when it ends in another extension (".ogg" for an iPhone tone), added when it has none. A
// part after the last dot that is no extension (a blank in it, or no letter first:
// "Mr. Blue", "v1.2") is part of the name and stays.
QString withExtension(const QString& path, Target target);
// The save dialog's filter, "iPhone ringtone (*.m4r)|*.m4r" and so on.
QString fileFilter(Target target);
Codec codec(Target target);
// The target a file name asks for by its extension (.m4r: the share sheet, .ogg, .mp3).
std::optional<Target> targetForPath(const QString& path);

// What a tone's length means for a target: Fits; Long (past the length that tools warn at:
// save it, but say how long it is); TooLong (past what the phone takes: only a cut to
// limitMs(target) may be saved, if the user agrees); Cut (past what the phone takes: the
// tone is cut to limitMs(target) without a question). Only the iPhone has limits.
enum class Length { Fits, Long, TooLong, Cut };
Length checkLength(Target target, std::int64_t lengthMs);
std::int64_t limitMs(Target target); // -1: none
// "34.2 s", "40 s": a length as the messages give it, to a tenth of a second.
QString lengthText(std::int64_t lengthMs);

struct Request {
    // Any file the decoder reads, or a stretch of it (a cut clip); a clip file is read
    // straight from its PCM.
    ClipRange source;
    // Instead of one source: these files one after another, as one sound (a ringtone of the
    // whole clip list), in the first one's channels and rate. Nothing joined is written.
    QList<ClipRange> joined;
    // The stretch of the source the tone is made of: from startMs on, lengthMs long (-1: to
    // the end). Only the stretch is read.
    std::int64_t startMs = 0;
    std::int64_t lengthMs = -1;
    QString output;
    Target target = Target::IPhoneShare;
    int bitRateKbps = DefaultBitRateKbps;      // MP3's; the other targets keep their own
    QString title;                             // the file's title tag; empty: none
    std::int64_t fadeOutMs = DefaultFadeOutMs; // 0: none unless cut (cutMs); a loop has none
    std::int64_t cutMs = -1; // keep only the first cutMs of the stretch; -1: all of it
    bool loudness = false;   // bring the tone to lufs (EBU R128, true peak under -1 dBTP)
    double lufs = DefaultLufs;
    // A seamless loop tone: its end runs into its head without a jump, and an Android .ogg
    // says it loops (ANDROID_LOOP=true). When bars are known the loop ends on the last bar
    // line within the kept sound, so a tone that starts on a bar line loops in whole bars.
    bool loop = false;
    std::vector<std::int64_t> barsMs; // where the source's bars begin, ms from the source's start
};

// Writes the tone: the stretch's first cutMs (or all of it; for a target that cuts without a
// question, never more than limitMs(target)), with `loudness` brought to the
// loudness asked for (measured over the kept part; silence is left as it is), encoded for the
// target into `output`, which is replaced only when everything worked.
//
// Its end: the last fadeOutMs faded out (the whole tone when it is shorter; a cut tone over
// DefaultFadeOutMs when fadeOutMs is 0); for a loop,
// instead, LoopCrossfadeMs (at most a quarter of the tone) crossfaded into the head at equal
// power. What the crossfade brings in is the sound that follows the loop's end in the source,
// or, where the source has none, the loop's own last LoopCrossfadeMs, which the tone then
// loses: either way the last frame runs on into the first as the source itself ran on.
//
// The tone's length is known before it is written, so that its end can be faded: where the
// decoder only estimates the source's length, a stretch that runs past the sound's real end
// gives a shorter tone whose fade is cut off (the caller decodes such a source whole first).
//
// Failures name the file: those of FrameSource for the source (the first joined file for a
// joined sound, or the one at fault), Empty for a stretch without
// sound, those of SoundSink for the output. Runs on the caller's thread (the encoder's
// worker); `progress` gets percents.
Status render(const Request& request, const PercentFn& progress = {},
              const std::atomic<bool>* abort = nullptr);

// The sound render() would encode, `times` times in a row, as a canonical WAV image (the
// 44-byte header and 16-bit PCM at the source's rate): a loop tone played this way lets the
// user hear its seams. The request's output is not used. TooLarge past the WAV size limits;
// otherwise the failures of render(). Any thread.
Result<QByteArray> repeatedImage(const Request& request, int times);

} // namespace ringtone
