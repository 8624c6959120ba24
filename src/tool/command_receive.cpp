// vektor-tool receive OUT.syx --port N|NAME [--seconds S]: the utility
// dialog's recording, without a window: the same reception buffer and packet
// count, until the controller's dump has ended.

#include "tool_command.h"

#include "dump_verify.h"
#include "file_bytes.h"
#include "image_layout.h"
#include "midi_ports.h"
#include "port_watch.h"
#include "reception_buffer.h"
#include "reception_packets.h"
#include "seconds_limit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <rtmidi/RtMidi.h>

#include <cstdio>

namespace {

constexpr int kPollMs = 250;

int run(const QStringList &arguments)
{
    CommandLine line("receive", "OUT.syx --port N|NAME [--seconds S]",
                     QStringLiteral("Records what the controller sends until the end-of-file message of a\n"
                                    "dump has arrived (or S seconds have passed, or Ctrl-C), then writes\n"
                                    "the recording to OUT whole. Start the dump on the controller once\n"
                                    "the tool says it listens. Nothing is written when nothing came. Exit\n"
                                    "status 1 when the recording is not a whole, sound memory."));
    line.addPositional(QStringLiteral("OUT.syx"), QStringLiteral("Where the recording goes."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("The MIDI input: its number or name (vektor-tool ports)."),
                                  QStringLiteral("N|NAME"));
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("Stop after S seconds at the most."),
                                     QStringLiteral("S"));
    line.addOption(port);
    line.addOption(seconds);
    int exitCode = 0;
    if (!line.parse(arguments, 1, 1, &exitCode))
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
    const QString out = line.positional().at(0);

    const ToolMidi midi = open_tool_midi();
    if (!midi.ok())
        return line.fail(midi.error);
    ensure_reception_buffer();
    reset_reception();
    ReceptionPacketTally tally;
    bool inputLost = false;
    QString portName;
    try {
        const ChosenPort chosen = choose_port(*midi.in, line.parser.value(port), "input");
        if (!chosen.ok())
            return line.fail(chosen.error);
        portName = chosen.name;
        QString error;
        if (!open_chosen_port(*midi.in, chosen, "input", &error))
            return line.fail(error);
        midi.in->setCallback(reception_input_callback);
        midi.in->setErrorCallback(reception_error_callback);
        midi.in->ignoreTypes(false, true, true);
        PortWatch watch(*midi.in, portName);
        std::fprintf(stderr, "listening on %s: start the dump on the controller\n", portName.toUtf8().constData());

        catch_interrupt();
        QElapsedTimer clock;
        clock.start();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            tally.scan(reception_bytes(), received_byte_count());
            inputLost = !watch.present();
            if (tally.dumpEnded() || inputLost || interrupted() || (limitMs >= 0 && clock.elapsed() >= limitMs))
                QCoreApplication::quit();
        });
        poll.start(kPollMs);
        QCoreApplication::exec();
        // No callback runs once the port is closed: only then are the bytes read.
        midi.in->closePort();
    } catch (RtMidiError &e) {
        return line.fail(QString::fromStdString(e.getMessage()));
    }

    const int count = received_byte_count();
    if (inputLost)
        std::fprintf(stderr, "the input %s went away\n", portName.toUtf8().constData());
    if (count == 0)
        return line.fail(QStringLiteral("nothing was received; %1 was not written").arg(out));
    QString reason;
    if (write_file_bytes(reception_bytes(), out, count, &reason) != 1)
        return line.fail(QStringLiteral("%1: %2").arg(out, reason));
    tally.scan(reception_bytes(), count);
    std::fprintf(stderr, "received %d bytes, %d dump packets, into %s\n", count, tally.packets(),
                 out.toUtf8().constData());
    if (dropped_byte_count() > 0)
        std::fprintf(stderr, "the recording was cut: %d more bytes did not fit\n", dropped_byte_count());
    const QStringList problems = verify_dump(reception_bytes(), count).problems(layout::kImageSize);
    for (const QString &problem : problems)
        std::fprintf(stderr, "%s\n", problem.toUtf8().constData());
    return problems.isEmpty() && dropped_byte_count() == 0 ? exitcode::kDone : exitcode::kDifferent;
}

const ToolCommandRegistration registration({"receive", "OUT.syx --port N|NAME [--seconds S]",
                                            "records a dump the controller sends", 100, run});

} // namespace
