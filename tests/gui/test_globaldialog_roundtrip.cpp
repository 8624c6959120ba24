// "Global" from the main window, end to end: the configuration file before
// and after the user presses OK or Cancel.

#include "default_image.h"
#include "globaldialog.h"
#include "image_layout.h"
#include "mainwindow.h"
#include "image_fixtures.h"
#include "test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>

#include <functional>

using namespace layout;

namespace {

int signedByteAt(const QByteArray &image, int offset)
{
    return static_cast<qint8>(image.at(offset));
}

int fit(int value, int max)
{
    return value < 0 ? 0 : value % (max + 1);
}

// The file after OK without edits, worked out field by field from the file
// before: names lose their terminator and anything after their first NUL,
// flags become 0 or 1, list values are fitted, and a value that has no entry
// in its list goes back as -1 where the field takes the list position as is.
QByteArray expectedAfterUneditedOk(const QByteArray &before)
{
    QByteArray after = before;
    const auto setByte = [&after](int offset, int value) { after[offset] = char(value & 0xFF); };
    const auto fitted = [&](int offset, int max) { setByte(offset, fit(signedByteAt(before, offset), max)); };
    const auto flag = [&](int offset) { setByte(offset, before.at(offset) != 0 ? 1 : 0); };
    const auto listed = [&](int offset, int max, int entries) {
        const int position = fit(signedByteAt(before, offset), max);
        setByte(offset, position < entries ? position : -1);
    };
    const auto name = [&](int offset) {
        const int length = before.mid(offset, kNameLength).indexOf('\0');
        if (length >= 0)
            after.replace(offset + length, kNameLength - length, QByteArray(kNameLength - length, '\0'));
        after[offset + kNameLength] = '\0';
    };

    fitted(kMidiChannel, 15);
    flag(kSoftThruEnabled);
    fitted(kSysexId, 127);
    fitted(kSysexRemoteId, 127);
    flag(kAxeFxEnabled);
    // An unlisted model is stored as -1 fitted to the list, which is 0.
    const int model = fit(signedByteAt(before, kAxeFxModel), 15);
    setByte(kAxeFxModel, model < 3 ? model : 0);
    flag(kSysexDumpFullSpeed);
    for (int p = 0; p < kPedalCount; ++p) {
        flag(pedalOffset(p) + pedal::kEnabled);
        name(pedalOffset(p) + pedal::kName);
    }
    for (int d = 0; d < kDeviceCount; ++d) {
        flag(deviceOffset(d) + device::kEnabled);
        name(deviceOffset(d) + device::kName);
    }
    for (int k = 0; k < kButtonCount; ++k) {
        const int base = buttonOffset(k);
        fitted(base + button::kFunction, 13);
        listed(base + button::kAction, 2, 2);
        name(base + button::kName);
        const int storedFavorite = qint16(quint8(before.at(base + button::kFavorite))
                                          | quint8(before.at(base + button::kFavorite + 1)) << 8);
        const int favorite = fit(storedFavorite, 270) < 270 ? fit(storedFavorite, 270) : -1;
        setByte(base + button::kFavorite, favorite);
        setByte(base + button::kFavorite + 1, favorite >> 8);
        fitted(base + button::kLoop, 7);
        fitted(base + button::kRelay, 1);
        fitted(base + button::kControlChange, 127);
        fitted(base + button::kChannel, 15);
        fitted(base + button::kOnValue, 127);
        fitted(base + button::kOffValue, 127);
        fitted(base + button::kStep, 127);
    }
    return after;
}

// Every byte the dialog may write, names with their terminators.
QSet<int> dialogFieldBytes()
{
    QSet<int> bytes;
    const auto add = [&bytes](int offset, int size) {
        for (int i = 0; i < size; ++i)
            bytes.insert(offset + i);
    };
    for (int offset : {kSoftThruEnabled, kMidiChannel, kSysexId, kSysexRemoteId, kAxeFxEnabled,
                       kAxeFxModel, kSysexDumpFullSpeed})
        add(offset, 1);
    for (int p = 0; p < kPedalCount; ++p) {
        add(pedalOffset(p) + pedal::kName, kNameFieldSize);
        add(pedalOffset(p) + pedal::kEnabled, 1);
    }
    for (int d = 0; d < kDeviceCount; ++d) {
        add(deviceOffset(d) + device::kName, kNameFieldSize);
        add(deviceOffset(d) + device::kEnabled, 1);
    }
    for (int k = 0; k < kButtonCount; ++k) {
        const int base = buttonOffset(k);
        add(base + button::kFunction, 1);
        add(base + button::kAction, 1);
        add(base + button::kName, kNameFieldSize);
        add(base + button::kFavorite, 2);
        add(base + button::kOffCustom, kRawMessageSize);
        add(base + button::kOnCustom, kRawMessageSize);
        for (int field : {button::kControlChange, button::kChannel, button::kOnValue,
                          button::kOffValue, button::kStep, button::kLoop, button::kRelay})
            add(base + field, 1);
    }
    return bytes;
}

QString describeDifferences(const QByteArray &actual, const QByteArray &expected)
{
    QStringList lines;
    for (int i = 0; i < qMin(actual.size(), expected.size()) && lines.size() < 10; ++i)
        if (actual.at(i) != expected.at(i))
            lines << QString("byte %1: %2, expected %3").arg(i)
                         .arg(quint8(actual.at(i))).arg(quint8(expected.at(i)));
    if (actual.size() != expected.size())
        lines << QString("size %1, expected %2").arg(actual.size()).arg(expected.size());
    return lines.join("; ");
}

// Clicks "Global" in a fresh main window over `image`, lets `edit` act on the
// open dialog, then presses OK or Cancel; returns the file afterwards.
QByteArray runGlobal(const QByteArray &image, QDialogButtonBox::StandardButton answer,
                     const std::function<void(globaldialog *)> &edit = {})
{
    TempHome home;
    MainWindow window;
    if (!writeWholeFile(home.configPath(), image))
        qWarning("could not write the configuration file");
    auto answered = whenModal<globaldialog>([&](globaldialog *dialog) {
        if (edit)
            edit(dialog);
        dialog->findChild<QDialogButtonBox *>("buttonBox")->button(answer)->click();
    });
    window.findChild<QPushButton *>("pushButton")->click();
    if (!*answered)
        qWarning("the global dialog never opened");
    return readWholeFile(home.configPath());
}

QByteArray imageWithRandomGlobalSection(quint32 seed)
{
    QByteArray image = factoryImage();
    QRandomGenerator random(seed);
    for (int i = 0; i < kGlobalSectionSize; ++i)
        image[i] = char(random.bounded(256));
    // Make sure every name width occurs, including none and all sixteen.
    for (int k = 0; k < kButtonCount; ++k) {
        const int length = int(random.bounded(kNameLength + 1));
        for (int i = length; i < kNameLength; i += int(random.bounded(1, 4)))
            image[buttonOffset(k) + button::kName + i] = '\0';
    }
    return image;
}

} // namespace

class TestGlobalRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void defaultImageChangesOnlyFittedBytes();
    void randomGlobalSection_data();
    void randomGlobalSection();
    void cancelWritesNothing();
    void userEditsReachTheFile();
    void outOfRangeValuesStoreAsShown();
};

void TestGlobalRoundTrip::defaultImageChangesOnlyFittedBytes()
{
    // The default image has zero name terminators and listed values, except
    // button 9's loop: the default 8 is past loop 8 (stored 7), shows as
    // loop 1 and is stored as 0. That is the one byte OK changes.
    const QByteArray before = factoryImage();
    const QByteArray after = runGlobal(before, QDialogButtonBox::Ok);
    QByteArray expected = before;
    QCOMPARE(int(before.at(buttonOffset(8) + button::kLoop)), 8);
    expected[buttonOffset(8) + button::kLoop] = 0;
    QVERIFY2(after == expected, qPrintable(describeDifferences(after, expected)));
}

void TestGlobalRoundTrip::randomGlobalSection_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 0xC0FFEEu, 20261208u})
        QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
}

void TestGlobalRoundTrip::randomGlobalSection()
{
    QFETCH(quint32, seed);
    const QByteArray before = imageWithRandomGlobalSection(seed);
    const QByteArray after = runGlobal(before, QDialogButtonBox::Ok);
    QCOMPARE(after.size(), kImageSize);

    const QSet<int> fieldBytes = dialogFieldBytes();
    for (int i = 0; i < kImageSize; ++i)
        if (!fieldBytes.contains(i) && after.at(i) != before.at(i))
            QFAIL(qPrintable(QString("byte %1 outside the dialog's fields changed").arg(i)));

    const QByteArray expected = expectedAfterUneditedOk(before);
    QVERIFY2(after == expected, qPrintable(describeDifferences(after, expected)));
}

void TestGlobalRoundTrip::cancelWritesNothing()
{
    QByteArray before = imageWithRandomGlobalSection(7);
    before[deviceOffset(3) + device::kName + 16] = 'x'; // loading clears it in memory only
    before[deviceOffset(3) + device::kEnabled] = 1;
    const QByteArray after = runGlobal(before, QDialogButtonBox::Cancel, [](globaldialog *dialog) {
        dialog->findChild<QCheckBox *>("channel4EnabledCheckBox")->click();
        dialog->findChild<QLineEdit *>("button1NameLineEdit")->setText("changed");
    });
    QVERIFY2(after == before, qPrintable(describeDifferences(after, before)));
}

void TestGlobalRoundTrip::userEditsReachTheFile()
{
    const QByteArray before = factoryImage();
    const QByteArray after = runGlobal(before, QDialogButtonBox::Ok, [](globaldialog *dialog) {
        const auto box = [dialog](const char *name) { return dialog->findChild<QComboBox *>(name); };
        const auto type = [dialog](const char *name, const QString &text) {
            QLineEdit *edit = dialog->findChild<QLineEdit *>(name);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, text);
        };
        box("inputChannelCombo")->setCurrentIndex(9);
        box("sysexIdCombo")->setCurrentIndex(42);
        box("sysexRemoteIdComboBox")->setCurrentIndex(0);
        dialog->findChild<QCheckBox *>("softThruEnabledCheckBox")->click();
        dialog->findChild<QCheckBox *>("axeFxEnabledCheckBox")->click();
        box("axeFxModelComboBox")->setCurrentIndex(2);
        dialog->findChild<QCheckBox *>("fullSpeedDumpCheckBox")->click();
        dialog->findChild<QCheckBox *>("expressionPedal2EnabledCheckBox")->click();
        type("expressionPedal1NameLineEdit", "Volume");
        dialog->findChild<QCheckBox *>("channel1EnabledCheckBox")->click();
        dialog->findChild<QCheckBox *>("channel12EnabledCheckBox")->click();
        type("channel12NameLineEdit", "Harmonizer ABCDEFGH"); // the field takes 16

        box("button3FunctionComboBox")->setCurrentIndex(5);
        box("button3ActionComboBox")->setCurrentIndex(0);
        type("button3NameLineEdit", "Solo");
        type("button3OffCustomLineEdit", "b0 4a 00");
        type("button3OnCustomLineEdit", "B04A7F");
        box("button4FunctionComboBox")->setCurrentIndex(4);
        box("button4FavoriteComboBox")->setCurrentIndex(200);
        box("button5FunctionComboBox")->setCurrentIndex(3);
        box("button5ControlChangeComboBox")->setCurrentIndex(64);
        box("button5ChannelComboBox")->setCurrentIndex(15);
        box("button5OnValueComboBox")->setCurrentIndex(100);
        box("button5OffValueComboBox")->setCurrentIndex(20);
        box("button6FunctionComboBox")->setCurrentIndex(6);
        box("button6StepComboBox")->setCurrentIndex(8);
        box("button7FunctionComboBox")->setCurrentIndex(8);
        box("button7LoopComboBox")->setCurrentIndex(7);
        box("button8FunctionComboBox")->setCurrentIndex(9);
        box("button8RelayComboBox")->setCurrentIndex(0);
    });

    QByteArray expected = before;
    expected[buttonOffset(8) + button::kLoop] = 0; // fitted, see defaultImageChangesOnlyFittedBytes
    const auto put = [&expected](int offset, const QByteArray &bytes) { expected.replace(offset, bytes.size(), bytes); };
    expected[kMidiChannel] = 9;
    expected[kSysexId] = 42;
    expected[kSysexRemoteId] = 0;
    expected[kSoftThruEnabled] = 1;
    expected[kAxeFxEnabled] = 1;
    expected[kAxeFxModel] = 2;
    expected[kSysexDumpFullSpeed] = 1;
    expected[pedalOffset(1) + pedal::kEnabled] = 0;
    put(pedalOffset(0) + pedal::kName, QByteArray("Volume") + QByteArray(10, '\0'));
    expected[deviceOffset(0) + device::kEnabled] = 0;
    expected[deviceOffset(11) + device::kEnabled] = 1;
    put(deviceOffset(11) + device::kName, "Harmonizer ABCDE");
    const int b3 = buttonOffset(2);
    expected[b3 + button::kFunction] = 5;
    expected[b3 + button::kAction] = 0;
    put(b3 + button::kName, QByteArray("Solo") + QByteArray(12, '\0'));
    put(b3 + button::kOffCustom, QByteArray::fromHex("b04a000000000000"));
    put(b3 + button::kOnCustom, QByteArray::fromHex("b04a7f0000000000"));
    expected[buttonOffset(3) + button::kFunction] = 4;
    put(buttonOffset(3) + button::kFavorite, QByteArray::fromHex("c800"));
    const int b5 = buttonOffset(4);
    expected[b5 + button::kFunction] = 3;
    expected[b5 + button::kControlChange] = 64;
    expected[b5 + button::kChannel] = 15;
    expected[b5 + button::kOnValue] = 100;
    expected[b5 + button::kOffValue] = 20;
    expected[buttonOffset(5) + button::kFunction] = 6;
    expected[buttonOffset(5) + button::kStep] = 8;
    expected[buttonOffset(6) + button::kFunction] = 8;
    expected[buttonOffset(6) + button::kLoop] = 7;
    expected[buttonOffset(7) + button::kFunction] = 9;
    expected[buttonOffset(7) + button::kRelay] = 0;
    QVERIFY2(after == expected, qPrintable(describeDifferences(after, expected)));
}

void TestGlobalRoundTrip::outOfRangeValuesStoreAsShown()
{
    QByteArray before = factoryImage();
    before[kMidiChannel] = char(200);
    before[kAxeFxModel] = 5;
    before[buttonOffset(0) + button::kAction] = 2;
    before[buttonOffset(1) + button::kFavorite] = char(0xFB); // -5
    before[buttonOffset(1) + button::kFavorite + 1] = char(0xFF);
    before[buttonOffset(2) + button::kFavorite] = char(200);
    QString shown;
    const QByteArray after = runGlobal(before, QDialogButtonBox::Ok, [&shown](globaldialog *dialog) {
        const auto text = [dialog](const char *name) { return dialog->findChild<QComboBox *>(name)->currentText(); };
        shown = QStringList{text("inputChannelCombo"), text("axeFxModelComboBox"),
                            text("button1ActionComboBox"), text("button2FavoriteComboBox"),
                            text("button3FavoriteComboBox")}.join('|');
    });
    QCOMPARE(shown, QString("01|||001|223"));
    QCOMPARE(quint8(after.at(kMidiChannel)), quint8(0));
    QCOMPARE(quint8(after.at(kAxeFxModel)), quint8(0));
    QCOMPARE(quint8(after.at(buttonOffset(0) + button::kAction)), quint8(0xFF));
    QCOMPARE(after.mid(buttonOffset(1) + button::kFavorite, 2), QByteArray::fromHex("0000"));
    QCOMPARE(after.mid(buttonOffset(2) + button::kFavorite, 2), QByteArray::fromHex("c800"));
}

VEKTOR_TEST_MAIN(TestGlobalRoundTrip)
#include "test_globaldialog_roundtrip.moc"
