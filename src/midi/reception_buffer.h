#pragma once

#include <rtmidi/RtMidi.h>

#include <string>
#include <vector>

// Where a dump from the controller lands while it arrives. The MIDI system's
// thread appends through reception_input_callback and publishes the new count
// only after the bytes it covers (release; the reader acquires). So the GUI
// thread may read the count at any time, and the bytes below a count it has
// read even while the port is open: they are not written again until a reset,
// which the GUI thread itself makes. It saves the bytes only after closing
// the input port.

namespace reception {
constexpr int kCapacity = 262144;
}

// Allocates the process-wide buffer on first use.
void ensure_reception_buffer();
const unsigned char *reception_bytes();
int received_byte_count();
// Bytes that arrived with the buffer already full and were dropped.
int dropped_byte_count();
// Starts a new recording: count and dropped bytes back to 0.
void reset_reception();

// Callbacks with the MIDI library's signatures; neither uses its user data.
void reception_input_callback(double timeStamp, std::vector<unsigned char> *message, void *userData);
void reception_error_callback(RtMidiError::Type type, const std::string &errorText, void *userData);
