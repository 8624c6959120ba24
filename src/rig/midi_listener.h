#pragma once

#include "port_opening.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <cstddef>
#include <deque>
#include <mutex>
#include <vector>

class RtMidiIn;

// One message as the MIDI system's thread handed it over: when it arrived,
// in seconds since listening began, and its bytes.
struct HeardBytes {
    double time;
    QByteArray bytes;
};

// Listens to one input port of an RtMidiIn for a monitor. The MIDI system's
// thread only appends what arrives to a buffer; the monitor takes it all on
// its own timer, so a burst never waits for the window. The buffer holds at
// most `capacity` messages: a reader that stalls (a blocked standard output,
// a window busy elsewhere) loses the oldest, counted, instead of the MIDI
// thread growing it without end under a clock at 24 per beat.
class MidiListener
{
public:
    // About a minute of a dense stream, clock included.
    static constexpr std::size_t kDefaultCapacity = 65536;

    explicit MidiListener(RtMidiIn &in, std::size_t capacity = kDefaultCapacity);
    ~MidiListener();
    MidiListener(const MidiListener &) = delete;
    MidiListener &operator=(const MidiListener &) = delete;

    // Listens to the input called `name`, chosen at `chosen` (closing the
    // one before), SysEx, clock and active sensing included; opened() is
    // false when it is gone or cannot be opened.
    PortOpening listen(unsigned chosen, const QString &name);
    void stop();
    bool isListening() const { return listening; }
    // The moment the times of what arrived count from.
    std::chrono::steady_clock::time_point startedAt() const { return start; }

    // What arrived since the last call, in order of arrival.
    std::vector<HeardBytes> take();
    // Messages dropped from a full buffer since the last call.
    qint64 takeDropped();

private:
    static void onMessage(double, std::vector<unsigned char> *message, void *listener);

    RtMidiIn &in;
    bool listening = false;
    std::chrono::steady_clock::time_point start;
    const std::size_t capacity;
    std::mutex mutex;
    std::deque<HeardBytes> arrived;
    qint64 dropped = 0;
};
