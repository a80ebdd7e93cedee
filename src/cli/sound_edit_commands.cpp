// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cliplist/sound_edit.h"

#include <QCoreApplication>
#include <cmath>

namespace cli {

namespace {

const char* const FadeHelp =
    QT_TRANSLATE_NOOP("cli", R"(usage: tunecarver-cli fade IN OUT [--in S] [--out S]

Fades IN in over its first S seconds and out over its last S seconds (default 1.0 each
when neither is given; 0 for none) with a smooth curve, and writes the result to OUT.
IN is an 8- or 16-bit PCM WAV file; OUT, a WAV of the same format, may be IN itself and
is replaced only when it was written whole.)");

const char* const GainHelp = QT_TRANSLATE_NOOP("cli", R"(usage: tunecarver-cli gain IN OUT --db D

Makes IN D decibels louder (or quieter for a negative D) and writes it to OUT. Samples
past full scale are held there and counted.)");

const char* const NormaliseHelp =
    QT_TRANSLATE_NOOP("cli", R"(usage: tunecarver-cli normalise IN OUT [--lufs L | --peak DB]

Brings IN to the loudness L (default -14 LUFS, measured by EBU R128) without letting its
true peak pass -1 dBTP, or with --peak its highest sample to DB dBFS, and writes it to
OUT. A sound shorter than 0.4 s is brought to a -1 dBFS peak. Silence is refused (exit
status 1) and OUT is left as it was.)");

std::optional<double> parseNumber(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

int report(const Result<soundedit::Outcome>& done) {
    if (!done)
        return fail(done.status());
    if (!done->note.isEmpty())
        print(done->note);
    return Success;
}

struct Arguments {
    QStringList files;                         // IN and OUT
    std::vector<std::optional<double>> values; // the options, in the order named
};

// IN and OUT, and the options `names` as numbers; or the exit status after --help or a fault.
std::optional<int> readArguments(const QString& command, const char* help, const QStringList& args,
                                 const QStringList& names, Arguments* read) {
    CommandLine line(command, help, {}, names);
    if (const auto done = line.parse(args))
        return done;
    for (const QString& name : names) {
        const auto text = line.value(name);
        read->values.push_back(text ? parseNumber(*text) : std::nullopt);
        if (text && !read->values.back())
            return usage(command,
                         QCoreApplication::translate("cli", "--%1 takes a number").arg(name));
    }
    read->files = line.positional();
    if (read->files.size() != 2)
        return usage(command, QCoreApplication::translate("cli", "needs IN and OUT"));
    return std::nullopt;
}

} // namespace

int runFade(QStringList args) {
    Arguments read;
    if (const auto done =
            readArguments(QStringLiteral("fade"), FadeHelp, args, {"in", "out"}, &read))
        return *done;
    const auto& [files, values] = read;
    if ((values[0] && *values[0] < 0) || (values[1] && *values[1] < 0))
        return usage(QStringLiteral("fade"),
                     QCoreApplication::translate("cli", "--in and --out take seconds, 0 or more"));
    const bool neither = !values[0] && !values[1];
    return report(soundedit::fade(files[0], files[1], values[0].value_or(neither ? 1.0 : 0.0),
                                  values[1].value_or(neither ? 1.0 : 0.0)));
}

int runGain(QStringList args) {
    Arguments read;
    if (const auto done = readArguments(QStringLiteral("gain"), GainHelp, args, {"db"}, &read))
        return *done;
    const auto& [files, values] = read;
    // Past these a 16-bit sound is all full scale or all silence, and the factor would
    // leave the numbers a sample can hold.
    constexpr double MaxDb = 120;
    if (!values[0] || std::abs(*values[0]) > MaxDb)
        return usage(QStringLiteral("gain"),
                     QCoreApplication::translate("cli", "needs --db D, from -%1 to %1").arg(MaxDb));
    return report(soundedit::gain(files[0], files[1], *values[0]));
}

int runNormalise(QStringList args) {
    Arguments read;
    if (const auto done = readArguments(QStringLiteral("normalise"), NormaliseHelp, args,
                                        {"lufs", "peak"}, &read))
        return *done;
    const auto& [files, values] = read;
    if (values[0] && values[1])
        return usage(QStringLiteral("normalise"),
                     QCoreApplication::translate("cli", "give --lufs or --peak, not both"));
    soundedit::Target target;
    if (values[0])
        target.lufs = *values[0];
    if (values[0] && (*values[0] >= 0 || *values[0] < -70))
        return usage(QStringLiteral("normalise"),
                     QCoreApplication::translate("cli", "--lufs takes a loudness from -70 to 0"));
    if (values[1] && *values[1] > 0)
        return usage(QStringLiteral("normalise"),
                     QCoreApplication::translate("cli", "--peak takes a level at or below 0 dBFS"));
    if (values[1]) {
        target.peakOnly = true;
        target.peakDb = *values[1];
    }
    const Result<soundedit::Outcome> done = soundedit::normalise(files[0], files[1], target);
    if (done && !done->changed)
        return fail(QCoreApplication::translate(
                        "cli", "%1 holds nothing but silence: there is nothing to bring up, "
                               "and %2 is left as it was.")
                        .arg(files[0], files[1]));
    return report(done);
}

} // namespace cli
