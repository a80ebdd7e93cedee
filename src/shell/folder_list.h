// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeWidget>

// A folder list: the chain of folders from the root down to the open folder, each one step
// further in, then the open folder's subfolders (hidden ones left out) one step further
// still. A double click on an entry opens that folder; a single click only highlights it.
// Each entry keeps its folder's path in Qt::UserRole. Paths use the platform's separators.
// GUI thread only.
class FolderList : public QTreeWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    // The open folder; empty until the first successful setPath().
    QString path() const { return m_path; }
    // Opens `folder` and emits changed() when it differs from the open one. A path that is
    // not an existing folder changes nothing and returns false.
    bool setPath(const QString& folder);
    // The entry of the folder `folder`, or nullptr.
    QTreeWidgetItem* entryFor(const QString& folder) const;
    // What a double click on `entry` does: opens its folder.
    void openEntry(QTreeWidgetItem* entry);

signals:
    void changed(const QString& path);

private:
    void rebuild();

    QString m_path;
};
