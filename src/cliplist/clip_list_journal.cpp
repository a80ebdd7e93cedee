// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_list_journal.h"

#include "base/write_fully.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

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
    for (int row = 0; row < m_model.rowCount(); ++row)
        names << m_model.index(row, 0).data(Qt::DisplayRole).toString();
    m_lastWrite = write(m_folder, names);
}

Status ClipListJournal::write(const WorkFolder& folder, const QStringList& names) {
    const QByteArray bytes =
        QJsonDocument(QJsonObject{{QStringLiteral("clips"), QJsonArray::fromStringList(names)}})
            .toJson(QJsonDocument::Compact);
    QSaveFile file(folder.journalFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(folder.journalFile(), file);
    if (Status written = writeFully(file, bytes.constData(), bytes.size()); !written)
        return written;
    if (!file.commit())
        return writeFailure(folder.journalFile(), file);
    return Status::ok();
}

QStringList ClipListJournal::restorable(const WorkFolder& folder) {
    QFile file(folder.journalFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonValue clips = QJsonDocument::fromJson(file.readAll()).object().value(u"clips");
    QStringList names;
    for (const QJsonValue& name : clips.toArray()) {
        if (name.isString() && QFileInfo(folder.clipFile(name.toString())).isFile())
            names << name.toString();
    }
    return names;
}
