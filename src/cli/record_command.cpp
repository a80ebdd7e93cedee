// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/pulse/pulse_engine.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/encoding.h"
#include "cli/scratch_folder.h"
#include "recording/take_recorder.h"
#include "wav/wav_header.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cmath>
#include <optional>

namespace cli {

namespace {

const char* const Help =
    QT_TRANSLATE_NOOP("cli", R"(usage: tunecarver-cli record OUT --seconds S [--input I]
                             [--start-on-sound DB [--pre-roll P]]

Records S seconds (a whole number) at 44100 Hz, stereo, 16 bit from input I (an
index of 'tunecarver-cli inputs'; default: the input that is on) and saves the
take to OUT, a .wav or (through the encoder at 128 kbit/s) an .mp3. Should the
sound server end the recording early, what was recorded until then is saved all the
same and the exit status is 1.

With --start-on-sound the take waits until a sample first reaches DB dBFS (-60 to
0; -40 suits a voice in a quiet room) and begins there, with the P seconds heard
before that moment in front of it (0 to 2, default 0.5); the S seconds count from
the sound.)");

std::optional<double> parseNumber(const QString& text, double lowest, double highest) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= lowest && value <= highest))
        return std::nullopt;
    return value;
}

// The finished take as a WAV, or through a WAV in a scratch folder as an MP3.
Status save(const TakeRecorder& take, AudioEngine& engine, const QString& output,
            const QString& suffix) {
    if (suffix == QLatin1String("wav"))
        return take.writeTo(output);
    const ScratchFolder scratch(QDir::tempPath(), QStringLiteral("tunecarver-cli-"));
    if (!scratch.isValid())
        return {ErrorCode::Create,
                QCoreApplication::translate("cli", "no scratch folder can be made (%1)")
                    .arg(scratch.errorString())};
    const QString wav = scratch.filePath(QStringLiteral("take.wav"));
    if (Status saved = take.writeTo(wav); !saved)
        return saved;
    engine.releaseAll();
    // The encoder has said why on its own line.
    if (encodeToMp3(wav, output, 128) != Success)
        return {ErrorCode::Create, QString()};
    return Status::ok();
}

} // namespace

int runRecord(QStringList args) {
    CommandLine line(QStringLiteral("record"), Help, {},
                     {QStringLiteral("seconds"), QStringLiteral("input"),
                      QStringLiteral("start-on-sound"), QStringLiteral("pre-roll")});
    if (const auto done = line.parse(args))
        return *done;
    args = line.positional();
    const auto secondsText = line.value(QStringLiteral("seconds"));
    const auto inputText = line.value(QStringLiteral("input"));
    const auto soundText = line.value(QStringLiteral("start-on-sound"));
    const auto preRollText = line.value(QStringLiteral("pre-roll"));
    const auto soundDb = soundText ? parseNumber(*soundText, -60, 0) : std::nullopt;
    if (soundText && !soundDb)
        return usage(QStringLiteral("record"),
                     QCoreApplication::translate("cli", "--start-on-sound takes -60 to 0"));
    const auto preRoll = preRollText ? parseNumber(*preRollText, 0, 2) : std::nullopt;
    if (preRollText && !preRoll)
        return usage(QStringLiteral("record"),
                     QCoreApplication::translate("cli", "--pre-roll takes 0 to 2"));
    if (preRollText && !soundText)
        return usage(QStringLiteral("record"),
                     QCoreApplication::translate("cli", "--pre-roll goes with --start-on-sound"));
    if (args.size() != 1)
        return usage(QStringLiteral("record"), QCoreApplication::translate("cli", "needs OUT"));
    const QString output = args.first();
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix != QLatin1String("wav") && suffix != QLatin1String("mp3"))
        return usage(QStringLiteral("record"),
                     QCoreApplication::translate("cli", "OUT must end in .wav or .mp3"));
    // A day is more than a take can hold (about 3 h 20 min), and the take stops there.
    constexpr qint64 MaxSeconds = 24 * 3600;
    const auto seconds = parseNonNegative(secondsText.value_or(QString()));
    if (!seconds || *seconds < 1 || *seconds > MaxSeconds)
        return usage(
            QStringLiteral("record"),
            QCoreApplication::translate("cli", "--seconds S is needed, a whole number from 1 to %1")
                .arg(MaxSeconds));

    PulseEngine engine;
    if (Status started = engine.startForRecording(); !started)
        return fail(started);
    if (inputText) {
        const auto input = parseNonNegative(*inputText);
        if (!input || *input >= engine.inputCount())
            return usage(QStringLiteral("record"),
                         QCoreApplication::translate("cli", "no input %1").arg(*inputText));
        for (int i = 0; i < engine.inputCount(); ++i)
            engine.setInputOff(i);
        if (Status on = engine.setInputOn(int(*input)); !on)
            return fail(on);
    }

    TakeRecorder take(engine);
    if (soundDb) {
        take.setStartOnSound(true, *soundDb);
        take.setPreRollMs(int(std::lround(preRoll.value_or(0.5) * 1000)));
    }
    Status failure;
    QObject::connect(&take, &TakeRecorder::failed, &take,
                     [&](const Status& status) { failure = status; });
    if (Status begun = take.BeginTake(); !begun)
        return fail(begun);
    if (take.state() == TakeRecorder::State::WaitingForSound) {
        Progress waiting(QCoreApplication::translate("cli", "Waiting for sound…"));
        waiting.update(0);
        waitUntil([&] { return take.state() != TakeRecorder::State::WaitingForSound; });
        waiting.finish();
    }
    Progress progress(QCoreApplication::translate("cli", "Recording"));
    QElapsedTimer clock;
    clock.start();
    const qint64 wantedMs = *seconds * 1000;
    waitUntil([&] {
        progress.update(wantedMs > 0 ? double(clock.elapsed()) / double(wantedMs) : 1.0);
        return clock.elapsed() >= wantedMs || take.state() != TakeRecorder::State::Recording;
    });
    take.EndTake();
    progress.finish();
    const qint64 recordedBytes =
        take.takeBuffer() ? take.takeLength() - qint64(WavHeader::Size) : qint64(0);
    if (recordedBytes <= 0) {
        const QString why = failure.isOk() ? QString() : failure.message() + u' ';
        return fail(
            QCoreApplication::translate("cli", "%1Nothing was recorded: %2 was not written.")
                .arg(why, output));
    }
    if (Status saved = save(take, engine, output, suffix); !saved)
        return saved.message().isEmpty() ? Failure : fail(saved);
    // A take the sound server ended is kept, but it is not what was asked for.
    if (failure.code() == ErrorCode::Driver)
        return fail(QCoreApplication::translate(
                        "cli", "The sound server ended the recording after %1 s. What was "
                               "recorded until then is saved in %2.")
                        .arg(double(recordedBytes) / TakeRecorder::BytesPerSecond, 0, 'f', 1)
                        .arg(output));
    if (!failure.isOk())
        print(failure.message());
    return Success;
}

} // namespace cli
