#include "preset_play.h"

#include "fields.h"
#include "message_sending.h"
#include "midiportsdialog.h"
#include "port_opening.h"
#include "port_watch.h"

#include <QStringList>

#include <rtmidi/RtMidi.h>

namespace {

// The editor's side of the connection, as the MIDI system lists it.
const char *const kPlayPortName = "Vektor Play";

} // namespace

PlayOutput &PlayOutput::instance()
{
    static PlayOutput output;
    return output;
}

void PlayOutput::forget()
{
    watch.reset();
    midi = MidiSystem();
    port.clear();
}

bool PlayOutput::choose(QWidget *parent, QString *why)
{
    if (!midi.out)
        midi = create_midi_system();
    if (!midi.out) {
        *why = tr("Nothing was sent: no MIDI system could be opened.");
        return false;
    }
    try {
        const unsigned count = midi.out->getPortCount();
        if (count == 0) {
            *why = tr("Nothing was sent: there are no MIDI output ports available.");
            return false;
        }
        // The transfers' port dialog, with its output list only.
        midiportsdialog ports(parent);
        for (const char *name : {"inputPortLabel", "inputPortsComboBox"})
            if (QWidget *input = ports.findChild<QWidget *>(QLatin1String(name)))
                input->hide();
        ports.setWindowTitle(tr("Play Through"));
        for (unsigned i = 0; i < count; ++i)
            ports.addOutputPort(midi_port_name(*midi.out, i));
        if (ports.exec() != QDialog::Accepted || ports.currentOutputIndex() < 0) {
            *why = tr("Nothing was sent: no output was chosen.");
            return false;
        }
        port = ports.currentOutputName();
        const PortOpening opening =
            open_port_named(*midi.out, unsigned(ports.currentOutputIndex()), port, kPlayPortName);
        if (!opening.opened()) {
            *why = opening.error.isEmpty() ? tr("Nothing was sent: the output %1 could not be opened.").arg(port)
                                           : tr("Nothing was sent: %1").arg(opening.error);
            port.clear();
            return false;
        }
    } catch (RtMidiError &e) {
        *why = tr("Nothing was sent: %1").arg(QString::fromStdString(e.getMessage()));
        port.clear();
        return false;
    }
    // The watch also asks for the connection: an output that went away and
    // came back under its name is no longer connected to ours.
    watch = std::make_unique<PortWatch>(*midi.out, port, QString::fromLatin1(kPlayPortName));
    return true;
}

QString PlayOutput::play(QWidget *parent, const QVector<QByteArray> &messages, const QString &presetText,
                         const QByteArray &image)
{
    if (messages.isEmpty())
        return tr("Preset %1 sends nothing: none of its program changes or control changes is on.").arg(presetText);
    QString why;
    if (port.isEmpty() && !choose(parent, &why))
        return why;
    if (!watch->present()) {
        const QString gone = port;
        forget();
        return tr("Nothing was sent: the output %1 went away. Play asks for an output again.").arg(gone);
    }
    const QString error = send_midi_messages(*midi.out, messages);
    if (!error.isEmpty()) {
        const QString failed = port;
        forget();
        return tr("Sending to %1 failed: %2").arg(failed, error);
    }
    SentMessages::instance().report(port, messages, image);
    QStringList hex;
    for (const QByteArray &message : messages)
        hex << QString::fromLatin1(message.toHex(' '));
    return tr("Sent preset %1 to %2: %3").arg(presetText, port, hex.join(QStringLiteral(", ")));
}
