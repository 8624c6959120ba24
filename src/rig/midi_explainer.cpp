#include "midi_explainer.h"

#include "dump_messages.h"
#include "memory_senders.h"
#include "preset_list.h"
#include "sound_names.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

// The context of the explanations' texts in the translations.
struct MidiExplainer {
    Q_DECLARE_TR_FUNCTIONS(MidiExplainer)
};

// More presets than this are listed by their numbers only.
constexpr int kNamedPresets = 3;

// Of a long list only the first runs are written out: the count says the rest.
constexpr int kListedRuns = 6;

QString presetRunsText(const QVector<int> &records)
{
    QStringList runs;
    for (int k = 0; k < records.size();) {
        if (runs.size() == kListedRuns) {
            runs << QStringLiteral("...");
            break;
        }
        int end = k;
        while (end + 1 < records.size() && records[end + 1] == records[end] + 1)
            ++end;
        runs << (end == k ? preset_number_text(records[k])
                          : preset_number_text(records[k]) + QLatin1Char('-') + preset_number_text(records[end]));
        k = end + 1;
    }
    return runs.join(QStringLiteral(", "));
}

QString presetsText(const MemorySenders &memory, QVector<int> records)
{
    // Senders come in record order, each kind on its own; only a mix needs sorting.
    if (!std::is_sorted(records.begin(), records.end()))
        std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    if (records.size() == 1)
        return MidiExplainer::tr("preset %1").arg(memory.presetText(records.first()));
    if (records.size() <= kNamedPresets) {
        QStringList names;
        for (int record : records)
            names << memory.presetText(record);
        return MidiExplainer::tr("presets %1").arg(names.join(QStringLiteral(", ")));
    }
    return MidiExplainer::tr("%n presets (%1)", nullptr, records.size()).arg(presetRunsText(records));
}

QString noteName(int note)
{
    static const char *const names[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    return QStringLiteral("%1%2 (%3)").arg(QLatin1String(names[note % 12])).arg(note / 12 - 1).arg(note);
}

QString footswitchText(const MemorySenders &memory, int button)
{
    const QString name = memory.buttonName(button);
    return name.isEmpty() ? MidiExplainer::tr("footswitch %1").arg(button + 1)
                          : MidiExplainer::tr("footswitch %1 \"%2\"").arg(button + 1).arg(name);
}

// The custom footswitch messages that are exactly this message.
void addCustomSenders(const MidiMessage &message, const MemorySenders &memory, QStringList &parts)
{
    for (const CustomSender &custom : memory.customSenders())
        if (custom.bytes == message.bytes)
            parts << (custom.on ? MidiExplainer::tr("%1 (custom, on)") : MidiExplainer::tr("%1 (custom, off)")).arg(footswitchText(memory, custom.button));
}

void clearBank(ExplainState &state, int channel)
{
    state.bankMsb[channel] = -1;
    state.bankLsb[channel] = -1;
}

Explanation programChange(const MidiMessage &message, const MemorySenders &memory, ExplainState &state,
                          const RigNames &rig)
{
    const int channel = message.channel;
    const int msb = state.bankMsb[channel], lsb = state.bankLsb[channel];
    const bool bank = msb >= 0 || lsb >= 0;
    clearBank(state, channel);
    state.pedalRun = -1;

    Explanation result;
    result.device = memory.deviceText(channel);
    result.event = bank ? MidiExplainer::tr("Program change %1 (bank %2/%3)")
                              .arg(message.data1)
                              .arg(msb >= 0 ? QString::number(msb) : QStringLiteral("-"))
                              .arg(lsb >= 0 ? QString::number(lsb) : QStringLiteral("-"))
                        : MidiExplainer::tr("Program change %1").arg(message.data1);
    const QString sound = quoted_patch_text(find_patch(rig.devices[channel], bank, msb, lsb, message.data1));
    if (!sound.isEmpty())
        result.event += QLatin1Char(' ') + sound;
    result.message = MidiExplainer::tr("%1 to %2").arg(result.event, result.device);
    QVector<int> records;
    for (const ProgramSender &sender : memory.programSenders(channel, message.data1)) {
        const bool sameBank = sender.bankSelect && (msb < 0 || sender.msb == msb) && (lsb < 0 || sender.lsb == lsb);
        if (bank ? sameBank : !sender.bankSelect)
            records << sender.record;
    }
    QStringList parts;
    if (!records.isEmpty())
        parts << MidiExplainer::tr("sent by %1").arg(presetsText(memory, records));
    addCustomSenders(message, memory, parts);
    result.explanation = parts.isEmpty() ? nothing_sends_this() : parts.join(QStringLiteral("; "));
    return result;
}

Explanation controlChange(const MidiMessage &message, const MemorySenders &memory, ExplainState &state,
                          const RigNames &rig)
{
    const int channel = message.channel, number = message.data1, value = message.data2;
    if (number == 0)
        state.bankMsb[channel] = value;
    else if (number == 32)
        state.bankLsb[channel] = value;
    else
        clearBank(state, channel);

    Explanation result;
    result.device = memory.deviceText(channel);
    const QString control = control_name(rig.devices[channel], number);
    result.event = control.isEmpty()
        ? MidiExplainer::tr("Control change %1 = %2").arg(number).arg(value)
        : MidiExplainer::tr("Control change %1 '%2' = %3").arg(QString::number(number), control, QString::number(value));
    result.message = MidiExplainer::tr("%1 to %2").arg(result.event, result.device);

    QVector<int> entries, banks, pedals[2], overrides[9];
    QStringList footswitches;
    for (const ControlSender &sender : memory.controlSenders(channel, number)) {
        switch (sender.source) {
        case ControlSource::PresetEntry:
            if (sender.value == value)
                entries << sender.record;
            break;
        case ControlSource::BankMsb:
        case ControlSource::BankLsb:
            if (sender.value == value)
                banks << sender.record;
            break;
        case ControlSource::PresetPedal:
            pedals[sender.slot & 1] << sender.record;
            break;
        case ControlSource::Override:
            if (sender.value == value || sender.value2 == value)
                overrides[sender.slot % 9] << sender.record;
            break;
        case ControlSource::InstantAccess:
            if (sender.value == value)
                footswitches << MidiExplainer::tr("%1 (instant access, on)").arg(footswitchText(memory, sender.slot));
            else if (sender.value2 == value)
                footswitches << MidiExplainer::tr("%1 (instant access, off)").arg(footswitchText(memory, sender.slot));
            break;
        case ControlSource::Increment:
            footswitches << MidiExplainer::tr("%1 (CC increment)").arg(footswitchText(memory, sender.slot));
            break;
        case ControlSource::Decrement:
            footswitches << MidiExplainer::tr("%1 (CC decrement)").arg(footswitchText(memory, sender.slot));
            break;
        }
    }

    QStringList parts;
    if (!entries.isEmpty())
        parts << MidiExplainer::tr("sent by %1").arg(presetsText(memory, entries));
    if (!banks.isEmpty())
        parts << MidiExplainer::tr("bank select of %1").arg(presetsText(memory, banks));
    parts << footswitches;
    const int run = channel * 128 + number;
    const bool pedal = !pedals[0].isEmpty() || !pedals[1].isEmpty();
    if (pedal && state.pedalRun == run) {
        parts << MidiExplainer::tr("pedal run goes on");
    } else {
        for (int p = 0; p < 2; ++p)
            if (!pedals[p].isEmpty())
                parts << MidiExplainer::tr("pedal %1 of %2").arg(p + 1).arg(presetsText(memory, pedals[p]));
    }
    state.pedalRun = pedal ? run : -1;
    for (int b = 0; b < 9; ++b)
        if (!overrides[b].isEmpty())
            parts << MidiExplainer::tr("instant-access override of footswitch %1 in %2").arg(b + 1).arg(presetsText(memory, overrides[b]));
    addCustomSenders(message, memory, parts);
    result.explanation = parts.isEmpty() ? nothing_sends_this() : parts.join(QStringLiteral("; "));
    return result;
}

// The 7-bit groups of a number, least significant first.
int sevenBitNumber(const unsigned char *at, int groups)
{
    int value = 0;
    for (int k = groups - 1; k >= 0; --k)
        value = (value << 7) | (at[k] & 0x7F);
    return value;
}

QString dumpText(const MidiMessage &message, ExplainState &state)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(message.bytes.constData());
    const int length = message.bytes.size();
    if (length < 2 || bytes[length - 1] != 0xF7)
        return MidiExplainer::tr("not closed by F7");
    switch (classify_dump_message(bytes, length)) {
    case DumpMessageKind::Header: {
        if (length < 15)
            return MidiExplainer::tr("dump header, too short");
        const int fileLength = sevenBitNumber(bytes + 10, 4);
        const QString name = QString::fromLatin1(reinterpret_cast<const char *>(bytes + 14), length - 15);
        state.packetsHeard = 0;
        state.packetsAnnounced = (fileLength + dump::kMaxRawPerPacket - 1) / dump::kMaxRawPerPacket;
        // One substitution: the name came from the wire, and a "%2" in it
        // must stay text, not take the place of the size.
        return MidiExplainer::tr("dump header: %1, %2 bytes in %3 packets")
            .arg(name, QString::number(fileLength), QString::number(state.packetsAnnounced));
    }
    case DumpMessageKind::DataPacket: {
        if (length < 9)
            return MidiExplainer::tr("dump packet, too short");
        const bool sound = dump_checksum_quiet(bytes, 1, length - 2) == bytes[length - 2];
        ++state.packetsHeard;
        const QString which = state.packetsAnnounced >= 0
            ? MidiExplainer::tr("dump packet %1 of %2").arg(state.packetsHeard).arg(state.packetsAnnounced)
            : MidiExplainer::tr("dump packet number %1 (no header heard)").arg(bytes[5]);
        return which + QStringLiteral(", ") + (sound ? MidiExplainer::tr("checksum holds") : MidiExplainer::tr("checksum wrong"));
    }
    case DumpMessageKind::EndOfFile: {
        const QString text = MidiExplainer::tr("dump end: %1 packets heard").arg(state.packetsHeard);
        state.packetsHeard = 0;
        state.packetsAnnounced = -1;
        return text;
    }
    case DumpMessageKind::Request: return MidiExplainer::tr("dump request");
    case DumpMessageKind::Wait: return MidiExplainer::tr("dump handshake: wait");
    case DumpMessageKind::Cancel: return MidiExplainer::tr("dump handshake: cancel");
    case DumpMessageKind::Nak: return MidiExplainer::tr("dump handshake: not received (NAK)");
    case DumpMessageKind::Ack: return MidiExplainer::tr("dump handshake: received (ACK)");
    case DumpMessageKind::Unknown:
    case DumpMessageKind::TooShort: break;
    }
    return MidiExplainer::tr("not a dump message");
}

QString systemText(const MidiMessage &message)
{
    switch (message.kind) {
    case MidiKind::TimeCode: return MidiExplainer::tr("Time code quarter frame %1").arg(message.data1);
    case MidiKind::SongPosition: return MidiExplainer::tr("Song position %1").arg(message.data1 | (message.data2 << 7));
    case MidiKind::SongSelect: return MidiExplainer::tr("Song select %1").arg(message.data1);
    case MidiKind::TuneRequest: return MidiExplainer::tr("Tune request");
    case MidiKind::Clock: return MidiExplainer::tr("Clock");
    case MidiKind::Start: return MidiExplainer::tr("Start");
    case MidiKind::Continue: return MidiExplainer::tr("Continue");
    case MidiKind::Stop: return MidiExplainer::tr("Stop");
    case MidiKind::ActiveSensing: return MidiExplainer::tr("Active sensing");
    case MidiKind::Reset: return MidiExplainer::tr("System reset");
    default: return MidiExplainer::tr("Unknown bytes");
    }
}

QString channelText(const MidiMessage &message)
{
    switch (message.kind) {
    case MidiKind::NoteOff: return MidiExplainer::tr("Note off %1, velocity %2").arg(noteName(message.data1)).arg(message.data2);
    case MidiKind::NoteOn: return MidiExplainer::tr("Note on %1, velocity %2").arg(noteName(message.data1)).arg(message.data2);
    case MidiKind::PolyPressure: return MidiExplainer::tr("Key pressure %1, %2").arg(noteName(message.data1)).arg(message.data2);
    case MidiKind::ChannelPressure: return MidiExplainer::tr("Channel pressure %1").arg(message.data1);
    case MidiKind::PitchBend: return MidiExplainer::tr("Pitch bend %1").arg((message.data1 | (message.data2 << 7)) - 8192);
    default: return MidiExplainer::tr("Unknown bytes");
    }
}

} // namespace

ExplainState::ExplainState()
{
    std::fill(std::begin(bankMsb), std::end(bankMsb), -1);
    std::fill(std::begin(bankLsb), std::end(bankLsb), -1);
}

QString nothing_sends_this()
{
    return MidiExplainer::tr("no preset sends this");
}

Explanation explain_message(const MidiMessage &message, const MemorySenders &memory, ExplainState &state)
{
    return explain_message(message, memory, state, rig_names());
}

Explanation explain_message(const MidiMessage &message, const MemorySenders &memory, ExplainState &state,
                            const RigNames &rig)
{
    if (message.kind == MidiKind::ProgramChange)
        return programChange(message, memory, state, rig);
    if (message.kind == MidiKind::ControlChange)
        return controlChange(message, memory, state, rig);

    Explanation result;
    if (!is_timing_message(message))
        state.pedalRun = -1;
    if (message.kind == MidiKind::SysEx) {
        result.message = result.event = MidiExplainer::tr("SysEx, %n bytes", nullptr, message.bytes.size());
        result.explanation = dumpText(message, state);
        return result;
    }
    if (!message.isChannelMessage()) {
        result.message = result.event = systemText(message);
        return result;
    }
    clearBank(state, message.channel);
    result.device = memory.deviceText(message.channel);
    result.message = result.event = channelText(message);
    QStringList parts;
    addCustomSenders(message, memory, parts);
    result.explanation = parts.isEmpty() ? nothing_sends_this() : parts.join(QStringLiteral("; "));
    return result;
}
