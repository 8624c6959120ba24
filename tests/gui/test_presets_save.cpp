// The main window's "Presets" run: reload, edit, Save or Cancel, and the
// bytes that reach the configuration file.

#include "presets_support.h"
#include "controlchangedialog.h"
#include "mainwindow.h"
#include "overridesdialog.h"
#include "presetsdialog.h"
#include "fields.h"
#include "image_layout.h"
#include "store.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

namespace {

void randomise(QRandomGenerator &random, unsigned char *bytes, int count)
{
    for (int i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(random.bounded(256));
}

// Random bytes with a bias to the edges: zero, small list positions, and
// bytes that read as negative.
unsigned char oddByte(QRandomGenerator &random)
{
    static const unsigned char edges[] = {0, 1, 2, 3, 15, 16, 100, 127, 128, 200, 255};
    return random.bounded(2) ? edges[random.bounded(int(sizeof edges))]
                             : static_cast<unsigned char>(random.bounded(256));
}

// What a store of the unedited form makes of a preset record.
QByteArray storedWithoutEdit(QByteArray record)
{
    auto byte = [&record](int offset) { return static_cast<unsigned char>(record[offset]); };
    auto signedByte = [&byte](int offset) { return int(static_cast<signed char>(byte(offset))); };
    auto fitted = [&signedByte](int offset, int max) { return signedByte(offset) < 0 ? 0 : signedByte(offset) % (max + 1); };

    const int nameLength = int(qstrnlen(record.constData(), 16));
    record[nameLength] = 0;
    for (int c = 0; c < 16; ++c) {
        const int entry = 17 + 5 * c;
        record[entry] = byte(entry) ? 1 : 0;
        record[entry + 1] = char(fitted(entry + 1, 127));
        record[entry + 2] = byte(entry + 2) ? 1 : 0;
        record[entry + 3] = char(fitted(entry + 3, 127));
        record[entry + 4] = char(fitted(entry + 4, 127));
    }
    for (int p = 0; p < 2; ++p) {
        const int entry = 177 + 5 * p;
        record[entry] = byte(entry) ? 1 : 0;
        record[entry + 1] = char(fitted(entry + 1, 15));
        record[entry + 2] = char(fitted(entry + 2, 127));
    }
    for (int offset = 277; offset <= 286; ++offset) // relays and loops: no selection stores 255
        record[offset] = char(byte(offset) <= 2 ? byte(offset) : 255);
    record[287] = byte(287) == 0 ? 0 : 1;
    return record;
}

QAbstractButton *dialogButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox *>("buttonBox")->button(which);
}

void clickPresets(MainWindow &window)
{
    window.findChild<QPushButton *>("pushButton_2")->click();
}

} // namespace

class TestPresetsSave : public QObject
{
    Q_OBJECT

private slots:
    void saveWithoutEditChangesOnlyWhatTheFormOwns_data();
    void saveWithoutEditChangesOnlyWhatTheFormOwns();
    void saveWritesFormAndSubDialogEdits();
    void cancelWritesNothing();
    void presetsReloadsTheFileFirst();
};

void TestPresetsSave::saveWithoutEditChangesOnlyWhatTheFormOwns_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("preset");
    for (quint32 seed = 1; seed <= 12; ++seed)
        QTest::addRow("seed %u", seed) << seed << int(seed * 37 % 270);
}

void TestPresetsSave::saveWithoutEditChangesOnlyWhatTheFormOwns()
{
    QFETCH(quint32, seed);
    QFETCH(int, preset);

    PresetsHome home;
    MainWindow window;
    QRandomGenerator random(seed);
    unsigned char *image = config_image();
    randomise(random, image, layout::kImageSize);
    unsigned char *record = image + layout::presetOffset(preset);
    for (int offset = 17; offset < layout::kPresetRecordSize; ++offset)
        record[offset] = oddByte(random);
    if (seed % 3 == 0) // some names with a NUL before 16, some full
        record[random.bounded(17)] = 0;
    home.saveImage();
    const QByteArray original = home.fileBytes();

    // Preset 0 is random too: the switch prompts, and No stores nothing.
    auto done = whenModal<presetsdialog>([preset](presetsdialog *dialog) {
        if (preset != 0) {
            auto prompt = answerMessageBox(QMessageBox::No);
            dialog->findChild<QComboBox *>("presetComboBox")->setCurrentIndex(preset);
            QVERIFY(*prompt);
        }
        QCOMPARE(dialog->currentPreset(), preset);
        dialogButton(dialog, QDialogButtonBox::Save)->click();
    });
    StdoutCapture capture;
    clickPresets(window);
    capture.finish();
    QVERIFY(*done);

    QByteArray expected = original;
    const int start = layout::presetOffset(preset);
    expected.replace(start, layout::kPresetRecordSize,
                     storedWithoutEdit(original.mid(start, layout::kPresetRecordSize)));
    const QByteArray saved = home.fileBytes();
    QCOMPARE(saved.size(), layout::kImageSize);
    for (int i = 0; i < layout::kImageSize; ++i)
        if (saved[i] != expected[i])
            QFAIL(qPrintable(QString("byte %1 (record offset %2): %3, expected %4 (was %5)")
                                 .arg(i).arg(i - start).arg(quint8(saved[i])).arg(quint8(expected[i]))
                                 .arg(quint8(original[i]))));
}

void TestPresetsSave::saveWritesFormAndSubDialogEdits()
{
    PresetsHome home;
    MainWindow window;
    QByteArray expected = home.fileBytes();

    auto done = whenModal<presetsdialog>([](presetsdialog *dialog) {
        dialog->findChild<QComboBox *>("presetComboBox")->setCurrentIndex(269);
        auto cc = whenModal<ControlChangeDialog>([](ControlChangeDialog *sub) {
            sub->findChild<QComboBox *>("controlChange20ValueComboBox")->setCurrentIndex(64);
            QTest::keyClick(sub, Qt::Key_Escape);
        });
        dialog->findChild<QPushButton *>("pushButton_ControlChanges")->click();
        QVERIFY(*cc);
        auto overrides = whenModal<overridesdialog>([](overridesdialog *sub) {
            sub->findChild<QComboBox *>("button5DeviceComboBox")->setCurrentIndex(3);
            sub->close();
        });
        dialog->findChild<QPushButton *>("pushButton_Overrides")->click();
        QVERIFY(*overrides);
        auto *name = dialog->findChild<QLineEdit *>("presetname");
        name->clear();
        QTest::keyClicks(name, "Solo");
        dialogButton(dialog, QDialogButtonBox::Save)->click();
    });
    StdoutCapture capture;
    clickPresets(window);
    QCOMPARE(capture.finish(), QByteArray("Loading data into form...\nConf: 'Solo'\nForm: 'Solo'\n"));
    QVERIFY(*done);

    const int record = layout::presetOffset(269);
    expected.replace(record, 5, QByteArray("Solo\0", 5));
    expected[record + 176] = 64;
    expected[record + 187 + 40 + 2] = 3;
    QCOMPARE(home.fileBytes(), expected);
}

void TestPresetsSave::cancelWritesNothing()
{
    PresetsHome home;
    MainWindow window;
    const QByteArray file = home.fileBytes();

    auto done = whenModal<presetsdialog>([](presetsdialog *dialog) {
        auto cc = whenModal<ControlChangeDialog>([](ControlChangeDialog *sub) {
            sub->findChild<QComboBox *>("controlChange1EnabledComboBox")->setCurrentIndex(1);
            dialogButton(sub, QDialogButtonBox::Close)->click();
        });
        dialog->findChild<QPushButton *>("pushButton_ControlChanges")->click();
        QVERIFY(*cc);
        QTest::keyClicks(dialog->findChild<QLineEdit *>("presetname"), "zzz");
        dialogButton(dialog, QDialogButtonBox::Cancel)->click();
    });
    clickPresets(window);
    QVERIFY(*done);
    QCOMPARE(home.fileBytes(), file);

    // The next run reloads the file: the control change edit is gone.
    auto again = whenModal<presetsdialog>([](presetsdialog *dialog) { dialog->reject(); });
    clickPresets(window);
    QVERIFY(*again);
    QCOMPARE(int(presetRecord(0)[97]), 0);
}

void TestPresetsSave::presetsReloadsTheFileFirst()
{
    PresetsHome home;
    MainWindow window;
    write_name(presetRecord(0), "Unsaved"); // in memory only

    auto done = whenModal<presetsdialog>([](presetsdialog *dialog) {
        QCOMPARE(dialog->findChild<QLineEdit *>("presetname")->text(), QString("Preset 001"));
        dialog->reject();
    });
    clickPresets(window);
    QVERIFY(*done);
}

VEKTOR_TEST_MAIN(TestPresetsSave)
#include "test_presets_save.moc"
