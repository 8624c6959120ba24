#pragma once

#include <optional>

// What one 290-byte preset record sends, read from its stored bytes the way
// the preset editors show them. Play, the monitor's explainer, the find, the
// check and the library's summary all read a preset here, so that it is
// played, found and checked as the editor shows it.

// A channel (max 15) or MIDI data byte (max 127) as the presets dialog shows
// it: read signed and fitted, so 200 (-56) is 0 and 20 as a channel is 4.
int fitted_byte(unsigned char byte, int max);

// The program change to device 0..15 as the presets dialog shows its row:
// the flags are on for any nonzero byte, the numbers are fitted.
struct ProgramChangeEntry {
    bool enabled;
    int number;
    bool bankSelect;
    int msb;
    int lsb;
};
ProgramChangeEntry program_change_entry(const unsigned char *record, int device);

// Expression pedal 0..1 of the preset, as the presets dialog shows it.
struct PresetPedalEntry {
    bool enabled;
    int channel;
    int controlChange;
};
PresetPedalEntry preset_pedal_entry(const unsigned char *record, int pedal);

// Control-change entries and instant-access overrides are list positions
// that their dialogs show unfitted: a byte outside its list is a blank box.
// An entry is sent only when it is on (byte 1) and shows every box filled.
struct ControlChangeSent {
    int device;
    int number;
    int value;
};
std::optional<ControlChangeSent> control_change_sent(const unsigned char *record, int entry);

struct OverrideSent {
    int device;
    int controlChange;
    int onValue;
    int offValue;
};
std::optional<OverrideSent> override_sent(const unsigned char *record, int button);

// A relay, loop or output byte: list positions 0, 1, 2 as they stand.
enum class SwitchState { Off, On, Unchanged, Unknown };
SwitchState switch_state(unsigned char byte);
