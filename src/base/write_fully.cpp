// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/write_fully.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QFileInfo>

#include <cerrno>

Status writeFully(QFileDevice& file, const void* data, qint64 size) {
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        const qint64 written = file.write(next, size);
        if (written <= 0)
            return writeFailure(file);
        next += written;
        size -= written;
    }
    return Status::ok();
}

Status writeFailure(const QString& path, const QFileDevice& file) {
    const int error = errno;
    // Qt marks a write that met ENOSPC as a resource error; EDQUOT (a user's quota) is the
    // same thing to the user.
    const bool full = error == ENOSPC || error == EDQUOT ||
                      (file.isOpen() && file.error() == QFileDevice::ResourceError);
    const QString why =
        full ? QCoreApplication::translate("Files", "the disk is full") : file.errorString();
    return {ErrorCode::Create,
            QCoreApplication::translate("Files", "%1: cannot be written (%2).").arg(path, why)};
}

Status writeFailure(const QFileDevice& file) {
    return writeFailure(file.fileName(), file);
}

QString linkTarget(const QString& path) {
    QFileInfo info(path);
    // As deep as the kernel follows links; a loop ends here and fails at the write.
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}
