// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/edit_history.h"

#include "base/no_follow.h"
#include "cliplist/clip_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUndoCommand>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// A step whose change is already made when it is pushed: the stack's first redo() does
// nothing.
class Step : public QUndoCommand {
public:
    Step(EditHistory& history, ClipList& clips, const QString& text)
        : QUndoCommand(text), m_history(history), m_clips(clips) {}
    void redo() final {
        if (m_made)
            redoStep();
        m_made = true;
    }
    void undo() final { undoStep(); }

protected:
    virtual void redoStep() = 0;
    virtual void undoStep() = 0;
    EditHistory& m_history;
    ClipList& m_clips;

private:
    bool m_made = false;
};

// The clip's entry comes and goes with its file; the file waits in keeping meanwhile.
class PresenceStep : public Step {
public:
    PresenceStep(EditHistory& history, ClipList& clips, const QString& text, int row,
                 bool addedNotRemoved, QString kept)
        : Step(history, clips, text), m_row(row), m_name(clips.at(row).name),
          m_file(clips.clipFile(row)), m_range(clips.range(row)), m_added(addedNotRemoved),
          m_kept(std::move(kept)) {}

protected:
    void redoStep() override { m_added ? bringBack() : takeAway(); }
    void undoStep() override { m_added ? takeAway() : bringBack(); }

private:
    void takeAway() {
        if (m_kept.isEmpty())
            m_kept = m_history.keep(m_file);
        QFile::remove(m_file);
        m_clips.remove(m_row);
    }
    void bringBack() {
        m_history.restore(m_kept, m_file);
        m_clips.insert(m_row, m_name);
        m_clips.setRange(m_row, m_range);
    }

    int m_row;
    QString m_name;
    QString m_file;
    ClipRange m_range;
    bool m_added;
    QString m_kept;
};

class MoveStep : public Step {
public:
    MoveStep(EditHistory& history, ClipList& clips, int from, int to)
        : Step(history, clips,
               QCoreApplication::translate("Clips", "Move of %1").arg(clips.at(to).name)),
          m_from(from), m_to(to) {}

protected:
    void redoStep() override { m_clips.move(m_from, m_to); }
    void undoStep() override { m_clips.move(m_to, m_from); }

private:
    int m_from;
    int m_to;
};

class RangeStep : public Step {
public:
    RangeStep(EditHistory& history, ClipList& clips, const QString& text, int row, ClipRange before)
        : Step(history, clips, text), m_row(row), m_before(std::move(before)),
          m_after(clips.range(row)) {}

protected:
    void redoStep() override { m_clips.setRange(m_row, m_after); }
    void undoStep() override { m_clips.setRange(m_row, m_before); }

private:
    int m_row;
    ClipRange m_before;
    ClipRange m_after;
};

class ReplaceStep : public Step {
public:
    using Version = EditHistory::Version;
    ReplaceStep(EditHistory& history, ClipList& clips, const QString& text, int row, Version before,
                Version after)
        : Step(history, clips, text), m_row(row), m_before(std::move(before)),
          m_after(std::move(after)) {}

protected:
    void redoStep() override { put(m_after, m_before); }
    void undoStep() override { put(m_before, m_after); }

private:
    // Each version goes back under its own file name: a kept MP3 whose change made it a WAV
    // is an MP3 again after the undo, and only one of the two files stays.
    void put(const Version& version, const Version& other) {
        const QString target = m_history.keptFrom(version.kept);
        m_history.restore(version.kept, target);
        if (const QString otherFile = m_history.keptFrom(other.kept); otherFile != target)
            QFile::remove(otherFile);
        m_clips.refresh(m_row);
        m_clips.setRange(m_row, version.range);
    }

    int m_row;
    Version m_before;
    Version m_after;
};

} // namespace

EditHistory::EditHistory(ClipList& clips, WorkFolder folder, QObject* parent)
    : QObject(parent), m_clips(clips), m_folder(std::move(folder)), m_stack(this) {}

EditHistory::~EditHistory() = default;

void EditHistory::added(int row) {
    m_stack.push(new PresenceStep(
        *this, m_clips, QCoreApplication::translate("Clips", "Add of %1").arg(m_clips.at(row).name),
        row, true, QString()));
}

Status EditHistory::remove(int row) {
    const QString file = m_clips.clipFile(row);
    const QString kept = QFileInfo::exists(file) ? keep(file) : QString();
    if (!QFile::remove(file) && QFileInfo::exists(file)) {
        QFile::remove(kept);
        return {ErrorCode::Create,
                QCoreApplication::translate("Clips", "%1 cannot be deleted.").arg(file)};
    }
    // The entry goes with the step's first redo, which is the removal itself.
    auto* step = new PresenceStep(
        *this, m_clips,
        QCoreApplication::translate("Clips", "Remove of %1").arg(m_clips.at(row).name), row, false,
        kept);
    m_clips.remove(row);
    m_stack.push(step);
    return Status::ok();
}

void EditHistory::moved(int from, int to) {
    m_stack.push(new MoveStep(*this, m_clips, from, to));
}

void EditHistory::cropped(int row, const QString& what, const ClipRange& before) {
    m_stack.push(new RangeStep(*this, m_clips, what, row, before));
}

Status EditHistory::replace(int row, const QString& what, const std::function<Status()>& write) {
    const QString file = m_clips.clipFile(row);
    if (!nofollow::isPlainFile(file))
        return {ErrorCode::NotFile,
                QStringLiteral("%1 is not a plain file (a link, a pipe or a folder): it is left "
                               "as it is.")
                    .arg(file)};
    const Version before = beforeReplace(row);
    if (before.isEmpty())
        return {ErrorCode::Create, QCoreApplication::translate(
                                       "Clips", "%1: the sound as it is cannot be kept for undo.")
                                       .arg(file)};
    const Status written = write();
    afterReplace(row, what, before, written.isOk());
    return written;
}

EditHistory::Version EditHistory::beforeReplace(int row) {
    return {keep(m_clips.clipFile(row)), m_clips.range(row)};
}

void EditHistory::afterReplace(int row, const QString& what, const Version& before, bool written) {
    const QString was = m_clips.clipFile(row);
    if (!written)
        return (void)QFile::remove(before.kept); // the clip and its stretch are as they were
    m_clips.refresh(row);
    // A kept MP3 that became a WAV goes once the list has the WAV, never before: the list
    // never names a clip file that is gone.
    if (m_clips.clipFile(row) != was)
        QFile::remove(was);
    const Version after{keep(m_clips.clipFile(row)), m_clips.range(row)};
    if (after.isEmpty()) {
        // No way to redo it: no step (the change that was made stays).
        QFile::remove(before.kept);
        return;
    }
    m_stack.push(new ReplaceStep(*this, m_clips, what, row, before, after));
}

void EditHistory::beginGroup(const QString& what) {
    m_stack.beginMacro(what);
}

void EditHistory::endGroup() {
    m_stack.endMacro();
}

void EditHistory::clear() {
    m_stack.clear();
    nofollow::Folder(m_folder.path())
        .removeTree(QFile::encodeName(QFileInfo(m_folder.historyFolder()).fileName()));
}

// Only a plain file is kept, and only in a real history folder: through a link either would
// take a copy of the clip, or the clip's place, outside the work folder.
QString EditHistory::keep(const QString& file) {
    const QString folder = m_folder.historyFolder();
    if (!nofollow::isPlainFile(file) || !nofollow::makeFolder(folder))
        return {};
    const QString kept = QDir(folder).filePath(
        QStringLiteral("%1-%2").arg(++m_kept).arg(QFileInfo(file).fileName()));
    QFile::remove(kept);
    if (::link(QFile::encodeName(file).constData(), QFile::encodeName(kept).constData()) == 0)
        return kept;
    // A file system without hard links: a copy serves too, only slower.
    return QFile::copy(file, kept) ? kept : QString();
}

QString EditHistory::keptFrom(const QString& kept) const {
    return m_folder.file(QFileInfo(kept).fileName().section(u'-', 1));
}

Status EditHistory::restore(const QString& kept, const QString& target) const {
    if (!nofollow::isPlainFile(kept))
        return {ErrorCode::NotFile,
                QCoreApplication::translate(
                    "Clips", "%1 cannot be brought back: its kept version is not a plain file.")
                    .arg(target)};
    const QString temporary = target + QStringLiteral(".undo");
    QFile::remove(temporary);
    if (::link(QFile::encodeName(kept).constData(), QFile::encodeName(temporary).constData()) !=
            0 &&
        !QFile::copy(kept, temporary))
        return {ErrorCode::Create,
                QCoreApplication::translate("Clips", "%1 cannot be brought back: %2.")
                    .arg(target, QString::fromLocal8Bit(std::strerror(errno)))};
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) !=
        0) {
        QFile::remove(temporary);
        return {ErrorCode::Create,
                QCoreApplication::translate("Clips", "%1 cannot be brought back: %2.")
                    .arg(target, QString::fromLocal8Bit(std::strerror(errno)))};
    }
    return Status::ok();
}
