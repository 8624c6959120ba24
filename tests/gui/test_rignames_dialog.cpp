// The Rig Names window: what it shows, what typing in its tables makes of
// a device's names, choosing and importing files (the DAW package's real
// ones where installed), and OK writing the rig file where Cancel does not.

#include "fields.h"
#include "image_layout.h"
#include "mainwindow.h"
#include "midnam_folders.h"
#include "midnam_reader.h"
#include "namechooserdialog.h"
#include "presets_support.h"
#include "rig_names.h"
#include "rig_names_table.h"
#include "rignamesdialog.h"
#include "store.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using namespace layout;

namespace {

RigNames ampRig()
{
    RigNames rig;
    PatchBank user;
    user.name = QStringLiteral("User");
    user.msb = 1;
    user.lsb = 0;
    user.patches = {{0, "1A", "Plexi Lead"}, {3, "1D", "Fuzz Wall"}};
    rig.devices[2].banks = {user};
    rig.devices[2].source.typed = true;
    rig.devices[2].controls = {{11, "Wah"}};
    return rig;
}

class RigHome : public PresetsHome
{
public:
    RigHome()
    {
        write_name(config_image() + deviceOffset(2), QStringLiteral("Amp"));
        saveImage();
        set_rig_names(ampRig());
    }
    ~RigHome() { set_rig_names(RigNames()); }
    QString rigPath() const { return rig_file_path(configPath()); }
    QString beside(const QString &name) const { return QFileInfo(configPath()).absolutePath() + "/" + name; }
};

QTableWidget *programs(rignamesdialog &dialog) { return dialog.findChild<QTableWidget *>("programTable"); }
QTableWidget *controls(rignamesdialog &dialog) { return dialog.findChild<QTableWidget *>("controlTable"); }

void type(QTableWidget *table, int row, int column, const QString &text)
{
    table->item(row, column)->setText(text);
}

const char *const kHomemade = R"(<?xml version="1.0" encoding="UTF-8"?>
<MIDINameDocument><Author>test</Author><MasterDeviceNames>
 <Manufacturer>Homemade</Manufacturer><Model>Bench Amp</Model>
 <CustomDeviceMode Name="Default"><ChannelNameSetAssignments>
  <ChannelNameSetAssign Channel="1" NameSet="Sounds"/></ChannelNameSetAssignments></CustomDeviceMode>
 <ChannelNameSet Name="Sounds"><AvailableForChannels><AvailableChannel Channel="1" Available="true"/>
  </AvailableForChannels><PatchBank Name="Presets"><PatchNameList>
  <Patch Number="A1" Name="Bench Clean" ProgramChange="0"/><Patch Number="A2" Name="Bench Drive" ProgramChange="1"/>
  <Patch Number="A3" Name="Out of range" ProgramChange="200"/></PatchNameList></PatchBank></ChannelNameSet>
</MasterDeviceNames></MIDINameDocument>
)";

} // namespace

class TestRigNamesDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsTheDevicesAndTheirNames();
    void typingChangesTheNames_data();
    void typingChangesTheNames();
    void addedRowTakesTheNextFreeProgram();
    void okWritesTheRigFileAndCancelDoesNot_data();
    void okWritesTheRigFileAndCancelDoesNot();
    void importsAFile_data();
    void importsAFile();
    void refusedFileChangesNothing();
    void choosesAnInstalledModel();
    void exportsWhatTheReaderReadsBack();
    void mainWindowLoadsTheRig_data();
    void mainWindowLoadsTheRig();
};

void TestRigNamesDialog::showsTheDevicesAndTheirNames()
{
    RigHome home;
    rignamesdialog dialog(nullptr, config_image(), home.configPath());
    auto *devices = dialog.findChild<QListWidget *>("deviceList");
    QCOMPARE(devices->count(), 16);
    QCOMPARE(devices->item(2)->text(), QString("03 - Amp"));
    dialog.setCurrentDevice(2);
    QCOMPARE(programs(dialog)->rowCount(), 2);
    QStringList row;
    for (int column = MsbColumn; column <= SoundNameColumn; ++column)
        row << programs(dialog)->item(1, column)->text();
    QCOMPARE(row, (QStringList{"1", "0", "3", "1D", "Fuzz Wall"}));
    QCOMPARE(controls(dialog)->rowCount(), 128);
    QCOMPARE(controls(dialog)->item(11, 1)->text(), QString("Wah"));
    QCOMPARE(dialog.findChild<QLabel *>("sourceLabel")->text(), ampRig().devices[2].source.describe());
    // A device without names offers a row for each program to type in.
    dialog.setCurrentDevice(5);
    QCOMPARE(programs(dialog)->rowCount(), 128);
    QCOMPARE(programs(dialog)->item(127, ProgramColumn)->text(), QString("127"));
}

void TestRigNamesDialog::typingChangesTheNames_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    // What the device then calls programs 3 and 7 at bank 1/0.
    QTest::addColumn<QString>("program3");
    QTest::addColumn<QString>("program7");
    QTest::newRow("rename a sound") << 2 << 1 << int(SoundNameColumn) << "Brown Sound" << "Brown Sound (1D)" << "";
    QTest::newRow("new label") << 2 << 1 << int(NumberLabelColumn) << "9Z" << "Fuzz Wall (9Z)" << "";
    QTest::newRow("move to another program") << 2 << 1 << int(ProgramColumn) << "7" << "" << "Fuzz Wall (1D)";
    QTest::newRow("into another bank") << 2 << 1 << int(MsbColumn) << "5" << "" << "";
    QTest::newRow("name emptied: sound gone") << 2 << 1 << int(SoundNameColumn) << "" << "" << "";
    // A bank without bank select answers any bank select.
    QTest::newRow("first name of an empty device") << 6 << 7 << int(SoundNameColumn) << "Dotted 8ths" << ""
                                                   << "Dotted 8ths";
}

void TestRigNamesDialog::typingChangesTheNames()
{
    QFETCH(int, device);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, program3);
    QFETCH(QString, program7);
    RigHome home;
    rignamesdialog dialog(nullptr, config_image(), home.configPath());
    dialog.setCurrentDevice(device);
    type(programs(dialog), row, column, text);
    const DeviceNames &names = dialog.workingRig().devices[device];
    QCOMPARE(patch_text(find_patch(names, true, 1, 0, 3)), program3);
    QCOMPARE(patch_text(find_patch(names, true, 1, 0, 7)), program7);
    QVERIFY(names.source.typed);
    // Plexi Lead stays where it was, whatever happened to its neighbour.
    if (device == 2)
        QCOMPARE(patch_text(find_patch(names, true, 1, 0, 0)), QString("Plexi Lead (1A)"));
    QCOMPARE(rig_names(), ampRig()); // nothing reaches the editor before OK
}

void TestRigNamesDialog::addedRowTakesTheNextFreeProgram()
{
    RigHome home;
    rignamesdialog dialog(nullptr, config_image(), home.configPath());
    dialog.setCurrentDevice(2);
    programs(dialog)->setCurrentCell(1, SoundNameColumn);
    dialog.findChild<QAction *>("addSoundAction")->trigger();
    QCOMPARE(programs(dialog)->rowCount(), 3);
    type(programs(dialog), 2, SoundNameColumn, "Octave");
    // In the bank of the row it was added from, at its first free program.
    QCOMPARE(patch_text(find_patch(dialog.workingRig().devices[2], true, 1, 0, 1)), QString("Octave"));
    QCOMPARE(patch_text(find_patch(dialog.workingRig().devices[2], true, 1, 0, 3)), QString("Fuzz Wall (1D)"));
}

void TestRigNamesDialog::okWritesTheRigFileAndCancelDoesNot_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestRigNamesDialog::okWritesTheRigFileAndCancelDoesNot()
{
    QFETCH(bool, ok);
    RigHome home;
    rignamesdialog dialog(nullptr, config_image(), home.configPath());
    dialog.setCurrentDevice(2);
    type(controls(dialog), 7, 1, "Volume");
    const RigNames edited = dialog.workingRig();
    if (ok)
        dialog.accept();
    else
        dialog.reject();
    QCOMPARE(QFileInfo::exists(home.rigPath()), ok);
    QCOMPARE(rig_names(), ok ? edited : ampRig());
    if (ok) {
        const RigRead read = read_rig_file(home.rigPath());
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.rig, edited);
        QCOMPARE(control_name(read.rig.devices[2], 7), QString("Volume"));
    }
}

void TestRigNamesDialog::importsAFile_data()
{
    QTest::addColumn<QString>("file");        // beside the memory, or a real file's path
    QTest::addColumn<QByteArray>("contents"); // empty: the real file as it is
    QTest::addColumn<int>("firstProgram");
    QTest::addColumn<int>("program");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<bool>("warned");
    QTest::newRow("plain list from 0") << "list.txt" << QByteArray("Clean\nCrunch\nLead\n") << 0 << 2 << "Lead" << false;
    QTest::newRow("plain list from 1") << "list.txt" << QByteArray("Clean\nCrunch\nLead\n") << 1 << 2 << "Lead (3)"
                                       << false;
    QTest::newRow("MIDNAM with a bad patch: kept, with a warning")
        << "bench.midnam" << QByteArray(kHomemade) << -1 << 1 << "Bench Drive (A2)" << true;
    QString pod = QStringLiteral("Line_6_POD.midnam (not installed)");
    for (const QString &folder : midnam_folders(QString()))
        if (QFileInfo::exists(folder + "/Line_6_POD.midnam"))
            pod = folder + "/Line_6_POD.midnam";
    QTest::newRow("the DAW package's POD") << pod << QByteArray() << -1 << 0 << "Plexi Lead (1A)" << false;
}

void TestRigNamesDialog::importsAFile()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contents);
    QFETCH(int, firstProgram);
    QFETCH(int, program);
    QFETCH(QString, sound);
    QFETCH(bool, warned);
    RigHome home;
    QString path = file;
    if (contents.isEmpty()) {
        if (!QFileInfo::exists(path))
            QSKIP("the DAW package's MIDNAM files are not installed");
    } else {
        path = home.beside(file);
        QVERIFY(writeWholeFile(path, contents));
    }
    rignamesdialog dialog(nullptr, config_image(), home.configPath());
    dialog.setCurrentDevice(4);
    auto note = std::make_shared<QString>();
    if (warned)
        whenModal<QMessageBox>([note](QMessageBox *box) {
            *note = box->text();
            box->accept();
        });
    QVERIFY(dialog.takeNamesFrom(path, firstProgram));
    if (warned) {
        QTRY_VERIFY(!note->isEmpty());
        QVERIFY2(note->contains("1 "), qPrintable(*note)); // one patch left out, said once
    }
    const DeviceNames &names = dialog.workingRig().devices[4];
    QCOMPARE(patch_text(find_patch(names, false, -1, -1, program)), sound);
    QCOMPARE(names.source.file, QFileInfo(path).absoluteFilePath());
    QVERIFY(!names.source.typed);
    QCOMPARE(dialog.findChild<QLabel *>("sourceLabel")->text(), names.source.describe());
}

void TestRigNamesDialog::refusedFileChangesNothing()
{
    RigHome home;
    const QString path = home.beside("broken.midnam");
    QVERIFY(writeWholeFile(path, "<MIDINameDocument><MasterDeviceNames>"));
    rignamesdialog dialog(nullptr, config_image(), home.configPath());
    dialog.setCurrentDevice(2);
    auto said = std::make_shared<QString>();
    whenModal<QMessageBox>([said](QMessageBox *box) {
        *said = box->text();
        box->accept();
    });
    QVERIFY(!dialog.takeNamesFrom(path));
    QVERIFY2(said->contains("broken.midnam") && said->contains("line"), qPrintable(*said));
    QCOMPARE(dialog.workingRig(), ampRig());
    QCOMPARE(programs(dialog)->rowCount(), 2);
}

void TestRigNamesDialog::choosesAnInstalledModel()
{
    RigHome home;
    QVERIFY(QDir().mkpath(home.beside("midnam")));
    QVERIFY(writeWholeFile(home.beside("midnam/bench.midnam"), kHomemade));
    rignamesdialog dialog(nullptr, config_image(), home.configPath());
    dialog.setCurrentDevice(9);
    // The chooser, then the note about the patch left out.
    const auto chosen = whenModal<namechooserdialog>([](namechooserdialog *chooser) {
        chooser->setFilterText("bench amp");
        chooser->accept();
        whenModal<QMessageBox>([](QMessageBox *box) { box->accept(); });
    });
    dialog.findChild<QPushButton *>("chooseButton")->click();
    QVERIFY(*chosen);
    const DeviceNames &names = dialog.workingRig().devices[9];
    QCOMPARE(names.source.manufacturer, QString("Homemade"));
    QCOMPARE(names.source.model, QString("Bench Amp"));
    QCOMPARE(patch_text(find_patch(names, false, -1, -1, 0)), QString("Bench Clean (A1)"));
}

void TestRigNamesDialog::exportsWhatTheReaderReadsBack()
{
    RigHome home;
    rignamesdialog dialog(nullptr, config_image(), home.configPath());
    const QString path = home.beside("rig.midnam");
    const auto answered = answerFileDialog(path);
    dialog.findChild<QPushButton *>("exportButton")->click();
    QVERIFY(*answered);
    const NamesFileRead read = read_names_file(path);
    QVERIFY2(read.ok() && read.modes.size() == 1, qPrintable(read.error));
    QVERIFY2(read.modes[0].model.contains("Amp"), qPrintable(read.modes[0].model)); // named by the memory
    QCOMPARE(patch_text(find_patch(read.modes[0].names, true, 1, 0, 3)), QString("Fuzz Wall (1D)"));
}

void TestRigNamesDialog::mainWindowLoadsTheRig_data()
{
    QTest::addColumn<QByteArray>("rigFile"); // empty: none beside the memory
    QTest::addColumn<bool>("named");
    QTest::addColumn<bool>("said");
    QTest::newRow("no rig file") << QByteArray() << false << false;
    QTest::newRow("a rig file") << rig_file_bytes(ampRig()) << true << false;
    QTest::newRow("a rig file cut short") << rig_file_bytes(ampRig()).left(40) << false << true;
}

void TestRigNamesDialog::mainWindowLoadsTheRig()
{
    QFETCH(QByteArray, rigFile);
    QFETCH(bool, named);
    QFETCH(bool, said);
    RigHome home;
    set_rig_names(RigNames());
    if (!rigFile.isEmpty())
        QVERIFY(writeWholeFile(home.rigPath(), rigFile));
    MainWindow window;
    QCOMPARE(rig_names(), named ? ampRig() : RigNames());
    // Posted after the window's own: it runs inside the box's loop if the
    // window says something, and on its own if not.
    int boxes = 0;
    bool looked = false;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            ++boxes;
            box->accept();
        }
        looked = true;
    });
    QTRY_VERIFY(looked);
    QCOMPARE(boxes, said ? 1 : 0);
}

VEKTOR_TEST_MAIN(TestRigNamesDialog)
#include "test_rignames_dialog.moc"
