// The preset form: what it shows for a record, what it stores back, the
// enabling of each program-change row and its properties.

#include "presets_support.h"
#include "presetsdialog.h"
#include "fields.h"
#include "image_layout.h"
#include "configuration_saves.h"
#include "store.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <cstring>

namespace {

template <typename T>
T *widget(QObject &dialog, const QString &name)
{
    T *w = dialog.findChild<T *>(name);
    if (!w)
        qWarning("no widget %s", qPrintable(name));
    return w;
}

QStringList expectedPropertyNames()
{
    QStringList names{"presetname", "presetRelay1Enabled", "presetRelay2Enabled", "presetOutputA"};
    for (int n = 1; n <= 16; ++n)
        names << QString("presetProgramChange%1Enabled").arg(n) << QString("presetProgramChangeNumber%1").arg(n)
              << QString("presetBankSelect%1Enabled").arg(n) << QString("presetMsb%1").arg(n)
              << QString("presetLsb%1").arg(n);
    for (int p = 1; p <= 2; ++p)
        names << QString("presetExpressionPedal%1Enabled").arg(p) << QString("presetExpressionPedal%1Channel").arg(p)
              << QString("presetExpressionPedal%1ControlChange").arg(p);
    for (int l = 1; l <= 8; ++l)
        names << QString("presetLoop%1Enabled").arg(l);
    return names;
}

} // namespace

class TestPresetsDialog : public QObject
{
    Q_OBJECT

private slots:
    void buildsListsAndLabelsFromTheImage();
    void loadsAndStoresOddBytes_data();
    void loadsAndStoresOddBytes();
    void fullLengthNameRoundTrips();
    void shorterNameKeepsBytesAfterItsNul();
    void eightBitNameRoundTrips();
    void enablingRuleAfterLoad_data();
    void enablingRuleAfterLoad();
    void enablingRuleFollowsTheBoxes();
    void propertiesAndNotifySignals();
    void widgetEditsReachTheRecordOnlyOnStore();
};

void TestPresetsDialog::buildsListsAndLabelsFromTheImage()
{
    PresetsHome home;
    write_name(config_image() + layout::deviceOffset(4), "Amp");
    save_image();
    // The dialog reloads the file: this in-memory rename must not show.
    write_name(config_image() + layout::deviceOffset(5), "Unsaved");

    presetsdialog dialog(nullptr, config_image());
    QCOMPARE(dialog.windowTitle(), QString("Presets"));
    QCOMPARE(dialog.windowModality(), Qt::WindowModal);
    QCOMPARE(widget<QLineEdit>(dialog, "presetname")->maxLength(), 16);
    QCOMPARE(dialog.currentPreset(), 0);

    auto *selector = widget<QComboBox>(dialog, "presetComboBox");
    QCOMPARE(selector->count(), 270);
    QCOMPARE(selector->currentIndex(), 0);
    QCOMPARE(selector->itemText(0), QString("001 - Preset 001"));
    QCOMPARE(selector->itemText(8), QString("009 - Preset 009"));
    QCOMPARE(selector->itemText(9), QString("011 - Preset 011"));
    QCOMPARE(selector->itemText(269), QString("299 - Preset 299"));
    QCOMPARE(selector->itemData(269).toInt(), 269);

    QCOMPARE(widget<QLabel>(dialog, "presetProgramChange1Label")->text(), QString("1 - Quill"));
    QCOMPARE(widget<QLabel>(dialog, "presetProgramChange5Label")->text(), QString("5 - Amp"));
    QCOMPARE(widget<QLabel>(dialog, "presetProgramChange6Label")->text(), QString("6 - Device 5"));
    QCOMPARE(widget<QLabel>(dialog, "presetProgramChange16Label")->text(), QString("16 - Device 15"));
    for (int p = 1; p <= 2; ++p) {
        auto *channel = widget<QComboBox>(dialog, QString("presetExpressionPedal%1ChannelComboBox").arg(p));
        QCOMPARE(channel->count(), 16);
        QCOMPARE(channel->itemText(4), QString("05 - Amp"));
        QCOMPARE(channel->itemText(15), QString("16 - Device 15"));
    }

    for (const char *name : {"presetMsb7ComboBox", "presetLsb16ComboBox", "presetProgramChangeNumber1ComboBox",
                                "presetExpressionPedal2ControlChangeComboBox"}) {
        auto *list = widget<QComboBox>(dialog, name);
        QCOMPARE(list->count(), 128);
        QCOMPARE(list->itemText(0), QString("000"));
        QCOMPARE(list->itemText(127), QString("127"));
        QCOMPARE(list->itemData(99).toInt(), 99);
    }
    auto *loop = widget<QComboBox>(dialog, "presetLoop8EnabledComboBox");
    QCOMPARE(QStringList({loop->itemText(0), loop->itemText(1), loop->itemText(2)}),
             QStringList({"off", "on", "unchanged"}));
    auto *output = widget<QComboBox>(dialog, "presetOutputComboBox");
    QCOMPARE(QStringList({output->itemText(0), output->itemText(1), output->itemText(2)}),
             QStringList({"A", "B", "unchanged"}));
    // Factory preset 0: program change 1 on with number 0, pedals on 7 and 8.
    QCOMPARE(widget<QLineEdit>(dialog, "presetname")->text(), QString("Preset 001"));
    QVERIFY(widget<QCheckBox>(dialog, "presetProgramChange1EnabledCheckBox")->isChecked());
    QCOMPARE(widget<QComboBox>(dialog, "presetProgramChangeNumber16ComboBox")->currentIndex(), 15);
    QCOMPARE(widget<QComboBox>(dialog, "presetExpressionPedal2ControlChangeComboBox")->currentText(),
             QString("008"));
}

void TestPresetsDialog::loadsAndStoresOddBytes_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("widgetName");
    QTest::addColumn<int>("shown");     // combo index, or check state for boxes
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("propertyValue");
    QTest::addColumn<int>("storedAfter");

    QTest::newRow("number 200 reads negative") << 18 << 200 << "presetProgramChangeNumber1ComboBox" << 0
                                               << "presetProgramChangeNumber1" << 0 << 0;
    QTest::newRow("number 130 reads negative") << 23 << 130 << "presetProgramChangeNumber2ComboBox" << 0
                                               << "presetProgramChangeNumber2" << 0 << 0;
    QTest::newRow("MSB 255") << 95 << 255 << "presetMsb16ComboBox" << 0 << "presetMsb16" << 0 << 0;
    QTest::newRow("LSB 127") << 41 << 127 << "presetLsb5ComboBox" << 127 << "presetLsb5" << 127 << 127;
    QTest::newRow("pedal channel 100") << 178 << 100 << "presetExpressionPedal1ChannelComboBox" << 4
                                       << "presetExpressionPedal1Channel" << 4 << 4;
    QTest::newRow("pedal channel 15") << 183 << 15 << "presetExpressionPedal2ChannelComboBox" << 15
                                      << "presetExpressionPedal2Channel" << 15 << 15;
    QTest::newRow("pedal control change 128") << 184 << 128 << "presetExpressionPedal2ControlChangeComboBox" << 0
                                              << "presetExpressionPedal2ControlChange" << 0 << 0;
    QTest::newRow("loop 5") << 282 << 5 << "presetLoop4EnabledComboBox" << -1 << "presetLoop4Enabled" << 255 << 255;
    QTest::newRow("loop unchanged") << 286 << 2 << "presetLoop8EnabledComboBox" << 2 << "presetLoop8Enabled" << 2 << 2;
    QTest::newRow("relay 2 of 200") << 278 << 200 << "presetRelay2EnabledComboBox" << -1 << "presetRelay2Enabled"
                                    << 255 << 255;
    QTest::newRow("relay 1 unchanged") << 277 << 2 << "presetRelay1EnabledComboBox" << 2 << "presetRelay1Enabled"
                                       << 2 << 2;
    QTest::newRow("output unchanged") << 287 << 2 << "presetOutputComboBox" << 2 << "presetOutputA" << 2 << 1;
    QTest::newRow("output 7") << 287 << 7 << "presetOutputComboBox" << -1 << "presetOutputA" << 255 << 1;
    QTest::newRow("output B") << 287 << 1 << "presetOutputComboBox" << 1 << "presetOutputA" << 1 << 1;
    QTest::newRow("enable flag 7") << 22 << 7 << "presetProgramChange2EnabledCheckBox" << 2
                                   << "presetProgramChange2Enabled" << 2 << 1;
    QTest::newRow("bank select flag 128") << 29 << 128 << "presetBankSelect3EnabledCheckBox" << 2
                                          << "presetBankSelect3Enabled" << 2 << 1;
    QTest::newRow("pedal off") << 177 << 0 << "presetExpressionPedal1EnabledCheckbox" << 0
                               << "presetExpressionPedal1Enabled" << 0 << 0;
}

void TestPresetsDialog::loadsAndStoresOddBytes()
{
    QFETCH(int, offset);
    QFETCH(int, stored);
    QFETCH(QString, widgetName);
    QFETCH(int, shown);
    QFETCH(QString, property);
    QFETCH(int, propertyValue);
    QFETCH(int, storedAfter);

    PresetsHome home;
    presetRecord(0)[offset] = static_cast<unsigned char>(stored);
    save_image();
    const QByteArray before = presetRecordBytes(0);

    presetsdialog dialog(nullptr, config_image());
    if (auto *box = dialog.findChild<QCheckBox *>(widgetName))
        QCOMPARE(int(box->checkState()), shown);
    else
        QCOMPARE(widget<QComboBox>(dialog, widgetName)->currentIndex(), shown);
    QCOMPARE(dialog.property(qPrintable(property)).toInt(), propertyValue);

    StdoutCapture capture;
    dialog.storeFormIntoImage();
    QCOMPARE(capture.finish(), QByteArray("Conf: 'Preset 001'\nForm: 'Preset 001'\n"));
    QByteArray expected = before;
    expected[offset] = char(storedAfter);
    QCOMPARE(presetRecordBytes(0), expected);
}

void TestPresetsDialog::fullLengthNameRoundTrips()
{
    PresetsHome home;
    std::memcpy(presetRecord(0), "ABCDEFGHIJKLMNOPQ", 17); // no NUL, junk terminator
    save_image();

    StdoutCapture capture;
    presetsdialog dialog(nullptr, config_image());
    QCOMPARE(capture.finish(), QByteArray("Loading data into form...\n")); // compares equal
    QCOMPARE(widget<QLineEdit>(dialog, "presetname")->text(), QString("ABCDEFGHIJKLMNOP"));
    QVERIFY(dialog.presetMatchesForm());

    dialog.storeFormIntoImage();
    QCOMPARE(presetRecordBytes(0).left(17), QByteArray("ABCDEFGHIJKLMNOP\0", 17));
}

void TestPresetsDialog::shorterNameKeepsBytesAfterItsNul()
{
    PresetsHome home;
    std::memcpy(presetRecord(0), "Preset 001\0tail!\x7f", 17);
    save_image();

    presetsdialog dialog(nullptr, config_image());
    auto *name = widget<QLineEdit>(dialog, "presetname");
    name->clear();
    QTest::keyClicks(name, "Lead");
    QCOMPARE(dialog.property("presetname").toString(), QString("Lead"));
    QVERIFY(!dialog.presetMatchesForm());

    StdoutCapture capture;
    dialog.storeFormIntoImage();
    QCOMPARE(capture.finish(), QByteArray("Conf: 'Lead'\nForm: 'Lead'\n"));
    QCOMPARE(presetRecordBytes(0).left(17), QByteArray("Lead\0t 001\0tail!\x7f", 17));

    // Typing past 16 characters is cut by the field itself.
    name->clear();
    QTest::keyClicks(name, "0123456789abcdefXYZ");
    dialog.storeFormIntoImage();
    QCOMPARE(presetRecordBytes(0).left(17), QByteArray("0123456789abcdef\0", 17));
}

void TestPresetsDialog::eightBitNameRoundTrips()
{
    PresetsHome home;
    const QByteArray name("Gr\xfcn \xe9t\xe9 \xa9\xff\0", 12);
    std::memcpy(presetRecord(0), name.constData(), size_t(name.size()));
    save_image();
    const QByteArray before = presetRecordBytes(0);

    StdoutCapture capture;
    presetsdialog dialog(nullptr, config_image());
    QCOMPARE(capture.finish(), QByteArray("Loading data into form...\n"));
    QCOMPARE(widget<QLineEdit>(dialog, "presetname")->text(), QString::fromLatin1(name.constData()));
    dialog.storeFormIntoImage();
    QCOMPARE(presetRecordBytes(0), before);
}

void TestPresetsDialog::enablingRuleAfterLoad_data()
{
    QTest::addColumn<int>("enabled");
    QTest::addColumn<int>("bankSelect");
    QTest::addColumn<bool>("numberOn");
    QTest::addColumn<bool>("msbLsbOn");

    QTest::newRow("off, bank off") << 0 << 0 << false << false;
    QTest::newRow("off, bank on") << 0 << 1 << false << false;
    QTest::newRow("on, bank off") << 1 << 0 << true << false;
    QTest::newRow("on, bank on") << 1 << 1 << true << true;
}

void TestPresetsDialog::enablingRuleAfterLoad()
{
    QFETCH(int, enabled);
    QFETCH(int, bankSelect);
    QFETCH(bool, numberOn);
    QFETCH(bool, msbLsbOn);

    PresetsHome home;
    // Rows 2 and 3 of preset 0 (rows start unchecked), row 2 of preset 1 as well.
    for (int preset : {0, 1})
        for (int row : {1, 2}) {
            unsigned char *entry = presetRecord(preset) + layout::preset::programChangeOffset(row);
            entry[0] = static_cast<unsigned char>(enabled);
            entry[2] = static_cast<unsigned char>(bankSelect);
        }
    save_image();

    presetsdialog dialog(nullptr, config_image());
    auto check = [&](int n) {
        QCOMPARE(widget<QComboBox>(dialog, QString("presetProgramChangeNumber%1ComboBox").arg(n))->isEnabled(),
                 numberOn);
        QCOMPARE(widget<QCheckBox>(dialog, QString("presetBankSelect%1EnabledCheckBox").arg(n))->isEnabled(),
                 numberOn);
        QCOMPARE(widget<QComboBox>(dialog, QString("presetMsb%1ComboBox").arg(n))->isEnabled(), msbLsbOn);
        QCOMPARE(widget<QComboBox>(dialog, QString("presetLsb%1ComboBox").arg(n))->isEnabled(), msbLsbOn);
    };
    check(2);
    check(3);
    // The same states on the next preset raise no signal; the rule still holds.
    widget<QComboBox>(dialog, "presetComboBox")->setCurrentIndex(1);
    QCOMPARE(dialog.currentPreset(), 1);
    check(2);
}

void TestPresetsDialog::enablingRuleFollowsTheBoxes()
{
    PresetsHome home;
    presetsdialog dialog(nullptr, config_image());
    auto *enable = widget<QCheckBox>(dialog, "presetProgramChange4EnabledCheckBox");
    auto *bank = widget<QCheckBox>(dialog, "presetBankSelect4EnabledCheckBox");
    auto *number = widget<QComboBox>(dialog, "presetProgramChangeNumber4ComboBox");
    auto *msb = widget<QComboBox>(dialog, "presetMsb4ComboBox");
    auto *lsb = widget<QComboBox>(dialog, "presetLsb4ComboBox");

    QVERIFY(!number->isEnabled() && !bank->isEnabled());
    enable->setChecked(true);
    QVERIFY(number->isEnabled() && bank->isEnabled() && !msb->isEnabled() && !lsb->isEnabled());
    bank->setChecked(true);
    QVERIFY(msb->isEnabled() && lsb->isEnabled());
    enable->setChecked(false); // a checked but disabled bank select disables MSB and LSB
    QVERIFY(!number->isEnabled() && !bank->isEnabled() && !msb->isEnabled() && !lsb->isEnabled());
    QCOMPARE(dialog.property("presetBankSelect4Enabled").toInt(), int(Qt::Checked));
    QCOMPARE(dialog.property("presetProgramChange4Enabled").toInt(), int(Qt::Unchecked));
}

void TestPresetsDialog::propertiesAndNotifySignals()
{
    PresetsHome home;
    presetsdialog dialog(nullptr, config_image());
    const QMetaObject *meta = dialog.metaObject();
    const QStringList names = expectedPropertyNames();
    QCOMPARE(names.size(), 4 + 80 + 6 + 8);
    for (const QString &name : names) {
        const int index = meta->indexOfProperty(qPrintable(name));
        QVERIFY2(index >= 0, qPrintable(name));
        const QMetaProperty property = meta->property(index);
        QVERIFY2(property.isWritable() && property.hasNotifySignal(), qPrintable(name));
        QCOMPARE(QString(property.notifySignal().name()), name + "Changed");
    }

    QSignalSpy lsb(&dialog, SIGNAL(presetLsb3Changed()));
    auto *lsbBox = widget<QComboBox>(dialog, "presetLsb3ComboBox");
    lsbBox->setCurrentIndex(42);
    QCOMPARE(lsb.count(), 1);
    QCOMPARE(dialog.property("presetLsb3").toInt(), 42);
    QVERIFY(dialog.setProperty("presetLsb3", QVariant::fromValue<qint8>(42)));
    QCOMPARE(lsb.count(), 1); // an unchanged value is no change

    QSignalSpy name(&dialog, SIGNAL(presetnameChanged()));
    QTest::keyClicks(widget<QLineEdit>(dialog, "presetname"), "x");
    QCOMPARE(name.count(), 1);
    QCOMPARE(dialog.property("presetname").toString(), QString("Preset 001x"));

    // The output choice is recorded without a change signal.
    QSignalSpy output(&dialog, SIGNAL(presetOutputAChanged()));
    widget<QComboBox>(dialog, "presetOutputComboBox")->setCurrentIndex(2);
    QCOMPARE(dialog.property("presetOutputA").toInt(), 2);
    QCOMPARE(output.count(), 0);

    QSignalSpy loop(&dialog, SIGNAL(presetLoop6EnabledChanged()));
    widget<QComboBox>(dialog, "presetLoop6EnabledComboBox")->setCurrentIndex(1);
    QCOMPARE(loop.count(), 1);
    QSignalSpy pedal(&dialog, SIGNAL(presetExpressionPedal2EnabledChanged()));
    widget<QCheckBox>(dialog, "presetExpressionPedal2EnabledCheckbox")->setChecked(false);
    QCOMPARE(pedal.count(), 1);
    QCOMPARE(dialog.property("presetExpressionPedal2Enabled").toInt(), int(Qt::Unchecked));
    // A pedal's enable box leaves its lists alone.
    QVERIFY(widget<QComboBox>(dialog, "presetExpressionPedal2ChannelComboBox")->isEnabled());
}

void TestPresetsDialog::widgetEditsReachTheRecordOnlyOnStore()
{
    PresetsHome home;
    presetsdialog dialog(nullptr, config_image());
    const QByteArray before = presetRecordBytes(0);

    widget<QCheckBox>(dialog, "presetProgramChange16EnabledCheckBox")->setChecked(true);
    widget<QComboBox>(dialog, "presetProgramChangeNumber16ComboBox")->setCurrentIndex(100);
    widget<QCheckBox>(dialog, "presetBankSelect16EnabledCheckBox")->setChecked(true);
    widget<QComboBox>(dialog, "presetMsb16ComboBox")->setCurrentIndex(1);
    widget<QComboBox>(dialog, "presetLsb16ComboBox")->setCurrentIndex(2);
    widget<QComboBox>(dialog, "presetExpressionPedal1ChannelComboBox")->setCurrentIndex(9);
    widget<QComboBox>(dialog, "presetExpressionPedal1ControlChangeComboBox")->setCurrentIndex(11);
    widget<QComboBox>(dialog, "presetRelay2EnabledComboBox")->setCurrentIndex(1);
    widget<QComboBox>(dialog, "presetLoop1EnabledComboBox")->setCurrentIndex(2);
    widget<QComboBox>(dialog, "presetOutputComboBox")->setCurrentIndex(1);
    QCOMPARE(presetRecordBytes(0), before);

    dialog.storeFormIntoImage();
    QByteArray expected = before;
    const int row16 = 17 + 5 * 15;
    expected[row16] = 1;
    expected[row16 + 1] = 100;
    expected[row16 + 2] = 1;
    expected[row16 + 3] = 1;
    expected[row16 + 4] = 2;
    expected[178] = 9;
    expected[179] = 11;
    expected[278] = 1;
    expected[279] = 2;
    expected[287] = 1;
    QCOMPARE(presetRecordBytes(0), expected);
    QVERIFY(dialog.presetMatchesForm());
}

VEKTOR_TEST_MAIN(TestPresetsDialog)
#include "test_presets_dialog.moc"
