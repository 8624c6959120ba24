#pragma once

#include <QString>
#include <QtGlobal>

class QProgressBar;
class RtMidiOut;

namespace sending {
// The controller needs this long before each message to take the previous one.
constexpr int kPauseBeforeMessageMs = 180;
}

// Waits at least `ms` milliseconds with the event loop running, so the window
// paints and responds throughout.
void wait_with_events(int ms);

// The number of complete F0...F7 messages that send_dump_messages would send.
int count_dump_messages(const unsigned char *data, int size);

// Plays the complete F0...F7 messages of a dump out of `out`, in file order.
// Before each message: pending events are processed, `progress` is set to the
// position of its F7 in percent (its text to the message number and the time
// left), and the pause runs. Bytes outside messages are never sent. After the
// last message it waits one pause more, so that message has left before the
// caller closes the port.
// `cancelRequested`, when given, is read after each pause: once true, the
// send ends there, between two whole messages; the last message sent has then
// had a full pause to leave.
// Returns the number of messages sent; errors of the MIDI library arrive as
// RtMidiError exceptions.
int send_dump_messages(RtMidiOut &out, const unsigned char *data, int size, QProgressBar *progress,
                       const bool *cancelRequested = nullptr);

// "Message 12 of 839 — about 2 min 29 s left": the text of the progress bar
// while message `number` (from 1) of `total` waits for its pause.
QString send_progress_text(int number, int total, qint64 millisecondsLeft);

// What is left of a send when message `number` of `total` is due and the
// messages so far took `elapsedMs`: the pause of every message still to go
// (or the time each one has really taken, when longer), and the last pause.
qint64 send_time_left_ms(int number, int total, qint64 elapsedMs);
