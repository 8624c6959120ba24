// vektor-tool play MEMORY SLOT --port N|NAME: the messages one preset stands
// for, sent at once, so the rig switches as if the controller had called it.

#include "tool_command.h"

#include "memory_input.h"
#include "message_sending.h"
#include "midi_ports.h"
#include "preset_list.h"
#include "preset_messages.h"
#include "rig_input.h"
#include "sound_names.h"

#include <rtmidi/RtMidi.h>

#include <cstdio>

namespace {

int run(const QStringList &arguments)
{
    CommandLine line("play", "MEMORY SLOT --port N|NAME",
                     QStringLiteral("Sends the program changes (with their bank selects) and the control\n"
                                    "changes of preset SLOT of MEMORY out of a MIDI output, so the rig\n"
                                    "switches as if the controller had called the preset. The order is the\n"
                                    "editor's own (the controller's is not known): for each device in\n"
                                    "channel order its bank select and program change, then the control\n"
                                    "changes that are on, in list order. Each message sent is printed, in\n"
                                    "hex, with the sound or control it reaches where the rig file names\n"
                                    "it. Exit status 1, with no port opened, when the preset sends\n"
                                    "nothing."));
    line.addPositional(QStringLiteral("MEMORY"), QStringLiteral("A memory file, dump or readable document."));
    line.addPositional(QStringLiteral("SLOT"), QStringLiteral("The preset number: 014, or 14."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("The MIDI output: its number or name (vektor-tool ports)."),
                                  QStringLiteral("N|NAME"));
    line.addOption(port);
    line.addOption(rig_option());
    int exitCode = 0;
    if (!line.parse(arguments, 2, 2, &exitCode))
        return exitCode;
    if (!line.parser.isSet(port))
        return line.fail(QStringLiteral("needs --port; \"vektor-tool ports\" lists them"));
    QString reason;
    const int record = parse_preset_number(line.positional().at(1), &reason);
    if (record < 0)
        return line.fail(reason);
    const MemoryInput input = read_memory_input(line.positional().at(0));
    if (!input.ok())
        return line.fail(input.error);
    const QVector<QByteArray> messages =
        preset_messages(reinterpret_cast<const unsigned char *>(input.image.constData()), record);
    // Said before any MIDI system is opened, as the library's Play says it.
    if (messages.isEmpty())
        return line.fail(QStringLiteral("preset %1 sends nothing: none of its program changes or control "
                                        "changes is on")
                             .arg(preset_number_text(record)),
                         exitcode::kDifferent);

    const ToolMidi midi = open_tool_midi();
    if (!midi.ok())
        return line.fail(midi.error);
    QString portName;
    try {
        const ChosenPort chosen = choose_port(*midi.out, line.parser.value(port), "output");
        if (!chosen.ok())
            return line.fail(chosen.error);
        portName = chosen.name;
        QString error;
        if (!open_chosen_port(*midi.out, chosen, "output", &error))
            return line.fail(error);
        error = send_midi_messages(*midi.out, messages);
        if (!error.isEmpty())
            return line.fail(QStringLiteral("the MIDI system failed: %1").arg(error));
        midi.out->closePort();
    } catch (RtMidiError &e) {
        return line.fail(QString::fromStdString(e.getMessage()));
    }
    const RigNames rig = load_tool_rig("play", line.parser.value(QStringLiteral("rig")), line.positional().at(0));
    MessageNamer namer(reinterpret_cast<const unsigned char *>(input.image.constData()), rig);
    for (const QByteArray &message : messages) {
        const QString name = namer.name(message);
        print_line(QString::fromLatin1(message.toHex(' ')) + (name.isEmpty() ? QString() : QStringLiteral("  ") + name));
    }
    std::fprintf(stderr, "sent %d messages of preset %s to %s\n", int(messages.size()),
                 preset_number_text(record).toUtf8().constData(), portName.toUtf8().constData());
    return exitcode::kDone;
}

const ToolCommandRegistration registration({"play", "MEMORY SLOT --port N|NAME",
                                            "sends what one preset sends, to try it on the rig", 110, run});

} // namespace
