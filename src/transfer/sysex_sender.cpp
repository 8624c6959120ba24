#include "sysex_sender.h"

#include "fields.h"
#include "message_walk.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressBar>
#include <QTimer>

#include <rtmidi/RtMidi.h>

#include <cstdio>
#include <vector>

void wait_with_events(int ms)
{
    const qint64 wanted = qint64(ms) * 1000000;
    QElapsedTimer clock;
    clock.start();
    // A timer may end its loop early (another loop quit it, or a nested modal
    // dialog returned): wait again for whatever is left.
    for (qint64 left = wanted; left > 0; left = wanted - clock.nsecsElapsed()) {
        QEventLoop loop;
        QTimer::singleShot(int((left + 999999) / 1000000), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

namespace {

// Each byte as "%02x ", then an empty line.
void traceMessage(const std::vector<unsigned char> &message)
{
    const QByteArray hex = hex_bytes(message.data(), int(message.size()));
    std::printf("%s \n\n", hex.constData());
}

// The whole messages the controller is handed, in file order.
std::vector<SysexSpan> messagesToSend(const unsigned char *data, int size)
{
    std::vector<SysexSpan> messages;
    walk_sysex_messages(data, size, InnerStart::StartsNewMessage, [&](const SysexSpan &message) {
        // Bytes after the last F7 are never sent.
        if (message.closed)
            messages.push_back(message);
    });
    return messages;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("utilitydialog", text);
}

// Text and value of the bar while message `number` waits for its pause.
void showProgress(QProgressBar *progress, int number, int total, qint64 elapsedMs, int value)
{
    if (!progress)
        return;
    // The format first: whoever watches the value sees the matching text.
    progress->setFormat(send_progress_text(number, total, send_time_left_ms(number, total, elapsedMs)));
    progress->setValue(value);
}

} // namespace

int count_dump_messages(const unsigned char *data, int size)
{
    return int(messagesToSend(data, size).size());
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
        left = tr("about %1 s left").arg(seconds);
    else if (seconds % 60 == 0)
        left = tr("about %1 min left").arg(seconds / 60);
    else
        left = tr("about %1 min %2 s left").arg(seconds / 60).arg(seconds % 60);
    return tr("Message %1 of %2 — %3").arg(number).arg(total).arg(left);
}

int send_dump_messages(RtMidiOut &out, const unsigned char *data, int size, QProgressBar *progress,
                       const bool *cancelRequested)
{
    const int total = count_dump_messages(data, size);
    QElapsedTimer clock;
    clock.start();
    if (total > 0 && progress)
        progress->setFormat(send_progress_text(1, total, send_time_left_ms(1, total, 0)));

    int sent = 0;
    bool cancelled = false;
    for (const SysexSpan &span : messagesToSend(data, size)) {
        const int endOfMessage = int(span.bytes - data) + span.length - 1;
        QCoreApplication::processEvents();
        showProgress(progress, sent + 1, total, clock.elapsed(), int(qint64(endOfMessage) * 100 / size));
        wait_with_events(sending::kPauseBeforeMessageMs);
        // Only here, between two whole messages, may a send end early.
        cancelled = cancelRequested && *cancelRequested;
        if (cancelled)
            break;
        std::vector<unsigned char> message(span.bytes, span.bytes + span.length);
        out.sendMessage(&message);
        traceMessage(message);
        ++sent;
    }
    // The MIDI system delivers from a queue of its own: closing the port right
    // after the last message could drop it before it has left. A cancelled
    // send has already waited that pause.
    if (sent > 0 && !cancelled)
        wait_with_events(sending::kPauseBeforeMessageMs);
    std::fflush(stdout);
    return sent;
}
