// vektor-tool run as a user runs it: exit codes, what it prints, the files
// it writes, and the documents it refuses without touching the memory.

#include "dump_codec.h"
#include "dump_messages.h"
#include "fields.h"
#include "image_fixtures.h"
#include "image_layout.h"
#include "readable_form.h"
#include "test_support.h"
#include "tool_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <unistd.h>

namespace {

// The factory memory with preset 014 renamed "Verse" and the program change
// of device 3 moved to 40.
QByteArray editedImage()
{
    QByteArray image = factoryImage();
    const int preset = layout::presetOffset(12);
    write_name(reinterpret_cast<unsigned char *>(image.data()) + preset + layout::preset::kName, "Verse");
    image[preset + layout::preset::programChangeOffset(2) + layout::programchange::kNumber] = char(40);
    return image;
}

// The factory memory with preset 014's program changes and control changes
// all off: it sends nothing.
QByteArray silentImage()
{
    QByteArray image = factoryImage();
    const int preset = layout::presetOffset(12);
    for (int i = 0; i < layout::preset::kProgramChangeCount; ++i)
        image[preset + layout::preset::programChangeOffset(i) + layout::programchange::kEnabled] = 0;
    for (int j = 0; j < layout::preset::kControlChangeCount; ++j)
        image[preset + layout::preset::controlChangeOffset(j) + layout::controlchange::kEnabled] = 0;
    return image;
}

QByteArray damagedDump()
{
    QByteArray dump = dumpOf(factoryImage());
    const int checksumOfPacket5 = messageStarts(dump)[5] + dump::kFullPacketSize - 2;
    dump[checksumOfPacket5] = char(dump[checksumOfPacket5] ^ 0x01);
    return dump;
}

// `document` with the value at `path` ("presets/3/programChanges/2/number")
// replaced, or removed when `value` is undefined.
QJsonValue edited(const QJsonValue &document, QStringList path, const QJsonValue &value)
{
    const QString step = path.takeFirst();
    if (document.isArray()) {
        QJsonArray array = document.toArray();
        array[step.toInt()] = edited(array[step.toInt()], path, value);
        return array;
    }
    QJsonObject object = document.toObject();
    if (path.isEmpty() && value.isUndefined())
        object.remove(step);
    else
        object[step] = path.isEmpty() ? value : edited(object[step], path, value);
    return object;
}

QByteArray documentWith(const QByteArray &json, const QString &path, const QJsonValue &value)
{
    const QJsonValue root = QJsonDocument::fromJson(json).object();
    return QJsonDocument(edited(root, path.split('/'), value).toObject()).toJson();
}

} // namespace

class VektorToolTest : public QObject
{
    Q_OBJECT

    TempHome home;
    QString folder;

    QString file(const QString &name) const { return folder + QLatin1Char('/') + name; }

private slots:
    void init()
    {
        folder = home.path() + QStringLiteral("/work");
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        const QByteArray edited = editedImage();
        writeWholeFile(file("memory.bin"), factoryImage());
        writeWholeFile(file("edited.bin"), edited);
        writeWholeFile(file("memory.syx"), dumpOf(factoryImage()));
        writeWholeFile(file("damaged.syx"), damagedDump());
        writeWholeFile(file("short.bin"), QByteArray(100, '\x01'));
        writeWholeFile(file("big.bin"), QByteArray(200000, '\x01')); // more than a dump carries
        QByteArray favouriteNowhere = factoryImage();
        write_word(reinterpret_cast<unsigned char *>(favouriteNowhere.data()) + layout::button::kFavorite, 300);
        writeWholeFile(file("nowhere.bin"), favouriteNowhere);
        writeWholeFile(file("backup"), dumpOf(factoryImage())); // a dump told by its content
        writeWholeFile(file("empty.bin"), QByteArray());
        writeWholeFile(file("silent.bin"), silentImage());
        const auto *image = reinterpret_cast<const unsigned char *>(edited.constData());
        writeWholeFile(file("bank1.json"), export_readable_presets(image, {9, 10, 11, 12, 13, 14, 15, 16, 17}));
    }

    void exitCodesAndOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");   // what standard output starts with
        QTest::addColumn<QString>("err");   // standard error, whole
        QTest::newRow("tool help") << QStringList{"--help"} << 0
                                   << "Usage: vektor-tool COMMAND [options] ARGUMENTS\n" << "";
        QTest::newRow("command help") << QStringList{"import", "--help"} << 0
                                      << "Usage: vektor-tool import [options] FILE.json MEMORY\n" << "";
        QTest::newRow("no command") << QStringList{} << 2 << ""
                                    << "vektor-tool: no command given; \"vektor-tool --help\" lists them\n";
        QTest::newRow("unknown command") << QStringList{"send-all"} << 2 << ""
                                         << "vektor-tool: \"send-all\" is not a command; \"vektor-tool --help\" lists them\n";
        QTest::newRow("unknown option") << QStringList{"show", "--fast", "memory.bin"} << 2 << ""
                                        << "vektor-tool show: Unknown option 'fast'.\n";
        QTest::newRow("argument missing") << QStringList{"diff", "memory.bin"} << 2 << ""
                                          << "vektor-tool diff: takes A B; \"vektor-tool diff --help\" says more\n";
        QTest::newRow("show") << QStringList{"show", "memory.bin"} << 0
                              << "001 - Preset 001\n002 - Preset 002\n" << "";
        QTest::newRow("show a dump") << QStringList{"show", "memory.syx"} << 0 << "001 - Preset 001\n" << "";
        QTest::newRow("show a dump without a suffix") << QStringList{"show", "backup"} << 0 << "001 - Preset 001\n"
                                                      << "";
        QTest::newRow("show a short file") << QStringList{"show", "short.bin"} << 2 << ""
                                           << "vektor-tool show: short.bin: holds 100 bytes; a Vektor memory has 93719\n";
        QTest::newRow("show a missing file") << QStringList{"show", "none.bin"} << 2 << ""
                                             << "vektor-tool show: none.bin: cannot be read (No such file or directory)\n";
        QTest::newRow("verify clean") << QStringList{"verify", "memory.syx"} << 0
                                      << "header: announces 93719 bytes\n"
                                         "data packets: 837, 0 missing, 0 repeated\n"
                                         "checksums: all hold\n"
                                         "end of file: counts 69 packets\n"
                                         "decoded: 93719 bytes\n"
                                         "clean\n" << "";
        QTest::newRow("verify damaged") << QStringList{"verify", "damaged.syx"} << 1
                                        << "header: announces 93719 bytes\n"
                                           "data packets: 837, 0 missing, 0 repeated\n"
                                           "checksums: 1 fail, the first in packet 5\n"
                                           "end of file: counts 69 packets\n"
                                           "decoded: 93719 bytes\n"
                                           "problem: Packet 5 fails its checksum.\n" << "";
        QTest::newRow("check, warnings only") << QStringList{"check", "memory.syx"} << 0
                                              << "warning: The global setting \"button 9 loop\" holds 8" << "";
        QTest::newRow("check, a problem") << QStringList{"check", "nowhere.bin"} << 1
                                          << "problem: The favourite of button 1 is no preset slot: it holds 300"
                                          << "";
        QTest::newRow("diff same") << QStringList{"diff", "memory.bin", "memory.syx"} << 0 << "" << "";
        QTest::newRow("diff") << QStringList{"diff", "memory.bin", "edited.bin"} << 1
                              << "preset 014 \"Preset 014\" name: \"Preset 014\" -> \"Verse\"\n"
                                 "preset 014 \"Preset 014\" program change 3 number: 14 -> 40\n" << "";
        QTest::newRow("diff summary") << QStringList{"diff", "--summary", "edited.bin", "memory.syx"} << 1
                                      << "preset 014: name, program changes\n" << "";
        QTest::newRow("diff against a bank") << QStringList{"diff", "--summary", "memory.bin", "bank1.json"} << 1
                                             << "preset 014: name, program changes\n" << "";
        QTest::newRow("diff two banks") << QStringList{"diff", "bank1.json", "bank1.json"} << 2 << ""
                                        << "vektor-tool diff: two documents of presets have no memory to compare "
                                           "in; give one whole memory\n";
        QTest::newRow("export a bank") << QStringList{"export", "edited.bin", "--bank", "1"} << 0
                                       << "{\n    \"format\": \"vektor-readable\",\n" << "";
        QTest::newRow("export no bank") << QStringList{"export", "memory.bin", "--bank", "30"} << 2 << ""
                                        << "vektor-tool export: --bank: \"30\" is not a bank (0 to 29)\n";
        QTest::newRow("export bad list") << QStringList{"export", "memory.bin", "--presets", "001,010"} << 2 << ""
                                         << "vektor-tool export: --presets: \"010\" ends in 0, and no preset "
                                            "number does\n";
        QTest::newRow("import into nothing") << QStringList{"import", "bank1.json", "none.bin"} << 2 << ""
                                             << "vektor-tool import: none.bin: does not exist, and a document of "
                                                "presets needs a memory to go into\n";
        QTest::newRow("import into a dump") << QStringList{"import", "bank1.json", "memory.syx"} << 2 << ""
                                            << "vektor-tool import: memory.syx: is not a memory file; import "
                                               "writes one\n";
        QTest::newRow("import, wrong count") << QStringList{"import", "bank1.json", "memory.bin", "--to", "001"} << 2
                                             << "" << "vektor-tool import: the document holds 9 presets and 1 slot "
                                                      "was given for them; give one slot for each preset\n";
        QTest::newRow("encode more than a dump carries")
            << QStringList{"encode", "big.bin", "none.bin"} << 2 << ""
            << "vektor-tool encode: big.bin: holds 200000 bytes, more than the 131072 a dump can carry\n";
        QTest::newRow("receive for ever")
            << QStringList{"receive", "none.bin", "--port", "0", "--seconds", "1e10"} << 2 << ""
            << "vektor-tool receive: --seconds takes a number of seconds above 0, at most 1000000000\n";
        QTest::newRow("receive for no time")
            << QStringList{"receive", "none.bin", "--port", "0", "--seconds", "nan"} << 2 << ""
            << "vektor-tool receive: --seconds takes a number of seconds above 0, at most 1000000000\n";
        QTest::newRow("encode nothing")
            << QStringList{"encode", "empty.bin", "none.bin"} << 2 << ""
            << "vektor-tool encode: empty.bin: holds nothing to encode; none.bin was not written\n";
        QTest::newRow("monitor for ever")
            << QStringList{"monitor", "--port", "0", "--seconds", "1e10"} << 2 << ""
            << "vektor-tool monitor: --seconds takes a number of seconds above 0, at most 1000000000\n";
        QTest::newRow("monitor for no time")
            << QStringList{"monitor", "--port", "0", "--seconds", "nan"} << 2 << ""
            << "vektor-tool monitor: --seconds takes a number of seconds above 0, at most 1000000000\n";
        // Said before any MIDI system is opened: its attempts would go to standard error.
        QTest::newRow("play a preset that sends nothing")
            << QStringList{"play", "silent.bin", "014", "--port", "0"} << 1 << ""
            << "vektor-tool play: preset 014 sends nothing: none of its program changes or control changes is "
               "on\n";
        QTest::newRow("decode no data") << QStringList{"decode", "short.bin", "edited.bin"} << 2 << ""
                                        << "vektor-tool decode: short.bin: holds no data packet; edited.bin was "
                                           "left as it was\n";
    }
    void exitCodesAndOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = tool(arguments, folder);
        QCOMPARE(run.err, err);
        QCOMPARE(run.exitCode, exitCode);
        if (out.isEmpty())
            QCOMPARE(run.out, QString());
        else
            QVERIFY2(run.out.startsWith(out), qPrintable(run.out.left(400)));
        // Nothing that failed wrote anything.
        if (exitCode == 2) {
            QCOMPARE(readWholeFile(file("edited.bin")), editedImage());
            QCOMPARE(readWholeFile(file("memory.bin")), factoryImage());
            QCOMPARE(readWholeFile(file("memory.syx")), dumpOf(factoryImage()));
            QVERIFY(!QFile::exists(file("none.bin")));
        }
    }

    // A result that did not reach standard output (a full disk) is trouble,
    // whatever the command made of it.
    void outputThatCannotBeWrittenIsTrouble_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("export") << QStringList{"export", "memory.bin"};
        QTest::newRow("show") << QStringList{"show", "memory.bin"};
        QTest::newRow("diff") << QStringList{"diff", "memory.bin", "edited.bin"};
        QTest::newRow("verify") << QStringList{"verify", "memory.syx"};
        QTest::newRow("help") << QStringList{"--help"};
    }
    void outputThatCannotBeWrittenIsTrouble()
    {
        QFETCH(QStringList, arguments);
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("no /dev/full on this machine");
        QProcess process;
        process.setWorkingDirectory(folder);
        process.setStandardOutputFile("/dev/full");
        process.start(QStringLiteral(VEKTOR_TOOL), arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 QString("vektor-tool: standard output could not be written (No space left on device)\n"));
        QCOMPARE(process.exitCode(), 2);
    }

    // A history folder that cannot take the version: the command says so
    // and still does its job. (The old file has a second name, so it is
    // copied, and the copy passes a size limit the new memory does not.)
    void unkeptVersionIsSaid()
    {
        writeWholeFile(file("edited.syx"), dumpOf(editedImage()));
        QVERIFY(QDir(folder).mkdir("history"));
        QVERIFY(writeWholeFile(file("memory.bin"), QByteArray(120000, 'x')));
        QCOMPARE(::link(qPrintable(file("memory.bin")), qPrintable(file("second-name"))), 0);
        Run run;
        {
            FileSizeLimit limit(100000);
            run = tool({"decode", "edited.syx", "memory.bin"}, folder);
        }
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.startsWith("vektor-tool decode: earlier versions of the memory file are not being kept: "),
                 qPrintable(run.err));
        QVERIFY2(run.err.contains("File too large"), qPrintable(run.err));
        QCOMPARE(readWholeFile(file("memory.bin")), editedImage());
    }

    void encodeAndDecodeAreTheEditorsCodec()
    {
        QCOMPARE(tool({"encode", "memory.bin", "out.syx"}, folder).exitCode, 0);
        QCOMPARE(readWholeFile(file("out.syx")), dumpOf(factoryImage()));
        QCOMPARE(tool({"decode", "out.syx", "back.bin"}, folder).exitCode, 0);
        QCOMPARE(readWholeFile(file("back.bin")), factoryImage());
        // A readable document is encoded as the memory it holds.
        QCOMPARE(tool({"export", "edited.bin", "-o", "edited.json"}, folder).exitCode, 0);
        QCOMPARE(tool({"encode", "edited.json", "json.syx"}, folder).exitCode, 0);
        QCOMPARE(readWholeFile(file("json.syx")), dumpOf(editedImage()));
    }

    // A pipe gives its bytes once: what is read is all there is.
    void encodeReadsAPipe_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("carried"); // what out.syx carries; empty: not written
        QTest::newRow("a memory") << factoryImage() << 0 << "" << factoryImage();
        QTest::newRow("a dump") << dumpOf(editedImage()) << 0 << "" << editedImage();
        QTest::newRow("nothing") << QByteArray() << 2
                                 << "vektor-tool encode: /dev/stdin: holds nothing to encode; out.syx was not "
                                    "written\n" << QByteArray();
    }
    void encodeReadsAPipe()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(QByteArray, carried);
        const Run run = tool({"encode", "/dev/stdin", "out.syx"}, folder, &input);
        QCOMPARE(run.err, err);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(QFile::exists(file("out.syx")), !carried.isEmpty());
        if (!carried.isEmpty())
            QCOMPARE(decode_dump(readWholeFile(file("out.syx"))), carried);
    }

    void importWritesWholeAfterABackup()
    {
        const QByteArray random = randomBytes(layout::kImageSize, 11);
        writeWholeFile(file("random.bin"), random);
        QCOMPARE(tool({"export", "random.bin", "-o", "random.json"}, folder).exitCode, 0);
        Run run = tool({"import", "random.json", "new.bin"}, folder);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString("new.bin: written\n"));
        QCOMPARE(readWholeFile(file("new.bin")), random);

        run = tool({"import", "bank1.json", "memory.bin", "--to", "291-299"}, folder);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, QString("memory.bin: presets 291-299: name, program changes\n"));
        QCOMPARE(readWholeFile(file("memory.bin.bak")), factoryImage());
        QByteArray expected = factoryImage();
        const int bankSize = 9 * layout::kPresetRecordSize;
        expected.replace(layout::presetOffset(261), bankSize, editedImage().mid(layout::presetOffset(9), bankSize));
        QCOMPARE(readWholeFile(file("memory.bin")), expected);
    }

    // The editor's history beside a memory keeps what the tool replaces;
    // a memory with no history beside it gets none.
    void writesKeepTheHistoryBesideTheMemory_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("history");
        const QStringList import = {"import", "edited.json", "memory.bin"};
        const QStringList decode = {"decode", "edited.syx", "memory.bin"};
        QTest::newRow("import") << import << "tool-import" << true;
        QTest::newRow("decode") << decode << "tool-decode" << true;
        QTest::newRow("import, no history") << import << "" << false;
        QTest::newRow("decode, no history") << decode << "" << false;
    }
    void writesKeepTheHistoryBesideTheMemory()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, operation);
        QFETCH(bool, history);
        writeWholeFile(file("edited.syx"), dumpOf(editedImage()));
        QCOMPARE(tool({"export", "edited.bin", "-o", "edited.json"}, folder).exitCode, 0);
        if (history)
            QVERIFY(QDir(folder).mkdir("history"));

        QCOMPARE(tool(arguments, folder).exitCode, 0);
        QCOMPARE(readWholeFile(file("memory.bin")), editedImage());
        const QStringList kept = QDir(file("history")).entryList(QDir::Files);
        QCOMPARE(kept.size(), history ? 1 : 0);
        if (history) {
            QVERIFY2(kept.first().endsWith("_" + operation + "_memory.bin"), qPrintable(kept.first()));
            QCOMPARE(readWholeFile(file("history/" + kept.first())), factoryImage());
        }
        QVERIFY(!QDir(file("history")).exists() || history);
    }

    void refusedDocumentsTouchNothing_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("reason");
        const QByteArray edited = editedImage();
        const auto *image = reinterpret_cast<const unsigned char *>(edited.constData());
        const QByteArray presets = export_readable_presets(image, {9, 10, 11, 12});
        const QByteArray whole = export_readable_memory(image);

        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << "not JSON: unterminated object at character 11";
        QTest::newRow("not an object") << QByteArray("[1, 2]") << "not a readable document: it is not a JSON object";
        QTest::newRow("another format") << documentWith(presets, "format", "setlist")
                                        << "format: \"setlist\" is not \"vektor-readable\"";
        QTest::newRow("newer version") << documentWith(presets, "version", 2)
                                       << "version: 2 is newer than this program reads (1)";
        QTest::newRow("unknown key") << documentWith(presets, "presets/1/colour", "red")
                                     << "presets[1].colour: unknown key";
        QTest::newRow("missing key") << documentWith(whole, "global/devices/3/enabled", QJsonValue::Undefined)
                                     << "global.devices[3].enabled: missing";
        QTest::newRow("wrong type") << documentWith(presets, "presets/0/loops", "all on")
                                    << "presets[0].loops: \"all on\" is not a list";
        QTest::newRow("too few entries") << documentWith(presets, "presets/0/loops", QJsonArray{0, 1})
                                         << "presets[0].loops: holds 2 entries, not 8";
        QTest::newRow("not a byte") << documentWith(presets, "presets/3/programChanges/2/number", 300)
                                    << "presets[3].programChanges[2].number: 300 is not a byte";
        QTest::newRow("not a whole number") << documentWith(presets, "presets/0/output", 1.5)
                                            << "presets[0].output: 1.5 is not a whole number";
        QTest::newRow("not a 16-bit number") << documentWith(whole, "global/pedals/1/max", 70000)
                                             << "global.pedals[1].max: 70000 is not a 16-bit number";
        QTest::newRow("name too long") << documentWith(presets, "presets/2/name", "Seventeen chars!!")
                                       << "presets[2].name: \"Seventeen chars!!\" is longer than 16 bytes";
        QTest::newRow("name not Latin-1") << documentWith(whole, "global/buttons/4/name", QString::fromUtf8("Δelay"))
                                          << QString::fromUtf8("global.buttons[4].name: \"Δelay\" is not Latin-1: "
                                                               "\"Δ\" has no byte in the controller's names");
        QTest::newRow("bad hex") << documentWith(whole, "global/buttons/2/onCustom", "93 45 7g 00 00 00 00 00")
                                 << "global.buttons[2].onCustom: \"93 45 7g 00 00 00 00 00\" is not 8 hex bytes "
                                    "(\"7f 00\")";
        QTest::newRow("slot ending in 0") << documentWith(presets, "presets/1/slot", "020")
                                          << "presets[1].slot: \"020\" ends in 0, and no preset number does";
        QTest::newRow("slot beyond 299") << documentWith(presets, "presets/1/slot", "300")
                                         << "presets[1].slot: \"300\" is not a preset number (001 to 299)";
        QTest::newRow("slot twice") << documentWith(presets, "presets/3/slot", "011")
                                    << "presets[3].slot: \"011\" is already the slot of presets[0]";
        QTest::newRow("far beyond a byte") << documentWith(presets, "presets/3/programChanges/2/number", 1e300)
                                           << "presets[3].programChanges[2].number: 1e+300 is not a byte";
        QTest::newRow("far below a byte") << documentWith(presets, "presets/0/output", -1e300)
                                          << "presets[0].output: -1e+300 is not a byte";
        QTest::newRow("whole memory short") << documentWith(whole, "presets", QJsonArray{})
                                            << "presets: holds 0 presets; a whole memory has 270";
    }
    void refusedDocumentsTouchNothing()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, reason);
        writeWholeFile(file("doc.json"), document);
        const Run run = tool({"import", "doc.json", "memory.bin"}, folder);
        QCOMPARE(run.err, QStringLiteral("vektor-tool import: doc.json: ") + reason + QLatin1Char('\n'));
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QString());
        QCOMPARE(readWholeFile(file("memory.bin")), factoryImage());
        QVERIFY(!QFile::exists(file("memory.bin.bak")));
    }
};

VEKTOR_TEST_MAIN(VektorToolTest)
#include "test_vektor_tool.moc"
