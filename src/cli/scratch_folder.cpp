// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/scratch_folder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

int openFolder(const QString& path) {
    return ::open(QFile::encodeName(path).constData(),
                  O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

void removeAbandoned(const QString& parent, const QString& prefix) {
    const QFileInfoList leftovers = QDir(parent).entryInfoList(
        {prefix + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& folder : leftovers) {
        const int fd = openFolder(folder.absoluteFilePath());
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            QDir(folder.absoluteFilePath()).removeRecursively();
        ::close(fd);
    }
}

} // namespace

ScratchFolder::ScratchFolder(const QString& parent, const QString& prefix) {
    removeAbandoned(parent, prefix);
    // Another command's sweep may take a new folder in the moment before it is locked; the
    // folder is then gone (no links left) and a fresh one is made.
    for (int attempt = 0; attempt < 8 && m_lock < 0; ++attempt) {
        m_dir = std::make_unique<QTemporaryDir>(parent + u'/' + prefix + QStringLiteral("XXXXXX"));
        if (!m_dir->isValid()) {
            m_error = m_dir->errorString();
            return;
        }
        const int fd = openFolder(m_dir->path());
        struct stat st {};
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &st) == 0 &&
            st.st_nlink > 0) {
            m_lock = fd;
            return;
        }
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
    }
}

ScratchFolder::~ScratchFolder() {
    m_dir.reset();
    if (m_lock >= 0)
        ::close(m_lock);
}

QString ScratchFolder::filePath(const QString& name) const {
    return m_dir ? m_dir->filePath(name) : QString();
}

} // namespace cli
