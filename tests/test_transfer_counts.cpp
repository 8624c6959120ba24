// What the transfers count and tell the user, without a MIDI system: the
// progress text of a send and its time left, and the dump packets of a
// recording as it grows.

#include "image_fixtures.h"
#include "test_support.h"

#include "dump_codec.h"
#include "reception_packets.h"
#include "sysex_sender.h"



class TestTransferCounts : public QObject
{
    Q_OBJECT

private slots:
    void progressText_data();
    void progressText();
    void timeLeftNeverBelowThePauses();
    void tallyTakesBytesInAnyPieces();
};

void TestTransferCounts::progressText_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("total");
    QTest::addColumn<qint64>("left");
    QTest::addColumn<QString>("text");
    QTest::newRow("minutes and seconds") << 12 << 839 << qint64(148100) << "Message 12 of 839 — about 2 min 29 s left";
    QTest::newRow("whole minutes") << 1 << 500 << qint64(120000) << "Message 1 of 500 — about 2 min left";
    QTest::newRow("under a minute") << 3 << 8 << qint64(1080) << "Message 3 of 8 — about 2 s left";
    QTest::newRow("rounded up to a minute") << 2 << 400 << qint64(59001) << "Message 2 of 400 — about 1 min left";
    QTest::newRow("last message") << 8 << 8 << qint64(360) << "Message 8 of 8 — about 1 s left";
}

void TestTransferCounts::progressText()
{
    QFETCH(int, number);
    QFETCH(int, total);
    QFETCH(qint64, left);
    QFETCH(QString, text);
    QCOMPARE(send_progress_text(number, total, left), text);
}

// What is left: a pause for every message still to go and the one after the
// last; when messages have been slower than the pause, their real pace.
void TestTransferCounts::timeLeftNeverBelowThePauses()
{
    QCOMPARE(send_time_left_ms(1, 839, 0), qint64(840 * 180));
    QCOMPARE(send_time_left_ms(839, 839, 838 * 180), qint64(2 * 180));
    QCOMPARE(send_time_left_ms(3, 10, 2 * 100), qint64(9 * 180)); // never faster than the pause
    QCOMPARE(send_time_left_ms(3, 10, 2 * 250), qint64(8 * 250 + 180));
}

// The bytes come in pieces that cut messages anywhere; channel messages and
// the header and end of file are not packets.
void TestTransferCounts::tallyTakesBytesInAnyPieces()
{
    DumpMessages dump = tenPacketDump();
    QCOMPARE(int(dump.size()), 12);
    breakChecksum(dump[4]);
    breakChecksum(dump[9]);
    dump.insert(dump.begin() + 6, {0x90, 0x40, 0x7F});
    dump.insert(dump.begin() + 2, {0xB0, 0x07, 0x64});
    const QByteArray bytes = joined(dump);
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());

    for (int piece : {1, 7, 136, 137, 138, int(bytes.size())}) {
        ReceptionPacketTally tally;
        for (int size = 0; size < bytes.size();) {
            size = qMin(size + piece, int(bytes.size()));
            tally.scan(data, size);
        }
        QCOMPARE(tally.packets(), 10);
        QCOMPARE(tally.badChecksums(), 2);
    }

    // A recording that started over (the count fell) is counted afresh.
    ReceptionPacketTally tally;
    tally.scan(data, bytes.size());
    const QByteArray header = joined({dump[0]});
    tally.scan(reinterpret_cast<const unsigned char *>(header.constData()), header.size());
    QCOMPARE(tally.packets(), 0);
}

VEKTOR_TEST_MAIN(TestTransferCounts)
#include "test_transfer_counts.moc"
