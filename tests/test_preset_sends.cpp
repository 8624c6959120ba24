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
const int pc = preset::programChangeOffset(kAmp), cc = preset::controlChangeOffset(0);
const int pd = preset::pedalOffset(0), ovr = preset::overrideOffset(0);

// The factory memory with record kRecord sending nothing, then `bytes`
// (offset into the record, byte, ...) stored into it.
std::vector<unsigned char> imageWith(const QVector<int> &bytes)
{
    const QByteArray factory = factoryImage();
    std::vector<unsigned char> image(factory.begin(), factory.end());
    unsigned char *all = image.data();
    write_name(all + deviceOffset(kAmp) + device::kName, QStringLiteral("Amp"));
    unsigned char *record = all + presetOffset(kRecord);
    for (int c = 0; c < preset::kProgramChangeCount; ++c)
        record[preset::programChangeOffset(c) + programchange::kEnabled] = 0;
    for (int p = 0; p < kPedalCount; ++p)
        record[preset::pedalOffset(p) + presetpedal::kEnabled] = 0;
    for (int k = 0; k + 1 < bytes.size(); k += 2)
        record[bytes[k]] = static_cast<unsigned char>(bytes[k + 1]);
    return image;
}

// What the explainer's index holds for the record: "c2 05", "b2 0b 40".
QStringList explained(const MemorySenders &senders)
{
    QStringList out;
    for (int ch = 0; ch < 16; ++ch)
        for (int n = 0; n < 128; ++n) {
            for (const ProgramSender &s : senders.programSenders(ch, n))
                if (s.record == kRecord)
                    out << QString::asprintf("c%x%02x", ch, n);
            for (const ControlSender &s : senders.controlSenders(ch, n))
                if (s.record == kRecord)
                    out << QString::asprintf("b%x%02x%02x", ch, n, s.value);
        }
    std::sort(out.begin(), out.end());
    return out;
}

bool hasFinding(const QVector<Finding> &findings, Severity severity, const char *words)
{
    return std::any_of(findings.begin(), findings.end(), [&](const Finding &f) {
        return f.severity == severity && f.records.contains(kRecord) && f.text.contains(QLatin1String(words));
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
        QTest::addColumn<QStringList>("play");  // Play's messages, in order
        QTest::addColumn<QStringList>("index"); // the explainer's senders, sorted
        QTest::addColumn<QString>("find");
        QTest::addColumn<bool>("found");
        QTest::addColumn<bool>("toSwitchedOff"); // the check: sends to a device switched off
        QTest::addColumn<bool>("unshownValue");  // the check: a value no editor shows
        QTest::addColumn<QString>("summary");    // program changes | control changes | overrides
        const int e = programchange::kEnabled, n = programchange::kNumber;
        const int b = programchange::kBankSelectEnabled, m = programchange::kMsbBank, l = programchange::kLsbBank;
        const QVector<int> ccWhole{cc, 1, cc + 1, kAmp, cc + 2, 11, cc + 3, 64};
        const QVector<int> ovWhole{ovr, 1, ovr + 1, 40, ovr + 2, kAmp, ovr + 3, 100, ovr + 4, 10};
        const auto with = [](QVector<int> bytes, int at, int byte) { return bytes << at << byte; };
        const auto row = [](const char *name, const QVector<int> &bytes, const QStringList &play,
                            const QStringList &index, const char *find, bool found, bool off, bool unshown,
                            const char *summary) {
            QTest::newRow(name) << bytes << play << index << QString(find) << found << off << unshown
                                << QString(summary);
        };
        row("pc enabled 2", {pc + e, 2, pc + n, 5}, {"c205"}, {"c205"}, "pc 5", true, true, true, "Amp 005|0|0");
        row("pc 200 is found as 0", {pc + e, 1, pc + n, 200}, {"c200"}, {"c200"}, "pc 0", true, true, true,
            "Amp 000|0|0");
        row("pc 200 is not found as 200", {pc + e, 1, pc + n, 200}, {"c200"}, {"c200"}, "pc 200", false, true,
            true, "Amp 000|0|0");
        row("pc MSB 130", {pc + e, 1, pc + n, 5, pc + b, 3, pc + m, 130, pc + l, 3}, {"b20000", "b22003", "c205"},
            {"b20000", "b22003", "c205"}, "pc 5", true, true, true, "Amp 005 (bank 000/003)|0|0");
        row("cc whole", ccWhole, {"b20b40"}, {"b20b40"}, "cc 11", true, true, false, "|1|0");
        row("cc enabled 2", with(ccWhole, cc, 2), {}, {}, "cc 11", false, false, true, "|0|0");
        row("cc number 200", with(ccWhole, cc + 2, 200), {}, {}, "cc 200", false, false, true, "|0|0");
        row("cc device 16", with(ccWhole, cc + 1, 16), {}, {}, "cc 11", false, false, true, "|0|0");
        row("cc value 130", with(ccWhole, cc + 3, 130), {}, {}, "cc 11", false, false, true, "|0|0");
        row("override whole", ovWhole, {}, {"b22864"}, "cc 40", true, true, false, "|0|1");
        row("override on 2", with(ovWhole, ovr, 2), {}, {}, "cc 40", false, false, true, "|0|0");
        row("override device 16", with(ovWhole, ovr + 2, 16), {}, {}, "cc 40", false, false, true, "|0|0");
        row("override off value 200", with(ovWhole, ovr + 4, 200), {}, {}, "cc 40", false, false, true, "|0|0");
        row("pedal channel 200", {pd, 1, pd + 1, 200, pd + 2, 9}, {}, {"b00900"}, "cc 9", false, false,
            true, "|0|0");
    }
    void oneReading()
    {
        QFETCH(QVector<int>, bytes);
        QFETCH(QStringList, play);
        QFETCH(QStringList, index);
        QFETCH(QString, find);
        QFETCH(bool, found);
        QFETCH(bool, toSwitchedOff);
        QFETCH(bool, unshownValue);
        QFETCH(QString, summary);
        const std::vector<unsigned char> memory = imageWith(bytes);
        const unsigned char *image = memory.data();
        QCOMPARE(preset_messages(image, kRecord), hexMessages(play));
        QCOMPARE(explained(MemorySenders(image)), index);
        QCOMPARE(PresetQuery(find, image).matches(image, kRecord, false), found);
        const QVector<Finding> findings = check_memory(image);
        QCOMPARE(hasFinding(findings, Severity::Problem, "switched off"), toSwitchedOff);
        QCOMPARE(hasFinding(findings, Severity::Warning, "don't show"), unshownValue);
        QCOMPARE(QStringList({program_change_summary(image, kRecord), QString::number(control_changes_on(image, kRecord)),
                              QString::number(overrides_on(image, kRecord))}).join('|'),
                 summary);
    }
};

VEKTOR_TEST_MAIN(TestPresetSends)
#include "test_preset_sends.moc"
