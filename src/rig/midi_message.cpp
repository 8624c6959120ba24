#include "midi_message.h"

#include "fields.h"

namespace {

// Data bytes a channel message carries, by its high nibble 8..E.
int channelDataBytes(unsigned char status)
{
    switch (status >> 4) {
    case 0xC:
    case 0xD:
        return 1;
    default:
        return 2;
    }
}

MidiKind channelKind(unsigned char status)
{
    static const MidiKind kinds[] = {MidiKind::NoteOff,       MidiKind::NoteOn,          MidiKind::PolyPressure,
                                     MidiKind::ControlChange, MidiKind::ProgramChange,   MidiKind::ChannelPressure,
                                     MidiKind::PitchBend};
    return kinds[(status >> 4) - 8];
}

// System messages F1..FF with their data byte counts (-1: not defined).
struct SystemKind {
    MidiKind kind;
    int dataBytes;
};

SystemKind systemKind(unsigned char status)
{
    switch (status) {
    case 0xF1: return {MidiKind::TimeCode, 1};
    case 0xF2: return {MidiKind::SongPosition, 2};
    case 0xF3: return {MidiKind::SongSelect, 1};
    case 0xF6: return {MidiKind::TuneRequest, 0};
    case 0xF8: return {MidiKind::Clock, 0};
    case 0xFA: return {MidiKind::Start, 0};
    case 0xFB: return {MidiKind::Continue, 0};
    case 0xFC: return {MidiKind::Stop, 0};
    case 0xFE: return {MidiKind::ActiveSensing, 0};
    case 0xFF: return {MidiKind::Reset, 0};
    default: return {MidiKind::Unknown, -1};
    }
}

} // namespace

MidiMessage decode_midi_message(const unsigned char *bytes, int length, double time, const QString &port,
                                MidiDirection direction)
{
    MidiMessage message;
    message.time = time;
    message.port = port;
    message.direction = direction;
    message.bytes = QByteArray(reinterpret_cast<const char *>(bytes), length);
    if (length <= 0)
        return message;
    const unsigned char status = bytes[0];
    message.status = status;
    int wanted = -1;
    if (status >= 0x80 && status < 0xF0) {
        message.kind = channelKind(status);
        wanted = channelDataBytes(status);
    } else if (status == 0xF0) {
        message.kind = MidiKind::SysEx;
        return message;
    } else if (status > 0xF0) {
        const SystemKind system = systemKind(status);
        message.kind = system.kind;
        wanted = system.dataBytes;
    }
    if (wanted < 0 || length < 1 + wanted) {
        message.kind = MidiKind::Unknown;
        return message;
    }
    if (status < 0xF0)
        message.channel = status & 0x0F;
    if (wanted >= 1)
        message.data1 = bytes[1] & 0x7F;
    if (wanted >= 2)
        message.data2 = bytes[2] & 0x7F;
    return message;
}

MidiMessage decode_midi_message(const QByteArray &bytes, double time, const QString &port, MidiDirection direction)
{
    return decode_midi_message(reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size(), time, port,
                               direction);
}

bool is_timing_message(const MidiMessage &message)
{
    return message.kind == MidiKind::Clock || message.kind == MidiKind::ActiveSensing;
}

QString midi_bytes_text(const MidiMessage &message)
{
    return hex_text(reinterpret_cast<const unsigned char *>(message.bytes.constData()), message.bytes.size());
}
