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

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QAction>

using namespace layout;

namespace {

PatchBank bank(int msb, int lsb, const QVector<PatchName> &patches)
{
    PatchBank b;
    b.msb = msb;
    b.lsb = lsb;
    b.patches = patches;
    return b;
}

// Channel 3 ("Amp") has sounds in three banks, channel 4 ("Wah") named
// controls; the factory presets send to channels 1 and 2.
constexpr int kAmp = 2;
constexpr int kWah = 3;

RigNames testRig()
{
    RigNames rig;
    rig.devices[kAmp].banks = {bank(-1, -1, {{0, "1A", "Clean"}, {5, "2B", "Plexi Lead"}}),
                            bank(1, 0, {{5, "", "Fuzz Wall"}}), bank(2, -1, {{5, "", "Octave"}})};
    rig.devices[kWah].controls = {{7, "Volume"}, {11, "Expression"}};
    return rig;
}

// Sets the program change of device `device` in preset record `record`.
void sendProgram(int record, int device, int program, int msb = -1, int lsb = -1)
{
    unsigned char *entry = presetRecord(record) + preset::programChangeOffset(device);
    entry[programchange::kEnabled] = 1;
    entry[programchange::kNumber] = static_cast<unsigned char>(program);
    entry[programchange::kBankSelectEnabled] = msb >= 0;
    entry[programchange::kMsbBank] = static_cast<unsigned char>(msb < 0 ? 0 : msb);
    entry[programchange::kLsbBank] = static_cast<unsigned char>(lsb < 0 ? 0 : lsb);
}

void sendControl(int record, int entryIndex, int device, int number)
{
    unsigned char *entry = presetRecord(record) + preset::controlChangeOffset(entryIndex);
    entry[controlchange::kEnabled] = 1;
    entry[controlchange::kDevice] = static_cast<unsigned char>(device);
    entry[controlchange::kNumber] = static_cast<unsigned char>(number);
    entry[controlchange::kValue] = 64;
}

// A memory whose presets call the rig's sounds, with the rig in use.
class NamedRigHome : public PresetsHome
{
public:
    NamedRigHome()
    {
        write_name(config_image() + deviceOffset(kAmp), QStringLiteral("Amp"));
        write_name(config_image() + deviceOffset(kWah), QStringLiteral("Wah"));
        sendProgram(3, kAmp, 5);       // Plexi Lead
        sendProgram(40, kAmp, 5);      // Plexi Lead
        sendProgram(50, kAmp, 5, 1, 0); // Fuzz Wall
        sendProgram(60, kAmp, 9);       // unnamed
        sendControl(70, 2, kWah, 11);   // Expression
        saveImage();
        set_rig_names(testRig());
    }
    ~NamedRigHome() { set_rig_names(RigNames()); }
};

template <typename T>
T *child(QObject &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    if (!found)
        qWarning("no %s", qPrintable(name));
    return found;
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
    void chooseByKeyAndFind();
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
    child<QCheckBox>(dialog, "presetProgramChange3EnabledCheckBox")->setChecked(true);
    // A value first that names another sound, so the label has to follow.
    child<QComboBox>(dialog, "presetProgramChangeNumber3ComboBox")->setCurrentIndex(program == 5 ? 0 : 5);
    child<QCheckBox>(dialog, "presetBankSelect3EnabledCheckBox")->setChecked(bankSelect);
    child<QComboBox>(dialog, "presetMsb3ComboBox")->setCurrentIndex(msb);
    child<QComboBox>(dialog, "presetLsb3ComboBox")->setCurrentIndex(lsb);
    child<QComboBox>(dialog, "presetProgramChangeNumber3ComboBox")->setCurrentIndex(program);
    QCOMPARE(child<QLabel>(dialog, "presetProgramSound3Label")->text(), label);
    // The list itself still shows the number.
    QCOMPARE(child<QComboBox>(dialog, "presetProgramChangeNumber3ComboBox")->currentText(),
             QString("%1").arg(program, 3, 10, QLatin1Char('0')));
    // A device without names shows none.
    QCOMPARE(child<QLabel>(dialog, "presetProgramSound1Label")->text(), QString());
}

void TestRigNamesShown::choosingByNameSetsTheRow_data()
{
    QTest::addColumn<int>("choice"); // in the order the chooser lists them
    QTest::addColumn<bool>("bankSelect");
    QTest::addColumn<int>("msb");
    QTest::addColumn<int>("lsb");
    QTest::addColumn<int>("program");
    QTest::addColumn<QString>("label");
    QTest::newRow("bank without bank select") << 1 << false << 4 << 4 << 5 << "Plexi Lead (2B)";
    QTest::newRow("both bank selects") << 2 << true << 1 << 0 << 5 << "Fuzz Wall";
    QTest::newRow("MSB only keeps the LSB") << 3 << true << 2 << 4 << 5 << "Octave";
}

void TestRigNamesShown::choosingByNameSetsTheRow()
{
    QFETCH(int, choice);
    QFETCH(bool, bankSelect);
    QFETCH(int, msb);
    QFETCH(int, lsb);
    QFETCH(int, program);
    QFETCH(QString, label);
    NamedRigHome home;
    unsigned char *entry = presetRecord(0) + preset::programChangeOffset(kAmp);
    entry[programchange::kMsbBank] = entry[programchange::kLsbBank] = 4;
    home.saveImage();
    presetsdialog dialog(nullptr, config_image());
    QVERIFY(dialog.presetMatchesForm());
    auto *column = dialog.findChild<PresetSoundColumn *>();
    QVERIFY(column);
    column->chooseSound(kAmp, choice);
    QCOMPARE(dialog.presetProgramChange3Enabled(), Qt::Checked);
    QCOMPARE(dialog.presetBankSelect3Enabled(), bankSelect ? Qt::Checked : Qt::Unchecked);
    QCOMPARE(int(dialog.presetMsb3()), msb);
    QCOMPARE(int(dialog.presetLsb3()), lsb);
    QCOMPARE(int(dialog.presetProgramChangeNumber3()), program);
    QCOMPARE(child<QLabel>(dialog, "presetProgramSound3Label")->text(), label);
    QVERIFY(!dialog.presetMatchesForm()); // the window sees an edit to save
    QVERIFY(child<QComboBox>(dialog, "presetMsb3ComboBox")->isEnabled() == bankSelect);
}

void TestRigNamesShown::chooseByKeyAndFind()
{
    NamedRigHome home;
    presetsdialog dialog(nullptr, config_image());
    QVERIFY(!child<QAction>(dialog, "presetProgramSound4ChooseAction")->isEnabled()); // controls only
    auto listed = std::make_shared<QStringList>();
    const auto done = whenModal<namechooserdialog>([listed](namechooserdialog *chooser) {
        chooser->setFilterText("FUZZ");
        *listed << QString::number(chooser->chosenIndex());
        chooser->accept();
    });
    // The action of the row's program list (its context menu, Ctrl+F).
    auto *programs = child<QComboBox>(dialog, "presetProgramChangeNumber3ComboBox");
    QVERIFY(programs->actions().contains(child<QAction>(dialog, "presetProgramSound3ChooseAction")));
    child<QAction>(dialog, "presetProgramSound3ChooseAction")->trigger();
    QVERIFY(*done);
    QCOMPARE(*listed, QStringList{"2"});
    QCOMPARE(child<QLabel>(dialog, "presetProgramSound3Label")->text(), QString("Fuzz Wall"));
}

void TestRigNamesShown::controlChangeNameLabel_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("label");
    QTest::newRow("named control") << kWah << 11 << "Expression";
    QTest::newRow("another named control") << kWah << 7 << "Volume";
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
    QCOMPARE(child<QLabel>(dialog, "controlChange3NameLabel")->text(), QString("Expression")); // as stored
    child<QComboBox>(dialog, "controlChange5DeviceComboBox")->setCurrentIndex(device == kWah ? 0 : kWah);
    child<QComboBox>(dialog, "controlChange5NumberComboBox")->setCurrentIndex(number);
    child<QComboBox>(dialog, "controlChange5DeviceComboBox")->setCurrentIndex(device);
    QCOMPARE(child<QLabel>(dialog, "controlChange5NameLabel")->text(), label);
    QCOMPARE(child<QComboBox>(dialog, "controlChange5NumberComboBox")->currentText(),
             QString("%1").arg(number, 3, 10, QLatin1Char('0')));
}

void TestRigNamesShown::libraryProgramChangeColumn_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("tip");
    QTest::newRow("named sound") << 3 << "Amp 005 'Plexi Lead' (2B)" << "03 - Amp: program 005 'Plexi Lead' (2B)";
    QTest::newRow("named sound in a bank")
        << 50 << "Amp 005 'Fuzz Wall' (bank 001/000)"
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
    // The factory presets also send to channel 1 ("Quill"), without names.
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
    const auto listed = [](const QVector<int> &records) {
        QStringList texts;
        for (int r : records)
            texts << QString::number(r);
        return texts.join(',');
    };
    QCOMPARE(listed(matched), listed(found));
    // Without the rig's names the sounds find nothing.
    const PresetQuery unnamed(text, config_image());
    QVERIFY(!unnamed.matches(config_image(), found.value(0, 3), false) || text.contains("pc"));
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
