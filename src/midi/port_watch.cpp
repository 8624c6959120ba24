#include "port_watch.h"

#include <rtmidi/RtMidi.h>

#include <QByteArray>

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
    // Whether `port` is connected to a port of any client called `ownPort`.
    bool connected(const QString &port, const QString &ownPort) const
    {
        if (!client || down)
            return false;
        jack_port_t *watched = jack_port_by_name(client, port.toUtf8().constData());
        if (!watched)
            return false;
        const char **connections = jack_port_get_all_connections(client, watched);
        if (!connections)
            return false;
        const QByteArray suffix = ':' + ownPort.toUtf8();
        bool found = false;
        for (const char **c = connections; *c && !found; ++c)
            found = QByteArray(*c).endsWith(suffix);
        jack_free(connections);
        return found;
    }
    ~ServerWatch()
    {
        if (client)
            jack_client_close(client);
    }
};

PortWatch::PortWatch(RtMidi &midi, const QString &portName, const QString &ownPort)
    : midi(midi)
    , name(portName)
    , own(ownPort)
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
                return !server || own.isEmpty() || server->connected(name, own);
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
