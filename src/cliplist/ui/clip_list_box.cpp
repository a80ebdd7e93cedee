// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/clip_list_box.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

int selectedRow(const QItemSelectionModel& selection) {
    const QModelIndexList selected = selection.selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void selectRow(QItemSelectionModel& selection, int row) {
    const QAbstractItemModel* model = selection.model();
    if (!model || row < 0 || row >= model->rowCount()) {
        selection.clear();
        return;
    }
    selection.setCurrentIndex(model->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

ClipListBox::ClipListBox(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
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
    return selectionModel() ? ::selectedRow(*selectionModel()) : -1;
}

QRect ClipListBox::rowRect(int row) const {
    return model() ? visualRect(model()->index(row, 0)) : QRect();
}

void ClipListBox::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::ControlModifier &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        emit moveByKey(event->key() == Qt::Key_Up ? -1 : +1);
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        // The entry with the keyboard's frame is the one meant, selected or not yet.
        if (selectedRow() < 0 && currentRow() >= 0) {
            setCurrentRow(currentRow());
            emit currentChangedByKey();
        }
        if (selectedRow() >= 0)
            emit openRequested();
        return;
    }
    const int before = currentRow();
    QListView::keyPressEvent(event);
    if (currentRow() != before)
        emit currentChangedByKey();
}

int ClipListBox::dropRow(QPoint point) const {
    const QModelIndex under = indexAt(point);
    if (!under.isValid())
        return count();
    const QRect rect = visualRect(under);
    return point.y() >= rect.center().y() ? under.row() + 1 : under.row();
}

namespace {

bool fromThisList(const QDropEvent* event, const QObject* list) {
    return event->source() == list;
}

bool carriesFiles(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return false;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return true;
    return false;
}

} // namespace

void ClipListBox::dragEnterEvent(QDragEnterEvent* event) {
    if (!fromThisList(event, this) && !carriesFiles(event->mimeData())) {
        event->ignore();
        return;
    }
    QListView::dragEnterEvent(event);
    event->acceptProposedAction();
}

void ClipListBox::dragMoveEvent(QDragMoveEvent* event) {
    if (!fromThisList(event, this) && !carriesFiles(event->mimeData())) {
        event->ignore();
        return;
    }
    QListView::dragMoveEvent(event);
    // Files from outside are copied into the list, whatever the source offered.
    if (!fromThisList(event, this) && (event->possibleActions() & Qt::CopyAction))
        event->setDropAction(Qt::CopyAction);
    event->accept();
}

// The view does no moving of its own: the page moves the clip in the model (or adds the
// files), and the drag is answered as a copy so that the view removes no row afterwards.
void ClipListBox::dropEvent(QDropEvent* event) {
    const int row = dropRow(event->position().toPoint());
    if (fromThisList(event, this)) {
        const int from = currentRow();
        if (from >= 0 && row != from && row != from + 1)
            emit moveRequested(from, row > from ? row - 1 : row);
    } else {
        QStringList paths;
        for (const QUrl& url : event->mimeData()->urls())
            if (url.isLocalFile())
                paths << url.toLocalFile();
        if (paths.isEmpty()) {
            event->ignore();
            return;
        }
        emit filesDropped(paths, row);
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}
