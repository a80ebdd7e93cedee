// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

// The list box List1: a single-selection QListWidget that also says when the user moved the
// current entry with the keyboard (arrow keys, Page Up/Down, Home, End), which a plain list
// reports only as a change of the current row, like any change made by code.
class ClipListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ClipListBox(QWidget* parent = nullptr);

signals:
    // A key press changed the current entry.
    void currentChangedByKey();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
