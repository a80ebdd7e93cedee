// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_phone.h"

#include <QFile>
#include <QFileInfo>

namespace {

class FakeDevice : public MtpDevice {
public:
    explicit FakeDevice(FakeMtpBus::Phone& phone) : m_phone(phone) {}

    QString name() const override { return m_phone.name; }

    Result<QList<Storage>> storages() override {
        if (m_phone.locked)
            return QList<Storage>{};
        return QList<Storage>{{StorageId, QStringLiteral("Internal shared storage")}};
    }

    Result<QList<Entry>> entries(std::uint32_t, std::uint32_t folder) override {
        QList<Entry> found;
        for (const FakeMtpBus::Object& object : m_phone.objects)
            if (object.parent == folder)
                found.append({object.id, object.name, object.folder});
        return found;
    }

    Result<std::uint32_t> makeFolder(std::uint32_t, std::uint32_t parent,
                                     const QString& name) override {
        if (m_phone.refuses)
            return Status{ErrorCode::Device, m_phone.name + " refused: storage full."};
        return add({0, parent, name, true, {}});
    }

    Status remove(std::uint32_t id) override {
        m_phone.objects.removeIf([id](const FakeMtpBus::Object& o) { return o.id == id; });
        return Status::ok();
    }

    Status sendFile(const QString& path, std::uint32_t, std::uint32_t folder, const QString& name,
                    const ProgressFn& progress) override {
        if (m_phone.refuses)
            return {ErrorCode::Device, m_phone.name + " refused: storage full."};
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {ErrorCode::FileOpen, path};
        const QByteArray bytes = file.readAll();
        if (progress) {
            progress(bytes.size() / 2, bytes.size());
            progress(bytes.size(), bytes.size());
        }
        add({0, folder, name, false, bytes});
        return Status::ok();
    }

private:
    static constexpr std::uint32_t StorageId = 0x10001;

    std::uint32_t add(FakeMtpBus::Object object) {
        std::uint32_t id = 1;
        for (const FakeMtpBus::Object& o : m_phone.objects)
            id = std::max(id, o.id + 1);
        object.id = id;
        m_phone.objects.append(object);
        return id;
    }

    FakeMtpBus::Phone& m_phone;
};

} // namespace

QByteArray FakeMtpBus::file(int index, const QString& path) const {
    const QList<Object>& objects = phones.at(index).objects;
    std::uint32_t parent = MtpDevice::Root;
    const Object* found = nullptr;
    for (const QString& part : path.split(QLatin1Char('/'))) {
        const auto at = std::find_if(objects.begin(), objects.end(), [&](const Object& o) {
            return o.parent == parent && o.name.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (at == objects.end())
            return {};
        found = &*at;
        parent = at->id;
    }
    return found ? found->bytes : QByteArray();
}

Result<QStringList> FakeMtpBus::detect() {
    QStringList names;
    for (const Phone& phone : phones)
        names.append(phone.name);
    return names;
}

Result<std::unique_ptr<MtpDevice>> FakeMtpBus::open(int index) {
    if (index < 0 || index >= phones.size())
        return Status{ErrorCode::Device, QStringLiteral("no such phone")};
    return std::unique_ptr<MtpDevice>(std::make_unique<FakeDevice>(phones[index]));
}

QString writeFakeKdeConnect(const QString& folder, const QString& devices) {
    const QString script = folder + QStringLiteral("/kdeconnect-cli");
    QFile file(script);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(
        QStringLiteral("#!/bin/sh\n"
                       "for a in \"$@\"; do printf '%s\\n' \"$a\" >> '%1/kdeconnect-calls'; done\n"
                       "echo >> '%1/kdeconnect-calls'\n"
                       "case \"$1\" in --list-available) printf '%2' ;; esac\n")
            .arg(folder, devices)
            .toUtf8());
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return script;
}
