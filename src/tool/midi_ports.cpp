#include "midi_ports.h"

#include "midi_system.h"
#include "port_opening.h"
#include "port_watch.h"

#include <QStringList>

#include <rtmidi/RtMidi.h>

#include <atomic>
#include <csignal>
#include <cstring>

namespace {

std::atomic<bool> g_interrupted{false};

void noteInterrupt(int)
{
    g_interrupted = true;
}

} // namespace

ToolMidi open_tool_midi()
{
    ToolMidi midi;
    MidiSystem system = create_midi_system();
    midi.out = std::move(system.out);
    midi.in = std::move(system.in);
    if (!midi.out || !midi.in)
        midi.error = QStringLiteral("no MIDI system could be opened (neither the ALSA sequencer nor a JACK server)");
    return midi;
}

ChosenPort choose_port(RtMidi &midi, const QString &wanted, const char *direction)
{
    ChosenPort chosen;
    // Every name holds the empty one: "" would pick the only port there is.
    if (wanted.isEmpty()) {
        chosen.error = QStringLiteral("an empty name names no %1 port; \"vektor-tool ports\" lists them")
                           .arg(QLatin1String(direction));
        return chosen;
    }
    const unsigned count = midi.getPortCount();
    bool isNumber = false;
    const unsigned number = wanted.toUInt(&isNumber);
    if (isNumber) {
        if (number >= count) {
            chosen.error = QStringLiteral("there is no %1 port %2; \"vektor-tool ports\" lists them")
                               .arg(QLatin1String(direction)).arg(number);
            return chosen;
        }
        chosen.index = number;
        chosen.name = midi_port_name(midi, number);
        return chosen;
    }
    QStringList matches;
    for (unsigned i = 0; i < count; ++i) {
        const QString name = midi_port_name(midi, i);
        if (name == wanted) {
            chosen.index = i;
            chosen.name = name;
            return chosen;
        }
        if (name.contains(wanted, Qt::CaseInsensitive)) {
            chosen.index = i;
            chosen.name = name;
            matches << name;
        }
    }
    if (matches.size() == 1)
        return chosen;
    chosen.error = matches.isEmpty()
        ? QStringLiteral("no %1 port is named \"%2\"; \"vektor-tool ports\" lists them")
              .arg(QLatin1String(direction), wanted)
        : QStringLiteral("\"%1\" names %2 %3 ports (%4); give more of the name or the number")
              .arg(wanted).arg(matches.size()).arg(QLatin1String(direction), matches.join(QStringLiteral(", ")));
    return chosen;
}

bool open_chosen_port(RtMidi &midi, const ChosenPort &chosen, const char *direction, QString *error)
{
    const bool output = std::strcmp(direction, "output") == 0;
    const PortOpening opening = open_port_named(midi, chosen.index, chosen.name, output ? "RtMidi Output" : "RtMidi Input");
    if (opening.outcome == PortOpening::Outcome::Gone)
        *error = QStringLiteral("the %1 %2 is no longer there").arg(QLatin1String(direction), chosen.name);
    else if (!opening.opened())
        *error = opening.error.isEmpty()
            ? QStringLiteral("couldn't open the %1 %2").arg(QLatin1String(direction), chosen.name)
            : QStringLiteral("couldn't open the %1 %2: %3").arg(QLatin1String(direction), chosen.name, opening.error);
    return opening.opened();
}

void catch_interrupt()
{
    std::signal(SIGINT, noteInterrupt);
    std::signal(SIGTERM, noteInterrupt);
}

bool interrupted()
{
    return g_interrupted;
}
