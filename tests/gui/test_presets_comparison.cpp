// The comparison behind the "Save preset changes?" prompt: which record
// bytes it checks, in which order, and what it prints for each difference.

#include "presets_support.h"
#include "presetsdialog.h"
#include "configuration_saves.h"
#include "store.h"

#include <QTest>

namespace {

// Record offset of each check, in check order.
QVector<int> checkedOffsets()
{
    QVector<int> offsets{0};
    auto rows = [&offsets](int field) {
        for (int c = 0; c < 16; ++c)
            offsets << 17 + 5 * c + field;
    };
    rows(2);                               // 1..16 bank select
    offsets << 178 << 183 << 179 << 184;   // 17..20 pedal channel, control change
    offsets << 177 << 182;                 // 21, 22 pedal enabled
    for (int l = 0; l < 8; ++l)            // 23..30 loops
        offsets << 279 + l;
    rows(4);                               // 31..46 LSB
    rows(3);                               // 47..62 MSB
    offsets << 287;                        // 63 output
    rows(0);                               // 64..79 program change enabled
    rows(1);                               // 80..95 program number
    offsets << 277 << 278;                 // 96, 97 relays
    return offsets;
}

// A preset 0 with some checked and some "unchanged" values, so that both
// directions of every flag and switching byte are exercised.
void prepareBaseRecord()
{
    unsigned char *record = presetRecord(0);
    record[17 + 5 * 9] = 1;  // row 10 enabled: the raw check state is 2
    record[17 + 5 * 9 + 2] = 1;
    record[279 + 2] = 2;     // loop 3 unchanged
    record[278] = 1;         // relay 2 on
    record[287] = 1;         // output B
    save_image();
}

} // namespace

class TestPresetsComparison : public QObject
{
    Q_OBJECT

private slots:
    void oneDifferenceGivesItsLine_data();
    void oneDifferenceGivesItsLine();
    void bytesOutsideTheFormAreNotCompared_data();
    void bytesOutsideTheFormAreNotCompared();
    void everyDifferenceIsReportedInOrder();
    void constructionPrintsOnlyItsDifferences();
};

void TestPresetsComparison::oneDifferenceGivesItsLine_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("check");

    const QVector<int> offsets = checkedOffsets();
    QCOMPARE(offsets.size(), 98);
    for (int check = 0; check < offsets.size(); ++check)
        QTest::addRow("check %d", check) << offsets[check] << check;
}

void TestPresetsComparison::oneDifferenceGivesItsLine()
{
    QFETCH(int, offset);
    QFETCH(int, check);

    PresetsHome home;
    prepareBaseRecord();
    StdoutCapture construction;
    presetsdialog dialog(nullptr, config_image());
    QCOMPARE(construction.finish(), QByteArray("Loading data into form...\n"));

    unsigned char *record = presetRecord(0);
    const int before = record[offset];
    const int after = check == 0 ? 'X' : (before == 0 ? 1 : 0);
    record[offset] = static_cast<unsigned char>(after);

    QByteArray expected = "Diff: " + QByteArray::number(check) + "\n";
    if (QVector<int>{21, 22, 23, 25, 29, 30, 64}.contains(check))
        expected += QByteArray::number(after) + ", " + QByteArray::number(before) + "\n";
    if (check == 73) // the check state itself: 2 for a checked box
        expected += QByteArray::number(after) + ", " + QByteArray::number(before ? 2 : 0) + "\n";

    StdoutCapture capture;
    const bool same = dialog.presetMatchesForm();
    QCOMPARE(capture.finish(), expected);
    QVERIFY(!same);
}

void TestPresetsComparison::bytesOutsideTheFormAreNotCompared_data()
{
    QTest::addColumn<int>("offset");
    for (int offset : {97, 120, 176, 180, 181, 185, 186, 187, 193, 276, 288, 289})
        QTest::addRow("byte %d", offset) << offset;
    QTest::addRow("name tail after its NUL") << 12;
}

void TestPresetsComparison::bytesOutsideTheFormAreNotCompared()
{
    QFETCH(int, offset);

    PresetsHome home;
    presetsdialog dialog(nullptr, config_image());
    presetRecord(0)[offset] ^= 0x55; // "Preset 001" ends at 10; byte 12 is past its NUL

    StdoutCapture capture;
    const bool same = dialog.presetMatchesForm();
    QCOMPARE(capture.finish(), QByteArray());
    QVERIFY(same);
}

void TestPresetsComparison::everyDifferenceIsReportedInOrder()
{
    PresetsHome home;
    presetsdialog dialog(nullptr, config_image());
    unsigned char *record = presetRecord(0);
    const QVector<int> offsets = checkedOffsets();
    for (int offset : offsets)
        record[offset] = offset == 0 ? 'Z' : (record[offset] == 0 ? 1 : 0);

    StdoutCapture capture;
    QVERIFY(!dialog.presetMatchesForm());
    const QList<QByteArray> lines = capture.finish().split('\n');
    QList<QByteArray> diffLines;
    for (const QByteArray &line : lines)
        if (line.startsWith("Diff: "))
            diffLines << line;
    QCOMPARE(diffLines.size(), 98);
    for (int check = 0; check < 98; ++check)
        QCOMPARE(diffLines[check], "Diff: " + QByteArray::number(check));
    QCOMPARE(lines.size() - 1, 98 + 8); // eight second lines, then the final empty piece
}

void TestPresetsComparison::constructionPrintsOnlyItsDifferences()
{
    PresetsHome home;
    presetRecord(0)[18 + 5 * 2] = 200; // row 3 number loads as 000
    presetRecord(0)[287] = 2;          // output "unchanged" stores as 1
    save_image();

    StdoutCapture capture;
    presetsdialog dialog(nullptr, config_image());
    QCOMPARE(capture.finish(), QByteArray("Loading data into form...\nDiff: 63\nDiff: 82\n"));
}

VEKTOR_TEST_MAIN(TestPresetsComparison)
#include "test_presets_comparison.moc"
