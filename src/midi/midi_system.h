#pragma once

#include <memory>

class RtMidiIn;
class RtMidiOut;

// The editor's two MIDI objects. Either may be missing when no MIDI system
// of the machine could be opened.
struct MidiSystem {
    std::unique_ptr<RtMidiOut> out;
    std::unique_ptr<RtMidiIn> in;
};

// Creates the output object, then the input object, with the library's
// default choice of MIDI system. When that fails (the default tries the
// ALSA sequencer first and gives up if there is none), each error is
// printed and the other compiled MIDI systems are tried in order.
MidiSystem create_midi_system();
