// The utility dialog's form and its file operations: preset lists, preset
// copy, factory reset, dump import, and sends whose source is missing.

#include "image_fixtures.h"
#include "test_support.h"
#include "utility_support.h"

#include "default_image.h"
#include "dump_codec.h"
#include "fields.h"
#include "image_layout.h"
#include "store.h"
#include "utilitydialog.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

void renamePreset(QByteArray &image, int i, const QString &name)
{
    write_name(reinterpret_cast<unsigned char *>(image.data()) + layout::presetOffset(i), name);
}

QString listText(utilitydialog &dialog, const char *list, int i)
{
    return dialog.findChild<QComboBox *>(list)->itemText(i);
}

void click(utilitydialog &dialog, const char *button)
{
    dialog.findChild<QPushButton *>(button)->click();
}

} // namespace

class TestUtilityDialog : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void presetLists();
    void copyPresetRewritesOneRecord();
    void factoryResetRewritesFileAndLists();
    void importVektorSysEx_data();
    void importVektorSysEx();
    void sendWithoutSourceSendsNothing_data();
    void sendWithoutSourceSendsNothing();
    void firmwareTooLargeForOneDumpIsNotSent();
};

void TestUtilityDialog::startState()
{
    TempHome home;
    prepare_editor_home(home);
    utilitydialog dialog(nullptr);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Utility"));
    auto *progress = dialog.findChild<QProgressBar *>("progressBar_SysEx");
    QCOMPARE(progress->value(), 0);
    QVERIFY(!progress->isVisible());
    for (const char *hidden : {"labelInputPortName", "labelReceivedBytes", "pushButtonStopReception"})
        QVERIFY2(!dialog.findChild<QWidget *>(hidden)->isVisible(), hidden);

    // Tab order of the form, up to the button box.
    QStringList chain;
    QWidget *w = dialog.findChild<QWidget *>("copyPresetPushButton");
    for (int i = 0; i < 4; ++i) {
        chain << w->objectName();
        w = w->nextInFocusChain();
    }
    QCOMPARE(chain, (QStringList{"copyPresetPushButton", "presetFromComboBox", "presetToComboBox",
                                 "factoryResetPushButton"}));
    auto *buttonBox = dialog.findChild<QWidget *>("buttonBox");
    QVERIFY(w == buttonBox || buttonBox->isAncestorOf(w));

    // The count label shows the count at each tick of its timer.
    auto *count = dialog.findChild<QLabel *>("labelReceivedBytes");
    QTRY_COMPARE(count->text(), QString("<font color='red'>0 bytes received</font>"));
}

void TestUtilityDialog::presetLists()
{
    TempHome home;
    prepare_editor_home(home);
    utilitydialog dialog(nullptr);
    for (const char *name : {"presetFromComboBox", "presetToComboBox"}) {
        auto *list = dialog.findChild<QComboBox *>(name);
        QCOMPARE(list->count(), 270);
        QCOMPARE(list->itemText(0), QString("001 - Preset 001"));
        QCOMPARE(list->itemText(8), QString("009 - Preset 009"));
        QCOMPARE(list->itemText(9), QString("011 - Preset 011"));
        QCOMPARE(list->itemText(269), QString("299 - Preset 299"));
        QCOMPARE(list->itemData(200).toInt(), 200);
    }
}

void TestUtilityDialog::copyPresetRewritesOneRecord()
{
    TempHome home;
    prepare_editor_home(home);
    QByteArray before = factoryImage();
    renamePreset(before, 0, "Clean Boost");
    before[layout::presetOffset(0) + 100] = 42;
    QVERIFY(writeWholeFile(home.configPath(), before));

    utilitydialog dialog(nullptr);
    dialog.findChild<QComboBox *>("presetFromComboBox")->setCurrentIndex(0);
    dialog.findChild<QComboBox *>("presetToComboBox")->setCurrentIndex(12);
    click(dialog, "copyPresetPushButton");

    QCOMPARE(listText(dialog, "presetToComboBox", 12), QString("014 - Clean Boost"));
    QCOMPARE(listText(dialog, "presetFromComboBox", 12), QString("014 - Clean Boost"));
    QCOMPARE(listText(dialog, "presetFromComboBox", 13), QString("015 - Preset 015"));

    QByteArray expected = before;
    expected.replace(layout::presetOffset(12), layout::kPresetRecordSize,
                     before.mid(layout::presetOffset(0), layout::kPresetRecordSize));
    QCOMPARE(readWholeFile(home.configPath()), expected);
}

void TestUtilityDialog::factoryResetRewritesFileAndLists()
{
    TempHome home;
    prepare_editor_home(home);
    QByteArray edited = factoryImage();
    renamePreset(edited, 3, "Lead");
    edited[layout::kMidiChannel] = 9;
    QVERIFY(writeWholeFile(home.configPath(), edited));

    utilitydialog dialog(nullptr);
    QCOMPARE(listText(dialog, "presetToComboBox", 3), QString("004 - Lead"));
    click(dialog, "factoryResetPushButton");
    QCOMPARE(readWholeFile(home.configPath()), factoryImage());
    QCOMPARE(listText(dialog, "presetToComboBox", 3), QString("004 - Preset 004"));
    QCOMPARE(listText(dialog, "presetFromComboBox", 3), QString("004 - Preset 004"));
}

void TestUtilityDialog::importVektorSysEx_data()
{
    QTest::addColumn<QString>("dumpKind");
    QTest::addColumn<bool>("imported");
    QTest::addColumn<QString>("message");
    QTest::newRow("whole dump") << "dump" << true << "Copied %dump to %config";
    QTest::newRow("no dump file") << "missing" << false << "Couldn't read %dump: %config was left unchanged.";
    QTest::newRow("empty dump file") << "empty" << false
                                     << "%dump holds no data packet: %config was left unchanged.";
    QTest::newRow("header and end only") << "nodata" << false
                                         << "%dump holds no data packet: %config was left unchanged.";
}

void TestUtilityDialog::importVektorSysEx()
{
    QFETCH(QString, dumpKind);
    QFETCH(bool, imported);
    QFETCH(QString, message);
    TempHome home;
    prepare_editor_home(home);
    const FilePaths &paths = file_paths();

    QByteArray dumped = factoryImage();
    renamePreset(dumped, 7, "From the dump");
    const QString source = home.path() + "/memory.bin";
    QVERIFY(writeWholeFile(source, dumped));
    QVERIFY(binary_to_sysex(source, paths.dump) > 0);
    if (dumpKind == "missing")
        QFile::remove(paths.dump);
    else if (dumpKind == "empty")
        QVERIFY(writeWholeFile(paths.dump, QByteArray()));
    else if (dumpKind == "nodata")
        QVERIFY(writeWholeFile(paths.dump, QByteArray::fromHex("f07e00070100626966200000000061f7f07e007b00f7")));

    const QByteArray before = readWholeFile(paths.configuration);
    utilitydialog dialog(nullptr);
    auto box = acceptNextMessageBox();
    click(dialog, "pushButton_CopySysExToBinary");
    QVERIFY(box->shown);
    QCOMPARE(box->title, QString("File conversion"));
    QCOMPARE(box->text, QString(message).replace("%dump", paths.dump).replace("%config", paths.configuration));
    QCOMPARE(readWholeFile(paths.configuration), imported ? dumped : before);
    QCOMPARE(listText(dialog, "presetFromComboBox", 7),
             imported ? QString("008 - From the dump") : QString("008 - Preset 008"));
}

void TestUtilityDialog::sendWithoutSourceSendsNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("firmware");
    QTest::newRow("send sysex") << "pushButton_SendSysEx" << "Send SysEx" << false;
    QTest::newRow("update firmware") << "pushButton_UpdateFirmware" << "Update Firmware" << true;
}

void TestUtilityDialog::sendWithoutSourceSendsNothing()
{
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(bool, firmware);
    TempHome home;
    prepare_editor_home(home);
    const FilePaths &paths = file_paths();
    if (!firmware)
        QFile::remove(paths.configuration);
    const QString source = firmware ? paths.firmwareBinary : paths.configuration;
    const QString dumpFile = firmware ? paths.firmwareSysex : paths.dump;

    utilitydialog dialog(nullptr);
    auto box = acceptNextMessageBox();
    click(dialog, button.toLatin1().constData());
    // The first modal widget is the warning, not the port dialog.
    QVERIFY(box->shown);
    QCOMPARE(box->title, title);
    QCOMPARE(box->text, QString("Couldn't read %1: nothing was sent.").arg(source));
    QVERIFY(!QFile::exists(dumpFile));
    QVERIFY(dialog.findChildren<QDialog *>("midiportsdialog").isEmpty());
}

// A dump carries at most 131,072 source bytes: a longer firmware would reach
// the controller cut short.
void TestUtilityDialog::firmwareTooLargeForOneDumpIsNotSent()
{
    TempHome home;
    prepare_editor_home(home);
    const FilePaths &paths = file_paths();
    QVERIFY(writeWholeFile(paths.firmwareBinary, QByteArray(dump::kMaxSourceBytes + 1, 'x')));
    utilitydialog dialog(nullptr);
    auto box = acceptNextMessageBox();
    click(dialog, "pushButton_UpdateFirmware");
    QVERIFY(box->shown);
    QCOMPARE(box->text, QString("%1 is larger than 131072 bytes, more than one dump can carry: nothing was sent.")
                            .arg(paths.firmwareBinary));
    QVERIFY(!QFile::exists(paths.firmwareSysex));
}

VEKTOR_TEST_MAIN(TestUtilityDialog)
#include "test_utility_dialog.moc"
