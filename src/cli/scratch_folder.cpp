// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/scratch_folder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/file.h>
#include <sys/stat.h>

namespace cli {

namespace {

void removeAbandoned(const nofollow::Folder& parent, const QByteArray& prefix) {
    for (const QByteArray& name : parent.entries()) {
        if (!name.startsWith(prefix))
            continue;
        const nofollow::Folder left(parent, name);
        if (!left.isOpen() || !left.isOwn() || ::flock(left.fd(), LOCK_EX | LOCK_NB) != 0)
            continue;
        left.removeAll();
        parent.removeTree(name);
    }
}

} // namespace

ScratchFolder::ScratchFolder(const QString& parent, const QString& prefix) {
    const nofollow::Folder place(parent);
    removeAbandoned(place, QFile::encodeName(prefix));
    // Another command's sweep may take a new folder in the moment before it is locked; the
    // folder is then gone (no links left) and a fresh one is made.
    for (int attempt = 0; attempt < 8; ++attempt) {
        QByteArray made = QFile::encodeName(parent + u'/' + prefix + QStringLiteral("XXXXXX"));
        if (!::mkdtemp(made.data())) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        nofollow::Folder folder(place, made.mid(made.lastIndexOf('/') + 1));
        struct stat st {};
        if (folder.isOpen() && ::flock(folder.fd(), LOCK_EX | LOCK_NB) == 0 &&
            ::fstat(folder.fd(), &st) == 0 && st.st_nlink > 0) {
            m_path = QFile::decodeName(made);
            m_folder = std::move(folder);
            return;
        }
        m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
}

ScratchFolder::~ScratchFolder() {
    if (!m_folder.isOpen())
        return;
    m_folder.removeAll();
    QDir().rmdir(m_path);
}

QString ScratchFolder::filePath(const QString& name) const {
    return m_path.isEmpty() ? QString() : m_path + u'/' + name;
}

} // namespace cli
