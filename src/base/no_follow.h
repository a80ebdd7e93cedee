// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QList>

#include <QString>
#include <functional>

class QFile;

// Reading and removing inside the program's own folders (the work folder, a command's scratch
// folder) without ever following what is planted there: an entry that is a symbolic link is
// taken as the link itself, never as what it points to, and nothing is opened in a way that
// could wait on a FIFO or a device. Removals go entry by entry through opened folders, so a
// folder swapped for a link half-way cannot lead them anywhere else.
namespace nofollow {

// Whether `path` itself (a link is not followed) is a regular file.
bool isPlainFile(const QString& path);

// Opens `path` read-only into `file` (which then owns the descriptor) when it is a regular
// file. A link, a FIFO, a device or a folder there is refused with NotFile, without being
// followed, waited on or read; a missing or unreadable file with FileOpen. Either names the
// path.
Status openPlainFile(QFile& file, const QString& path);

// Creates the folder `path` (its parent must exist) private to the user, or finds it. True
// only when a real folder is there: a link of that name, even one to a folder, is refused.
bool makeFolder(const QString& path);

// A folder held open, for working on its entries by name relative to it. Move-only.
class Folder {
public:
    // Opens the folder at `path`. A link at `path` itself is followed: this is where the
    // caller's own path ends (the user may have made the work folder a link), never an entry
    // found inside a folder.
    explicit Folder(const QString& path);
    // Opens the entry `name` of `parent`, only when it is a folder and not a link.
    Folder(const Folder& parent, const QByteArray& name);
    ~Folder();
    Folder(Folder&& other) noexcept;
    Folder& operator=(Folder&& other) noexcept;
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    // The folder belongs to the user this program runs as.
    bool isOwn() const;
    // Only the owner may enter, list or change it (mode 0700), and files and folders created
    // in it from now on are the owner's alone (0600 and 0700, whatever the umask) where the
    // file system keeps access lists. False when the mode cannot be set.
    bool makePrivate() const;

    // The names of the entries, "." and ".." left out, in no particular order.
    QList<QByteArray> entries() const;
    // The entry `name` is a regular file (a link is not followed).
    bool isPlainFile(const QByteArray& name) const;
    // Unlinks the entry `name` when it is a file, a link or anything else but a folder.
    // True when it is gone (or was never there).
    bool removeFile(const QByteArray& name) const;
    // Removes the entry `name` whatever it is: a folder (not a link to one) with everything
    // in it, going down through opened folders, then the folder itself. True when it is gone.
    bool removeTree(const QByteArray& name) const;
    // Removes every entry (removeTree); the folder itself stays. True when all are gone.
    bool removeAll() const;
    // Writes the file `name` whole: `write` fills a new file beside it (the owner's alone,
    // created where nothing was), which is then renamed over `name`. A link at `name` is
    // replaced, never followed; a folder there stays and the write fails. Nothing is left of
    // a failed write. `shownPath` names the file in messages.
    Status replaceFile(const QByteArray& name, const QString& shownPath,
                       const std::function<Status(QFile&)>& write) const;

private:
    int m_fd = -1;
    int m_depth = 0;
};

} // namespace nofollow
