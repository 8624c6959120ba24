#pragma once

#include "midi_listener.h"
#include "midi_system.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <vector>

class PortWatch;

// The input the monitor listens to: the MIDI system's inputs, the one
// listener, and the watch that tells when its port went away.
class MonitorInput
{
public:
    MonitorInput();
    ~MonitorInput();
    MonitorInput(const MonitorInput &) = delete;
    MonitorInput &operator=(const MonitorInput &) = delete;

    bool hasMidiSystem() const { return bool(midi.in); }
    // The inputs there are now; none when the system cannot list them.
    QStringList portNames() const;
    // Listens to the input `name`, at `index` in portNames().
    PortOpening listen(int index, const QString &name);
    // Stops listening; what arrived before is still taken.
    void stop();
    // Lets go of the listener and its port.
    void forget();
    bool hasListener() const { return bool(listener); }
    const QString &port() const { return portName; }
    std::chrono::steady_clock::time_point startedAt() const;

    struct Taken {
        std::vector<HeardBytes> heard;
        qint64 dropped = 0; // lost from the listener's full buffer since the last take
    };
    Taken take();

    // The port listened to is gone, or the MIDI system under it.
    bool portWentAway();
    // A MIDI system whose server went away keeps showing its old ports: a
    // new one lists them as they are.
    void restartMidiSystem();

private:
    MidiSystem midi;
    std::unique_ptr<MidiListener> listener;
    std::unique_ptr<PortWatch> watch;
    QString portName;
};
