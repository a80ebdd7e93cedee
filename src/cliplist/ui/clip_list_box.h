// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

// The list box List1: a single-selection view of the clip list that also says when the user
// moved the current entry with the keyboard (arrow keys, Page Up/Down, Home, End), which a
// plain view reports only as a change of the current row, like any change made by code.
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

signals:
    // A key press changed the current entry.
    void currentChangedByKey();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
