#include "monitor_input.h"

#include "port_watch.h"

#include <rtmidi/RtMidi.h>

MonitorInput::MonitorInput()
    : midi(create_midi_system())
{
}

MonitorInput::~MonitorInput()
{
    forget();
}

QStringList MonitorInput::portNames() const
{
    QStringList names;
    if (!midi.in)
        return names;
    try {
        const unsigned count = midi.in->getPortCount();
        for (unsigned i = 0; i < count; ++i)
            names << midi_port_name(*midi.in, i);
    } catch (RtMidiError &) {
        // A MIDI system that cannot list its ports offers none.
    }
    return names;
}

PortOpening MonitorInput::listen(int index, const QString &name)
{
    forget();
    PortOpening opening;
    if (!midi.in)
        return opening;
    listener = std::make_unique<MidiListener>(*midi.in);
    opening = listener->listen(unsigned(index), name);
    if (!opening.opened()) {
        listener.reset();
        return opening;
    }
    portName = name;
    watch = std::make_unique<PortWatch>(*midi.in, name);
    return opening;
}

void MonitorInput::stop()
{
    if (listener)
        listener->stop();
}

void MonitorInput::forget()
{
    stop();
    listener.reset();
    watch.reset();
    portName.clear();
}

std::chrono::steady_clock::time_point MonitorInput::startedAt() const
{
    return listener ? listener->startedAt() : std::chrono::steady_clock::time_point();
}

MonitorInput::Taken MonitorInput::take()
{
    Taken taken;
    if (listener) {
        taken.heard = listener->take();
        taken.dropped = listener->takeDropped();
    }
    return taken;
}

bool MonitorInput::portWentAway()
{
    return watch && !watch->present();
}

void MonitorInput::restartMidiSystem()
{
    forget();
    midi = MidiSystem();
    midi = create_midi_system();
}
