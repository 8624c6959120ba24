// vektor-tool's names of the rig run as a user runs them: what a names file
// holds, giving a device its names, and the sounds beside the presets.

#include "file_bytes.h"
#include "rig_fixtures.h"
#include "rig_names.h"
#include "test_support.h"
#include "tool_run.h"

#include <QProcess>

namespace {

const char kAmpMidnam[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<MIDINameDocument><Author>Test</Author><MasterDeviceNames>"
    "<Manufacturer>Maker</Manufacturer><Model>Amp 2</Model>\n"
    "<CustomDeviceMode Name=\"Default\"><ChannelNameSetAssignments>"
    "<ChannelNameSetAssign Channel=\"1\" NameSet=\"Set\"/></ChannelNameSetAssignments></CustomDeviceMode>\n"
    "<ChannelNameSet Name=\"Set\"><UsesControlNameList Name=\"C\"/>\n"
    "<PatchBank Name=\"Factory\"><PatchNameList><Patch Number=\"5\" Name=\"Plain Five\" ProgramChange=\"5\"/>"
    "</PatchNameList></PatchBank>\n"
    "<PatchBank Name=\"User\"><MIDICommands><ControlChange Control=\"0\" Value=\"1\"/>"
    "<ControlChange Control=\"32\" Value=\"0\"/></MIDICommands><PatchNameList>"
    "<Patch Number=\"U5\" Name=\"User Five\" ProgramChange=\"5\"/>"
    "<Patch Number=\"U6\" Name=\"Far\" ProgramChange=\"300\"/></PatchNameList></PatchBank>\n"
    "</ChannelNameSet><ControlNameList Name=\"C\"><Control Type=\"7bit\" Number=\"11\" Name=\"Gain\"/>"
    "</ControlNameList></MasterDeviceNames></MIDINameDocument>\n";

} // namespace

class ToolNamesTest : public QObject
{
    Q_OBJECT

    TempHome home;
    QString folder;

    QString file(const QString &name) const { return folder + QLatin1Char('/') + name; }

private slots:
    void init()
    {
        folder = home.path() + QStringLiteral("/names");
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        writeWholeFile(file("rig.bin"), rigImage());
        writeWholeFile(file("amp.midnam"), kAmpMidnam);
        writeWholeFile(file("list.txt"), "Clean\nCrunch\n");
        writeWholeFile(file("long.txt"), QByteArray("Name\n").repeated(129));
        writeWholeFile(file("bad.midnam"), "<MIDINameDocument><Model>");
        writeWholeFile(file("bad.json"), "{\"format\": \"vektor-rig\"");
        RigNames named;
        named.devices[2].banks.resize(1);
        named.devices[2].banks[0].patches << PatchName{5, "", "Plain Five"};
        named.devices[2].source.typed = true;
        QVERIFY(write_rig_file(file("named.json"), named, nullptr));
    }

    void names_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // a line standard output holds; empty: it is empty
        QTest::addColumn<QString>("err"); // what standard error starts with
        QTest::newRow("what a file holds")
            << QStringList{"names", "amp.midnam"} << 0 << "Maker Amp 2, mode Default\n  bank \"Factory\": no bank "
               "select, 1 patches\n  bank \"User\": bank select MSB 1, LSB 0, 1 patches\n  controls: 11 Gain\n"
            << "vektor-tool names: 1 patches with a program change outside 0-127 were left out (the first at line 6";
        QTest::newRow("a plain list") << QStringList{"names", "list.txt"} << 0
                                      << "plain list\n  bank: no bank select, 2 patches\n" << "";
        QTest::newRow("a bad file") << QStringList{"names", "bad.midnam"} << 2 << ""
                                    << "vektor-tool names: bad.midnam was not read: line 1, column 25: Premature end of document.\n";
        QTest::newRow("129 names") << QStringList{"names", "long.txt"} << 2 << ""
                                   << "vektor-tool names: long.txt was not read: line 129, column 1: a device has only "
                                      "128 programs to name.\n";
        QTest::newRow("set a channel past 16") << QStringList{"names", "set", "17", "list.txt", "--rig", "r.json"} << 2
                                               << "" << "vektor-tool names: the channel is 1 to 16, not 17\n";
        QTest::newRow("set a model the file lacks")
            << QStringList{"names", "set", "3", "amp.midnam", "--model", "Amp 3", "--rig", "r.json"} << 2 << ""
            << "vektor-tool names: amp.midnam holds no such model and mode; it holds \"Amp 2\" mode \"Default\"\n";
        QTest::newRow("set over a rig file that cannot be read")
            << QStringList{"names", "set", "3", "list.txt", "--rig", "bad.json"} << 2 << ""
            << "vektor-tool names: The rig file bad.json was not read: not JSON";
        QTest::newRow("set") << QStringList{"names", "set", "3", "list.txt", "--first", "1", "--memory", "rig.bin"} << 0
                             << "channel 3: list.txt\n  bank: no bank select, 2 patches\n" << "";
        QTest::newRow("show the rig") << QStringList{"names", "show", "--rig", "named.json", "--memory", "rig.bin"} << 0
                                      << "03 - Amp: typed\n  bank: no bank select, 1 patches\n    005  Plain Five\n"
                                      << "";
        QTest::newRow("the setlist with sounds") << QStringList{"show", "rig.bin", "--rig", "named.json"} << 0
                                                 << "023 - Preset 023  [Amp: Plain Five]\n" << "";
        QTest::newRow("the setlist beside a bad rig file") << QStringList{"show", "rig.bin", "--rig", "bad.json"} << 0
                                                           << "023 - Preset 023\n"
                                                           << "vektor-tool show: The rig file bad.json was not read: ";
    }
    void names()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const QByteArray badRig = readWholeFile(file("bad.json"));
        const Run run = tool(arguments, folder);
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.startsWith(err), qPrintable(run.err));
        QCOMPARE(run.exitCode, exitCode);
        if (out.isEmpty())
            QCOMPARE(run.out, QString());
        else
            QVERIFY2(run.out.contains(out), qPrintable(run.out.left(600)));
        QCOMPARE(readWholeFile(file("bad.json")), badRig); // a rig file that was not read is left as it was
        if (exitCode == 2)
            QVERIFY(!QFile::exists(file("r.json")));
    }

    // Given names land in the rig file beside the memory; the other devices
    // keep theirs, and the setlist shows them.
    void setKeepsTheOthers()
    {
        QCOMPARE(tool({"names", "set", "3", "amp.midnam", "--memory", "rig.bin"}, folder).exitCode, 0);
        QCOMPARE(tool({"names", "set", "1", "list.txt", "--memory", "rig.bin"}, folder).exitCode, 0);
        const RigRead rig = read_rig_file(file("rig.json"));
        QVERIFY2(rig.ok(), qPrintable(rig.error));
        QCOMPARE(rig.rig.devices[2].source.model, QString("Amp 2"));
        QCOMPARE(rig.rig.devices[0].banks.value(0).patches.size(), 2);
        const Run show = tool({"show", "rig.bin"}, folder);
        QVERIFY2(show.out.contains("014 - Verse  [Amp: User Five (U5)]\n"), qPrintable(show.out.left(600)));
        QVERIFY2(show.out.contains("001 - Preset 001  [Quill: Clean]\n"), qPrintable(show.out.left(600)));
    }
};

QTEST_GUILESS_MAIN(ToolNamesTest)
#include "test_tool_names.moc"
