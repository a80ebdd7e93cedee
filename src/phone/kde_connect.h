// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QList>
#include <QString>

// KDE Connect's command-line client, kdeconnect-cli, run as a program: the phones paired
// with this computer and reachable now, and sharing a file to one of them (the phone
// offers it to its user; an iPhone opens it from there).
//
// The program is looked up on PATH at each call, so installing it while the program runs
// is noticed. Calls block until the client answers (a few seconds at most): use them from
// a worker, not the GUI thread. Thread-safe (nothing is kept between calls).
class KdeConnect {
public:
    static constexpr int ListTimeoutMs = 10000;
    static constexpr int ShareTimeoutMs = 30000;

    struct Device {
        QString id;
        QString name;
    };

    explicit KdeConnect(QString program = QStringLiteral("kdeconnect-cli"));

    // Whether the client is on PATH.
    bool installed() const;
    // The paired phones reachable now (`--list-available --id-name-only`). NotAvailable when
    // the client is not installed; Device when it fails or does not answer in time.
    Result<QList<Device>> availableDevices() const;
    // Shares `file` (made absolute) with the device (`--share FILE --device ID`). Failures as
    // for availableDevices(), with the client's own words.
    Status share(const QString& deviceId, const QString& file) const;

private:
    // Runs the client; its standard output, or why it failed.
    Result<QString> run(const QStringList& arguments, int timeoutMs) const;

    QString m_program;
};
