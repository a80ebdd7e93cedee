// SPDX-License-Identifier: GPL-3.0-or-later
#include "phone/mtp_device.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <libmtp.h>

#include <cstdlib>
#include <mutex>

namespace {

QString text(const char* chars) {
    return chars ? QString::fromUtf8(chars).trimmed() : QString();
}

// A string libmtp allocated, taken over.
QString takeText(char* chars) {
    const QString result = text(chars);
    std::free(chars);
    return result;
}

LIBMTP_filetype_t fileTypeFor(const QString& name) {
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("mp3"))
        return LIBMTP_FILETYPE_MP3;
    if (suffix == QLatin1String("ogg"))
        return LIBMTP_FILETYPE_OGG;
    if (suffix == QLatin1String("m4a") || suffix == QLatin1String("m4r"))
        return LIBMTP_FILETYPE_M4A;
    return LIBMTP_FILETYPE_UNKNOWN;
}

class LibmtpDevice : public MtpDevice {
public:
    explicit LibmtpDevice(LIBMTP_mtpdevice_t* device) : m_device(device) {
        m_name = takeText(LIBMTP_Get_Friendlyname(device));
        if (m_name.isEmpty())
            m_name = QStringLiteral("%1 %2").arg(takeText(LIBMTP_Get_Manufacturername(device)),
                                                 takeText(LIBMTP_Get_Modelname(device)));
        m_name = m_name.trimmed();
        if (m_name.isEmpty())
            m_name = QCoreApplication::translate("PhoneLink", "The phone");
    }
    ~LibmtpDevice() override { LIBMTP_Release_Device(m_device); }

    QString name() const override { return m_name; }

    Result<QList<Storage>> storages() override {
        if (LIBMTP_Get_Storage(m_device, LIBMTP_STORAGE_SORTBY_NOTSORTED) != 0 &&
            m_device->storage == nullptr) {
            // A locked phone answers the storage request with an error, or with no storage.
            LIBMTP_Clear_Errorstack(m_device);
            return QList<Storage>{};
        }
        QList<Storage> found;
        for (const LIBMTP_devicestorage_t* s = m_device->storage; s; s = s->next)
            found.append({s->id, text(s->StorageDescription)});
        return found;
    }

    Result<QList<Entry>> entries(std::uint32_t storage, std::uint32_t folder) override {
        LIBMTP_file_t* files = LIBMTP_Get_Files_And_Folders(
            m_device, storage, folder == Root ? LIBMTP_FILES_AND_FOLDERS_ROOT : folder);
        if (!files && LIBMTP_Get_Errorstack(m_device))
            return failure(QCoreApplication::translate("PhoneLink", "%1 did not list its folders")
                               .arg(m_name));
        QList<Entry> found;
        while (files) {
            LIBMTP_file_t* next = files->next;
            found.append(
                {files->item_id, text(files->filename), files->filetype == LIBMTP_FILETYPE_FOLDER});
            LIBMTP_destroy_file_t(files);
            files = next;
        }
        return found;
    }

    Result<std::uint32_t> makeFolder(std::uint32_t storage, std::uint32_t parent,
                                     const QString& name) override {
        QByteArray chars = name.toUtf8();
        // libmtp's "top of the storage" is 0 here, unlike in a listing.
        const std::uint32_t id =
            LIBMTP_Create_Folder(m_device, chars.data(), parent == Root ? 0 : parent, storage);
        if (id == 0)
            return failure(
                QCoreApplication::translate("PhoneLink", "%1 refused to make the folder %2")
                    .arg(m_name, name));
        return id;
    }

    Status remove(std::uint32_t id) override {
        if (LIBMTP_Delete_Object(m_device, id) != 0)
            return failure(QCoreApplication::translate("PhoneLink", "%1 refused to delete a file")
                               .arg(m_name));
        return Status::ok();
    }

    Status sendFile(const QString& path, std::uint32_t storage, std::uint32_t folder,
                    const QString& name, const ProgressFn& progress) override {
        LIBMTP_file_t* file = LIBMTP_new_file_t();
        if (!file)
            return {ErrorCode::OutOfMemory,
                    QCoreApplication::translate("PhoneLink", "Out of memory.")};
        const QByteArray fileName = name.toUtf8();
        file->filename = strdup(fileName.constData());
        file->filesize = std::uint64_t(QFileInfo(path).size());
        file->filetype = fileTypeFor(name);
        file->parent_id = folder;
        file->storage_id = storage;
        const QByteArray localPath = QFile::encodeName(path);
        const int sent = LIBMTP_Send_File_From_File(m_device, localPath.constData(), file,
                                                    &LibmtpDevice::onProgress, &progress);
        LIBMTP_destroy_file_t(file);
        if (sent != 0)
            return failure(
                QCoreApplication::translate("PhoneLink", "%1 refused %2").arg(m_name, name));
        return Status::ok();
    }

private:
    static int onProgress(std::uint64_t sent, std::uint64_t total, const void* data) {
        const auto* progress = static_cast<const ProgressFn*>(data);
        if (*progress)
            (*progress)(std::int64_t(sent), std::int64_t(total));
        return 0;
    }

    // `what`, with the reasons libmtp collected, which it then forgets.
    Status failure(const QString& what) {
        QStringList reasons;
        for (const LIBMTP_error_t* e = LIBMTP_Get_Errorstack(m_device); e; e = e->next)
            if (const QString reason = text(e->error_text); !reason.isEmpty())
                reasons.append(reason);
        LIBMTP_Clear_Errorstack(m_device);
        return {ErrorCode::Device, reasons.isEmpty()
                                       ? what + QLatin1Char('.')
                                       : QStringLiteral("%1 (%2).").arg(what, reasons.join("; "))};
    }

    LIBMTP_mtpdevice_t* m_device;
    QString m_name;
};

class LibmtpBus : public MtpBus {
public:
    LibmtpBus() {
        static std::once_flag initialised;
        std::call_once(initialised, [] { LIBMTP_Init(); });
    }
    ~LibmtpBus() override { std::free(m_raw); }

    Result<QStringList> detect() override {
        std::free(m_raw);
        m_raw = nullptr;
        m_count = 0;
        switch (LIBMTP_Detect_Raw_Devices(&m_raw, &m_count)) {
        case LIBMTP_ERROR_NONE:
            break;
        case LIBMTP_ERROR_NO_DEVICE_ATTACHED:
            m_count = 0;
            return QStringList{};
        default:
            m_count = 0;
            return Status{ErrorCode::Device,
                          QCoreApplication::translate(
                              "PhoneLink", "The USB devices of this computer cannot be read.")};
        }
        QStringList names;
        for (int i = 0; i < m_count; ++i) {
            const LIBMTP_device_entry_t& entry = m_raw[i].device_entry;
            QString name = QStringLiteral("%1 %2").arg(text(entry.vendor), text(entry.product));
            if (name.trimmed().isEmpty())
                name = QCoreApplication::translate("PhoneLink", "USB device %1:%2")
                           .arg(entry.vendor_id, 4, 16, QLatin1Char('0'))
                           .arg(entry.product_id, 4, 16, QLatin1Char('0'));
            names.append(name.trimmed());
        }
        return names;
    }

    Result<std::unique_ptr<MtpDevice>> open(int index) override {
        if (index < 0 || index >= m_count)
            return Status{
                ErrorCode::Device,
                QCoreApplication::translate("PhoneLink", "The phone is not connected any more.")};
        LIBMTP_mtpdevice_t* device = LIBMTP_Open_Raw_Device_Uncached(&m_raw[index]);
        if (!device)
            return Status{ErrorCode::Device,
                          QCoreApplication::translate(
                              "PhoneLink",
                              "The phone cannot be opened: it was unplugged, or another "
                              "program (a file manager) is using it.")};
        return std::unique_ptr<MtpDevice>(std::make_unique<LibmtpDevice>(device));
    }

private:
    LIBMTP_raw_device_t* m_raw = nullptr;
    int m_count = 0;
};

} // namespace

std::unique_ptr<MtpBus> makeLibmtpBus() {
    return std::make_unique<LibmtpBus>();
}
