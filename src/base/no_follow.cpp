// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/no_follow.h"

#include "base/write_fully.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace nofollow {

namespace {

// Deeper than any folder the program makes; a planted chain of folders ends the removal
// here rather than the stack.
constexpr int MaxDepth = 64;

QString reason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A default access list of owner, group and others (the minimal one), with the group and the
// others given nothing: new entries then get the mode they ask for, less everything but the
// owner's part, whatever the umask. The kernel's layout: a version, then tag, permissions and
// id of each entry, little-endian.
QByteArray ownerOnlyAccessList() {
    QByteArray bytes;
    const auto put32 = [&](quint32 v) {
        v = qToLittleEndian(v);
        bytes.append(reinterpret_cast<const char*>(&v), 4);
    };
    const auto put16 = [&](quint16 v) {
        v = qToLittleEndian(v);
        bytes.append(reinterpret_cast<const char*>(&v), 2);
    };
    put32(2);
    for (const auto& [tag, permissions] :
         {std::pair{0x01, 07}, std::pair{0x04, 0}, std::pair{0x20, 0}}) {
        put16(quint16(tag));
        put16(quint16(permissions));
        put32(quint32(-1));
    }
    return bytes;
}

} // namespace

bool isPlainFile(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

Status openPlainFile(QFile& file, const QString& path) {
    // Without O_NONBLOCK a FIFO would wait here for a writer that never comes.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ELOOP)
            return {ErrorCode::NotFile, QCoreApplication::translate(
                                            "Files", "%1: a link, not a file; it is not followed.")
                                            .arg(path)};
        return {ErrorCode::FileOpen, QStringLiteral("%1: %2.").arg(path, reason())};
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {ErrorCode::NotFile,
                QCoreApplication::translate("Files",
                                            "%1: not a plain file (a folder, a pipe or a device).")
                    .arg(path)};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {ErrorCode::FileOpen, QStringLiteral("%1: %2.").arg(path, file.errorString())};
    }
    return Status::ok();
}

bool makeFolder(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st {};
    return ::lstat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

Folder::Folder(const QString& path)
    : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}

Folder::Folder(const Folder& parent, const QByteArray& name)
    : m_fd(parent.isOpen() ? ::openat(parent.m_fd, name.constData(),
                                      O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)
                           : -1),
      m_depth(parent.m_depth + 1) {}

Folder::~Folder() {
    if (m_fd >= 0)
        ::close(m_fd);
}

Folder::Folder(Folder&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_depth(other.m_depth) {}

Folder& Folder::operator=(Folder&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_depth = other.m_depth;
    }
    return *this;
}

bool Folder::isOwn() const {
    struct stat st {};
    return isOpen() && ::fstat(m_fd, &st) == 0 && st.st_uid == ::geteuid();
}

bool Folder::makePrivate() const {
    if (!isOpen() || ::fchmod(m_fd, 0700) != 0)
        return false;
    // A file system without access lists still has the folder's mode keeping others out.
    const QByteArray list = ownerOnlyAccessList();
    ::fsetxattr(m_fd, "system.posix_acl_default", list.constData(), std::size_t(list.size()), 0);
    return true;
}

QList<QByteArray> Folder::entries() const {
    QList<QByteArray> names;
    // fdopendir takes the descriptor over; it gets a copy, so the folder stays open.
    const int copy = isOpen() ? ::dup(m_fd) : -1;
    DIR* dir = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!dir) {
        if (copy >= 0)
            ::close(copy);
        return names;
    }
    ::rewinddir(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    ::closedir(dir);
    return names;
}

bool Folder::isPlainFile(const QByteArray& name) const {
    struct stat st {};
    return isOpen() && ::fstatat(m_fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(st.st_mode);
}

bool Folder::removeFile(const QByteArray& name) const {
    return isOpen() && (::unlinkat(m_fd, name.constData(), 0) == 0 || errno == ENOENT);
}

Status Folder::replaceFile(const QByteArray& name, const QString& shownPath,
                           const std::function<Status(QFile&)>& write) const {
    const auto failed = [&] {
        return Status{ErrorCode::Create,
                      QCoreApplication::translate("Files", "%1: cannot be written (%2).")
                          .arg(shownPath, reason())};
    };
    if (!isOpen())
        return failed();
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
        temporary = name + ".new-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::openat(m_fd, temporary.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return failed();
    }
    if (fd < 0)
        return failed();
    QFile file;
    Status written =
        file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle) ? write(file) : failed();
    if (written && !file.flush())
        written = writeFailure(shownPath, file);
    file.close();
    if (written && ::renameat(m_fd, temporary.constData(), m_fd, name.constData()) != 0)
        written = failed();
    if (!written)
        ::unlinkat(m_fd, temporary.constData(), 0);
    return written;
}

bool Folder::removeTree(const QByteArray& name) const {
    if (!isOpen())
        return false;
    if (::unlinkat(m_fd, name.constData(), 0) == 0 || errno == ENOENT)
        return true;
    if (errno != EISDIR && errno != EPERM)
        return false;
    if (m_depth >= MaxDepth)
        return false;
    const Folder inner(*this, name);
    if (!inner.isOpen())
        return false;
    inner.removeAll();
    return ::unlinkat(m_fd, name.constData(), AT_REMOVEDIR) == 0 || errno == ENOENT;
}

bool Folder::removeAll() const {
    bool all = isOpen();
    for (const QByteArray& name : entries())
        all = removeTree(name) && all;
    return all;
}

} // namespace nofollow
