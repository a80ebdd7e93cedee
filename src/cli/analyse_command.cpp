// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysis_file.h"
#include "analysis/music_analysis.h"
#include "analysis/suggestions.h"
#include "cli/cli_support.h"
#include "cli/commands.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cmath>

namespace cli {

namespace {

const char* const Help =
    QT_TRANSLATE_NOOP("cli", R"(usage: tunecarver-cli analyse IN [--json] [--length S]

Finds the music of IN (any file the program reads) as the editor's "Suggest" does: its
tempo, every beat, the bars, the sections (A, B, C... a label that comes again is the same
music; the one heard most is taken for the chorus), and the three windows of at most S
seconds (5 to 60; default 29.9) worth hearing first as a ringtone, each the most whole bars
that fit, no two sharing more than 2 s, with the reason for it. A sound without a steady
beat gets no grid and its loudest stretches, saying why.

--json prints one object, times in seconds: {"tempo_bpm": 123.0, "tempo_segments":
[{"start": s, "end": s, "bpm": 123.0}, ..] (one for each stretch of one tempo; tempo_bpm is
the longest one's), "beats": [..], "bars": [..],
"sections": [{"start": s, "end": s, "label": "A"}, ..],
"suggestions": [{"start": s, "end": s, "reason": ".."}, ..]}.)");

QString seconds(double t) {
    return QString::number(t, 'f', 3);
}

QString list(const std::vector<double>& times) {
    QStringList parts;
    for (double t : times)
        parts << QString::number(t, 'f', 3);
    return parts.join(QLatin1Char(' '));
}

} // namespace

std::optional<double> parseSuggestionLength(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    if (!std::isfinite(value) || value < analysis::MinSuggestionLength - 1e-9 ||
        value > analysis::MaxSuggestionLength + 1e-9)
        return std::nullopt;
    return value;
}

int runAnalyse(QStringList args) {
    const QString command = QStringLiteral("analyse");
    CommandLine line(QStringLiteral("analyse"), Help, {QStringLiteral("json")},
                     {QStringLiteral("length")});
    if (const auto done = line.parse(args))
        return *done;
    args = line.positional();
    const bool json = line.flag(QStringLiteral("json"));
    const auto lengthText = line.value(QStringLiteral("length"));
    if (args.size() != 1)
        return usage(command, QCoreApplication::translate("cli", "needs IN"));
    const auto length = lengthText ? parseSuggestionLength(*lengthText)
                                   : std::optional(analysis::DefaultSuggestionLength);
    if (!length)
        return usage(command,
                     QCoreApplication::translate("cli", "--length takes seconds from 5 to 60"));

    Progress progress(QCoreApplication::translate("cli", "Analysing"));
    const Result<analysis::MusicAnalysis> found =
        analysis::analyseFile(args.at(0), nullptr, [&](double f) { progress.update(f); });
    progress.finish();
    if (!found)
        return fail(found.status());
    const std::vector<analysis::Suggestion> suggestions = analysis::suggest(*found, *length);
    if (json) {
        print(QString::fromUtf8(
            QJsonDocument(analysis::toJson(*found, suggestions)).toJson(QJsonDocument::Compact)));
        return Success;
    }
    if (found->hasGrid()) {
        print(QCoreApplication::translate("cli", "tempo: %1 BPM").arg(found->tempoBpm, 0, 'f', 1));
        print(QCoreApplication::translate("cli", "beats (%1): %2")
                  .arg(found->beats.size())
                  .arg(list(found->beats)));
        print(QCoreApplication::translate("cli", "bars (%1): %2")
                  .arg(found->bars.size())
                  .arg(list(found->bars)));
    } else {
        print(QCoreApplication::translate("cli", "no grid: %1")
                  .arg(QCoreApplication::translate("MusicAnalysis",
                                                   found->noGridReason.toUtf8().constData())));
    }
    print(QCoreApplication::translate("cli", "sections:"));
    for (const analysis::Section& s : found->sections)
        print(QStringLiteral("  %1  %2 - %3%4")
                  .arg(s.label, seconds(s.start), seconds(s.end),
                       s.label == found->chorusLabel ? QStringLiteral("  (chorus)") : QString()));
    print(QCoreApplication::translate("cli", "suggestions (%1 s):").arg(*length, 0, 'g', 3));
    int n = 0;
    for (const analysis::Suggestion& s : suggestions)
        print(QStringLiteral("  %1. %2 - %3  %4")
                  .arg(++n)
                  .arg(seconds(s.start), seconds(s.end), s.reason));
    return Success;
}

} // namespace cli
