// The library's Edit Selected: one field set across the selected presets,
// previewed in its own dialog and applied as one undo step.

#include "librarydialog.h"
#include "ui_librarydialog.h"

#include "bulkeditdialog.h"
#include "image_edit_command.h"
#include "presetlibrarymodel.h"

#include <QAction>
#include <QUndoStack>

void librarydialog::setUpBulkEdit()
{
    QPushButton *button = ui->bulkEditButton;
    auto *shortcut = new QAction(this);
    shortcut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(shortcut, &QAction::triggered, this, [this] {
        if (ui->bulkEditButton->isEnabled())
            editSelected();
    });
    addAction(shortcut);
    connect(button, &QPushButton::clicked, this, [this] {
        editSelected();
        ui->presetTable->setFocus();
    });
    const auto enable = [this] { ui->bulkEditButton->setEnabled(!selectedRecords().isEmpty()); };
    connect(ui->presetTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, enable);
    enable();
}

void librarydialog::editSelected()
{
    const QVector<int> rows = selectedRecords();
    if (rows.isEmpty())
        return;
    bulkeditdialog edit(this, m_model->image(), rows);
    if (edit.exec() != QDialog::Accepted || edit.result().changes.isEmpty())
        return;
    QVector<ImageSpan> spans;
    for (const PresetFieldChange &change : edit.result().changes)
        spans.append({change.offset, change.before, change.after});
    m_model->undoStack()->push(new ImageEditCommand(m_model, edit.changeText(), spans));
}
