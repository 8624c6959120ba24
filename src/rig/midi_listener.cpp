#include "midi_listener.h"

#include <rtmidi/RtMidi.h>

#include <iterator>

MidiListener::MidiListener(RtMidiIn &in, std::size_t capacity)
    : in(in)
    , capacity(capacity > 0 ? capacity : 1)
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
    std::deque<HeardBytes> taken;
    {
        std::lock_guard<std::mutex> lock(mutex);
        taken.swap(arrived);
    }
    return std::vector<HeardBytes>(std::make_move_iterator(taken.begin()), std::make_move_iterator(taken.end()));
}

qint64 MidiListener::takeDropped()
{
    std::lock_guard<std::mutex> lock(mutex);
    const qint64 count = dropped;
    dropped = 0;
    return count;
}

void MidiListener::onMessage(double, std::vector<unsigned char> *message, void *self)
{
    auto *listener = static_cast<MidiListener *>(self);
    const auto now = std::chrono::steady_clock::now();
    QByteArray bytes(reinterpret_cast<const char *>(message->data()), int(message->size()));
    std::lock_guard<std::mutex> lock(listener->mutex);
    if (listener->arrived.size() >= listener->capacity) {
        listener->arrived.pop_front();
        ++listener->dropped;
    }
    listener->arrived.push_back({std::chrono::duration<double>(now - listener->start).count(), std::move(bytes)});
}
