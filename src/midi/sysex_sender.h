#pragma once

#include "message_walk.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <rtmidi/RtMidi.h>

#include <memory>
#include <string>
#include <vector>

class OutputErrors;
class PortWatch;

namespace sending {
// The controller needs this long before each message to take the previous one.
constexpr int kPauseBeforeMessageMs = 180;
}

// Plays the whole SysEx messages of a dump out of an open MIDI output, at
// the controller's pace: before every message a pause of at least
// kPauseBeforeMessageMs, and after the last one a pause more, so that it has
// left before the caller closes the port. A precise timer on the caller's
// event loop drives it; nothing waits in a loop of its own, so the window
// (or the command line) stays responsive throughout.
class SysexSender : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Completed,  // every message went out
        Cancelled,  // cancel() ended it between two messages
        OutputLost, // the output was gone before a message
        MidiError,  // the MIDI library reported an error (errorText())
    };
    Q_ENUM(Outcome)

    explicit SysexSender(RtMidiOut &out, QObject *parent = nullptr);
    ~SysexSender() override;

    // Starts playing `dump` through `out`, whose port must be open and was
    // chosen by `portName`: before each message the sender checks that the
    // port is still there. Messages are split as the controller takes them:
    // an inner F0 starts a new message, bytes outside messages are not sent.
    void start(const QByteArray &dump, const QString &portName);
    // Ends the send at the end of the current pause, between two whole
    // messages; the last message sent has then had its full pause to leave.
    void cancel();
    // Ends at once, for a window that is going away.
    void abort();

    bool isRunning() const { return state != State::Idle; }
    int total() const { return int(messages.size()); }
    int sent() const { return sentCount; }
    QString errorText() const { return error; }

signals:
    // Message `number` (from 1) of `total` waits for its pause; `percent` is
    // the position of its F7 in the dump, `millisecondsLeft` the estimate of
    // send_time_left_ms.
    void waiting(int number, int total, int percent, qint64 millisecondsLeft);
    void messageSent(int number, const QByteArray &message);
    void finished(SysexSender::Outcome outcome);

private:
    enum class State { Idle, Pausing, Draining };

    void pauseBefore(int index);
    void pauseElapsed();
    void sendNext();
    void finish(Outcome outcome);

    RtMidiOut &out;
    std::unique_ptr<PortWatch> watch;
    std::unique_ptr<OutputErrors> outputErrors;
    QTimer timer;
    QElapsedTimer pauseClock;
    QElapsedTimer sendClock;
    QByteArray data;
    std::vector<SysexSpan> messages;
    State state = State::Idle;
    int sentCount = 0;
    bool cancelRequested = false;
    QString error;
};

// "Message 12 of 839 — about 2 min 29 s left": the text of the progress
// while message `number` (from 1) of `total` waits for its pause.
QString send_progress_text(int number, int total, qint64 millisecondsLeft);

// What is left of a send when message `number` of `total` is due and the
// messages so far took `elapsedMs`: the pause of every message still to go
// (or the time each one has really taken, when longer), and the last pause.
qint64 send_time_left_ms(int number, int total, qint64 elapsedMs);

// The number of messages a SysexSender would send of `dump`.
int count_dump_messages(const QByteArray &dump);
