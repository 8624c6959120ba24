// The control-change list of one preset: what it shows, how it closes and
// which image bytes it writes.

#include "image_fixtures.h"
#include "presets_support.h"
#include "controlchangedialog.h"
#include "presetsdialog.h"
#include "fields.h"
#include "image_layout.h"
#include "store.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

QComboBox *list(QDialog &dialog, int entry, const char *field)
{
    return dialog.findChild<QComboBox *>(QString("controlChange%1%2ComboBox").arg(entry).arg(field));
}

} // namespace

class TestControlChangeDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsTheStoredEntries();
    void outOfRangeBytesShowNothingAndStoreFF();
    void storeWithoutEditRewritesTheSameBytes();
    void everyWayOfClosingApplies_data();
    void everyWayOfClosingApplies();
    void propertiesAndNotifySignals();
};

void TestControlChangeDialog::showsTheStoredEntries()
{
    PresetsHome home;
    write_name(presetRecord(9), "Lead");
    write_name(config_image() + layout::deviceOffset(15), "Synth");
    unsigned char *entry = presetRecord(9) + 97 + 4 * 6; // entry 7
    entry[0] = 1;
    entry[1] = 15;
    entry[2] = 74;
    entry[3] = 127;

    ControlChangeDialog dialog(nullptr, 9);
    QCOMPARE(dialog.windowTitle(), QString("Control Changes"));
    QCOMPARE(dialog.findChild<QLabel *>("presetNumberLabel")->text(), QString("011 - Lead"));
    QCOMPARE(list(dialog, 7, "Enabled")->currentText(), QString("on"));
    QCOMPARE(list(dialog, 7, "Device")->currentText(), QString("16 - Synth"));
    QCOMPARE(list(dialog, 7, "Number")->currentText(), QString("074"));
    QCOMPARE(list(dialog, 7, "Value")->currentText(), QString("127"));
    QCOMPARE(list(dialog, 1, "Device")->currentText(), QString("01 - Quill"));
    QCOMPARE(list(dialog, 20, "Enabled")->count(), 2);
    QCOMPARE(list(dialog, 20, "Device")->count(), 16);
    QCOMPARE(list(dialog, 20, "Number")->count(), 128);
    QCOMPARE(list(dialog, 20, "Value")->itemData(77).toInt(), 77);
    QCOMPARE(dialog.property("controlChange7DeviceComboBox").toInt(), 15);
    QCOMPARE(dialog.findChildren<QDialogButtonBox *>().size(), 1);
    QCOMPARE(dialog.findChild<QDialogButtonBox *>()->standardButtons(), QDialogButtonBox::Close);
}

void TestControlChangeDialog::outOfRangeBytesShowNothingAndStoreFF()
{
    PresetsHome home;
    unsigned char *entry = presetRecord(3) + 97; // entry 1
    entry[0] = 2;
    entry[1] = 16;
    entry[2] = 200;
    entry[3] = 255;

    ControlChangeDialog dialog(nullptr, 3);
    for (const char *field : {"Enabled", "Device", "Number", "Value"}) {
        QCOMPARE(list(dialog, 1, field)->currentIndex(), -1);
        QCOMPARE(dialog.property(qPrintable(QString("controlChange1%1ComboBox").arg(field))).toInt(), -1);
    }
    dialog.storeControlChanges();
    QCOMPARE(presetRecordBytes(3).mid(97, 4), QByteArray("\xff\xff\xff\xff"));
}

void TestControlChangeDialog::storeWithoutEditRewritesTheSameBytes()
{
    PresetsHome home;
    QRandomGenerator random(7);
    unsigned char *record = presetRecord(100);
    for (int k = 0; k < 20; ++k) {
        unsigned char *entry = record + 97 + 4 * k;
        entry[0] = static_cast<unsigned char>(random.bounded(2));
        entry[1] = static_cast<unsigned char>(random.bounded(16));
        entry[2] = static_cast<unsigned char>(random.bounded(128));
        entry[3] = static_cast<unsigned char>(random.bounded(128));
    }
    const QByteArray before = imageInMemory();
    ControlChangeDialog dialog(nullptr, 100);
    dialog.storeControlChanges();
    QCOMPARE(imageInMemory(), before);
}

void TestControlChangeDialog::everyWayOfClosingApplies_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << "button";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape") << "escape";
}

void TestControlChangeDialog::everyWayOfClosingApplies()
{
    QFETCH(QString, how);

    PresetsHome home;
    const QByteArray file = home.fileBytes();
    presetsdialog presets(nullptr, config_image());
    presets.findChild<QComboBox *>("presetComboBox")->setCurrentIndex(9);
    // A name typed but not stored is not what the list is labelled with.
    QTest::keyClicks(presets.findChild<QLineEdit *>("presetname"), "?");

    QString label;
    auto done = whenModal<ControlChangeDialog>([&](ControlChangeDialog *dialog) {
        label = dialog->findChild<QLabel *>("presetNumberLabel")->text();
        list(*dialog, 1, "Enabled")->setCurrentIndex(1);
        list(*dialog, 1, "Device")->setCurrentIndex(2);
        list(*dialog, 20, "Number")->setCurrentIndex(11);
        list(*dialog, 20, "Value")->setCurrentIndex(127);
        if (how == "button")
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->click();
        else if (how == "close")
            dialog->close();
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    const QByteArray before = imageInMemory();
    presets.findChild<QPushButton *>("pushButton_ControlChanges")->click();
    QVERIFY(*done);
    QCOMPARE(label, QString("011 - Preset 011"));

    QByteArray expected = before;
    const int record = layout::presetOffset(9);
    expected[record + 97] = 1;
    expected[record + 98] = 2;
    expected[record + 175] = 11; // entry 20 is bytes 173..176
    expected[record + 176] = 127;
    QCOMPARE(imageInMemory(), expected);
    QCOMPARE(home.fileBytes(), file); // the image only
}

void TestControlChangeDialog::propertiesAndNotifySignals()
{
    PresetsHome home;
    ControlChangeDialog dialog(nullptr, 0);
    const QMetaObject *meta = dialog.metaObject();
    for (int k = 1; k <= 20; ++k)
        for (const char *field : {"Enabled", "Device", "Number", "Value"}) {
            const QString name = QString("controlChange%1%2ComboBox").arg(k).arg(field);
            const int index = meta->indexOfProperty(qPrintable(name));
            QVERIFY2(index >= 0, qPrintable(name));
            QCOMPARE(QString(meta->property(index).notifySignal().name()), name + "Changed");
        }

    QSignalSpy spy(&dialog, SIGNAL(controlChange17EnabledComboBoxChanged()));
    list(dialog, 17, "Enabled")->setCurrentIndex(1);
    list(dialog, 17, "Enabled")->setCurrentIndex(1);
    QCOMPARE(spy.count(), 1);
    // "off" leaves the rest of the entry editable.
    QVERIFY(list(dialog, 17, "Device")->isEnabled());
    list(dialog, 17, "Enabled")->setCurrentIndex(0);
    QVERIFY(list(dialog, 17, "Value")->isEnabled());
}

VEKTOR_TEST_MAIN(TestControlChangeDialog)
#include "test_controlchange_dialog.moc"
