// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/folder_list.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>

#include <algorithm>

namespace {

QString normalized(const QString& folder) {
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
}

QString displayName(const QDir& folder) {
    return folder.isRoot() ? QDir::toNativeSeparators(folder.absolutePath()) : folder.dirName();
}

} // namespace

FolderList::FolderList(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(10);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* entry) { openEntry(entry); });
}

bool FolderList::setPath(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    const QString path = normalized(folder);
    if (path == m_path)
        return true;
    m_path = path;
    rebuild();
    emit changed(m_path);
    return true;
}

QTreeWidgetItem* FolderList::entryFor(const QString& folder) const {
    const QString wanted = normalized(folder);
    for (QTreeWidgetItemIterator it(const_cast<FolderList*>(this)); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == wanted)
            return *it;
    return nullptr;
}

void FolderList::openEntry(QTreeWidgetItem* entry) {
    if (entry)
        setPath(entry->data(0, Qt::UserRole).toString());
}

void FolderList::rebuild() {
    clear();
    QStringList chain;
    for (QDir dir(m_path);;) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }

    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* parentEntry = nullptr;
    for (const QString& folder : chain) {
        auto* entry = parentEntry ? new QTreeWidgetItem(parentEntry) : new QTreeWidgetItem(this);
        entry->setText(0, displayName(QDir(folder)));
        entry->setIcon(0, openIcon);
        entry->setData(0, Qt::UserRole, QDir::toNativeSeparators(folder));
        parentEntry = entry;
    }
    QTreeWidgetItem* openFolder = parentEntry;

    QStringList subfolders = QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(subfolders.begin(), subfolders.end(), collator);
    for (const QString& name : std::as_const(subfolders)) {
        auto* entry = new QTreeWidgetItem(openFolder);
        entry->setText(0, name);
        entry->setIcon(0, closedIcon);
        entry->setData(0, Qt::UserRole, QDir::toNativeSeparators(QDir(m_path).filePath(name)));
    }

    expandAll();
    setCurrentItem(openFolder);
    scrollToItem(openFolder);
}
