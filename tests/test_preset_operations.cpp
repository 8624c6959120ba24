// Rearranging preset records: where every record ends up, where the
// footswitch favourites point afterwards, and edits refused without a trace.

#include "default_image.h"
#include "fields.h"
#include "image_fixtures.h"
#include "image_layout.h"
#include "preset_operations.h"
#include "test_support.h"

#include <QTest>

#include <functional>

namespace {

using Operation = std::function<bool(unsigned char *)>;

// An image whose records tell where they came from: record i is named
// "from <i>" and holds bytes that depend on i.
QByteArray taggedImage()
{
    QByteArray image = randomBytes(layout::kImageSize, 7);
    auto *bytes = reinterpret_cast<unsigned char *>(image.data());
    for (int i = 0; i < layout::kPresetCount; ++i)
        write_name(bytes + layout::presetOffset(i), QStringLiteral("from %1").arg(i));
    for (int k = 0; k < layout::kButtonCount; ++k)
        write_word(bytes + layout::buttonOffset(k) + layout::button::kFavorite, k * 30 + 8); // 8, 38, ... 248
    return image;
}

// Where each slot's record came from, by its name.
QVector<int> origins(const QByteArray &image)
{
    QVector<int> from;
    for (int i = 0; i < layout::kPresetCount; ++i)
        from << name_text(reinterpret_cast<const unsigned char *>(image.constData()) + layout::presetOffset(i))
                    .mid(5)
                    .toInt();
    return from;
}

QVector<int> favorites(const QByteArray &image)
{
    QVector<int> f;
    for (int k = 0; k < layout::kButtonCount; ++k)
        f << button_favorite(reinterpret_cast<const unsigned char *>(image.constData()), k);
    return f;
}

// Origins after a rearrangement given as (slot, record now in it) pairs.
QVector<int> originsWith(const QVector<QPair<int, int>> &changes)
{
    QVector<int> from = all_records();
    for (const auto &change : changes)
        from[change.first] = change.second;
    return from;
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestPresetOperations : public QObject
{
    Q_OBJECT

private slots:
    void rearrangements_data();
    void rearrangements();
    void refusedEditsLeaveTheImage_data();
    void refusedEditsLeaveTheImage();
    void resetPutsTheFactoryPresetOfTheSlot();
    void nameRefusals_data();
    void nameRefusals();
};

void TestPresetOperations::rearrangements_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QVector<int>>("expectedOrigins");
    QTest::addColumn<QVector<int>>("expectedFavorites"); // button k starts on k * 30 + 8

    const QVector<int> unchanged{8, 38, 68, 98, 128, 158, 188, 218, 248};
    QTest::newRow("swap 8 and 38")
        << Operation([](unsigned char *im) { swap_presets(im, 8, 38); return true; })
        << originsWith({{8, 38}, {38, 8}}) << QVector<int>{38, 8, 68, 98, 128, 158, 188, 218, 248};
    QTest::newRow("one record down across a bank border")
        << Operation([](unsigned char *im) { return move_presets(im, {8}, 1); })
        << originsWith({{8, 9}, {9, 8}}) << QVector<int>{9, 38, 68, 98, 128, 158, 188, 218, 248};
    QTest::newRow("two runs up")
        << Operation([](unsigned char *im) { return move_presets(im, {37, 38, 69}, -1); })
        << originsWith({{36, 37}, {37, 38}, {38, 36}, {68, 69}, {69, 68}})
        << QVector<int>{8, 37, 69, 98, 128, 158, 188, 218, 248};
    QTest::newRow("a run down onto the next bank")
        << Operation([](unsigned char *im) { return move_presets(im, {6, 7, 8}, 1); })
        << originsWith({{6, 9}, {7, 6}, {8, 7}, {9, 8}}) << QVector<int>{9, 38, 68, 98, 128, 158, 188, 218, 248};
    QTest::newRow("banks 0 and 4 swap")
        << Operation([](unsigned char *im) { swap_banks(im, 0, 4); return true; })
        << [] {
               QVector<QPair<int, int>> pairs;
               for (int k = 0; k < 9; ++k)
                   pairs << qMakePair(k, 36 + k) << qMakePair(36 + k, k);
               return originsWith(pairs);
           }()
        << QVector<int>{44, 2, 68, 98, 128, 158, 188, 218, 248};
    QTest::newRow("copy three over overlapping slots")
        << Operation([](unsigned char *im) { return copy_presets(im, {37, 38, 39}, 38); })
        << originsWith({{38, 37}, {39, 38}, {40, 39}}) << unchanged;
    QTest::newRow("copy one to the last slot")
        << Operation([](unsigned char *im) { return copy_presets(im, {8}, 269); })
        << originsWith({{269, 8}}) << unchanged;
    QTest::newRow("lists swap pairwise")
        << Operation([](unsigned char *im) { return swap_preset_lists(im, {1, 8}, {100, 200}); })
        << originsWith({{1, 100}, {100, 1}, {8, 200}, {200, 8}})
        << QVector<int>{200, 38, 68, 98, 128, 158, 188, 218, 248};
}

void TestPresetOperations::rearrangements()
{
    QFETCH(Operation, operation);
    QFETCH(QVector<int>, expectedOrigins);
    QFETCH(QVector<int>, expectedFavorites);
    QByteArray image = taggedImage();
    const QByteArray before = image;
    QVERIFY(operation(reinterpret_cast<unsigned char *>(image.data())));
    QCOMPARE(origins(image), expectedOrigins);
    QCOMPARE(favorites(image), expectedFavorites);
    // Whole records move, and nothing outside the presets and favourites changes.
    for (int i = 0; i < layout::kPresetCount; ++i)
        QCOMPARE(image.mid(layout::presetOffset(i), layout::kPresetRecordSize),
                 before.mid(layout::presetOffset(expectedOrigins[i]), layout::kPresetRecordSize));
    for (int k = 0; k < layout::kButtonCount; ++k)
        write_word(reinterpret_cast<unsigned char *>(image.data()) + layout::buttonOffset(k) + layout::button::kFavorite,
                   k * 30 + 8);
    QCOMPARE(image.left(layout::kPresetsStart), before.left(layout::kPresetsStart));
    QCOMPARE(image.mid(layout::kSystemSectionStart), before.mid(layout::kSystemSectionStart));
}

void TestPresetOperations::refusedEditsLeaveTheImage_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::newRow("first slot up") << Operation([](unsigned char *im) { return move_presets(im, {0, 5}, -1); });
    QTest::newRow("last slot down") << Operation([](unsigned char *im) { return move_presets(im, {269}, 1); });
    QTest::newRow("copy past the end") << Operation([](unsigned char *im) { return copy_presets(im, {0, 1, 2}, 268); });
    QTest::newRow("lists that share a record")
        << Operation([](unsigned char *im) { return swap_preset_lists(im, {1, 2}, {2, 3}); });
    QTest::newRow("name too long")
        << Operation([](unsigned char *im) { return rename_preset(im, 4, QStringLiteral("seventeen letters")); });
}

void TestPresetOperations::refusedEditsLeaveTheImage()
{
    QFETCH(Operation, operation);
    QByteArray image = taggedImage();
    const QByteArray before = image;
    QVERIFY(!operation(reinterpret_cast<unsigned char *>(image.data())));
    QVERIFY(image == before);
}

void TestPresetOperations::resetPutsTheFactoryPresetOfTheSlot()
{
    QByteArray image = taggedImage();
    const QByteArray factory = factoryImage();
    reset_presets(reinterpret_cast<unsigned char *>(image.data()), {0, 10, 269});
    for (int i : {0, 10, 269})
        QCOMPARE(image.mid(layout::presetOffset(i), layout::kPresetRecordSize),
                 factory.mid(layout::presetOffset(i), layout::kPresetRecordSize));
    QCOMPARE(origins(image)[9], 9);
    QCOMPARE(favorites(image)[0], 8); // resets leave the favourites alone
}

void TestPresetOperations::nameRefusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("refusal"); // a word of it, or empty when accepted
    QTest::newRow("16 characters") << QString(16, 'x') << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("Latin-1 accents") << QString::fromUtf8("Caf\u00e9 \u00c6ther \u00ff") << QString();
    QTest::newRow("17 characters") << QString(17, 'x') << "17";
    QTest::newRow("euro sign") << QString::fromUtf8("Solo \u20ac") << QString::fromUtf8("\u20ac");
    QTest::newRow("outside the basic plane") << QString::fromUtf8("Lead \U0001F3B8") << QString::fromUtf8("\U0001F3B8");
}

void TestPresetOperations::nameRefusals()
{
    QFETCH(QString, name);
    QFETCH(QString, refusal);
    const QString reason = preset_name_refusal(name);
    QCOMPARE(reason.isEmpty(), refusal.isEmpty());
    QVERIFY2(reason.contains(refusal), qPrintable(reason));
}

VEKTOR_TEST_MAIN(TestPresetOperations)
#include "test_preset_operations.moc"
