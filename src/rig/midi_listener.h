#pragma once

#include "port_opening.h"

#include <QByteArray>
#include <QString>

#include <chrono>
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
// its own timer, so a burst never waits for the window.
class MidiListener
{
public:
    explicit MidiListener(RtMidiIn &in);
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

private:
    static void onMessage(double, std::vector<unsigned char> *message, void *listener);

    RtMidiIn &in;
    bool listening = false;
    std::chrono::steady_clock::time_point start;
    std::mutex mutex;
    std::vector<HeardBytes> arrived;
};
