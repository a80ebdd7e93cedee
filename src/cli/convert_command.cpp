// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/encoding.h"
#include "cli/scratch_folder.h"
#include "cliplist/sound_edit.h"

#include <QCoreApplication>
#include <QDir>

namespace cli {

namespace {

const char* const Help = QT_TRANSLATE_NOOP(
    "cli", R"(usage: tunecarver-cli convert IN OUT [--bitrate K] [--lufs L] [--fade-out S]

Converts one file; OUT's extension chooses what is written. IN is any file the
program reads (MP3, WAV, FLAC, OGG, M4A, ...); more than two channels are mixed
down to two.
  .wav          a 44-byte-header PCM WAV at IN's own rate and channel count
  .mp3          MP3 at K kbit/s constant bit rate (56, 96, 128 or 256)
  .m4r, .m4a    AAC-LC, 44100 Hz stereo, K kbit/s, in an MP4 file
  .ogg          Vorbis at about K kbit/s
  .opus         Opus at K kbit/s, 48000 Hz
  .flac         FLAC, lossless (no --bitrate)
K is 128 unless --bitrate says otherwise. --lufs brings the sound to the loudness L
(EBU R128, its true peak kept under -1 dBTP) and --fade-out fades its last S seconds
out, before it is written. OUT is replaced only when the conversion worked.)");

} // namespace

int runConvert(QStringList args) {
    CommandLine line(
        QStringLiteral("convert"), Help, {},
        {QStringLiteral("bitrate"), QStringLiteral("lufs"), QStringLiteral("fade-out")});
    if (const auto done = line.parse(args))
        return *done;
    args = line.positional();
    const auto bitRateText = line.value(QStringLiteral("bitrate"));
    const auto lufsText = line.value(QStringLiteral("lufs"));
    const auto fadeText = line.value(QStringLiteral("fade-out"));
    bool lufsRead = true;
    bool fadeRead = true;
    const double lufs = lufsText ? lufsText->toDouble(&lufsRead) : 0;
    const double fadeSeconds = fadeText ? fadeText->toDouble(&fadeRead) : 0;
    if (!lufsRead || (lufsText && (lufs >= 0 || lufs < -70)) || !fadeRead || fadeSeconds < 0)
        return usage(QStringLiteral("convert"),
                     QCoreApplication::translate(
                         "cli", "--lufs takes a loudness from -70 to 0, --fade-out seconds"));
    if (args.size() != 2)
        return usage(QStringLiteral("convert"),
                     QCoreApplication::translate("cli", "needs IN and OUT"));
    const QString input = args.at(0);
    const QString output = args.at(1);

    const auto plan = planOutput(QStringLiteral("convert"), output, bitRateText);
    if (!plan)
        return Usage;
    if (!lufsText && !fadeText)
        return writeAs(input, output, *plan);

    // The loudness and the fade work on a WAV of the sound, made in a scratch folder.
    const ScratchFolder scratch(QDir::tempPath(), QStringLiteral("tunecarver-cli-"));
    if (!scratch.isValid())
        return fail(QCoreApplication::translate("cli", "no scratch folder can be made (%1)")
                        .arg(scratch.errorString()));
    const QString sound = scratch.filePath(QStringLiteral("sound.wav"));
    if (const int decoded = decodeToWav(input, sound); decoded != Success)
        return decoded;
    if (lufsText) {
        soundedit::Target target;
        target.lufs = lufs;
        const auto levelled = soundedit::normalise(sound, sound, target);
        if (!levelled)
            return fail(levelled.status());
        print(levelled->note);
    }
    if (fadeText && fadeSeconds > 0)
        if (const auto faded = soundedit::fade(sound, sound, 0, fadeSeconds); !faded)
            return fail(faded.status());
    return writeAs(sound, output, *plan);
}

} // namespace cli
