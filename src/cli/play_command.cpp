// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "audio/pulse/pulse_engine.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "codec/frame_source.h"

#include <QCoreApplication>

namespace cli {

namespace {
const char* const Help = QT_TRANSLATE_NOOP("cli", R"(usage: tunecarver-cli play FILE

Plays FILE (a WAV, or any file the program can decode) to its end on the sound
server's default output.)");
} // namespace

int runPlay(QStringList args) {
    CommandLine line(QStringLiteral("play"), Help, {}, {});
    if (const auto done = line.parse(args))
        return *done;
    args = line.positional();
    if (args.size() != 1)
        return usage(QStringLiteral("play"), QCoreApplication::translate("cli", "needs FILE"));
    const QString file = args.first();

    // The player decodes anything but a clip file as it plays, so playback starts at once;
    // a file it can't read is told here, with the reason.
    if (const auto readable = FrameSource::open(file, 0); !readable)
        return fail(readable.status());

    PulseEngine engine;
    MediaPlayer player(engine);
    bool ended = false;
    Status failure;
    QObject::connect(&player, &MediaPlayer::done, &player, [&] { ended = true; });
    QObject::connect(&player, &MediaPlayer::failed, &player,
                     [&](const Status& status) { failure = status; });
    player.setFileName(file);
    if (Status opened = player.command(QStringLiteral("open")); !opened)
        return fail(opened);
    if (Status playing = player.command(QStringLiteral("play")); !playing)
        return fail(playing);
    Progress progress(QCoreApplication::translate("cli", "Playing"));
    const double length = double(std::max<std::int64_t>(1, player.lengthMs()));
    waitUntil([&] {
        progress.update(double(player.positionMs()) / length);
        return ended || player.state() != MediaPlayer::State::Playing;
    });
    progress.finish();
    player.command(QStringLiteral("close"));
    if (ended)
        return Success;
    return fail(
        failure.isOk()
            ? QCoreApplication::translate("cli", "%1: playback stopped early").arg(args.first())
            : QCoreApplication::translate("cli", "%1: playback stopped early: the sound server "
                                                 "stopped playing it (it may have gone away).")
                  .arg(args.first()));
}

} // namespace cli
