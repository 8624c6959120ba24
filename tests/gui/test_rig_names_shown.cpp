// The rig's names beside the numbers: the presets window's sound labels and
// its choice by name, the control-change window's names, the library's
// program-change column, its find and the printed setlist.

#include "controlchangedialog.h"
#include "fields.h"
#include "image_layout.h"
#include "librarydialog.h"
#include "namechooserdialog.h"
#include "preset_query.h"
#include "preset_sound_column.h"
#include "presetlibrarymodel.h"
#include "presets_support.h"
#include "presetsdialog.h"
#include "rig_names.h"
#include "setlist.h"
#include "store.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

using namespace layout;

namespace {

// Channel 3 ("Amp") names sounds in three banks, channel 4 ("Wah") controls;
// the factory presets send to channels 1 and 2 only.
constexpr int kAmp = 2;
constexpr int kWah = 3;

RigNames testRig()
{
    RigNames rig;
    rig.devices[kAmp].banks = {PatchBank{"", -1, -1, {{0, "1A", "Clean"}, {5, "2B", "Plexi Lead"}}},
                               PatchBank{"", 1, 0, {{5, "", "Fuzz Wall"}}}, PatchBank{"", 2, -1, {{5, "", "Octave"}}}};
    rig.devices[kWah].controls = {{7, "Volume"}, {11, "Expression"}};
    return rig;
}

void sendProgram(int record, int program, int msb = -1, int lsb = 0)
{
    unsigned char *entry = presetRecord(record) + preset::programChangeOffset(kAmp);
    entry[programchange::kEnabled] = 1;
    entry[programchange::kNumber] = static_cast<unsigned char>(program);
    entry[programchange::kBankSelectEnabled] = msb >= 0;
    entry[programchange::kMsbBank] = static_cast<unsigned char>(msb < 0 ? 0 : msb);
    entry[programchange::kLsbBank] = static_cast<unsigned char>(lsb);
}

// A memory whose presets call the rig's sounds, with the rig in use.
class NamedRigHome : public PresetsHome
{
public:
    NamedRigHome()
    {
        write_name(config_image() + deviceOffset(kAmp), QStringLiteral("Amp"));
        sendProgram(3, 5);       // Plexi Lead
        sendProgram(40, 5);      // Plexi Lead
        sendProgram(50, 5, 1, 0); // Fuzz Wall
        sendProgram(60, 9);      // unnamed
        unsigned char *entry = presetRecord(70) + preset::controlChangeOffset(2); // Expression
        entry[controlchange::kEnabled] = 1;
        entry[controlchange::kDevice] = kWah;
        entry[controlchange::kNumber] = 11;
        saveImage();
        set_rig_names(testRig());
    }
    ~NamedRigHome() { set_rig_names(RigNames()); }
};

template <typename T>
T *get(QObject &parent, const char *name)
{
    return parent.findChild<T *>(QLatin1String(name));
}

} // namespace

class TestRigNamesShown : public QObject
{
    Q_OBJECT

private slots:
    void soundLabelFollowsTheRow_data();
    void soundLabelFollowsTheRow();
    void choosingByNameSetsTheRow_data();
    void choosingByNameSetsTheRow();
    void controlChangeNameLabel_data();
    void controlChangeNameLabel();
    void libraryProgramChangeColumn_data();
    void libraryProgramChangeColumn();
    void findBySoundName_data();
    void findBySoundName();
    void setlistPrintsTheSounds();
};

void TestRigNamesShown::soundLabelFollowsTheRow_data()
{
    QTest::addColumn<bool>("bankSelect");
    QTest::addColumn<int>("msb");
    QTest::addColumn<int>("lsb");
    QTest::addColumn<int>("program");
    QTest::addColumn<QString>("label");
    QTest::newRow("no bank select, labelled") << false << 0 << 0 << 5 << "Plexi Lead (2B)";
    QTest::newRow("another program of the bank") << false << 7 << 7 << 0 << "Clean (1A)";
    QTest::newRow("MSB and LSB bank") << true << 1 << 0 << 5 << "Fuzz Wall";
    QTest::newRow("MSB-only bank, any LSB") << true << 2 << 9 << 5 << "Octave";
    QTest::newRow("no sound with that program") << false << 0 << 0 << 9 << "";
    QTest::newRow("bank without that program") << true << 1 << 0 << 9 << "";
}

void TestRigNamesShown::soundLabelFollowsTheRow()
{
    QFETCH(bool, bankSelect);
    QFETCH(int, msb);
    QFETCH(int, lsb);
    QFETCH(int, program);
    QFETCH(QString, label);
    NamedRigHome home;
    presetsdialog dialog(nullptr, config_image());
    auto *number = get<QComboBox>(dialog, "presetProgramChangeNumber3ComboBox");
    get<QCheckBox>(dialog, "presetProgramChange3EnabledCheckBox")->setChecked(true);
    number->setCurrentIndex(program == 5 ? 0 : 5); // another sound first: the label must follow
    get<QCheckBox>(dialog, "presetBankSelect3EnabledCheckBox")->setChecked(bankSelect);
    get<QComboBox>(dialog, "presetMsb3ComboBox")->setCurrentIndex(msb);
    get<QComboBox>(dialog, "presetLsb3ComboBox")->setCurrentIndex(lsb);
    number->setCurrentIndex(program);
    QCOMPARE(get<QLabel>(dialog, "presetProgramSound3Label")->text(), label);
    QCOMPARE(number->currentText(), QString::asprintf("%03d", program)); // the number stays
    QCOMPARE(get<QLabel>(dialog, "presetProgramSound1Label")->text(), QString()); // a device without names
}

void TestRigNamesShown::choosingByNameSetsTheRow_data()
{
    QTest::addColumn<QString>("find"); // typed in the chooser
    QTest::addColumn<bool>("bankSelect");
    QTest::addColumn<int>("msb");
    QTest::addColumn<int>("lsb");
    QTest::addColumn<QString>("label");
    QTest::newRow("bank without bank select") << "plexi" << false << 4 << 4 << "Plexi Lead (2B)";
    QTest::newRow("both bank selects") << "FUZZ" << true << 1 << 0 << "Fuzz Wall";
    QTest::newRow("MSB only keeps the LSB") << "octave" << true << 2 << 4 << "Octave";
}

void TestRigNamesShown::choosingByNameSetsTheRow()
{
    QFETCH(QString, find);
    QFETCH(bool, bankSelect);
    QFETCH(int, msb);
    QFETCH(int, lsb);
    QFETCH(QString, label);
    NamedRigHome home;
    unsigned char *entry = presetRecord(0) + preset::programChangeOffset(kAmp);
    entry[programchange::kMsbBank] = entry[programchange::kLsbBank] = 4;
    home.saveImage();
    presetsdialog dialog(nullptr, config_image());
    QVERIFY(dialog.presetMatchesForm());
    QVERIFY(!get<QAction>(dialog, "presetProgramSound4ChooseAction")->isEnabled()); // names controls only
    // The action of the row's program list (its context menu, Ctrl+F).
    QAction *choose = get<QAction>(dialog, "presetProgramSound3ChooseAction");
    QVERIFY(get<QComboBox>(dialog, "presetProgramChangeNumber3ComboBox")->actions().contains(choose));
    const auto done = whenModal<namechooserdialog>([find](namechooserdialog *chooser) {
        chooser->setFilterText(find);
        chooser->accept();
    });
    choose->trigger();
    QVERIFY(*done);
    QCOMPARE(dialog.presetProgramChange3Enabled(), Qt::Checked);
    QCOMPARE(dialog.presetBankSelect3Enabled(), bankSelect ? Qt::Checked : Qt::Unchecked);
    QCOMPARE(int(dialog.presetMsb3()), msb);
    QCOMPARE(int(dialog.presetLsb3()), lsb);
    QCOMPARE(int(dialog.presetProgramChangeNumber3()), 5);
    QCOMPARE(get<QLabel>(dialog, "presetProgramSound3Label")->text(), label);
    QVERIFY(!dialog.presetMatchesForm()); // the window sees an edit to save
}

void TestRigNamesShown::controlChangeNameLabel_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("label");
    QTest::newRow("named control") << kWah << 7 << "Volume";
    QTest::newRow("unnamed number") << kWah << 12 << "";
    QTest::newRow("same number, device without names") << kAmp << 11 << "";
}

void TestRigNamesShown::controlChangeNameLabel()
{
    QFETCH(int, device);
    QFETCH(int, number);
    QFETCH(QString, label);
    NamedRigHome home;
    ControlChangeDialog dialog(nullptr, 70);
    QCOMPARE(get<QLabel>(dialog, "controlChange3NameLabel")->text(), QString("Expression")); // as stored
    get<QComboBox>(dialog, "controlChange5DeviceComboBox")->setCurrentIndex(device == kWah ? 0 : kWah);
    get<QComboBox>(dialog, "controlChange5NumberComboBox")->setCurrentIndex(number);
    get<QComboBox>(dialog, "controlChange5DeviceComboBox")->setCurrentIndex(device);
    QCOMPARE(get<QLabel>(dialog, "controlChange5NameLabel")->text(), label);
}

void TestRigNamesShown::libraryProgramChangeColumn_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("tip");
    QTest::newRow("named sound") << 3 << "Amp 005 'Plexi Lead' (2B)" << "03 - Amp: program 005 'Plexi Lead' (2B)";
    QTest::newRow("named sound in a bank") << 50 << "Amp 005 'Fuzz Wall' (bank 001/000)"
                                           << "03 - Amp: program 005 'Fuzz Wall', bank select MSB 001, LSB 000";
    QTest::newRow("unnamed program: the number alone") << 60 << "Amp 009" << "03 - Amp: program 009";
}

void TestRigNamesShown::libraryProgramChangeColumn()
{
    QFETCH(int, record);
    QFETCH(QString, shown);
    QFETCH(QString, tip);
    NamedRigHome home;
    librarydialog dialog;
    const QModelIndex cell = dialog.model()->index(record, PresetLibraryModel::ProgramChangeColumn);
    // After the factory program change to channel 1, which has no names.
    QCOMPARE(cell.data(Qt::DisplayRole).toString().section(", ", 1), shown);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString().section('\n', 1), tip);
    QVERIFY(cell.data(Qt::AccessibleDescriptionRole).toString().contains(shown));
}

void TestRigNamesShown::findBySoundName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVector<int>>("found");
    QTest::newRow("part of a sound's name") << "plexi" << QVector<int>{3, 40};
    QTest::newRow("the sound the bank select reaches") << "fuzz" << QVector<int>{50};
    QTest::newRow("a name and a number asked together") << "plexi pc 5" << QVector<int>{3, 40};
    QTest::newRow("a control's name") << "expression" << QVector<int>{70};
    QTest::newRow("a sound no preset calls") << "octave" << QVector<int>{};
}

void TestRigNamesShown::findBySoundName()
{
    QFETCH(QString, text);
    QFETCH(QVector<int>, found);
    NamedRigHome home;
    const PresetQuery query(text, config_image(), &rig_names());
    QVector<int> matched;
    for (int i = 0; i < kPresetCount; ++i)
        if (query.matches(config_image(), i, false))
            matched << i;
    QCOMPARE(matched, found);
}

void TestRigNamesShown::setlistPrintsTheSounds()
{
    NamedRigHome home;
    const Setlist setlist = make_setlist(config_image(), "Gig");
    QVERIFY(setlist.text.contains("Amp: Plexi Lead (2B)"));
    QVERIFY(setlist.text.contains("Amp: Fuzz Wall"));
    QCOMPARE(setlist.pages, 2);
}

VEKTOR_TEST_MAIN(TestRigNamesShown)
#include "test_rig_names_shown.moc"
