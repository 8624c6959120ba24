// The library's find: the find field, its count, and the check of the whole
// memory, whose findings select their presets in the table.

#include "librarydialog.h"
#include "ui_librarydialog.h"

#include "image_layout.h"
#include "memorycheckdialog.h"
#include "presetfiltermodel.h"
#include "presetlibrarymodel.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

using namespace layout;

namespace {

// Escape in the find field clears it; with the field empty it closes the
// library as Escape always does.
class EscapeClears : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *edit = qobject_cast<QLineEdit *>(watched);
        if (edit && event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape
            && !edit->text().isEmpty()) {
            edit->clear();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void librarydialog::setUpFind()
{
    QLineEdit *edit = ui->filterEdit;
    edit->setAccessibleName(tr("Find presets"));
    edit->installEventFilter(new EscapeClears(edit));
    auto *find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [edit] {
        edit->setFocus(Qt::ShortcutFocusReason);
        edit->selectAll();
    });
    addAction(find);
    connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_found->setFindText(text);
        updateFindCount();
        updateControls();
    });
    // Return in the find field goes to the found presets, not to Save.
    connect(edit, &QLineEdit::returnPressed, this, [this] {
        ui->presetTable->setFocus();
        if (m_found->rowCount() > 0 && selectedRecords().isEmpty())
            ui->presetTable->selectRow(0);
    });
    connect(ui->checkButton, &QPushButton::clicked, this, &librarydialog::showCheck);
    updateFindCount();
}

void librarydialog::updateFindCount()
{
    ui->filterCountLabel->setVisible(m_found->isFinding());
    ui->filterCountLabel->setText(tr("%1 of %2 presets").arg(m_found->rowCount()).arg(kPresetCount));
}

void librarydialog::showCheck()
{
    if (!m_check) {
        m_check = new memorycheckdialog(this);
        connect(m_check, &memorycheckdialog::findingChosen, this, [this](const Finding &finding) {
            // Presets the find hides come back into view to be selected.
            for (int row : finding.records)
                if (!m_found->mapFromSource(m_model->index(row, 0)).isValid()) {
                    ui->filterEdit->clear();
                    break;
                }
            if (!finding.records.isEmpty())
                selectRecords(finding.records);
        });
    }
    m_check->showFindings(check_memory(m_model->image()));
    m_check->show();
    m_check->raise();
    m_check->activateWindow();
}

