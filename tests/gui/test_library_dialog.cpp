// The preset library as a user drives it: opened from the main window,
// names typed in place, a drag and drop, the keys, a copy with its
// confirmation, leaving with unsaved changes, a save that fails, and the
// setlist PDF.

#include "copytargetdialog.h"
#include "fields.h"
#include "image_layout.h"
#include "librarydialog.h"
#include "mainwindow.h"
#include "presetlibrarymodel.h"
#include "preset_operations.h"
#include "presets_support.h"
#include "setlist.h"
#include "store.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QComboBox>
#include <QSplitter>
#include <QTableView>
#include <QUrl>

#include <cstring>

namespace {

QTableView *table(librarydialog &dialog)
{
    return dialog.findChild<QTableView *>("presetTable");
}

QString nameOf(librarydialog &dialog, int row)
{
    return dialog.model()->index(row, PresetLibraryModel::NameColumn).data().toString();
}

QString status(librarydialog &dialog)
{
    return dialog.findChild<QLabel *>("statusLabel")->text();
}

void click(QWidget &parent, const char *button)
{
    parent.findChild<QPushButton *>(button)->click();
}

QString fileName(int record)
{
    return name_text(reinterpret_cast<const unsigned char *>(readWholeFile(file_paths().configuration).constData())
                     + layout::presetOffset(record));
}

// Types any text key by key, including characters no key of the test
// keyboard carries.
void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, c.unicode() < 0x80 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown,
                            QString(c), Qt::NoModifier);
}

// Shows the dialog as the active window, so its keys reach it.
void showActive(librarydialog &dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    table(dialog)->setFocus();
}

// Stands in for the desktop's PDF viewer.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE void open(const QUrl &url) { urls << url; }
    QList<QUrl> urls;
};

} // namespace

class TestLibraryDialog : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowReloadsThenOpensTheLibrary();
    void namesAreRefusedWhileTyping();
    void dragAndDrop_data();
    void dragAndDrop();
    void keysMoveCopyResetAndUndo();
    void copyToNamesEveryOverwrittenPreset();
    void leavingWithUnsavedChanges_data();
    void leavingWithUnsavedChanges();
    void failedSaveKeepsTheEdits();
    void setlistPdf();
    void shareABankAndImportItElsewhere();
    void refusedDocumentChangesNothing();
};

void TestLibraryDialog::mainWindowReloadsThenOpensTheLibrary()
{
    PresetsHome home;
    MainWindow window;
    QCOMPARE(window.findChild<QSplitter *>("splitter")->count(), 3);
    std::memset(config_image() + layout::presetOffset(0), 'z', layout::kNameLength); // unsaved, in memory
    QString shown, title, className;
    const auto ran = whenModal<librarydialog>([&](librarydialog *dialog) {
        shown = nameOf(*dialog, 0);
        title = dialog->windowTitle();
        className = dialog->metaObject()->className();
        dialog->reject();
    });
    click(window, "pushButton_Library");
    QVERIFY(*ran);
    QCOMPARE(shown, QString("Preset 001"));
    QCOMPARE(title, QString("Preset Library"));
    QCOMPARE(className, QString("librarydialog"));
}

void TestLibraryDialog::namesAreRefusedWhileTyping()
{
    PresetsHome home;
    librarydialog dialog;
    dialog.show();
    table(dialog)->setCurrentIndex(table(dialog)->model()->index(2, PresetLibraryModel::SwitchingColumn));
    QTest::keyClick(table(dialog), Qt::Key_F2);
    auto *editor = dialog.findChild<QLineEdit *>("presetNameEditor");
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "Sixteen letters!");
    QTest::keyClicks(editor, "?");
    QCOMPARE(editor->text(), QString("Sixteen letters!"));
    QVERIFY2(status(dialog).contains("at most 16 characters"), qPrintable(status(dialog)));

    editor->clear();
    type(editor, QString::fromUtf8("Caf\u00e9 \u20ac"));
    QCOMPARE(editor->text(), QString::fromUtf8("Caf\u00e9 "));
    QVERIFY(status(dialog).contains(QString::fromUtf8("\u201c\u20ac\u201d can't be stored")));

    // A pasted name that is too long is refused whole, never cut.
    QApplication::clipboard()->setText("A name far too long to fit");
    editor->paste();
    QCOMPARE(editor->text(), QString::fromUtf8("Caf\u00e9 "));

    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(nameOf(dialog, 2), QString::fromUtf8("Caf\u00e9 "));
    QVERIFY(status(dialog).startsWith("Rename 003"));
    QVERIFY(dialog.isVisible()); // Return ends the rename, not the dialog
}

void TestLibraryDialog::dragAndDrop_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QStringList>("names"); // rows 0 and 4 afterwards
    QTest::addColumn<int>("favoriteOfButton1");
    QTest::newRow("drop swaps") << Qt::KeyboardModifiers() << QStringList{"Preset 005", "Preset 001"} << 4;
    QTest::newRow("Ctrl drop copies") << Qt::KeyboardModifiers(Qt::ControlModifier)
                                      << QStringList{"Preset 001", "Preset 001"} << 0;
}

void TestLibraryDialog::dragAndDrop()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QStringList, names);
    QFETCH(int, favoriteOfButton1);
    PresetsHome home;
    librarydialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTableView *view = table(dialog);
    dialog.selectRecords({0});

    // What a drag from row 0 carries, moved over row 4 and dropped there.
    std::unique_ptr<QMimeData> data(dialog.model()->mimeData(view->selectionModel()->selectedIndexes()));
    const QPoint from = view->visualRect(view->model()->index(0, 1)).center();
    const QPoint to = view->visualRect(view->model()->index(4, 1)).center();
    const Qt::DropActions actions = Qt::MoveAction | Qt::CopyAction;
    // The table's drags propose a move; Ctrl turns it into a copy.
    const Qt::DropAction proposed = modifiers & Qt::ControlModifier ? Qt::CopyAction : Qt::MoveAction;
    QDragEnterEvent enter(from, actions, data.get(), Qt::LeftButton, modifiers);
    enter.setDropAction(proposed);
    QApplication::sendEvent(view->viewport(), &enter);
    QDragMoveEvent move(to, actions, data.get(), Qt::LeftButton, modifiers);
    move.setDropAction(proposed);
    QApplication::sendEvent(view->viewport(), &move);
    QVERIFY(move.isAccepted());
    QDropEvent drop(to, actions, data.get(), Qt::LeftButton, modifiers);
    drop.setDropAction(proposed);
    QApplication::sendEvent(view->viewport(), &drop);

    QCOMPARE((QStringList{nameOf(dialog, 0), nameOf(dialog, 4)}), names);
    QCOMPARE(button_favorite(dialog.model()->image(), 0), favoriteOfButton1);
    QCOMPARE(status(dialog).contains("Footswitch favourites follow: button 1 now calls 005"),
             favoriteOfButton1 == 4);
    QCOMPARE(dialog.selectedRecords(), QVector<int>{4});
}

void TestLibraryDialog::keysMoveCopyResetAndUndo()
{
    PresetsHome home;
    librarydialog dialog;
    showActive(dialog);
    QWidget *view = table(dialog);
    dialog.selectRecords({8});
    QTest::keyClick(view, Qt::Key_Down, Qt::AltModifier); // across the bank border
    QCOMPARE(nameOf(dialog, 9), QString("Preset 009"));
    QCOMPARE(dialog.selectedRecords(), QVector<int>{9});
    QTest::keyClick(view, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(nameOf(dialog, 8), QString("Preset 009"));

    dialog.selectRecords({0, 1});
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    dialog.selectRecords({20});
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE((QStringList{nameOf(dialog, 20), nameOf(dialog, 21)}), (QStringList{"Preset 001", "Preset 002"}));

    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE((QStringList{nameOf(dialog, 20), nameOf(dialog, 21)}), (QStringList{"Preset 023", "Preset 024"}));
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(nameOf(dialog, 20), QString("Preset 001"));
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(nameOf(dialog, 20), QString("Preset 023"));
    QCOMPARE(dialog.findChild<QLabel *>("differenceLabel")->text(), QString("No changes"));
}

void TestLibraryDialog::copyToNamesEveryOverwrittenPreset()
{
    PresetsHome home;
    librarydialog dialog;
    dialog.show();
    dialog.selectRecords(bank_records(0));
    QStringList overwritten;
    const auto answered = whenModal<copytargetdialog>([&](copytargetdialog *target) {
        target->findChild<QRadioButton *>("bankRadioButton")->setChecked(true);
        target->findChild<QComboBox *>("bankComboBox")->setCurrentIndex(2);
        auto *list = target->findChild<QListWidget *>("overwrittenList");
        for (int k = 0; k < list->count(); ++k)
            overwritten << list->item(k)->text();
        target->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    click(dialog, "copyToButton");
    QVERIFY(*answered);
    QCOMPARE(overwritten.size(), 9);
    QCOMPARE(overwritten.first(), QString::fromUtf8("021 - Preset 021   \u2190   001 - Preset 001"));
    QCOMPARE(overwritten.last(), QString::fromUtf8("029 - Preset 029   \u2190   009 - Preset 009"));
    QCOMPARE(nameOf(dialog, 26), QString("Preset 009"));
    QCOMPARE(dialog.selectedRecords(), bank_records(2));
    QCOMPARE(button_favorite(dialog.model()->image(), 0), 0); // a copy leaves favourites alone
    QCOMPARE(dialog.findChild<QLabel *>("differenceLabel")->text(), QString("9 presets differ from the file"));
}

void TestLibraryDialog::leavingWithUnsavedChanges_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::newRow("Cancel, then Cancel") << "cancel" << int(QMessageBox::Cancel);
    QTest::newRow("Escape, then Discard") << "escape" << int(QMessageBox::Discard);
    QTest::newRow("close box, then Save") << "close" << int(QMessageBox::Save);
}

void TestLibraryDialog::leavingWithUnsavedChanges()
{
    QFETCH(QString, how);
    QFETCH(int, answer);
    PresetsHome home;
    const QByteArray file = home.fileBytes();
    librarydialog dialog;
    dialog.show();
    dialog.selectRecords({0, 1});
    click(dialog, "swapButton");

    QString question;
    const auto asked = whenModal<QMessageBox>([&](QMessageBox *box) {
        question = box->text();
        box->button(QMessageBox::StandardButton(answer))->click();
    });
    if (how == "cancel")
        dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
    else if (how == "escape")
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        dialog.close();
    QTRY_VERIFY(*asked);
    QCOMPARE(question, QString("Save changes to 2 presets?"));
    QCOMPARE(dialog.isVisible(), answer == QMessageBox::Cancel);
    if (answer == QMessageBox::Save) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(fileName(0), QString("Preset 002"));
        QCOMPARE(readWholeFile(home.configPath() + ".bak"), file);
    } else {
        QCOMPARE(home.fileBytes(), file);
    }

    // Without changes it just closes.
    librarydialog unchanged;
    unchanged.show();
    QTest::keyClick(&unchanged, Qt::Key_Escape);
    QVERIFY(!unchanged.isVisible());
}

void TestLibraryDialog::failedSaveKeepsTheEdits()
{
    PresetsHome home;
    librarydialog dialog;
    dialog.show();
    dialog.selectRecords({3, 4});
    click(dialog, "swapButton");
    file_paths().configuration = home.configPath() + "/no such folder/memory.bin";
    QString warning;
    const auto warned = whenModal<QMessageBox>([&](QMessageBox *box) {
        warning = box->text();
        box->accept();
    });
    dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Save)->click();
    QVERIFY(*warned);
    QVERIFY2(warning.contains(file_paths().configuration), qPrintable(warning));
    QVERIFY(dialog.isVisible());
    QCOMPARE(nameOf(dialog, 3), QString("Preset 005"));
    QCOMPARE(dialog.findChild<QLabel *>("differenceLabel")->text(), QString("2 presets differ from the file"));
}

void TestLibraryDialog::setlistPdf()
{
    PresetsHome home;
    for (int i = 0; i < layout::kPresetCount; ++i)
        write_name(presetRecord(i), QStringLiteral("Song %1 of 270").arg(i + 1));
    librarydialog dialog;
    dialog.show();
    UrlRecorder viewer;
    QDesktopServices::setUrlHandler("file", &viewer, "open");
    const QString pdf = home.configPath() + "-setlist"; // ".pdf" is added
    answerFileDialog(pdf);
    click(dialog, "printButton");
    QDesktopServices::unsetUrlHandler("file");

    const QByteArray written = readWholeFile(pdf + ".pdf");
    QVERIFY(written.startsWith("%PDF"));
    QCOMPARE(written.count("/Type /Page\n"), 2);
    QCOMPARE(viewer.urls, QList<QUrl>{QUrl::fromLocalFile(pdf + ".pdf")});

    const Setlist setlist = make_setlist(config_image(), "memory.bin");
    QCOMPARE(setlist.pages, 2);
    for (int i = 0; i < layout::kPresetCount; ++i)
        QVERIFY2(setlist.text.contains(QStringLiteral("Song %1 of 270").arg(i + 1)), qPrintable(QString::number(i)));
    QVERIFY2(setlist.nameSize >= 14, qPrintable(QString::number(setlist.nameSize)));

    // The widest names still fit two pages, in smaller type.
    for (int i = 0; i < layout::kPresetCount; ++i)
        write_name(presetRecord(i), QString(16, 'W'));
    const Setlist widest = make_setlist(config_image(), "memory.bin");
    QCOMPARE(widest.pages, 2);
    QVERIFY(widest.nameSize < setlist.nameSize);
}

// A bank exported with its edits and imported over another bank: the
// question names each slot with what it holds now and what comes, and the
// import is one step that undo takes back to the identical bytes.
void TestLibraryDialog::shareABankAndImportItElsewhere()
{
    PresetsHome home;
    librarydialog dialog;
    dialog.show();
    QVERIFY(dialog.model()->rename(9, "Verse"));
    const QString file = home.configPath() + "-bank.json";
    dialog.selectRecords({9});
    answerFileDialog(file);
    QPushButton *exportButton = dialog.findChild<QPushButton *>("exportButton");
    QVERIFY(exportButton->isEnabled());
    exportButton->menu()->actions().at(1)->trigger(); // the bank of the selected preset
    QVERIFY(readWholeFile(file).contains("\"slot\": \"019\""));
    QByteArray exported;
    for (int row = 9; row < 18; ++row)
        exported += dialog.model()->recordBytes(row);

    const QByteArray before(reinterpret_cast<const char *>(dialog.model()->image()), layout::kImageSize);
    dialog.selectRecords({45}); // preset 051
    answerFileDialog(file);
    QString question;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        question = box->text() + "\n" + box->informativeText();
        for (QAbstractButton *button : box->buttons())
            if (button->text() == "Import from 051 On")
                button->click();
    });
    click(dialog, "importButton");
    QVERIFY2(question.contains(QString::fromUtf8("051  \"Preset 051\"  \u2192  \"Verse\"")), qPrintable(question));
    QVERIFY2(question.contains(QString::fromUtf8("059  \"Preset 059\"  \u2192  \"Preset 019\"")), qPrintable(question));
    QByteArray imported;
    for (int row = 45; row < 54; ++row)
        imported += dialog.model()->recordBytes(row);
    QCOMPARE(imported, exported);
    QCOMPARE(dialog.selectedRecords().first(), 45);

    dialog.model()->undoStack()->undo();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(dialog.model()->image()), layout::kImageSize), before);
}

void TestLibraryDialog::refusedDocumentChangesNothing()
{
    PresetsHome home;
    librarydialog dialog;
    dialog.show();
    const QString file = home.configPath() + "-bad.json";
    QVERIFY(writeWholeFile(file, "{\"format\": \"vektor-readable\", \"version\": 99}"));
    const QByteArray before(reinterpret_cast<const char *>(dialog.model()->image()), layout::kImageSize);
    answerFileDialog(file);
    QString warning;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        warning = box->text();
        box->accept();
    });
    click(dialog, "importButton");
    QVERIFY2(warning.startsWith("memory.bin-bad.json can't be imported: version"), qPrintable(warning));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(dialog.model()->image()), layout::kImageSize), before);
    QVERIFY(!dialog.model()->undoStack()->canUndo());
}

VEKTOR_TEST_MAIN(TestLibraryDialog)
#include "test_library_dialog.moc"
