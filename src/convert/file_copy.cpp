// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/file_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <vector>

namespace {

constexpr qint64 BlockBytes = qint64(1) << 20;

Status cannotWrite(const QString& targetPath, const QString& reason) {
    return {ErrorCode::Create, QStringLiteral("Can't write the file %1: %2")
                                   .arg(QDir::toNativeSeparators(targetPath), reason)};
}

} // namespace

Status copyFileReplacing(const QString& sourcePath, const QString& targetPath) {
    const QString sourceName = QDir::toNativeSeparators(sourcePath);
    if (QFileInfo(sourcePath).isDir())
        return {ErrorCode::NotFile,
                QStringLiteral("Can't read the file %1: it is a folder").arg(sourceName)};
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return {ErrorCode::FileOpen,
                QStringLiteral("Can't read the file %1: %2").arg(sourceName, source.errorString())};

    QSaveFile target(targetPath);
    // Writing in place would leave a partial file on failure.
    target.setDirectWriteFallback(false);
    if (!target.open(QIODevice::WriteOnly))
        return cannotWrite(targetPath, target.errorString());

    std::vector<char> block(BlockBytes);
    for (;;) {
        const qint64 read = source.read(block.data(), BlockBytes);
        if (read < 0)
            return {
                ErrorCode::FileOpen,
                QStringLiteral("Can't read the file %1: %2").arg(sourceName, source.errorString())};
        if (read == 0)
            break;
        if (target.write(block.data(), read) != read)
            return cannotWrite(targetPath, target.errorString());
    }
    if (!target.commit())
        return cannotWrite(targetPath, target.errorString());
    return Status::ok();
}
