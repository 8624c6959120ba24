// The library's find: the library's operations on the presets found touch
// only those, the keys of the find field, and the Check list selecting the
// presets of a finding.

#include "fields.h"
#include "image_layout.h"
#include "librarydialog.h"
#include "presetlibrarymodel.h"
#include "presets_support.h"
#include "setlist.h"
#include "store.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>

#include <functional>
#include <memory>

using namespace layout;

namespace {

using Operation = std::function<void(librarydialog &dialog, QTableView *view)>;

QTableView *tableOf(librarydialog &dialog)
{
    return dialog.findChild<QTableView *>("presetTable");
}

QLineEdit *findField(librarydialog &dialog)
{
    return dialog.findChild<QLineEdit *>("filterEdit");
}

QString nameOf(librarydialog &dialog, int record)
{
    return name_text(dialog.model()->image() + presetOffset(record));
}

// Three "Solo" presets among factory ones: 004, 045 and 299.
void nameSolos()
{
    write_name(presetRecord(3), QStringLiteral("Solo Lead"));
    write_name(presetRecord(40), QStringLiteral("Solo Clean"));
    write_name(presetRecord(269), QString::fromUtf8("Sólo Wah"));
}

void dragRowOntoRow(QTableView *view, int from, int to)
{
    view->selectRow(from);
    std::unique_ptr<QMimeData> data(view->model()->mimeData(view->selectionModel()->selectedIndexes()));
    const QPoint at = view->visualRect(view->model()->index(to, 1)).center();
    QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestLibraryFind : public QObject
{
    Q_OBJECT

private slots:
    void operationsTouchOnlyTheFound_data();
    void operationsTouchOnlyTheFound();
    void findFieldKeys();
    void checkSelectsTheFindingsPresets();
    void setlistOfTheFound();
};

void TestLibraryFind::operationsTouchOnlyTheFound_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QVector<int>>("changed"); // records that differ afterwards
    QTest::addColumn<QStringList>("names");    // of 004, 045, 299 afterwards

    const auto clickButton = [](const char *name) {
        return Operation([name](librarydialog &dialog, QTableView *) {
            dialog.findChild<QPushButton *>(name)->click();
        });
    };
    QTest::newRow("swap the first and last found")
        << Operation([](librarydialog &dialog, QTableView *view) {
               view->selectionModel()->clearSelection();
               view->selectRow(0);
               view->selectionModel()->select(view->model()->index(2, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
               dialog.findChild<QPushButton *>("swapButton")->click();
           })
        << QVector<int>{3, 269} << QStringList{QString::fromUtf8("Sólo Wah"), "Solo Clean", "Solo Lead"};
    QTest::newRow("reset all found")
        << Operation([=](librarydialog &dialog, QTableView *view) {
               view->selectAll();
               clickButton("resetButton")(dialog, view);
           })
        << QVector<int>{3, 40, 269} << QStringList{"Preset 004", "Preset 045", "Preset 299"};
    QTest::newRow("move the second found down one slot")
        << Operation([=](librarydialog &dialog, QTableView *view) {
               view->selectRow(1);
               clickButton("moveDownButton")(dialog, view);
           })
        << QVector<int>{40, 41} << QStringList{"Solo Lead", "Preset 046", QString::fromUtf8("Sólo Wah")};
    QTest::newRow("drop found row 0 on found row 1")
        << Operation([](librarydialog &, QTableView *view) { dragRowOntoRow(view, 0, 1); })
        << QVector<int>{3, 40} << QStringList{"Solo Clean", "Solo Lead", QString::fromUtf8("Sólo Wah")};
    QTest::newRow("rename found row 2 in place")
        << Operation([](librarydialog &, QTableView *view) {
               view->model()->setData(view->model()->index(2, PresetLibraryModel::NameColumn), "Solo Fuzz");
           })
        << QVector<int>{269} << QStringList{"Solo Lead", "Solo Clean", "Solo Fuzz"};
}

void TestLibraryFind::operationsTouchOnlyTheFound()
{
    QFETCH(Operation, operation);
    QFETCH(QVector<int>, changed);
    QFETCH(QStringList, names);
    PresetsHome home;
    nameSolos();
    const QByteArray before(reinterpret_cast<const char *>(config_image()), kImageSize);
    librarydialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(findField(dialog), "solo");
    QTableView *view = tableOf(dialog);
    QCOMPARE(view->model()->rowCount(), 3);
    QCOMPARE(dialog.findChild<QLabel *>("filterCountLabel")->text(), QString("3 of 270 presets"));

    operation(dialog, view);

    QVector<int> differing;
    for (int i = 0; i < kPresetCount; ++i)
        if (dialog.model()->recordBytes(i) != before.mid(presetOffset(i), kPresetRecordSize))
            differing << i;
    QCOMPARE(differing, changed);
    QCOMPARE((QStringList{nameOf(dialog, 3), nameOf(dialog, 40), nameOf(dialog, 269)}), names);
    // Undo is the library's as ever: one step puts everything back.
    dialog.model()->undoStack()->undo();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(dialog.model()->image()), kImageSize), before);
}

void TestLibraryFind::findFieldKeys()
{
    PresetsHome home;
    nameSolos();
    librarydialog dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    tableOf(dialog)->setFocus();
    QLineEdit *field = findField(dialog);
    QCOMPARE(field->placeholderText(), QString("Find presets"));
    QTest::keyClick(&dialog, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(field->hasFocus());
    QTest::keyClicks(field, "SOLO");
    QCOMPARE(tableOf(dialog)->model()->rowCount(), 3);
    QTest::keyClick(field, Qt::Key_Escape);
    QCOMPARE(field->text(), QString());
    QCOMPARE(tableOf(dialog)->model()->rowCount(), kPresetCount);
    QVERIFY(!dialog.findChild<QLabel *>("filterCountLabel")->isVisible());
    QVERIFY(dialog.isVisible()); // the first Escape clears, it doesn't close
}

void TestLibraryFind::checkSelectsTheFindingsPresets()
{
    PresetsHome home;
    nameSolos();
    presetRecord(40)[preset::programChangeOffset(5) + programchange::kEnabled] = 1; // device 6 is off
    librarydialog dialog;
    dialog.show();
    QTest::keyClicks(findField(dialog), "lead"); // hides 045
    dialog.findChild<QPushButton *>("checkButton")->click();
    auto *list = dialog.findChild<QListWidget *>("findingList");
    QVERIFY(list && list->isVisible());
    QVERIFY2(list->item(0)->text().contains("06 - Device 5"), qPrintable(list->item(0)->text()));
    list->setCurrentRow(0);
    QCOMPARE(dialog.selectedRecords(), QVector<int>{40});
    QCOMPARE(findField(dialog)->text(), QString()); // the find gave way to show it
}

void TestLibraryFind::setlistOfTheFound()
{
    PresetsHome home;
    nameSolos();
    const Setlist setlist = make_setlist_of(config_image(), {3, 40}, "memory.bin");
    QVERIFY(setlist.text.contains("004 Solo Lead") && setlist.text.contains("045 Solo Clean"));
    QVERIFY(!setlist.text.contains(QString::fromUtf8("Sólo Wah")) && !setlist.text.contains("Preset 005"));
    QCOMPARE(setlist.pages, 2); // the other slots keep their places
}

VEKTOR_TEST_MAIN(TestLibraryFind)
#include "test_library_find.moc"
