// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/work_folder.h"
#include "base/no_follow.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
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

const QStringList& WorkFolder::keptSuffixes() {
    static const QStringList suffixes{QStringLiteral("mp3"), QStringLiteral("flac")};
    return suffixes;
}

bool WorkFolder::isKeptFile(const QString& clipPath) {
    return keptSuffixes().contains(QFileInfo(clipPath).suffix());
}

QStringList WorkFolder::clipFileNames(const QString& clipName) {
    QStringList names{clipName + QStringLiteral(".wav")};
    for (const QString& suffix : keptSuffixes())
        names << clipName + u'.' + suffix;
    return names;
}

QString WorkFolder::clipFileFound(const QString& clipName) const {
    const nofollow::Folder folder(m_path);
    for (const QString& name : clipFileNames(clipName))
        if (folder.isPlainFile(QFile::encodeName(name)))
            return file(name);
    return clipFile(clipName);
}

QStringList WorkFolder::ownFileNames() {
    // concat.wav: the joined list that earlier versions wrote here, never a clip.
    return {QStringLiteral("tempwav.wav"), QStringLiteral("concat.wav"),
            QStringLiteral("crop-source.tmp"), QStringLiteral("crop-result.tmp")};
}

bool WorkFolder::isPlainName(const QString& clipName) {
    return !clipName.contains(u'/') && !clipName.contains(QChar(0)) &&
           clipName != QLatin1String(".") && clipName != QLatin1String("..");
}

void WorkFolder::clearForClip(const QString& clipName) const {
    if (!isPlainName(clipName))
        return;
    const nofollow::Folder folder(m_path);
    for (const QString& fileName : clipFileNames(clipName))
        if (const QByteArray name = QFile::encodeName(fileName); !folder.isPlainFile(name))
            folder.removeFile(name);
}

QStringList WorkFolder::clipFilesFound() const {
    const nofollow::Folder folder(m_path);
    const QStringList own = ownFileNames();
    QStringList names;
    for (const QByteArray& entry : folder.entries()) {
        const QString name = QFile::decodeName(entry);
        // A name the file system holds in another encoding cannot be written back as a clip
        // file's name, so it is not a clip the list could hold.
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString suffix = dot < 0 ? QString() : name.mid(dot + 1);
        if ((suffix != QLatin1String("wav") && !keptSuffixes().contains(suffix)) ||
            own.contains(name) || QFile::encodeName(name) != entry || !folder.isPlainFile(entry))
            continue;
        if (const QString clip = name.left(dot); isPlainName(clip))
            names << clip;
    }
    std::sort(names.begin(), names.end());
    // A clip whose sound was changed just before a crash can have two files.
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

bool WorkFolder::create() const {
    const QFileInfo info(m_path);
    if (!info.exists()) {
        const QString parent = info.absolutePath();
        if (!QDir().mkpath(parent) || !nofollow::makeFolder(m_path))
            return false;
    } else if (!info.isDir()) {
        return false;
    }
    const nofollow::Folder folder(m_path);
    folder.makePrivate();
    for (const char* inner : {"peaks", "history", "analysis"})
        nofollow::Folder(folder, inner).makePrivate();
    return true;
}

bool WorkFolder::prepare() const {
    if (!create())
        return false;
    const nofollow::Folder folder(m_path);
    for (const QString& name : ownFileNames())
        folder.removeFile(QFile::encodeName(name));
    return true;
}

void WorkFolder::empty() const {
    const nofollow::Folder folder(m_path);
    const QByteArray lock = QFile::encodeName(QFileInfo(lockFile()).fileName());
    const QByteArray address = QFile::encodeName(QFileInfo(addressFile()).fileName());
    for (const QByteArray& name : folder.entries()) {
        if (name == "peaks" || name == "history" || name == "analysis")
            folder.removeTree(name);
        else if (name != lock && name != address)
            folder.removeFile(name);
    }
}
