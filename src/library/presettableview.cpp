#include "presettableview.h"

#include "presetlibrarymodel.h"

#include <QAccessible>
#include <QDrag>
#include <QHeaderView>
#include <QMimeData>

PresetTableView::PresetTableView(QWidget *parent)
    : QTableView(parent)
{
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setDragDropMode(DragDrop);
    setDragDropOverwriteMode(true);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    setEditTriggers(DoubleClicked | EditKeyPressed);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    // Rows of one height, known without asking the model for every row.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

bool PresetTableView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (trigger == EditKeyPressed && index.isValid() && index.column() != PresetLibraryModel::NameColumn) {
        const QModelIndex name = index.sibling(index.row(), PresetLibraryModel::NameColumn);
        selectionModel()->setCurrentIndex(name, QItemSelectionModel::NoUpdate);
        return QTableView::edit(name, trigger, event);
    }
    return QTableView::edit(index, trigger, event);
}

void PresetTableView::startDrag(Qt::DropActions supportedActions)
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty() || !model())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(rows));
    drag->exec(supportedActions, Qt::MoveAction);
}

void PresetTableView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles)
{
    // An open editor and assistive tools still hear of the change as usual.
    if (state() == EditingState || QAccessible::isActive() || !topLeft.isValid() || !bottomRight.isValid()) {
        QTableView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    const int top = rowViewportPosition(topLeft.row());
    const int bottom = rowViewportPosition(bottomRight.row()) + rowHeight(bottomRight.row());
    const QRect rows = QRect(0, top, viewport()->width(), bottom - top).intersected(viewport()->rect());
    if (!rows.isEmpty())
        viewport()->update(rows);
}
