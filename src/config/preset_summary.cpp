#include "preset_summary.h"

#include "fields.h"
#include "image_layout.h"
#include "preset_list.h"
#include "preset_sends.h"

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

QString number3(int n)
{
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

QString deviceName(const unsigned char *image, int d)
{
    const QString name = name_text(image + deviceOffset(d) + device::kName).trimmed();
    return name.isEmpty() ? Text::tr("Ch %1").arg(d + 1) : name;
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

// " 'Plexi Lead' (1A)" after a program change's number, or nothing.
QString soundOf(const SoundNamer &sound, int device, const ProgramChangeEntry &entry)
{
    const QString name = sound ? sound(device, entry) : QString();
    return name.isEmpty() ? QString() : QLatin1Char(' ') + name;
}

} // namespace

QString preset_run_text(int first, int count)
{
    return count == 1 ? preset_number_text(first)
                      : preset_number_text(first) + QChar(0x2013) + preset_number_text(first + count - 1);
}

QString program_change_summary(const unsigned char *image, int i, const SoundNamer &sound)
{
    QStringList parts;
    for (int c = 0; c < preset::kProgramChangeCount; ++c) {
        const ProgramChangeEntry entry = program_change_entry(record(image, i), c);
        if (!entry.enabled)
            continue;
        QString part = deviceName(image, c) + QLatin1Char(' ') + number3(entry.number) + soundOf(sound, c, entry);
        if (entry.bankSelect)
            part += Text::tr(" (bank %1/%2)").arg(number3(entry.msb), number3(entry.lsb));
        parts << part;
    }
    return parts.join(QStringLiteral(", "));
}

QString program_change_details(const unsigned char *image, int i, const SoundNamer &sound)
{
    QStringList lines;
    for (int c = 0; c < preset::kProgramChangeCount; ++c) {
        const ProgramChangeEntry entry = program_change_entry(record(image, i), c);
        if (!entry.enabled)
            continue;
        QString line = Text::tr("%1: program %2").arg(device_entry_text(image, c), number3(entry.number))
                       + soundOf(sound, c, entry);
        if (entry.bankSelect)
            line += Text::tr(", bank select MSB %1, LSB %2").arg(number3(entry.msb), number3(entry.lsb));
        lines << line;
    }
    return lines.isEmpty() ? Text::tr("No program change") : lines.join(QLatin1Char('\n'));
}

QString switching_summary(const unsigned char *image, int i)
{
    QStringList parts;
    for (const SwitchByte &s : switchBytes(image, i)) {
        switch (switch_state(s.value)) {
        case SwitchState::On: parts << s.shortName; break;
        case SwitchState::Unchanged: parts << QLatin1Char('(') + s.shortName + QLatin1Char(')'); break;
        case SwitchState::Unknown: parts << s.shortName + QLatin1Char('?'); break;
        case SwitchState::Off: break;
        }
    }
    static const char *const outputs[] = {"A", "B", "A/B"};
    const SwitchState output = switch_state(record(image, i)[preset::kOutput]);
    parts << (output == SwitchState::Unknown ? QStringLiteral("?") : QLatin1String(outputs[int(output)]));
    return parts.join(QLatin1Char(' '));
}

QString switching_details(const unsigned char *image, int i)
{
    const QString states[] = {Text::tr("off"), Text::tr("on"), Text::tr("unchanged"), Text::tr("unknown")};
    QStringList parts;
    for (const SwitchByte &s : switchBytes(image, i))
        parts << Text::tr("%1: %2").arg(s.longName, states[int(switch_state(s.value))]);
    const QString outputs[] = {QStringLiteral("A"), QStringLiteral("B"), Text::tr("unchanged"), Text::tr("unknown")};
    parts << Text::tr("Output: %1").arg(outputs[int(switch_state(record(image, i)[preset::kOutput]))]);
    return parts.join(QStringLiteral(", "));
}

int control_changes_on(const unsigned char *image, int i)
{
    int on = 0;
    for (int j = 0; j < preset::kControlChangeCount; ++j)
        on += control_change_sent(record(image, i), j).has_value();
    return on;
}

int overrides_on(const unsigned char *image, int i)
{
    int on = 0;
    for (int b = 0; b < preset::kOverrideCount; ++b)
        on += override_sent(record(image, i), b).has_value();
    return on;
}
