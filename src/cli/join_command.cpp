// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/encoding.h"
#include "cliplist/clip_joiner.h"
#include "codec/sound_sink.h"

#include <QCoreApplication>

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

// Into a WAV file (no codec), or encoded as the clips are read: nothing joined is written
// between.
Status joinWithProgress(const QStringList& clips, const QString& target, const OutputPlan& plan) {
    ClipJoiner joiner;
    Progress progress(QCoreApplication::translate("cli", "Joining"));
    joiner.setProgress([&](ByteCount done, ByteCount total) {
        if (total > 0)
            progress.update(double(done) / double(total));
    });
    const Status joined =
        plan.codec ? joiner.encode(clips, target, EncodeSettings{*plan.codec, plan.bitRateKbps})
                   : joiner.join(clips, target);
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
    const Status joined = joinWithProgress(args, output, *plan);
    return joined ? Success : fail(joined);
}

} // namespace cli
