// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/encoding.h"
#include "cli/scratch_folder.h"
#include "cliplist/ringtone.h"
#include "wav/wav_header.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace cli {

namespace {

const char* const Help = R"(usage: tunecarver-cli ringtone IN OUT [--trim] [--no-fade] [--bitrate K]
                                    [--lufs L | --no-loudness]

Makes a ringtone of IN as "Save as Ringtone" on the Audio Edit page does; OUT's
extension names the phone:
  .m4r   iPhone: AAC-LC, 44100 Hz stereo, 128 kbit/s, in an MP4 file. A tone past
         30 s gets a warning that names its length; one past 40 s is refused,
         unless --trim saves its first 40 s (faded out) instead.
  .ogg   Android: Vorbis at about 128 kbit/s.
  .mp3   Android: MP3 at K kbit/s (56, 96, 128 or 256; default 128).
The tone is brought to a loudness of -14 LUFS (--lufs L: to L; --no-loudness: left as
it is), measured by EBU R128 with its true peak kept under -1 dBTP. The last 0.5 s fade
out (--no-fade: not, unless the tone is trimmed). The title tag
is IN's file name without its extension. IN is any file the program reads; OUT is
replaced only when everything worked.)";

} // namespace

int runRingtone(QStringList args) {
    if (takeFlag(args, QStringLiteral("--help"))) {
        print(QString::fromUtf8(Help));
        return Success;
    }
    const bool trim = takeFlag(args, QStringLiteral("--trim"));
    const bool noFade = takeFlag(args, QStringLiteral("--no-fade"));
    const bool noLoudness = takeFlag(args, QStringLiteral("--no-loudness"));
    QString error;
    const auto bitRateText = takeOption(args, QStringLiteral("--bitrate"), &error);
    const auto lufsText = takeOption(args, QStringLiteral("--lufs"), &error);
    if (!error.isEmpty())
        return usage(QStringLiteral("ringtone"), error);
    bool lufsRead = false;
    const double lufs = lufsText ? lufsText->toDouble(&lufsRead) : ringtone::DefaultLufs;
    if ((lufsText && (!lufsRead || lufs >= 0 || lufs < -70)) || (lufsText && noLoudness))
        return usage(
            QStringLiteral("ringtone"),
            QStringLiteral("--lufs takes a loudness from -70 to 0, without --no-loudness"));
    if (args.size() != 2)
        return usage(QStringLiteral("ringtone"), QStringLiteral("needs IN and OUT"));
    ringtone::Request request;
    const QString input = args.at(0);
    request.output = args.at(1);
    const auto target = ringtone::targetForPath(request.output);
    if (!target)
        return usage(QStringLiteral("ringtone"),
                     QStringLiteral("OUT must end in .m4r, .ogg or .mp3"));
    request.target = *target;
    if (bitRateText) {
        const auto bitRate = parseBitRate(*bitRateText);
        if (*target != ringtone::Target::AndroidMp3 || !bitRate)
            return usage(QStringLiteral("ringtone"),
                         QStringLiteral("--bitrate is for .mp3 only, and 56, 96, 128 or 256"));
        request.bitRateKbps = *bitRate;
    }
    request.title = QFileInfo(input).completeBaseName();
    request.loudness = !noLoudness;
    request.lufs = lufs;

    // The tone is made from a WAV, whose length is known before the fade must start; any
    // other file is decoded into one first.
    const ScratchFolder scratch(QDir::tempPath(), QStringLiteral("tunecarver-cli-"));
    request.source = input;
    if (!readWavInfo(input)) {
        if (!scratch.isValid())
            return fail(
                QStringLiteral("no scratch folder can be made (%1)").arg(scratch.errorString()));
        request.source = scratch.filePath(QStringLiteral("tone.wav"));
        if (const int decoded = decodeToWav(input, request.source); decoded != Success)
            return decoded;
    }
    const auto info = readWavInfo(request.source);
    if (!info)
        return fail(info.status());
    const std::int64_t lengthMs = info->format.bytesPerSecond() > 0
                                      ? info->dataBytes * 1000 / info->format.bytesPerSecond()
                                      : 0;
    switch (ringtone::checkLength(*target, lengthMs)) {
    case ringtone::Length::Fits:
        break;
    case ringtone::Length::Long:
        std::fprintf(stderr,
                     "tunecarver-cli: warning: %s: the tone is %s long; an iPhone may not offer a "
                     "ringtone longer than %s\n",
                     qPrintable(input), qPrintable(ringtone::lengthText(lengthMs)),
                     qPrintable(ringtone::lengthText(ringtone::IPhoneWarnMs)));
        break;
    case ringtone::Length::TooLong:
        if (!trim)
            return fail(QStringLiteral("%1: the tone is %2 long; an iPhone takes at most %3 "
                                       "(--trim saves its first %3)")
                            .arg(input, ringtone::lengthText(lengthMs),
                                 ringtone::lengthText(ringtone::limitMs(*target))));
        request.cutMs = ringtone::limitMs(*target);
        break;
    }
    if (noFade)
        request.fadeOutMs = 0;

    Progress progress(QStringLiteral("Encoding"));
    const Status made =
        ringtone::render(request, [&](int percent) { progress.update(percent / 100.0); });
    progress.finish();
    return made ? Success : fail(made);
}

} // namespace cli
