#pragma once

#include <QByteArray>
#include <QString>

// One MIDI message as it was heard (or sent), decoded once: the monitor's
// table, its log and the command line all read this value.

enum class MidiDirection { Received, Sent };

enum class MidiKind {
    NoteOff,
    NoteOn,
    PolyPressure,
    ControlChange,
    ProgramChange,
    ChannelPressure,
    PitchBend,
    SysEx,
    TimeCode,
    SongPosition,
    SongSelect,
    TuneRequest,
    Clock,
    Start,
    Continue,
    Stop,
    ActiveSensing,
    Reset,
    Unknown, // a lone data byte, an undefined status, a message cut short
};

struct MidiMessage {
    double time = 0;        // seconds since the monitor started listening
    QString port;
    MidiDirection direction = MidiDirection::Received;
    MidiKind kind = MidiKind::Unknown;
    unsigned char status = 0; // the first byte
    int channel = -1;         // 0..15 for channel messages, else -1
    int data1 = -1;           // first and second data byte, -1 when absent
    int data2 = -1;
    QByteArray bytes;         // the whole message as it arrived

    bool isChannelMessage() const { return channel >= 0; }
};

// Decodes one whole message as the MIDI system delivers it.
MidiMessage decode_midi_message(const unsigned char *bytes, int length, double time = 0,
                                const QString &port = QString(),
                                MidiDirection direction = MidiDirection::Received);
MidiMessage decode_midi_message(const QByteArray &bytes, double time = 0, const QString &port = QString(),
                                MidiDirection direction = MidiDirection::Received);

// Clock and active sensing: a steady stream that hides what a musician looks for.
bool is_timing_message(const MidiMessage &message);

// The bytes in hex as the editor shows raw messages: "b0 07 40".
QString midi_bytes_text(const MidiMessage &message);
