// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/state_file.h"

#include "base/no_follow.h"
#include "base/write_fully.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>

namespace statefile {

namespace {

// The bytes of `path` when it is a plain file within the cap; nothing otherwise.
QByteArray plainBytes(const QString& path) {
    QFile file;
    if (!nofollow::openPlainFile(file, path))
        return {};
    const QByteArray bytes = file.read(MaxBytes + 1);
    return bytes.size() > MaxBytes ? QByteArray() : bytes;
}

// A private temporary copy of `bytes` for QSettings to parse or write; its name is empty when
// it cannot be made.
std::unique_ptr<QTemporaryFile> copyOf(const QByteArray& bytes) {
    auto copy =
        std::make_unique<QTemporaryFile>(QDir::temp().filePath("tunecarver-state-XXXXXX.ini"));
    if (!copy->open() || !writeFully(*copy, bytes.constData(), bytes.size()) || !copy->flush())
        return {};
    copy->close();
    return copy;
}

QVariantMap valuesOf(const QByteArray& bytes) {
    QVariantMap values;
    const auto copy = copyOf(bytes);
    if (!copy)
        return values;
    const QSettings settings(copy->fileName(), QSettings::IniFormat);
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

} // namespace

QVariantMap read(const QString& path) {
    return valuesOf(plainBytes(path));
}

Status update(const QString& path, const QVariantMap& changes) {
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo existing(path);
    if ((existing.exists() || existing.isSymLink()) && !nofollow::isPlainFile(path))
        return {
            ErrorCode::NotFile,
            QCoreApplication::translate("Files", "%1: not a plain file; left alone.").arg(shown)};
    if (!QDir().mkpath(existing.absolutePath()))
        return {ErrorCode::Create,
                QCoreApplication::translate("Files",
                                            "%1 could not be written: its folder cannot be made.")
                    .arg(shown)};
    const auto copy = copyOf(plainBytes(path));
    if (!copy)
        return {ErrorCode::Create,
                QCoreApplication::translate("Files", "%1 could not be written.").arg(shown)};
    {
        QSettings settings(copy->fileName(), QSettings::IniFormat);
        for (auto it = changes.begin(); it != changes.end(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return {ErrorCode::Create,
                    QCoreApplication::translate("Files", "%1 could not be written.").arg(shown)};
    }
    QFile written(copy->fileName());
    if (!written.open(QIODevice::ReadOnly))
        return {ErrorCode::Create,
                QCoreApplication::translate("Files", "%1 could not be written.").arg(shown)};
    const QByteArray bytes = written.readAll();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return writeFailure(shown, file);
    if (Status done = writeFully(file, bytes.constData(), bytes.size()); !done)
        return done;
    if (!file.commit())
        return writeFailure(shown, file);
    return Status::ok();
}

} // namespace statefile
