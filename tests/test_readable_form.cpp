// The field catalogue, the readable form and the field-by-field compare:
// every byte named once, any image back byte for byte, partial documents
// touching only their slots, and changes worded as a musician reads them.

#include "field_catalogue.h"
#include "fields.h"
#include "image_compare.h"
#include "image_fixtures.h"
#include "image_layout.h"
#include "preset_list.h"
#include "readable_form.h"
#include "test_support.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cstring>

namespace {

const unsigned char *bytesOf(const QByteArray &image)
{
    return reinterpret_cast<const unsigned char *>(image.constData());
}

// The factory image with names that test the edges of a name field: a full
// 16 characters, bytes left behind a shorter name, a terminator that is
// not 0, and characters beyond ASCII.
QByteArray awkwardNames()
{
    QByteArray image = factoryImage();
    auto at = [&](int offset) { return reinterpret_cast<unsigned char *>(image.data()) + offset; };
    write_name(at(layout::presetOffset(0)), QStringLiteral("Sixteen chars!!!"));
    write_name(at(layout::presetOffset(1)), QStringLiteral("Café Ünd"));
    at(layout::presetOffset(1))[12] = 'x'; // behind the NUL
    at(layout::presetOffset(2))[layout::kNameLength] = 0x7F; // terminator
    write_name(at(layout::buttonOffset(3) + layout::button::kName), QStringLiteral("\x01\x1f\x7f\xff"));
    return image;
}

QByteArray changed(QByteArray image, int offset, const QByteArray &bytes)
{
    image.replace(offset, bytes.size(), bytes);
    return image;
}

} // namespace

class ReadableFormTest : public QObject
{
    Q_OBJECT

private slots:
    void catalogueTilesTheImage()
    {
        QVector<int> covered(layout::kImageSize, 0);
        QSet<QString> paths;
        int previousEnd = 0;
        for_each_image_field([&](const CatalogueField &field, int offset, int record) {
            QCOMPARE(offset, previousEnd); // in image order, no gap
            previousEnd = offset + field.def->size;
            for (int k = offset; k < offset + field.def->size; ++k)
                ++covered[k];
            const QString path = record < 0 ? field.path : QStringLiteral("presets[%1].%2").arg(record).arg(field.path);
            QVERIFY2(!paths.contains(path), qPrintable(path));
            paths.insert(path);
            QVERIFY2(!field.label.isEmpty(), qPrintable(path));
        });
        QCOMPARE(previousEnd, layout::kImageSize);
        QCOMPARE(covered.count(1), layout::kImageSize);
    }

    void wholeMemoryComesBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::newRow("factory") << factoryImage();
        QTest::newRow("awkward names") << awkwardNames();
        QTest::newRow("all zero") << QByteArray(layout::kImageSize, '\0');
        QTest::newRow("all 0xff") << QByteArray(layout::kImageSize, '\xff');
        for (quint32 seed : {1u, 2u, 3u, 4u, 5u})
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(seed))) << randomBytes(layout::kImageSize, seed);
    }
    void wholeMemoryComesBackByteForByte()
    {
        QFETCH(QByteArray, image);
        const QByteArray json = export_readable_memory(bytesOf(image));
        const ReadableImport imported = import_readable(json, QByteArray());
        QVERIFY2(imported.ok(), qPrintable(imported.error));
        QVERIFY(imported.wholeMemory);
        QCOMPARE(imported.records.size(), layout::kPresetCount);
        if (imported.image != image) {
            const QVector<FieldChange> lost = compare_images(bytesOf(image), bytesOf(imported.image));
            QFAIL(qPrintable(change_lines(lost.mid(0, 5), bytesOf(image), bytesOf(imported.image)).join('\n')));
        }
    }

    void documentNamesItsFormatAndSlots()
    {
        const QByteArray image = awkwardNames();
        const QJsonObject root = QJsonDocument::fromJson(export_readable_presets(bytesOf(image), {9, 0})).object();
        QCOMPARE(root.value("format").toString(), QString("vektor-readable"));
        QCOMPARE(root.value("version").toInt(), 1);
        QCOMPARE(root.value("contents").toString(), QString("presets"));
        QCOMPARE(root.keys(), (QStringList{"contents", "format", "presets", "version"}));
        const QJsonObject first = root.value("presets")[0].toObject();
        QCOMPARE(first.value("slot").toString(), QString("011"));
        QCOMPARE(root.value("presets")[1]["slot"].toString(), QString("001"));
        QCOMPARE(root.value("presets")[1]["name"].toString(), QString("Sixteen chars!!!"));
        QCOMPARE(first["programChanges"][0]["number"].toInt(), 9);
        QCOMPARE(first["programChanges"][0]["enabled"].toBool(), true);
    }

    void partialDocumentReplacesOnlyItsSlots_data()
    {
        QTest::addColumn<QVector<int>>("exported");
        QTest::addColumn<QVector<int>>("targets");
        QTest::addColumn<QVector<int>>("written");
        QTest::newRow("bank 1 to its own slots") << bank_records(1) << QVector<int>{} << bank_records(1);
        QTest::newRow("bank 1 into bank 29") << bank_records(1) << bank_records(29) << bank_records(29);
        QTest::newRow("two presets swapped") << QVector<int>{4, 200} << QVector<int>{200, 4} << QVector<int>{200, 4};
    }
    void partialDocumentReplacesOnlyItsSlots()
    {
        QFETCH(QVector<int>, exported);
        QFETCH(QVector<int>, targets);
        QFETCH(QVector<int>, written);
        const QByteArray source = randomBytes(layout::kImageSize, 7);
        const QByteArray current = factoryImage();
        const ReadableImport imported =
            import_readable(export_readable_presets(bytesOf(source), exported), current, targets);
        QVERIFY2(imported.ok(), qPrintable(imported.error));
        QCOMPARE(imported.records, written);
        QByteArray expected = current;
        for (int k = 0; k < written.size(); ++k)
            expected.replace(layout::presetOffset(written[k]), layout::kPresetRecordSize,
                             source.mid(layout::presetOffset(exported[k]), layout::kPresetRecordSize));
        QVERIFY(imported.image == expected);
    }

    void presetList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<int>>("records");
        QTest::addColumn<QString>("error");
        QTest::newRow("numbers and a range") << "001,011-013" << QVector<int>{0, 9, 10, 11} << "";
        QTest::newRow("range over a bank border") << "008-012" << QVector<int>{7, 8, 9, 10} << "";
        QTest::newRow("short numbers, spaces") << " 1, 299" << QVector<int>{0, 269} << "";
        QTest::newRow("ends in 0") << "010" << QVector<int>{} << "\"010\" ends in 0, and no preset number does";
        QTest::newRow("too high") << "300" << QVector<int>{} << "\"300\" is not a preset number (001 to 299)";
        QTest::newRow("not a number") << "01x" << QVector<int>{} << "\"01x\" is not a preset number (001 to 299)";
        QTest::newRow("backwards") << "019-011" << QVector<int>{} << "\"019-011\" runs backwards";
        QTest::newRow("twice") << "011-019,015" << QVector<int>{} << "015 is listed twice";
    }
    void presetList()
    {
        QFETCH(QString, text);
        QFETCH(QVector<int>, records);
        QFETCH(QString, error);
        const PresetListParse parsed = parse_preset_list(text);
        QCOMPARE(parsed.error, error);
        QCOMPARE(parsed.records, records);
        if (parsed.ok()) // what is written back reads back the same
            QCOMPARE(parse_preset_list(preset_list_text(records)).records, records);
    }

    void changesAsAMusicianReadsThem_data()
    {
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("presets");  // how many presets changed
        QTest::addColumn<int>("settings"); // and global settings
        const QByteArray factory = factoryImage();
        const int preset13 = layout::presetOffset(12); // shown as 014
        const int button2 = layout::buttonOffset(1);

        QByteArray renamed = factory;
        write_name(reinterpret_cast<unsigned char *>(renamed.data()) + button2 + layout::button::kName, "Lead");
        QTest::newRow("button name") << renamed << QStringList{"button 2 name: \"Button 1\" -> \"Lead\""}
                                     << "global: button 2 name" << 0 << 1;
        QTest::newRow("program change")
            << changed(factory, preset13 + layout::preset::programChangeOffset(2) + layout::programchange::kNumber,
                       QByteArray(1, char(40)))
            << QStringList{"preset 014 \"Preset 014\" program change 3 number: 14 -> 40"}
            << "preset 014: program changes" << 1 << 0;
        QTest::newRow("two presets, loop and output")
            << changed(changed(factory, preset13 + layout::preset::kLoops + 2, QByteArray(1, 1)),
                       layout::presetOffset(13) + layout::preset::kOutput, QByteArray(1, 1))
            << QStringList{"preset 014 \"Preset 014\" loop 3: off -> on", "preset 015 \"Preset 015\" output: A -> B"}
            << "presets 014-015: loops, output" << 2 << 0;
        QTest::newRow("favorite, channel, flag")
            << changed(changed(changed(factory, button2 + layout::button::kFavorite, QByteArray("\x0d\x00", 2)),
                               button2 + layout::button::kChannel, QByteArray(1, 9)),
                       layout::kSoftThruEnabled, QByteArray(1, 5))
            << QStringList{"button 2 favorite: preset 002 -> preset 015", "button 2 MIDI channel: 1 -> 10",
                           "soft thru: off -> on (5)"}
            << "global: button 2 favorite, button 2 MIDI channel, soft thru" << 0 << 3;
        QTest::newRow("unnamed bytes")
            << changed(changed(factory, layout::kBankNameAreaStart + 40, "ab"), layout::kSystemSectionStart, "z")
            << QStringList{"bank name area: 2 bytes differ, the first at byte 40",
                           "system section: 1 byte differs, the first at byte 0"}
            << "global: bank name area; system section" << 0 << 2;
        QByteArray everyPreset = factory;
        for (int record = 0; record < layout::kPresetCount; ++record)
            everyPreset[layout::presetOffset(record)] = 'X';
        QTest::newRow("every preset") << everyPreset << QStringList{} << "presets 001-299: name" << 270 << 0;
        QByteArray scattered = factory;
        for (int record = 0; record < 40; record += 2)
            scattered[layout::presetOffset(record) + layout::preset::kOutput] = 1;
        QTest::newRow("scattered presets") << scattered << QStringList{} << "20 presets: output" << 20 << 0;
        QTest::newRow("many settings")
            << changed(factory, layout::buttonOffset(0), QByteArray(60, 'x')) << QStringList{}
            << "global: 25 settings in buttons" << 0 << 25;
        QTest::newRow("nothing") << factory << QStringList{} << "no change" << 0 << 0;
    }
    void changesAsAMusicianReadsThem()
    {
        QFETCH(QByteArray, after);
        QFETCH(QStringList, lines);
        QFETCH(QString, summary);
        const QByteArray before = factoryImage();
        const QVector<FieldChange> changes = compare_images(bytesOf(before), bytesOf(after));
        if (!lines.isEmpty())
            QCOMPARE(change_lines(changes, bytesOf(before), bytesOf(after)), lines);
        QCOMPARE(change_summary(changes), summary);
        QFETCH(int, presets);
        QFETCH(int, settings);
        QCOMPARE(change_counts(changes).presets, presets);
        QCOMPARE(change_counts(changes).settings, settings);
    }
};

VEKTOR_TEST_MAIN(ReadableFormTest)
#include "test_readable_form.moc"
