// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_list_journal.h"

#include "base/no_follow.h"
#include "base/write_fully.h"
#include "cliplist/clip_list.h"
#include "cliplist/journal_names.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

ClipListJournal::ClipListJournal(const QAbstractItemModel& model, const WorkFolder& folder,
                                 QObject* parent)
    : QObject(parent), m_model(model), m_folder(folder) {
    const auto changed = [this] { save(); };
    connect(&model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(&model, &QAbstractItemModel::rowsMoved, this, changed);
    connect(&model, &QAbstractItemModel::dataChanged, this, changed);
    connect(&model, &QAbstractItemModel::modelReset, this, changed);
    connect(&model, &QAbstractItemModel::layoutChanged, this, changed);
    save();
}

void ClipListJournal::save() {
    QStringList names;
    journal::Stretches stretches;
    for (int row = 0; row < m_model.rowCount(); ++row) {
        const QModelIndex index = m_model.index(row, 0);
        names << index.data(Qt::DisplayRole).toString();
        if (const QVariantList range = index.data(ClipList::RangeRole).toList(); range.size() == 3)
            stretches.insert(names.last(), ClipRange(QString(), range[0].toLongLong(),
                                                     range[1].toLongLong(), range[2].toLongLong()));
    }
    m_lastWrite = write(m_folder, names, stretches);
}

Status ClipListJournal::write(const WorkFolder& folder, const QStringList& names,
                              const journal::Stretches& stretches) {
    const QByteArray bytes = journal::bytes(names, stretches);
    QSaveFile file(folder.journalFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(folder.journalFile(), file);
    if (Status written = writeFully(file, bytes.constData(), bytes.size()); !written)
        return written;
    if (!file.commit())
        return writeFailure(folder.journalFile(), file);
    return Status::ok();
}

ClipListJournal::LastRun ClipListJournal::restorable(const WorkFolder& folder) {
    LastRun last;
    if (!QFileInfo::exists(folder.journalFile()) && !QFileInfo(folder.journalFile()).isSymLink())
        return last;
    QFile file;
    journal::Names read;
    if (nofollow::openPlainFile(file, folder.journalFile()))
        read = journal::read(file.readAll());
    else
        read.whole = false;
    last.damaged = !read.whole;
    QSet<QString> placed;
    for (const QString& name : read.names) {
        if (WorkFolder::isPlainName(name) && !placed.contains(name) &&
            nofollow::isPlainFile(folder.clipFileFound(name))) {
            last.names << name;
            placed.insert(name);
            if (const auto stretch = read.stretches.constFind(name);
                stretch != read.stretches.constEnd())
                last.stretches.insert(name, *stretch);
        }
    }
    for (const QString& name : folder.clipFilesFound())
        if (!placed.contains(name))
            last.names << name;
    return last;
}
