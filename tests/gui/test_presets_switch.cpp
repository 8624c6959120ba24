// Picking another preset while the preset dialog is open: the comparison,
// the "Save preset changes?" prompt and the reload from the file.

#include "image_fixtures.h"
#include "presets_support.h"
#include "utility_support.h"
#include "controlchangedialog.h"
#include "overridesdialog.h"
#include "presetsdialog.h"
#include "image_layout.h"
#include "configuration_saves.h"
#include "store.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QComboBox *selector(presetsdialog &dialog)
{
    return dialog.findChild<QComboBox *>("presetComboBox");
}

QLineEdit *nameField(presetsdialog &dialog)
{
    return dialog.findChild<QLineEdit *>("presetname");
}

// Checks the prompt itself, then answers it.
std::shared_ptr<bool> answerPrompt(QMessageBox::StandardButton answer)
{
    return whenModal<QMessageBox>([answer](QMessageBox *box) {
        const bool looksRight = box->windowTitle() == "Preset"
                                && box->text() == QString::fromUtf8("\xc2\xbfSave preset changes?")
                                && box->icon() == QMessageBox::Warning
                                && box->standardButtons() == (QMessageBox::Yes | QMessageBox::No);
        if (!looksRight)
            qWarning("unexpected prompt: %s / %s", qPrintable(box->windowTitle()), qPrintable(box->text()));
        box->button(looksRight ? answer : QMessageBox::No)->click();
    });
}

// Opens a sub-dialog through its button and changes one list in it.
template <typename Dialog>
void editInSubDialog(presetsdialog &dialog, const char *button, const char *list, int index)
{
    auto done = whenModal<Dialog>([list, index](Dialog *sub) {
        sub->template findChild<QComboBox *>(list)->setCurrentIndex(index);
        sub->reject();
    });
    dialog.findChild<QPushButton *>(button)->click();
    QVERIFY(*done);
}

} // namespace

class TestPresetsSwitch : public QObject
{
    Q_OBJECT

private slots:
    void switchWithoutEditIsSilent();
    void nameEditAndYesSavesAndRenamesTheEntry();
    void nameEditAndNoDropsTheEdit();
    void storedBytesTheFormCannotShowPrompt_data();
    void storedBytesTheFormCannotShowPrompt();
    void subDialogEditAloneAsks_data();
    void subDialogEditAloneAsks();
    void subDialogEditsAreSavedByYes();
    void subDialogEditsAreDroppedByNo();
    void yesKeepsTheEditsWhenTheFileRefusesTheWrite();
};

void TestPresetsSwitch::switchWithoutEditIsSilent()
{
    PresetsHome home;
    const QByteArray file = home.fileBytes();
    presetsdialog dialog(nullptr, config_image());

    // A switch asks before it returns or not at all: no wait is needed after it.
    MessageBoxWatch prompts(QMessageBox::No);
    StdoutCapture capture;
    selector(dialog)->setCurrentIndex(5);
    QCOMPARE(capture.finish(), QByteArray());
    QCOMPARE(prompts.boxes.size(), 0);

    QCOMPARE(dialog.currentPreset(), 5);
    QCOMPARE(nameField(dialog)->text(), QString("Preset 006"));
    QCOMPARE(dialog.findChild<QComboBox *>("presetProgramChangeNumber1ComboBox")->currentIndex(), 5);
    QCOMPARE(home.fileBytes(), file);
}

void TestPresetsSwitch::nameEditAndYesSavesAndRenamesTheEntry()
{
    PresetsHome home;
    const QByteArray file = home.fileBytes();
    presetsdialog dialog(nullptr, config_image());
    QTest::keyClicks(nameField(dialog), "X");

    auto prompt = answerPrompt(QMessageBox::Yes);
    StdoutCapture capture;
    selector(dialog)->setCurrentIndex(3);
    QCOMPARE(capture.finish(), QByteArray("Diff: 0\nConf: 'Preset 001X'\nForm: 'Preset 001X'\n"));
    QVERIFY(*prompt);

    QByteArray expected = file;
    expected.replace(layout::presetOffset(0), 12, QByteArray("Preset 001X\0", 12));
    QCOMPARE(home.fileBytes(), expected);
    QCOMPARE(selector(dialog)->itemText(0), QString("001 - Preset 001X"));
    QCOMPARE(selector(dialog)->currentIndex(), 3);
    QCOMPARE(dialog.currentPreset(), 3);
    QCOMPARE(nameField(dialog)->text(), QString("Preset 004"));
}

void TestPresetsSwitch::nameEditAndNoDropsTheEdit()
{
    PresetsHome home;
    const QByteArray file = home.fileBytes();
    presetsdialog dialog(nullptr, config_image());
    QTest::keyClicks(nameField(dialog), "X");

    auto prompt = answerPrompt(QMessageBox::No);
    StdoutCapture capture;
    selector(dialog)->setCurrentIndex(3);
    QCOMPARE(capture.finish(), QByteArray("Diff: 0\n"));
    QVERIFY(*prompt);

    QCOMPARE(home.fileBytes(), file);
    QCOMPARE(selector(dialog)->itemText(0), QString("001 - Preset 001"));
    QCOMPARE(dialog.currentPreset(), 3);

    // Back on preset 0 the old name shows, and nothing differs any more.
    MessageBoxWatch again(QMessageBox::No);
    selector(dialog)->setCurrentIndex(0);
    QCOMPARE(again.boxes.size(), 0);
    QCOMPARE(nameField(dialog)->text(), QString("Preset 001"));
}

void TestPresetsSwitch::storedBytesTheFormCannotShowPrompt_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QByteArray>("diff");
    QTest::addColumn<int>("storedAfterYes");

    QTest::newRow("number 200") << 18 << 200 << QByteArray("Diff: 80\n") << 0;
    QTest::newRow("output unchanged") << 287 << 2 << QByteArray("Diff: 63\n") << 1;
    QTest::newRow("loop 5") << 279 << 5 << QByteArray("Diff: 23\n5, 255\n") << 255;
    QTest::newRow("pedal channel 100") << 183 << 100 << QByteArray("Diff: 18\n") << 4;
}

void TestPresetsSwitch::storedBytesTheFormCannotShowPrompt()
{
    QFETCH(int, offset);
    QFETCH(int, stored);
    QFETCH(QByteArray, diff);
    QFETCH(int, storedAfterYes);

    PresetsHome home;
    presetRecord(0)[offset] = static_cast<unsigned char>(stored);
    home.saveImage();
    QByteArray expected = home.fileBytes();
    expected[layout::presetOffset(0) + offset] = char(storedAfterYes);

    StdoutCapture construction;
    presetsdialog dialog(nullptr, config_image());
    QCOMPARE(construction.finish(), "Loading data into form...\n" + diff);

    auto prompt = answerPrompt(QMessageBox::Yes);
    StdoutCapture capture;
    selector(dialog)->setCurrentIndex(1);
    QCOMPARE(capture.finish(), diff + "Conf: 'Preset 001'\nForm: 'Preset 001'\n");
    QVERIFY(*prompt);
    QCOMPARE(home.fileBytes(), expected);
}

// An edit made only in a sub-dialog lives in the image in memory, which the
// switch reloads from the file: the switch asks first. The form's comparison
// finds nothing, so no "Diff" line is printed.
void TestPresetsSwitch::subDialogEditAloneAsks_data()
{
    QTest::addColumn<bool>("overrides");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("offset"); // in record 0
    QTest::addColumn<int>("value");
    QTest::newRow("control change, Yes") << false << true << 97 + 3 << 99;
    QTest::newRow("control change, No") << false << false << 97 + 3 << 99;
    QTest::newRow("override, Yes") << true << true << 187 + 80 + 5 << 1;
    QTest::newRow("override, No") << true << false << 187 + 80 + 5 << 1;
}

void TestPresetsSwitch::subDialogEditAloneAsks()
{
    QFETCH(bool, overrides);
    QFETCH(bool, yes);
    QFETCH(int, offset);
    QFETCH(int, value);
    PresetsHome home;
    const QByteArray file = home.fileBytes();
    presetsdialog dialog(nullptr, config_image());
    if (overrides)
        editInSubDialog<overridesdialog>(dialog, "pushButton_Overrides", "button9StateComboBox", value);
    else
        editInSubDialog<ControlChangeDialog>(dialog, "pushButton_ControlChanges", "controlChange1ValueComboBox",
                                             value);
    QCOMPARE(int(presetRecord(0)[offset]), value);

    auto prompt = answerPrompt(yes ? QMessageBox::Yes : QMessageBox::No);
    StdoutCapture capture;
    selector(dialog)->setCurrentIndex(2);
    const QByteArray trace = capture.finish();
    QVERIFY(*prompt);
    QVERIFY2(!trace.contains("Diff"), trace.constData());
    QByteArray expected = file;
    if (yes)
        expected[layout::presetOffset(0) + offset] = char(value);
    QCOMPARE(home.fileBytes(), expected);
    QCOMPARE(imageInMemory(), expected);

    // Back on the first preset, nothing differs any more: no question.
    MessageBoxWatch again(QMessageBox::No);
    selector(dialog)->setCurrentIndex(0);
    QCOMPARE(again.boxes.size(), 0);
}

void TestPresetsSwitch::subDialogEditsAreSavedByYes()
{
    PresetsHome home;
    QByteArray expected = home.fileBytes();
    presetsdialog dialog(nullptr, config_image());
    selector(dialog)->setCurrentIndex(9);

    editInSubDialog<ControlChangeDialog>(dialog, "pushButton_ControlChanges", "controlChange20DeviceComboBox", 15);
    editInSubDialog<overridesdialog>(dialog, "pushButton_Overrides", "button1OverrideComboBox", 1);
    dialog.findChild<QComboBox *>("presetLoop2EnabledComboBox")->setCurrentIndex(1);

    auto prompt = answerPrompt(QMessageBox::Yes);
    selector(dialog)->setCurrentIndex(0);
    QVERIFY(*prompt);

    const int record = layout::presetOffset(9);
    expected[record + 173 + 1] = 15;
    expected[record + 187] = 1;
    expected[record + 280] = 1;
    QCOMPARE(home.fileBytes(), expected);
}

void TestPresetsSwitch::subDialogEditsAreDroppedByNo()
{
    PresetsHome home;
    const QByteArray file = home.fileBytes();
    presetsdialog dialog(nullptr, config_image());

    editInSubDialog<overridesdialog>(dialog, "pushButton_Overrides", "button4OnValueComboBox", 5);
    QTest::keyClicks(nameField(dialog), "!");

    auto prompt = answerPrompt(QMessageBox::No);
    selector(dialog)->setCurrentIndex(4);
    QVERIFY(*prompt);
    QCOMPARE(home.fileBytes(), file);
    QCOMPARE(imageInMemory(), file);
}

void TestPresetsSwitch::yesKeepsTheEditsWhenTheFileRefusesTheWrite()
{
    PresetsHome home;
    const QByteArray file = home.fileBytes();
    presetsdialog dialog(nullptr, config_image());
    editInSubDialog<ControlChangeDialog>(dialog, "pushButton_ControlChanges", "controlChange2NumberComboBox", 7);
    QTest::keyClicks(nameField(dialog), "!");

    // A file size limit makes the write fail while the file stays readable.
    auto prompt = std::make_shared<SeenBox>();
    auto warning = std::make_shared<SeenBox>();
    handleModalsInTurn({answerMessageBoxStep(prompt, QMessageBox::Yes), acceptMessageBoxStep(warning)});
    {
        FileSizeLimit limit(4096);
        selector(dialog)->setCurrentIndex(1);
    }
    QVERIFY(prompt->shown);
    QCOMPARE(prompt->text, QString::fromUtf8("\xc2\xbfSave preset changes?"));
    // The user hears that the file was not written, and why.
    QVERIFY(warning->shown);
    QVERIFY(warning->text.contains(home.configPath()));
    QVERIFY(warning->text.contains("File too large"));

    QCOMPARE(home.fileBytes(), file);
    QCOMPARE(presetRecordBytes(0).left(12), QByteArray("Preset 001!\0", 12));
    QCOMPARE(int(presetRecord(0)[97 + 4 + 2]), 7);
    QCOMPARE(selector(dialog)->itemText(0), QString("001 - Preset 001!"));
    QCOMPARE(dialog.currentPreset(), 1);

    // Once the file takes writes again, Save keeps everything.
    QVERIFY(save_image());
    QCOMPARE(presetRecordBytes(home.fileBytes(), 0).left(12), QByteArray("Preset 001!\0", 12));
}

VEKTOR_TEST_MAIN(TestPresetsSwitch)
#include "test_presets_switch.moc"
