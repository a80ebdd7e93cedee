// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/clip_list_box.h"

#include <QItemSelectionModel>

ClipListBox::ClipListBox(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int ClipListBox::count() const {
    return model() ? model()->rowCount() : 0;
}

int ClipListBox::currentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void ClipListBox::setCurrentRow(int row) {
    if (!model())
        return;
    if (row < 0 || row >= count()) {
        selectionModel()->clear();
        return;
    }
    setCurrentIndex(model()->index(row, 0));
}

int ClipListBox::selectedRow() const {
    if (!selectionModel())
        return -1;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QRect ClipListBox::rowRect(int row) const {
    return model() ? visualRect(model()->index(row, 0)) : QRect();
}

void ClipListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListView::keyPressEvent(event);
    if (currentRow() != before)
        emit currentChangedByKey();
}
