#include "preset_summary.h"

#include "fields.h"
#include "image_layout.h"
#include "preset_list.h"

#include <QCoreApplication>
#include <QStringList>

using namespace layout;

namespace {

// The texts of this file belong to the "PresetSummary" translation context; lupdate
// finds them by the qualified calls.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PresetSummary)
};

const unsigned char *record(const unsigned char *image, int i)
{
    return image + presetOffset(i);
}

// As the preset editor shows a number: a byte that reads as negative is 0.
int shownNumber(unsigned char byte)
{
    return fit_value(static_cast<signed char>(byte), 127);
}

QString number3(int n)
{
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

QString deviceName(const unsigned char *image, int d)
{
    const QString name = name_text(image + deviceOffset(d) + device::kName).trimmed();
    return name.isEmpty() ? Text::tr("Ch %1").arg(d + 1) : name;
}

// Relays, loops and the output store 0 off (A), 1 on (B), 2 unchanged.
enum class Switch { Off, On, Unchanged, Odd };

Switch switchOf(unsigned char byte)
{
    return byte == 0 ? Switch::Off : byte == 1 ? Switch::On : byte == 2 ? Switch::Unchanged : Switch::Odd;
}

struct SwitchByte {
    QString shortName;
    QString longName;
    unsigned char value;
};

QList<SwitchByte> switchBytes(const unsigned char *image, int i)
{
    const unsigned char *r = record(image, i);
    QList<SwitchByte> bytes;
    for (int k = 0; k < kRelayCount; ++k)
        bytes.append({QStringLiteral("R%1").arg(k + 1), Text::tr("Relay %1").arg(k + 1), r[preset::kRelays + k]});
    for (int k = 0; k < preset::kLoopCount; ++k)
        bytes.append({QStringLiteral("L%1").arg(k + 1), Text::tr("Loop %1").arg(k + 1), r[preset::kLoops + k]});
    return bytes;
}

} // namespace

QString preset_run_text(int first, int count)
{
    return count == 1 ? preset_number_text(first)
                      : preset_number_text(first) + QChar(0x2013) + preset_number_text(first + count - 1);
}

QString program_change_summary(const unsigned char *image, int i)
{
    QStringList parts;
    for (int c = 0; c < preset::kProgramChangeCount; ++c) {
        const unsigned char *entry = record(image, i) + preset::programChangeOffset(c);
        if (!flag_is_on(entry[programchange::kEnabled]))
            continue;
        QString part = deviceName(image, c) + QLatin1Char(' ') + number3(shownNumber(entry[programchange::kNumber]));
        if (flag_is_on(entry[programchange::kBankSelectEnabled]))
            part += Text::tr(" (bank %1/%2)")
                        .arg(number3(shownNumber(entry[programchange::kMsbBank])),
                             number3(shownNumber(entry[programchange::kLsbBank])));
        parts << part;
    }
    return parts.join(QStringLiteral(", "));
}

QString program_change_details(const unsigned char *image, int i)
{
    QStringList lines;
    for (int c = 0; c < preset::kProgramChangeCount; ++c) {
        const unsigned char *entry = record(image, i) + preset::programChangeOffset(c);
        if (!flag_is_on(entry[programchange::kEnabled]))
            continue;
        QString line = Text::tr("%1: program %2").arg(device_entry_text(image, c),
                                                number3(shownNumber(entry[programchange::kNumber])));
        if (flag_is_on(entry[programchange::kBankSelectEnabled]))
            line += Text::tr(", bank select MSB %1, LSB %2")
                        .arg(number3(shownNumber(entry[programchange::kMsbBank])),
                             number3(shownNumber(entry[programchange::kLsbBank])));
        lines << line;
    }
    return lines.isEmpty() ? Text::tr("No program change") : lines.join(QLatin1Char('\n'));
}

QString switching_summary(const unsigned char *image, int i)
{
    QStringList parts;
    for (const SwitchByte &s : switchBytes(image, i)) {
        switch (switchOf(s.value)) {
        case Switch::On: parts << s.shortName; break;
        case Switch::Unchanged: parts << QLatin1Char('(') + s.shortName + QLatin1Char(')'); break;
        case Switch::Odd: parts << s.shortName + QLatin1Char('?'); break;
        case Switch::Off: break;
        }
    }
    static const char *const outputs[] = {"A", "B", "A/B"};
    const Switch output = switchOf(record(image, i)[preset::kOutput]);
    parts << (output == Switch::Odd ? QStringLiteral("?") : QLatin1String(outputs[int(output)]));
    return parts.join(QLatin1Char(' '));
}

QString switching_details(const unsigned char *image, int i)
{
    const QString states[] = {Text::tr("off"), Text::tr("on"), Text::tr("unchanged"), Text::tr("unknown")};
    QStringList parts;
    for (const SwitchByte &s : switchBytes(image, i))
        parts << Text::tr("%1: %2").arg(s.longName, states[int(switchOf(s.value))]);
    const QString outputs[] = {QStringLiteral("A"), QStringLiteral("B"), Text::tr("unchanged"), Text::tr("unknown")};
    parts << Text::tr("Output: %1").arg(outputs[int(switchOf(record(image, i)[preset::kOutput]))]);
    return parts.join(QStringLiteral(", "));
}

int control_changes_on(const unsigned char *image, int i)
{
    int on = 0;
    for (int j = 0; j < preset::kControlChangeCount; ++j)
        on += record(image, i)[preset::controlChangeOffset(j) + controlchange::kEnabled] != 0;
    return on;
}

int overrides_on(const unsigned char *image, int i)
{
    int on = 0;
    for (int b = 0; b < preset::kOverrideCount; ++b)
        on += record(image, i)[preset::overrideOffset(b) + override_::kOverride] != 0;
    return on;
}
