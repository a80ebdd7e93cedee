// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/work_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

WorkFolder::WorkFolder(QString path) : m_path(std::move(path)) {}

QString WorkFolder::defaultPath() {
    // The generic per-user data folder, not the application-specific one: the folder's
    // name is the program's own, whatever organisation name Qt would put in between.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/korvanel");
}

QString WorkFolder::file(const QString& name) const {
    return m_path + u'/' + name;
}

QString WorkFolder::clipFile(const QString& clipName) const {
    return file(clipName + QStringLiteral(".wav"));
}

QStringList WorkFolder::ownFileNames() {
    return {QStringLiteral("tempwav.wav"), QStringLiteral("concat.wav"),
            QStringLiteral("crop-source.tmp"), QStringLiteral("crop-result.tmp")};
}

bool WorkFolder::prepare() const {
    const QFileInfo info(m_path);
    if (!info.exists())
        return QDir().mkpath(m_path);
    if (!info.isDir())
        return false;
    for (const QString& name : ownFileNames())
        QFile::remove(file(name));
    return true;
}

void WorkFolder::empty() const {
    QDir dir(m_path);
    const QFileInfoList files =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : files) {
        if (info.fileName() != QFileInfo(lockFile()).fileName())
            QFile::remove(info.absoluteFilePath());
    }
    QDir(peaksFolder()).removeRecursively();
    QDir(historyFolder()).removeRecursively();
    QDir(analysisFolder()).removeRecursively();
}
