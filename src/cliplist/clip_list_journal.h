// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "base/work_folder.h"
#include "cliplist/journal_names.h"

#include <QObject>
#include <QStringList>

class QAbstractItemModel;

// The clip list as the work folder keeps it for the next start, so that a crash or a power
// cut does not lose every clip: the names in list order and the stretches of the cut clips, in
// WorkFolder::journalFile(), rewritten whole through a temporary file beside it on every change.
// The exit sequence empties the folder, the journal with it, so a journal found at start means the
// last run did not end through the exit sequence.
//
// The file is JSON (journal::bytes), so a name may hold any character a file name can. What
// is read back is never trusted further than the folder: a name that would lead out of it,
// a clip file that is not a plain file, or a second entry of the same name restores nothing.
// Runs on the GUI thread, as the model it follows does.
class ClipListJournal : public QObject {
    Q_OBJECT
public:
    // Follows `model` (its Qt::DisplayRole texts are the clip names) from now on and writes
    // the journal once at once. Both must outlive the journal.
    ClipListJournal(const QAbstractItemModel& model, const WorkFolder& folder,
                    QObject* parent = nullptr);

    struct LastRun {
        // The clips to restore: the journal's plain names whose clip files are there, each
        // once, in list order; then the clip files found in the folder that the journal does
        // not name, in file name order (a journal that is damaged, or a clip file written just
        // before a crash, must not cost a clip).
        QStringList names;
        // The journal could not be read whole (cut short, not UTF-8, not a plain file).
        bool damaged = false;
        // The stretches of the clips that were cut, by name, their file left empty: what
        // they say is checked against the clip file as it is put back (ClipList::setRange).
        journal::Stretches stretches;
    };
    // What the last run left: nothing when there is no journal.
    static LastRun restorable(const WorkFolder& folder);
    static Status write(const WorkFolder& folder, const QStringList& names,
                        const journal::Stretches& stretches = {});

    // The status of the last write (a full disk, a folder that cannot be written).
    const Status& lastWrite() const { return m_lastWrite; }

private:
    void save();

    const QAbstractItemModel& m_model;
    const WorkFolder& m_folder;
    Status m_lastWrite;
};
