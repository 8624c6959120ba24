// vektor-tool with notes: notes and --tag/--untag/--note change only the
// notes file and refuse bad input whole; show prints tags only when there
// are any; export and import carry the notes with the presets.

#include "image_fixtures.h"
#include "image_layout.h"
#include "notes_file.h"
#include "test_support.h"
#include "tool_run.h"

#include <QProcess>

class TestToolNotes : public QObject
{
    Q_OBJECT

private slots:
    void refusedChangesWriteNothing_data();
    void refusedChangesWriteNothing();
    void changeShowExportImport();
    void diffNamesChangedNotes();
};

void TestToolNotes::refusedChangesWriteNothing_data()
{
    QTest::addColumn<QStringList>("arguments"); // after "notes memory.bin"
    QTest::addColumn<QString>("said");
    QTest::newRow("tag with a space") << QStringList{"014", "--tag", "two words"} << "holds a space";
    QTest::newRow("forbidden character") << QStringList{"014", "--tag", "caf\u00e9"} << "\u201c\u00e9\u201d";
    QTest::newRow("33 characters") << QStringList{"014", "--tag", QString(33, 'a')} << "longer than 32";
    QTest::newRow("17th tag") << QStringList{"014", "--tag", "t16"} << "at most 16 tags";
    QTest::newRow("note too long") << QStringList{"014", "--note", QString(2001, 'x')} << "at most 2000";
    QTest::newRow("no slot") << QStringList{"--tag", "verse"} << "name the slots";
    QTest::newRow("no such slot") << QStringList{"300", "--tag", "verse"} << "300";
}

void TestToolNotes::refusedChangesWriteNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    TempHome home;
    const QString memory = home.path() + "/memory.bin";
    QVERIFY(writeWholeFile(memory, factoryImage()));
    PresetNotes notes = empty_notes();
    for (int k = 0; k < 16; ++k)
        notes[12].tags << QStringLiteral("t%1").arg(k);
    QVERIFY(write_notes_file(notes_file_path(memory), notes, layout::kImageSize));
    const QByteArray before = readWholeFile(notes_file_path(memory));
    const Run run = tool(QStringList{"notes", "memory.bin"} + arguments, home.path());
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(said), qPrintable(run.err));
    QCOMPARE(readWholeFile(notes_file_path(memory)), before);
    QCOMPARE(readWholeFile(memory), factoryImage());
}

void TestToolNotes::changeShowExportImport()
{
    TempHome home;
    const QString memory = home.path() + "/memory.bin";
    QVERIFY(writeWholeFile(memory, factoryImage()));
    const Run plain = tool({"show", "memory.bin"}, home.path());

    Run run = tool({"notes", "memory.bin", "011-012", "--note", "capo 2", "--tag", "#Verse", "--tag", "live"},
                   home.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString("011 - Preset 011  #verse #live\n    capo 2\n012 - Preset 012  #verse #live\n    capo 2\n"));
    QCOMPARE(tool({"notes", "memory.bin", "012", "--untag", "live"}, home.path()).exitCode, 0);
    QCOMPARE(readWholeFile(memory), factoryImage()); // the memory's bytes are never touched

    run = tool({"show", "memory.bin"}, home.path());
    QStringList expected = plain.out.split('\n');
    expected[9] += "  #verse #live";
    expected[10] += "  #verse";
    QCOMPARE(run.out, expected.join('\n')); // the other lines as they were

    // The bank goes out with its notes and comes in with them elsewhere.
    QCOMPARE(tool({"export", "memory.bin", "--bank", "1", "-o", "bank.json"}, home.path()).exitCode, 0);
    QVERIFY(readWholeFile(home.path() + "/bank.json").contains("\"notes\""));
    QCOMPARE(tool({"export", "memory.bin", "--bank", "2", "-o", "plain.json"}, home.path()).exitCode, 0);
    QVERIFY(!readWholeFile(home.path() + "/plain.json").contains("\"notes\""));
    const QString other = home.path() + "/other.bin";
    QVERIFY(writeWholeFile(other, factoryImage()));
    QVERIFY(write_notes_file(notes_file_path(other), [] {
        PresetNotes notes = empty_notes();
        notes[19] = {"old note of 022", {}};
        notes[26] = {"old note of 029", {}};
        notes[27] = {"031 stays", {}};
        return notes;
    }(), layout::kImageSize));
    run = tool({"import", "bank.json", "other.bin", "--to", "021-029"}, home.path());
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const NotesRead read = read_notes_file(notes_file_path(other), layout::kImageSize);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.notes[18].tags, (QStringList{"verse", "live"}));
    QCOMPARE(read.notes[19].text, QString("capo 2")); // 022 took 012's note
    QCOMPARE(read.notes[26].text, QString());         // 029 took 019's: none
    QCOMPARE(read.notes[27].text, QString("031 stays"));
    // A document without notes still imports, and clears the notes of what it replaces.
    QCOMPARE(tool({"import", "plain.json", "other.bin", "--to", "021-029"}, home.path()).exitCode, 0);
    const PresetNotes after = read_notes_file(notes_file_path(other), layout::kImageSize).notes;
    QVERIFY(after[18].isEmpty() && after[19].isEmpty());
    QCOMPARE(after[27].text, QString("031 stays"));
}

void TestToolNotes::diffNamesChangedNotes()
{
    TempHome home;
    for (const char *name : {"a.bin", "b.bin"})
        QVERIFY(writeWholeFile(home.path() + "/" + name, factoryImage()));
    QCOMPARE(tool({"diff", "a.bin", "b.bin"}, home.path()).exitCode, 0);
    QCOMPARE(tool({"notes", "a.bin", "014", "--tag", "verse", "--note", "capo 2\nsecond line"}, home.path()).exitCode, 0);
    QCOMPARE(tool({"notes", "b.bin", "014", "--tag", "live", "--note", "capo 3"}, home.path()).exitCode, 0);
    const Run run = tool({"diff", "a.bin", "b.bin"}, home.path());
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QString("preset 014 \"Preset 014\" note: \"capo 2...\" -> \"capo 3\"\n"
                              "preset 014 \"Preset 014\" tags: added #live; taken away #verse\n"));
    QCOMPARE(tool({"diff", "--summary", "a.bin", "b.bin"}, home.path()).out, QString("notes of preset 014\n"));
}

VEKTOR_TEST_MAIN(TestToolNotes)
#include "test_tool_notes.moc"
