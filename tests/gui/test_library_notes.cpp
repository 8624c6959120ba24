// Notes and tags in the library: every operation that moves presets moves
// their notes in the same step, undone and redone with it; the editor below
// the table, the find by tag, the save beside the memory, and a notes file
// that can't be read.

#include "image_layout.h"
#include "librarydialog.h"
#include "notes_file.h"
#include "preset_list.h"
#include "presetfiltermodel.h"
#include "presetlibrarymodel.h"
#include "presets_support.h"
#include "presetsdialog.h"
#include "setlist.h"
#include "store.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

#include <functional>
#include <memory>

using namespace layout;

namespace {

using Edit = std::function<bool(PresetLibraryModel &)>;

QString nameOf(const PresetLibraryModel &model, int row)
{
    return model.index(row, PresetLibraryModel::NameColumn).data().toString();
}

// Each preset's note is its own name, so wherever the names go the notes
// must have gone too.
PresetNotes notesNamedAfterPresets(const PresetLibraryModel &model)
{
    PresetNotes notes = empty_notes();
    for (int i = 0; i < kPresetCount; ++i)
        notes[i] = {nameOf(model, i), {QStringLiteral("t%1").arg(i)}};
    return notes;
}

// The slots whose note is not the note of the preset they now hold.
QVector<int> notesAstray(const PresetLibraryModel &model, const PresetNotes &start, const QVector<int> &cleared)
{
    QHash<QString, PresetNote> byName;
    for (const PresetNote &note : start)
        byName.insert(note.text, note);
    QVector<int> astray;
    for (int i = 0; i < kPresetCount; ++i) {
        const PresetNote expected = cleared.contains(i) ? PresetNote() : byName.value(nameOf(model, i));
        if (model.note(i) != expected)
            astray << i;
    }
    return astray;
}

QMimeData *dragOf(PresetLibraryModel &model, const QVector<int> &rows)
{
    QModelIndexList indexes;
    for (int row : rows)
        indexes << model.index(row, 0);
    return model.mimeData(indexes);
}

QString status(librarydialog &dialog)
{
    return dialog.findChild<QLabel *>("statusLabel")->text();
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestLibraryNotes : public QObject
{
    Q_OBJECT

public slots:
    void ignoreUrl(const QUrl &) {} // stands in for the desktop's PDF viewer

private slots:
    void operationsMoveNotes_data();
    void operationsMoveNotes();
    void noteEditIsOneUndoStep();
    void editorFindAndSave();
    void unreadableNotesFile_data();
    void unreadableNotesFile();
    void sharedBankCarriesItsNotes();
    void setlistShowsNotesWhenAsked_data();
    void setlistShowsNotesWhenAsked();
    void presetsWindowShowsTheNotes();
};

void TestLibraryNotes::operationsMoveNotes_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QVector<int>>("cleared"); // slots left with no note

    QTest::newRow("swap") << Edit([](PresetLibraryModel &m) { return m.swap(0, 20); }) << QVector<int>{};
    QTest::newRow("swap lists") << Edit([](PresetLibraryModel &m) { return m.swapLists({1, 2}, {30, 31}); })
                                << QVector<int>{};
    QTest::newRow("swap banks") << Edit([](PresetLibraryModel &m) { return m.swapBanks(0, 29); }) << QVector<int>{};
    QTest::newRow("move up across banks") << Edit([](PresetLibraryModel &m) { return m.move({8, 9, 40}, -1); })
                                          << QVector<int>{};
    QTest::newRow("move down to the end") << Edit([](PresetLibraryModel &m) { return m.move({268}, 1); })
                                          << QVector<int>{};
    QTest::newRow("copy overlapping") << Edit([](PresetLibraryModel &m) { return m.copy({5, 6, 7}, 6); })
                                      << QVector<int>{};
    QTest::newRow("reset") << Edit([](PresetLibraryModel &m) {
        return m.reset({3, 100});
    }) << QVector<int>{3, 100};
    QTest::newRow("drop moves") << Edit([](PresetLibraryModel &m) {
        std::unique_ptr<QMimeData> data(dragOf(m, {0, 1}));
        return m.dropMimeData(data.get(), Qt::MoveAction, -1, -1, m.index(50, 0));
    }) << QVector<int>{};
    QTest::newRow("drop copies") << Edit([](PresetLibraryModel &m) {
        std::unique_ptr<QMimeData> data(dragOf(m, {12}));
        return m.dropMimeData(data.get(), Qt::CopyAction, -1, -1, m.index(200, 0));
    }) << QVector<int>{};
    QTest::newRow("paste with notes") << Edit([](PresetLibraryModel &m) {
        return m.replaceRecords("Paste", {{70, m.recordBytes(4)}}, {{70, m.note(4)}});
    }) << QVector<int>{};
}

void TestLibraryNotes::operationsMoveNotes()
{
    QFETCH(Edit, edit);
    QFETCH(QVector<int>, cleared);
    PresetsHome home;
    PresetLibraryModel model(config_image());
    // Distinct names first, so a copy and a reset show whose note went where.
    for (int i = 0; i < kPresetCount; ++i)
        model.rename(i, QStringLiteral("P%1").arg(i));
    model.markSaved();
    model.setFileNotes(notesNamedAfterPresets(model));
    model.undoStack()->clear();
    const PresetNotes start = model.notes();
    const QByteArray startImage(reinterpret_cast<const char *>(model.image()), kImageSize);

    QVERIFY(edit(model));
    QCOMPARE(model.undoStack()->count(), 1); // bytes and notes in one step
    QVERIFY(model.notes() != start);
    QCOMPARE(notesAstray(model, start, cleared), QVector<int>{});
    model.undoStack()->undo();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(model.image()), kImageSize), startImage);
    QVERIFY(model.notes() == start);
    QVERIFY(!model.differsFromFile());
    model.undoStack()->redo();
    QCOMPARE(notesAstray(model, start, cleared), QVector<int>{});
}

void TestLibraryNotes::noteEditIsOneUndoStep()
{
    PresetsHome home;
    PresetLibraryModel model(config_image());
    QVERIFY(model.setNote(7, {QStringLiteral("capo 2\nverse: roll back"), {QStringLiteral("verse")}}));
    QCOMPARE(model.index(7, PresetLibraryModel::NotesColumn).data().toString(), QString("#verse capo 2"));
    QVERIFY(model.notesDifferFromFile());
    QVERIFY(model.index(7, 0).data(Qt::AccessibleDescriptionRole).toString().endsWith("Notes: #verse capo 2"));
    PresetFilterModel changed(&model);
    changed.setFindText("changed");
    QCOMPARE(changed.rowCount(), 1); // a changed note is a changed preset
    QVERIFY(!model.setNote(7, {QString(2001, 'x'), {}}));         // refused
    QVERIFY(!model.setNote(7, {QString(), {QStringLiteral("a b")}})); // refused
    QCOMPARE(model.undoStack()->count(), 1);
    model.undoStack()->undo();
    QVERIFY(model.note(7).isEmpty());
    QVERIFY(!model.differsFromFile());
}

void TestLibraryNotes::editorFindAndSave()
{
    PresetsHome home;
    const QString notesPath = notes_file_path(home.configPath());
    {
        librarydialog dialog;
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *notes = dialog.findChild<QPlainTextEdit *>("notesEdit");
        auto *tags = dialog.findChild<QLineEdit *>("tagsEdit");
        dialog.selectRecords({12});
        notes->setFocus();
        QTest::keyClicks(notes, "needs a new delay time");
        notes->insertPlainText(QString(1990, 'x')); // a paste past 2000 characters is refused whole
        QCOMPARE(notes->toPlainText(), QString("needs a new delay time"));
        QVERIFY2(status(dialog).contains("at most 2000 characters"), qPrintable(status(dialog)));
        tags->setFocus(); // leaving the note keeps it
        QCOMPARE(dialog.model()->note(12).text, QString("needs a new delay time"));
        QTest::keyClicks(tags, "Verse #capo-2");
        QTest::keyClick(tags, Qt::Key_Return);
        QCOMPARE(dialog.model()->note(12).tags, (QStringList{"verse", "capo-2"}));
        QVERIFY(dialog.isVisible()); // Return keeps the tags, it does not save and close
        tags->setText("bad/tag");
        QTest::keyClick(tags, Qt::Key_Return);
        QVERIFY2(status(dialog).contains("\u201c/\u201d"), qPrintable(status(dialog)));
        QCOMPARE(dialog.model()->note(12).tags, (QStringList{"verse", "capo-2"}));

        auto *list = dialog.findChild<QListWidget *>("tagList");
        QCOMPARE(list->count(), 3); // all presets, then each tag
        list->setFocus();
        list->setCurrentRow(2);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(dialog.findChild<QLineEdit *>("filterEdit")->text(), QString("#verse"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.findChild<QTableView *>("presetTable")->model()->rowCount(), 1);
        dialog.findChild<QLineEdit *>("filterEdit")->setText("tag:capo-2 delay");
        QCOMPARE(dialog.findChild<QTableView *>("presetTable")->model()->rowCount(), 1);
        dialog.findChild<QLineEdit *>("filterEdit")->setText("#chorus");
        QCOMPARE(dialog.findChild<QTableView *>("presetTable")->model()->rowCount(), 0);

        const QByteArray memoryBefore = home.fileBytes();
        QVERIFY(dialog.save());
        QCOMPARE(home.fileBytes(), memoryBefore); // only the notes changed: the memory is not rewritten
        QVERIFY(QFileInfo::exists(notesPath));
    }
    librarydialog again;
    QCOMPARE(again.model()->note(12).text, QString("needs a new delay time"));
    QCOMPARE(again.model()->note(12).tags, (QStringList{"verse", "capo-2"}));
}

void TestLibraryNotes::unreadableNotesFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("said");
    QTest::newRow("not JSON") << QByteArray("{ nope") << "not JSON";
    QTest::newRow("another memory") << QByteArray(R"({"format":"vektor-notes","version":1,"memoryBytes":1024,)"
                                                   R"("presets":[]})")
                                    << "1024 bytes";
    QTest::newRow("slot outside") << QByteArray(R"({"format":"vektor-notes","version":1,"memoryBytes":93719,)"
                                                 R"("presets":[{"slot":270,"note":"x"}]})")
                                  << "outside 0\u2013269";
}

void TestLibraryNotes::unreadableNotesFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, said);
    PresetsHome home;
    const QString notesPath = notes_file_path(home.configPath());
    QVERIFY(writeWholeFile(notesPath, contents));
    librarydialog dialog;
    QVERIFY2(status(dialog).contains(said), qPrintable(status(dialog)));
    QCOMPARE(dialog.model()->rowCount(), kPresetCount); // the memory still opens
    dialog.model()->swap(0, 1);
    QVERIFY(dialog.save());
    QCOMPARE(readWholeFile(notesPath), contents); // kept while no note was saved over it
    dialog.model()->setNote(0, {QStringLiteral("fresh"), {}});
    QVERIFY(dialog.save());
    QCOMPARE(parse_notes(readWholeFile(notesPath), kImageSize).notes.at(0).text, QString("fresh"));
}

void TestLibraryNotes::sharedBankCarriesItsNotes()
{
    PresetsHome home;
    librarydialog dialog;
    dialog.show();
    QVERIFY(dialog.model()->setNote(10, {QStringLiteral("chorus: more gain"), {QStringLiteral("chorus")}}));
    QVERIFY(dialog.model()->setNote(46, {QStringLiteral("replaced"), {}}));
    QVERIFY(dialog.model()->setNote(60, {QStringLiteral("outside the bank"), {}}));
    const QString file = home.configPath() + "-bank.json";
    dialog.selectRecords({9});
    answerFileDialog(file);
    dialog.findChild<QPushButton *>("exportButton")->menu()->actions().at(1)->trigger(); // the bank
    const PresetNotes before = dialog.model()->notes();

    dialog.selectRecords({45});
    answerFileDialog(file);
    whenModal<QMessageBox>([](QMessageBox *box) {
        for (QAbstractButton *button : box->buttons())
            if (button->text() == "Import from 051 On")
                button->click();
    });
    dialog.findChild<QPushButton *>("importButton")->click();
    QCOMPARE(dialog.model()->note(46), before[10]); // 052 took 012's note
    QVERIFY(dialog.model()->note(45).isEmpty());
    QCOMPARE(dialog.model()->note(60).text, QString("outside the bank"));
    dialog.model()->undoStack()->undo(); // one step with the presets
    QVERIFY(dialog.model()->notes() == before);
}

void TestLibraryNotes::setlistShowsNotesWhenAsked_data()
{
    QTest::addColumn<QString>("answer"); // the button of the question, empty when none is asked
    QTest::addColumn<bool>("printed");
    QTest::newRow("no notes: no question") << QString() << true;
    QTest::newRow("names only") << "Names Only" << true;
    QTest::newRow("with tags and notes") << "With Tags and Notes" << true;
    QTest::newRow("cancel") << "Cancel" << false;
}

void TestLibraryNotes::setlistShowsNotesWhenAsked()
{
    QFETCH(QString, answer);
    QFETCH(bool, printed);
    PresetsHome home;
    librarydialog dialog;
    dialog.show();
    if (!answer.isEmpty())
        QVERIFY(dialog.model()->setNote(3, {QStringLiteral("capo 2\nsecond line"), {QStringLiteral("verse")}}));
    QDesktopServices::setUrlHandler("file", this, "ignoreUrl");
    const QString pdf = home.configPath() + "-setlist.pdf";
    auto asked = std::make_shared<bool>(false);
    if (!answer.isEmpty())
        whenModal<QMessageBox>([answer, asked](QMessageBox *box) {
            *asked = true;
            for (QAbstractButton *button : box->buttons())
                if (button->text() == answer)
                    button->click();
        });
    if (printed)
        answerFileDialog(pdf);
    dialog.findChild<QPushButton *>("printButton")->click();
    QCOMPARE(*asked, !answer.isEmpty());
    QCOMPARE(QFileInfo::exists(pdf), printed);
    QDesktopServices::unsetUrlHandler("file");
    // What the pages say, made the same way.
    PresetNotes notes = dialog.model()->notes();
    const QString text = make_setlist(dialog.model()->image(), "t", &notes).text;
    QCOMPARE(text.contains("#verse capo 2"), !answer.isEmpty());
    QVERIFY(!make_setlist(dialog.model()->image(), "t").text.contains("#verse"));
}

void TestLibraryNotes::presetsWindowShowsTheNotes()
{
    PresetsHome home;
    PresetNotes notes = empty_notes();
    notes[1] = {QStringLiteral("verse: roll the volume back"), {QStringLiteral("verse"), QStringLiteral("capo-2")}};
    QVERIFY(write_notes_file(notes_file_path(home.configPath()), notes, kImageSize));
    presetsdialog dialog(nullptr, config_image());
    auto *label = dialog.findChild<QLabel *>("presetNotesLabel");
    QVERIFY(label->text().startsWith("No note"));
    QVERIFY(label->toolTip().contains("Library"));
    QVERIFY(!label->accessibleName().isEmpty());
    dialog.findChild<QComboBox *>("presetComboBox")->setCurrentIndex(1);
    QCOMPARE(label->text(), QString("#verse #capo-2\nverse: roll the volume back"));
}

VEKTOR_TEST_MAIN(TestLibraryNotes)
#include "test_library_notes.moc"
