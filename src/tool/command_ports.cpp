// vektor-tool ports: the MIDI ports a send or a reception can use.

#include "tool_command.h"

#include "midi_ports.h"
#include "port_watch.h"

#include <rtmidi/RtMidi.h>

namespace {

void listPorts(RtMidi &midi, const QString &heading)
{
    print_line(heading);
    const unsigned count = midi.getPortCount();
    if (count == 0)
        print_line(QStringLiteral("  (none)"));
    for (unsigned i = 0; i < count; ++i)
        print_line(QStringLiteral("  %1  %2").arg(i).arg(midi_port_name(midi, i)));
}

int run(const QStringList &arguments)
{
    CommandLine line("ports", "",
                     QStringLiteral("Lists the MIDI ports by number and name: outputs for \"send\", inputs\n"
                                    "for \"receive\". Either takes --port with the number or the name."));
    int exitCode = 0;
    if (!line.parse(arguments, 0, 0, &exitCode))
        return exitCode;
    const ToolMidi midi = open_tool_midi();
    if (!midi.ok())
        return line.fail(midi.error);
    try {
        listPorts(*midi.out, QStringLiteral("Outputs (to the controller's MIDI input):"));
        listPorts(*midi.in, QStringLiteral("Inputs (from the controller's MIDI output):"));
    } catch (RtMidiError &error) {
        return line.fail(QString::fromStdString(error.getMessage()));
    }
    return exitcode::kDone;
}

const ToolCommandRegistration registration({"ports", "", "lists the MIDI ports to send to and receive from", 80,
                                            run});

} // namespace
