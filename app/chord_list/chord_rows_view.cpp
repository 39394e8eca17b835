#include "app/chord_list/chord_rows_view.h"

#include <QDropEvent>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>

#include "app/chord_list/chord_list_model.h"

namespace vorlane {

ChordRowsView::ChordRowsView(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setDragDropOverwriteMode(false);
    // Rows are one line each: long lists lay out without measuring every row.
    setUniformItemSizes(true);
}

std::vector<std::size_t> ChordRowsView::SelectedRows() const {
    std::vector<std::size_t> rows;
    if (selectionModel() == nullptr) {
        return rows;
    }
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        rows.push_back(static_cast<std::size_t>(index.row()));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ChordRowsView::ShowRows(int first, int last) {
    if (model() == nullptr || first < 0 || last < first) {
        return;
    }
    const QModelIndex top = model()->index(first, 0);
    selectionModel()->setCurrentIndex(top, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(top, model()->index(last, 0)),
                             QItemSelectionModel::ClearAndSelect);
    scrollTo(model()->index(last, 0));
    scrollTo(top);
}

void ChordRowsView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QListView::currentChanged(current, previous);
    if (byUser_ && current.isValid()) {
        chosen_ = true;
        Q_EMIT RowChosen(current.row());
    }
}

void ChordRowsView::keyPressEvent(QKeyEvent* event) {
    byUser_ = true;
    QListView::keyPressEvent(event);
    byUser_ = false;
}

void ChordRowsView::mousePressEvent(QMouseEvent* event) {
    byUser_ = true;
    chosen_ = false;
    QListView::mousePressEvent(event);
    byUser_ = false;
    // A click on the row already current chooses it again: it sounds once more.
    const QModelIndex at = indexAt(event->position().toPoint());
    if (!chosen_ && at.isValid() && event->button() == Qt::LeftButton &&
        event->modifiers() == Qt::NoModifier) {
        Q_EMIT RowChosen(at.row());
    }
}

void ChordRowsView::dropEvent(QDropEvent* event) {
    if (!DropRows(*event->mimeData(), event->position().toPoint())) {
        event->ignore();
        return;
    }
    // The move is done, as one change; the drag's source then has nothing to remove.
    event->setDropAction(Qt::MoveAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

bool ChordRowsView::DropRows(const QMimeData& mime, QPoint at) {
    if (!mime.hasFormat(ChordListModel::kRowsMimeType) || model() == nullptr) {
        return false;
    }
    const QModelIndex onto = indexAt(at);
    std::size_t before = static_cast<std::size_t>(model()->rowCount());
    if (onto.isValid()) {
        before =
            static_cast<std::size_t>(onto.row()) + (at.y() > visualRect(onto).center().y() ? 1 : 0);
    }
    Q_EMIT RowsDropped(ChordListModel::RowsIn(mime), before);
    return true;
}
}  // namespace vorlane
