// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

// The few Media Transfer Protocol operations that putting a file on a phone takes, as an
// interface: libmtp behind it for real phones (makeLibmtpBus), a fake device in tests.
//
// Objects on a device (files and folders) and its storages are named by the device's own
// 32-bit ids. Calls block, for as long as the phone takes; neither class is thread-safe,
// and a bus and the devices it opened are used by one thread at a time (a worker, never the
// GUI thread). Failures carry a sentence naming the phone and, where the phone or the
// library gave one, its reason.
class MtpDevice {
public:
    // The folder above the top folders of a storage.
    static constexpr std::uint32_t Root = 0xFFFFFFFF;

    struct Storage {
        std::uint32_t id = 0;
        QString description; // "Internal shared storage", "SD card"
    };
    struct Entry {
        std::uint32_t id = 0;
        QString name;
        bool folder = false;
    };
    // Bytes sent so far and in all.
    using ProgressFn = std::function<void(std::int64_t sent, std::int64_t total)>;

    virtual ~MtpDevice() = default;

    // "Pixel 7", or the maker and model when the phone has no name of its own.
    virtual QString name() const = 0;
    // The storages the phone shows, the main one first. None while the phone is locked or
    // set to charge only: it is connected, but shows no files.
    virtual Result<QList<Storage>> storages() = 0;
    // The files and folders directly inside `folder` (Root: the storage's top).
    virtual Result<QList<Entry>> entries(std::uint32_t storage, std::uint32_t folder) = 0;
    // A new folder inside `parent` (Root: at the top); its id.
    virtual Result<std::uint32_t> makeFolder(std::uint32_t storage, std::uint32_t parent,
                                             const QString& name) = 0;
    virtual Status remove(std::uint32_t id) = 0;
    // Copies the local file `path` into `folder` as `name`. `progress` may be empty.
    virtual Status sendFile(const QString& path, std::uint32_t storage, std::uint32_t folder,
                            const QString& name, const ProgressFn& progress) = 0;
};

class MtpBus {
public:
    virtual ~MtpBus() = default;
    // The MTP devices on USB now, by name (maker and model as the USB bus gives them); an
    // empty list when there are none. Device when the USB bus cannot be read.
    virtual Result<QStringList> detect() = 0;
    // Opens device `index` of the last detect(). Device when it cannot be opened (gone, or
    // held by another program such as a file manager).
    virtual Result<std::unique_ptr<MtpDevice>> open(int index) = 0;
};

// The bus of this computer, through libmtp.
std::unique_ptr<MtpBus> makeLibmtpBus();
