// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Small pieces shared by the commands of tunecarver-cli.
namespace cli {

enum Exit { Success = 0, Failure = 1, Usage = 2 };

// One line on stderr: "tunecarver-cli: <message>". Returns Failure.
int fail(const QString& message);
int fail(const Status& status);
// "tunecarver-cli <command>: <problem>" plus a hint to --help. Returns Usage.
int usage(const QString& command, const QString& problem);
void print(const QString& text); // to stdout, with a newline

// The arguments of one command read by its option table: `flags` are options without a value,
// `valued` options take the next argument (or `--name=value`); names are given without the
// dashes. Everything else is a positional argument, in order.
class CommandLine {
public:
    CommandLine(QString command, const char* help, const QStringList& flags,
                const QStringList& valued);
    // Nothing when the arguments fit the table; otherwise the exit status the command returns:
    // Success after printing the help for --help, Usage after naming the fault.
    std::optional<int> parse(const QStringList& args);
    bool flag(const QString& name) const { return m_parser.isSet(name); }
    std::optional<QString> value(const QString& name) const;
    QStringList positional() const { return m_parser.positionalArguments(); }

private:
    QString m_command;
    const char* m_help;
    QCommandLineParser m_parser;
};

std::optional<qint64> parseNonNegative(const QString& text);

// A progress bar on stderr, drawn only when stderr is a terminal.
class Progress {
public:
    explicit Progress(QString label);
    ~Progress();
    void update(double fraction); // 0..1; redraws at most every 100 ms
    void finish();

private:
    QString m_label;
    bool m_enabled;
    qint64 m_lastDrawMs = -1000;
    bool m_finished = false;
};

// Runs the event loop until `done` returns true (checked after every event batch and at
// least every 20 ms).
void waitUntil(const std::function<bool()>& done);

} // namespace cli
