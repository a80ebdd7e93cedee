// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/clip_list_box.h"

ClipListBox::ClipListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ClipListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before)
        emit currentChangedByKey();
}
