// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/pulse/pulse_engine.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "recording/input_types.h"

#include <QCoreApplication>
namespace cli {

namespace {
const char* const Help = QT_TRANSLATE_NOOP("cli", R"(usage: tunecarver-cli inputs

Lists the sound inputs of the sound server, one line each:
INDEX on|off LEVEL TYPE NAME. "on" marks the input a recording uses.)");
} // namespace

int runInputs(QStringList args) {
    CommandLine line(QStringLiteral("inputs"), Help, {}, {});
    if (const auto done = line.parse(args))
        return *done;
    args = line.positional();
    if (!args.isEmpty())
        return usage(QStringLiteral("inputs"),
                     QCoreApplication::translate("cli", "takes no arguments"));
    PulseEngine engine;
    if (Status started = engine.startForRecording(); !started)
        return fail(started);
    for (int i = 0; i < engine.inputCount(); ++i) {
        const auto state = engine.inputState(i);
        print(QStringLiteral("%1 %2 %3 %4 %5")
                  .arg(i)
                  .arg(state.on ? QStringLiteral("on") : QStringLiteral("off"))
                  .arg(state.levelPercent)
                  .arg(inputTypeName(state.typeCode), engine.inputName(i)));
    }
    engine.releaseAll();
    return Success;
}

} // namespace cli
