// SPDX-License-Identifier: GPL-3.0-or-later
#include "phone/phone_link.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>

PhoneLink::PhoneLink(MtpBus& usb, const KdeConnect& kdeConnect)
    : m_usb(usb), m_kdeConnect(kdeConnect) {}

QList<PhoneLink::Phone> PhoneLink::find(QStringList* problems) {
    QList<Phone> phones;
    const auto problem = [problems](const Status& status) {
        if (problems)
            problems->append(status.message());
    };
    if (const Result<QStringList> usb = m_usb.detect(); usb) {
        for (const QString& name : *usb)
            phones.append({Phone::Route::Usb, name, name});
    } else {
        problem(usb.status());
    }
    if (m_kdeConnect.installed()) {
        if (const auto paired = m_kdeConnect.availableDevices(); paired) {
            for (const KdeConnect::Device& device : *paired)
                phones.append({Phone::Route::KdeConnect, device.name, device.id});
        } else {
            problem(paired.status());
        }
    }
    return phones;
}

QString PhoneLink::noPhoneMessage() {
    return QCoreApplication::translate(
        "PhoneLink",
        "No phone was found. Plug in an Android phone with its USB cable, unlock it and choose "
        "\"File transfer\" in its USB notification; or pair the phone with KDE Connect and "
        "keep it on the same network.");
}

QString PhoneLink::describe(const Phone& phone) {
    return QStringLiteral("%1 (%2)").arg(phone.name, phone.route == Phone::Route::Usb
                                                         ? QStringLiteral("USB")
                                                         : QStringLiteral("KDE Connect"));
}

Result<QString> PhoneLink::send(const Phone& phone, const QString& file, bool replace,
                                const std::function<void(int percent)>& progress) {
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable())
        return Status{ErrorCode::FileOpen,
                      QCoreApplication::translate("PhoneLink", "%1 cannot be read.").arg(file)};
    if (phone.route == Phone::Route::Usb)
        return sendOverUsb(phone, file, replace, progress);
    if (Status shared = m_kdeConnect.share(phone.id, file); !shared)
        return shared;
    if (progress)
        progress(100);
    return QCoreApplication::translate(
               "PhoneLink", "%1 was sent to %2 with KDE Connect. On an iPhone, open it from the "
                            "notification and choose \"Use as Ringtone\"; on an Android phone, "
                            "choose it in the sound settings once it is downloaded.")
        .arg(info.fileName(), phone.name);
}

Result<QString> PhoneLink::sendOverUsb(const Phone& phone, const QString& file, bool replace,
                                       const std::function<void(int percent)>& progress) {
    // The bus is read again: the phone may have been unplugged, or others plugged in, since
    // the list was shown.
    const Result<QStringList> names = m_usb.detect();
    if (!names)
        return names.status();
    const qsizetype index = names->indexOf(phone.id);
    if (index < 0)
        return Status{ErrorCode::Device,
                      QCoreApplication::translate("PhoneLink", "%1 is not connected any more.")
                          .arg(phone.name)};
    Result<std::unique_ptr<MtpDevice>> opened = m_usb.open(int(index));
    if (!opened)
        return opened.status();
    MtpDevice& device = **opened;

    const Result<QList<MtpDevice::Storage>> storages = device.storages();
    if (!storages)
        return storages.status();
    if (storages->isEmpty())
        return Status{ErrorCode::Device,
                      QCoreApplication::translate(
                          "PhoneLink", "%1 is locked or does not share its files: unlock it, "
                                       "choose \"File transfer\" in its USB notification and "
                                       "try again.")
                          .arg(phone.name)};
    const MtpDevice::Storage& storage = storages->first();

    const Result<QList<MtpDevice::Entry>> top = device.entries(storage.id, MtpDevice::Root);
    if (!top)
        return top.status();
    const QString folderName = QString::fromLatin1(RingtonesFolder);
    std::optional<std::uint32_t> folder;
    for (const MtpDevice::Entry& entry : *top)
        if (entry.folder && entry.name.compare(folderName, Qt::CaseInsensitive) == 0)
            folder = entry.id;
    if (!folder) {
        const Result<std::uint32_t> made =
            device.makeFolder(storage.id, MtpDevice::Root, folderName);
        if (!made)
            return made.status();
        folder = *made;
    }

    // MTP cannot write over a file: one of the same name is deleted first, or two tones of
    // one name would be listed.
    const QString name = QFileInfo(file).fileName();
    const Result<QList<MtpDevice::Entry>> inFolder = device.entries(storage.id, *folder);
    if (!inFolder)
        return inFolder.status();
    for (const MtpDevice::Entry& entry : *inFolder) {
        if (entry.folder || entry.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!replace)
            return Status{ErrorCode::Exists,
                          QCoreApplication::translate("PhoneLink", "%1 has %2 in %3 already.")
                              .arg(phone.name, name, folderName)};
        if (Status removed = device.remove(entry.id); !removed)
            return removed;
    }

    int percent = -1;
    const auto bytes = [&](std::int64_t sent, std::int64_t total) {
        const int now = total > 0 ? int(sent * 100 / total) : 0;
        if (progress && now != percent)
            progress(percent = now);
    };
    if (Status sent = device.sendFile(file, storage.id, *folder, name, bytes); !sent)
        return sent;
    if (progress && percent != 100)
        progress(100);
    if (storage.description.isEmpty())
        return QCoreApplication::translate(
                   "PhoneLink",
                   "%1 is on %2, in %3 on its storage. Choose it in the phone's sound settings.")
            .arg(name, phone.name, folderName);
    return QCoreApplication::translate(
               "PhoneLink", "%1 is on %2, in %3 on %4. Choose it in the phone's sound settings.")
        .arg(name, phone.name, folderName, storage.description);
}
