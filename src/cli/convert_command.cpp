// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/encoding.h"

namespace cli {

namespace {

const char* const Help = R"(usage: tunecarver-cli convert IN OUT [--bitrate K]

Converts one file. OUT ending in .wav: IN (any file the program reads: MP3, WAV,
FLAC, OGG, M4A, ...) is decoded to a 44-byte-header PCM WAV at its own rate and
channel count. OUT ending in .mp3: IN is encoded at K kbit/s constant bit rate
(56, 96, 128 or 256; default 128). OUT is replaced only when the conversion worked.)";

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

    const auto bitRate = targetBitRate(QStringLiteral("convert"), output, bitRateText);
    if (!bitRate)
        return Usage;
    if (*bitRate == 0)
        return decodeToWav(input, output);
    return encodeToMp3(input, output, *bitRate);
}

} // namespace cli
