// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/music_analysis.h"
#include "analysis/suggestions.h"
#include "base/write_fully.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/encoding.h"
#include "cli/scratch_folder.h"
#include "cliplist/ringtone.h"
#include "codec/frame_source.h"
#include "wav/wav_header.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace cli {

namespace {

const char* const Help = QT_TRANSLATE_NOOP(
    "cli", R"(usage: tunecarver-cli ringtone IN OUT [--target T] [--title T] [--loop] [--trim]
                                    [--no-fade] [--bitrate K] [--lufs L | --no-loudness]
                                    [--auto [--length S]]

Makes a ringtone of IN as "Save as Ringtone" on the Audio Edit page does, for the
phone --target names (without it, OUT's extension names it: .m4r the share sheet):
  iphone         iPhone, share sheet: AAC-LC, 44100 Hz stereo, 128 kbit/s, in an
                 MP4 file (.m4r). The share sheet takes sounds under 30 s: the tone
                 is cut to its first 29.9 s, faded out, without a question.
  iphone-finder  iPhone, Finder: the same file, for copying with a computer. A tone
                 past 30 s gets a warning that names its length; one past 40 s is
                 refused, unless --trim saves its first 40 s (faded out) instead.
  android-ogg    Android: Vorbis at about 128 kbit/s (.ogg).
  android-mp3    Android: MP3 at K kbit/s (56, 96, 128 or 256; default 128) (.mp3).
OUT's extension must be the target's. The tone holds exactly the samples cut.
The tone is brought to a loudness of -14 LUFS (--lufs L: to L; --no-loudness: left as
it is), measured by EBU R128 with its true peak kept under -1 dBTP. The last 0.5 s fade
out (--no-fade: not, unless the tone is cut). The title tag is T (default: IN's file
name without its extension); no picture is added.
--loop makes a seamless loop tone: no fade-out, and its last 30 ms crossfade into its
head so that the phone's repeat has no jump; a .ogg says so to Android (ANDROID_LOOP).
IN is any file the program reads; OUT is replaced only when everything worked.

--auto makes the tone of the first window that 'tunecarver-cli analyse' suggests (the
chorus, cut on its bar lines), the most whole bars within S seconds (5 to 60; default 29.9),
and says on stderr which window it took and why.)");

struct TargetName {
    const char* name;
    ringtone::Target target;
};
constexpr TargetName TargetNames[] = {
    {"iphone", ringtone::Target::IPhoneShare},
    {"iphone-finder", ringtone::Target::IPhoneFinder},
    {"android-ogg", ringtone::Target::AndroidOgg},
    {"android-mp3", ringtone::Target::AndroidMp3},
};

std::optional<ringtone::Target> targetNamed(const QString& text) {
    for (const TargetName& entry : TargetNames)
        if (text == QLatin1String(entry.name))
            return entry.target;
    return std::nullopt;
}

// The length rule of the target: false (after the message) when the tone may not be made.
bool applyLengthRule(const QString& input, ringtone::Request& request, std::int64_t lengthMs,
                     bool trim) {
    switch (ringtone::checkLength(request.target, lengthMs)) {
    case ringtone::Length::Fits:
        return true;
    case ringtone::Length::Long:
        std::fprintf(stderr, "tunecarver-cli: %s\n",
                     qPrintable(QCoreApplication::translate(
                                    "cli", "warning: %1: the tone is %2 long; an iPhone may not "
                                           "offer a ringtone longer than %3")
                                    .arg(input, ringtone::lengthText(lengthMs),
                                         ringtone::lengthText(ringtone::IPhoneWarnMs))));
        return true;
    case ringtone::Length::TooLong:
        if (!trim) {
            fail(QCoreApplication::translate("cli",
                                             "%1: the tone is %2 long; an iPhone takes at most %3 "
                                             "(--trim saves its first %3)")
                     .arg(input, ringtone::lengthText(lengthMs),
                          ringtone::lengthText(ringtone::limitMs(request.target))));
            return false;
        }
        request.cutMs = ringtone::limitMs(request.target);
        return true;
    case ringtone::Length::Cut:
        request.cutMs = ringtone::limitMs(request.target);
        return true;
    }
    return false;
}

// The length a tone of `lengthMs` is cut to by the target's rule, -1 when it is not cut.
std::int64_t cutByRule(ringtone::Target target, std::int64_t lengthMs, bool trim) {
    const ringtone::Length rule = ringtone::checkLength(target, lengthMs);
    if (rule == ringtone::Length::Cut || (rule == ringtone::Length::TooLong && trim))
        return ringtone::limitMs(target);
    return -1;
}

} // namespace

int runRingtone(QStringList args) {
    CommandLine line(QStringLiteral("ringtone"), Help,
                     {QStringLiteral("trim"), QStringLiteral("no-fade"),
                      QStringLiteral("no-loudness"), QStringLiteral("loop"),
                      QStringLiteral("auto")},
                     {QStringLiteral("length"), QStringLiteral("bitrate"), QStringLiteral("lufs"),
                      QStringLiteral("target"), QStringLiteral("title")});
    if (const auto done = line.parse(args))
        return *done;
    args = line.positional();
    const bool trim = line.flag(QStringLiteral("trim"));
    const bool noFade = line.flag(QStringLiteral("no-fade"));
    const bool noLoudness = line.flag(QStringLiteral("no-loudness"));
    const bool loop = line.flag(QStringLiteral("loop"));
    const bool automatic = line.flag(QStringLiteral("auto"));
    const auto windowText = line.value(QStringLiteral("length"));
    const auto bitRateText = line.value(QStringLiteral("bitrate"));
    const auto lufsText = line.value(QStringLiteral("lufs"));
    const auto targetText = line.value(QStringLiteral("target"));
    const auto title = line.value(QStringLiteral("title"));
    bool lufsRead = false;
    const double lufs = lufsText ? lufsText->toDouble(&lufsRead) : ringtone::DefaultLufs;
    if ((lufsText && (!lufsRead || lufs >= 0 || lufs < -70)) || (lufsText && noLoudness))
        return usage(QStringLiteral("ringtone"),
                     QCoreApplication::translate(
                         "cli", "--lufs takes a loudness from -70 to 0, without --no-loudness"));
    if (args.size() != 2)
        return usage(QStringLiteral("ringtone"),
                     QCoreApplication::translate("cli", "needs IN and OUT"));
    const auto window = windowText ? parseSuggestionLength(*windowText)
                                   : std::optional(analysis::DefaultSuggestionLength);
    if (!window || (windowText && !automatic))
        return usage(QStringLiteral("ringtone"),
                     QCoreApplication::translate(
                         "cli", "--length goes with --auto and takes seconds from 5 to 60"));
    ringtone::Request request;
    const QString input = args.at(0);
    request.output = args.at(1);
    const auto target =
        targetText ? targetNamed(*targetText) : ringtone::targetForPath(request.output);
    if (!target)
        return usage(
            QStringLiteral("ringtone"),
            targetText ? QCoreApplication::translate("cli", "--target is iphone, iphone-finder, "
                                                            "android-ogg or android-mp3")
                       : QCoreApplication::translate("cli", "OUT must end in .m4r, .ogg or .mp3"));
    if (QFileInfo(request.output).suffix().toLower() != ringtone::extension(*target))
        return usage(QStringLiteral("ringtone"),
                     QCoreApplication::translate("cli", "OUT must end in .%1 for --target %2")
                         .arg(ringtone::extension(*target), *targetText));
    request.target = *target;
    if (bitRateText) {
        const auto bitRate = parseBitRate(*bitRateText);
        if (*target != ringtone::Target::AndroidMp3 || !bitRate)
            return usage(QStringLiteral("ringtone"),
                         QCoreApplication::translate(
                             "cli", "--bitrate is for .mp3 only, and 56, 96, 128 or 256"));
        request.bitRateKbps = *bitRate;
    }
    request.title = title ? *title : QFileInfo(input).completeBaseName();
    request.loudness = !noLoudness;
    request.lufs = lufs;
    request.loop = loop;

    // Only the stretch the tone keeps is read. Its end must be known before the fade starts:
    // of a file whose length the decoder only estimates, a tone that would end near that
    // estimate is made from the whole file decoded first, whose length is then exact.
    request.source = input;
    const auto source = FrameSource::open(input);
    if (!source)
        return fail(source.status());
    const int rateHz = (*source)->sampleRateHz();
    std::int64_t lengthMs = std::max<std::int64_t>(0, (*source)->frames()) * 1000 / rateHz;
    const ScratchFolder scratch(QDir::tempPath(), QStringLiteral("tunecarver-cli-"));
    if (automatic) {
        const Result<analysis::MusicAnalysis> found = analysis::analyseFile(input);
        if (!found)
            return fail(found.status());
        const std::vector<analysis::Suggestion> suggestions = analysis::suggest(*found, *window);
        if (suggestions.empty())
            return fail(
                QCoreApplication::translate("cli", "%1: no stretch of sound to make a tone of")
                    .arg(input));
        const analysis::Suggestion& first = suggestions.front();
        std::fprintf(stderr, "tunecarver-cli: %s: %.3f s to %.3f s: %s\n", qPrintable(input),
                     first.start, first.end, qPrintable(first.reason));
        request.startMs = std::llround(first.start * 1000);
        request.lengthMs = std::llround(first.end * 1000) - request.startMs;
        lengthMs = request.lengthMs;
    } else if (!(*source)->exactLength()) {
        const std::int64_t keptMs = cutByRule(request.target, lengthMs, trim);
        if (keptMs < 0 || keptMs > lengthMs / 2) {
            if (!scratch.isValid())
                return fail(QCoreApplication::translate("cli", "no scratch folder can be made (%1)")
                                .arg(scratch.errorString()));
            request.source = scratch.filePath(QStringLiteral("tone.wav"));
            if (const int decoded = decodeToWav(input, request.source.file); decoded != Success)
                return decoded;
            const auto info = readWavInfo(request.source.file);
            if (!info)
                return fail(info.status());
            lengthMs = info->durationMs();
        }
    }
    if (!applyLengthRule(input, request, lengthMs, trim))
        return Failure;
    if (noFade)
        request.fadeOutMs = 0;

    Progress progress(QCoreApplication::translate("cli", "Encoding"));
    const Status made =
        ringtone::render(request, [&](int percent) { progress.update(percent / 100.0); });
    progress.finish();
    return made ? Success : fail(made);
}

} // namespace cli
