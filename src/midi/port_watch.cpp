#include "port_watch.h"

#include <rtmidi/RtMidi.h>

#include <jack/jack.h>

#include <atomic>

// A client of its own on the JACK server, only to hear it shut down.
struct PortWatch::ServerWatch {
    jack_client_t *client = nullptr;
    std::atomic<bool> down{false};

    ServerWatch()
    {
        client = jack_client_open("vektor-port-watch", JackOptions(JackNoStartServer | JackUseExactName), nullptr);
        if (!client) // the name is taken (a second watch): any name will do
            client = jack_client_open("vektor-port-watch", JackNoStartServer, nullptr);
        if (!client) {
            down = true;
            return;
        }
        // Called on the client's own thread when the server goes away.
        jack_on_info_shutdown(
            client, [](jack_status_t, const char *, void *watch) { static_cast<ServerWatch *>(watch)->down = true; },
            this);
        if (jack_activate(client) != 0)
            down = true;
    }
    ~ServerWatch()
    {
        if (client)
            jack_client_close(client);
    }
};

PortWatch::PortWatch(RtMidi &midi, const QString &portName)
    : midi(midi)
    , name(portName)
{
    RtMidi::Api api = RtMidi::UNSPECIFIED;
    if (auto *in = dynamic_cast<RtMidiIn *>(&midi))
        api = in->getCurrentApi();
    else if (auto *out = dynamic_cast<RtMidiOut *>(&midi))
        api = out->getCurrentApi();
    if (api == RtMidi::UNIX_JACK)
        server = std::make_unique<ServerWatch>();
}

PortWatch::~PortWatch() = default;

bool PortWatch::present()
{
    if (server && server->down)
        return false;
    try {
        const unsigned count = midi.getPortCount();
        for (unsigned i = 0; i < count; ++i)
            if (midi_port_name(midi, i) == name)
                return true;
    } catch (RtMidiError &) {
        // A MIDI system that cannot list its ports has none to send to.
    }
    return false;
}

QString midi_port_name(RtMidi &midi, unsigned index)
{
    return QString::fromStdString(midi.getPortName(index));
}

int port_index_named(RtMidi &midi, unsigned chosen, const QString &name)
{
    const unsigned count = midi.getPortCount();
    if (chosen < count && midi_port_name(midi, chosen) == name)
        return int(chosen);
    for (unsigned i = 0; i < count; ++i)
        if (midi_port_name(midi, i) == name)
            return int(i);
    return -1;
}
