// The utility dialog's MIDI transfers: sending a dump or a firmware image to
// the controller, and recording a dump that the controller sends.

#include "utilitydialog.h"
#include "ui_utilitydialog.h"
#include "accessible_names.h"

#include "dump_codec.h"
#include "midiportsdialog.h"
#include "reception_buffer.h"
#include "store.h"
#include "fields.h"
#include "midi_system.h"
#include "port_opening.h"
#include "port_watch.h"
#include "sysex_sender.h"

#include <QFileInfo>

#include <rtmidi/RtMidi.h>

#include <cstdio>
#include <vector>

namespace {

const char *const kOutputsTitle = "MIDI Outputs";
const char *const kInputsTitle = "MIDI Inputs";

// The MIDI system's words, on standard output as well as in the warning.
void printError(const std::string &message)
{
    std::printf("%s\n", message.c_str());
    std::fflush(stdout);
}

void printError(const RtMidiError &error)
{
    printError(error.getMessage());
}

QString packetsText(const ReceptionPacketTally &tally)
{
    const int packets = tally.packets();
    const int bad = tally.badChecksums();
    if (packets == 0)
        return utilitydialog::tr("Dump packets: 0");
    if (bad == 0)
        return utilitydialog::tr("Dump packets: %1, checksums OK").arg(packets);
    if (bad == 1)
        return utilitydialog::tr("Dump packets: %1, 1 with a bad checksum").arg(packets);
    return utilitydialog::tr("Dump packets: %1, %2 with bad checksums").arg(packets).arg(bad);
}

} // namespace

bool utilitydialog::midiAvailable()
{
    if (midiOut && midiIn)
        return true;
    warn(QStringLiteral("MIDI"),
         tr("No MIDI system could be opened on this computer, so there are no MIDI ports to use.\n"));
    return false;
}

bool utilitydialog::listOutputPorts(midiportsdialog &ports)
{
    const unsigned count = midiOut->getPortCount();
    for (unsigned i = 0; i < count; ++i)
        ports.addOutputPort(midi_port_name(*midiOut, i));
    if (count == 0)
        warn(kOutputsTitle, tr("There are no MIDI output ports available.\n"));
    return count > 0;
}

bool utilitydialog::listInputPorts(midiportsdialog &ports)
{
    const unsigned count = midiIn->getPortCount();
    for (unsigned i = 0; i < count; ++i)
        ports.addInputPort(midi_port_name(*midiIn, i));
    if (count == 0)
        warn(kInputsTitle, tr("There are no MIDI input ports available.\n"));
    return count > 0;
}

// A MIDI system that went away leaves its objects showing the ports it had:
// new ones list the ports as they are now, once no transfer uses the old ones.
void utilitydialog::renewMidiSystemWhenIdle()
{
    if (sender || (midiIn && midiIn->isPortOpen()) || (midiOut && midiOut->isPortOpen()))
        return;
    midiOut.reset();
    midiIn.reset();
    MidiSystem midi = create_midi_system();
    midiOut = std::move(midi.out);
    midiIn = std::move(midi.in);
}

// --- Sending ------------------------------------------------------------------

void utilitydialog::on_pushButton_SendSysEx_clicked()
{
    encodeAndSend(file_paths().configuration, file_paths().dump, QStringLiteral("Send SysEx"));
}

void utilitydialog::on_pushButton_UpdateFirmware_clicked()
{
    encodeAndSend(file_paths().firmwareBinary, file_paths().firmwareSysex, QStringLiteral("Update Firmware"));
}

// Only a dump made from the whole source now may go out: a stale dump file
// left from an earlier run must never reach the controller. The dump file is
// written once the user has chosen the port: Cancel leaves every file as it was.
void utilitydialog::encodeAndSend(const QString &sourcePath, const QString &dumpPath, const QString &title)
{
    if (receptionRunning()) {
        warn(title, tr("A reception is running: press Stop first."));
        return;
    }
    const FileRead source = read_file(sourcePath, FileKind::DumpSource);
    if (source.cut()) {
        warn(title, tr("%1 is larger than %2 bytes, more than one dump can carry: nothing was sent.")
                        .arg(sourcePath).arg(dump::kMaxSourceBytes));
        return;
    }
    if (!source.ok()) {
        warn(title, tr("Couldn't read %1: nothing was sent.").arg(sourcePath));
        return;
    }
    const QByteArray dumpBytes = encode_dump(source.bytes, sourcePath);
    const auto writeDump = [&] {
        QString reason;
        if (write_file(dumpPath, dumpBytes, &reason))
            return true;
        warn(title, tr("Couldn't write %1 (%2): nothing was sent.").arg(dumpPath, reason));
        return false;
    };

    inputPortIndex = 255;
    outputPortIndex = 255;
    std::printf("Sending file: %s\n", dumpPath.toLocal8Bit().constData());
    std::fflush(stdout);
    if (!midiAvailable()) {
        writeDump();
        return;
    }

    midiportsdialog ports(this);
    try {
        const bool hasOutput = listOutputPorts(ports);
        if (ports.exec() != QDialog::Accepted)
            return;
        if (!writeDump() || !hasOutput)
            return;
        outputPortIndex = std::uint8_t(ports.currentOutputIndex());
        // Another send is still playing through the port.
        if (midiOut->isPortOpen()) {
            warn(kOutputsTitle, tr("Output port is in use.\n"));
            return;
        }
        const PortOpening opening = open_port_named(*midiOut, outputPortIndex, ports.currentOutputName(),
                                                    "RtMidi Output", [this](unsigned index) {
                                                        outputPortIndex = std::uint8_t(index);
                                                        std::printf("Opening port %d\n", outputPortIndex);
                                                        std::fflush(stdout);
                                                    });
        if (opening.outcome == PortOpening::Outcome::Gone) {
            warn(kOutputsTitle, tr("The MIDI output %1 is no longer there (an interface was plugged in or out "
                                   "meanwhile): nothing was sent.\n").arg(ports.currentOutputName()));
            return;
        }
        if (!opening.error.isEmpty()) {
            printError(opening.error.toStdString());
            warn(kOutputsTitle, opening.error);
            return;
        }
        if (!opening.opened()) {
            warn(kOutputsTitle, tr("Couldn't open output port.\n"));
            return;
        }
    } catch (RtMidiError &error) {
        printError(error);
        warn(kOutputsTitle, QString::fromStdString(error.getMessage()));
        return;
    }
    playDumpFile(dumpPath);
}

// Starts playing the dump out of the open output port; sendFinished() closes
// it, however the send ends.
void utilitydialog::playDumpFile(const QString &path)
{
    const FileRead dumpFile = read_file(path, FileKind::Dump);
    std::printf("SysEx size %d\n", dumpFile.ok() ? int(dumpFile.bytes.size()) : -1);
    QString portName;
    try {
        portName = midi_port_name(*midiOut, outputPortIndex);
    } catch (RtMidiError &error) {
        printError(error);
        midiOut->closePort();
        warn(kOutputsTitle, QString::fromStdString(error.getMessage()));
        return;
    }
    std::printf("Using MIDI out: %s\n", portName.toUtf8().constData());
    std::fflush(stdout);

    QProgressBar *progress = ui->progressBar_SysEx;
    progress->setMaximum(100);
    progress->setValue(0);
    progress->show();
    ui->pushButton_CancelSend->show();
    sendingPath = path;
    sendingPort = portName;
    sender = std::make_unique<SysexSender>(*midiOut);
    connect(sender.get(), &SysexSender::waiting, this, [progress](int number, int total, int percent, qint64 left) {
        // The text first: whoever watches the value sees the matching text.
        progress->setFormat(send_progress_text(number, total, left));
        progress->setValue(percent);
    });
    connect(sender.get(), &SysexSender::messageSent, this, [](int, const QByteArray &message) {
        // Each byte as "%02x ", then an empty line.
        const auto *bytes = reinterpret_cast<const unsigned char *>(message.constData());
        std::printf("%s \n\n", hex_bytes(bytes, message.size()).constData());
    });
    connect(sender.get(), &SysexSender::finished, this,
            [this](SysexSender::Outcome outcome) { sendFinished(outcome); });
    sender->start(dumpFile.bytes, portName);
}

void utilitydialog::sendFinished(SysexSender::Outcome outcome)
{
    const int sent = sender->sent();
    const int total = sender->total();
    const QString error = sender->errorText();
    std::fflush(stdout);
    if (outcome == SysexSender::Outcome::Completed)
        ui->progressBar_SysEx->setValue(100);
    sender.release()->deleteLater(); // its signal is still being delivered
    ui->progressBar_SysEx->hide();
    ui->progressBar_SysEx->resetFormat();
    ui->pushButton_CancelSend->hide();
    midiOut->closePort();

    switch (outcome) {
    case SysexSender::Outcome::Completed:
        break;
    case SysexSender::Outcome::Cancelled:
        reportCancelledSend(sendingPath, sent, total);
        break;
    case SysexSender::Outcome::OutputLost:
        reportLostOutput(sendingPath, sent, total);
        renewMidiSystemWhenIdle();
        break;
    case SysexSender::Outcome::MidiError:
        std::printf("%s\n", error.toLocal8Bit().constData());
        std::fflush(stdout);
        warn(kOutputsTitle, error);
        break;
    }
    if (closeWhenSent >= 0) {
        const int result = closeWhenSent;
        closeWhenSent = -1;
        QDialog::done(result);
    }
}

void utilitydialog::on_pushButton_CancelSend_clicked()
{
    if (sender)
        sender->cancel();
}

// A send ends at the end of its pause, between two whole messages, so the
// window closes then, at most one pause later. (Hiding it sooner would end
// its run while the send still needs it.)
void utilitydialog::done(int result)
{
    if (!sender) {
        QDialog::done(result);
        return;
    }
    closeWhenSent = result;
    sender->cancel();
}

QString utilitydialog::sendTitle(const QString &path)
{
    return path == file_paths().firmwareSysex ? QStringLiteral("Update Firmware") : QStringLiteral("Send SysEx");
}

// The interface was pulled, or the MIDI system went away, in the middle of
// a send: the controller holds part of a dump, and the user must know.
void utilitydialog::reportLostOutput(const QString &path, int sent, int total)
{
    const bool firmware = path == file_paths().firmwareSysex;
    QString text;
    if (sent == 0)
        text = firmware ? tr("The MIDI output %1 went away before the first message: nothing reached the "
                             "controller.\n\nConnect the interface again and press Update Firmware once more.")
                        : tr("The MIDI output %1 went away before the first message: nothing reached the "
                             "controller.\n\nConnect the interface again and press Send SysEx once more.");
    else
        text = firmware ? tr("The MIDI output %1 went away after %2 of %3 messages.\n\n"
                             "The controller holds only part of the firmware. Connect the interface again "
                             "and press Update Firmware once more.")
                        : tr("The MIDI output %1 went away after %2 of %3 messages.\n\n"
                             "The controller holds only part of the dump. Connect the interface again "
                             "and press Send SysEx once more.");
    warn(sendTitle(path), sent == 0 ? text.arg(sendingPort) : text.arg(sendingPort).arg(sent).arg(total));
}

void utilitydialog::reportCancelledSend(const QString &path, int sent, int total)
{
    const bool firmware = path == file_paths().firmwareSysex;
    const QString title = sendTitle(path);
    if (sent == 0) {
        warn(title, tr("Sending was cancelled before the first message: nothing reached the controller."));
        return;
    }
    const QString text = firmware
        ? tr("Sending was cancelled after %1 of %2 messages.\n\n"
             "The controller has received only part of the firmware. "
             "Press Update Firmware again and let it run to the end.")
        : tr("Sending was cancelled after %1 of %2 messages.\n\n"
             "The controller has received only part of the dump. "
             "Press Send SysEx again and let it run to the end.");
    warn(title, text.arg(sent).arg(total));
}

// --- Reception ------------------------------------------------------------------

void utilitydialog::on_pushButton_ReceiveDump_clicked()
{
    // A second reception would reset the count under the running one and
    // open its port again.
    if (receptionRunning()) {
        warn(QStringLiteral("Receive Dump"), tr("A reception is running: press Stop to end it first."));
        return;
    }
    inputPortIndex = 255;
    outputPortIndex = 255;
    reset_reception();
    packetTally.reset();
    if (!midiAvailable())
        return;

    // Stays a child of this dialog until the dialog goes.
    auto *ports = new midiportsdialog(this);
    try {
        listOutputPorts(*ports);
        const bool hasInput = listInputPorts(*ports);
        if (ports->exec() != QDialog::Accepted)
            return;
        if (!hasInput) {
            setReceptionShown(true);
            return;
        }
        startReception(unsigned(ports->currentInputIndex()), ports->currentInputName());
    } catch (RtMidiError &error) {
        printError(error);
        warn(kInputsTitle, QString::fromStdString(error.getMessage()));
    }
}

void utilitydialog::startReception(unsigned chosen, const QString &name)
{
    const PortOpening opening = open_port_named(*midiIn, chosen, name, "RtMidi Input", [&](unsigned index) {
        setReceptionShown(true);
        inputPortIndex = std::uint8_t(index);
        ui->labelInputPortName->setText(QStringLiteral("%1 - %2").arg(inputPortIndex).arg(name));
        std::printf("Opening port %d\n", inputPortIndex);
        std::fflush(stdout);
    });
    if (opening.outcome == PortOpening::Outcome::Gone) {
        warn(kInputsTitle, tr("The MIDI input %1 is no longer there (an interface was plugged in or out "
                              "meanwhile): nothing is being recorded.\n").arg(name));
        return;
    }
    if (!opening.error.isEmpty()) {
        printError(opening.error.toStdString());
        warn(kInputsTitle, opening.error);
        return;
    }
    midiIn->setCallback(reception_input_callback);
    midiIn->setErrorCallback(reception_error_callback);
    midiIn->ignoreTypes(false, true, true);
    receptionWatch = std::make_unique<PortWatch>(*midiIn, name);
}

bool utilitydialog::receptionRunning() const
{
    return !ui->pushButtonStopReception->isHidden();
}

// While a reception runs, the other transfers wait: a send would write the
// dump file the reception is about to save, and a second reception would
// take over its port.
void utilitydialog::setReceptionShown(bool shown)
{
    ui->labelReceivedBytes->setVisible(shown);
    ui->labelReceivedPackets->setVisible(shown);
    ui->pushButtonStopReception->setVisible(shown);
    ui->labelInputPortName->setVisible(shown);
    const QString why = shown ? tr("A reception is running: press Stop first.") : QString();
    for (QPushButton *transfer : {ui->pushButton_ReceiveDump, ui->pushButton_SendSysEx, ui->pushButton_UpdateFirmware}) {
        transfer->setEnabled(!shown);
        transfer->setToolTip(why);
    }
}

void utilitydialog::update()
{
    const int count = received_byte_count();
    ui->labelReceivedBytes->setText(tr("<font color='red'>%1 bytes received</font>").arg(count));
    packetTally.scan(reception_bytes(), count);
    QString packets = packetsText(packetTally);
    // A pulled interface sends nothing more: say so, so the user stops.
    if (receptionWatch && !receptionWatch->present())
        packets = tr("%1 — the MIDI input %2 has gone away. Press Stop to keep what arrived.")
                      .arg(packets, receptionWatch->portName());
    ui->labelReceivedPackets->setText(packets);
    announce_text_change(ui->labelReceivedBytes);
    announce_text_change(ui->labelReceivedPackets);
}

void utilitydialog::on_pushButtonStopReception_clicked()
{
    // No callback runs once the port is closed: only then are the bytes read.
    if (midiIn)
        midiIn->closePort();
    const bool inputLost = receptionWatch && !receptionWatch->present();
    receptionWatch.reset();
    if (inputLost)
        renewMidiSystemWhenIdle();
    const QString dumpPath = file_paths().dump;
    std::printf("Saving to %s\n", dumpPath.toLocal8Bit().constData());
    std::fflush(stdout);
    const int count = received_byte_count();
    const int dropped = dropped_byte_count();
    QString reason;
    // An empty recording never replaces the last one.
    const int saved = count > 0 ? write_file_bytes(reception_bytes(), dumpPath, count, &reason) : 0;
    reset_reception();
    packetTally.reset();
    setReceptionShown(false);

    const QString title = QStringLiteral("Receive Dump");
    const QString config = file_paths().configuration;
    if (dropped > 0)
        warn(title, tr("The recording was cut: it filled all %1 bytes of the reception buffer, "
                       "and the %2 bytes that came after were dropped.")
                        .arg(reception::kCapacity).arg(dropped));
    if (count == 0) {
        warn(title, tr("Nothing was received: %1 was left unchanged.").arg(config));
        return;
    }
    // A dump file that could not be replaced holds an older recording.
    if (saved != 1) {
        warn(title, tr("Couldn't save the recording to %1 (%3): %2 was left unchanged.").arg(dumpPath, config, reason));
        return;
    }
    if (!replaceConfigurationWithDump(dumpPath, title, SaveOperation::DumpReception))
        return;
    showPresetsOfFile();
}
