// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>
#include <QStringList>

class QItemSelectionModel;

// The selection of a view of the clip list, as the panels beside List1 see it: the row of
// the selected entry (-1 for none), and making a row current and selected (-1 clears both).
int selectedRow(const QItemSelectionModel& selection);
void selectRow(QItemSelectionModel& selection, int row);

// The list box List1: a single-selection view of the clip list that also says when the user
// moved the current entry with the keyboard (arrow keys, Page Up/Down, Home, End), which a
// plain view reports only as a change of the current row, like any change made by code, and
// when Return asks to open the selected entry.
//
// Drag and drop: an entry dragged within the list asks for its move (moveRequested), and
// files dropped from outside (a file manager) are handed on with the row they were dropped
// at (filesDropped). The view changes nothing itself; the page does the work.
class ClipListBox : public QListView {
    Q_OBJECT
public:
    explicit ClipListBox(QWidget* parent = nullptr);

    int count() const;
    // The current row, -1 when there is none.
    int currentRow() const;
    // Makes `row` current and selected; -1 clears both.
    void setCurrentRow(int row);
    // The row of the selected entry, -1 when none is selected.
    int selectedRow() const;
    QRect rowRect(int row) const;
    // The row before which something dropped at `point` goes: the row under it, or the one
    // after when the point lies in that entry's lower half; count() below the last entry.
    int dropRow(QPoint point) const;

signals:
    // A key press changed the current entry.
    void currentChangedByKey();
    // Return or keypad Enter on the list: the selected entry should open, as a double click
    // opens it.
    void openRequested();
    // Ctrl+Up (-1) or Ctrl+Down (+1): the selected entry should move one place.
    void moveByKey(int step);
    // The entry at `from` was dragged so that it should end up at row `to`.
    void moveRequested(int from, int to);
    // Local files were dropped, in the order the drag carried them, to go before `row`.
    void filesDropped(const QStringList& paths, int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
