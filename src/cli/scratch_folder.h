// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/no_follow.h"

#include <QString>

namespace cli {

// A command's private folder for its temporary files (0700, a name no one else can take),
// removed with everything in it when the command ends. A killed command cannot remove its
// folder, so making one first removes the folders of the same prefix in the same place that
// no running command holds any more: a folder is held by a lock (flock) on it for as long as
// its command runs, and the kernel lets go of that lock however the process ends.
//
// Such a place may be shared (the temporary folder), so a folder is removed only when it is
// this user's and not a link, and always through the folder opened for the check: swapping it
// for a link to somewhere else afterwards cannot lead the removal there.
class ScratchFolder {
public:
    // A new folder `prefix` + six random characters inside `parent`.
    ScratchFolder(const QString& parent, const QString& prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool isValid() const { return m_folder.isOpen(); }
    QString errorString() const { return m_error; }
    QString path() const { return m_path; }
    QString filePath(const QString& name) const;

private:
    QString m_path;
    nofollow::Folder m_folder{QString()};
    QString m_error;
};

} // namespace cli
