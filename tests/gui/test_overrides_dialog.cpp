// The nine instant-access overrides of one preset: what they show, how the
// dialog closes and which image bytes it writes.

#include "image_fixtures.h"
#include "presets_support.h"
#include "overridesdialog.h"
#include "presetsdialog.h"
#include "fields.h"
#include "image_layout.h"
#include "store.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMetaProperty>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <cstring>

namespace {

const char *const kColumns[] = {"Override", "State", "Device", "ControlChange", "OnValue", "OffValue"};

QComboBox *list(QDialog &dialog, int button, const char *column)
{
    return dialog.findChild<QComboBox *>(QString("button%1%2ComboBox").arg(button).arg(column));
}

} // namespace

class TestOverridesDialog : public QObject
{
    Q_OBJECT

private slots:
    void newImageShowsTheDefaults();
    void columnsMapToTheEntryBytes_data();
    void columnsMapToTheEntryBytes();
    void overrideByteOfFiveStores255();
    void storeWithoutEditKeepsEveryByte();
    void everyWayOfClosingApplies_data();
    void everyWayOfClosingApplies();
    void deviceRenameShowsNextTime();
    void propertiesAndNotifySignals();
};

void TestOverridesDialog::newImageShowsTheDefaults()
{
    PresetsHome home;
    overridesdialog dialog(nullptr, 0);
    QCOMPARE(dialog.windowTitle(), QString("Overrides"));
    QCOMPARE(dialog.findChild<QLabel *>("presetNumberLabel")->text(), QString("001 - Preset 001"));
    for (int n = 1; n <= 9; ++n) {
        QCOMPARE(list(dialog, n, "Override")->currentText(), QString("off"));
        QCOMPARE(list(dialog, n, "State")->currentText(), QString("off"));
        QCOMPARE(list(dialog, n, "Device")->currentText(), QString("01 - Quill"));
        QCOMPARE(list(dialog, n, "ControlChange")->currentText(), QString("000"));
        QCOMPARE(list(dialog, n, "OnValue")->currentText(), QString("127"));
        QCOMPARE(list(dialog, n, "OffValue")->currentText(), QString("000"));
    }
    QCOMPARE(list(dialog, 9, "Device")->count(), 16);
    QCOMPARE(list(dialog, 9, "OffValue")->count(), 128);
    QCOMPARE(dialog.findChild<QLabel *>("buttonActinLabel")->text(), QString("State"));
    QCOMPARE(dialog.findChild<QDialogButtonBox *>("buttonBox")->standardButtons(), QDialogButtonBox::Close);
}

void TestOverridesDialog::columnsMapToTheEntryBytes_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::newRow("Override") << "Override" << 0 << 1;
    QTest::newRow("ControlChange") << "ControlChange" << 1 << 93;
    QTest::newRow("Device") << "Device" << 2 << 11;
    QTest::newRow("OnValue") << "OnValue" << 3 << 64;
    QTest::newRow("OffValue") << "OffValue" << 4 << 5;
    QTest::newRow("State") << "State" << 5 << 1;
}

void TestOverridesDialog::columnsMapToTheEntryBytes()
{
    QFETCH(QString, column);
    QFETCH(int, byte);
    QFETCH(int, value);

    PresetsHome home;
    const int button = 6;
    presetRecord(40)[187 + 10 * (button - 1) + byte] = static_cast<unsigned char>(value);
    overridesdialog dialog(nullptr, 40);
    QCOMPARE(list(dialog, button, qPrintable(column))->currentIndex(), value);

    // And back: a widget edit lands in the same byte.
    const QByteArray before = imageInMemory();
    list(dialog, button, qPrintable(column))->setCurrentIndex(0);
    dialog.storeOverridesIntoImage();
    QByteArray expected = before;
    expected[layout::presetOffset(40) + 187 + 10 * (button - 1) + byte] = 0;
    QCOMPARE(imageInMemory(), expected);
}

void TestOverridesDialog::overrideByteOfFiveStores255()
{
    PresetsHome home;
    presetRecord(2)[187 + 10 * 3] = 5; // button 4
    overridesdialog dialog(nullptr, 2);
    QCOMPARE(list(dialog, 4, "Override")->currentIndex(), -1);
    QCOMPARE(dialog.property("button4OverrideComboBox").toInt(), -1);
    dialog.storeOverridesIntoImage();
    QCOMPARE(int(presetRecord(2)[187 + 30]), 255);
}

void TestOverridesDialog::storeWithoutEditKeepsEveryByte()
{
    PresetsHome home;
    QRandomGenerator random(11);
    unsigned char *record = presetRecord(269);
    const int ranges[] = {2, 128, 16, 128, 128, 2};
    for (int b = 0; b < 9; ++b) {
        unsigned char *entry = record + 187 + 10 * b;
        for (int byte = 0; byte < 6; ++byte)
            entry[byte] = static_cast<unsigned char>(random.bounded(ranges[byte]));
        for (int byte = 6; byte < 10; ++byte) // no editor: must survive as they are
            entry[byte] = static_cast<unsigned char>(random.bounded(256));
    }
    const QByteArray before = imageInMemory();
    overridesdialog dialog(nullptr, 269);
    dialog.storeOverridesIntoImage();
    QCOMPARE(imageInMemory(), before);
}

void TestOverridesDialog::everyWayOfClosingApplies_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << "button";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape") << "escape";
}

void TestOverridesDialog::everyWayOfClosingApplies()
{
    QFETCH(QString, how);

    PresetsHome home;
    write_name(presetRecord(9), "Lead");
    for (int b = 0; b < 9; ++b)
        std::memcpy(presetRecord(9) + 187 + 10 * b + 6, "\x5a\xa5\x01\xfe", 4);
    home.saveImage();
    const QByteArray file = home.fileBytes();

    presetsdialog presets(nullptr, config_image());
    presets.findChild<QComboBox *>("presetComboBox")->setCurrentIndex(9);
    QString label;
    auto done = whenModal<overridesdialog>([&](overridesdialog *dialog) {
        label = dialog->findChild<QLabel *>("presetNumberLabel")->text();
        list(*dialog, 1, "Override")->setCurrentIndex(1);
        list(*dialog, 9, "OffValue")->setCurrentIndex(33);
        list(*dialog, 9, "State")->setCurrentIndex(1);
        if (how == "button")
            dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Close)->click();
        else if (how == "close")
            dialog->close();
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    const QByteArray before = imageInMemory();
    presets.findChild<QPushButton *>("pushButton_Overrides")->click();
    QVERIFY(*done);
    QCOMPARE(label, QString("011 - Lead"));

    QByteArray expected = before;
    const int entries = layout::presetOffset(9) + 187;
    expected[entries] = 1;
    expected[entries + 80 + 4] = 33;
    expected[entries + 80 + 5] = 1;
    QCOMPARE(imageInMemory(), expected);
    QCOMPARE(home.fileBytes(), file);
}

void TestOverridesDialog::deviceRenameShowsNextTime()
{
    PresetsHome home;
    {
        overridesdialog dialog(nullptr, 0);
        QCOMPARE(list(dialog, 3, "Device")->itemText(2), QString("03 - Device 2"));
    }
    write_name(config_image() + layout::deviceOffset(2), "Delay");
    overridesdialog dialog(nullptr, 0);
    QCOMPARE(list(dialog, 3, "Device")->itemText(2), QString("03 - Delay"));
}

void TestOverridesDialog::propertiesAndNotifySignals()
{
    PresetsHome home;
    overridesdialog dialog(nullptr, 0);
    const QMetaObject *meta = dialog.metaObject();
    for (int n = 1; n <= 9; ++n)
        for (const char *column : kColumns) {
            const QString name = QString("button%1%2ComboBox").arg(n).arg(column);
            const int index = meta->indexOfProperty(qPrintable(name));
            QVERIFY2(index >= 0, qPrintable(name));
            QCOMPARE(QString(meta->property(index).notifySignal().name()), name + "Changed");
        }
    // Those and no others.
    QCOMPARE(meta->propertyCount() - meta->propertyOffset(), 54);

    QSignalSpy spy(&dialog, SIGNAL(button1OverrideComboBoxChanged()));
    list(dialog, 1, "Override")->setCurrentIndex(1);
    list(dialog, 1, "Override")->setCurrentIndex(1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(dialog.property("button1OverrideComboBox").toInt(), 1);
}

VEKTOR_TEST_MAIN(TestOverridesDialog)
#include "test_overrides_dialog.moc"
