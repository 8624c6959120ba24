// Dump files and Kestrel files from outside, imported through the utility
// dialog: a sound file replaces the configuration (keeping a backup), a
// doubtful one is shown to the user first, an unusable one changes nothing.

#include "default_image.h"
#include "dump_codec.h"
#include "fields.h"
#include "image_layout.h"
#include "stdout_capture.h"
#include "store.h"
#include "image_fixtures.h"
#include "test_support.h"
#include "utility_support.h"
#include "utilitydialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QRandomGenerator>

namespace {

// A factory image with a renamed preset, so an import is visible.
QByteArray importedImage()
{
    QByteArray image(layout::kImageSize, '\0');
    auto *bytes = reinterpret_cast<unsigned char *>(image.data());
    fill_default_image(bytes);
    write_name(bytes + layout::presetOffset(0), "From the dump");
    return image;
}

enum Outcome { Replaced, AskedThenReplaced, AskedThenKept, Refused };

} // namespace

Q_DECLARE_METATYPE(Outcome)

class UtilitySafetyTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;

private slots:
    void init()
    {
        home = std::make_unique<TempHome>();
        prepare_editor_home(*home);
    }
    void cleanup() { home.reset(); }

    void importedDumps_data()
    {
        QTest::addColumn<QByteArray>("dump");
        QTest::addColumn<Outcome>("outcome");
        const QByteArray good = dumpOf(importedImage());
        const QVector<int> at = messageStarts(good);
        QRandomGenerator rng(8);
        QByteArray random(20000, '\0');
        for (char &b : random)
            b = char(rng.bounded(256));

        QTest::newRow("sound dump") << good << Replaced;
        QTest::newRow("empty file") << QByteArray() << Refused;
        QTest::newRow("random bytes") << random << Refused;
        QTest::newRow("no F0 at all") << QByteArray(5000, char(0x42)) << Refused;
        QByteArray noF7 = good;
        noF7.replace(char(0xF7), char(0x00));
        QTest::newRow("no F7 at all") << noF7 << Refused; // one long header message
        QTest::newRow("cut mid-message, kept") << good.left(at[400] + 60) << AskedThenKept;
        QTest::newRow("cut mid-message, written") << good.left(at[400] + 60) << AskedThenReplaced;
        QByteArray nested = good;
        nested.insert(at[300] + 40, char(0xF0));
        QTest::newRow("nested F0") << nested << AskedThenKept;
        QTest::newRow("larger than 131,072 bytes") << good + good << AskedThenKept;
        QByteArray badChecksum = good;
        badChecksum[at[7] + 135] = char(badChecksum[at[7] + 135] ^ 0x11);
        QTest::newRow("bad checksum") << badChecksum << AskedThenKept;
        QByteArray missing = good;
        missing.remove(at[50], 137);
        QTest::newRow("missing packet") << missing << AskedThenKept;
        QByteArray repeated = good;
        repeated.insert(at[50], good.mid(at[50], 137));
        QTest::newRow("repeated packet") << repeated << AskedThenReplaced;
    }
    void importedDumps()
    {
        QFETCH(QByteArray, dump);
        QFETCH(Outcome, outcome);
        const QString config = file_paths().configuration;
        const QByteArray before = readWholeFile(config);
        writeWholeFile(file_paths().dump, dump);

        utilitydialog dialog(nullptr);
        auto first = std::make_shared<SeenBox>();
        auto second = std::make_shared<SeenBox>();
        std::vector<ModalStep> steps;
        if (outcome == AskedThenReplaced || outcome == AskedThenKept)
            steps.push_back(answerMessageBoxStep(first, outcome == AskedThenReplaced ? QMessageBox::Yes : QMessageBox::No));
        else
            steps.push_back(acceptMessageBoxStep(first));
        if (outcome == AskedThenReplaced)
            steps.push_back(acceptMessageBoxStep(second));
        handleModalsInTurn(steps, 5000);
        dialog.findChild<QPushButton *>("pushButton_CopySysExToBinary")->click();
        QVERIFY(first->shown);
        QCOMPARE(first->title, QString("File conversion"));
        if (outcome == AskedThenReplaced || outcome == AskedThenKept)
            QVERIFY2(first->text.contains("does not look like a sound Vektor memory dump"), qPrintable(first->text));
        if (outcome == Refused)
            QVERIFY2(first->text.endsWith("was left unchanged."), qPrintable(first->text));

        QByteArray decoded(qMax(dump.size(), 1), '\0');
        decoded.truncate(decode_dump(reinterpret_cast<const unsigned char *>(dump.constData()), dump.size(),
                                     reinterpret_cast<unsigned char *>(decoded.data())));
        switch (outcome) {
        case Replaced:
            QVERIFY2(first->text.startsWith("Copied "), qPrintable(first->text));
            QCOMPARE(readWholeFile(config), importedImage());
            QCOMPARE(readWholeFile(config + ".bak"), before);
            QCOMPARE(dialog.findChild<QComboBox *>("presetFromComboBox")->itemText(0), QString("001 - From the dump"));
            break;
        case AskedThenReplaced:
            QVERIFY(second->text.startsWith("Copied "));
            QCOMPARE(readWholeFile(config), decoded);
            QCOMPARE(readWholeFile(config + ".bak"), before);
            break;
        case AskedThenKept:
        case Refused:
            QVERIFY2(!first->text.startsWith("Copied "), qPrintable(first->text));
            QCOMPARE(readWholeFile(config), before);
            QVERIFY(!QFileInfo::exists(config + ".bak"));
            break;
        }
    }

    void factoryResetKeepsABackup()
    {
        QByteArray mine = readWholeFile(file_paths().configuration);
        mine[layout::presetOffset(3)] = 'M';
        writeWholeFile(file_paths().configuration, mine);
        utilitydialog dialog(nullptr);
        dialog.findChild<QPushButton *>("factoryResetPushButton")->click();
        QCOMPARE(readWholeFile(file_paths().configuration + ".bak"), mine);
        QVERIFY(readWholeFile(file_paths().configuration) != mine);
    }

    void kestrelFilesOfOddSizes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("empty") << 0 << Refused;
        QTest::newRow("shorter, declined") << 1000 << AskedThenKept;
        QTest::newRow("shorter, imported") << 1000 << AskedThenReplaced;
        QTest::newRow("longer, declined") << layout::kSiblingImageSize + 7 << AskedThenKept;
        QTest::newRow("exact") << layout::kSiblingImageSize << Replaced;
    }
    void kestrelFilesOfOddSizes()
    {
        QFETCH(int, size);
        QFETCH(Outcome, outcome);
        const QString config = file_paths().configuration;
        const QByteArray before = readWholeFile(config);
        writeWholeFile(file_paths().sibling, QByteArray(size, char(0x41)));

        utilitydialog dialog(nullptr);
        auto seen = std::make_shared<SeenBox>();
        if (outcome == AskedThenReplaced || outcome == AskedThenKept)
            handleModalsInTurn({answerMessageBoxStep(seen, outcome == AskedThenReplaced ? QMessageBox::Yes
                                                                                        : QMessageBox::No)}, 5000);
        else if (outcome == Refused)
            handleModalsInTurn({acceptMessageBoxStep(seen)}, 5000);
        StdoutCapture trace;
        dialog.findChild<QPushButton *>("pushButton_Convert")->click();
        trace.finish();
        QCOMPARE(seen->shown, outcome != Replaced);

        if (outcome == AskedThenKept || outcome == Refused) {
            QCOMPARE(readWholeFile(config), before);
            QVERIFY(!QFileInfo::exists(config + ".bak"));
        } else {
            QVERIFY(readWholeFile(config) != before);
            QCOMPARE(readWholeFile(config + ".bak"), before);
            // Past the end of a short file the Kestrel image reads as zeros,
            // never as an earlier file's bytes.
            if (size < layout::kSiblingImageSize)
                QCOMPARE(QByteArray(reinterpret_cast<const char *>(sibling_image()) + size,
                                    layout::kSiblingImageSize - size),
                         QByteArray(layout::kSiblingImageSize - size, '\0'));
        }
        QCOMPARE(readWholeFile(file_paths().sibling).size(), size); // never written
    }
};

VEKTOR_TEST_MAIN(UtilitySafetyTest)
#include "test_utility_safety.moc"
