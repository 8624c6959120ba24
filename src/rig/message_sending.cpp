#include "message_sending.h"

#include "output_errors.h"

#include <rtmidi/RtMidi.h>

QString send_midi_messages(RtMidiOut &out, const QVector<QByteArray> &messages)
{
    const OutputErrors errors(out);
    try {
        for (const QByteArray &message : messages) {
            const auto *bytes = reinterpret_cast<const unsigned char *>(message.constData());
            out.sendMessage(bytes, size_t(message.size()));
            if (errors.failed())
                return errors.text();
        }
    } catch (RtMidiError &e) {
        return QString::fromStdString(e.getMessage());
    }
    return QString();
}

SentMessages &SentMessages::instance()
{
    static SentMessages messages;
    return messages;
}
