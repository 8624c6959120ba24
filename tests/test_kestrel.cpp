// The Kestrel import on its own: every shared field of a Kestrel image lands
// at its Vektor offset, the Vektor-only fields get their fixed values, and
// nothing else of the Vektor image changes.

#include "kestrel_import.h"
#include "stdout_capture.h"
#include "test_support.h"

namespace {

constexpr int kKestrelSize = 59357;
constexpr int kVektorSize = 93719;

// Every byte differs from its neighbours, so a copy from a wrong offset shows.
QByteArray patternedKestrelImage()
{
    QByteArray k(kKestrelSize, 0);
    for (int i = 0; i < kKestrelSize; ++i)
        k[i] = char((i * 7 + 3) & 0xFF);
    auto put = [&k](int at, const QByteArray &bytes) { k.replace(at, bytes.size(), bytes); };
    put(0, "ABCDEFGHIJKLMNOPX");                 // preset 0: 16 characters, no terminator
    put(324, QByteArray("Short\0zzzzzzzzzzz", 17)); // preset 1: bytes after the NUL are not a name
    put(58320 + 2, "Kestrel Button 0");
    put(58320 + 21, QByteArray::fromHex("b0007f0001020304")); // off custom: zero bytes inside
    put(58320 + 29, QByteArray::fromHex("c000000000000005"));
    put(58920 + 18 * 3, "Channel Three");
    put(58920 + 18 * 3 + 13, QByteArray(3, '\0'));
    return k;
}

// The name as the Vektor stores it: text up to the first NUL, zero-padded to
// 16 bytes, then a zero terminator.
QByteArray vektorName(const QByteArray &kestrel, int at)
{
    QByteArray name = kestrel.mid(at, 16);
    const int nul = name.indexOf('\0');
    if (nul >= 0)
        name.truncate(nul);
    return name + QByteArray(17 - name.size(), '\0');
}

// What the import must make of `before`, field by field, with the offsets of
// both memories written out.
QByteArray expectedImport(const QByteArray &before, const QByteArray &k)
{
    QByteArray v = before;
    auto copy = [&](int to, int from, int n) { v.replace(to, n, k.mid(from, n)); };
    for (int n = 0; n < 9; ++n) {
        const int vb = 53 * n, kb = 58320 + 50 * n;
        copy(vb + 0, kb + 0, 2);
        copy(vb + 19, kb + 19, 2);
        copy(vb + 37, kb + 37, 13);
        v.replace(vb + 2, 17, vektorName(k, kb + 2));
        copy(vb + 21, kb + 21, 16); // both custom messages, every byte
        v[vb + 50] = char(n);
        v[vb + 51] = 0;
        v[vb + 52] = 29;
    }
    v.replace(477, 7, QByteArray("Bank 0", 7));
    for (int c = 0; c < 16; ++c) {
        const int vd = 14820 + 19 * c, kc = 58920 + 18 * c;
        v.replace(vd, 17, vektorName(k, kc));
        copy(vd + 17, kc + 17, 1);
        v[vd + 18] = 2;
    }
    v.replace(15124, 17, vektorName(k, 59208));
    copy(15141, 59208 + 17, 1);
    for (int p = 0; p < 2; ++p) {
        const int vp = 15142 + 22 * p, kp = 59226 + 62 * p;
        v.replace(vp, 17, vektorName(k, kp));
        copy(vp + 17, kp + 37, 1);
        copy(vp + 18, kp + 58, 2);
        copy(vp + 20, kp + 60, 2);
    }
    copy(15186, 59350, 1);
    copy(15187, 59351, 1);
    copy(15188, 59352, 5);
    for (int r = 0; r < 2; ++r) {
        const int vr = 15193 + 19 * r;
        v.replace(vr, 8, QByteArray("Relay ") + QByteArray::number(r) + QByteArray(1, '\0'));
        v[vr + 17] = char(r);
        v[vr + 18] = 0;
    }
    for (int p = 0; p < 180; ++p) {
        const int vp = 15232 + 290 * p, kp = 324 * p;
        v.replace(vp, 17, vektorName(k, kp));
        copy(vp + 17, kp + 17, 80 + 80 + 10 + 90);
        copy(vp + 277, kp + 307, 2);
        copy(vp + 279, kp + 315, 8);
        copy(vp + 287, kp + 323, 1);
    }
    return v;
}

} // namespace

class TestKestrel : public QObject
{
    Q_OBJECT

private slots:
    void importsEveryField()
    {
        QByteArray before = randomBytes(kVektorSize, 5);
        const QByteArray kestrel = patternedKestrelImage();
        QByteArray after = before;
        QByteArray trace;
        {
            StdoutCapture capture;
            import_kestrel_image(reinterpret_cast<const unsigned char *>(kestrel.constData()),
                                 reinterpret_cast<unsigned char *>(after.data()));
            trace = capture.text();
        }
        const QByteArray expected = expectedImport(before, kestrel);
        for (int i = 0; i < kVektorSize; ++i) {
            if (after[i] != expected[i])
                QFAIL(qPrintable(QString("byte %1 is %2, expected %3").arg(i).arg(quint8(after[i])).arg(quint8(expected[i]))));
        }
        // Presets past the Kestrel's, the system section and the bytes the
        // Kestrel has no field for stay as they were.
        QCOMPARE(after.mid(15232 + 290 * 180), before.mid(15232 + 290 * 180));
        QCOMPARE(after.mid(15232 + 288, 2), before.mid(15232 + 288, 2));
        QCOMPARE(after.mid(15232, 17), QByteArray("ABCDEFGHIJKLMNOP", 17));
        QCOMPARE(after.mid(21, 8), QByteArray::fromHex("b0007f0001020304"));

        const QByteArray sizes = "KESTREL_PROGRAM_CHANGE2: 5 bytes\nKESTREL_CONTROL_CHANGE2: 4 bytes\n"
                                 "KESTREL_EXPRESSION_PEDAL: 5 bytes\nKESTREL_CC_BUTTON_CONF: 10 bytes\n"
                                 "KESTREL_PRESET: 324 bytes\nKESTREL_BUTTON: 50 bytes\nKESTREL_CHANNEL: 18 bytes\n"
                                 "KESTREL_DISPLAY: 18 bytes\nKESTREL_EXPRESSION_PEDAL_CONF: 62 bytes\n"
                                 "KESTREL_OUT: 1 bytes\nKESTREL_IN: 1 bytes\nKESTREL_SYSEX2: 5 bytes\n"
                                 "KESTREL_GLOBAL: 1037 bytes\nKESTREL_CONFIGURATION: 59357 bytes\n"
                                 "KESTREL_PRESETS_COUNT: 180\nButton 0\nOffset: 58320\nButton 1\nOffset: 58370\n";
        QVERIFY2(trace.startsWith(sizes), trace.left(800).constData());
        QVERIFY(trace.contains("Button 8\nOffset: 58720\n"));
        QVERIFY(trace.contains("Channel 3: Channel Three\nOffset: 58974\n"));
        QVERIFY(trace.contains("Preset 0: ABCDEFGHIJKLMNOP\nPreset 1: Short\n"));
        QCOMPARE(trace.count("\nPreset "), 180);
    }
};

VEKTOR_TEST_MAIN(TestKestrel)
#include "test_kestrel.moc"
