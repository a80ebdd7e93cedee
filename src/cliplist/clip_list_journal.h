// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "base/work_folder.h"

#include <QObject>
#include <QStringList>

class QAbstractItemModel;

// The clip list as the work folder keeps it for the next start, so that a crash or a power
// cut does not lose every clip: the names in list order, in WorkFolder::journalFile(),
// rewritten whole through a temporary file beside it on every change. The exit sequence
// empties the folder, the journal with it, so a journal found at start means the last run
// did not end through the exit sequence.
//
// The file is JSON ({"clips": [names]}), so a name may hold any character a file name can.
// Runs on the GUI thread, as the model it follows does.
class ClipListJournal : public QObject {
    Q_OBJECT
public:
    // Follows `model` (its Qt::DisplayRole texts are the clip names) from now on and writes
    // the journal once at once. Both must outlive the journal.
    ClipListJournal(const QAbstractItemModel& model, const WorkFolder& folder,
                    QObject* parent = nullptr);

    // The names of the last run whose clip files are still there, in list order; empty when
    // there is no journal or it cannot be read.
    static QStringList restorable(const WorkFolder& folder);
    static Status write(const WorkFolder& folder, const QStringList& names);

    // The status of the last write (a full disk, a folder that cannot be written).
    const Status& lastWrite() const { return m_lastWrite; }

private:
    void save();

    const QAbstractItemModel& m_model;
    const WorkFolder& m_folder;
    Status m_lastWrite;
};
