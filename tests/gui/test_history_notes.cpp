// The history keeps the notes beside the memory with each version: a
// restore brings back the memory and its notes, the compare names the
// notes that changed, and the restore itself can be undone with its notes.

#include "configuration_saves.h"
#include "fields.h"
#include "historydialog.h"
#include "image_fixtures.h"
#include "image_layout.h"
#include "notes_file.h"
#include "notes_file_write.h"
#include "store.h"
#include "test_support.h"
#include "utility_support.h"
#include "version_keeping.h"
#include "version_list_model.h"
#include "version_name.h"

#include <QAbstractItemView>
#include <QDir>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QByteArray renamed(const QString &name)
{
    QByteArray image = factoryImage();
    write_name(reinterpret_cast<unsigned char *>(image.data()) + layout::presetOffset(12) + layout::preset::kName,
               name);
    return image;
}

PresetNotes oneNote(const QString &text, const QStringList &tags)
{
    PresetNotes notes = empty_notes();
    notes[12] = {text, tags};
    return notes;
}

NotesRead notesNow()
{
    return read_notes_file(notes_file_path(file_paths().configuration), layout::kImageSize);
}

void selectRow(historydialog &dialog, int row)
{
    auto *list = dialog.findChild<QAbstractItemView *>("versionList");
    list->selectionModel()->clear();
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void restore(historydialog &dialog, int row)
{
    selectRow(dialog, row);
    auto question = std::make_shared<SeenBox>();
    handleModalsInTurn({answerMessageBoxStep(question, QMessageBox::Yes)});
    dialog.findChild<QPushButton *>("restoreButton")->click();
    QVERIFY(question->shown);
}

} // namespace

class TestHistoryNotes : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;

private slots:
    void init()
    {
        home.reset();
        home.reset(new TempHome);
        reset_history_problem();
        prepare_editor_home(*home);
        QVERIFY(writeWholeFile(file_paths().configuration, renamed("First")));
    }

    void restoreBringsBackTheNotes_data();
    void restoreBringsBackTheNotes();
    void compareNamesChangedNotes();
    void notesGoWithTheirVersions();
    void notesAloneKeepAVersion_data();
    void notesAloneKeepAVersion();
};

void TestHistoryNotes::restoreBringsBackTheNotes_data()
{
    QTest::addColumn<bool>("firstHadNotes");
    QTest::newRow("kept with notes") << true;
    QTest::newRow("kept before there were notes") << false;
}

void TestHistoryNotes::restoreBringsBackTheNotes()
{
    QFETCH(bool, firstHadNotes);
    const QString notesPath = notes_file_path(file_paths().configuration);
    const PresetNotes first = firstHadNotes ? oneNote("capo 2", {"verse"}) : empty_notes();
    if (firstHadNotes)
        QVERIFY(write_notes_file(notesPath, first, layout::kImageSize));
    QVERIFY(save_configuration_bytes(renamed("Second"), SaveOperation::LibrarySave));
    const PresetNotes second = oneNote("capo 4", {"chorus", "live"});
    QVERIFY(write_notes_file(notesPath, second, layout::kImageSize));

    historydialog dialog;
    QCOMPARE(dialog.versions()->rowCount(), 1);
    restore(dialog, 0);
    QCOMPARE(readWholeFile(file_paths().configuration), renamed("First"));
    QVERIFY(notesNow().ok());
    QVERIFY(notesNow().notes == first);

    // The restore kept the file as it was, with its notes: restoring that undoes it.
    QCOMPARE(dialog.versions()->rowCount(), 2);
    restore(dialog, 0);
    QCOMPARE(readWholeFile(file_paths().configuration), renamed("Second"));
    QVERIFY(notesNow().notes == second);
}

void TestHistoryNotes::compareNamesChangedNotes()
{
    const QString notesPath = notes_file_path(file_paths().configuration);
    QVERIFY(write_notes_file(notesPath, oneNote("capo 2", {"verse"}), layout::kImageSize));
    QVERIFY(save_configuration_bytes(renamed("Second"), SaveOperation::LibrarySave));
    QVERIFY(write_notes_file(notesPath, oneNote("capo 2", {"verse", "live"}), layout::kImageSize));
    historydialog dialog;
    selectRow(dialog, 0);
    dialog.findChild<QPushButton *>("compareButton")->click();
    auto *tree = dialog.findChild<QTreeWidget *>("changeTree");
    QTreeWidgetItem *notes = tree->topLevelItem(tree->topLevelItemCount() - 1);
    QCOMPARE(notes->text(0), QString("Notes and tags"));
    QCOMPARE(notes->childCount(), 1);
    QCOMPARE(notes->child(0)->text(0), QString("preset 014 \"First\" tags: added #live"));
}

void TestHistoryNotes::notesGoWithTheirVersions()
{
    const QString folder = history_folder(file_paths().configuration);
    QDir().mkpath(folder);
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-30);
    for (int i = 0; i < kKeptVersions + 2; ++i) {
        const QString version = folder + "/" + version_file_name(start.addSecs(i), SaveOperation::Save, "memory.bin");
        QVERIFY(writeWholeFile(version, factoryImage()));
        QVERIFY(writeWholeFile(version_notes_path(version), "{}"));
    }
    const QStringList oldest = QDir(folder).entryList(QDir::Files, QDir::Name).mid(0, 6);
    QVERIFY(save_configuration_bytes(renamed("Second"), SaveOperation::LibrarySave));
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    // The notes count for nothing: as many versions as ever, each with its notes but the newest.
    QCOMPARE(files.size(), 2 * kKeptVersions - 1);
    for (const QString &gone : oldest)
        QVERIFY2(!files.contains(gone), qPrintable(gone));
}

void TestHistoryNotes::notesAloneKeepAVersion_data()
{
    QTest::addColumn<bool>("memoryJustKept");
    QTest::addColumn<int>("versions");
    QTest::newRow("only the notes change") << false << 1;
    QTest::newRow("the memory's own version holds them") << true << 0;
}

// Changing only the notes must not lose the notes as they were: the memory
// as it stands is kept with them, and a restore puts back just the notes.
void TestHistoryNotes::notesAloneKeepAVersion()
{
    QFETCH(bool, memoryJustKept);
    QFETCH(int, versions);
    const QString memory = file_paths().configuration;
    const PresetNotes first = oneNote("capo 2", {"verse"});
    QVERIFY(write_notes_file(notes_file_path(memory), first, layout::kImageSize));
    const PresetNotes second = oneNote("capo 4", {"live"});
    QVERIFY(replace_notes_file(memory, second, layout::kImageSize, SaveOperation::LibrarySave,
                               memoryJustKept ? MemoryVersion::JustKept : MemoryVersion::NotKept));
    QVERIFY(notesNow().notes == second);
    // The same notes again keep nothing more.
    QVERIFY(replace_notes_file(memory, second, layout::kImageSize, SaveOperation::LibrarySave, MemoryVersion::NotKept));
    historydialog dialog;
    QCOMPARE(dialog.versions()->rowCount(), versions);
    if (versions == 0)
        return;
    restore(dialog, 0);
    QCOMPARE(readWholeFile(memory), renamed("First"));
    QVERIFY(notesNow().notes == first);
    // The notes the restore replaced went into the history in turn.
    QCOMPARE(dialog.versions()->rowCount(), 2);
}

VEKTOR_TEST_MAIN(TestHistoryNotes)
#include "test_history_notes.moc"
