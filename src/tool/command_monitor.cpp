// vektor-tool monitor --port N|NAME [--seconds S] [--memory FILE] [--all]:
// one line per message heard, with what in the memory sends it.

#include "tool_command.h"

#include "memory_input.h"
#include "memory_senders.h"
#include "midi_explainer.h"
#include "midi_listener.h"
#include "midi_ports.h"
#include "port_watch.h"
#include "rig_input.h"
#include "seconds_limit.h"
#include "store.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

#include <rtmidi/RtMidi.h>

#include <cstdio>

namespace {

constexpr int kTakeMs = 10;
constexpr int kWatchMs = 250;

// "  12.345  Program change 5 to 03 - Amp: sent by presets 014 Verse".
QString monitorLine(const MidiMessage &message, const Explanation &explanation)
{
    QString line = QStringLiteral("%1  %2").arg(message.time, 8, 'f', 3).arg(explanation.message);
    if (!explanation.explanation.isEmpty())
        line += QStringLiteral(": ") + explanation.explanation;
    return line;
}

// The memory given, or the editor's own file when there is one.
bool loadMemory(const QString &given, MemorySenders *memory, QString *error)
{
    QString path = given;
    if (path.isEmpty()) {
        set_paths_for_home(QDir::homePath());
        path = file_paths().configuration;
        if (!QFileInfo(path).isFile()) {
            std::fprintf(stderr, "there is no memory at %s: messages are explained without one\n",
                         path.toUtf8().constData());
            return true;
        }
    }
    const MemoryInput input = read_memory_input(path);
    if (!input.ok()) {
        *error = input.error;
        return false;
    }
    *memory = MemorySenders(reinterpret_cast<const unsigned char *>(input.image.constData()));
    return true;
}

int run(const QStringList &arguments)
{
    CommandLine line("monitor", "--port N|NAME [--seconds S] [--memory FILE] [--all]",
                     QStringLiteral("Prints one line for each MIDI message that arrives at an input, with\n"
                                    "what it is and which presets, footswitches, pedals or overrides of\n"
                                    "the memory send it (\"no preset sends this\" when none does), until\n"
                                    "Ctrl-C or S seconds. Clock and active sensing are left out unless\n"
                                    "--all. Program and control changes carry the sound and control names\n"
                                    "of the rig file. Exit status 2 when the input goes away."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("The MIDI input: its number or name (vektor-tool ports)."),
                                  QStringLiteral("N|NAME"));
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("Stop after S seconds."),
                                     QStringLiteral("S"));
    const QCommandLineOption memoryFile(QStringLiteral("memory"),
                                        QStringLiteral("Explain against FILE (default: the editor's memory file)."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption all(QStringLiteral("all"), QStringLiteral("Also print clock and active sensing."));
    for (const QCommandLineOption &option : {port, seconds, memoryFile, all, rig_option()})
        line.addOption(option);
    int exitCode = 0;
    if (!line.parse(arguments, 0, 0, &exitCode))
        return exitCode;
    if (!line.parser.isSet(port))
        return line.fail(QStringLiteral("needs --port; \"vektor-tool ports\" lists them"));
    qint64 limitMs = -1;
    if (line.parser.isSet(seconds)) {
        QString reason;
        limitMs = parse_seconds_limit(line.parser.value(seconds), &reason);
        if (limitMs < 0)
            return line.fail(reason);
    }
    MemorySenders memory;
    QString error;
    if (!loadMemory(line.parser.value(memoryFile), &memory, &error))
        return line.fail(error);
    const bool showTiming = line.parser.isSet(all);
    const QString memoryPath = line.parser.isSet(memoryFile) ? line.parser.value(memoryFile) : editor_memory_path();
    const RigNames rig = load_tool_rig("monitor", line.parser.value(QStringLiteral("rig")), memoryPath);

    const ToolMidi midi = open_tool_midi();
    if (!midi.ok())
        return line.fail(midi.error);
    bool inputLost = false;
    QString portName;
    {
        MidiListener listener(*midi.in);
        const ChosenPort chosen = choose_port(*midi.in, line.parser.value(port), "input");
        if (!chosen.ok())
            return line.fail(chosen.error);
        portName = chosen.name;
        const PortOpening opening = listener.listen(chosen.index, portName);
        if (opening.outcome == PortOpening::Outcome::Gone)
            return line.fail(QStringLiteral("the input %1 is no longer there").arg(portName));
        if (!opening.opened())
            return line.fail(QStringLiteral("couldn't listen to %1: %2")
                                 .arg(portName, opening.error.isEmpty() ? QStringLiteral("the port could not be opened")
                                                                        : opening.error));
        PortWatch watch(*midi.in, portName);
        std::fprintf(stderr, "listening on %s\n", portName.toUtf8().constData());

        ExplainState state;
        const auto printArrived = [&] {
            const std::vector<HeardBytes> taken = listener.take();
            // The listener keeps the newest when this output is read too
            // slowly: the gap is said where the lines are not.
            if (const qint64 lost = listener.takeDropped())
                std::fprintf(stderr, "%lld messages dropped: the output was not read fast enough\n",
                             static_cast<long long>(lost));
            for (const HeardBytes &heard : taken) {
                const MidiMessage message = decode_midi_message(heard.bytes, heard.time, portName);
                const Explanation explanation = explain_message(message, memory, state, rig);
                if (showTiming || !is_timing_message(message))
                    print_line(monitorLine(message, explanation));
            }
            std::fflush(stdout);
        };
        catch_interrupt();
        QElapsedTimer clock;
        clock.start();
        QTimer take;
        QObject::connect(&take, &QTimer::timeout, [&] {
            printArrived();
            if (interrupted() || (limitMs >= 0 && clock.elapsed() >= limitMs))
                QCoreApplication::quit();
        });
        QTimer watchTimer;
        QObject::connect(&watchTimer, &QTimer::timeout, [&] {
            if (!watch.present()) {
                inputLost = true;
                QCoreApplication::quit();
            }
        });
        take.start(kTakeMs);
        watchTimer.start(kWatchMs);
        QCoreApplication::exec();
        listener.stop();
        printArrived();
    }
    if (inputLost)
        return line.fail(QStringLiteral("the input %1 went away").arg(portName));
    return exitcode::kDone;
}

const ToolCommandRegistration registration({"monitor", "--port N|NAME [--seconds S] [--memory FILE] [--all]",
                                            "prints what arrives at a MIDI input, explained by the memory", 105,
                                            run});

} // namespace
