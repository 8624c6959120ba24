// The library's note editor: the note and tags of the current preset below
// the table, kept as one undoable step each, the tag list that finds by tag,
// and the notes file read and written beside the memory.

#include "librarydialog.h"
#include "ui_librarydialog.h"

#include "image_layout.h"
#include "notes_file.h"
#include "notes_file_write.h"
#include "preset_list.h"
#include "presetfiltermodel.h"
#include "presetlibrarymodel.h"
#include "store.h"
#include "tag_completer.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <memory>

using namespace layout;

namespace {

// The notes belong to the memory as the file holds it; a missing file is
// one the library is about to write whole.
qint64 memorySize(const QString &path)
{
    const QFileInfo file(path);
    return file.exists() ? file.size() : kImageSize;
}

// Leaving the note editor keeps what was typed there.
class KeepOnFocusOut : public QObject
{
public:
    KeepOnFocusOut(QObject *parent, std::function<void()> keep) : QObject(parent), m_keep(std::move(keep)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut)
            m_keep();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_keep;
};

// Return in the tags or the tag list does what it does there, and no more:
// passed on, it would save and close the library.
class ReturnStaysHere : public QObject
{
public:
    ReturnStaysHere(QObject *parent, std::function<void()> action) : QObject(parent), m_action(std::move(action)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_action();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

} // namespace

void librarydialog::setUpNotes()
{
    const QString memory = file_paths().configuration;
    const NotesRead read = read_notes_file(notes_file_path(memory), memorySize(memory));
    if (read.ok())
        m_model->setFileNotes(read.notes);
    else
        m_notesProblem = tr("The notes in %1 can't be read (%2). The presets open without notes; the file is kept "
                            "as it is until you save notes over it.")
                             .arg(QDir::toNativeSeparators(notes_file_path(memory)), read.error);

    // Room for its title and a tag; the program changes keep the room left
    // over, and the column widens by hand.
    QHeaderView *header = ui->presetTable->horizontalHeader();
    const QString title = m_model->headerData(PresetLibraryModel::NotesColumn, Qt::Horizontal).toString();
    const int padding = 2 * QFontMetrics(header->font()).averageCharWidth() + 8;
    header->resizeSection(PresetLibraryModel::NotesColumn,
                          qMax(QFontMetrics(header->font()).horizontalAdvance(title),
                               QFontMetrics(ui->presetTable->font()).horizontalAdvance(QStringLiteral("#verse")))
                              + padding);
    // The window grows by the column, so the others keep the room they had.
    resize(width() + header->sectionSize(PresetLibraryModel::NotesColumn), height());

    ui->notesEdit->setAccessibleName(tr("Note of the preset"));
    ui->tagsEdit->setAccessibleName(tr("Tags of the preset"));
    ui->tagList->setAccessibleName(tr("Find by tag"));
    auto *completer = new TagCompleter(ui->tagsEdit);
    ui->tagsEdit->setCompleter(completer);

    auto *keeper = new KeepOnFocusOut(ui->notesEdit, [this] { keepTypedNote(); });
    keeper->setObjectName(QStringLiteral("noteKeeper")); // the destructor takes it out first
    ui->notesEdit->installEventFilter(keeper);
    // Refused where typed: the key or the paste that would pass the limit is
    // taken back whole, never cut, and the line under the table says why.
    auto accepted = std::make_shared<QString>();
    connect(ui->notesEdit, &QPlainTextEdit::textChanged, this, [this, accepted] {
        const QString text = ui->notesEdit->toPlainText();
        if (text.size() <= notelimit::kNoteLength) {
            *accepted = text;
            return;
        }
        showReport(note_text_refusal(text));
        const int at = ui->notesEdit->textCursor().position() - (text.size() - accepted->size());
        QSignalBlocker blocker(ui->notesEdit);
        ui->notesEdit->setPlainText(*accepted);
        QTextCursor cursor = ui->notesEdit->textCursor();
        cursor.setPosition(qBound(0, at, accepted->size()));
        ui->notesEdit->setTextCursor(cursor);
    });
    connect(ui->tagsEdit, &QLineEdit::editingFinished, this, &librarydialog::keepTypedTags);
    ui->tagsEdit->installEventFilter(new ReturnStaysHere(ui->tagsEdit, [this] { keepTypedTags(); }));
    ui->tagList->installEventFilter(new ReturnStaysHere(ui->tagList, [this] {
        if (QListWidgetItem *item = ui->tagList->currentItem())
            emit ui->tagList->itemActivated(item);
    }));
    connect(ui->tagList, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const QString tag = item->data(Qt::UserRole).toString();
        ui->filterEdit->setText(tag.isEmpty() ? QString() : QLatin1Char('#') + tag);
    });
    connect(ui->tagList, &QListWidget::itemClicked, ui->tagList, &QListWidget::itemActivated);
    connect(m_model, &PresetLibraryModel::changed, this, [this] {
        updateTagList();
        showCurrentNote();
    });
    connect(ui->presetTable->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &librarydialog::showCurrentNote);
    updateTagList();
    showCurrentNote();
    if (!m_notesProblem.isEmpty())
        showReport(m_notesProblem);
}

void librarydialog::showCurrentNote()
{
    const QModelIndex current = m_found->mapToSource(ui->presetTable->currentIndex());
    const int row = current.isValid() ? current.row() : -1;
    const PresetNote note = m_model->note(row);
    m_noteRow = row;
    ui->notesEdit->setEnabled(row >= 0);
    ui->tagsEdit->setEnabled(row >= 0);
    if (ui->notesEdit->toPlainText() != note.text)
        ui->notesEdit->setPlainText(note.text);
    if (!ui->tagsEdit->hasFocus() || parse_tags(ui->tagsEdit->text(), nullptr) != note.tags)
        ui->tagsEdit->setText(tags_text(note.tags));
    const QString slot = row >= 0 ? preset_number_text(row) : QString();
    ui->notesEdit->setAccessibleDescription(row >= 0 ? tr("Note of preset %1").arg(slot) : QString());
    ui->tagsEdit->setAccessibleDescription(row >= 0 ? tr("Tags of preset %1").arg(slot) : QString());
}

void librarydialog::keepTypedNote()
{
    if (m_noteRow < 0)
        return;
    PresetNote note = m_model->note(m_noteRow);
    note.text = ui->notesEdit->toPlainText();
    m_model->setNote(m_noteRow, note);
}

void librarydialog::keepTypedTags()
{
    if (m_noteRow < 0)
        return;
    QString refusal;
    const QStringList tags = parse_tags(ui->tagsEdit->text(), &refusal);
    if (!refusal.isEmpty()) {
        showReport(refusal + QLatin1Char(' ') + tr("The tags are kept as they were."));
        return;
    }
    PresetNote note = m_model->note(m_noteRow);
    note.tags = tags;
    if (!m_model->setNote(m_noteRow, note))
        ui->tagsEdit->setText(tags_text(note.tags));
}

void librarydialog::updateTagList()
{
    const QStringList tags = used_tags(m_model->notes());
    static_cast<TagCompleter *>(ui->tagsEdit->completer())->setTags(tags);
    QStringList shown;
    for (int k = 1; k < ui->tagList->count(); ++k)
        shown << ui->tagList->item(k)->data(Qt::UserRole).toString();
    if (shown == tags && ui->tagList->count() > 0)
        return;
    ui->tagList->clear();
    auto *all = new QListWidgetItem(tr("All presets"), ui->tagList);
    all->setData(Qt::UserRole, QString());
    for (const QString &tag : tags) {
        auto *item = new QListWidgetItem(QLatin1Char('#') + tag, ui->tagList);
        item->setData(Qt::UserRole, tag);
    }
}

bool librarydialog::saveNotes(bool memorySaved)
{
    if (!m_model->notesDifferFromFile())
        return true;
    const QString path = notes_file_path(file_paths().configuration);
    QString error;
    if (replace_notes_file(file_paths().configuration, m_model->notes(), kImageSize, SaveOperation::LibrarySave,
                           memorySaved ? MemoryVersion::JustKept : MemoryVersion::NotKept, &error))
        return true;
    warn(tr("The presets were saved, but the notes couldn't be written to %1: %2. Your notes are still here.")
             .arg(QDir::toNativeSeparators(path), error));
    return false;
}

bool librarydialog::askSetlistNotes(bool *withNotes)
{
    *withNotes = false;
    if (all_empty(m_model->notes()))
        return true;
    QMessageBox box(QMessageBox::Question, tr("Print Setlist"),
                    tr("The setlist can show the tags and the first line of the note under each name."),
                    QMessageBox::Cancel, this);
    QPushButton *namesOnly = box.addButton(tr("Names Only"), QMessageBox::AcceptRole);
    QPushButton *withThem = box.addButton(tr("With Tags and Notes"), QMessageBox::AcceptRole);
    box.setDefaultButton(withThem);
    box.exec();
    *withNotes = box.clickedButton() == withThem;
    return box.clickedButton() == withThem || box.clickedButton() == namesOnly;
}
