// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The commands of tunecarver-cli. Each takes the arguments after its name and returns the
// process exit status (0 success, 1 failure with one line on stderr, 2 wrong usage).
namespace cli {
int runConvert(QStringList args);
int runInputs(QStringList args);
int runRecord(QStringList args);
int runPlay(QStringList args);
int runCrop(QStringList args);
int runJoin(QStringList args);
int runRingtone(QStringList args);
int runSend(QStringList args);
int runWaveform(QStringList args);
int runFade(QStringList args);
int runGain(QStringList args);
int runNormalise(QStringList args);
int runCleanup(QStringList args);
int runAnalyse(QStringList args);

// 20, 29.9, 30 or 40 (the suggestion lengths) from the text; nothing for any other value.
std::optional<double> parseSuggestionLength(const QString& text);
} // namespace cli
