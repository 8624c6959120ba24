#include "historydialog.h"
#include "ui_historydialog.h"

#include "change_preview.h"
#include "image_bytes.h"
#include "history_names.h"
#include "image_compare.h"
#include "image_layout.h"
#include "save_warning.h"
#include "configuration_saves.h"
#include "store.h"
#include "save_file_dialog.h"
#include "version_export.h"
#include "version_keeping.h"
#include "version_list_model.h"
#include "version_name.h"
#include "notes_file_write.h"
#include "version_notes.h"
#include "notes_diff.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

historydialog::historydialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::historydialog)
    , m_versions(new VersionListModel(this))
{
    ui->setupUi(this);
    ui->versionList->setModel(m_versions);
    // Widths from the texts, not from the rows: measuring the rows would work
    // out every summary before the list shows.
    const QFontMetrics metrics = ui->versionList->fontMetrics();
    const int padding = metrics.horizontalAdvance(QLatin1Char('M')) * 2;
    QHeaderView *header = ui->versionList->header();
    header->resizeSection(VersionListModel::WhenColumn,
                          metrics.horizontalAdvance(QStringLiteral("2025-12-31 23:59:59")) + padding);
    header->resizeSection(VersionListModel::OperationColumn,
                          metrics.horizontalAdvance(operation_text(QStringLiteral("kestrel-import"))) + padding);
    header->setStretchLastSection(true);
    ui->splitter->setStretchFactor(0, 3);
    ui->splitter->setStretchFactor(1, 2);

    connect(ui->versionList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateButtons(); });
    connect(ui->versionList, &QAbstractItemView::doubleClicked, this, [this] {
        if (ui->compareButton->isEnabled())
            on_compareButton_clicked();
    });
    name_history_controls(this, ui);
    listVersions();
}

historydialog::~historydialog()
{
    delete ui;
}

void historydialog::listVersions()
{
    const QString path = file_paths().configuration;
    m_versions->load(path);
    if (m_versions->rowCount() == 0)
        ui->fileLabel->setText(tr("No earlier versions of %1 are kept yet. Each time the editor replaces it, "
                                  "the file as it was is kept in %2.")
                                   .arg(path, history_folder(path)));
    else
        ui->fileLabel->setText(tr("Earlier versions of %1, newest first, kept in %2 (the newest %3). "
                                  "Each is the file as it was before the operation named replaced it.")
                                   .arg(path, history_folder(path))
                                   .arg(kKeptVersions));
    updateButtons();
}

QVector<int> historydialog::chosenVersions() const
{
    QVector<int> rows;
    for (const QModelIndex &index : ui->versionList->selectionModel()->selectedRows())
        rows.append(index.row());
    // Rows are newest first: the oldest is the highest.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        if (m_versions->versionBytes(row).isEmpty())
            return {};
    return rows;
}

void historydialog::updateButtons()
{
    const QVector<int> rows = chosenVersions();
    const bool current = !m_versions->currentBytes().isEmpty();
    ui->compareButton->setEnabled(rows.size() == 2 || (rows.size() == 1 && current));
    ui->restoreButton->setEnabled(rows.size() == 1);
    ui->exportButton->setEnabled(rows.size() == 1);
}

// "the version kept 2025-01-15 21:30:45 (replaced by Presets, Save)"
QString historydialog::versionText(int row) const
{
    const HistoryVersion &version = m_versions->version(row);
    return tr("the version kept %1 (replaced by %2)")
        .arg(VersionListModel::timeText(version.replacedAt), operation_text(version.operation));
}

void historydialog::showChanges(const QByteArray &before, const QByteArray &after, const QString &what)
{
    ui->changeTree->clear();
    const QVector<ChangeGroup> groups = grouped_changes(image_bytes(before), image_bytes(after));
    const ChangeCounts counts = change_counts(compare_images(image_bytes(before), image_bytes(after)));
    ui->compareLabel->setText(tr("From %1: %2 changed.").arg(what, change_count_text(counts)));
    QList<QTreeWidgetItem *> items;
    for (const ChangeGroup &group : groups) {
        auto *heading = new QTreeWidgetItem(QStringList(group.heading));
        QFont font = heading->font(0);
        font.setBold(true);
        heading->setFont(0, font);
        for (const QString &line : group.lines)
            heading->addChild(new QTreeWidgetItem(QStringList(line)));
        items.append(heading);
    }
    ui->changeTree->addTopLevelItems(items);
    ui->changeTree->expandAll();
}

void historydialog::on_compareButton_clicked()
{
    const QVector<int> rows = chosenVersions();
    if (rows.size() == 2) {
        showChanges(m_versions->versionBytes(rows[0]), m_versions->versionBytes(rows[1]),
                    tr("%1 to %2").arg(versionText(rows[0]), versionText(rows[1])));
        showNoteChanges(m_versions->version(rows[0]).path, m_versions->version(rows[1]).path, false,
                        m_versions->versionBytes(rows[0]));
    } else if (rows.size() == 1 && !m_versions->currentBytes().isEmpty()) {
        showChanges(m_versions->versionBytes(rows[0]), m_versions->currentBytes(),
                    tr("%1 to the file as it is now").arg(versionText(rows[0])));
        showNoteChanges(m_versions->version(rows[0]).path, file_paths().configuration, true,
                        m_versions->versionBytes(rows[0]));
    }
}

void historydialog::showNoteChanges(const QString &before, const QString &after, bool afterIsCurrent,
                                    const QByteArray &image)
{
    const NotesRead was = version_notes(before);
    const NotesRead now = afterIsCurrent ? current_notes(after) : version_notes(after);
    if (!was.ok() || !now.ok() || image.size() != layout::kImageSize)
        return;
    const QStringList lines = note_change_lines(compare_notes(was.notes, now.notes), image_bytes(image));
    if (lines.isEmpty())
        return;
    auto *heading = new QTreeWidgetItem(QStringList(tr("Notes and tags")));
    QFont font = heading->font(0);
    font.setBold(true);
    heading->setFont(0, font);
    for (const QString &line : lines)
        heading->addChild(new QTreeWidgetItem(QStringList(line)));
    ui->changeTree->addTopLevelItem(heading);
    heading->setExpanded(true);
}

void historydialog::on_restoreButton_clicked()
{
    const QVector<int> rows = chosenVersions();
    if (rows.size() != 1)
        return;
    const QByteArray version = m_versions->versionBytes(rows[0]);
    const QString path = file_paths().configuration;
    const QString title = tr("Restore");
    // A version may differ from the file only in the notes kept with it.
    const NotesRead versionNotes = version_notes(m_versions->version(rows[0]).path);
    const NotesRead notesNow = current_notes(path);
    const bool notesDiffer = !versionNotes.ok() || !notesNow.ok() || versionNotes.notes != notesNow.notes;
    if (version == m_versions->currentBytes()) {
        if (!notesDiffer) {
            QMessageBox::information(this, title, tr("%1 already holds this version: there is nothing to restore.")
                                                      .arg(path));
            return;
        }
        restoreNotesOnly(rows[0]);
        return;
    }
    const QString text =
        tr("Put %1 back into %2?").arg(versionText(rows[0]), path) + QStringLiteral("\n\n")
        + change_preview_of_file(path, version) + QStringLiteral("\n\n")
        + tr("The file as it is now is kept in the history first, so the restore can be undone the same way.");
    if (QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    if (!save_configuration_bytes(version, SaveOperation::Restore)) {
        warn_configuration_not_saved(this);
        return;
    }
    // The notes kept with the version come back with it; those of the file
    // as it was went into the history with it.
    QString notesError;
    if (!restore_version_notes(m_versions->version(rows[0]).path, path, &notesError))
        QMessageBox::warning(this, title, tr("The version is back, but its notes couldn't be put back: %1.")
                                              .arg(notesError));
    ui->changeTree->clear();
    ui->compareLabel->setText(tr("Restored %1.").arg(versionText(rows[0])));
    listVersions();
}

void historydialog::restoreNotesOnly(int row)
{
    const QString path = file_paths().configuration;
    const QString title = tr("Restore");
    const QString text = tr("%1 holds the presets of %2; only the notes and tags differ. Put the notes of that "
                            "version back?")
                             .arg(path, versionText(row))
        + QStringLiteral("\n\n")
        + tr("The notes as they are now are kept in the history first, so the restore can be undone the same way.");
    if (QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    const NotesRead kept = version_notes(m_versions->version(row).path);
    QString error;
    if (!kept.ok() || !replace_notes_file(path, kept.notes, layout::kImageSize, SaveOperation::Restore,
                                          MemoryVersion::NotKept, &error)) {
        QMessageBox::warning(this, title, tr("The notes couldn't be put back: %1.").arg(kept.ok() ? error : kept.error));
        return;
    }
    ui->changeTree->clear();
    ui->compareLabel->setText(tr("Restored %1.").arg(versionText(row)));
    listVersions();
}

void historydialog::on_exportButton_clicked()
{
    const QVector<int> rows = chosenVersions();
    if (rows.size() != 1)
        return;
    const QFileInfo configuration(file_paths().configuration);
    const QString suggested =
        configuration.absolutePath() + QLatin1Char('/') + configuration.completeBaseName()
        + m_versions->version(rows[0]).replacedAt.toLocalTime().toString(QStringLiteral("-yyyyMMdd-HHmmss"));
    // The name's ending says the kind; a name without a known ending gets
    // the one of the kind chosen in the dialog.
    const QString path = ask_save_path(this, tr("Export version"), suggested,
                                       {{tr("Memory file (*.bin)"), QStringLiteral("bin")},
                                        {tr("SysEx dump (*.syx)"), QStringLiteral("syx")},
                                        {tr("Readable form (*.json)"), QStringLiteral("json")}});
    if (path.isEmpty())
        return;
    QString reason;
    if (!export_version(m_versions->versionBytes(rows[0]), export_format_for(path), path, configuration.fileName(),
                        &reason))
        QMessageBox::warning(this, tr("Export version"), tr("Couldn't write %1: %2.").arg(path, reason));
}
