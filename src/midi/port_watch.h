#pragma once

#include <QString>

#include <memory>

class RtMidi;

// Tells whether a chosen MIDI port is still there: a USB interface pulled
// from its socket, or a sound server that crashed, takes its ports with it.
// The check lists the port names the MIDI object sees, so it costs a fraction
// of a millisecond. A JACK client library keeps showing the last graph after
// its server has died, so under JACK the watch also listens for the server's
// shutdown.
//
// A port that goes away and comes back under the same name takes the
// connection to the editor's own port with it: the name alone would still
// match. Under JACK, a watch given `ownPort` (the name the editor opened its
// side under, "Vektor Play") also asks whether the two are still connected.
class PortWatch
{
public:
    PortWatch(RtMidi &midi, const QString &portName, const QString &ownPort = QString());
    ~PortWatch();
    PortWatch(const PortWatch &) = delete;
    PortWatch &operator=(const PortWatch &) = delete;

    // False once the port (or the MIDI system under it) is gone.
    bool present();
    const QString &portName() const { return name; }

private:
    struct ServerWatch;

    RtMidi &midi;
    QString name;
    QString own;
    std::unique_ptr<ServerWatch> server;
};

// The name RtMidi gives port `index`, as the editor shows it. MIDI systems
// name their ports in UTF-8 ("Übungsraum", "ギター").
QString midi_port_name(RtMidi &midi, unsigned index);

// The number that port `name` has now. An interface plugged in or out while
// the user chose renumbers the ports after it, so a port is opened by the
// name that was chosen: `chosen` while it still carries that name (two ports
// may share one), else the first port of that name; -1 when none has it.
int port_index_named(RtMidi &midi, unsigned chosen, const QString &name);
