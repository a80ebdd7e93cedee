// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_list.h"
#include "cliplist/edit_time.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>

ClipList::ClipList(WorkFolder workFolder, QObject* parent)
    : QAbstractListModel(parent), m_workFolder(std::move(workFolder)) {}

ClipList::Clip ClipList::describe(const QString& name) const {
    return describeFile(name, m_workFolder.clipFileFound(name));
}

ClipList::Clip ClipList::describeFile(const QString& name, const QString& file) {
    Clip clip{name, {}, 0, file, {}};
    if (const Result<ClipStamp> stamp = clipStampOf(file)) {
        clip.format = stamp->format;
        clip.frames = stamp->frames;
        clip.stamp = *stamp;
    }
    return clip;
}

Status ClipList::unchanged(int row) const {
    const Clip& clip = at(row);
    const Result<ClipStamp> now = clipStampOf(clip.file);
    if (now && *now == clip.stamp)
        return Status::ok();
    return {ErrorCode::FileForm,
            QCoreApplication::translate(
                "Clips", "The clip %1 cannot be read: its file (%2) is missing, unreadable or not "
                         "what it was when the clip went into the list. Remove the clip and add "
                         "its song again.")
                .arg(clip.name, clip.file)};
}

Status ClipList::allUnchanged() const {
    for (int row = 0; row < count(); ++row)
        if (Status same = unchanged(row); !same)
            return same;
    return Status::ok();
}

QString ClipList::summary(const Clip& clip) {
    const WavFormat& f = clip.format;
    if (f.sampleRateHz <= 0 || f.channels <= 0)
        return QCoreApplication::translate("Clips", "no sound");
    const QString channels =
        f.channels == 1   ? QCoreApplication::translate("Clips", "mono")
        : f.channels == 2 ? QCoreApplication::translate("Clips", "stereo")
                          : QCoreApplication::translate("Clips", "%1 channels").arg(f.channels);
    return QCoreApplication::translate("Clips", "%1 \u00b7 %2 Hz \u00b7 %3 \u00b7 %4-bit")
        .arg(edittime::minutesText(clip.frames / f.sampleRateHz))
        .arg(f.sampleRateHz)
        .arg(channels)
        .arg(f.bitsPerSample);
}

ClipRange ClipList::Clip::range() const {
    const bool whole = firstFrame == 0 && frames == stamp.frames && fadeFrames == 0;
    return ClipRange(file, firstFrame, whole ? -1 : frames, fadeFrames);
}

bool ClipList::setRange(int row, const ClipRange& range) {
    if (row < 0 || row >= count())
        return false;
    Clip& clip = m_clips[std::size_t(row)];
    const std::int64_t frames = range.length(clip.stamp.frames);
    if (range.file != clip.file || range.firstFrame < 0 || range.fadeFrames < 0 || frames <= 0 ||
        (range.frames >= 0 && range.frames != frames))
        return false;
    clip.firstFrame = range.firstFrame;
    clip.frames = frames;
    clip.fadeFrames = range.fadeFrames;
    emit dataChanged(index(row), index(row));
    return true;
}

QString ClipList::clipFile(int row) const {
    return at(row).file;
}

int ClipList::rowOfFile(const QString& clipFile) const {
    for (int row = 0; row < count(); ++row)
        if (this->clipFile(row) == clipFile)
            return row;
    return -1;
}

QStringList ClipList::names() const {
    QStringList names;
    names.reserve(count());
    for (const Clip& clip : m_clips)
        names << clip.name;
    return names;
}

void ClipList::append(const QString& name) {
    insert(count(), name);
}

void ClipList::insert(int row, const QString& name) {
    row = std::clamp(row, 0, count());
    beginInsertRows(QModelIndex(), row, row);
    m_clips.insert(m_clips.begin() + row, describe(name));
    endInsertRows();
}

void ClipList::insert(int row, Clip clip) {
    row = std::clamp(row, 0, count());
    beginInsertRows(QModelIndex(), row, row);
    m_clips.insert(m_clips.begin() + row, std::move(clip));
    endInsertRows();
}

void ClipList::remove(int row) {
    if (row < 0 || row >= count())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_clips.erase(m_clips.begin() + row);
    endRemoveRows();
}

bool ClipList::move(int from, int to) {
    if (from < 0 || from >= count() || to < 0 || to >= count())
        return false;
    if (from == to)
        return true;
    // Qt counts the destination as the row before which the clip goes, in the list as it
    // is before the move.
    if (!beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to))
        return false;
    Clip clip = std::move(m_clips[std::size_t(from)]);
    m_clips.erase(m_clips.begin() + from);
    m_clips.insert(m_clips.begin() + to, std::move(clip));
    endMoveRows();
    return true;
}

void ClipList::refresh(int row) {
    if (row < 0 || row >= count())
        return;
    m_clips[std::size_t(row)] = describe(m_clips[std::size_t(row)].name);
    emit dataChanged(index(row), index(row));
}

int ClipList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant ClipList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const Clip& clip = at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return clip.name;
    case FileRole:
        return clipFile(index.row());
    case Qt::ToolTipRole:
        return summary(clip);
    case FramesRole:
        return qint64(clip.frames);
    case RangeRole: {
        const ClipRange range = clip.range();
        if (range.whole())
            return {};
        return QVariantList{qint64(range.firstFrame), qint64(range.frames),
                            qint64(range.fadeFrames)};
    }
    default:
        return {};
    }
}

Qt::ItemFlags ClipList::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    if (index.isValid())
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}
