// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace cli {

// A command's private folder for its temporary files, removed with everything in it when the
// command ends. A killed command cannot remove its folder, so making one first removes the
// folders of the same prefix in the same place that no running command holds any more: a
// folder is held by a lock (flock) on it for as long as its command runs, and the kernel
// lets go of that lock however the process ends.
class ScratchFolder {
public:
    // A new folder `prefix` + six random characters inside `parent`.
    ScratchFolder(const QString& parent, const QString& prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool isValid() const { return m_lock >= 0; }
    QString errorString() const { return m_error; }
    QString path() const { return m_dir ? m_dir->path() : QString(); }
    QString filePath(const QString& name) const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    int m_lock = -1;
    QString m_error;
};

} // namespace cli
