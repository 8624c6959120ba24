#pragma once

// Facts of one 290-byte preset record that the find and the check both ask.

// Still called by a factory name: "Preset " and three digits, as a new
// memory names every slot (wherever the preset has moved since).
bool has_factory_name(const unsigned char *record);

// Its program change to device 0..15 is on.
bool sends_program_change(const unsigned char *record, int device);
// A control change of its list, or an instant-access override, that it sends
// goes to device 0..15.
bool sends_control_change(const unsigned char *record, int device);
