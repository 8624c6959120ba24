// vektor-tool send FILE --port N|NAME: the utility dialog's send, without a
// window: the same sender object, the controller's pause before every
// message, progress on standard error, Ctrl-C between two messages.

#include "tool_command.h"

#include "dump_codec.h"
#include "memory_input.h"
#include "midi_ports.h"
#include "quiet_stdout.h"
#include "sysex_sender.h"

#include <QCoreApplication>
#include <QTimer>

#include <rtmidi/RtMidi.h>

#include <cstdio>

namespace {

// A dump is sent as it stands; a memory file or a readable document is sent
// as the dump the editor makes of it.
bool dumpToSend(const QString &path, QByteArray *dump, QString *error)
{
    if (!read_whole_file(path, dump, error))
        return false;
    if (input_kind(path, *dump) == InputKind::Dump)
        return true;
    // From the bytes read: a pipe gives them only once.
    const MemoryInput input = memory_input_of(path, *dump);
    if (!input.ok()) {
        *error = input.error;
        return false;
    }
    without_stdout([&] { *dump = encode_dump(input.image, QStringLiteral("memory.bin")); });
    return true;
}

void printProgress(int number, int total, qint64 left)
{
    const qint64 seconds = (left + 999) / 1000;
    const QString time = seconds < 60 ? QStringLiteral("%1 s").arg(seconds)
                                      : QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    std::fprintf(stderr, "message %d of %d, about %s left\n", number, total, time.toUtf8().constData());
}

int run(const QStringList &arguments)
{
    CommandLine line("send", "FILE.syx --port N|NAME",
                     QStringLiteral("Sends a dump to the controller, one SysEx message at a time with the\n"
                                    "pause of 180 ms the controller needs before each, as the editor's\n"
                                    "Send SysEx does (a whole memory takes about two and a half minutes).\n"
                                    "FILE may also be a memory file or a readable document: the memory is\n"
                                    "sent. Progress goes to standard error; Ctrl-C stops between two\n"
                                    "messages, and the controller then holds only part of the dump."));
    line.addPositional(QStringLiteral("FILE.syx"), QStringLiteral("The dump (or memory) to send."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("The MIDI output: its number or name (vektor-tool ports)."),
                                  QStringLiteral("N|NAME"));
    line.addOption(port);
    int exitCode = 0;
    if (!line.parse(arguments, 1, 1, &exitCode))
        return exitCode;
    if (!line.parser.isSet(port))
        return line.fail(QStringLiteral("needs --port; \"vektor-tool ports\" lists them"));
    QByteArray dump;
    QString error;
    if (!dumpToSend(line.positional().at(0), &dump, &error))
        return line.fail(error);

    const ToolMidi midi = open_tool_midi();
    if (!midi.ok())
        return line.fail(midi.error);
    SysexSender::Outcome outcome = SysexSender::Outcome::Completed;
    int sent = 0;
    int total = 0;
    QString portName;
    try {
        const ChosenPort chosen = choose_port(*midi.out, line.parser.value(port), "output");
        if (!chosen.ok())
            return line.fail(chosen.error);
        portName = chosen.name;
        if (!open_chosen_port(*midi.out, chosen, "output", &error))
            return line.fail(error);

        SysexSender sender(*midi.out);
        QObject::connect(&sender, &SysexSender::waiting,
                         [](int number, int all, int, qint64 left) { printProgress(number, all, left); });
        QObject::connect(&sender, &SysexSender::finished, [&](SysexSender::Outcome result) {
            outcome = result;
            QCoreApplication::quit();
        });
        catch_interrupt();
        QTimer interruptCheck;
        QObject::connect(&interruptCheck, &QTimer::timeout, [&] {
            if (interrupted())
                sender.cancel();
        });
        interruptCheck.start(50);
        sender.start(dump, portName);
        if (sender.isRunning())
            QCoreApplication::exec();
        sent = sender.sent();
        total = sender.total();
        error = sender.errorText();
        midi.out->closePort();
    } catch (RtMidiError &e) {
        return line.fail(QString::fromStdString(e.getMessage()));
    }

    switch (outcome) {
    case SysexSender::Outcome::Completed:
        std::fprintf(stderr, "sent %d messages to %s\n", total, portName.toUtf8().constData());
        return exitcode::kDone;
    case SysexSender::Outcome::Cancelled:
        return line.fail(QStringLiteral("stopped after %1 of %2 messages: the controller holds only part of the "
                                        "dump; send it again")
                             .arg(sent).arg(total));
    case SysexSender::Outcome::OutputLost:
        return line.fail(QStringLiteral("the output %1 went away after %2 of %3 messages: the controller holds "
                                        "only part of the dump; send it again once the interface is back")
                             .arg(portName).arg(sent).arg(total));
    case SysexSender::Outcome::MidiError:
        break;
    }
    return line.fail(QStringLiteral("the MIDI system failed after %1 of %2 messages (%3): the controller holds "
                                    "only part of the dump")
                         .arg(sent).arg(total).arg(error));
}

const ToolCommandRegistration registration({"send", "FILE.syx --port N|NAME",
                                            "sends a dump (or a memory) to the controller at its pace", 90, run});

} // namespace
