#include "sysex_sender.h"

#include "output_errors.h"
#include "port_watch.h"

#include <QCoreApplication>

#include <rtmidi/RtMidi.h>

namespace {

// The texts of this file belong to the "utilitydialog" translation context; lupdate
// finds them by the qualified calls.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(utilitydialog)
};

// The whole messages the controller is handed, in file order.
std::vector<SysexSpan> messagesToSend(const QByteArray &dump)
{
    std::vector<SysexSpan> messages;
    walk_sysex_messages(reinterpret_cast<const unsigned char *>(dump.constData()), dump.size(),
                        InnerStart::StartsNewMessage, [&](const SysexSpan &message) {
                            // Bytes after the last F7 are never sent.
                            if (message.closed)
                                messages.push_back(message);
                        });
    return messages;
}

} // namespace

SysexSender::SysexSender(RtMidiOut &out, QObject *parent)
    : QObject(parent)
    , out(out)
{
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &SysexSender::pauseElapsed);
}

SysexSender::~SysexSender() = default;

void SysexSender::start(const QByteArray &dump, const QString &portName)
{
    Q_ASSERT(!isRunning());
    data = dump; // the spans point into this copy
    messages = messagesToSend(data);
    sentCount = 0;
    cancelRequested = false;
    error.clear();
    watch = std::make_unique<PortWatch>(out, portName);
    // Errors of the output reach the sender instead of being thrown from
    // inside the MIDI library, or printed and passed over.
    outputErrors = std::make_unique<OutputErrors>(out);
    sendClock.start();
    if (messages.empty()) {
        // Nothing to wait for: end from the event loop, as any send ends.
        state = State::Draining;
        pauseClock.invalidate();
        timer.start(0);
        return;
    }
    pauseBefore(0);
}

void SysexSender::pauseBefore(int index)
{
    state = State::Pausing;
    const SysexSpan &message = messages[size_t(index)];
    const int endOfMessage = int(message.bytes - reinterpret_cast<const unsigned char *>(data.constData()))
        + message.length - 1;
    emit waiting(index + 1, total(), int(qint64(endOfMessage) * 100 / data.size()),
                 send_time_left_ms(index + 1, total(), sendClock.elapsed()));
    pauseClock.start();
    timer.start(sending::kPauseBeforeMessageMs);
}

void SysexSender::pauseElapsed()
{
    // A timer may fire a little early: the controller's pause is a minimum.
    const qint64 wanted = qint64(sending::kPauseBeforeMessageMs) * 1000000;
    const qint64 waited = pauseClock.isValid() ? pauseClock.nsecsElapsed() : wanted;
    if (waited < wanted) {
        timer.start(int((wanted - waited + 999999) / 1000000));
        return;
    }
    if (state == State::Draining) {
        finish(Outcome::Completed);
        return;
    }
    if (state == State::Pausing)
        sendNext();
}

void SysexSender::sendNext()
{
    if (cancelRequested) {
        finish(Outcome::Cancelled);
        return;
    }
    if (!watch->present()) {
        finish(Outcome::OutputLost);
        return;
    }
    const SysexSpan &span = messages[size_t(sentCount)];
    std::vector<unsigned char> message(span.bytes, span.bytes + span.length);
    try {
        out.sendMessage(&message);
        if (outputErrors->failed())
            error = outputErrors->text();
    } catch (RtMidiError &e) {
        error = QString::fromStdString(e.getMessage());
    }
    if (!error.isEmpty()) {
        finish(Outcome::MidiError);
        return;
    }
    ++sentCount;
    emit messageSent(sentCount, QByteArray(reinterpret_cast<const char *>(span.bytes), span.length));
    if (sentCount < total()) {
        pauseBefore(sentCount);
        return;
    }
    // The MIDI system delivers from a queue of its own: closing the port
    // right after the last message could drop it before it has left.
    state = State::Draining;
    pauseClock.start();
    timer.start(sending::kPauseBeforeMessageMs);
}

void SysexSender::cancel()
{
    if (state == State::Pausing)
        cancelRequested = true;
}

void SysexSender::abort()
{
    if (isRunning())
        finish(Outcome::Cancelled);
}

void SysexSender::finish(Outcome outcome)
{
    timer.stop();
    state = State::Idle;
    outputErrors.reset();
    watch.reset();
    emit finished(outcome);
}

int count_dump_messages(const QByteArray &dump)
{
    return int(messagesToSend(dump).size());
}

qint64 send_time_left_ms(int number, int total, qint64 elapsedMs)
{
    const qint64 pause = sending::kPauseBeforeMessageMs;
    const qint64 measured = number > 1 ? elapsedMs / (number - 1) : 0;
    const qint64 perMessage = qMax(pause, measured);
    return qint64(total - number + 1) * perMessage + pause;
}

QString send_progress_text(int number, int total, qint64 millisecondsLeft)
{
    // Rounded up: the estimate never promises less than is left.
    const qint64 seconds = (millisecondsLeft + 999) / 1000;
    QString left;
    if (seconds < 60)
        left = Text::tr("about %1 s left").arg(seconds);
    else if (seconds % 60 == 0)
        left = Text::tr("about %1 min left").arg(seconds / 60);
    else
        left = Text::tr("about %1 min %2 s left").arg(seconds / 60).arg(seconds % 60);
    return Text::tr("Message %1 of %2 — %3").arg(number).arg(total).arg(left);
}
