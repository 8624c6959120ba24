// The check of a whole memory and the words of the library's find: each
// fault planted alone in the factory memory, and what each word finds.

#include "fields.h"
#include "image_fixtures.h"
#include "image_layout.h"
#include "memory_check.h"
#include "preset_query.h"
#include "test_support.h"

#include <QTest>

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

using namespace layout;

namespace {

using Edit = std::function<void(unsigned char *image)>;

unsigned char *presetAt(unsigned char *image, int i)
{
    return image + presetOffset(i);
}

void copyPreset(unsigned char *image, int from, int to)
{
    std::memcpy(presetAt(image, to), presetAt(image, from), kPresetRecordSize);
}

// A user's memory to find in: named presets, device 3 called "Amp" (on).
using Image = std::vector<unsigned char>;

Image preparedImage()
{
    const QByteArray factory = factoryImage();
    Image image(factory.begin(), factory.end());
    unsigned char *bytes = image.data();
    write_name(bytes + deviceOffset(2) + device::kName, QStringLiteral("Amp"));
    bytes[deviceOffset(2) + device::kEnabled] = 1;
    write_name(presetAt(bytes, 0) + preset::kName, QStringLiteral("Clean"));
    write_name(presetAt(bytes, 1) + preset::kName, QString::fromUtf8("Sólo Lead"));
    unsigned char *amp = presetAt(bytes, 2) + preset::programChangeOffset(2);
    amp[programchange::kEnabled] = 1;
    amp[programchange::kNumber] = 12;
    unsigned char *cc = presetAt(bytes, 3) + preset::controlChangeOffset(5);
    cc[controlchange::kEnabled] = 1;
    cc[controlchange::kDevice] = 2;
    cc[controlchange::kNumber] = 80;
    unsigned char *overrideEntry = presetAt(bytes, 4) + preset::overrideOffset(1);
    overrideEntry[override_::kOverride] = 1;
    overrideEntry[override_::kControlChange] = 81;
    presetAt(bytes, 5)[preset::kRelays] = 1;      // relay 1 on
    presetAt(bytes, 6)[preset::kRelays + 1] = 2;  // relay 2 unchanged: not on
    presetAt(bytes, 7)[preset::kLoops + 3] = 1;   // loop 4 on
    return image;
}

QVector<int> found(const Image &image, const QString &text, const QVector<int> &changed)
{
    const unsigned char *bytes = image.data();
    const PresetQuery query(text, bytes);
    QVector<int> rows;
    for (int i = 0; i < kPresetCount; ++i)
        if (query.matches(bytes, i, changed.contains(i)))
            rows << i;
    return rows;
}

QVector<int> range(int first, int count)
{
    QVector<int> rows;
    for (int k = 0; k < count; ++k)
        rows << first + k;
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestMemoryCheck : public QObject
{
    Q_OBJECT

private slots:
    void findWords_data();
    void findWords();
    void oneOfEachFinding_data();
    void oneOfEachFinding();
    void factoryMemory();
};

void TestMemoryCheck::findWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVector<int>>("expected");

    // Unnamed: every factory name, wherever the preset now is.
    QVector<int> unnamed = range(0, kPresetCount);
    unnamed.removeAll(0);
    unnamed.removeAll(1);
    QTest::newRow("name, any case") << "cLEAN" << QVector<int>{0};
    QTest::newRow("name without its accent") << "solo" << QVector<int>{1};
    QTest::newRow("accent typed, name has it") << QString::fromUtf8("sól") << QVector<int>{1};
    QTest::newRow("device name: program change and control change")
        << "amp" << QVector<int>{2, 3};
    // Factory presets send their slot's number mod 128 to device 1.
    QTest::newRow("pc 12 only where it is on") << "pc 12" << QVector<int>{2, 12, 140, 268};
    QTest::newRow("pc12 written together") << "pc12" << QVector<int>{2, 12, 140, 268};
    QTest::newRow("pc of an entry switched off") << "pc 14" << QVector<int>{14, 142};
    QTest::newRow("cc of the list") << "cc 80" << QVector<int>{3};
    QTest::newRow("cc of an override") << "CC 81" << QVector<int>{4};
    QTest::newRow("bank 3 is 031-039") << "bank 3" << range(27, 9);
    QTest::newRow("relay 1 on, not unchanged") << "relay 1" << QVector<int>{5};
    QTest::newRow("relay 2 unchanged is not on") << "relay 2" << QVector<int>{};
    QTest::newRow("relay 3 does not exist") << "relay 3" << QVector<int>{};
    QTest::newRow("loop 4") << "loop 4" << QVector<int>{7};
    QTest::newRow("unnamed") << "unnamed" << unnamed;
    QTest::newRow("changed") << "changed" << QVector<int>{6, 200};
    QTest::newRow("every word must hold") << "bank 0 amp" << QVector<int>{2, 3};
    QTest::newRow("facts and a name") << "unnamed pc 12 amp" << QVector<int>{2};
    QTest::newRow("a huge number finds nothing") << "pc 99999999999" << QVector<int>{};
    QTest::newRow("nothing typed finds all") << "  " << range(0, kPresetCount);
}

void TestMemoryCheck::findWords()
{
    QFETCH(QString, text);
    QFETCH(QVector<int>, expected);
    QCOMPARE(found(preparedImage(), text, {6, 200}), expected);
}

void TestMemoryCheck::oneOfEachFinding_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("severity");
    QTest::addColumn<QVector<int>>("records");
    QTest::addColumn<QVector<int>>("buttons");
    QTest::addColumn<QString>("words");

    const auto named = [](unsigned char *image, int i, const char *name) {
        write_name(presetAt(image, i) + preset::kName, QString::fromLatin1(name));
    };
    QTest::newRow("favourite beyond the slots")
        << Edit([](unsigned char *im) { write_word(im + buttonOffset(2) + button::kFavorite, 270); })
        << int(Severity::Problem) << QVector<int>{} << QVector<int>{2} << "button 3";
    QTest::newRow("favourite negative")
        << Edit([](unsigned char *im) { write_word(im + buttonOffset(0) + button::kFavorite, -1); })
        << int(Severity::Problem) << QVector<int>{} << QVector<int>{0} << "holds -1";
    QTest::newRow("program change to a device switched off")
        << Edit([](unsigned char *im) {
               presetAt(im, 9)[preset::programChangeOffset(4) + programchange::kEnabled] = 1;
           })
        << int(Severity::Problem) << QVector<int>{9} << QVector<int>{} << "05 - Device 4";
    QTest::newRow("override to a device switched off")
        << Edit([](unsigned char *im) {
               unsigned char *entry = presetAt(im, 10) + preset::overrideOffset(8);
               entry[override_::kOverride] = 1;
               entry[override_::kDevice] = 15;
           })
        << int(Severity::Problem) << QVector<int>{10} << QVector<int>{} << "control change to 16";
    QTest::newRow("same settings, other names")
        << Edit([=](unsigned char *im) {
               named(im, 3, "Verse");
               copyPreset(im, 3, 40);
               named(im, 40, "Chorus");
           })
        << int(Severity::Warning) << QVector<int>{3, 40} << QVector<int>{} << "different names";
    QTest::newRow("stored twice, name and all")
        << Edit([=](unsigned char *im) {
               named(im, 3, "Verse");
               copyPreset(im, 3, 40);
           })
        << int(Severity::Warning) << QVector<int>{3, 40} << QVector<int>{} << "name and all";
    QTest::newRow("two buttons call one favourite")
        << Edit([](unsigned char *im) {
               for (int k : {1, 5}) {
                   im[buttonOffset(k) + button::kFunction] = 4;
                   write_word(im + buttonOffset(k) + button::kFavorite, 30);
               }
           })
        << int(Severity::Warning) << QVector<int>{} << QVector<int>{1, 5} << "Buttons 2, 6";
    QTest::newRow("two buttons switch one loop")
        << Edit([](unsigned char *im) {
               for (int k : {0, 3}) {
                   im[buttonOffset(k) + button::kFunction] = 8;
                   im[buttonOffset(k) + button::kLoop] = 2;
               }
           })
        << int(Severity::Warning) << QVector<int>{} << QVector<int>{0, 3} << "same function";
    QTest::newRow("global byte no dialog shows")
        << Edit([](unsigned char *im) { im[buttonOffset(4) + button::kChannel] = 16; })
        << int(Severity::Warning) << QVector<int>{} << QVector<int>{4} << "button 5 MIDI channel";
    QTest::newRow("flag stored as 2")
        << Edit([](unsigned char *im) { im[kSoftThruEnabled] = 2; })
        << int(Severity::Warning) << QVector<int>{} << QVector<int>{} << "soft thru";
    QTest::newRow("preset byte no dialog shows")
        << Edit([](unsigned char *im) { presetAt(im, 8)[preset::kLoops + 7] = 3; })
        << int(Severity::Warning) << QVector<int>{8} << QVector<int>{} << "loop 8 3";
    QTest::newRow("factory names beside named ones")
        << Edit([=](unsigned char *im) { named(im, 20, "Ballad"); })
        << int(Severity::Note) << QVector<int>{18, 19, 21, 22, 23, 24, 25, 26} << QVector<int>{} << "Bank 2";
}

void TestMemoryCheck::oneOfEachFinding()
{
    QFETCH(Edit, edit);
    QFETCH(int, severity);
    QFETCH(QVector<int>, records);
    QFETCH(QVector<int>, buttons);
    QFETCH(QString, words);

    QByteArray image = factoryImage();
    // The factory memory's one finding mended (see factoryMemory).
    image[buttonOffset(8) + button::kLoop] = 0;
    edit(reinterpret_cast<unsigned char *>(image.data()));
    QVector<Finding> findings = check_memory(reinterpret_cast<const unsigned char *>(image.constData()));
    // Naming presets also puts factory names beside them: those notes aside.
    if (severity != int(Severity::Note))
        findings.erase(std::remove_if(findings.begin(), findings.end(),
                                      [](const Finding &f) { return f.severity == Severity::Note; }),
                       findings.end());
    const auto it = std::find_if(findings.begin(), findings.end(),
                                 [&](const Finding &f) { return f.text.contains(words); });
    QVERIFY2(it != findings.end(), qPrintable(findings.isEmpty() ? QStringLiteral("no finding") : findings[0].text));
    QCOMPARE(findings.size(), 1);
    QCOMPARE(int(it->severity), severity);
    QCOMPARE(it->records, records);
    QCOMPARE(it->buttons, buttons);
    QCOMPARE(has_problem(findings), severity == int(Severity::Problem));
}

void TestMemoryCheck::factoryMemory()
{
    // A new memory gives button 9 loop 9 (stored 8), where the global
    // settings show loops 1 to 8 only: the one finding it has.
    const QByteArray image = factoryImage();
    const QVector<Finding> findings = check_memory(reinterpret_cast<const unsigned char *>(image.constData()));
    QCOMPARE(findings.size(), 1);
    QCOMPARE(findings[0].buttons, QVector<int>{8});
    QVERIFY2(findings[0].text.contains("button 9 loop"), qPrintable(findings[0].text));
    QVERIFY(!has_problem(findings));
}

VEKTOR_TEST_MAIN(TestMemoryCheck)
#include "test_memory_check.moc"
