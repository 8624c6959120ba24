// The rig's names: which patch a program change reaches, how a name is shown,
// and the rig file beside the memory.

#include "file_bytes.h"
#include "image_fixtures.h"
#include "memory_file_write.h"
#include "rig_names.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

PatchBank bank(int msb, int lsb, const QVector<PatchName> &patches, const QString &name = QString())
{
    PatchBank b;
    b.name = name;
    b.msb = msb;
    b.lsb = lsb;
    b.patches = patches;
    return b;
}

// A device with a bank reached without bank select, banks on MSB 0 and 1
// alone, and one on MSB 1 with LSB 2.
DeviceNames ampNames()
{
    DeviceNames names;
    names.banks << bank(-1, -1, {{0, "", "Plain Clean"}, {5, "", "Plain Lead"}})
                << bank(0, -1, {{0, "1A", "Plexi Lead"}, {1, "1B", "Jazz Clean"}})
                << bank(1, -1, {{0, "2A", "Bright"}, {5, "2F", "Only Here"}})
                << bank(1, 2, {{0, "U1", "User One"}});
    names.controls << ControlName{7, "Volume"} << ControlName{11, "Expression"};
    return names;
}

RigNames sampleRig()
{
    RigNames rig;
    rig.devices[0] = ampNames();
    rig.devices[0].source = {"/usr/share/names/Amp.midnam", "Maker", "Amp 2000", "Default", false};
    rig.devices[15].banks << bank(-1, -1, {{127, "128", "Last \"quoted\" ünïcode"}});
    rig.devices[15].source.typed = true;
    return rig;
}

} // namespace

class TestRigNames : public QObject
{
    Q_OBJECT

private slots:
    void findPatch_data()
    {
        QTest::addColumn<bool>("bankSelect");
        QTest::addColumn<int>("msb");
        QTest::addColumn<int>("lsb");
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no bank select: the bank without commands") << false << 0 << 0 << 0 << "Plain Clean";
        QTest::newRow("no bank select, program not in that bank") << false << 0 << 0 << 1 << "";
        QTest::newRow("MSB 0 matches the bank on MSB alone") << true << 0 << 0 << 0 << "Plexi Lead";
        QTest::newRow("MSB 0 with any LSB") << true << 0 << 9 << 1 << "Jazz Clean";
        QTest::newRow("both commands match before one") << true << 1 << 2 << 0 << "User One";
        QTest::newRow("the MSB bank when the exact one lacks the program") << true << 1 << 2 << 5 << "Only Here";
        QTest::newRow("MSB only sent, LSB bank left out") << true << 1 << -1 << 0 << "Bright";
        QTest::newRow("an unknown bank: no guess from the bank without commands") << true << 9 << 0 << 5 << "";
    }
    void findPatch()
    {
        QFETCH(bool, bankSelect);
        QFETCH(int, msb);
        QFETCH(int, lsb);
        QFETCH(int, program);
        QFETCH(QString, expected);
        const DeviceNames names = ampNames();
        const PatchName *patch = find_patch(names, bankSelect, msb, lsb, program);
        QCOMPARE(patch ? patch->name : QString(), expected);
    }

    void firstBankWithoutPlainBank()
    {
        DeviceNames names;
        names.banks << bank(3, -1, {{4, "", "Third Bank"}}) << bank(4, -1, {{4, "", "Fourth"}});
        const PatchName *patch = find_patch(names, false, -1, -1, 4);
        QVERIFY(patch);
        QCOMPARE(patch->name, QString("Third Bank"));
        QVERIFY(!find_patch(DeviceNames(), false, -1, -1, 0));
        // A typed list knows no banks: whatever bank is sent, it names the program.
        DeviceNames typed;
        typed.banks << bank(-1, -1, {{4, "", "Typed"}});
        QVERIFY(find_patch(typed, true, 5, 0, 4));
    }

    void tidyKeepsTheFirst()
    {
        DeviceNames names;
        names.banks << bank(-1, -1, {{9, "", "Nine"}, {2, "", "Two"}, {9, "", "Nine again"}});
        names.controls << ControlName{7, "Volume"} << ControlName{1, "Mod"} << ControlName{7, "Level"};
        QCOMPARE(tidy_device_names(names), 2);
        QCOMPARE(names.banks[0].patches, (QVector<PatchName>{{2, "", "Two"}, {9, "", "Nine"}}));
        QCOMPARE(names.controls, (QVector<ControlName>{{1, "Mod"}, {7, "Volume"}}));
    }

    void rigFileRoundTripAndSurvivesASave()
    {
        QTemporaryDir dir;
        const QString memory = dir.filePath("memory.bin");
        QVERIFY(write_file(memory, factoryImage()));
        const QString rigPath = rig_file_path(memory);
        QCOMPARE(rigPath, dir.filePath("rig.json"));
        QString error;
        QVERIFY(write_rig_file(rigPath, sampleRig(), &error));
        QVERIFY(replace_memory_file(memory, factoryImage(), SaveOperation::Save, KeepBackup::Yes).written());
        const RigRead read = read_rig_file(rigPath);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.rig, sampleRig());
        QCOMPARE(rig_file_bytes(read.rig), rig_file_bytes(sampleRig()));

        QCOMPARE(load_rig_names_for(memory), QString());
        QCOMPARE(rig_names().devices[0].controls.size(), 2);
        QVERIFY(!read_rig_file(dir.filePath("missing.json")).error.size());
        QVERIFY(read_rig_file(dir.filePath("missing.json")).rig.isEmpty());
    }

    void badRigFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray head = R"({"format":"vektor-rig","version":1,"devices":[)";
        QTest::newRow("not JSON") << QByteArray("{\"format\"") << "not JSON";
        QTest::newRow("a later version") << QByteArray(R"({"format":"vektor-rig","version":2})") << "version 2";
        QTest::newRow("channel 17") << head + R"({"channel":17}]})" << "devices[0].channel: 17 is not 1-16";
        QTest::newRow("a channel far beyond any number")
            << head + R"({"channel":1e300}]})" << "devices[0].channel: 1e+300 is not 1-16";
        QTest::newRow("a channel that is not whole") << head + R"({"channel":2.5}]})" << "not a whole number";
        QTest::newRow("a channel twice") << head + R"({"channel":3},{"channel":3}]})" << "devices[1].channel";
        QTest::newRow("bank select 128")
            << head + R"({"channel":1,"banks":[{"msb":128,"lsb":-1}]}]})" << "devices[0].banks[0].msb: 128";
        QTest::newRow("program 128") << head + R"({"channel":1,"banks":[{"msb":-1,"lsb":-1,"patches":[{"program":128}]}]}]})"
                                     << "patches[0].program: 128 is not 0-127";
        QTest::newRow("a program twice")
            << head + R"({"channel":1,"banks":[{"msb":-1,"lsb":-1,"patches":[{"program":4},{"program":4}]}]}]})"
            << "patches[1].program: 4 does not come after 4";
        QTest::newRow("a name that is a number")
            << head + R"({"channel":1,"controls":[{"number":7,"name":3}]}]})" << "controls[0].name: not a text";
    }
    void badRigFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("rig.json");
        QVERIFY(write_file(path, bytes));
        const RigRead read = read_rig_file(path);
        QVERIFY2(read.error.contains(reason), qPrintable(read.error));
        QVERIFY(read.error.contains(QDir::toNativeSeparators(path)));
        QVERIFY(read.rig.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRigNames)
#include "test_rig_names.moc"
