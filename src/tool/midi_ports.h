#pragma once

#include <QString>

#include <memory>

class RtMidi;
class RtMidiIn;
class RtMidiOut;

// The MIDI side of vektor-tool: the editor's MIDI system (its default API,
// then JACK), and a port named on the command line.

struct ToolMidi {
    std::unique_ptr<RtMidiOut> out;
    std::unique_ptr<RtMidiIn> in;
    QString error; // why there is no MIDI system
    bool ok() const { return error.isEmpty(); }
};

// Opens the MIDI system as the utility dialog does (its failed attempts go
// to standard error).
ToolMidi open_tool_midi();

struct ChosenPort {
    unsigned index = 0;
    QString name;
    QString error; // "no output port 7; vektor-tool ports lists them"
    bool ok() const { return error.isEmpty(); }
};

// `wanted` is a port number as `vektor-tool ports` shows it, a whole port name,
// or a part of one that names a single port; an empty one names none.
// `direction` is "output" or "input".
ChosenPort choose_port(RtMidi &midi, const QString &wanted, const char *direction);

// Opens the port `chosen` names, by its name: a port plugged in or out since
// it was chosen renumbers the others. False, with `error`, when that name is
// gone.
bool open_chosen_port(RtMidi &midi, const ChosenPort &chosen, const char *direction, QString *error);

// Stops a long transfer between two messages: the first Ctrl-C (SIGINT or
// SIGTERM) is only noted, for the command to poll.
void catch_interrupt();
bool interrupted();
