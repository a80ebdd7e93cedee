// SPDX-License-Identifier: GPL-3.0-or-later
#include "phone/kde_connect.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

KdeConnect::KdeConnect(QString program) : m_program(std::move(program)) {}

bool KdeConnect::installed() const {
    return !QStandardPaths::findExecutable(m_program).isEmpty();
}

Result<QList<KdeConnect::Device>> KdeConnect::availableDevices() const {
    const Result<QString> listed =
        run({QStringLiteral("--list-available"), QStringLiteral("--id-name-only")}, ListTimeoutMs);
    if (!listed)
        return listed.status();
    QList<Device> devices;
    for (const QString& line : listed->split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString entry = line.trimmed();
        const qsizetype space = entry.indexOf(QLatin1Char(' '));
        if (entry.isEmpty())
            continue;
        if (space < 0)
            devices.append({entry, entry});
        else
            devices.append({entry.left(space), entry.mid(space + 1).trimmed()});
    }
    return devices;
}

Status KdeConnect::share(const QString& deviceId, const QString& file) const {
    const Result<QString> shared =
        run({QStringLiteral("--share"), QFileInfo(file).absoluteFilePath(),
             QStringLiteral("--device"), deviceId},
            ShareTimeoutMs);
    return shared ? Status::ok() : shared.status();
}

Result<QString> KdeConnect::run(const QStringList& arguments, int timeoutMs) const {
    const QString program = QStandardPaths::findExecutable(m_program);
    if (program.isEmpty())
        return Status{ErrorCode::NotAvailable,
                      QCoreApplication::translate("PhoneLink", "KDE Connect (%1) is not installed.")
                          .arg(m_program)};
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return Status{ErrorCode::Device, QCoreApplication::translate(
                                             "PhoneLink", "KDE Connect (%1) cannot be started: %2")
                                             .arg(program, process.errorString())};
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return Status{ErrorCode::Device, QCoreApplication::translate(
                                             "PhoneLink", "KDE Connect did not answer in time.")};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return Status{
            ErrorCode::Device,
            said.isEmpty()
                ? QCoreApplication::translate("PhoneLink", "KDE Connect failed (exit code %1).")
                      .arg(process.exitCode())
                : QCoreApplication::translate("PhoneLink", "KDE Connect failed: %1").arg(said)};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}
