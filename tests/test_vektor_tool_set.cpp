// vektor-tool set and the field paths it takes: positions counted from 1,
// the steps of the library's Edit Selected, the values refused with nothing
// written, and --dry-run.

#include "image_fixtures.h"
#include "image_layout.h"
#include "preset_field_set.h"
#include "test_support.h"
#include "tool_run.h"

#include <QProcess>

using namespace layout;

class TestVektorToolSet : public QObject
{
    Q_OBJECT

    TempHome home;
    QString memory;

private slots:
    void init()
    {
        memory = home.path() + QStringLiteral("/memory.bin");
        QFile::remove(memory + QStringLiteral(".bak"));
        QVERIFY(writeWholeFile(memory, factoryImage()));
    }

    void shownPaths_data();
    void shownPaths();
    void everyFieldComesBackByItsShownPath();
    void steps_data();
    void steps();
    void refusalsWriteNothing_data();
    void refusalsWriteNothing();
    void dryRunPrintsTheSameAndWritesNothing();
};

void TestVektorToolSet::shownPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("documentPath"); // empty when refused
    QTest::addColumn<QString>("error");

    QTest::newRow("device 5") << "programChanges[5].enabled" << "programChanges[4].enabled" << "";
    QTest::newRow("last entry") << "controlChanges[20].value" << "controlChanges[19].value" << "";
    QTest::newRow("loop 3") << "loops[3]" << "loops[2]" << "";
    QTest::newRow("button 9") << "overrides[9].state" << "overrides[8].state" << "";
    QTest::newRow("no list") << "output" << "output" << "";
    QTest::newRow("past the end") << "programChanges[17].enabled" << ""
                                  << "programChanges[17]: there are 16, counted from 1";
    QTest::newRow("counted from 0") << "loops[0]" << "" << "loops[0]: there are 8, counted from 1";
    QTest::newRow("a group") << "programChanges[5]" << "" << "programChanges[5]: is a group of fields";
    QTest::newRow("no position") << "pedals.enabled" << ""
                                 << "pedals: a list of 2; give a position, as pedals[1]";
    QTest::newRow("position on a field") << "output[1]" << "" << "output[1]: is not a list";
    QTest::newRow("unknown field") << "programChanges[5].volume" << "" << "programChanges[5].volume: unknown key";
    QTest::newRow("field of a field") << "output.value" << "" << "output.value: unknown key";
    QTest::newRow("global field") << "global.midiChannel" << "" << "global: unknown key";
}

void TestVektorToolSet::shownPaths()
{
    QFETCH(QString, path);
    QFETCH(QString, documentPath);
    QFETCH(QString, error);
    QString reason;
    const CatalogueField *field = preset_field_at_shown_path(path, &reason);
    QCOMPARE(field ? field->path : QString(), documentPath);
    QCOMPARE(reason, error);
}

void TestVektorToolSet::everyFieldComesBackByItsShownPath()
{
    for (const CatalogueField &field : preset_fields()) {
        QString reason;
        QVERIFY2(preset_field_at_shown_path(shown_path(field), &reason) == &field, qPrintable(field.path + reason));
    }
}

void TestVektorToolSet::steps_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expected"); // -1: no number to step from

    QTest::newRow("wraps past the top") << "programChanges[1].number" << 126 << 2 << 0;
    QTest::newRow("top plus nothing") << "programChanges[1].bankMsb" << 127 << 0 << 127;
    QTest::newRow("stops at 0") << "programChanges[1].number" << 3 << -5 << 0;
    QTest::newRow("fitted before the step") << "pedals[2].controlChange" << 200 << 5 << 5;
    QTest::newRow("entry at the top") << "controlChanges[4].value" << 127 << 1 << 0;
    QTest::newRow("entry outside its list") << "controlChanges[4].number" << 200 << 1 << -1;
    QTest::newRow("override outside its list") << "overrides[2].onValue" << 128 << -1 << -1;
    QTest::newRow("a channel is no number") << "pedals[1].channel" << 3 << 1 << -1;
}

void TestVektorToolSet::steps()
{
    QFETCH(QString, path);
    QFETCH(int, stored);
    QFETCH(int, step);
    QFETCH(int, expected);
    QString reason;
    const CatalogueField *field = preset_field_at_shown_path(path, &reason);
    QVERIFY2(field, qPrintable(reason));
    unsigned char record[kPresetRecordSize] = {};
    record[field->offset] = static_cast<unsigned char>(stored);
    QCOMPARE(shifted_number(*field, record, step).value_or(-1), expected);
}

void TestVektorToolSet::refusalsWriteNothing_data()
{
    QTest::addColumn<QStringList>("arguments"); // after MEMORY
    QTest::addColumn<QString>("error");

    const QString presets = QStringLiteral("--presets");
    QTest::newRow("not a byte") << QStringList{presets, "011", "programChanges[5].number=300"}
                                << "programChanges[5].number: 300 is not a byte";
    QTest::newRow("not a flag") << QStringList{presets, "011", "programChanges[5].enabled=maybe"}
                                << "programChanges[5].enabled: \"maybe\" is not a flag (true, false or a byte)";
    QTest::newRow("no such loop") << QStringList{presets, "011", "loops[9]=1"}
                                  << "loops[9]: there are 8, counted from 1";
    QTest::newRow("no value") << QStringList{presets, "011", "relays[1]"} << "relays[1]: is not FIELD=VALUE";
    QTest::newRow("no preset") << QStringList{presets, "010", "relays[1]=1"} << "--presets: \"010\" ends in 0";
    QTest::newRow("no list") << QStringList{"relays[1]=1"} << "--presets: missing";
    // The first value is good; the second refuses the whole command.
    QTest::newRow("all or nothing") << QStringList{presets, "001-009", "relays[1]=1", "name=\"Seventeen letters\""}
                                    << "name: \"Seventeen letters\" is longer than 16 bytes";
}

void TestVektorToolSet::refusalsWriteNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const Run run = tool(QStringList{QStringLiteral("set"), memory} + arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith(QStringLiteral("vektor-tool set: ") + error), qPrintable(run.err));
    QCOMPARE(run.out, QString());
    QVERIFY(readWholeFile(memory) == factoryImage());
    QVERIFY(!QFile::exists(memory + QStringLiteral(".bak")));
}

void TestVektorToolSet::dryRunPrintsTheSameAndWritesNothing()
{
    const QStringList arguments{QStringLiteral("set"), memory, QStringLiteral("--presets"), QStringLiteral("001,002"),
                                QStringLiteral("programChanges[1].enabled=false"), QStringLiteral("loops[3]=1")};
    const QString lines = QStringLiteral("001 Preset 001: programChanges[1].enabled true -> false, loops[3] 0 -> 1\n"
                                         "002 Preset 002: programChanges[1].enabled true -> false, loops[3] 0 -> 1\n");
    const Run dry = tool(arguments + QStringList{QStringLiteral("--dry-run")});
    QCOMPARE(dry.exitCode, 0);
    QCOMPARE(dry.out, lines);
    QVERIFY(readWholeFile(memory) == factoryImage());
    QVERIFY(!QFile::exists(memory + QStringLiteral(".bak")));

    const Run done = tool(arguments);
    QCOMPARE(done.exitCode, 0);
    QCOMPARE(done.out, lines);
    QByteArray expected = factoryImage();
    for (int record : {0, 1}) {
        expected[presetOffset(record) + preset::programChangeOffset(0) + programchange::kEnabled] = 0;
        expected[presetOffset(record) + preset::kLoops + 2] = 1;
    }
    QVERIFY(readWholeFile(memory) == expected);
    QVERIFY(readWholeFile(memory + QStringLiteral(".bak")) == factoryImage());

    // Again: the presets hold the values already, so nothing is printed or written.
    const Run again = tool(arguments);
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(again.out, QString());
    QVERIFY(readWholeFile(memory + QStringLiteral(".bak")) == factoryImage());
}

VEKTOR_TEST_MAIN(TestVektorToolSet)
#include "test_vektor_tool_set.moc"
