// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phone/mtp_device.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

// An MTP bus for tests: phones that are data, not hardware. A test fills `phones`, hands the
// bus to the code under test and looks at the phones' files afterwards. Devices opened from
// the bus work on its phones directly (the bus must outlive them). One thread at a time.
class FakeMtpBus : public MtpBus {
public:
    struct Object {
        std::uint32_t id = 0;
        std::uint32_t parent = MtpDevice::Root;
        QString name;
        bool folder = false;
        QByteArray bytes;
    };
    struct Phone {
        QString name;
        bool locked = false;  // shows no storage
        bool refuses = false; // refuses every new file or folder, with a reason
        QList<Object> objects;
    };

    QList<Phone> phones;

    // The bytes of the file at `path` ("Ringtones/tone.ogg") on phone `index`, in any letter
    // case; empty when there is none.
    QByteArray file(int index, const QString& path) const;

    Result<QStringList> detect() override;
    Result<std::unique_ptr<MtpDevice>> open(int index) override;
};

// Writes an executable `kdeconnect-cli` into `folder` that answers --list-available with
// `devices` ("id name" lines, each ended by printf's "\\n") and appends each call's
// arguments, one per line, with an empty line after each call, to `folder`/kdeconnect-calls.
// It uses shell builtins only, so it runs with nothing else on PATH. Returns its path.
QString writeFakeKdeConnect(const QString& folder, const QString& devices);
