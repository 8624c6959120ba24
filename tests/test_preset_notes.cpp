// Notes and tags: what is refused as typed, the notes file's refusals, and
// the file read back as written.

#include "image_layout.h"
#include "notes_file.h"
#include "preset_operations.h"
#include "readable_form.h"
#include "readable_notes.h"
#include "image_fixtures.h"
#include "test_support.h"

namespace {

QByteArray notesFile(const QByteArray &presets, int memoryBytes = layout::kImageSize)
{
    return R"({"format": "vektor-notes", "version": 1, "memoryBytes": )" + QByteArray::number(memoryBytes)
        + R"(, "presets": )" + presets + "}";
}

} // namespace

class TestPresetNotes : public QObject
{
    Q_OBJECT

private slots:
    void typedTags_data();
    void typedTags();
    void refusedNotesFiles_data();
    void refusedNotesFiles();
    void fileReadBackAsWritten();
    void readableDocumentCarriesNotes();
    void refusedDocumentNotes_data();
    void refusedDocumentNotes();
};

void TestPresetNotes::typedTags_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QString>("refusal"); // a part of it; empty when kept

    QTest::newRow("words, commas, # and case") << "Verse, #capo-2  verse" << QStringList{"verse", "capo-2"} << "";
    QTest::newRow("nothing") << "  " << QStringList{} << "";
    QTest::newRow("forbidden character") << "verse ch\u00f6rus" << QStringList{} << "\u201c\u00f6\u201d";
    QTest::newRow("slash") << "a/b" << QStringList{} << "\u201c/\u201d";
    QTest::newRow("32 characters") << QString(32, 'a') << QStringList{QString(32, 'a')} << "";
    QTest::newRow("33 characters") << QString(33, 'a') << QStringList{} << "longer than 32";
    QString sixteen, seventeen;
    for (int k = 0; k < 17; ++k)
        (k < 16 ? sixteen : seventeen) += QStringLiteral("t%1 ").arg(k);
    QTest::newRow("16 tags") << sixteen << sixteen.split(' ', Qt::SkipEmptyParts) << "";
    QTest::newRow("17 tags") << sixteen + seventeen << QStringList{} << "at most 16 tags";
    QTest::newRow("a lone #") << "#" << QStringList{} << "at least one";
}

void TestPresetNotes::typedTags()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, tags);
    QFETCH(QString, refusal);
    QString said;
    QCOMPARE(parse_tags(typed, &said), tags);
    QVERIFY2(refusal.isEmpty() ? said.isEmpty() : said.contains(refusal), qPrintable(said));
}

void TestPresetNotes::refusedNotesFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("said"); // empty when read

    QTest::newRow("good") << notesFile(R"([{"slot": 0, "note": "capo 2"}, {"slot": 269, "tags": ["Verse"]}])") << "";
    QTest::newRow("not JSON") << QByteArray("{\"format\": ") << "not JSON";
    QTest::newRow("a list") << QByteArray("[]") << "not a JSON object";
    QTest::newRow("another format") << QByteArray(R"({"format": "other"})") << "not a notes file";
    QTest::newRow("another memory's size") << notesFile("[]", 1024) << "1024 bytes, not of 93719";
    QTest::newRow("no size") << QByteArray(R"({"format": "vektor-notes", "version": 1, "presets": []})")
                             << "memoryBytes: missing";
    QTest::newRow("slot 270") << notesFile(R"([{"slot": 270, "note": "x"}])") << "outside 0\u2013269";
    QTest::newRow("a good slot, then 300") << notesFile(R"([{"slot": 30, "note": "x"}, {"slot": 300, "note": "y"}])")
                                           << "outside 0\u2013269";
    QTest::newRow("slot -1") << notesFile(R"([{"slot": -1, "note": "x"}])") << "outside 0\u2013269";
    QTest::newRow("slot a text") << notesFile(R"([{"slot": "one", "note": "x"}])") << "outside 0\u2013269";
    QTest::newRow("slot twice") << notesFile(R"([{"slot": 4}, {"slot": 4}])") << "presets[1].slot: 4 is already";
    QTest::newRow("note too long") << notesFile(R"([{"slot": 4, "note": ")" + QByteArray(2001, 'x') + "\"}]")
                                   << "at most 2000 characters";
    QTest::newRow("tag with a space") << notesFile(R"([{"slot": 4, "tags": ["two words"]}])") << "holds a space";
    QTest::newRow("tag too long") << notesFile(R"([{"slot": 4, "tags": [")" + QByteArray(33, 'a') + "\"]}]")
                                  << "longer than 32";
    QByteArray many = "[";
    for (int k = 0; k < 17; ++k)
        many += (k ? ",\"t" : "\"t") + QByteArray::number(k) + '"';
    QTest::newRow("17 tags") << notesFile(R"([{"slot": 4, "tags": )" + many + "]}]") << "at most 16 tags";
    QTest::newRow("unknown key") << notesFile(R"([{"slot": 4, "colour": "red"}])") << "presets[0].colour";
}

void TestPresetNotes::refusedNotesFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, said);
    const NotesRead read = parse_notes(file, layout::kImageSize);
    QVERIFY2(said.isEmpty() ? read.ok() : read.error.contains(said), qPrintable(read.error));
    if (!read.ok())
        QVERIFY(all_empty(read.notes)); // nothing taken from a refused file
}

void TestPresetNotes::fileReadBackAsWritten()
{
    QCOMPARE(notes_file_path("/a/b/memory.bin"), QString("/a/b/memory.notes.json"));
    QCOMPARE(notes_file_path("/a/live.set.bin"), QString("/a/live.set.notes.json"));
    QCOMPARE(notes_file_path("/a/memory"), QString("/a/memory.notes.json"));
    PresetNotes notes = empty_notes();
    notes[0] = {QString::fromUtf8("verse: roll the volume back\n\u00e9 \"quoted\" \\"), {"verse", "capo-2"}};
    notes[269] = {QString(notelimit::kNoteLength, QChar(0x2014)), {}};
    TempHome home;
    const QString path = home.path() + "/memory.notes.json";
    QVERIFY(write_notes_file(path, notes, layout::kImageSize));
    const NotesRead read = read_notes_file(path, layout::kImageSize);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QVERIFY(read.present);
    QVERIFY(read.notes == notes);
    QVERIFY(!read_notes_file(home.path() + "/none.notes.json", layout::kImageSize).present);
}

void TestPresetNotes::readableDocumentCarriesNotes()
{
    const QByteArray image = factoryImage();
    const auto *bytes = reinterpret_cast<const unsigned char *>(image.constData());
    PresetNotes notes = empty_notes();
    notes[12] = {"capo 2\n\"quoted\"", {"verse"}};
    notes[200] = {QString(), {"live", "set-2"}};
    // Without notes, the document is what it always was.
    QCOMPARE(with_readable_notes(export_readable_memory(bytes), empty_notes(), all_records()),
             export_readable_memory(bytes));
    const QByteArray whole = with_readable_notes(export_readable_memory(bytes), notes, all_records());
    const ReadableRead read = read_readable(whole);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.document.image, image); // the bytes round-trip exactly
    const ReadableNotes back = read_readable_notes(whole, read.document.records);
    QVERIFY2(back.ok(), qPrintable(back.error));
    QCOMPARE(back.notes.keys(), (QList<int>{12, 200}));
    QVERIFY(back.notes.value(12) == notes[12] && back.notes.value(200) == notes[200]);

    const QByteArray bank = with_readable_notes(export_readable_presets(bytes, {9, 10, 11, 12}), notes, {9, 10, 11, 12});
    const ReadableRead someRead = read_readable(bank);
    QVERIFY2(someRead.ok(), qPrintable(someRead.error));
    const ReadableNotes some = read_readable_notes(bank, someRead.document.records);
    QCOMPARE(some.notes.keys(), QList<int>{12});
    QCOMPARE(notes_moved_to(some.notes, {9, 10, 11, 12}, {40, 41, 42, 43}).keys(), QList<int>{43});
}

void TestPresetNotes::refusedDocumentNotes_data()
{
    QTest::addColumn<QByteArray>("notes");
    QTest::addColumn<QString>("said");
    QTest::newRow("not a list") << QByteArray(R"({"slot": "011"})") << "notes: not a list";
    QTest::newRow("a slot not in the document") << QByteArray(R"([{"slot": "021", "note": "x"}])")
                                                << "021 is not the slot of a preset in the document";
    QTest::newRow("no such preset") << QByteArray(R"([{"slot": "010", "note": "x"}])") << "notes[0].slot";
    QTest::newRow("bad tag") << QByteArray(R"([{"slot": "011", "tags": ["a b"]}])") << "holds a space";
    QTest::newRow("long note") << QByteArray(R"([{"slot": "011", "note": ")" + QByteArray(2001, 'n') + "\"}]")
                               << "at most 2000";
}

void TestPresetNotes::refusedDocumentNotes()
{
    QFETCH(QByteArray, notes);
    QFETCH(QString, said);
    const QByteArray image = factoryImage();
    QByteArray document = export_readable_presets(reinterpret_cast<const unsigned char *>(image.constData()), {9});
    document.insert(document.lastIndexOf('}'), ", \"notes\": " + notes + "\n");
    const ReadableRead read = read_readable(document);
    QVERIFY2(read.ok(), qPrintable(read.error)); // the presets themselves are good
    const ReadableNotes got = read_readable_notes(document, read.document.records);
    QVERIFY2(got.error.contains(said), qPrintable(got.error));
    QVERIFY(got.notes.isEmpty());
}

VEKTOR_TEST_MAIN(TestPresetNotes)
#include "test_preset_notes.moc"
