#include "memory_senders.h"

#include "fields.h"
#include "image_layout.h"
#include "preset_sends.h"

#include <QCoreApplication>

using namespace layout;

namespace {

// Footswitch functions, as the global settings list them.
constexpr int kInstantAccess = 3;
constexpr int kCustom = 5;
constexpr int kIncrement = 6;
constexpr int kDecrement = 7;

constexpr int kChannels = 16;
constexpr int kNumbers = 128;

// The message at the start of a raw message field, as far as its status
// byte says it reaches; empty when it starts with no status byte.
QByteArray rawMessage(const unsigned char *raw)
{
    const unsigned char status = raw[0];
    int length = 0;
    if (status >= 0x80 && status < 0xF0)
        length = (status >> 4) == 0xC || (status >> 4) == 0xD ? 2 : 3;
    else if (status == 0xF6 || status >= 0xF8)
        length = 1;
    return QByteArray(reinterpret_cast<const char *>(raw), length);
}

} // namespace

MemorySenders::MemorySenders()
    : programs(kChannels * kNumbers)
    , controls(kChannels * kNumbers)
{
}

MemorySenders::MemorySenders(const unsigned char *image)
    : MemorySenders()
{
    for (int d = 0; d < kDeviceCount; ++d)
        deviceTexts << device_entry_text(image, d);
    for (int k = 0; k < kButtonCount; ++k)
        buttonNames << name_text(image + buttonOffset(k) + button::kName);

    for (int i = 0; i < kPresetCount; ++i) {
        const unsigned char *record = image + presetOffset(i);
        presetTexts << QStringLiteral("%1 %2").arg(preset_number(i), 3, 10, QLatin1Char('0'))
                           .arg(name_text(record + preset::kName));
        for (int c = 0; c < preset::kProgramChangeCount; ++c) {
            const ProgramChangeEntry entry = program_change_entry(record, c);
            if (!entry.enabled)
                continue;
            programs[key(c, entry.number)].append({i, entry.bankSelect, entry.msb, entry.lsb});
            if (entry.bankSelect) {
                controls[key(c, 0)].append({ControlSource::BankMsb, i, c, entry.msb, 0});
                controls[key(c, 32)].append({ControlSource::BankLsb, i, c, entry.lsb, 0});
            }
        }
        for (int j = 0; j < preset::kControlChangeCount; ++j)
            if (const auto sent = control_change_sent(record, j))
                controls[key(sent->device, sent->number)].append({ControlSource::PresetEntry, i, j, sent->value, 0});
        for (int p = 0; p < kPedalCount; ++p) {
            const PresetPedalEntry entry = preset_pedal_entry(record, p);
            if (entry.enabled)
                controls[key(entry.channel, entry.controlChange)].append({ControlSource::PresetPedal, i, p, 0, 0});
        }
        for (int b = 0; b < preset::kOverrideCount; ++b)
            if (const auto sent = override_sent(record, b))
                controls[key(sent->device, sent->controlChange)].append(
                    {ControlSource::Override, i, b, sent->onValue, sent->offValue});
    }

    for (int k = 0; k < kButtonCount; ++k) {
        const unsigned char *record = image + buttonOffset(k);
        const int function = fitted_byte(record[button::kFunction], 13);
        const int channel = fitted_byte(record[button::kChannel], 15);
        const int number = fitted_byte(record[button::kControlChange], 127);
        if (function == kInstantAccess)
            controls[key(channel, number)].append({ControlSource::InstantAccess, -1, k,
                                                   fitted_byte(record[button::kOnValue], 127),
                                                   fitted_byte(record[button::kOffValue], 127)});
        else if (function == kIncrement || function == kDecrement)
            controls[key(channel, number)].append(
                {function == kIncrement ? ControlSource::Increment : ControlSource::Decrement, -1, k, 0, 0});
        else if (function == kCustom) {
            for (const bool on : {true, false}) {
                const QByteArray bytes = rawMessage(record + (on ? button::kOnCustom : button::kOffCustom));
                if (!bytes.isEmpty())
                    customs.append({k, on, bytes});
            }
        }
    }
}

const QVector<ProgramSender> &MemorySenders::programSenders(int channel, int program) const
{
    return programs[key(channel & 15, program & 127)];
}

const QVector<ControlSender> &MemorySenders::controlSenders(int channel, int number) const
{
    return controls[key(channel & 15, number & 127)];
}

QString MemorySenders::deviceText(int channel) const
{
    if (channel >= 0 && channel < deviceTexts.size())
        return deviceTexts[channel];
    return QCoreApplication::translate("MidiExplainer", "channel %1").arg(channel + 1, 2, 10, QLatin1Char('0'));
}

QString MemorySenders::presetText(int record) const
{
    return record >= 0 && record < presetTexts.size() ? presetTexts[record] : QString::number(record);
}

QString MemorySenders::buttonName(int button) const
{
    return button >= 0 && button < buttonNames.size() ? buttonNames[button] : QString();
}
