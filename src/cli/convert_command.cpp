// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/encoding.h"

namespace cli {

namespace {

const char* const Help = R"(usage: tunecarver-cli convert IN OUT [--bitrate K]

Converts one file; OUT's extension chooses what is written. IN is any file the
program reads (MP3, WAV, FLAC, OGG, M4A, ...); more than two channels are mixed
down to two.
  .wav          a 44-byte-header PCM WAV at IN's own rate and channel count
  .mp3          MP3 at K kbit/s constant bit rate (56, 96, 128 or 256)
  .m4r, .m4a    AAC-LC, 44100 Hz stereo, K kbit/s, in an MP4 file
  .ogg          Vorbis at about K kbit/s
  .opus         Opus at K kbit/s, 48000 Hz
  .flac         FLAC, lossless (no --bitrate)
K is 128 unless --bitrate says otherwise. OUT is replaced only when the
conversion worked.)";

} // namespace

int runConvert(QStringList args) {
    if (takeFlag(args, QStringLiteral("--help"))) {
        print(QString::fromUtf8(Help));
        return Success;
    }
    QString error;
    const auto bitRateText = takeOption(args, QStringLiteral("--bitrate"), &error);
    if (!error.isEmpty())
        return usage(QStringLiteral("convert"), error);
    if (args.size() != 2)
        return usage(QStringLiteral("convert"), QStringLiteral("needs IN and OUT"));
    const QString input = args.at(0);
    const QString output = args.at(1);

    const auto plan = planOutput(QStringLiteral("convert"), output, bitRateText);
    if (!plan)
        return Usage;
    return writeAs(input, output, *plan);
}

} // namespace cli
