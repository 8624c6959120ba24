#include "midi_system.h"

#include <rtmidi/RtMidi.h>

#include <vector>

namespace {

constexpr unsigned kInputQueueLimit = 100;

bool createBoth(MidiSystem &midi, RtMidi::Api api)
{
    try {
        midi.out = std::make_unique<RtMidiOut>(api, "RtMidi Output Client");
        midi.in = std::make_unique<RtMidiIn>(api, "RtMidi Input Client", kInputQueueLimit);
        return true;
    } catch (RtMidiError &error) {
        error.printMessage();
        // Both objects must speak to the same MIDI system.
        midi.in.reset();
        midi.out.reset();
        return false;
    }
}

} // namespace

MidiSystem create_midi_system()
{
    MidiSystem midi;
    if (createBoth(midi, RtMidi::UNSPECIFIED))
        return midi;

    // The default gave up on the first compiled system; the others may run.
    std::vector<RtMidi::Api> apis;
    RtMidi::getCompiledApi(apis);
    for (size_t i = 1; i < apis.size(); ++i) {
        if (createBoth(midi, apis[i]))
            return midi;
    }
    return midi;
}
