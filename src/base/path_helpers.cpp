// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/path_helpers.h"

#include <QDir>
#include <QFileInfo>

namespace paths {

namespace {

bool isOrdinaryFile(const QFileInfo& info) {
    // isFile() is true for regular files (and links to them) only: folders, sockets, pipes
    // and devices are left out. Hidden files are the platform's hidden ones (dot files here).
    return info.isFile() && !info.isHidden();
}

} // namespace

bool FileExists(const QString& path) {
    if (path.isEmpty() || path.endsWith(Separator))
        return false;
    const QString name = GetFileName(path);
    const QString folder = path.left(path.size() - name.size());
    const bool pattern = name.contains(u'*') || name.contains(u'?');
    if (!pattern)
        return isOrdinaryFile(QFileInfo(path));

    QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (!dir.exists())
        return false;
    const QFileInfoList matches =
        dir.entryInfoList({name}, QDir::Files | QDir::NoDotAndDotDot | QDir::System);
    for (const QFileInfo& info : matches) {
        if (isOrdinaryFile(info))
            return true;
    }
    return false;
}

QString RPP(const QString& path) {
    return path.endsWith(Separator) ? path : path + Separator;
}

QString GetFileName(const QString& path) {
    const qsizetype at = path.lastIndexOf(Separator);
    return at < 0 ? path : path.mid(at + 1);
}

} // namespace paths
