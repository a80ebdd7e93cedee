// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/encoding.h"
#include "cli/scratch_folder.h"
#include "cliplist/clip_joiner.h"

#include <QCoreApplication>
#include <QDir>

namespace cli {

namespace {

const char* const Help =
    QT_TRANSLATE_NOOP("cli", R"(usage: tunecarver-cli join OUT CLIP... [--bitrate K]

Joins the clips, in the order given, as the Audio Edit page saves its list: the first
clip's header with both sizes set to the joined sound, then the sound of every clip.
Clips are 8- or 16-bit PCM WAV files; a clip whose rate, channel count or sample size
differs from the first clip's is converted to the first clip's format, the others are
copied byte for byte. OUT ending in .wav: the joined WAV. Any other extension that
'convert' writes (.mp3, .m4r, .m4a, .ogg, .opus, .flac): the joined sound encoded as
'convert' encodes it, at --bitrate K where that applies. OUT is replaced only when
everything worked.)");

Status joinWithProgress(const QStringList& clips, const QString& target) {
    ClipJoiner joiner;
    Progress progress(QCoreApplication::translate("cli", "Joining"));
    joiner.setProgress([&](ByteCount done, ByteCount total) {
        if (total > 0)
            progress.update(double(done) / double(total));
    });
    const Status joined = joiner.join(clips, target);
    progress.finish();
    return joined;
}

} // namespace

int runJoin(QStringList args) {
    CommandLine line(QStringLiteral("join"), Help, {}, {QStringLiteral("bitrate")});
    if (const auto done = line.parse(args))
        return *done;
    args = line.positional();
    const auto bitRateText = line.value(QStringLiteral("bitrate"));
    if (args.size() < 2)
        return usage(QStringLiteral("join"),
                     QCoreApplication::translate("cli", "needs OUT and at least one CLIP"));
    const QString output = args.takeFirst();

    const auto plan = planOutput(QStringLiteral("join"), output, bitRateText);
    if (!plan)
        return Usage;
    if (!plan->codec) {
        const Status joined = joinWithProgress(args, output);
        return joined ? Success : fail(joined);
    }

    const ScratchFolder scratch(QDir::tempPath(), QStringLiteral("tunecarver-cli-"));
    if (!scratch.isValid())
        return fail(QCoreApplication::translate("cli", "no scratch folder can be made (%1)")
                        .arg(scratch.errorString()));
    const QString joinedWav = scratch.filePath(QStringLiteral("concat.wav"));
    if (const Status joined = joinWithProgress(args, joinedWav); !joined)
        return fail(joined);
    return writeAs(joinedWav, output, *plan);
}

} // namespace cli
