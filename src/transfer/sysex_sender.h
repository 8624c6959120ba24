#pragma once

class QProgressBar;
class RtMidiOut;

namespace sending {
// The controller needs this long before each message to take the previous one.
constexpr int kPauseBeforeMessageMs = 180;
}

// Waits at least `ms` milliseconds with the event loop running, so the window
// paints and responds throughout.
void wait_with_events(int ms);

// Plays the complete F0...F7 messages of a dump out of `out`, in file order.
// Before each message: pending events are processed, `progress` is set to the
// position of its F7 in percent, and the pause runs. Bytes outside messages
// are never sent. After the last message it waits one pause more, so that
// message has left before the caller closes the port. Returns the number of
// messages sent; errors of the MIDI library arrive as RtMidiError exceptions.
int send_dump_messages(RtMidiOut &out, const unsigned char *data, int size, QProgressBar *progress);
