// Edit Selected as a player uses it: one field set across the selected
// presets from the library, the preview, one undo step, and vektor-tool set
// writing the same bytes.

#include "bulkeditdialog.h"
#include "fields.h"
#include "image_layout.h"
#include "librarydialog.h"
#include "presetlibrarymodel.h"
#include "presets_support.h"
#include "store.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

#include <cstring>

using namespace layout;

namespace {

// 011-019 and 101, as the table selects them and the tool lists them.
const QVector<int> kSelected{9, 10, 11, 12, 13, 14, 15, 16, 17, 90};
const QString kSelectedList = QStringLiteral("011-019,101");

// Device 5 is the delay; its program change is on in the selected presets
// but 015, and in 001, which is not selected. Device 3 calls program 126
// everywhere, control change 1 sends CC 11.
void prepareImage()
{
    unsigned char *image = config_image();
    write_name(image + deviceOffset(4) + device::kName, QStringLiteral("Delay"));
    for (int i = 0; i < kPresetCount; ++i) {
        unsigned char *record = image + presetOffset(i);
        record[preset::programChangeOffset(4) + programchange::kEnabled] = (i == 0 || kSelected.contains(i)) && i != 13;
        record[preset::programChangeOffset(2) + programchange::kNumber] = 126;
        record[preset::controlChangeOffset(0) + controlchange::kNumber] = 11;
    }
}

QByteArray imageOf(const PresetLibraryModel &model)
{
    return QByteArray(reinterpret_cast<const char *>(model.image()), kImageSize);
}

// Runs Edit Selected from the library with the field and value chosen by
// their texts, then OK.
bool editSelected(librarydialog &library, const QString &field, const QString &value)
{
    bool chosen = false;
    const auto ran = whenModal<bulkeditdialog>([&](bulkeditdialog *dialog) {
        chosen = dialog->chooseField(field) && dialog->chooseValue(value);
        dialog->accept();
    });
    library.findChild<QPushButton *>("bulkEditButton")->click();
    return *ran && chosen;
}

int runTool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(VEKTOR_TOOL), arguments);
    if (!tool.waitForFinished(60000))
        return -1;
    return tool.exitCode();
}

} // namespace

class TestBulkEdit : public QObject
{
    Q_OBJECT

private slots:
    void oneFieldAcrossTheSelection_data();
    void oneFieldAcrossTheSelection();
    void previewCountsApartWhatAlreadyHoldsIt();
    void typingNarrowsTheFields();
    void cancelChangesNothing();
};

void TestBulkEdit::oneFieldAcrossTheSelection_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("assignment"); // the same for vektor-tool set
    QTest::addColumn<int>("offset");         // into the record
    QTest::addColumn<int>("expected");       // the byte every selected preset gets
    QTest::addColumn<int>("unchanged");      // selected presets that held it already

    QTest::newRow("program-change flag") << "Device 5 (Delay): program change on" << "off"
                                         << "programChanges[5].enabled=false"
                                         << preset::programChangeOffset(4) + programchange::kEnabled << 0 << 1;
    // 126 + 2 runs past 127 and wraps round, as the windows fit a byte.
    QTest::newRow("number stepped past the top") << "Device 3 (Device 2): program change number" << "+2"
                                                 << "programChanges[3].number=0"
                                                 << preset::programChangeOffset(2) + programchange::kNumber << 0 << 0;
    QTest::newRow("control-change entry") << "Control change 1: number" << "012" << "controlChanges[1].number=12"
                                          << preset::controlChangeOffset(0) + controlchange::kNumber << 12 << 0;
    QTest::newRow("relay") << "Relay 2" << "on" << "relays[2]=1" << preset::kRelays + 1 << 1 << 0;
}

void TestBulkEdit::oneFieldAcrossTheSelection()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, assignment);
    QFETCH(int, offset);
    QFETCH(int, expected);
    QFETCH(int, unchanged);
    PresetsHome home;
    prepareImage();
    librarydialog library;
    library.show();
    PresetLibraryModel &model = *library.model();
    const QByteArray before = imageOf(model);
    library.selectRecords(kSelected);
    QVERIFY(editSelected(library, field, value));

    const QByteArray after = imageOf(model);
    int changed = 0;
    for (int at = 0; at < kImageSize; ++at) {
        const bool inPresets = at >= kPresetsStart && at < kSystemSectionStart;
        const int record = (at - kPresetsStart) / kPresetRecordSize;
        const bool theField = inPresets && kSelected.contains(record) && (at - kPresetsStart) % kPresetRecordSize == offset;
        if (theField)
            QCOMPARE(int(static_cast<unsigned char>(after[at])), expected);
        else if (after[at] != before[at])
            QFAIL(qPrintable(QStringLiteral("byte %1 changed, outside the field or the selection").arg(at)));
        changed += after[at] != before[at];
    }
    QCOMPARE(changed, kSelected.size() - unchanged);
    QCOMPARE(model.undoStack()->count(), 1);

    // The tool, given the same memory, writes the same bytes.
    const QString memory = home.configPath() + QStringLiteral(".set.bin");
    QVERIFY(writeWholeFile(memory, before));
    QCOMPARE(runTool({QStringLiteral("set"), memory, QStringLiteral("--presets"), kSelectedList, assignment}), 0);
    QVERIFY(readWholeFile(memory) == after);

    model.undoStack()->undo();
    QVERIFY(imageOf(model) == before);
}

void TestBulkEdit::previewCountsApartWhatAlreadyHoldsIt()
{
    PresetsHome home;
    prepareImage();
    bulkeditdialog dialog(nullptr, config_image(), kSelected);
    QVERIFY(dialog.chooseField(QStringLiteral("Device 5 (Delay): program change on")));
    QVERIFY(dialog.chooseValue(QStringLiteral("off")));
    auto *list = dialog.findChild<QListWidget *>("previewList");
    QCOMPARE(list->count(), 9);
    QCOMPARE(list->item(0)->text(), QString::fromUtf8("011 Preset 011: Delay program change on \u2192 off"));
    QCOMPARE(dialog.findChild<QLabel *>("previewLabel")->text(), QString("9 presets change. 1 already holds it."));
    QCOMPARE(dialog.changeText(), QString("Set Delay program change to off in 9 presets"));

    // A control-change number stored outside its list shows a blank box:
    // there is nothing to step from, and it stays as it is.
    config_image()[presetOffset(9) + preset::controlChangeOffset(0) + controlchange::kNumber] = char(200);
    bulkeditdialog stepping(nullptr, config_image(), kSelected);
    QVERIFY(stepping.chooseField(QStringLiteral("Control change 1: number")));
    QVERIFY(stepping.chooseValue(QStringLiteral("-20")));
    QCOMPARE(stepping.findChild<QListWidget *>("previewList")->item(0)->text(),
             QString::fromUtf8("012 Preset 012: Control change 1 number 011 \u2192 000"));
    QCOMPARE(stepping.result().changedRecords.size(), 9);
    QCOMPARE(stepping.result().numberlessRecords, QVector<int>{9});
}

void TestBulkEdit::typingNarrowsTheFields()
{
    PresetsHome home;
    prepareImage();
    bulkeditdialog dialog(nullptr, config_image(), kSelected);
    dialog.show();
    auto *fields = dialog.findChild<QComboBox *>("fieldCombo");
    fields->lineEdit()->selectAll(); // as Tab into the box leaves it
    QTest::keyClicks(fields->lineEdit(), "delay");
    QCompleter *completer = fields->completer();
    QCOMPARE(completer->completionCount(), 5); // device 5's program change, number, bank select, MSB, LSB
    QTest::keyClicks(fields->lineEdit(), "): bank select");
    QCOMPARE(completer->completionCount(), 1);
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    QCOMPARE(fields->currentText(), QString("Device 5 (Delay): bank select on"));
    QCOMPARE(dialog.findChild<QComboBox *>("valueCombo")->count(), 2);
}

// Ctrl+E opens it from the table, as the button does.
void TestBulkEdit::cancelChangesNothing()
{
    PresetsHome home;
    prepareImage();
    librarydialog library;
    library.show();
    QApplication::setActiveWindow(&library);
    QVERIFY(QTest::qWaitForWindowActive(&library));
    const QByteArray before = imageOf(*library.model());
    library.selectRecords(kSelected);
    bool chosen = false;
    const auto ran = whenModal<bulkeditdialog>([&](bulkeditdialog *dialog) {
        chosen = dialog->chooseField(QStringLiteral("Loop 3")) && dialog->chooseValue(QStringLiteral("on"));
        dialog->reject();
    });
    QTest::keyClick(library.findChild<QTableView *>("presetTable"), Qt::Key_E, Qt::ControlModifier);
    QVERIFY(*ran && chosen);
    QVERIFY(imageOf(*library.model()) == before);
    QCOMPARE(library.model()->undoStack()->count(), 0);
}

VEKTOR_TEST_MAIN(TestBulkEdit)
#include "test_bulk_edit.moc"
