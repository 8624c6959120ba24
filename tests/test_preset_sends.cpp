// One reading of a preset's stored bytes: Play, the monitor's explainer, the
// find, the check and the library's summary agree on what a preset sends.

#include "fields.h"
#include "image_fixtures.h"
#include "image_layout.h"
#include "memory_check.h"
#include "memory_senders.h"
#include "preset_messages.h"
#include "preset_query.h"
#include "preset_summary.h"
#include "rig_fixtures.h"
#include "test_support.h"

#include <QTest>

#include <algorithm>
#include <vector>

using namespace layout;

namespace {

constexpr int kRecord = 30;
constexpr int kAmp = 2; // switched off, as in a new memory

// Bytes of one entry as offset into the record, byte, offset, byte...
QVector<int> entry(int at, const QVector<int> &fields, const QVector<int> &values)
{
    QVector<int> bytes;
    for (int k = 0; k < fields.size(); ++k)
        bytes << at + fields[k] << values[k];
    return bytes;
}

namespace pc = programchange;
namespace cc = controlchange;
namespace ov = override_;
const QVector<int> pcFields{pc::kEnabled, pc::kNumber, pc::kBankSelectEnabled, pc::kMsbBank, pc::kLsbBank};
const QVector<int> ccFields{cc::kEnabled, cc::kDevice, cc::kNumber, cc::kValue};
const QVector<int> ovFields{ov::kOverride, ov::kDevice, ov::kControlChange, ov::kOnValue, ov::kOffValue};
const QVector<int> pedalFields{presetpedal::kEnabled, presetpedal::kChannel, presetpedal::kControlChange};
QVector<int> pcEntry(const QVector<int> &values) { return entry(preset::programChangeOffset(kAmp), pcFields, values); }
QVector<int> ccEntry(const QVector<int> &values) { return entry(preset::controlChangeOffset(0), ccFields, values); }
QVector<int> ovEntry(const QVector<int> &values) { return entry(preset::overrideOffset(0), ovFields, values); }
QVector<int> pedalEntry(const QVector<int> &values) { return entry(preset::pedalOffset(0), pedalFields, values); }

// The factory memory, record kRecord sending nothing but `bytes` (offset into the record, byte, ...).
std::vector<unsigned char> imageWith(const QVector<int> &bytes)
{
    const QByteArray factory = factoryImage();
    std::vector<unsigned char> image(factory.begin(), factory.end());
    write_name(image.data() + deviceOffset(kAmp) + device::kName, QStringLiteral("Amp"));
    unsigned char *record = image.data() + presetOffset(kRecord);
    record[preset::programChangeOffset(0) + programchange::kEnabled] = 0;
    for (int p = 0; p < kPedalCount; ++p)
        record[preset::pedalOffset(p) + presetpedal::kEnabled] = 0;
    for (int k = 0; k + 1 < bytes.size(); k += 2)
        record[bytes[k]] = static_cast<unsigned char>(bytes[k + 1]);
    return image;
}

// The record's senders in the explainer's index, as "c205" and "b20b40" (value: on value, pedal 0).
QStringList indexed(const MemorySenders &senders)
{
    QStringList out;
    for (int ch = 0; ch < 16; ++ch)
        for (int n = 0; n < 128; ++n) {
            for (const ProgramSender &s : senders.programSenders(ch, n))
                out << (s.record == kRecord ? QString::asprintf("c%x%02x", ch, n) : QString());
            for (const ControlSender &s : senders.controlSenders(ch, n))
                out << (s.record == kRecord ? QString::asprintf("b%x%02x%02x", ch, n, s.value) : QString());
        }
    out.removeAll(QString());
    std::sort(out.begin(), out.end());
    return out;
}

bool named(const QVector<Finding> &findings, const char *words)
{
    return std::any_of(findings.begin(), findings.end(), [&](const Finding &f) {
        return f.records.contains(kRecord) && f.text.contains(QLatin1String(words));
    });
}

} // namespace

class TestPresetSends : public QObject
{
    Q_OBJECT

private slots:
    void oneReading_data()
    {
        QTest::addColumn<QVector<int>>("bytes");
        QTest::addColumn<QStringList>("play");  // in Play's order
        QTest::addColumn<QStringList>("index"); // sorted
        QTest::addColumn<QString>("find");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("check");   // "off": sends to a device switched off; "shown": a value no editor shows
        QTest::addColumn<QString>("summary"); // program changes | control changes | overrides
        const QStringList none, bank{"b20000", "b22003", "c205"};
        const auto row = [](const char *name, const QVector<int> &bytes, const QStringList &play,
                            const QStringList &index, const char *find, bool found, const char *check,
                            const char *summary) {
            QTest::newRow(name) << bytes << play << index << QString(find) << found << QString(check)
                                << QString(summary);
        };
        row("pc enabled 2", pcEntry({2, 5, 0, 0, 0}), {"c205"}, {"c205"}, "pc 5", true, "off shown", "Amp 005|0|0");
        row("pc 200 is found as 0", pcEntry({1, 200, 0, 0, 0}), {"c200"}, {"c200"}, "pc 0", true, "off shown",
            "Amp 000|0|0");
        row("pc 200 is not found as 200", pcEntry({1, 200, 0, 0, 0}), {"c200"}, {"c200"}, "pc 200", false, "off shown",
            "Amp 000|0|0");
        row("pc MSB 130", pcEntry({1, 5, 1, 130, 3}), bank, bank, "pc 5", true, "off shown",
            "Amp 005 (bank 000/003)|0|0");
        row("cc on", ccEntry({1, kAmp, 11, 64}), {"b20b40"}, {"b20b40"}, "cc 11", true, "off", "|1|0");
        row("cc enabled 2", ccEntry({2, kAmp, 11, 64}), none, none, "cc 11", false, "shown", "|0|0");
        row("cc number 200", ccEntry({1, kAmp, 200, 64}), none, none, "cc 200", false, "shown", "|0|0");
        row("cc device 16", ccEntry({1, 16, 11, 64}), none, none, "cc 11", false, "shown", "|0|0");
        row("cc value 130", ccEntry({1, kAmp, 11, 130}), none, none, "cc 11", false, "shown", "|0|0");
        row("override on", ovEntry({1, kAmp, 40, 100, 10}), none, {"b22864"}, "cc 40", true, "off", "|0|1");
        row("override on 2", ovEntry({2, kAmp, 40, 100, 10}), none, none, "cc 40", false, "shown", "|0|0");
        row("override device 16", ovEntry({1, 16, 40, 100, 10}), none, none, "cc 40", false, "shown", "|0|0");
        row("override off value 200", ovEntry({1, kAmp, 40, 100, 200}), none, none, "cc 40", false, "shown",
            "|0|0");
        row("pedal channel 200", pedalEntry({1, 200, 9}), none, {"b00900"}, "cc 9", false, "shown", "|0|0");
    }
    void oneReading()
    {
        QFETCH(QVector<int>, bytes);
        QFETCH(QStringList, play);
        QFETCH(QString, find);
        QFETCH(QString, check);
        const std::vector<unsigned char> memory = imageWith(bytes);
        const unsigned char *image = memory.data();
        QCOMPARE(preset_messages(image, kRecord), hexMessages(play));
        QTEST(indexed(MemorySenders(image)), "index");
        QTEST(PresetQuery(find, image).matches(image, kRecord, false), "found");
        const QVector<Finding> findings = check_memory(image);
        QCOMPARE(named(findings, "switched off"), check.contains("off"));
        QCOMPARE(named(findings, "editors don't show"), check.contains("shown"));
        QTEST(program_change_summary(image, kRecord) + '|' + QString::number(control_changes_on(image, kRecord)) + '|'
                  + QString::number(overrides_on(image, kRecord)),
              "summary");
    }
};

VEKTOR_TEST_MAIN(TestPresetSends)
#include "test_preset_sends.moc"
