// The rig's names written as a MIDNAM document for a DAW, read back by our
// reader and by a second parser; the folders and models a chooser offers.

#include "file_bytes.h"
#include "midnam_folders.h"
#include "midnam_reader.h"
#include "midnam_writer.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

PatchBank bank(const QString &name, int msb, int lsb, const QVector<PatchName> &patches)
{
    PatchBank b;
    b.name = name;
    b.msb = msb;
    b.lsb = lsb;
    b.patches = patches;
    return b;
}

RigNames exportedRig()
{
    RigNames rig;
    rig.devices[0].banks << bank("Factory", -1, -1, {{0, "1A", "Plexi <Lead> & \"Co\""}, {1, "1B", "Jazz 'Clean'"}})
                         << bank("User", 1, -1, {{0, "U1", "Ünïcødé ☃"}})
                         << bank("", 2, 3, {{127, "", "Last"}});
    rig.devices[0].controls << ControlName{4, "Wah"} << ControlName{7, "Volume"};
    rig.devices[4].controls << ControlName{11, "Expression"};
    rig.devices[15].banks << bank("Typed", -1, 0, {{5, "6", "Dotted 8ths"}});
    rig.devices[15].source.typed = true;
    return rig;
}

const QStringList kDeviceNames = {"Amp", "", "", "", "Wah", "", "", "", "", "", "", "", "", "", "", "Delay"};

// What the reader gives back: the label a DAW needs where none was typed.
DeviceNames asReadBack(DeviceNames names)
{
    names.source = NamesSource();
    for (PatchBank &b : names.banks)
        for (PatchName &p : b.patches)
            if (p.number.isEmpty())
                p.number = QString::number(p.program);
    return names;
}

} // namespace

class TestMidnamExport : public QObject
{
    Q_OBJECT

private slots:
    void readBackEqual_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<QString>("model");
        QTest::newRow("banks, bank selects and controls") << 0 << "01 - Amp";
        QTest::newRow("controls only") << 4 << "05 - Wah";
        QTest::newRow("an LSB alone") << 15 << "16 - Delay";
    }
    void readBackEqual()
    {
        QFETCH(int, device);
        QFETCH(QString, model);
        const QByteArray bytes = write_midnam(exportedRig(), kDeviceNames);
        const NamesFileRead read = read_midnam(bytes);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.warnings, QStringList());
        QCOMPARE(read.modes.size(), 3); // the named devices only
        const int m = find_mode(read, model, QString());
        QVERIFY(m >= 0);
        QCOMPARE(read.modes[m].manufacturer, exported_manufacturer());
        QCOMPARE(read.modes[m].names, asReadBack(exportedRig().devices[device]));
    }

    void aSecondParserAccepts()
    {
        const QString xmllint = QStandardPaths::findExecutable("xmllint");
        if (xmllint.isEmpty())
            QSKIP("xmllint is not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath("rig.midnam");
        const QByteArray bytes = write_midnam(exportedRig(), kDeviceNames);
        QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")); // no byte-order mark
        QVERIFY(bytes.contains("<!DOCTYPE MIDINameDocument PUBLIC"));
        QVERIFY(write_file(path, bytes));
        QProcess lint;
        lint.start(xmllint, {"--noout", "--nonet", path});
        QVERIFY(lint.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(lint.readAllStandardError()), QString());
        QCOMPARE(lint.exitCode(), 0);
    }

    void controlCharactersStayReadable()
    {
        RigNames rig;
        rig.devices[2].banks << bank("B\x01", -1, -1, {{3, "", "Tab\there\x07"}});
        const NamesFileRead read = read_midnam(write_midnam(rig, {}));
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.modes.value(0).model, QString("03"));
        QCOMPARE(read.modes.value(0).names.banks.value(0).patches.value(0).name, QString("Tab here"));
    }

    void foldersAndModels()
    {
        QTemporaryDir share;
        QVERIFY(QDir(share.path()).mkpath("ardour7/patchfiles"));
        QVERIFY(QDir(share.path()).mkpath("ardour8")); // no patch files in it
        const QString memory = share.filePath("rig/memory.bin");
        const QStringList folders = midnam_folders(memory, share.path());
        QCOMPARE(folders, (QStringList{share.filePath("ardour7/patchfiles"), share.filePath("rig/midnam")}));

        QVERIFY(write_file(folders[0] + "/export.midnam", write_midnam(exportedRig(), kDeviceNames)));
        QVERIFY(write_file(folders[0] + "/cards.midnam",
                           "<MIDINameDocument><ExtendingDeviceNames><Manufacturer>Alpha</Manufacturer>"
                           "<Model>Z Card</Model><Model>A Card</Model><PatchNameList Name=\"L\"/>"
                           "</ExtendingDeviceNames></MIDINameDocument>"));
        QVERIFY(write_file(folders[0] + "/notes.txt", "not a names file"));
        const QVector<InstalledModel> models = installed_models(folders);
        QStringList listed;
        for (const InstalledModel &m : models)
            listed << m.manufacturer + "/" + m.model + "/" + QFileInfo(m.file).fileName();
        QCOMPARE(listed, (QStringList{"Alpha/A Card/cards.midnam", "Alpha/Z Card/cards.midnam",
                                      "Vektor Rig/01 - Amp/export.midnam", "Vektor Rig/05 - Wah/export.midnam",
                                      "Vektor Rig/16 - Delay/export.midnam"}));
    }
};

QTEST_GUILESS_MAIN(TestMidnamExport)
#include "test_midnam_export.moc"
