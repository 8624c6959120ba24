#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>

class RtMidiOut;

// Sends `messages` out of the open port of `out`, one after the other and
// at once (channel messages need no pause). Returns an empty text, or the
// MIDI system's reason when it failed, thrown or reported through the
// output's error callback; the messages before it have gone.
QString send_midi_messages(RtMidiOut &out, const QVector<QByteArray> &messages);

// What the editor itself has sent, for a monitor that shows both
// directions. One object for the process; it lives on the GUI thread.
// `image` is the whole memory the messages were sent from (the library's
// copy, saved or not), so that the monitor explains them by it; empty when
// they come from no memory.
class SentMessages : public QObject
{
    Q_OBJECT

public:
    static SentMessages &instance();
    void report(const QString &port, const QVector<QByteArray> &messages, const QByteArray &image = QByteArray())
    {
        emit sent(port, messages, image);
    }

signals:
    void sent(const QString &port, const QVector<QByteArray> &messages, const QByteArray &image);
};
