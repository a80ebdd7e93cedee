// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

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

// The value after `--name` in args (removed from args together with it). Fails with a
// message when the option is present without a value.
std::optional<QString> takeOption(QStringList& args, const QString& name, QString* error);
bool takeFlag(QStringList& args, const QString& name);
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
