#pragma once

#include "image_edit_command.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QMap>
#include <QVector>

#include <functional>

class QUndoStack;

// The 270 presets of a working copy of the configuration image, one row per
// record in record order. Every change is one step on the model's undo
// stack; the model also keeps the image as the file holds it, to tell what
// differs from it.
class PresetLibraryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NumberColumn, NameColumn, ProgramChangeColumn, SwitchingColumn, ControlChangeColumn,
                  OverrideColumn, NotesColumn, ColumnCount };
    enum Side { Before, After };
    enum Step { Done, Undone, Redone };

    // Works on a copy of `image` (one whole configuration image), which is
    // also taken as what the file holds.
    explicit PresetLibraryModel(const unsigned char *image, QObject *parent = nullptr);
    // The same, with the notes the file beside the memory holds.
    PresetLibraryModel(const unsigned char *image, const PresetNotes &notes, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Renames from the name column; a refused name changes nothing.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Drags carry record indices; a drop swaps (move) or copies over (copy).
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;

    // The notes the file beside the memory holds, before any edit.
    void setFileNotes(const PresetNotes &notes);

    // Edits: each is one undoable step, false when nothing changed.
    bool swap(int a, int b);
    // Records a[k] and b[k] trade places, for every k.
    bool swapLists(const QVector<int> &a, const QVector<int> &b);
    bool swapBanks(int bankA, int bankB);
    bool move(const QVector<int> &rows, int step);
    bool copy(const QVector<int> &from, int to);
    bool reset(const QVector<int> &rows);
    bool rename(int row, const QString &name);
    // Puts each 290-byte record of `records` into its slot, as one step
    // called `text`.
    bool replaceRecords(const QString &text, const QMap<int, QByteArray> &records);
    // The same, each slot getting the note `notes` has for it (none when absent).
    bool replaceRecords(const QString &text, const QMap<int, QByteArray> &records,
                        const QMap<int, PresetNote> &notes);
    // A new note and tags for a slot; false when refused or the same.
    bool setNote(int row, const PresetNote &note);

    QUndoStack *undoStack() const { return m_undo; }
    const unsigned char *image() const;
    QByteArray recordBytes(int row) const;
    const PresetNotes &notes() const { return m_notes; }
    PresetNote note(int row) const { return m_notes.value(row); }

    bool recordDiffersFromFile(int row) const;
    int presetsDifferingFromFile() const;
    bool favoritesDifferFromFile() const;
    bool notesDifferFromFile() const { return m_notes != m_fileNotes; }
    bool noteDiffersFromFile(int row) const { return m_notes.value(row) != m_fileNotes.value(row); }
    bool imageDiffersFromFile() const { return m_image != m_fileImage; }
    bool differsFromFile() const;
    // The working copy is now what the file holds.
    void markSaved();

    // Called by the undo stack's commands.
    void writeSpans(const QVector<ImageSpan> &spans, const QVector<NoteSpan> &noteSpans, Side side, Step step,
                    const QString &text);

signals:
    // After every change, undo and redo: one line saying what happened,
    // including where footswitch favourites went.
    void changed(const QString &report);
    // After a drop: the slots that now hold the dragged presets.
    void recordsPlaced(const QVector<int> &rows);

private:
    // `notesEdit`, when given, moves the notes as `edit` moved the records.
    bool applyEdit(const QString &text, const std::function<bool(unsigned char *)> &edit,
                   const std::function<void(PresetNotes &)> &notesEdit = {});
    QString favoritesReport(const QVector<ImageSpan> &spans, Side side, Step step) const;
    QVector<int> draggedRows(const QMimeData *data) const;
    unsigned char *bytes();

    QByteArray m_image;
    QByteArray m_fileImage;
    PresetNotes m_notes;
    PresetNotes m_fileNotes;
    QUndoStack *m_undo;
};
