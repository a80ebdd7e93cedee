// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "base/work_folder.h"
#include "wav/clip_range.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>

class ClipList;

// The undo history of the "Audio Edit" page: every change of the clip list or of a clip's
// sound that has completed is one step, which can be undone and redone without limit
// within a run. A step is recorded only after its change worked.
//
// A crop is a step of the clip's stretch alone (its file stays as it is). A clip file that a
// step may have to bring back (a removed clip, the sound before and after an effect) is kept in the
// work folder's history folder as a hard link of the file, so undo and redo are renames of links,
// never copies, and give the clip file back byte for byte. Clip files are never written in place
// (every writer renames a new file over them), so a link keeps the version it was made from. The
// exit empties the history folder with the rest of the work folder.
//
// GUI thread only.
class EditHistory : public QObject {
    Q_OBJECT
public:
    EditHistory(ClipList& clips, WorkFolder folder, QObject* parent = nullptr);
    ~EditHistory() override;

    QUndoStack& stack() { return m_stack; }

    // A version of a clip kept for undo: a link of its file, and its stretch of it.
    struct Version {
        QString kept;
        ClipRange range;
        bool isEmpty() const { return kept.isEmpty(); }
    };

    // The clip at `row` has just been put in the list (its file is in place).
    void added(int row);
    // Removes the clip at `row`: its file goes into keeping, then the entry goes. Fails,
    // changing nothing, when the file can be neither kept nor deleted.
    Status remove(int row);
    // The clip at `from` has just been moved to `to`.
    void moved(int from, int to);
    // The clip at `row` has just been cut from the stretch `before` to the one it has now:
    // the step `what` (e.g. "Crop of song").
    void cropped(int row, const QString& what, const ClipRange& before);
    // A new version of the sound of the clip at `row`: `write` writes it over the clip file
    // (by renaming a finished file onto it); the step, named `what` (e.g. "Gain of song"),
    // is recorded only when it succeeds, and the clip is then its whole new file.
    Status replace(int row, const QString& what, const std::function<Status()>& write);
    // The same in two halves, for a new version written on another thread: keep the sound
    // of the clip at `row` as it is (empty when it cannot be kept), and once the writing
    // has ended record the step, or, when nothing was written, let the kept file go.
    Version beforeReplace(int row);
    void afterReplace(int row, const QString& what, const Version& before, bool written);
    // Steps recorded between the two are one step named `what` (e.g. "Normalise all").
    void beginGroup(const QString& what);
    void endGroup();

    // Forgets every step and the files kept for them.
    void clear();

    // Keeps a link of `file` in the history folder; the kept path, or empty on failure.
    QString keep(const QString& file);
    // The clip file that `kept` (from keep()) was kept from.
    QString keptFrom(const QString& kept) const;
    // Puts the kept file back at `target` (a new link renamed over it).
    Status restore(const QString& kept, const QString& target) const;

private:
    ClipList& m_clips;
    WorkFolder m_folder;
    QUndoStack m_stack;
    int m_kept = 0;
};
