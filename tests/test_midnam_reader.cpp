// Reading the names of a rig's sounds: the MIDNAM files that users have, the
// parts of the format they use, plain lists, and files that are refused.

#include "file_bytes.h"
#include "midnam_reader.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList installedMidnamFiles()
{
    QStringList files;
    for (const QString &folder : QDir(QStringLiteral("/usr/share")).entryList({QStringLiteral("ardour*")}, QDir::Dirs)) {
        QDir patchfiles(QStringLiteral("/usr/share/%1/patchfiles").arg(folder));
        for (const QString &name : patchfiles.entryList({QStringLiteral("*.midnam")}, QDir::Files, QDir::Name))
            files << patchfiles.filePath(name);
    }
    return files;
}

QString installedFile(const QString &name)
{
    for (const QString &file : installedMidnamFiles())
        if (QFileInfo(file).fileName() == name)
            return file;
    return QString();
}

int patchCount(const DeviceNames &names)
{
    int count = 0;
    for (const PatchBank &bank : names.banks)
        count += bank.patches.size();
    return count;
}

// A document with one device, the given set content and lists beside it.
QByteArray document(const QByteArray &set, const QByteArray &lists = QByteArray())
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE MIDINameDocument PUBLIC \"-//MIDI Manufacturers Association//DTD MIDINameDocument 1.0//EN\" "
           "\"http://www.midi.org/dtds/MIDINameDocument10.dtd\">\n"
           "<MIDINameDocument><Author>Test</Author><MasterDeviceNames>"
           "<Manufacturer>Maker</Manufacturer><Model>Amp</Model>"
           "<CustomDeviceMode Name=\"Default\"><ChannelNameSetAssignments>"
           "<ChannelNameSetAssign Channel=\"1\" NameSet=\"Set\"/></ChannelNameSetAssignments></CustomDeviceMode>"
           "<ChannelNameSet Name=\"Set\">\n" + set + "\n</ChannelNameSet>\n" + lists +
           "</MasterDeviceNames></MIDINameDocument>\n";
}

QByteArray patch(int program, const char *name)
{
    return QByteArray("<Patch Number=\"") + QByteArray::number(program) + "\" Name=\"" + name + "\" ProgramChange=\""
        + QByteArray::number(program) + "\"/>";
}

QByteArray bankOf(const QByteArray &commands, const QByteArray &patches)
{
    return "<PatchBank Name=\"Bank\">" + (commands.isEmpty() ? QByteArray() : "<MIDICommands>" + commands + "</MIDICommands>")
        + "<PatchNameList>" + patches + "</PatchNameList></PatchBank>";
}

} // namespace

class TestMidnamReader : public QObject
{
    Q_OBJECT

private slots:
    void everyInstalledFile_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = installedMidnamFiles();
        if (files.isEmpty())
            QSKIP("no MIDNAM files are installed (ardour-data)");
        for (const QString &file : files)
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }
    void everyInstalledFile()
    {
        QFETCH(QString, file);
        const NamesFileRead read = read_names_file(file);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QVERIFY(!read.modes.isEmpty());
        QCOMPARE(read.modes.first().names.source.file, QFileInfo(file).absoluteFilePath());
    }

    // Patch counts worked out apart from this reader (xmllint's count of
    // Patch elements, and a second reader of the same rules where patches
    // repeat or are left out).
    void installedCounts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("patches");
        QTest::addColumn<int>("banks");
        QTest::addColumn<int>("controls");
        QTest::addColumn<int>("warnings");
        QTest::newRow("POD") << "Line_6_POD.midnam" << "POD" << "Default" << 84 << 1 << 0 << 0;
        QTest::newRow("MicroVerb, controls by list") << "Alesis_MicroVerb4.midnam" << "MicroVerb4" << "Alesis MicroVerb4"
                                                     << 200 << 2 << 2 << 0;
        QTest::newRow("patches with their own bank select")
            << "E_mu_Systems_ProteusFX.midnam" << "ProteusFX" << "Mode 1" << 512 << 4 << 0 << 0;
        QTest::newRow("programs past 127 left out") << "Roland_Fantom.midnam" << "Fantom" << "Default" << 1063 << 18 << 0 << 2;
        QTest::newRow("renamed repeats left out")
            << "Kurzweil_PC2_PC2r_w_Orch.midnam" << "PC2/PC2r" << "Mode 1" << 672 << 11 << 0 << 1;
        QTest::newRow("the largest file") << "Roland_SC_88_Pro.midnam" << "SC-88 Pro" << "Default" << 1610 << 80 << 0 << 0;
        QTest::newRow("extending names, a mode per list") << "Alesis_Q_Cards.midnam" << "QS8" << "Qcard Classical"
                                                          << 128 << 1 << 0 << 0;
        // Its program past 127 is in a set that no mode assigns.
        QTest::newRow("General MIDI mode") << "MIDI.midnam" << "Generic" << "General MIDI" << 128 << 1 << 128 << 0;
    }
    void installedCounts()
    {
        QFETCH(QString, file);
        QFETCH(QString, model);
        QFETCH(QString, mode);
        QFETCH(int, patches);
        QFETCH(int, banks);
        QFETCH(int, controls);
        QFETCH(int, warnings);
        const QString path = installedFile(file);
        if (path.isEmpty())
            QSKIP("the file is not installed");
        const NamesFileRead read = read_names_file(path);
        QVERIFY2(read.ok(), qPrintable(read.error));
        const int m = find_mode(read, model, mode);
        QVERIFY(m >= 0);
        const DeviceNames &names = read.modes[m].names;
        QCOMPARE(patchCount(names), patches);
        QCOMPARE(names.banks.size(), banks);
        QCOMPARE(names.controls.size(), controls);
        QCOMPARE(read.warnings.size(), warnings);
        QCOMPARE(names.source.model, model);
    }

    // Which patch a program change reaches, as the file says it is reached.
    void bankSelect_data()
    {
        QTest::addColumn<bool>("bankSelect");
        QTest::addColumn<int>("msb");
        QTest::addColumn<int>("lsb");
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no bank select: the bank without commands") << false << -1 << -1 << 3 << "Plain Three";
        QTest::newRow("MSB 2 with its LSB") << true << 2 << 5 << 3 << "Deep Three";
        QTest::newRow("a patch's own bank select, grouped") << true << 7 << 0 << 9 << "Own Nine";
        QTest::newRow("its own program change wins") << true << 7 << 0 << 10 << "Own Ten";
        QTest::newRow("a patch's own bank over its bank's") << true << 1 << 0 << 11 << "";
        QTest::newRow("through a list named elsewhere") << true << 3 << -1 << 0 << "Listed";
    }
    void bankSelect()
    {
        QFETCH(bool, bankSelect);
        QFETCH(int, msb);
        QFETCH(int, lsb);
        QFETCH(int, program);
        QFETCH(QString, expected);
        const QByteArray own = "<Patch Number=\"A9\" Name=\"Own Nine\" ProgramChange=\"9\"><PatchMIDICommands>"
                               "<ControlChange Control=\"0\" Value=\"7\"/><ControlChange Control=\"32\" Value=\"0\"/>"
                               "</PatchMIDICommands></Patch>"
                               "<Patch Number=\"A10\" Name=\"Own Ten\" ProgramChange=\"99\"><PatchMIDICommands>"
                               "<ControlChange Control=\"0\" Value=\"7\"/><ControlChange Control=\"32\" Value=\"0\"/>"
                               "<ProgramChange Number=\"10\"/></PatchMIDICommands></Patch>"
                               "<Patch Number=\"A11\" Name=\"Own Eleven\" ProgramChange=\"11\"><PatchMIDICommands>"
                               "<ControlChange Control=\"0\" Value=\"8\"/></PatchMIDICommands></Patch>";
        const NamesFileRead read = read_midnam(document(
            bankOf("", patch(3, "Plain Three")) + bankOf("<ControlChange Control=\"0\" Value=\"1\"/>", patch(3, "User Three") + own)
                + bankOf("<ControlChange Control=\"0\" Value=\"2\"/><ControlChange Control=\"32\" Value=\"5\"/>",
                         patch(3, "Deep Three"))
                + "<PatchBank Name=\"Listed\"><MIDICommands><ControlChange Control=\"0\" Value=\"3\"/></MIDICommands>"
                  "<UsesPatchNameList Name=\"Elsewhere\"/></PatchBank>",
            "<PatchNameList Name=\"Elsewhere\">" + patch(0, "Listed") + "</PatchNameList>"));
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.warnings, QStringList());
        const PatchName *found = find_patch(read.modes.value(0).names, bankSelect, msb, lsb, program);
        QCOMPARE(found ? found->name : QString(), expected);
    }

    // The modes a document offers, each as "model/mode: patches".
    void modes_data()
    {
        QTest::addColumn<QByteArray>("device");
        QTest::addColumn<QStringList>("modes");
        const QByteArray setA = "<ChannelNameSet Name=\"A\">" + bankOf("", patch(1, "A1")) + "</ChannelNameSet>";
        const QByteArray setB = "<ChannelNameSet Name=\"B\">" + bankOf("", patch(1, "B1") + patch(2, "B2")) + "</ChannelNameSet>";
        QTest::newRow("channel 1's set, whatever the order")
            << "<Model>X</Model><CustomDeviceMode Name=\"M\"><ChannelNameSetAssignments>"
               "<ChannelNameSetAssign Channel=\"2\" NameSet=\"A\"/><ChannelNameSetAssign Channel=\"1\" NameSet=\"B\"/>"
               "</ChannelNameSetAssignments></CustomDeviceMode>" + setA + setB
            << QStringList{"X/M: 2"};
        QTest::newRow("every model, every mode")
            << "<Model>X</Model><Model>Y</Model><CustomDeviceMode Name=\"M\"><ChannelNameSetAssignments>"
               "<ChannelNameSetAssign Channel=\"5\" NameSet=\"A\"/></ChannelNameSetAssignments></CustomDeviceMode>"
               "<StandardDeviceMode Name=\"GM\">" + bankOf("", patch(9, "Nine")) + "</StandardDeviceMode>" + setA
            << QStringList{"X/M: 1", "X/GM: 1", "Y/M: 1", "Y/GM: 1"};
        QTest::newRow("no mode: a mode per set") << "<Model>X</Model>" + setA + setB << QStringList{"X/A: 1", "X/B: 2"};
    }
    void modes()
    {
        QFETCH(QByteArray, device);
        QFETCH(QStringList, modes);
        const NamesFileRead read = read_midnam("<MIDINameDocument><MasterDeviceNames>" + device
                                               + "</MasterDeviceNames></MIDINameDocument>");
        QVERIFY2(read.ok(), qPrintable(read.error));
        QStringList found;
        for (const MidnamMode &mode : read.modes)
            found << QStringLiteral("%1/%2: %3").arg(mode.model, mode.mode).arg(patchCount(mode.names));
        QCOMPARE(found, modes);
    }

    void plainList_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("count");
        QTest::newRow("from 0") << QByteArray("Clean\nCrunch\nLead\n") << 0 << 2 << "Lead" << 3;
        QTest::newRow("from 1, as a manual counts") << QByteArray("Clean\nCrunch\nLead") << 1 << 2 << "Lead (3)" << 3;
        QTest::newRow("Windows lines and a byte-order mark")
            << QByteArray("\xEF\xBB\xBF  Clean \r\nCrunch\r\n\r\n") << 0 << 0 << "Clean" << 2;
        QTest::newRow("a blank line leaves a program unnamed") << QByteArray("Clean\n\nLead") << 0 << 1 << "" << 2;
        QTest::newRow("128 names") << QByteArray("Name\n").repeated(128) << 0 << 127 << "Name" << 128;
    }
    void plainList()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, first);
        QFETCH(int, program);
        QFETCH(QString, shown);
        QFETCH(int, count);
        QVERIFY(!looks_like_midnam(text));
        const NamesFileRead read = read_plain_list(text, first);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.modes.size(), 1);
        QCOMPARE(patchCount(read.modes[0].names), count);
        QCOMPARE(patch_text(find_patch(read.modes[0].names, false, -1, -1, program)), shown);
    }

    // A refusal says where, in one sentence, and gives nothing; a warning
    // keeps the rest.
    void badInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<int>("patches");
        const QByteArray two = patch(1, "One") + patch(2, "Two");
        QTest::newRow("not XML") << QByteArray("<MIDINameDocument><Model>x</Mod") << "line 1, column" << "" << 0;
        QTest::newRow("another root element") << QByteArray("<?xml version=\"1.0\"?>\n<html><body/></html>")
                                              << "line 2, column 6: the document is a html, not a MIDINameDocument"
                                              << "" << 0;
        QTest::newRow("a truncated file") << document(bankOf("", two)).left(400) << "line " << "" << 0;
        QTest::newRow("an empty file") << QByteArray() << "line 1, column 1" << "" << 0;
        QTest::newRow("no device") << QByteArray("<MIDINameDocument><Author/></MIDINameDocument>")
                                   << "names no device" << "" << 0;
        QTest::newRow("a program past 127 is left out")
            << document(bankOf("", two + "<Patch Number=\"X\" Name=\"Far\" ProgramChange=\"128\"/>"))
            << "" << "1 patches with a program change outside 0-127 were left out" << 2;
        QTest::newRow("nothing but programs past 127")
            << document(bankOf("", "<Patch Number=\"X\" Name=\"Far\" ProgramChange=\"200\"/>"))
            << "nothing usable is left" << "" << 0;
        QTest::newRow("a bank select past 127") << document(bankOf("", two) + bankOf("<ControlChange Control=\"0\" Value=\"300\"/>", two))
                                                << "" << "1 banks with a bank select outside 0-127" << 2;
        QTest::newRow("a patch list that is not there")
            << document(bankOf("", two) + "<PatchBank Name=\"B\"><UsesPatchNameList Name=\"Gone\"/></PatchBank>")
            << "" << "the file does not hold and were left out (the first: \"Gone\" at line 4" << 2;
        QTest::newRow("a program twice at one address, the first kept")
            << document(bankOf("", two + patch(2, "Other Two") + patch(1, "One")))
            << "" << "1 patches naming a program already named at their bank address were left out" << 2;
        QTest::newRow("names that are not UTF-8") << document(bankOf("", patch(1, "Caf\xE9"))) << "line 4, column" << ""
                                                  << 0;
        QTest::newRow("a byte-order mark") << "\xEF\xBB\xBF" + document(bankOf("", two)) << "" << "" << 2;
        QTest::newRow("an external DOCTYPE is not fetched") << document(bankOf("", two)) << "" << "" << 2;
        QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE MIDINameDocument [<!ENTITY a \"aaaaaaaaaa\">";
        for (char c = 'b'; c <= 'j'; ++c)
            laughs += QByteArray("<!ENTITY ") + c + " \"" + QByteArray("&").append(char(c - 1)).append(';').repeated(10) + "\">";
        laughs += "]><MIDINameDocument><Author>&j;</Author></MIDINameDocument>";
        QTest::newRow("entities that expand without bound") << laughs << "line 1, column" << "" << 0;
        QTest::newRow("more than a names file holds")
            << "<" + QByteArray(filelimit::kNames, ' ') << "line 1, column 1: the file is larger" << "" << 0;
        QTest::newRow("a plain list of 129 names") << QByteArray("Name\n").repeated(129)
                                                   << "line 129, column 1: a device has only 128 programs" << "" << 0;
        QTest::newRow("a plain list not in UTF-8") << QByteArray("Clean\nCaf\xE9 Lead\n") << "line 2, column 4: the text is not valid UTF-8"
                                                   << "" << 0;
    }
    void badInput()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QFETCH(QString, warning);
        QFETCH(int, patches);
        const NamesFileRead read = looks_like_midnam(bytes) || bytes.isEmpty() ? read_midnam(bytes) : read_plain_list(bytes, 0);
        if (error.isEmpty()) {
            QVERIFY2(read.ok(), qPrintable(read.error));
            QCOMPARE(patchCount(read.modes.value(0).names), patches);
        } else {
            QVERIFY2(read.error.contains(error), qPrintable(read.error));
            QCOMPARE(read.error.count(QLatin1Char('.')), 1); // one sentence
            QVERIFY(read.modes.isEmpty());
        }
        if (warning.isEmpty())
            QCOMPARE(read.warnings, QStringList());
        else
            QVERIFY2(read.warnings.size() == 1 && read.warnings[0].contains(warning), qPrintable(read.warnings.join('|')));
    }

    void fileErrorsNameTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("broken.midnam");
        QVERIFY(write_file(path, "<MIDINameDocument>"));
        const NamesFileRead read = read_names_file(path);
        QVERIFY2(read.error.startsWith(QDir::toNativeSeparators(path) + " was not read: line 1"), qPrintable(read.error));
        QVERIFY(read_names_file(dir.filePath("missing.midnam")).error.contains("missing.midnam was not read"));
    }
};

QTEST_GUILESS_MAIN(TestMidnamReader)
#include "test_midnam_reader.moc"
