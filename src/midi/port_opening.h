#pragma once

#include <QString>

#include <functional>

class RtMidi;

// The one way the editor and the tool open a MIDI port that the musician
// chose by name. An interface plugged in or out while the port list was
// shown renumbers the ports after it, so the port is looked up again by its
// name (see port_index_named) just before it is opened.
struct PortOpening {
    enum class Outcome {
        Opened,
        Gone,      // no port has that name any more
        NotOpened, // the MIDI system did not open it (`error` says why when it said)
    };
    Outcome outcome = Outcome::NotOpened;
    unsigned index = 0; // the port's number when it was found
    QString error;      // the MIDI system's own words, when it threw them

    bool opened() const { return outcome == Outcome::Opened; }
};

// Opens the port called `name`, chosen at `chosen`, under the client port
// name `clientPortName`. `beforeOpening` hears the number the port has now,
// just before it is opened (the transfers print it). Never throws.
PortOpening open_port_named(RtMidi &midi, unsigned chosen, const QString &name, const char *clientPortName,
                            const std::function<void(unsigned index)> &beforeOpening = {});
