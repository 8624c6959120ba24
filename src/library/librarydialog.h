#pragma once

#include <QByteArray>
#include <QDialog>
#include <QVector>

#include "preset_notes.h"

class PresetFilterModel;
class PresetLibraryModel;
class memorycheckdialog;

namespace Ui {
class librarydialog;
}

// The preset library: all 270 presets of a working copy of the configuration
// image in one table, to rename, swap, move, copy and reset them, with undo.
// Save writes the working copy to the configuration file (keeping a backup
// first); leaving with unsaved changes asks first.
class librarydialog : public QDialog
{
    Q_OBJECT

public:
    // Works on a copy of the store's configuration image as it is now.
    explicit librarydialog(QWidget *parent = nullptr);
    ~librarydialog() override;

    // What the main window's "Library" does: reload the image from the
    // configuration file, then run the library.
    static void run(QWidget *parent);

    PresetLibraryModel *model() const { return m_model; }
    // The selected record indices, in record order.
    QVector<int> selectedRecords() const;
    void selectRecords(const QVector<int> &rows);

    // Writes the working copy to the configuration file, after keeping the
    // file as it was beside it. On failure it tells the user and keeps the
    // edits; true when the file holds them.
    bool save();

    // Cancel, Escape and the close box: with unsaved changes, asks whether
    // to save them first.
    void reject() override;

private:
    void setUpTable();
    void setUpActions();
    void setUpPlay(); // librarydialog_play.cpp
    void setUpFind(); // librarydialog_find.cpp, with the count and the check
    void setUpBulkEdit(); // librarydialog_bulk.cpp
    void editSelected();
    // librarydialog_notes.cpp: the note and tags of the current preset, and the tag list
    void setUpNotes();
    void showCurrentNote();
    void keepTypedNote();
    void keepTypedTags();
    void updateTagList();
    // `memorySaved`: the memory was just replaced, so its version holds the notes as they were.
    bool saveNotes(bool memorySaved);
    // With notes in the memory, asks whether the setlist shows them; false
    // when the print is cancelled.
    bool askSetlistNotes(bool *withNotes);
    void updateFindCount();
    void showCheck();
    void swapSelected();
    void moveSelected(int step);
    void copySelectedTo();
    void resetSelected();
    void copySelected();
    void pasteCopied();
    void printSetlist();
    void updateControls();
    void showReport(const QString &report);
    void warn(const QString &text);

    Ui::librarydialog *ui;
    PresetLibraryModel *m_model;
    PresetFilterModel *m_found;             // what the table shows: rows are not records
    memorycheckdialog *m_check = nullptr;   // made on the first Check
    QVector<QByteArray> m_copied; // records taken by Ctrl+C
    QVector<PresetNote> m_copiedNotes; // and their notes
    int m_noteRow = -1;           // the record the note editor shows
    QString m_notesProblem;       // why the notes file beside the memory was not read
};
