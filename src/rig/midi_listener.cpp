#include "midi_listener.h"

#include <rtmidi/RtMidi.h>

MidiListener::MidiListener(RtMidiIn &in)
    : in(in)
{
}

MidiListener::~MidiListener()
{
    stop();
}

PortOpening MidiListener::listen(unsigned chosen, const QString &name)
{
    stop();
    {
        std::lock_guard<std::mutex> lock(mutex);
        arrived.clear();
        start = std::chrono::steady_clock::now();
    }
    PortOpening opening;
    try {
        in.setCallback(&MidiListener::onMessage, this);
        in.ignoreTypes(false, false, false);
        opening = open_port_named(in, chosen, name, "Vektor Monitor");
    } catch (RtMidiError &e) {
        opening.error = QString::fromStdString(e.getMessage());
    }
    listening = opening.opened();
    if (!listening) {
        try {
            in.cancelCallback();
        } catch (RtMidiError &) {
        }
    }
    return opening;
}

void MidiListener::stop()
{
    if (!listening)
        return;
    listening = false;
    try {
        in.closePort();
        in.cancelCallback();
    } catch (RtMidiError &) {
        // A system that is gone has nothing left to close.
    }
}

std::vector<HeardBytes> MidiListener::take()
{
    std::vector<HeardBytes> taken;
    std::lock_guard<std::mutex> lock(mutex);
    taken.swap(arrived);
    return taken;
}

void MidiListener::onMessage(double, std::vector<unsigned char> *message, void *self)
{
    auto *listener = static_cast<MidiListener *>(self);
    const auto now = std::chrono::steady_clock::now();
    QByteArray bytes(reinterpret_cast<const char *>(message->data()), int(message->size()));
    std::lock_guard<std::mutex> lock(listener->mutex);
    listener->arrived.push_back({std::chrono::duration<double>(now - listener->start).count(), std::move(bytes)});
}
