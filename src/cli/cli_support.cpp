// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace cli {

int fail(const QString& message) {
    std::fprintf(stderr, "tunecarver-cli: %s\n", qPrintable(message));
    return Failure;
}

int fail(const Status& status) {
    return fail(status.message().isEmpty()
                    ? QCoreApplication::translate("cli", "failed with error code %1")
                          .arg(status.codeNumber())
                    : status.message());
}

int usage(const QString& command, const QString& problem) {
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate(
                                "cli", "tunecarver-cli %1: %2\nTry 'tunecarver-cli %1 --help'.")
                                .arg(command, problem)));
    return Usage;
}

void print(const QString& text) {
    std::fprintf(stdout, "%s\n", qPrintable(text));
    std::fflush(stdout);
}

CommandLine::CommandLine(QString command, const char* help, const QStringList& flags,
                         const QStringList& valued)
    : m_command(std::move(command)), m_help(help) {
    // Single-dash words are long options, so that "-help" is no bundle of -h, -e, -l, -p.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(
        QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    for (const QString& name : flags)
        m_parser.addOption(QCommandLineOption(name));
    for (const QString& name : valued)
        m_parser.addOption(QCommandLineOption(name, QString(), name.toUpper()));
}

std::optional<int> CommandLine::parse(const QStringList& args) {
    // The parser skips its first argument, the program's name.
    if (!m_parser.parse(QStringList{m_command} + args))
        return usage(m_command, m_parser.errorText());
    if (m_parser.isSet(QStringLiteral("help"))) {
        print(QCoreApplication::translate("cli", m_help));
        return Success;
    }
    return std::nullopt;
}

std::optional<QString> CommandLine::value(const QString& name) const {
    if (!m_parser.isSet(name))
        return std::nullopt;
    return m_parser.value(name);
}

std::optional<qint64> parseNonNegative(const QString& text) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

Progress::Progress(QString label) : m_label(std::move(label)), m_enabled(::isatty(2) == 1) {}

Progress::~Progress() {
    finish();
}

void Progress::update(double fraction) {
    if (!m_enabled || m_finished)
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - m_lastDrawMs < 100 && fraction < 1.0)
        return;
    m_lastDrawMs = now;
    fraction = std::clamp(fraction, 0.0, 1.0);
    constexpr int Width = 40;
    const int filled = int(fraction * Width);
    std::fprintf(stderr, "\r%s [%s%s] %3d%%", qPrintable(m_label),
                 QByteArray(filled, '#').constData(), QByteArray(Width - filled, ' ').constData(),
                 int(fraction * 100));
    std::fflush(stderr);
}

void Progress::finish() {
    if (m_enabled && !m_finished && m_lastDrawMs >= 0)
        std::fputs("\n", stderr);
    m_finished = true;
}

void waitUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(20);
    if (!done())
        loop.exec();
}

} // namespace cli
