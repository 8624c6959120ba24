// The global settings dialog on its own: its form, its properties, the enable
// rule of the button rows, and how single fields load and store.

#include "default_image.h"
#include "globaldialog.h"
#include "image_layout.h"
#include "store.h"
#include "image_fixtures.h"
#include "test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QStyleOptionComboBox>

#include <cstring>

using namespace layout;

namespace {

void putImage(const QByteArray &image)
{
    std::memcpy(config_image(), image.constData(), size_t(kImageSize));
}

// What OK stores when the dialog was opened on the image in memory.
QByteArray storedImage(const globaldialog &dialog)
{
    QByteArray image = imageInMemory();
    dialog.storeToImage(reinterpret_cast<unsigned char *>(image.data()));
    return image;
}

unsigned char byteAt(const QByteArray &image, int offset)
{
    return static_cast<unsigned char>(image.at(offset));
}

template <typename T>
T *widget(const globaldialog &dialog, const QString &name)
{
    T *found = dialog.findChild<T *>(name);
    if (!found)
        qWarning("no widget %s", qPrintable(name));
    return found;
}

QComboBox *combo(const globaldialog &dialog, const QString &name)
{
    return widget<QComboBox>(dialog, name);
}

QLineEdit *lineEdit(const globaldialog &dialog, const QString &name)
{
    return widget<QLineEdit>(dialog, name);
}

// The eleven fields that follow a button's function, as widget suffixes.
const QStringList kDependentFields = {
    "ActionComboBox", "ChannelComboBox", "ControlChangeComboBox", "FavoriteComboBox",
    "LoopComboBox", "OffCustomLineEdit", "OffValueComboBox", "OnCustomLineEdit",
    "OnValueComboBox", "RelayComboBox", "StepComboBox"};

struct ExpectedProperty {
    QByteArray name;
    int type;
};

QVector<ExpectedProperty> expectedProperties()
{
    QVector<ExpectedProperty> list = {
        {"midiChannel", qMetaTypeId<qint8>()}, {"softThruEnabled", qMetaTypeId<Qt::CheckState>()}, {"sysexId", qMetaTypeId<qint8>()},
        {"sysexRemoteId", qMetaTypeId<qint8>()}, {"axeFxEnabled", qMetaTypeId<Qt::CheckState>()}, {"axeFxModel", qMetaTypeId<qint8>()},
        {"sysexDumpFullSpeed", qMetaTypeId<Qt::CheckState>()}};
    const auto family = [&list](const char *prefix, int count, const char *field, int type) {
        for (int n = 1; n <= count; ++n)
            list.append({QByteArray(prefix) + QByteArray::number(n) + field, type});
    };
    family("expressionPedal", 2, "Enabled", qMetaTypeId<Qt::CheckState>());
    family("expressionPedal", 2, "Name", qMetaTypeId<QString>());
    family("channel", 16, "Enabled", qMetaTypeId<Qt::CheckState>());
    family("channel", 16, "Name", qMetaTypeId<QString>());
    const QVector<QPair<const char *, int>> buttonFields = {
        {"Function", qMetaTypeId<qint8>()}, {"Action", qMetaTypeId<qint8>()}, {"Name", qMetaTypeId<QString>()}, {"Favorite", qMetaTypeId<qint16>()},
        {"OffCustom", qMetaTypeId<QString>()}, {"OnCustom", qMetaTypeId<QString>()}, {"Loop", qMetaTypeId<qint8>()}, {"Relay", qMetaTypeId<qint8>()},
        {"ControlChange", qMetaTypeId<qint8>()}, {"Channel", qMetaTypeId<qint8>()}, {"OnValue", qMetaTypeId<qint8>()},
        {"OffValue", qMetaTypeId<qint8>()}, {"Step", qMetaTypeId<qint8>()}};
    for (const auto &field : buttonFields)
        family("button", 9, field.first, field.second);
    return list;
}

} // namespace

class TestGlobalDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { putImage(factoryImage()); }

    void propertiesMatchTheTable();
    void signalsAreDeclaredInOrder();
    void writeAccessorIgnoresUnchangedValues();
    void everyWidgetWritesItsProperty_data();
    void everyWidgetWritesItsProperty();
    void formFitsEveryWidget();
    void formShowsTheValueLists();
    void defaultImageLoads();
    void calibrationIsDisplayOnly();

    void enableRule_data();
    void enableRule();
    void enableRuleIgnoresIndexOutsideTheList();
    void disabledFieldsAreStillStored();

    void listFieldsLoadAndStore_data();
    void listFieldsLoadAndStore();
    void favoriteLoadsAsSigned16Bit_data();
    void favoriteLoadsAsSigned16Bit();
    void hexTextStores_data();
    void hexTextStores();
    void namesOfSixteenCharactersSurvive();
    void longPedalNameIsCut();
    void loadingClearsNameTerminatorsInMemory();
};

void TestGlobalDialog::propertiesMatchTheTable()
{
    const QMetaObject &meta = globaldialog::staticMetaObject;
    const QVector<ExpectedProperty> expected = expectedProperties();
    QCOMPARE(meta.propertyCount() - meta.propertyOffset(), 160);
    QCOMPARE(expected.size(), 160);
    for (int i = 0; i < expected.size(); ++i) {
        const QMetaProperty property = meta.property(meta.propertyOffset() + i);
        const QByteArray name = expected[i].name;
        QCOMPARE(QByteArray(property.name()), name);
        QCOMPARE(property.userType(), expected[i].type);
        QVERIFY2(property.isWritable(), name.constData());
        QVERIFY2(property.hasNotifySignal(), name.constData());
        QCOMPARE(property.notifySignal().methodSignature(), name + "Changed()");
    }
}

void TestGlobalDialog::signalsAreDeclaredInOrder()
{
    const QMetaObject &meta = globaldialog::staticMetaObject;
    QVector<QByteArray> signalNames;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        if (meta.method(i).methodType() == QMetaMethod::Signal)
            signalNames.append(meta.method(i).name());
    QCOMPARE(signalNames.size(), 160);
    QVector<QByteArray> expected;
    for (const ExpectedProperty &property : expectedProperties())
        expected.append(property.name + "Changed");
    std::swap(expected[2], expected[3]); // sysexRemoteIdChanged comes before sysexIdChanged
    QCOMPARE(signalNames, expected);
}

void TestGlobalDialog::writeAccessorIgnoresUnchangedValues()
{
    globaldialog dialog(nullptr);
    QSignalSpy spy(&dialog, &globaldialog::button3StepChanged);
    const qint8 step = dialog.button3Step();
    dialog.setButton3Step(step);
    QCOMPARE(spy.count(), 0);
    dialog.setButton3Step(qint8(step + 5));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(dialog.button3Step(), qint8(step + 5));
    QVERIFY(dialog.setProperty("button3Step", QVariant::fromValue(qint8(step + 5))));
    QCOMPARE(spy.count(), 1);

    QSignalSpy nameSpy(&dialog, &globaldialog::channel7NameChanged);
    lineEdit(dialog, "channel7NameLineEdit")->setText("Synth");
    QCOMPARE(nameSpy.count(), 1);
    QCOMPARE(dialog.channel7Name(), QString("Synth"));
}

void TestGlobalDialog::everyWidgetWritesItsProperty_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("widget");
    const QMap<QByteArray, QString> general = {
        {"midiChannel", "inputChannelCombo"}, {"softThruEnabled", "softThruEnabledCheckBox"},
        {"sysexId", "sysexIdCombo"}, {"sysexRemoteId", "sysexRemoteIdComboBox"},
        {"axeFxEnabled", "axeFxEnabledCheckBox"}, {"axeFxModel", "axeFxModelComboBox"},
        {"sysexDumpFullSpeed", "fullSpeedDumpCheckBox"}};
    for (const ExpectedProperty &property : expectedProperties()) {
        QString widget = general.value(property.name);
        if (widget.isEmpty()) {
            const char *kind = property.type == qMetaTypeId<QString>() ? "LineEdit"
                : property.type == qMetaTypeId<Qt::CheckState>()     ? "CheckBox"
                                                                     : "ComboBox";
            widget = QString::fromLatin1(property.name + kind);
        }
        QTest::newRow(property.name.constData()) << property.name << widget;
    }
}

void TestGlobalDialog::everyWidgetWritesItsProperty()
{
    QFETCH(QByteArray, property);
    QFETCH(QString, widget);
    globaldialog dialog(nullptr);
    const QMetaProperty meta = dialog.metaObject()->property(dialog.metaObject()->indexOfProperty(property));
    QSignalSpy changed(&dialog, meta.notifySignal());
    QWidget *target = dialog.findChild<QWidget *>(widget);
    QVERIFY2(target, qPrintable(widget));
    QVariant expected;
    if (auto *box = qobject_cast<QComboBox *>(target)) {
        box->setCurrentIndex((box->currentIndex() + 1) % box->count());
        expected = box->currentIndex();
    } else if (auto *check = qobject_cast<QCheckBox *>(target)) {
        check->click();
        expected = int(check->checkState());
    } else if (auto *edit = qobject_cast<QLineEdit *>(target)) {
        edit->setText(edit->text().left(10) + "x");
        expected = edit->text();
    }
    QCOMPARE(changed.count(), 1);
    const QVariant value = dialog.property(property.constData());
    if (expected.userType() == QMetaType::QString)
        QCOMPARE(value.toString(), expected.toString());
    else
        QCOMPARE(value.toInt(), expected.toInt());
}

void TestGlobalDialog::formFitsEveryWidget()
{
    QByteArray image = factoryImage();
    image[kAxeFxModel] = 1; // "Axe-Fx Standard", the longest model
    putImage(image);
    globaldialog dialog(nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.width() >= dialog.minimumSizeHint().width());
    QVERIFY(dialog.height() >= dialog.minimumSizeHint().height());

    QList<QWidget *> widgets;
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        const bool leaf = qobject_cast<QLabel *>(w) || qobject_cast<QComboBox *>(w)
            || qobject_cast<QLineEdit *>(w) || qobject_cast<QCheckBox *>(w)
            || qobject_cast<QDialogButtonBox *>(w);
        if (leaf && !w->objectName().isEmpty() && w->isVisible())
            widgets.append(w);
    }
    QCOMPARE(widgets.size(), 221); // every named label, list, field, box and the button box
    const auto area = [&dialog](QWidget *w) { return QRect(w->mapTo(&dialog, QPoint(0, 0)), w->size()); };
    for (int i = 0; i < widgets.size(); ++i) {
        QVERIFY2(dialog.rect().contains(area(widgets[i])), qPrintable(widgets[i]->objectName()));
        for (int j = i + 1; j < widgets.size(); ++j)
            QVERIFY2(!area(widgets[i]).intersects(area(widgets[j])),
                     qPrintable(widgets[i]->objectName() + " overlaps " + widgets[j]->objectName()));
    }

    for (QWidget *w : widgets) {
        if (auto *label = qobject_cast<QLabel *>(w)) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->objectName()));
        } else if (auto *box = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(box);
            option.editable = false;
            const int room = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, box).width();
            for (int k = 0; k < box->count(); ++k)
                QVERIFY2(box->fontMetrics().horizontalAdvance(box->itemText(k)) <= room,
                         qPrintable(box->objectName() + ": " + box->itemText(k)));
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            // Messages and calibration values show whole; names may scroll.
            const QString widest = edit->objectName().contains("Custom") ? "83 4d 7f 00 00 00 00 00"
                                 : edit->objectName().contains("Calibration") ? "65535"
                                                                              : "Device 15";
            QVERIFY2(edit->fontMetrics().horizontalAdvance(widest) + 8 <= edit->contentsRect().width(),
                     qPrintable(edit->objectName() + QString(" %1 in %2 font %3").arg(edit->fontMetrics().horizontalAdvance(widest)).arg(edit->contentsRect().width()).arg(edit->font().toString())));
        } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
            QVERIFY2(check->width() >= check->sizeHint().width(), qPrintable(check->objectName()));
        }
    }
}

void TestGlobalDialog::formShowsTheValueLists()
{
    globaldialog dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Global"));

    QComboBox *favorite = combo(dialog, "button1FavoriteComboBox");
    QCOMPARE(favorite->count(), 270);
    QCOMPARE(favorite->itemText(0), QString("001"));
    QCOMPARE(favorite->itemText(8), QString("009"));
    QCOMPARE(favorite->itemText(9), QString("011"));
    QCOMPARE(favorite->itemText(269), QString("299"));
    for (int k = 0; k < favorite->count(); ++k)
        QVERIFY(!favorite->itemText(k).endsWith('0'));

    for (const char *name : {"sysexIdCombo", "sysexRemoteIdComboBox"}) {
        QComboBox *ids = combo(dialog, name);
        QCOMPARE(ids->count(), 128);
        QCOMPARE(ids->itemText(0), QString("000"));
        QCOMPARE(ids->itemText(127), QString("127"));
    }

    QComboBox *model = combo(dialog, "axeFxModelComboBox");
    QCOMPARE(model->count(), 3);
    QCOMPARE(model->itemText(0), QString("Axe-Fx II"));
    QCOMPARE(model->itemText(1), QString("Axe-Fx Standard"));
    QCOMPARE(model->itemText(2), QString("Axe-Fx Ultra"));
    QCOMPARE(model->itemData(0).toInt(), 3);
    QCOMPARE(model->itemData(1).toInt(), 0);
    QCOMPARE(model->itemData(2).toInt(), 1);

    QComboBox *function = combo(dialog, "button9FunctionComboBox");
    QCOMPARE(function->count(), 14);
    QCOMPARE(function->itemText(0), QString("preset"));
    QCOMPARE(function->itemText(4), QString("favorite preset"));
    QCOMPARE(function->itemText(13), QString("edit"));
    QCOMPARE(combo(dialog, "button2ActionComboBox")->itemText(1), QString("alternate"));
    QCOMPARE(combo(dialog, "button2LoopComboBox")->itemText(7), QString("8"));
    QCOMPARE(combo(dialog, "button2RelayComboBox")->itemText(1), QString("2"));
    QCOMPARE(combo(dialog, "inputChannelCombo")->itemText(15), QString("16"));
    QCOMPARE(combo(dialog, "button5ChannelComboBox")->itemText(0), QString("01"));
    QCOMPARE(combo(dialog, "button5StepComboBox")->count(), 128);
    QCOMPARE(combo(dialog, "button5StepComboBox")->itemText(127), QString("127"));
    QCOMPARE(combo(dialog, "button5StepComboBox")->itemData(100).toInt(), 100);

    QCOMPARE(widget<QLabel>(dialog, "button7Label")->text(), QString("7"));
    QCOMPARE(widget<QLabel>(dialog, "channel2Label_2")->text(), QString("2"));
    QCOMPARE(widget<QLabel>(dialog, "channel2Label")->text(), QString("Channel"));
    QCOMPARE(widget<QLabel>(dialog, "channel16Label")->text(), QString("16"));
    QCOMPARE(lineEdit(dialog, "button1NameLineEdit")->maxLength(), 16);
    QCOMPARE(lineEdit(dialog, "channel1NameLineEdit")->maxLength(), 16);
    QCOMPARE(lineEdit(dialog, "button1OffCustomLineEdit")->maxLength(), 24);
}

void TestGlobalDialog::defaultImageLoads()
{
    globaldialog dialog(nullptr);
    QCOMPARE(dialog.midiChannel(), qint8(0));
    QCOMPARE(dialog.sysexRemoteId(), qint8(1));
    QCOMPARE(combo(dialog, "sysexRemoteIdComboBox")->currentIndex(), 1);
    QCOMPARE(dialog.softThruEnabled(), Qt::Unchecked);
    QCOMPARE(dialog.channel1Name(), QString("Quill"));
    QCOMPARE(dialog.channel1Enabled(), Qt::Checked);
    QCOMPARE(dialog.channel2Enabled(), Qt::Unchecked);
    QCOMPARE(dialog.channel16Name(), QString("Device 15"));
    QCOMPARE(dialog.expressionPedal2Name(), QString("Exp. Pedal 1"));
    QCOMPARE(dialog.expressionPedal1Enabled(), Qt::Checked);
    QCOMPARE(dialog.button1Name(), QString("Button 0"));
    QCOMPARE(dialog.button8Function(), qint8(2));
    QCOMPARE(dialog.button9Function(), qint8(1));
    QCOMPARE(dialog.button4Favorite(), qint16(3));
    QCOMPARE(dialog.button4ControlChange(), qint8(83));
    QCOMPARE(dialog.button4OnValue(), qint8(127));
    QCOMPARE(dialog.button4Action(), qint8(1));
    QCOMPARE(dialog.button4Loop(), qint8(3));
    QCOMPARE(dialog.button4Relay(), qint8(1));
    QCOMPARE(dialog.button3OffCustom(), QString("83 47 7f 00 00 00 00 00"));
    QCOMPARE(dialog.button3OnCustom(), QString("93 47 7f 00 00 00 00 00"));
    QCOMPARE(combo(dialog, "button3FunctionComboBox")->currentText(), QString("preset"));
    // Every row's function is one that greys out all dependent fields.
    for (int n = 1; n <= 9; ++n)
        for (const QString &field : kDependentFields)
            QVERIFY2(!dialog.findChild<QWidget *>(QString("button%1%2").arg(n).arg(field))->isEnabled(),
                     qPrintable(QString("button%1%2").arg(n).arg(field)));
}

void TestGlobalDialog::calibrationIsDisplayOnly()
{
    QByteArray image = factoryImage();
    image[pedalOffset(1) + pedal::kMin] = char(0x34);
    image[pedalOffset(1) + pedal::kMin + 1] = char(0x12);
    image[pedalOffset(1) + pedal::kMax] = char(0xFF);
    image[pedalOffset(1) + pedal::kMax + 1] = char(0xFF);
    putImage(image);
    globaldialog dialog(nullptr);
    QCOMPARE(lineEdit(dialog, "expressionPedal1MinLineEdit")->text(), QString("0"));
    QCOMPARE(lineEdit(dialog, "expressionPedal1MaxLineEdit")->text(), QString("2048"));
    QCOMPARE(lineEdit(dialog, "expressionPedal2MinLineEdit")->text(), QString("4660"));
    QCOMPARE(lineEdit(dialog, "expressionPedal2MaxLineEdit")->text(), QString("65535"));
    for (const char *name : {"expressionPedal1MinLineEdit", "expressionPedal1MaxLineEdit",
                             "expressionPedal2MinLineEdit", "expressionPedal2MaxLineEdit"}) {
        QLineEdit *edit = lineEdit(dialog, name);
        QVERIFY(!edit->isEnabled());
        QVERIFY(edit->inputMethodHints() & Qt::ImhDigitsOnly);
    }
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    lineEdit(dialog, "expressionPedal2MinLineEdit")->setFocus();
    QVERIFY(!lineEdit(dialog, "expressionPedal2MinLineEdit")->hasFocus());
    // Calibration is never written back.
    image[pedalOffset(1) + pedal::kMin] = char(0x99);
    putImage(image);
    QCOMPARE(byteAt(storedImage(dialog), pedalOffset(1) + pedal::kMin), 0x99);
}

void TestGlobalDialog::enableRule_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<QStringList>("enabled");
    QTest::newRow("preset") << 0 << QStringList();
    QTest::newRow("bank up") << 1 << QStringList();
    QTest::newRow("bank down") << 2 << QStringList();
    QTest::newRow("instant access") << 3
        << QStringList{"ActionComboBox", "ControlChangeComboBox", "ChannelComboBox",
                       "OnValueComboBox", "OffValueComboBox"};
    QTest::newRow("favorite preset") << 4 << QStringList{"FavoriteComboBox"};
    QTest::newRow("custom") << 5
        << QStringList{"ActionComboBox", "OffCustomLineEdit", "OnCustomLineEdit"};
    QTest::newRow("CC increment") << 6
        << QStringList{"ControlChangeComboBox", "ChannelComboBox", "StepComboBox"};
    QTest::newRow("CC decrement") << 7
        << QStringList{"ControlChangeComboBox", "ChannelComboBox", "StepComboBox"};
    QTest::newRow("loop") << 8 << QStringList{"ActionComboBox", "LoopComboBox"};
    QTest::newRow("relay") << 9 << QStringList{"ActionComboBox", "RelayComboBox"};
    QTest::newRow("A/B selector") << 10 << QStringList();
    QTest::newRow("relay group off") << 11 << QStringList();
    QTest::newRow("mode") << 12 << QStringList();
    QTest::newRow("edit") << 13 << QStringList();
}

void TestGlobalDialog::enableRule()
{
    QFETCH(int, function);
    QFETCH(QStringList, enabled);
    globaldialog dialog(nullptr);
    for (int n = 1; n <= 9; ++n) {
        // Start from the opposite state so every field has to be set.
        combo(dialog, QString("button%1FunctionComboBox").arg(n))->setCurrentIndex(function == 5 ? 3 : 5);
        combo(dialog, QString("button%1FunctionComboBox").arg(n))->setCurrentIndex(function);
        QCOMPARE(dialog.property(qPrintable(QString("button%1Function").arg(n))).toInt(), function);
        for (const QString &field : kDependentFields) {
            const QString name = QString("button%1%2").arg(n).arg(field);
            QCOMPARE(dialog.findChild<QWidget *>(name)->isEnabled(), enabled.contains(field));
        }
        QVERIFY(lineEdit(dialog, QString("button%1NameLineEdit").arg(n))->isEnabled());
        QVERIFY(combo(dialog, QString("button%1FunctionComboBox").arg(n))->isEnabled());
    }
}

void TestGlobalDialog::enableRuleIgnoresIndexOutsideTheList()
{
    globaldialog dialog(nullptr);
    QComboBox *function = combo(dialog, "button6FunctionComboBox");
    function->setCurrentIndex(5);
    const auto customFieldsEnabled = [&] {
        return combo(dialog, "button6ActionComboBox")->isEnabled()
            && lineEdit(dialog, "button6OffCustomLineEdit")->isEnabled()
            && lineEdit(dialog, "button6OnCustomLineEdit")->isEnabled()
            && !combo(dialog, "button6LoopComboBox")->isEnabled();
    };
    QVERIFY(customFieldsEnabled());

    function->setCurrentIndex(-1);
    QCOMPARE(dialog.button6Function(), qint8(-1));
    QVERIFY(customFieldsEnabled());

    for (int index : {14, 100, -7}) {
        QVERIFY(QMetaObject::invokeMethod(&dialog, "on_button6FunctionComboBox_currentIndexChanged",
                                          Q_ARG(int, index)));
        QCOMPARE(dialog.button6Function(), qint8(index));
        QVERIFY(customFieldsEnabled());
    }
}

void TestGlobalDialog::disabledFieldsAreStillStored()
{
    globaldialog dialog(nullptr);
    combo(dialog, "button2FunctionComboBox")->setCurrentIndex(5);
    lineEdit(dialog, "button2OffCustomLineEdit")->setText("b0 10 20");
    lineEdit(dialog, "button2OnCustomLineEdit")->setText("b0 10 7f");
    combo(dialog, "button2ActionComboBox")->setCurrentIndex(0);
    combo(dialog, "button2FunctionComboBox")->setCurrentIndex(0);
    QVERIFY(!lineEdit(dialog, "button2OffCustomLineEdit")->isEnabled());
    QCOMPARE(lineEdit(dialog, "button2OffCustomLineEdit")->text(), QString("b0 10 20"));
    QCOMPARE(dialog.button2OnCustom(), QString("b0 10 7f"));

    const QByteArray stored = storedImage(dialog);
    const int base = buttonOffset(1);
    QCOMPARE(byteAt(stored, base + button::kFunction), 0);
    QCOMPARE(byteAt(stored, base + button::kAction), 0);
    QCOMPARE(stored.mid(base + button::kOffCustom, 8), QByteArray::fromHex("b010200000000000"));
    QCOMPARE(stored.mid(base + button::kOnCustom, 8), QByteArray::fromHex("b0107f0000000000"));
}

void TestGlobalDialog::listFieldsLoadAndStore_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("shown");  // current entry, -1 for none
    QTest::addColumn<int>("written"); // byte after OK

    const int b5 = buttonOffset(4);
    QTest::newRow("midi channel 20 wraps") << kMidiChannel << 20 << QByteArray("midiChannel")
                                           << "inputChannelCombo" << 4 << 4;
    QTest::newRow("midi channel 200 is negative") << kMidiChannel << 200 << QByteArray("midiChannel")
                                                  << "inputChannelCombo" << 0 << 0;
    QTest::newRow("sysex id 100") << kSysexId << 100 << QByteArray("sysexId") << "sysexIdCombo" << 100 << 100;
    QTest::newRow("sysex id 130 is negative") << kSysexId << 130 << QByteArray("sysexId") << "sysexIdCombo" << 0 << 0;
    QTest::newRow("remote id 127") << kSysexRemoteId << 127 << QByteArray("sysexRemoteId")
                                   << "sysexRemoteIdComboBox" << 127 << 127;
    QTest::newRow("remote id 255") << kSysexRemoteId << 255 << QByteArray("sysexRemoteId")
                                   << "sysexRemoteIdComboBox" << 0 << 0;
    QTest::newRow("axe-fx model 2") << kAxeFxModel << 2 << QByteArray("axeFxModel")
                                    << "axeFxModelComboBox" << 2 << 2;
    QTest::newRow("axe-fx model 5 is unlisted") << kAxeFxModel << 5 << QByteArray("axeFxModel")
                                                << "axeFxModelComboBox" << -1 << 0;
    QTest::newRow("axe-fx model 16 wraps") << kAxeFxModel << 16 << QByteArray("axeFxModel")
                                           << "axeFxModelComboBox" << 0 << 0;
    QTest::newRow("function 13") << b5 + button::kFunction << 13 << QByteArray("button5Function")
                                 << "button5FunctionComboBox" << 13 << 13;
    QTest::newRow("function 14 wraps") << b5 + button::kFunction << 14 << QByteArray("button5Function")
                                       << "button5FunctionComboBox" << 0 << 0;
    QTest::newRow("action 2 is unlisted") << b5 + button::kAction << 2 << QByteArray("button5Action")
                                          << "button5ActionComboBox" << -1 << 0xFF;
    QTest::newRow("action 3 wraps") << b5 + button::kAction << 3 << QByteArray("button5Action")
                                    << "button5ActionComboBox" << 0 << 0;
    QTest::newRow("loop 9 wraps") << b5 + button::kLoop << 9 << QByteArray("button5Loop")
                                  << "button5LoopComboBox" << 1 << 1;
    QTest::newRow("relay 3 wraps") << b5 + button::kRelay << 3 << QByteArray("button5Relay")
                                   << "button5RelayComboBox" << 1 << 1;
    QTest::newRow("control change 128 negative") << b5 + button::kControlChange << 128
                                                 << QByteArray("button5ControlChange")
                                                 << "button5ControlChangeComboBox" << 0 << 0;
    QTest::newRow("channel 17 wraps") << b5 + button::kChannel << 17 << QByteArray("button5Channel")
                                      << "button5ChannelComboBox" << 1 << 1;
    QTest::newRow("on value 100") << b5 + button::kOnValue << 100 << QByteArray("button5OnValue")
                                  << "button5OnValueComboBox" << 100 << 100;
    QTest::newRow("off value 127") << b5 + button::kOffValue << 127 << QByteArray("button5OffValue")
                                   << "button5OffValueComboBox" << 127 << 127;
    QTest::newRow("step 250 negative") << b5 + button::kStep << 250 << QByteArray("button5Step")
                                       << "button5StepComboBox" << 0 << 0;
}

void TestGlobalDialog::listFieldsLoadAndStore()
{
    QFETCH(int, offset);
    QFETCH(int, stored);
    QFETCH(QByteArray, property);
    QFETCH(QString, widget);
    QFETCH(int, shown);
    QFETCH(int, written);

    QByteArray image = factoryImage();
    image[offset] = char(stored);
    putImage(image);
    globaldialog dialog(nullptr);
    QCOMPARE(combo(dialog, widget)->currentIndex(), shown);
    QCOMPARE(dialog.property(property.constData()).toInt(), shown);
    QCOMPARE(byteAt(storedImage(dialog), offset), written);
}

void TestGlobalDialog::favoriteLoadsAsSigned16Bit_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("written");
    QTest::newRow("130 is in range") << 130 << 130 << "145" << 130;
    QTest::newRow("200") << 200 << 200 << "223" << 200;
    QTest::newRow("269 is the last preset") << 269 << 269 << "299" << 269;
    QTest::newRow("270 is unlisted") << 270 << -1 << "" << 0xFFFF;
    QTest::newRow("271 wraps") << 271 << 0 << "001" << 0;
    QTest::newRow("-5 shows the first") << -5 << 0 << "001" << 0;
    QTest::newRow("1000 wraps") << 1000 << 1000 % 271 << "" << 1000 % 271;
}

void TestGlobalDialog::favoriteLoadsAsSigned16Bit()
{
    QFETCH(int, stored);
    QFETCH(int, shown);
    QFETCH(QString, text);
    QFETCH(int, written);
    QByteArray image = factoryImage();
    const int offset = buttonOffset(8) + button::kFavorite;
    image[offset] = char(stored & 0xFF);
    image[offset + 1] = char((stored >> 8) & 0xFF);
    putImage(image);
    globaldialog dialog(nullptr);
    QCOMPARE(int(dialog.button9Favorite()), shown);
    if (!text.isEmpty())
        QCOMPARE(combo(dialog, "button9FavoriteComboBox")->currentText(), text);
    const QByteArray after = storedImage(dialog);
    QCOMPARE(byteAt(after, offset) | (byteAt(after, offset + 1) << 8), written);
}

void TestGlobalDialog::hexTextStores_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("spaced") << "f0 7f" << QByteArray::fromHex("f07f000000000000");
    QTest::newRow("run together") << "f07f" << QByteArray::fromHex("f07f000000000000");
    QTest::newRow("not hex") << "zz 12" << QByteArray::fromHex("0012000000000000");
    QTest::newRow("empty") << "" << QByteArray(8, '\0');
    QTest::newRow("single digits") << "1 2 3" << QByteArray::fromHex("0102030000000000");
    QTest::newRow("odd run") << "123" << QByteArray::fromHex("1203000000000000");
    QTest::newRow("upper case") << "F0 7F" << QByteArray::fromHex("f07f000000000000");
    QTest::newRow("half hex") << "1g 3" << QByteArray::fromHex("0103000000000000");
    QTest::newRow("extra spaces") << "  90   45 " << QByteArray::fromHex("9045000000000000");
    QTest::newRow("more than eight") << "01 02 03 04 05 06 07 08 09 0a"
                                     << QByteArray::fromHex("0102030405060708");
}

void TestGlobalDialog::hexTextStores()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    globaldialog dialog(nullptr);
    lineEdit(dialog, "button7OffCustomLineEdit")->setText(text);
    lineEdit(dialog, "button7OnCustomLineEdit")->setText(text);
    const QByteArray stored = storedImage(dialog);
    QCOMPARE(stored.mid(buttonOffset(6) + button::kOffCustom, 8), bytes);
    QCOMPARE(stored.mid(buttonOffset(6) + button::kOnCustom, 8), bytes);
    // The neighbouring unnamed byte is not part of the message.
    QCOMPARE(byteAt(stored, buttonOffset(6) + 37), 0);
}

void TestGlobalDialog::namesOfSixteenCharactersSurvive()
{
    globaldialog first(nullptr);
    lineEdit(first, "button1NameLineEdit")->setText("ABCDEFGHIJKLMNOP");
    lineEdit(first, "channel16NameLineEdit")->setText("0123456789abcdef");
    lineEdit(first, "expressionPedal1NameLineEdit")->setText("Volume pedal 16c");
    QByteArray stored = storedImage(first);
    QCOMPARE(stored.mid(buttonOffset(0) + button::kName, 16), QByteArray("ABCDEFGHIJKLMNOP"));
    QCOMPARE(stored.mid(deviceOffset(15) + device::kName, 16), QByteArray("0123456789abcdef"));
    // A stray terminator byte must not become a 17th character.
    stored[buttonOffset(0) + button::kName + 16] = 'Q';
    stored[deviceOffset(15) + device::kName + 16] = 'Q';
    stored[pedalOffset(0) + pedal::kName + 16] = 'Q';
    putImage(stored);

    globaldialog second(nullptr);
    QCOMPARE(second.button1Name(), QString("ABCDEFGHIJKLMNOP"));
    QCOMPARE(second.channel16Name(), QString("0123456789abcdef"));
    QCOMPARE(second.expressionPedal1Name(), QString("Volume pedal 16c"));
}

void TestGlobalDialog::longPedalNameIsCut()
{
    globaldialog dialog(nullptr);
    lineEdit(dialog, "expressionPedal2NameLineEdit")->setText("Wah wah pedal number");
    QCOMPARE(dialog.expressionPedal2Name(), QString("Wah wah pedal number"));
    const QByteArray stored = storedImage(dialog);
    QCOMPARE(stored.mid(pedalOffset(1) + pedal::kName, 16), QByteArray("Wah wah pedal nu"));
    QCOMPARE(byteAt(stored, pedalOffset(1) + pedal::kName + 16), 0);
    QCOMPARE(byteAt(stored, pedalOffset(1) + pedal::kEnabled), 1);

    lineEdit(dialog, "expressionPedal2NameLineEdit")->setText("Wah");
    QCOMPARE(storedImage(dialog).mid(pedalOffset(1) + pedal::kName, 17), QByteArray("Wah") + QByteArray(14, '\0'));
}

void TestGlobalDialog::loadingClearsNameTerminatorsInMemory()
{
    QByteArray image = factoryImage();
    for (int p = 0; p < kPedalCount; ++p)
        image[pedalOffset(p) + pedal::kName + 16] = 'x';
    for (int d = 0; d < kDeviceCount; ++d)
        image[deviceOffset(d) + device::kName + 16] = 'x';
    for (int k = 0; k < kButtonCount; ++k)
        image[buttonOffset(k) + button::kName + 16] = 'x';
    image[relayOffset(0) + relay::kName + 16] = 'x'; // no editor here reads relays
    putImage(image);
    globaldialog dialog(nullptr);
    const QByteArray loaded = imageInMemory();
    for (int p = 0; p < kPedalCount; ++p)
        QCOMPARE(byteAt(loaded, pedalOffset(p) + pedal::kName + 16), 0);
    for (int d = 0; d < kDeviceCount; ++d)
        QCOMPARE(byteAt(loaded, deviceOffset(d) + device::kName + 16), 0);
    for (int k = 0; k < kButtonCount; ++k)
        QCOMPARE(byteAt(loaded, buttonOffset(k) + button::kName + 16), 0);
    QCOMPARE(loaded.at(relayOffset(0) + relay::kName + 16), 'x');
}

VEKTOR_TEST_MAIN(TestGlobalDialog)
#include "test_globaldialog.moc"
