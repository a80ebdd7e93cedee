// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/work_folder.h"
#include "base/write_fully.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/scratch_folder.h"
#include "cliplist/clip_crop.h"
#include "wav/wav_header.h"
#include "wav/wave_commands.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace cli {

namespace {

const char* const Help =
    QT_TRANSLATE_NOOP("cli", R"(usage: tunecarver-cli crop IN OUT --from MS --to MS [--verbose]

Keeps the stretch of IN from --from to --to (milliseconds from the start; default the
start and the end of IN) and writes it to OUT, by the same edit commands as the Done
button of the Audio Edit page. IN is an 8- or 16-bit PCM WAV file; OUT is a 44-byte-header
WAV of the same format and may be IN itself. OUT is replaced only when the crop worked.
--verbose prints the edit commands as they are sent.)");

} // namespace

int runCrop(QStringList args) {
    CommandLine line(QStringLiteral("crop"), Help, {QStringLiteral("verbose")},
                     {QStringLiteral("from"), QStringLiteral("to")});
    if (const auto done = line.parse(args))
        return *done;
    args = line.positional();
    const bool verbose = line.flag(QStringLiteral("verbose"));
    const auto fromText = line.value(QStringLiteral("from"));
    const auto toText = line.value(QStringLiteral("to"));
    if (args.size() != 2)
        return usage(QStringLiteral("crop"),
                     QCoreApplication::translate("cli", "needs IN and OUT"));
    const QString input = args.at(0);
    const QString output = args.at(1);

    const auto info = readWavInfo(input);
    if (!info)
        return fail(info.status());
    const qint64 lengthMs = info->durationMs();
    const auto from = parseNonNegative(fromText.value_or(QStringLiteral("0")));
    const auto to = toText ? parseNonNegative(*toText) : std::optional<qint64>(lengthMs);
    if (!from || !to)
        return usage(QStringLiteral("crop"),
                     QCoreApplication::translate("cli", "--from and --to take whole milliseconds"));
    if (*from >= *to)
        return usage(QStringLiteral("crop"),
                     QCoreApplication::translate("cli", "--from must come before --to"));
    if (*to > lengthMs)
        return usage(QStringLiteral("crop"),
                     QCoreApplication::translate("cli", "%1: --to %2 is past the end of the "
                                                        "sound (%3 ms)")
                         .arg(input)
                         .arg(*to)
                         .arg(lengthMs));

    // Beside the file OUT names (through any links), so that the result is renamed onto it
    // within one file system.
    const ScratchFolder scratch(QFileInfo(linkTarget(output)).absolutePath(),
                                QStringLiteral(".tunecarver-crop-"));
    if (!scratch.isValid())
        return fail(
            QCoreApplication::translate("cli", "%1: no scratch folder can be made beside it (%2)")
                .arg(output, scratch.errorString()));
    const WorkFolder folder(scratch.path());
    WaveCommands commands;
    ClipCrop crop(folder, commands);
    const Status cropped = crop.crop(input, output, *from, *to, lengthMs);
    if (verbose) {
        for (const QString& command : crop.sentCommands())
            print(command);
    }
    return cropped ? Success : fail(cropped);
}

} // namespace cli
