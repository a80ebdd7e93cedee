// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cliplist/voice_cleanup.h"

#include <QCoreApplication>
#include <cmath>

namespace cli {

namespace {

const char* const Help = QT_TRANSLATE_NOOP(
    "cli", R"(usage: tunecarver-cli cleanup IN OUT [--no-trim] [--no-denoise] [--no-declick]
                              [--no-level | --lufs L]

Cleans up a spoken take in one go and writes it to OUT: takes out rumble below 80 Hz and
clicks, reduces the steady noise of the room (learnt from the quietest half second), cuts
the silence at both ends down to 200 ms of room before the first and after the last
sound, and brings the voice to L LUFS (default -16) with the true peak under -1 dBTP.
Each --no-... option leaves that step out. IN is an 8- or 16-bit PCM WAV file of at
least half a second; OUT, a WAV of the same format, may be IN itself and is replaced
only when it was written whole.)");

} // namespace

int runCleanup(QStringList args) {
    CommandLine line(QStringLiteral("cleanup"), Help,
                     {QStringLiteral("no-trim"), QStringLiteral("no-denoise"),
                      QStringLiteral("no-declick"), QStringLiteral("no-level")},
                     {QStringLiteral("lufs")});
    if (const auto done = line.parse(args))
        return *done;
    args = line.positional();
    cleanup::Steps steps;
    steps.trim = !line.flag(QStringLiteral("no-trim"));
    steps.denoise = !line.flag(QStringLiteral("no-denoise"));
    steps.declick = !line.flag(QStringLiteral("no-declick"));
    steps.level = !line.flag(QStringLiteral("no-level"));
    const auto lufsText = line.value(QStringLiteral("lufs"));
    if (lufsText) {
        bool ok = false;
        steps.lufs = lufsText->toDouble(&ok);
        // A loudness below -70 LUFS is silence: the level step would write nothing else.
        if (!ok || !std::isfinite(steps.lufs) || steps.lufs >= 0 || steps.lufs < -70)
            return usage(
                QStringLiteral("cleanup"),
                QCoreApplication::translate("cli", "--lufs takes a loudness from -70 to 0"));
        if (!steps.level)
            return usage(QStringLiteral("cleanup"),
                         QCoreApplication::translate("cli", "give --lufs or --no-level, not both"));
    }
    if (args.size() != 2)
        return usage(QStringLiteral("cleanup"),
                     QCoreApplication::translate("cli", "needs IN and OUT"));

    Progress progress(QCoreApplication::translate("cli", "Cleaning up"));
    const Result<cleanup::Outcome> done = cleanup::clean(
        args[0], args[1], steps, [&](int percent) { progress.update(percent / 100.0); });
    progress.finish();
    if (!done)
        return fail(done.status());
    const double rate = done->sampleRateHz;
    print(QCoreApplication::translate("cli", "Kept %1 s from %2 s on; the noise floor was %3 dBFS.")
              .arg(double(done->frames) / rate, 0, 'f', 2)
              .arg(double(done->firstFrame) / rate, 0, 'f', 2)
              .arg(done->noiseFloorDb, 0, 'f', 1));
    if (!done->note.isEmpty())
        print(done->note);
    return Success;
}

} // namespace cli
