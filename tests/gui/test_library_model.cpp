// The library's model against the image it works on: each edit changes the
// records and favourites it should, reports it in one line, and undo brings
// back the image byte for byte.

#include "fields.h"
#include "image_fixtures.h"
#include "image_layout.h"
#include "preset_operations.h"
#include "presetlibrarymodel.h"
#include "test_support.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QUndoStack>

#include <functional>
#include <memory>

namespace {

using Edit = std::function<bool(PresetLibraryModel &)>;

QByteArray imageOf(const PresetLibraryModel &model)
{
    return QByteArray(reinterpret_cast<const char *>(model.image()), layout::kImageSize);
}

QString nameOf(const PresetLibraryModel &model, int row)
{
    return model.index(row, PresetLibraryModel::NameColumn).data().toString();
}

std::unique_ptr<PresetLibraryModel> factoryModel()
{
    static const QByteArray factory = factoryImage();
    return std::make_unique<PresetLibraryModel>(reinterpret_cast<const unsigned char *>(factory.constData()));
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestLibraryModel : public QObject
{
    Q_OBJECT

private slots:
    void editsAndTheirReports_data();
    void editsAndTheirReports();
    void undoingEverythingGivesTheSameBytes();
    void refusedRenameLeavesNoStep();
    void dropsSwapOrCopy_data();
    void dropsSwapOrCopy();
};

void TestLibraryModel::editsAndTheirReports_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QStringList>("names"); // rows 0, 1, 9, 10, 20 afterwards
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("differing");

    // The factory favourites: button k calls record k.
    QTest::newRow("swap") << Edit([](PresetLibraryModel &m) { return m.swap(0, 20); })
                          << QStringList{"Preset 023", "Preset 002", "Preset 011", "Preset 012", "Preset 001"}
                          << "Swap 001 and 023. Footswitch favourites follow: button 1 now calls 023." << 2;
    QTest::newRow("move across banks") << Edit([](PresetLibraryModel &m) { return m.move({8, 9}, -1); })
                                       << QStringList{"Preset 001", "Preset 002", "Preset 008", "Preset 012",
                                                      "Preset 023"}
                                       << "Move 2 presets up. Footswitch favourites follow: button 8 now calls 011, "
                                          "button 9 now calls 008."
                                       << 3;
    QTest::newRow("copy to many") << Edit([](PresetLibraryModel &m) { return m.copy({0, 1}, 9); })
                                  << QStringList{"Preset 001", "Preset 002", "Preset 001", "Preset 002", "Preset 023"}
                                  << "Copy 2 presets to 011\u2013012." << 2;
    QTest::newRow("swap banks") << Edit([](PresetLibraryModel &m) { return m.swapBanks(0, 1); })
                                << QStringList{"Preset 011", "Preset 012", "Preset 001", "Preset 002", "Preset 023"}
                                << "Swap banks 001\u2013009 and 011\u2013019. Footswitch favourites follow: button 1 "
                                   "now calls 011, button 2 now calls 012, button 3 now calls 013, button 4 now calls "
                                   "014, button 5 now calls 015, button 6 now calls 016, button 7 now calls 017, "
                                   "button 8 now calls 018, button 9 now calls 019."
                                << 18;
    QTest::newRow("rename") << Edit([](PresetLibraryModel &m) { return m.rename(10, QString::fromUtf8("Caf\u00e9 Solo")); })
                            << QStringList{"Preset 001", "Preset 002", "Preset 011", QString::fromUtf8("Caf\u00e9 Solo"),
                                           "Preset 023"}
                            << QString::fromUtf8("Rename 012 to \u201cCaf\u00e9 Solo\u201d.") << 1;
}

void TestLibraryModel::editsAndTheirReports()
{
    QFETCH(Edit, edit);
    QFETCH(QStringList, names);
    QFETCH(QString, report);
    QFETCH(int, differing);

    auto model = factoryModel();
    const QByteArray before = imageOf(*model);
    QSignalSpy changed(model.get(), &PresetLibraryModel::changed);
    QSignalSpy rows(model.get(), &QAbstractItemModel::dataChanged);
    QVERIFY(edit(*model));
    QStringList shown;
    for (int row : {0, 1, 9, 10, 20})
        shown << nameOf(*model, row);
    QCOMPARE(shown, names);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), report);
    QVERIFY(!rows.isEmpty());
    QCOMPARE(model->presetsDifferingFromFile(), differing);
    QCOMPARE(model->undoStack()->count(), 1);

    model->undoStack()->undo();
    QVERIFY(imageOf(*model) == before);
    QVERIFY(!model->differsFromFile());
    QVERIFY(changed.last().at(0).toString().startsWith("Undone: "));
    if (report.contains("favourites"))
        QVERIFY(changed.last().at(0).toString().contains("Footswitch favourites put back: button"));
}

void TestLibraryModel::undoingEverythingGivesTheSameBytes()
{
    QByteArray start = randomBytes(layout::kImageSize, 11);
    auto *bytes = reinterpret_cast<unsigned char *>(start.data());
    for (int k = 0; k < layout::kButtonCount; ++k)
        write_word(bytes + layout::buttonOffset(k) + layout::button::kFavorite, 3 * k + 1);
    PresetLibraryModel model(bytes);

    QVERIFY(model.swap(1, 269));
    QVERIFY(model.move({3, 4, 8}, 1));
    QVERIFY(model.copy(bank_records(2), 100));
    QVERIFY(model.reset({0, 7, 200}));
    QVERIFY(model.rename(5, "Ballad"));
    QVERIFY(model.swapBanks(29, 0));
    QVERIFY(model.replaceRecords("Import", {{50, QByteArray(layout::kPresetRecordSize, 'x')}}));
    const QByteArray after = imageOf(model);
    QCOMPARE(model.undoStack()->count(), 7);

    while (model.undoStack()->canUndo())
        model.undoStack()->undo();
    QVERIFY(imageOf(model) == start);
    while (model.undoStack()->canRedo())
        model.undoStack()->redo();
    QVERIFY(imageOf(model) == after);

    model.markSaved();
    QVERIFY(!model.differsFromFile());
    model.undoStack()->undo();
    QCOMPARE(model.presetsDifferingFromFile(), 1);
}

void TestLibraryModel::refusedRenameLeavesNoStep()
{
    auto model = factoryModel();
    const QModelIndex name = model->index(3, PresetLibraryModel::NameColumn);
    QVERIFY(!model->setData(name, QString(17, 'a')));
    QVERIFY(!model->setData(name, QString::fromUtf8("\u20ac")));
    QVERIFY(!model->setData(name, QVariant())); // what a view sends to clear an item
    QVERIFY(!model->setData(model->index(3, PresetLibraryModel::ProgramChangeColumn), "x"));
    QVERIFY(!model->rename(3, "Preset 004")); // the name it has
    QCOMPARE(model->undoStack()->count(), 0);
    QVERIFY(model->setData(name, QString(16, 'a')));
    QCOMPARE(nameOf(*model, 3), QString(16, 'a'));
}

void TestLibraryModel::dropsSwapOrCopy_data()
{
    QTest::addColumn<QVector<int>>("dragged");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("target");
    QTest::addColumn<QStringList>("names"); // rows 0..3 afterwards, or empty when refused

    QTest::newRow("swap one") << QVector<int>{0} << int(Qt::MoveAction) << 3
                              << QStringList{"Preset 004", "Preset 002", "Preset 003", "Preset 001"};
    QTest::newRow("copy one") << QVector<int>{0} << int(Qt::CopyAction) << 3
                              << QStringList{"Preset 001", "Preset 002", "Preset 003", "Preset 001"};
    QTest::newRow("swap two") << QVector<int>{0, 1} << int(Qt::MoveAction) << 2
                              << QStringList{"Preset 003", "Preset 004", "Preset 001", "Preset 002"};
    QTest::newRow("onto itself") << QVector<int>{1} << int(Qt::MoveAction) << 1 << QStringList();
    QTest::newRow("overlapping swap") << QVector<int>{0, 1} << int(Qt::MoveAction) << 1 << QStringList();
    QTest::newRow("copy past the end") << QVector<int>{0, 1} << int(Qt::CopyAction) << 269 << QStringList();
}

void TestLibraryModel::dropsSwapOrCopy()
{
    QFETCH(QVector<int>, dragged);
    QFETCH(int, action);
    QFETCH(int, target);
    QFETCH(QStringList, names);

    auto model = factoryModel();
    QModelIndexList indexes;
    for (int row : dragged)
        indexes << model->index(row, 0) << model->index(row, 1);
    std::unique_ptr<QMimeData> data(model->mimeData(indexes));
    QSignalSpy placed(model.get(), &PresetLibraryModel::recordsPlaced);
    const QModelIndex on = model->index(target, 1);
    QCOMPARE(model->dropMimeData(data.get(), Qt::DropAction(action), -1, -1, on), !names.isEmpty());
    if (names.isEmpty()) {
        QCOMPARE(model->undoStack()->count(), 0);
        return;
    }
    QStringList shown;
    for (int row = 0; row < 4; ++row)
        shown << nameOf(*model, row);
    QCOMPARE(shown, names);
    QCOMPARE(placed.size(), 1);
    QCOMPARE(placed.at(0).at(0).value<QVector<int>>().first(), target);

    // A drag from another library is not taken.
    auto other = factoryModel();
    QVERIFY(!other->canDropMimeData(data.get(), Qt::CopyAction, -1, -1, other->index(100, 1)));
}

VEKTOR_TEST_MAIN(TestLibraryModel)
#include "test_library_model.moc"
