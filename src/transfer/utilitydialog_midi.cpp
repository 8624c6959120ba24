// The utility dialog's MIDI transfers: sending a dump or a firmware image to
// the controller, and recording a dump that the controller sends.

#include "utilitydialog.h"
#include "ui_utilitydialog.h"

#include "dump_codec.h"
#include "midiportsdialog.h"
#include "reception_buffer.h"
#include "store.h"
#include "sysex_sender.h"

#include <QFileInfo>

#include <rtmidi/RtMidi.h>

#include <cstdio>
#include <vector>

namespace {

const char *const kOutputsTitle = "MIDI Outputs";
const char *const kInputsTitle = "MIDI Inputs";

QString portName(const std::string &name)
{
    return QString::fromLatin1(name.c_str());
}

void printError(const RtMidiError &error)
{
    std::printf("%s\n", error.getMessage().c_str());
    std::fflush(stdout);
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
        ports.addOutputPort(portName(midiOut->getPortName(i)));
    if (count == 0)
        warn(kOutputsTitle, tr("There are no MIDI output ports available.\n"));
    return count > 0;
}

bool utilitydialog::listInputPorts(midiportsdialog &ports)
{
    const unsigned count = midiIn->getPortCount();
    for (unsigned i = 0; i < count; ++i)
        ports.addInputPort(portName(midiIn->getPortName(i)));
    if (count == 0)
        warn(kInputsTitle, tr("There are no MIDI input ports available.\n"));
    return count > 0;
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
    if (QFileInfo(sourcePath).size() > dump::kMaxSourceBytes) {
        warn(title, tr("%1 is larger than %2 bytes, more than one dump can carry: nothing was sent.")
                        .arg(sourcePath).arg(dump::kMaxSourceBytes));
        return;
    }
    std::vector<unsigned char> source(dump::kMaxSourceBytes);
    const int length = read_file_bytes(source.data(), sourcePath, dump::kMaxSourceBytes);
    if (length < 0) {
        warn(title, tr("Couldn't read %1: nothing was sent.").arg(sourcePath));
        return;
    }
    const QByteArray dumpBytes =
        encode_dump(QByteArray(reinterpret_cast<const char *>(source.data()), length), sourcePath);
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
        std::printf("Opening port %d\n", outputPortIndex);
        std::fflush(stdout);
        midiOut->openPort(outputPortIndex, "RtMidi Output");
        if (!midiOut->isPortOpen()) {
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

// Plays the dump out of the open output port and closes it, also when the
// MIDI system fails half-way or the user cancels.
void utilitydialog::playDumpFile(const QString &path)
{
    QProgressBar *progress = ui->progressBar_SysEx;
    int sent = 0;
    int total = 0;
    try {
        std::vector<unsigned char> data(dump::kMaxDumpBytes);
        const int size = read_file_bytes(data.data(), path, dump::kMaxDumpBytes);
        std::printf("SysEx size %d\n", size);
        std::printf("Using MIDI out: %s\n", midiOut->getPortName(outputPortIndex).c_str());
        total = count_dump_messages(data.data(), size);
        progress->setMaximum(100);
        progress->setValue(0);
        progress->show();
        sendCancelRequested = false;
        sendRunning = true;
        ui->pushButton_CancelSend->show();
        sent = send_dump_messages(*midiOut, data.data(), size, progress, &sendCancelRequested);
        if (sent == total)
            progress->setValue(100);
    } catch (RtMidiError &error) {
        printError(error);
        endSend();
        warn(kOutputsTitle, QString::fromStdString(error.getMessage()));
        return;
    }
    endSend();
    if (sent < total)
        reportCancelledSend(path, sent, total);
}

// Back to idle, however the send ended.
void utilitydialog::endSend()
{
    sendRunning = false;
    ui->progressBar_SysEx->hide();
    ui->progressBar_SysEx->resetFormat();
    ui->pushButton_CancelSend->hide();
    midiOut->closePort();
}

void utilitydialog::on_pushButton_CancelSend_clicked()
{
    if (sendRunning)
        sendCancelRequested = true;
}

// The send runs in event loops nested under the dialog's own run, which can
// only return once the send has ended: closing the dialog ends it too.
void utilitydialog::done(int result)
{
    if (sendRunning)
        sendCancelRequested = true;
    QDialog::done(result);
}

void utilitydialog::reportCancelledSend(const QString &path, int sent, int total)
{
    const bool firmware = path == file_paths().firmwareSysex;
    const QString title = firmware ? QStringLiteral("Update Firmware") : QStringLiteral("Send SysEx");
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
        ui->labelReceivedBytes->show();
        ui->labelReceivedPackets->show();
        ui->pushButtonStopReception->show();
        ui->labelInputPortName->show();
        if (hasInput)
            startReception(*ports);
    } catch (RtMidiError &error) {
        printError(error);
        warn(kInputsTitle, QString::fromStdString(error.getMessage()));
    }
}

void utilitydialog::startReception(midiportsdialog &ports)
{
    inputPortIndex = std::uint8_t(ports.currentInputIndex());
    ui->labelInputPortName->setText(
        QStringLiteral("%1 - %2").arg(inputPortIndex).arg(portName(midiIn->getPortName(inputPortIndex))));
    std::printf("Opening port %d\n", inputPortIndex);
    std::fflush(stdout);
    midiIn->openPort(inputPortIndex, "RtMidi Input");
    midiIn->setCallback(reception_input_callback);
    midiIn->setErrorCallback(reception_error_callback);
    midiIn->ignoreTypes(false, true, true);
}

void utilitydialog::update()
{
    const int count = received_byte_count();
    ui->labelReceivedBytes->setText(QStringLiteral("<font color='red'>%1 bytes received</font>").arg(count));
    packetTally.scan(reception_bytes(), count);
    ui->labelReceivedPackets->setText(packetsText(packetTally));
}

void utilitydialog::on_pushButtonStopReception_clicked()
{
    // No callback runs once the port is closed: only then are the bytes read.
    if (midiIn)
        midiIn->closePort();
    const QString dumpPath = file_paths().dump;
    std::printf("Saving to %s\n", dumpPath.toLocal8Bit().constData());
    std::fflush(stdout);
    const int count = received_byte_count();
    const int dropped = dropped_byte_count();
    QString reason;
    const int saved = write_file_bytes(reception_bytes(), dumpPath, count, &reason);
    reset_reception();
    packetTally.reset();
    ui->labelReceivedBytes->hide();
    ui->labelReceivedPackets->hide();
    ui->pushButtonStopReception->hide();
    ui->labelInputPortName->hide();

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
