#pragma once

#include <QTableView>

// The preset table. A drag carries the selected presets; dropped on another
// preset they swap with it (Ctrl held: they are copied over it). The model
// does the change; the view never clears the dragged rows afterwards, as a
// plain item view does after a move.
class PresetTableView : public QTableView
{
    Q_OBJECT

public:
    explicit PresetTableView(QWidget *parent = nullptr);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    // F2 renames the current preset whichever of its cells is current.
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    // Repaints only the rows that changed; a plain item view repaints all
    // it shows for any change of more than one cell, which for this table
    // is most of the time an edit takes.
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QVector<int> &roles = QVector<int>()) override;
};
