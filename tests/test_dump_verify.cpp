// The dump integrity report: a sound dump has nothing to say; each kind of
// damage is named, and the report never changes what the decoder produces.

#include "default_image.h"
#include "dump_codec.h"
#include "dump_verify.h"
#include "image_layout.h"
#include "stdout_capture.h"
#include "store.h"
#include "image_fixtures.h"
#include "test_support.h"

#include <QRandomGenerator>

#include <vector>

namespace {

QByteArray defaultDump()
{
    static QByteArray dump;
    if (dump.isEmpty())
        dump = dumpOf(factoryImage());
    return dump;
}

DumpReport verify(const QByteArray &dump)
{
    return verify_dump(reinterpret_cast<const unsigned char *>(dump.constData()), dump.size());
}

} // namespace

class DumpVerifyTest : public QObject
{
    Q_OBJECT

private slots:
    void soundDumpIsClean()
    {
        const DumpReport report = verify(defaultDump());
        QVERIFY2(report.isClean(layout::kImageSize), qPrintable(report.problems(layout::kImageSize).join('\n')));
        QCOMPARE(report.dataPackets, 837);
        QCOMPARE(report.declaredLength, 93719);
        QCOMPARE(report.decodedLength, 93719);
        QVERIFY(report.hasEndOfFile);
    }

    void damageIsNamed_data()
    {
        QTest::addColumn<QByteArray>("dump");
        QTest::addColumn<QString>("problem");
        const QByteArray dump = defaultDump();
        const QVector<int> at = messageStarts(dump);
        auto message = [&](int k) { return dump.mid(at[k], (k + 1 < at.size() ? at[k + 1] : dump.size()) - at[k]); };

        QByteArray badChecksum = dump;
        badChecksum[at[5] + 136 - 1] = char(badChecksum[at[5] + 135] ^ 0x01);
        QTest::newRow("checksum") << badChecksum << "Packet 5 fails its checksum.";

        QByteArray missing = dump;
        missing.remove(at[10], 137);
        QTest::newRow("missing") << missing << "1 packet is missing.";

        QByteArray repeated = dump;
        repeated.insert(at[10], message(10));
        QTest::newRow("repeated") << repeated << "1 packet arrived twice.";

        QTest::newRow("cut short") << dump.left(at[400])
                                   << "The header announces 93719 bytes, the packets hold 44688."; // 399 packets of 112 bytes
        QTest::newRow("wrong size") << dump.left(at[1]) + message(1) + message(838)
                                    << "The dump decodes to 112 bytes; a Vektor memory has 93719.";
        QTest::newRow("nothing") << QByteArray("\x01\x02\x03", 3) << "The dump holds no data.";
    }
    void damageIsNamed()
    {
        QFETCH(QByteArray, dump);
        QFETCH(QString, problem);
        const DumpReport report = verify(dump);
        QVERIFY2(report.problems(layout::kImageSize).contains(problem),
                 qPrintable(report.problems(layout::kImageSize).join('\n')));

        // The report never changes what the decoder writes.
        std::vector<unsigned char> decoded(size_t(dump.size()) + 1);
        QCOMPARE(decode_dump(reinterpret_cast<const unsigned char *>(dump.constData()), dump.size(), decoded.data()),
                 report.decodedLength);
    }

    void unreadableFile()
    {
        TempHome home;
        const DumpReport report = verify_dump_file(home.path() + "/missing.syx");
        QVERIFY(!report.readable);
        QCOMPARE(report.problems(), QStringList{"The dump file cannot be read."});
    }

    void randomDataNeverReadsOutOfBounds()
    {
        QRandomGenerator rng(99);
        for (int round = 0; round < 200; ++round) {
            QByteArray data(int(rng.bounded(1, 600)), '\0');
            for (char &b : data)
                b = char(rng.bounded(4) == 0 ? 0xF0 : rng.bounded(256));
            const DumpReport report = verify(data);
            QVERIFY(report.decodedLength >= 0);
        }
    }
};

VEKTOR_TEST_MAIN(DumpVerifyTest)
#include "test_dump_verify.moc"
