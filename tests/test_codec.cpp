// The MIDI File Dump codec: exact bytes of the dumps the controller takes,
// round trips, what the decoder tolerates and what it refuses to write.

#include "default_image.h"
#include "dump_codec.h"
#include "dump_messages.h"
#include "image_layout.h"
#include "message_walk.h"
#include "stdout_capture.h"
#include "test_support.h"

#include <QDir>
#include <QRandomGenerator>

#include <vector>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

struct Message {
    QByteArray bytes;
    bool closed;
};

QVector<Message> messagesOf(const QByteArray &dump, InnerStart rule = InnerStart::KeptInMessage)
{
    QVector<Message> out;
    walk_sysex_messages(reinterpret_cast<const unsigned char *>(dump.constData()), dump.size(), rule,
                        [&](const SysexSpan &m) {
                            out.append({QByteArray(reinterpret_cast<const char *>(m.bytes), m.length), m.closed});
                        });
    return out;
}

} // namespace

class CodecTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;
    QString dir;

    QString path(const QString &name) const { return dir + "/" + name; }

    // Encodes `source` written under `name`, with the trace kept off the log.
    QByteArray encode(const QByteArray &source, const QString &name = "memory.bin", int *result = nullptr)
    {
        writeWholeFile(path(name), source);
        StdoutCapture quiet;
        const int r = binary_to_sysex(path(name), path("out.syx"));
        quiet.finish();
        if (result)
            *result = r;
        return readWholeFile(path("out.syx"));
    }

    int decode(const QByteArray &dump, QByteArray &decoded)
    {
        writeWholeFile(path("in.syx"), dump);
        QFile::remove(path("decoded.bin"));
        const int r = sysex_to_binary(path("in.syx"), path("decoded.bin"));
        decoded = readWholeFile(path("decoded.bin"));
        return r;
    }

private slots:
    void init()
    {
        home = std::make_unique<TempHome>();
        dir = home->path();
    }
    void cleanup() { home.reset(); }

    void sevenBitGroups()
    {
        const QByteArray group = bytes({0x80, 0x00, 0xFF, 0x7F, 0x01, 0x02, 0x03});
        unsigned char out[16];
        QCOMPARE(encode_7bit_groups(reinterpret_cast<const unsigned char *>(group.constData()), 7, out), 8);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(out), 8), bytes({0x50, 0x00, 0x00, 0x7F, 0x7F, 0x01, 0x02, 0x03}));

        const QByteArray short3 = bytes({0x90, 0x41, 0xC2});
        QCOMPARE(encode_7bit_groups(reinterpret_cast<const unsigned char *>(short3.constData()), 3, out), 4);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(out), 4), bytes({0x50, 0x10, 0x41, 0x42}));
        unsigned char back[8];
        QCOMPARE(decode_7bit_groups(out, 4, back), 3);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(back), 3), short3);

        QCOMPARE(decode_7bit_groups(out, 1, back), 0); // a lone top-bits byte carries nothing
        const QByteArray full = randomBytes(112, 9);
        unsigned char encoded[128];
        QCOMPARE(encode_7bit_groups(reinterpret_cast<const unsigned char *>(full.constData()), 112, encoded), 128);
    }

    void abcPacket()
    {
        unsigned char out[32];
        StdoutCapture trace;
        const int length = make_data_packet(out, reinterpret_cast<const unsigned char *>("abc"), 3, 0, 0);
        const QByteArray text = trace.finish();
        QCOMPARE(QByteArray(reinterpret_cast<char *>(out), length),
                 bytes({0xF0, 0x7E, 0x00, 0x07, 0x02, 0x00, 0x03, 0x00, 0x61, 0x62, 0x63, 0x18, 0xF7}));
        QCOMPARE(text, QByteArray("encoded_byte_count: 4\n-----------------\n10 bytes\n"
                                  "7e 00 07 02 00 03 00 61 62 63 \nChecksum: 18\n\nCount: 10\n"));
    }

    void encoderTrace()
    {
        writeWholeFile(path("abc.bin"), "abc");
        StdoutCapture trace;
        const int result = binary_to_sysex(path("abc.bin"), path("abc.syx"));
        const QByteArray text = trace.finish();
        QCOMPARE(result, 22 + 13); // header with a 7-byte name, one packet
        QCOMPARE(text, QByteArray("encoded_byte_count: 4\n-----------------\n10 bytes\n"
                                            "7e 00 07 02 00 03 00 61 62 63 \nChecksum: 18\n\nCount: 10\n"
                                            "block size: 3\ndata packet size: 13\n"));
        StdoutCapture decoderTrace;
        const int decoded = sysex_to_binary(path("abc.syx"), path("abc.out"));
        QCOMPARE(decoderTrace.finish(), QByteArray()); // the decoder is silent
        QCOMPARE(decoded, 3);
    }

    void defaultImageDump()
    {
        std::vector<unsigned char> image(layout::kImageSize);
        fill_default_image(image.data());
        int result = 0;
        const QByteArray dump = encode(QByteArray(reinterpret_cast<char *>(image.data()), int(image.size())),
                                       "memory.bin", &result);
        QCOMPARE(dump.size(), 114672);
        QCOMPARE(result, 114672 - 6);

        const QByteArray header = bytes({0xF0, 0x7E, 0x00, 0x07, 0x01, 0x00, 0x62, 0x69, 0x6E, 0x20,
                                         0x17, 0x5C, 0x05, 0x00}) + "memory.bin" + bytes({0xF7});
        QCOMPARE(header.size(), 25);
        QCOMPARE(dump.left(25), header);

        const QVector<Message> messages = messagesOf(dump);
        QCOMPARE(messages.size(), 839);
        for (int p = 0; p < 837; ++p) {
            const QByteArray &m = messages[p + 1].bytes;
            QCOMPARE(m.size(), p < 836 ? 137 : 109);
            QCOMPARE(int(quint8(m[5])), p & 0x7F);
            QCOMPARE(int(quint8(m[6])), p < 836 ? 0x7F : 0x63);
            int sum = 0;
            for (int i = 1; i < m.size() - 2; ++i)
                sum ^= quint8(m[i]) & 0x7F;
            QCOMPARE(int(quint8(m[m.size() - 2])), sum);
        }
        QCOMPARE(int(quint8(messages[129].bytes[5])), 0x00); // the 129th packet wraps
        QCOMPARE(int(quint8(messages[837].bytes[5])), 0x44); // 836 & 0x7F
        QCOMPARE(messages[838].bytes, bytes({0xF0, 0x7E, 0x00, 0x7B, 0x45, 0xF7}));
    }

    void emptySource()
    {
        int result = 0;
        const QByteArray dump = encode(QByteArray(), "empty.bin", &result);
        QCOMPARE(dump, bytes({0xF0, 0x7E, 0x00, 0x07, 0x01, 0x00, 0x62, 0x69, 0x6E, 0x20, 0, 0, 0, 0})
                           + "empty.bin" + bytes({0xF7, 0xF0, 0x7E, 0x00, 0x7B, 0x00, 0xF7}));
        QCOMPARE(result, dump.size() - 6);

        // Nothing to decode: the destination is left alone.
        writeWholeFile(path("decoded.bin"), "keep");
        writeWholeFile(path("in.syx"), dump);
        QCOMPARE(sysex_to_binary(path("in.syx"), path("decoded.bin")), dump::kNoDataPacket);
        QCOMPARE(readWholeFile(path("decoded.bin")), QByteArray("keep"));
    }

    void fileTypeAndBaseName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("type");
        QTest::newRow("bin") << "memory.bin" << QByteArray("bin ");
        QTest::newRow("two dots") << "fw.bin.bak" << QByteArray("bin.");
        QTest::newRow("long extension") << "dump.sysex" << QByteArray("syse");
        QTest::newRow("short extension") << "a.b" << QByteArray("b   ");
        QTest::newRow("no extension") << "firmware" << QByteArray("    ");
    }
    void fileTypeAndBaseName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, type);
        const QByteArray dump = encode("xyz", name);
        QCOMPARE(dump.mid(6, 4), type);
        QCOMPARE(dump.mid(14, name.size()), name.toLatin1());
        QCOMPARE(int(quint8(dump[14 + name.size()])), 0xF7);
    }

    void roundTrips_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {1, 6, 7, 8, 111, 112, 113, 224, 1000, 93719, 107130, 107131, 131072})
            QTest::newRow(qPrintable(QString::number(size))) << size;
        QRandomGenerator rng(2024);
        for (int i = 0; i < 12; ++i) {
            const int size = int(rng.bounded(1, 131073));
            QTest::newRow(qPrintable(QString("random %1").arg(size))) << size;
        }
    }
    void roundTrips()
    {
        QFETCH(int, size);
        const QByteArray source = randomBytes(size, quint32(size));
        const QByteArray dump = encode(source, "source.bin");
        QByteArray decoded;
        QCOMPARE(decode(dump, decoded), size);
        QVERIFY(decoded == source);
    }

    void sourceLongerThanTheLimitIsCut()
    {
        const QByteArray source = randomBytes(131072 + 1000, 77);
        const QByteArray dump = encode(source, "big.bin");
        QCOMPARE(dump.mid(10, 4), bytes({0x00, 0x00, 0x08, 0x00})); // 131072
        QByteArray decoded;
        QCOMPARE(decode(dump, decoded), 131072);
        QVERIFY(decoded == source.left(131072));
    }

    void strayBytesAndSwappedPackets()
    {
        const QByteArray source = randomBytes(200, 4);
        const QVector<Message> m = messagesOf(encode(source, "two.bin"));
        QCOMPARE(m.size(), 4);

        QByteArray decoded;
        const QByteArray stray = bytes({0x12, 0x90, 0x40, 0x7F}) + m[0].bytes + bytes({0x55, 0xF7}) + m[1].bytes
                                 + bytes({0xB0, 0x07, 0x64}) + m[2].bytes + m[3].bytes + bytes({0x01});
        QCOMPARE(decode(stray, decoded), 200);
        QVERIFY(decoded == source);

        const QByteArray swapped = m[0].bytes + m[2].bytes + m[1].bytes + m[3].bytes;
        QCOMPARE(decode(swapped, decoded), 200);
        QVERIFY(decoded == source.mid(112) + source.left(112));

        // Bad checksums, wrong packet numbers and repeats are taken as they stand.
        QByteArray tampered = m[1].bytes;
        tampered[5] = 0x33;
        tampered[tampered.size() - 2] = 0x00;
        QCOMPARE(decode(tampered + m[1].bytes, decoded), 224);
        QVERIFY(decoded == source.left(112) + source.left(112));
    }

    void messageWalk_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("rule");
        QTest::addColumn<QByteArray>("messages"); // the closed ones, one after the other
        QTest::addColumn<QByteArray>("unclosed");
        QTest::addColumn<int>("resumeAt");
        const QByteArray nested = bytes({0x00, 0xF0, 0x01, 0xF0, 0x02, 0xF7, 0x33, 0xF0, 0x7E, 0x00});
        const int kept = int(InnerStart::KeptInMessage);
        const int startsNew = int(InnerStart::StartsNewMessage);
        QTest::newRow("decoder keeps an inner F0")
            << nested << kept << bytes({0xF0, 0x01, 0xF0, 0x02, 0xF7}) << bytes({0xF0, 0x7E, 0x00}) << 7;
        QTest::newRow("sender starts anew at it")
            << nested << startsNew << bytes({0xF0, 0x02, 0xF7}) << bytes({0xF0, 0x7E, 0x00}) << 7;
        const QByteArray stray = bytes({0xF7, 0x10, 0xF0, 0x11, 0xF7, 0x12, 0xF7, 0xF0, 0xF7});
        QTest::newRow("F7 with no F0 open is skipped")
            << stray << startsNew << bytes({0xF0, 0x11, 0xF7, 0xF0, 0xF7}) << QByteArray() << stray.size();
        QTest::newRow("unclosed message, inner F0, sender")
            << bytes({0xF0, 0x01, 0xF0, 0x02}) << startsNew << QByteArray() << bytes({0xF0, 0x02}) << 2;
        QTest::newRow("unclosed message, inner F0, decoder")
            << bytes({0xF0, 0x01, 0xF0, 0x02}) << kept << QByteArray() << bytes({0xF0, 0x01, 0xF0, 0x02}) << 0;
        QTest::newRow("no message") << bytes({0x01, 0x02}) << kept << QByteArray() << QByteArray() << 2;
    }

    void messageWalk()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, rule);
        QFETCH(QByteArray, messages);
        QFETCH(QByteArray, unclosed);
        QFETCH(int, resumeAt);
        QByteArray closedBytes, unclosedBytes;
        int unclosedCount = 0;
        const int resume = walk_sysex_messages(reinterpret_cast<const unsigned char *>(data.constData()), data.size(),
                                               InnerStart(rule), [&](const SysexSpan &m) {
                                                   const QByteArray b(reinterpret_cast<const char *>(m.bytes), m.length);
                                                   if (m.closed) {
                                                       QVERIFY(unclosedCount == 0); // only the last may be open
                                                       closedBytes += b;
                                                   } else {
                                                       ++unclosedCount;
                                                       unclosedBytes = b;
                                                   }
                                               });
        QCOMPARE(closedBytes, messages);
        QCOMPARE(unclosedBytes, unclosed);
        QCOMPARE(resume, resumeAt);
    }

    void decodingAPacketCutShort()
    {

        // A packet that lost its F7 at the end of the file still decodes, its
        // last byte taken as the checksum.
        QByteArray decoded;
        const QByteArray abc = bytes({0xF0, 0x7E, 0x00, 0x07, 0x02, 0x00, 0x03, 0x00, 0x61, 0x62, 0x63, 0x18});
        QCOMPARE(decode(abc, decoded), 3);
        QCOMPARE(decoded, QByteArray("abc"));
        // Cut anywhere shorter, it never reads past the data.
        for (int cut = 1; cut < abc.size(); ++cut)
            decode(abc.left(cut), decoded);
    }

    void shortPacketsAddNothing()
    {
        QByteArray decoded;
        const QByteArray tenBytes = bytes({0xF0, 0x7E, 0x00, 0x07, 0x02, 0x00, 0x00, 0x00, 0x00, 0xF7});
        const QByteArray good = bytes({0xF0, 0x7E, 0x00, 0x07, 0x02, 0x00, 0x03, 0x00, 0x61, 0x62, 0x63, 0x18, 0xF7});
        QCOMPARE(decode(tenBytes + good + bytes({0xF0, 0x7E, 0xF7}), decoded), 3);
        QCOMPARE(decoded, QByteArray("abc"));
    }

    void classify_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<int>("kind");
        auto m = [](int b3, int b4) { return bytes({0xF0, 0x7E, 0x00, b3, b4, 0xF7}); };
        QTest::newRow("header") << m(0x07, 0x01) << int(DumpMessageKind::Header);
        QTest::newRow("data") << m(0x07, 0x02) << int(DumpMessageKind::DataPacket);
        QTest::newRow("request") << m(0x07, 0x03) << int(DumpMessageKind::Request);
        QTest::newRow("other 07") << m(0x07, 0x04) << int(DumpMessageKind::Unknown);
        QTest::newRow("end of file") << m(0x7B, 0x11) << int(DumpMessageKind::EndOfFile);
        QTest::newRow("wait") << m(0x7C, 0x00) << int(DumpMessageKind::Wait);
        QTest::newRow("cancel") << m(0x7D, 0x00) << int(DumpMessageKind::Cancel);
        QTest::newRow("nak") << m(0x7E, 0x00) << int(DumpMessageKind::Nak);
        QTest::newRow("ack") << m(0x7F, 0x00) << int(DumpMessageKind::Ack);
        QTest::newRow("signed 0x87") << m(0x87, 0x02) << int(DumpMessageKind::Unknown);
        QTest::newRow("too short") << bytes({0xF0, 0x7E, 0x00, 0x07}) << int(DumpMessageKind::TooShort);
    }
    void classify()
    {
        QFETCH(QByteArray, message);
        QFETCH(int, kind);
        QCOMPARE(int(classify_dump_message(reinterpret_cast<const unsigned char *>(message.constData()), message.size())), kind);
    }

    void unreadableFilesWriteNothing()
    {
        writeWholeFile(path("out.syx"), "previous dump");
        QCOMPARE(binary_to_sysex(path("missing.bin"), path("out.syx")), dump::kUnreadableSource);
        QCOMPARE(readWholeFile(path("out.syx")), QByteArray("previous dump"));
        QCOMPARE(binary_to_sysex(path("missing.bin"), path("fresh.syx")), dump::kUnreadableSource);
        QVERIFY(!QFileInfo::exists(path("fresh.syx")));

        writeWholeFile(path("memory.bin"), "the user's setlist");
        QCOMPARE(sysex_to_binary(path("missing.syx"), path("memory.bin")), dump::kUnreadableSource);
        QCOMPARE(sysex_to_binary(dir, path("memory.bin")), dump::kUnreadableSource); // a folder
        writeWholeFile(path("junk.syx"), randomBytes(5000, 1).replace(char(0xF0), char(0x00)));
        QCOMPARE(sysex_to_binary(path("junk.syx"), path("memory.bin")), dump::kNoDataPacket);
        writeWholeFile(path("empty.syx"), QByteArray());
        QCOMPARE(sysex_to_binary(path("empty.syx"), path("memory.bin")), dump::kNoDataPacket);
        QCOMPARE(readWholeFile(path("memory.bin")), QByteArray("the user's setlist"));
    }

    void unwritableDestinationIsReported()
    {
        const QByteArray dump = encode("abc", "abc.bin");
        writeWholeFile(path("in.syx"), dump);
        QCOMPARE(sysex_to_binary(path("in.syx"), path("no/such/dir/out.bin")), dump::kWriteFailed);
        writeWholeFile(path("abc.bin"), "abc");
        StdoutCapture quiet;
        const int result = binary_to_sysex(path("abc.bin"), path("no/such/dir/out.syx"));
        quiet.finish();
        QCOMPARE(result, dump::kWriteFailed);
    }
};

VEKTOR_TEST_MAIN(CodecTest)
#include "test_codec.moc"
