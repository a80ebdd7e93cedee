// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_audio.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// The manual page of tunecarver-cli against the program's own --help: every command the
// overview lists has an entry in the page, and every option a command's --help names is in
// that entry.
class TestCliManual : public QObject {
    Q_OBJECT
private slots:
    // The manual is English: so is the program here, whatever the tester's language.
    void initTestCase() { qputenv("LANGUAGE", "en"); }
    void manual_namesEveryCommandAndOption();
    void version_namesTheProgramAndItsVersion();

private:
    QString help(const QStringList& args) {
        QByteArray output;
        const int status = testaudio::run(qEnvironmentVariable("TUNECARVER_CLI"), args, &output);
        return status == 0 ? QString::fromUtf8(output) : QString();
    }
};

void TestCliManual::manual_namesEveryCommandAndOption() {
    QFile file(QDir(qEnvironmentVariable("TUNECARVER_TEST_SUPPORT"))
                   .filePath(QStringLiteral("../../data/tunecarver-cli.1")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(file.readAll()).replace(QStringLiteral("\\-"), "-");
    // One entry per command: from its ".TP" to the next ".TP" or section.
    QMap<QString, QString> entries;
    const QStringList parts = manual.section(QStringLiteral(".SH COMMANDS"), 1)
                                  .section(QStringLiteral("\n.SH "), 0, 0)
                                  .split(QStringLiteral(".TP\n"), Qt::SkipEmptyParts);
    static const QRegularExpression head(QStringLiteral("^\\.BI? \"?([a-z]+)"));
    for (const QString& entry : parts)
        if (const auto match = head.match(entry); match.hasMatch())
            entries.insert(match.captured(1), entry);

    const QString overview = help({"--help"});
    static const QRegularExpression commandLine(QStringLiteral("^  ([a-z]+) "),
                                                QRegularExpression::MultilineOption);
    QStringList commands;
    for (const auto& match : commandLine.globalMatch(overview))
        commands << match.captured(1);
    QCOMPARE(commands.size(), 14);
    QCOMPARE(QStringList(entries.keys()), [&] {
        QStringList sorted = commands;
        sorted.sort();
        return sorted;
    }());

    static const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
    for (const QString& command : commands) {
        const QString text = help({command, "--help"});
        QVERIFY2(text.startsWith("usage: tunecarver-cli " + command), qPrintable(command));
        for (const auto& match : option.globalMatch(text))
            QVERIFY2(entries[command].contains(match.captured()),
                     qPrintable(command + " " + match.captured() + " is not in the manual"));
    }
    QVERIFY(manual.contains("--version"));
}

void TestCliManual::version_namesTheProgramAndItsVersion() {
    static const QRegularExpression version(
        QStringLiteral("^tunecarver-cli \\d+\\.\\d+\\.\\d+\n$"));
    QVERIFY(version.match(help({"--version"})).hasMatch());
}

QTEST_GUILESS_MAIN(TestCliManual)
#include "tst_cli_manual.moc"
