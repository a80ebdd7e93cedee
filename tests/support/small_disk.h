// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

// A tmpfs of a few kilobytes mounted on a temporary folder, so that a writer runs into a
// full disk for real. Mounting needs root and a system that allows it; where it is refused
// isValid() is false and the test skips. Unmounted again on destruction.
class SmallDisk {
public:
    explicit SmallDisk(int kilobytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isValid() const { return m_mounted; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
