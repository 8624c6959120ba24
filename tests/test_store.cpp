// The configuration store: layout, file round trips, the factory image,
// preset copies, field conversions and all-or-nothing writes.

#include "default_image.h"
#include "fields.h"
#include "image_layout.h"
#include "configuration_saves.h"
#include "store.h"
#include "image_fixtures.h"
#include "test_support.h"

#include <QDir>
#include <QRandomGenerator>

#include <cstring>

namespace {

void setImage(const QByteArray &bytes)
{
    std::memcpy(config_image(), bytes.constData(), size_t(layout::kImageSize));
}

// Writes a name the way the controller stores it: text, NUL padding to 16.
void putName(QByteArray &image, int at, const char *text)
{
    std::memset(image.data() + at, 0, 16);
    std::memcpy(image.data() + at, text, std::strlen(text));
}

// The factory image spelled out from the controller's documented defaults,
// independently of the code that builds it.
QByteArray expectedFactoryImage()
{
    QByteArray img(93719, '\0');
    auto set = [&](int at, int value) { img[at] = char(value); };
    for (int k = 0; k < 9; ++k) {
        const int b = 53 * k;
        set(b + 0, k == 7 ? 2 : k == 8 ? 1 : 0);
        set(b + 1, 1);
        putName(img, b + 2, QByteArray("Button " + QByteArray::number(k)).constData());
        set(b + 19, k);
        set(b + 21, 0x83); set(b + 22, 0x45 + k); set(b + 23, 0x7F);
        set(b + 29, 0x93); set(b + 30, 0x45 + k); set(b + 31, 0x7F);
        set(b + 38, 80 + k);
        set(b + 40, 127);
        set(b + 43, 1);
        set(b + 45, k); set(b + 46, k % 2); set(b + 47, k);
        set(b + 48, k); set(b + 49, k % 2); set(b + 50, k);
        set(b + 52, 29);
    }
    for (int d = 0; d < 16; ++d)
        putName(img, 14820 + 19 * d, d == 0 ? "Quill" : QByteArray("Device " + QByteArray::number(d)).constData());
    set(14820 + 17, 1);
    for (int p = 0; p < 2; ++p) {
        const int at = 15142 + 22 * p;
        putName(img, at, QByteArray("Exp. Pedal " + QByteArray::number(p)).constData());
        set(at + 17, 1);
        set(at + 20, 0x00); set(at + 21, 0x08); // 2048
    }
    putName(img, 15193, "Relay 0");
    putName(img, 15212, "Relay 1");
    set(15212 + 17, 1);
    set(15189, 1);
    for (int i = 0; i < 270; ++i) {
        const int r = 15232 + 290 * i;
        putName(img, r, QString::asprintf("Preset %03d", i % 9 + (i / 9) * 10 + 1).toLatin1().constData());
        for (int c = 0; c < 16; ++c)
            set(r + 17 + 5 * c + 1, (i + c) % 128);
        set(r + 17, 1);
        set(r + 177, 1); set(r + 179, 7);
        set(r + 182, 1); set(r + 184, 8);
        for (int b = 0; b < 9; ++b) {
            set(r + 187 + 10 * b + 3, 127);
            set(r + 187 + 10 * b + 6, 1);
        }
    }
    return img;
}

} // namespace

class StoreTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;

private slots:
    void init()
    {
        home = std::make_unique<TempHome>();
        set_paths_for_home(home->path());
        QDir().mkpath(home->path() + "/Stompwerk/Vektor");
        std::memset(config_image(), 0, size_t(layout::kImageSize));
    }
    void cleanup() { home.reset(); }

    void layoutOffsets()
    {
        QCOMPARE(layout::presetOffset(0), 15232);
        QCOMPARE(layout::presetOffset(269), 93242);
        QCOMPARE(layout::presetOffset(269) + layout::kPresetRecordSize - 1, 93531);
        QCOMPARE(layout::kSystemSectionStart, 93532);
        QCOMPARE(layout::kImageSize, 93719);
    }

    void presetNumbers_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("number");
        QTest::newRow("first") << 0 << 1;
        QTest::newRow("end of bank 0") << 8 << 9;
        QTest::newRow("start of bank 1") << 9 << 11;
        QTest::newRow("record 12") << 12 << 14;
        QTest::newRow("last") << 269 << 299;
    }
    void presetNumbers()
    {
        QFETCH(int, index);
        QFETCH(int, number);
        QCOMPARE(preset_number(index), number);
    }

    void loadShortFileKeepsTheRest()
    {
        setImage(QByteArray(layout::kImageSize, char(0xAA)));
        QVERIFY(writeWholeFile(file_paths().configuration, QByteArray(100, char(0x11))));
        QCOMPARE(load_image(), 100);
        const QByteArray image = imageInMemory();
        QCOMPARE(image.left(100), QByteArray(100, char(0x11)));
        QCOMPARE(image.mid(100), QByteArray(layout::kImageSize - 100, char(0xAA)));
    }

    void loadLongFileReadsOneImage()
    {
        const QByteArray bytes = randomBytes(layout::kImageSize + 500, 7);
        QVERIFY(writeWholeFile(file_paths().configuration, bytes));
        QCOMPARE(load_image(), layout::kImageSize);
        QCOMPARE(imageInMemory(), bytes.left(layout::kImageSize));
    }

    void loadWithoutFileLeavesImage()
    {
        const QByteArray before = randomBytes(layout::kImageSize, 3);
        setImage(before);
        QCOMPARE(load_image(), -1);
        QCOMPARE(imageInMemory(), before);

        file_paths().configuration.clear(); // a cancelled "Open file..."
        QCOMPARE(load_image(), -1);
        QVERIFY(!save_image());
        QCOMPARE(imageInMemory(), before);
    }

    void saveLoadRoundTrip()
    {
        const QByteArray bytes = randomBytes(layout::kImageSize, 11);
        setImage(bytes);
        QVERIFY(save_image());
        QCOMPARE(QFileInfo(file_paths().configuration).size(), qint64(93719));
        QCOMPARE(readWholeFile(file_paths().configuration), bytes);
        setImage(QByteArray(layout::kImageSize, '\0'));
        QCOMPARE(load_image(), layout::kImageSize);
        QCOMPARE(imageInMemory(), bytes);
    }

    void pathsLongerThan512BytesAreHeldWhole()
    {
        QString deep = home->path();
        while (deep.toLocal8Bit().size() < 700)
            deep += "/a-rather-long-folder-name-for-a-setlist";
        QVERIFY(QDir().mkpath(deep));
        file_paths().configuration = deep + "/memory.bin";
        const QByteArray bytes = randomBytes(layout::kImageSize, 5);
        setImage(bytes);
        QVERIFY(save_image());
        QCOMPARE(readWholeFile(deep + "/memory.bin"), bytes);
    }

    void factoryImageHasEveryDefault()
    {
        setImage(randomBytes(layout::kImageSize, 13)); // every byte must be rewritten
        QVERIFY(init_default_image());
        const QByteArray expected = expectedFactoryImage();
        const QByteArray image = imageInMemory();
        for (int i = 0; i < layout::kImageSize; ++i)
            if (image[i] != expected[i])
                QFAIL(qPrintable(QString("byte %1 is %2, expected %3").arg(i).arg(quint8(image[i])).arg(quint8(expected[i]))));
        QCOMPARE(readWholeFile(file_paths().configuration), expected);
    }

    void factoryImageAsTheUserSeesIt()
    {
        init_default_image();
        const unsigned char *img = config_image();
        QCOMPARE(preset_entry_text(img, 0), QString("001 - Preset 001"));
        QCOMPARE(preset_entry_text(img, 9), QString("011 - Preset 011"));
        QCOMPARE(preset_entry_text(img, 269), QString("299 - Preset 299"));
        QCOMPARE(device_entry_text(img, 0), QString("01 - Quill"));
        QCOMPARE(device_entry_text(img, 15), QString("16 - Device 15"));
        for (int c = 0; c < 16; ++c)
            QCOMPARE(int(img[layout::presetOffset(200) + 17 + 5 * c + 1]), 72 + c);
    }

    void copyPresetStartsFromTheFile()
    {
        init_default_image();
        const QByteArray saved = imageInMemory();
        // An unsaved edit of record 5 is lost: the copy starts from the file.
        config_image()[layout::presetOffset(5)] = 'X';
        QVERIFY(copy_preset(5, 7));
        QByteArray expected = saved;
        expected.replace(layout::presetOffset(7), 290, saved.mid(layout::presetOffset(5), 290));
        QCOMPARE(readWholeFile(file_paths().configuration), expected);
        QCOMPARE(imageInMemory(), expected);

        QVERIFY(copy_preset(3, 3));
        QCOMPARE(readWholeFile(file_paths().configuration), expected);
    }

    void readFileBytesLimits()
    {
        const QString path = home->path() + "/data.bin";
        QVector<unsigned char> buffer(layout::kImageSize);
        QVERIFY(writeWholeFile(path, randomBytes(layout::kImageSize, 1)));
        QCOMPARE(read_file_bytes(buffer.data(), path, 30000), 30000);
        QCOMPARE(read_file_bytes(buffer.data(), path, layout::kImageSize), layout::kImageSize);
        QVERIFY(writeWholeFile(path, QByteArray()));
        QCOMPARE(read_file_bytes(buffer.data(), path, 100), 0);
        QCOMPARE(read_file_bytes(buffer.data(), home->path() + "/missing.bin", 100), -1);
        QCOMPARE(read_file_bytes(buffer.data(), home->path(), 100), -1); // a folder
    }

    // Each kind of file is read up to its own limit, and says when more was there.
    void readFileByKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("read");
        QTest::newRow("a whole memory") << int(FileKind::Memory) << layout::kImageSize << layout::kImageSize;
        QTest::newRow("a longer memory file") << int(FileKind::Memory) << layout::kImageSize + 50
                                              << layout::kImageSize + 1;
        QTest::newRow("a longer Kestrel file") << int(FileKind::Kestrel) << layout::kSiblingImageSize + 3
                                               << layout::kSiblingImageSize;
        QTest::newRow("more than a dump carries") << int(FileKind::DumpSource) << 200000 << 131072;
        QTest::newRow("a large dump") << int(FileKind::Dump) << 300000 << 262144;
        QTest::newRow("an empty file") << int(FileKind::AnyFile) << 0 << 0;
        QTest::newRow("a file copied whole") << int(FileKind::AnyFile) << 3000000 << 3000000;
    }
    void readFileByKind()
    {
        QFETCH(int, kind);
        QFETCH(int, size);
        QFETCH(int, read);
        const QString path = home->path() + "/data.bin";
        const QByteArray bytes = randomBytes(size, 5);
        QVERIFY(writeWholeFile(path, bytes));
        const FileRead file = read_file(path, FileKind(kind));
        QVERIFY(file.ok());
        QCOMPARE(file.size, qint64(size));
        QCOMPARE(file.bytes, bytes.left(read));
        QCOMPARE(file.cut(), read < size);
        for (const QString &unreadable : {home->path() + "/missing.bin", home->path(), QString()}) {
            const FileRead none = read_file(unreadable, FileKind(kind));
            QVERIFY(!none.ok() && none.bytes.isEmpty() && !none.error.isEmpty());
        }
    }

    void failedWritesLeaveTheOldFile()
    {
        const QByteArray old = randomBytes(layout::kImageSize, 21);
        QVERIFY(writeWholeFile(file_paths().configuration, old));
        setImage(randomBytes(layout::kImageSize, 22));
        {
            // The file system refuses anything past 50,000 bytes, as a full disk would.
            FileSizeLimit limit(50000);
            QVERIFY(!save_image());
            const QByteArray data(60000, 'x');
            QCOMPARE(write_file_bytes(reinterpret_cast<const unsigned char *>(data.constData()),
                                      file_paths().configuration, data.size()), 0);
            QCOMPARE(last_save_error(), QString("File too large"));
        }
        QCOMPARE(readWholeFile(file_paths().configuration), old);
        {
            // Smaller than a write buffer: the failure shows only when it is flushed.
            FileSizeLimit limit(4096);
            QString reason;
            QVERIFY(!write_file(file_paths().configuration, QByteArray(10000, 'y'), &reason));
            QCOMPARE(reason, QString("File too large"));
        }
        QCOMPARE(readWholeFile(file_paths().configuration), old);
        // No temporary file is left beside it.
        QCOMPARE(QDir(home->path() + "/Stompwerk/Vektor").entryList(QDir::Files),
                 QStringList{"memory.bin"});

        const unsigned char byte = 1;
        QCOMPARE(write_file_bytes(&byte, home->path() + "/no/such/folder/file.bin", 1), -1);
        QVERIFY(write_file_bytes(&byte, home->path(), 1) != 1); // a folder stays a folder
        QVERIFY(QFileInfo(home->path()).isDir());
    }

    void fitValue_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("fitted");
        QTest::newRow("in range") << 5 << 15 << 5;
        QTest::newRow("one past wraps") << 16 << 15 << 0;
        QTest::newRow("wraps, not clamps") << 130 << 127 << 2;
        QTest::newRow("negative") << -1 << 127 << 0;
        QTest::newRow("200 read signed") << int(qint8(200)) << 127 << 0;
        QTest::newRow("favorite 271") << 271 << 270 << 0;
        QTest::newRow("favorite 130") << 130 << 270 << 130;
    }
    void fitValue()
    {
        QFETCH(int, value);
        QFETCH(int, max);
        QFETCH(int, fitted);
        QCOMPARE(fit_value(value, max), fitted);
    }

    void bytesToHex()
    {
        const unsigned char data[8] = {0x83, 0x45, 0x7F, 0, 0, 0, 0, 0};
        char text[24];
        QCOMPARE(bytes_to_hex(text, data, 8), 23);
        QCOMPARE(QByteArray(text), QByteArray("83 45 7f 00 00 00 00 00"));
        QCOMPARE(bytes_to_hex(text, data, 0), 0);
        QCOMPARE(QByteArray(text), QByteArray());
        QCOMPARE(hex_text(data, 1), QString("83"));
    }

    void hexToBytes_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("bytes");
        auto eight = [](std::initializer_list<int> head) {
            QByteArray b(8, '\0');
            int i = 0;
            for (int v : head)
                b[i++] = char(v);
            return b;
        };
        QTest::newRow("empty") << QByteArray("") << eight({});
        QTest::newRow("one digit") << QByteArray("1") << eight({0x01});
        QTest::newRow("three digits split") << QByteArray("123") << eight({0x12, 0x03});
        QTest::newRow("bad token") << QByteArray("zz 10") << eight({0x00, 0x10});
        QTest::newRow("no spaces") << QByteArray("f07f") << eight({0xF0, 0x7F});
        QTest::newRow("upper case") << QByteArray("F0 7F") << eight({0xF0, 0x7F});
        QTest::newRow("extra spaces") << QByteArray("  83   45 ") << eight({0x83, 0x45});
        QTest::newRow("digit then junk") << QByteArray("1z 2") << eight({0x01, 0x02});
        QTest::newRow("nine tokens") << QByteArray("01 02 03 04 05 06 07 08 09")
                                     << eight({1, 2, 3, 4, 5, 6, 7, 8});
        QTest::newRow("round trip") << QByteArray("83 45 7f 00 00 00 00 00") << eight({0x83, 0x45, 0x7F});
    }
    void hexToBytes()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, bytes);
        unsigned char out[8];
        std::memset(out, 0xEE, sizeof out);
        hex_to_bytes(out, text.constData(), 8);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(out), 8), bytes);
    }

    void names()
    {
        unsigned char field[18];
        std::memset(field, 'x', sizeof field);
        write_name(field, "Sixteen chars!!!");
        QCOMPARE(QByteArray(reinterpret_cast<char *>(field), 17), QByteArray("Sixteen chars!!!x"));
        QCOMPARE(read_name(field), QString("Sixteen chars!!!"));
        QCOMPARE(field[16], 0); // the reader forced the terminator

        write_name(field, "A twenty char name!!");
        QCOMPARE(name_text(field), QString("A twenty char na"));

        write_name(field, "Lead");
        QCOMPARE(QByteArray(reinterpret_cast<char *>(field), 16), QByteArray("Lead").leftJustified(16, '\0'));
        QCOMPARE(field[17], 'x'); // nothing past the field is touched
    }

    void namesKeepEveryByte()
    {
        // Whatever the controller stored, reading and writing back changes nothing.
        unsigned char field[17];
        for (int first = 1; first < 256; first += 16) {
            for (int i = 0; i < 16; ++i)
                field[i] = static_cast<unsigned char>(first + i == 256 ? 1 : first + i);
            field[16] = 0;
            unsigned char copy[17];
            std::memcpy(copy, field, sizeof field);
            write_name(field, read_name(field));
            QCOMPARE(QByteArray(reinterpret_cast<char *>(field), 17), QByteArray(reinterpret_cast<char *>(copy), 17));
        }
    }

    void words()
    {
        unsigned char at[2];
        write_word(at, 2048);
        QCOMPARE(int(at[0]), 0x00);
        QCOMPARE(int(at[1]), 0x08);
        QCOMPARE(read_word(at), 2048);
        write_word(at, -5);
        QCOMPARE(read_signed_word(at), -5);
        QCOMPARE(read_word(at), 0xFFFB);
    }
};

VEKTOR_TEST_MAIN(StoreTest)
#include "test_store.moc"
