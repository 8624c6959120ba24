#include "port_opening.h"

#include "port_watch.h"

#include <rtmidi/RtMidi.h>

PortOpening open_port_named(RtMidi &midi, unsigned chosen, const QString &name, const char *clientPortName,
                            const std::function<void(unsigned index)> &beforeOpening)
{
    PortOpening opening;
    try {
        const int index = port_index_named(midi, chosen, name);
        if (index < 0) {
            opening.outcome = PortOpening::Outcome::Gone;
            return opening;
        }
        opening.index = unsigned(index);
        if (beforeOpening)
            beforeOpening(opening.index);
        midi.openPort(opening.index, clientPortName);
        if (midi.isPortOpen())
            opening.outcome = PortOpening::Outcome::Opened;
    } catch (RtMidiError &e) {
        opening.error = QString::fromStdString(e.getMessage());
    }
    return opening;
}
