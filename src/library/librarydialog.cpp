#include "librarydialog.h"
#include "ui_librarydialog.h"

#include "backup.h"
#include "copytargetdialog.h"
#include "file_bytes.h"
#include "library_share.h"
#include "library_names.h"
#include "memorycheckdialog.h"
#include "image_layout.h"
#include "preset_list.h"
#include "preset_operations.h"
#include "preset_summary.h"
#include "presetfiltermodel.h"
#include "presetlibrarymodel.h"
#include "presettabledelegate.h"
#include "save_file_dialog.h"
#include "save_warning.h"
#include "setlist.h"
#include "configuration_saves.h"
#include "store.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QUndoStack>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstring>

using namespace layout;

namespace {

// The two banks when `rows` are exactly two whole banks, else -1, -1.
std::pair<int, int> twoWholeBanks(const QVector<int> &rows)
{
    if (rows.size() != 2 * kBankSize)
        return {-1, -1};
    const int first = rows.first() / kBankSize, second = rows.last() / kBankSize;
    if (rows.mid(0, kBankSize) != bank_records(first) || rows.mid(kBankSize) != bank_records(second))
        return {-1, -1};
    return {first, second};
}

} // namespace

librarydialog::librarydialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::librarydialog)
    , m_model(new PresetLibraryModel(config_image(), this))
    , m_found(new PresetFilterModel(m_model, this))
{
    ui->setupUi(this);
    setUpTable();
    setUpActions();
    setUpFind();
    setUpNotes();
    name_library_controls(this, ui);
    connect(m_model, &PresetLibraryModel::changed, this, [this](const QString &report) {
        showReport(report);
        updateControls();
        updateFindCount();
        if (m_check && m_check->isVisible())
            m_check->showFindings(check_memory(m_model->image()));
    });
    connect(m_model, &PresetLibraryModel::recordsPlaced, this, &librarydialog::selectRecords);
    // Return ends a rename in the table; it must not save and close as well.
    for (QAbstractButton *button : ui->buttonBox->buttons())
        if (auto *push = qobject_cast<QPushButton *>(button))
            push->setAutoDefault(false);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, [this] {
        if (save())
            accept();
    });
    updateControls();
}

librarydialog::~librarydialog()
{
    // The table tells of its selection going as the widgets are taken down,
    // when this dialog is no longer one to update.
    ui->presetTable->selectionModel()->disconnect(this);
    // The note editor keeps its text when it loses the focus: not once this
    // dialog is going.
    delete ui->notesEdit->findChild<QObject *>(QStringLiteral("noteKeeper"), Qt::FindDirectChildrenOnly);
    // The undo stack goes with the model, and clears itself on the way out:
    // its text signals must not reach the buttons deleted below.
    m_model->undoStack()->disconnect(this);
    delete ui;
}

void librarydialog::run(QWidget *parent)
{
    load_image();
    librarydialog dialog(parent);
    // Modal to the main window only: the monitor stays usable while Play is.
    dialog.setWindowModality(Qt::WindowModal);
    if (!dialog.m_notesProblem.isEmpty())
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.warn(dialog.m_notesProblem); });
    dialog.exec();
}

void librarydialog::setUpTable()
{
    PresetTableView *table = ui->presetTable;
    table->setModel(m_found);
    auto *delegate = new PresetTableDelegate(table);
    table->setItemDelegate(delegate);
    connect(delegate, &PresetTableDelegate::nameRefused, this, &librarydialog::showReport);

    // Widths from the font, not from the 270 rows' contents: measuring every
    // row would cost more than the rest of the opening.
    QHeaderView *header = table->horizontalHeader();
    const QFontMetrics metrics(table->font());
    const int padding = 2 * metrics.averageCharWidth() + 8;
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(PresetLibraryModel::ProgramChangeColumn, QHeaderView::Stretch);
    header->resizeSection(PresetLibraryModel::NumberColumn, metrics.horizontalAdvance(QStringLiteral("No. 000")) + 8);
    header->resizeSection(PresetLibraryModel::NameColumn,
                          metrics.horizontalAdvance(QStringLiteral("Preset 000 Clean Lead")) + padding);
    header->resizeSection(PresetLibraryModel::SwitchingColumn,
                          metrics.horizontalAdvance(QStringLiteral("R1 R2 L1 L2 L3 L4 A/B")) + padding);
    for (int column : {PresetLibraryModel::ControlChangeColumn, PresetLibraryModel::OverrideColumn})
        header->resizeSection(column, metrics.horizontalAdvance(QStringLiteral("CCs")) + padding);
    table->setCurrentIndex(m_found->index(0, PresetLibraryModel::NameColumn));
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &librarydialog::updateControls);
}

void librarydialog::setUpActions()
{
    // The buttons hand the keyboard back to the table, where the keys work.
    const auto onClick = [this](QPushButton *button, auto action) {
        connect(button, &QPushButton::clicked, this, [this, action] {
            action();
            ui->presetTable->setFocus();
        });
    };
    onClick(ui->swapButton, [this] { swapSelected(); });
    onClick(ui->moveUpButton, [this] { moveSelected(-1); });
    onClick(ui->moveDownButton, [this] { moveSelected(1); });
    onClick(ui->copyToButton, [this] { copySelectedTo(); });
    onClick(ui->resetButton, [this] { resetSelected(); });
    onClick(ui->printButton, [this] { printSetlist(); });
    setUpPlay();
    setUpBulkEdit();
    set_up_export_menu(ui->exportButton, *m_model, [this] { return selectedRecords(); });
    ui->importButton->setEnabled(true);
    onClick(ui->importButton, [this] {
        const QVector<int> placed = import_presets(this, *m_model, selectedRecords());
        if (!placed.isEmpty())
            selectRecords(placed);
    });

    // Keys of the table only: in the name editor they edit the text.
    const auto key = [this](const QKeySequence &keys, auto action) {
        auto *shortcut = new QAction(ui->presetTable);
        shortcut->setShortcut(keys);
        shortcut->setShortcutContext(Qt::WidgetShortcut);
        connect(shortcut, &QAction::triggered, this, action);
        ui->presetTable->addAction(shortcut);
    };
    key(QKeySequence(Qt::ALT | Qt::Key_Up), [this] { moveSelected(-1); });
    key(QKeySequence(Qt::ALT | Qt::Key_Down), [this] { moveSelected(1); });
    key(QKeySequence::Copy, [this] { copySelected(); });
    key(QKeySequence::Paste, [this] { pasteCopied(); });
    key(QKeySequence::Delete, [this] { resetSelected(); });

    QUndoStack *stack = m_model->undoStack();
    QAction *undo = stack->createUndoAction(this);
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = stack->createRedoAction(this);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addAction(undo);
    addAction(redo);
    connect(ui->undoButton, &QPushButton::clicked, stack, &QUndoStack::undo);
    connect(ui->redoButton, &QPushButton::clicked, stack, &QUndoStack::redo);
    connect(stack, &QUndoStack::undoTextChanged, this,
            [this](const QString &text) { ui->undoButton->setToolTip(tr("Undo %1 (Ctrl+Z)").arg(text)); });
    connect(stack, &QUndoStack::redoTextChanged, this,
            [this](const QString &text) { ui->redoButton->setToolTip(tr("Redo %1 (Ctrl+Shift+Z)").arg(text)); });
}

QVector<int> librarydialog::selectedRecords() const
{
    QVector<int> rows;
    for (const QModelIndex &index : ui->presetTable->selectionModel()->selectedRows())
        rows << m_found->mapToSource(index).row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void librarydialog::selectRecords(const QVector<int> &rows)
{
    // Records the find hides are left out of the selection.
    QItemSelection selection;
    QVector<QModelIndex> shown;
    for (int row : rows) {
        const QModelIndex first = m_found->mapFromSource(m_model->index(row, 0));
        if (!first.isValid())
            continue;
        shown << first;
        selection.select(first, first.sibling(first.row(), PresetLibraryModel::ColumnCount - 1));
    }
    QItemSelectionModel *model = ui->presetTable->selectionModel();
    model->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!shown.isEmpty()) {
        model->setCurrentIndex(shown.first().sibling(shown.first().row(), PresetLibraryModel::NameColumn),
                               QItemSelectionModel::NoUpdate);
        ui->presetTable->scrollTo(shown.first());
    }
}

void librarydialog::swapSelected()
{
    const QVector<int> rows = selectedRecords();
    const auto banks = twoWholeBanks(rows);
    if (rows.size() == 2)
        m_model->swap(rows[0], rows[1]);
    else if (banks.first >= 0)
        m_model->swapBanks(banks.first, banks.second);
    else
        showReport(tr("Select two presets, or two whole banks, to swap them."));
}

void librarydialog::moveSelected(int step)
{
    const QVector<int> rows = selectedRecords();
    if (m_model->move(rows, step))
        selectRecords(moved_rows(rows, step));
    else if (!rows.isEmpty())
        showReport(step < 0 ? tr("%1 is the first slot: nothing can move above it.").arg(preset_number_text(0))
                            : tr("%1 is the last slot: nothing can move below it.").arg(preset_number_text(kPresetCount - 1)));
}

void librarydialog::copySelectedTo()
{
    const QVector<int> rows = selectedRecords();
    if (rows.isEmpty())
        return;
    copytargetdialog target(this, m_model->image(), rows);
    if (target.exec() != QDialog::Accepted)
        return;
    if (m_model->copy(rows, target.target()))
        selectRecords(record_run(target.target(), rows.size()));
}

void librarydialog::resetSelected()
{
    m_model->reset(selectedRecords());
}

void librarydialog::copySelected()
{
    const QVector<int> rows = selectedRecords();
    if (rows.isEmpty())
        return;
    m_copied.clear();
    m_copiedNotes.clear();
    for (int row : rows) {
        m_copied << m_model->recordBytes(row);
        m_copiedNotes << m_model->note(row);
    }
    showReport(rows.size() == 1
                   ? tr("Copied %1; Ctrl+V puts it over the selected slot.").arg(preset_number_text(rows[0]))
                   : tr("Copied %1 presets; Ctrl+V puts them over the slots from the one selected on.")
                         .arg(rows.size()));
}

void librarydialog::pasteCopied()
{
    const QVector<int> rows = selectedRecords();
    if (m_copied.isEmpty() || rows.isEmpty())
        return;
    const int to = rows.first();
    if (to + m_copied.size() > kPresetCount) {
        showReport(tr("%1 presets from %2 on would run past the last slot, 299.")
                       .arg(m_copied.size())
                       .arg(preset_number_text(to)));
        return;
    }
    QMap<int, QByteArray> records;
    QMap<int, PresetNote> notes;
    for (int k = 0; k < m_copied.size(); ++k) {
        records.insert(to + k, m_copied[k]);
        notes.insert(to + k, m_copiedNotes.value(k));
    }
    const QString text = m_copied.size() == 1
        ? tr("Paste over %1").arg(preset_number_text(to))
        : tr("Paste %n presets over %1\u2013%2", nullptr, m_copied.size())
              .arg(preset_number_text(to), preset_number_text(to + m_copied.size() - 1));
    if (m_model->replaceRecords(text, records, notes))
        selectRecords(record_run(to, m_copied.size()));
}

void librarydialog::printSetlist()
{
    if (m_found->isFinding() && m_found->rowCount() == 0) {
        showReport(tr("The find shows no presets to print."));
        return;
    }
    bool withNotes = false;
    if (!askSetlistNotes(&withNotes))
        return;
    const QFileInfo configuration(file_paths().configuration);
    const QString path = ask_save_path(this, tr("Save the Setlist"),
                                       configuration.absolutePath() + QStringLiteral("/setlist.pdf"),
                                       {{tr("PDF files (*.pdf)"), QStringLiteral("pdf")}});
    if (path.isEmpty())
        return;
    // With a find, the names it shows only, in their places.
    QVector<int> found;
    for (int row = 0; m_found->isFinding() && row < m_found->rowCount(); ++row)
        found << m_found->mapToSource(m_found->index(row, 0)).row();
    const QString title = tr("Setlist of %1").arg(configuration.fileName());
    const PresetNotes *notes = withNotes ? &m_model->notes() : nullptr;
    const Setlist setlist = m_found->isFinding() ? make_setlist_of(m_model->image(), found, title, notes)
                                                 : make_setlist(m_model->image(), title, notes);
    QString error;
    if (!write_file(path, setlist.pdf, &error)) {
        warn(tr("Couldn't write the setlist to %1: %2.").arg(path, error));
        return;
    }
    showReport((setlist.pages == 1 ? tr("Setlist saved as %1 (one page).") : tr("Setlist saved as %1 (%2 pages)."))
                   .arg(path)
                   .arg(setlist.pages));
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool librarydialog::save()
{
    keepTypedNote();
    if (!m_model->differsFromFile())
        return true;
    const QString path = file_paths().configuration;
    const QByteArray edited(reinterpret_cast<const char *>(m_model->image()), kImageSize);
    const bool memoryChanged = m_model->imageDiffersFromFile();
    if (memoryChanged && !save_configuration_bytes(edited, SaveOperation::LibrarySave, KeepBackup::Yes)) {
        if (last_save_failed_at_backup())
            warn(tr("Couldn't keep a copy of %1 as %2, so nothing was saved. Your changes are still here.")
                     .arg(path, configuration_backup_path()));
        else
            warn_configuration_not_saved(this);
        return false;
    }
    std::memcpy(config_image(), m_model->image(), kImageSize);
    if (!saveNotes(memoryChanged))
        return false;
    m_model->markSaved();
    m_found->refind(); // "changed" finds none now
    updateControls();
    updateFindCount();
    return true;
}

void librarydialog::reject()
{
    keepTypedNote();
    if (!m_model->differsFromFile()) {
        QDialog::reject();
        return;
    }
    const int presets = m_model->presetsDifferingFromFile();
    const QString question = presets > 0                         ? tr("Save changes to %n presets?", nullptr, presets)
                           : m_model->favoritesDifferFromFile() ? tr("Save the changed footswitch favourites?")
                                                                : tr("Save the changed notes and tags?");
    QMessageBox box(QMessageBox::Question, windowTitle(), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        if (save())
            accept();
        break;
    case QMessageBox::Discard:
        QDialog::reject();
        break;
    default:
        break;
    }
}

void librarydialog::updateControls()
{
    const QVector<int> rows = selectedRecords();
    ui->swapButton->setEnabled(rows.size() == 2 || twoWholeBanks(rows).first >= 0);
    ui->moveUpButton->setEnabled(!rows.isEmpty() && rows.first() > 0);
    ui->moveDownButton->setEnabled(!rows.isEmpty() && rows.last() < kPresetCount - 1);
    ui->copyToButton->setEnabled(!rows.isEmpty());
    ui->resetButton->setEnabled(!rows.isEmpty());
    ui->undoButton->setEnabled(m_model->undoStack()->canUndo());
    ui->redoButton->setEnabled(m_model->undoStack()->canRedo());

    const int presets = m_model->presetsDifferingFromFile();
    if (presets > 0)
        ui->differenceLabel->setText(presets == 1 ? tr("1 preset differs from the file")
                                                  : tr("%1 presets differ from the file").arg(presets));
    else if (m_model->favoritesDifferFromFile())
        ui->differenceLabel->setText(tr("Footswitch favourites differ from the file"));
    else if (m_model->notesDifferFromFile())
        ui->differenceLabel->setText(tr("Notes and tags differ from the file"));
    else
        ui->differenceLabel->setText(tr("No changes"));
}

void librarydialog::showReport(const QString &report)
{
    ui->statusLabel->setText(report);
}

void librarydialog::warn(const QString &text)
{
    QMessageBox::warning(this, windowTitle(), text);
}
