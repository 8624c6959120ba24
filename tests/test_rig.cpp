// What a preset sends when it is played, and what a message heard by the rig
// means in a memory.

#include "default_image.h"
#include "image_fixtures.h"
#include "image_layout.h"
#include "memory_senders.h"
#include "midi_explainer.h"
#include "preset_messages.h"
#include "rig_fixtures.h"
#include "test_support.h"

#include <QTest>

#include <vector>

using namespace layout;

namespace {

const unsigned char *bytesOf(const QByteArray &image)
{
    return reinterpret_cast<const unsigned char *>(image.constData());
}

// Bytes a record holds where a 0..127 field expects a number: a program
// change reads them signed and fitted, as the presets dialog shows them; a
// control-change entry with a box its dialog shows blank sends nothing.
QByteArray outOfRangeImage()
{
    std::vector<unsigned char> image(kImageSize);
    fill_default_image(image.data());
    unsigned char *record = image.data() + presetOffset(30);
    record[preset::programChangeOffset(0) + programchange::kNumber] = 200;
    unsigned char *entry = record + preset::controlChangeOffset(0);
    entry[controlchange::kEnabled] = 1;
    entry[controlchange::kDevice] = 17;
    entry[controlchange::kNumber] = 7;
    entry[controlchange::kValue] = 130;
    return QByteArray(reinterpret_cast<const char *>(image.data()), kImageSize);
}

QVector<QByteArray> dumpMessages(bool spoilFirstPacket)
{
    DumpMessages dump = tenPacketDump();
    if (spoilFirstPacket)
        breakChecksum(dump[1]);
    QVector<QByteArray> messages;
    for (const auto &m : dump)
        messages << QByteArray(reinterpret_cast<const char *>(m.data()), int(m.size()));
    return messages;
}

} // namespace

class TestRig : public QObject
{
    Q_OBJECT

private slots:
    void presetMessages_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<int>("record");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("factory preset 001") << factoryImage() << 0 << QStringList{"c000"};
        // Devices in channel order, each bank select before its program
        // change, then the control changes that are on, in list order.
        QTest::newRow("bank select and control changes")
            << rigImage() << int(kVerseRecord)
            << QStringList{"c00c", "b20001", "b22000", "c205", "b20b40", "b20c00", "b5147f"};
        QTest::newRow("stored bytes past 127 wrap, blank boxes send nothing")
            << outOfRangeImage() << 30 << QStringList{"c000"};
    }
    void presetMessages()
    {
        QFETCH(QByteArray, image);
        QFETCH(int, record);
        QFETCH(QStringList, expected);
        QCOMPARE(preset_messages(bytesOf(image), record), hexMessages(expected));
    }

    void explain_data()
    {
        QTest::addColumn<QVector<QByteArray>>("heard");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("explanation");
        const auto row = [](const char *name, const QStringList &heard, const QString &message,
                            const QString &explanation) {
            QTest::newRow(name) << hexMessages(heard) << message << explanation;
        };
        row("program change after its bank select", {"b20001", "b22000", "c205"},
            "Program change 5 (bank 1/0) to 03 - Amp", "sent by presets 014 Verse, 022 Solo");
        row("program change without bank select", {"c205"}, "Program change 5 to 03 - Amp",
            "sent by preset 023 Preset 023");
        row("a bank select of another channel", {"b10001", "c205"}, "Program change 5 to 03 - Amp",
            "sent by preset 023 Preset 023");
        row("a bank select no preset of that program uses", {"b20002", "c205"},
            "Program change 5 (bank 2/-) to 03 - Amp", "no preset sends this");
        row("the wrong channel", {"c305"}, "Program change 5 to 04 - Device 3", "no preset sends this");
        row("a preset's control change", {"b20b40"}, "Control change 11 = 64 to 03 - Amp", "sent by preset 014 Verse");
        row("a control change with another value", {"b20b41"}, "Control change 11 = 65 to 03 - Amp",
            "no preset sends this");
        row("an entry that is off", {"b20d01"}, "Control change 13 = 1 to 03 - Amp", "no preset sends this");
        row("a bank select", {"b20001"}, "Control change 0 = 1 to 03 - Amp",
            "bank select of presets 014 Verse, 022 Solo");
        row("instant access", {"b21e00"}, "Control change 30 = 0 to 03 - Amp",
            "footswitch 2 \"Wah\" (instant access, off)");
        row("CC increment", {"b21f05"}, "Control change 31 = 5 to 03 - Amp",
            "footswitch 4 \"Button 3\" (CC increment)");
        row("an override", {"b2280a"}, "Control change 40 = 10 to 03 - Amp",
            "instant-access override of footswitch 5 in preset 014 Verse");
        row("a pedal every preset has", {"b00710"}, "Control change 7 = 16 to 01 - Quill",
            "pedal 1 of 270 presets (001-299)");
        row("a pedal run is named once", {"b00710", "b00711", "f8"}, "Clock", "");
        row("a pedal value in a run", {"b00710", "f8", "b00711"}, "Control change 7 = 17 to 01 - Quill",
            "pedal run goes on");
        row("a run ends with another message", {"b00710", "c000", "b00711"}, "Control change 7 = 17 to 01 - Quill",
            "pedal 1 of 270 presets (001-299)");
        row("a pedal of one preset", {"b22940"}, "Control change 41 = 64 to 03 - Amp", "pedal 2 of preset 014 Verse");
        row("a custom footswitch message", {"91407f"}, "Note on E4 (64), velocity 127",
            "footswitch 6 \"Boost\" (custom, on)");
        row("a note nothing sends", {"903c64"}, "Note on C4 (60), velocity 100", "no preset sends this");
        row("a message cut short", {"b007"}, "Unknown bytes", "");

        QVector<QByteArray> dump = dumpMessages(false);
        QTest::newRow("dump header") << dump.mid(0, 1) << "SysEx, 25 bytes"
                                     << "dump header: memory.bin, 1120 bytes in 10 packets";
        QVector<QByteArray> percentName = dump.mid(0, 1);
        percentName[0].replace("memory.bin", "me%2ry%1.b");
        QTest::newRow("dump header naming a %2") << percentName << "SysEx, 25 bytes"
                                                 << "dump header: me%2ry%1.b, 1120 bytes in 10 packets";
        QTest::newRow("dump packet") << dump.mid(0, 3) << "SysEx, 137 bytes" << "dump packet 2 of 10, checksum holds";
        QTest::newRow("dump end") << dump << "SysEx, 6 bytes" << "dump end: 10 packets heard";
        QTest::newRow("broken checksum") << dumpMessages(true).mid(0, 2) << "SysEx, 137 bytes"
                                         << "dump packet 1 of 10, checksum wrong";
        QTest::newRow("packet without header") << dump.mid(4, 1) << "SysEx, 137 bytes"
                                               << "dump packet number 3 (no header heard), checksum holds";
    }
    void explain()
    {
        QFETCH(QVector<QByteArray>, heard);
        QFETCH(QString, message);
        QFETCH(QString, explanation);
        const QByteArray image = rigImage();
        const MemorySenders memory(bytesOf(image));
        ExplainState state;
        Explanation last;
        for (const QByteArray &bytes : heard)
            last = explain_message(decode_midi_message(bytes), memory, state);
        QCOMPARE(last.message, message);
        QCOMPARE(last.explanation, explanation);
    }
};

VEKTOR_TEST_MAIN(TestRig)
#include "test_rig.moc"
