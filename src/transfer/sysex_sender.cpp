#include "sysex_sender.h"

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

void traceMessage(const std::vector<unsigned char> &message)
{
    for (unsigned char byte : message)
        std::printf("%02x ", byte);
    std::printf("\n\n");
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
    int count = 0;
    bool open = false;
    for (int i = 0; i < size; ++i) {
        if (data[i] == 0xF0)
            open = true;
        else if (data[i] == 0xF7 && open) {
            ++count;
            open = false;
        }
    }
    return count;
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

    std::vector<unsigned char> message;
    int sent = 0;
    bool cancelled = false;
    for (int i = 0; i < size && !cancelled; ++i) {
        const unsigned char byte = data[i];
        if (byte == 0xF0) {
            message.clear();
            message.push_back(byte);
        } else if (byte == 0xF7) {
            message.push_back(byte);
            // Bytes that no F0 opened are not a message the controller can take.
            if (message.front() == 0xF0) {
                QCoreApplication::processEvents();
                showProgress(progress, sent + 1, total, clock.elapsed(), int(qint64(i) * 100 / size));
                wait_with_events(sending::kPauseBeforeMessageMs);
                // Only here, between two whole messages, may a send end early.
                cancelled = cancelRequested && *cancelRequested;
                if (!cancelled) {
                    out.sendMessage(&message);
                    traceMessage(message);
                    ++sent;
                }
            }
            message.clear();
        } else {
            message.push_back(byte);
        }
    }
    // The MIDI system delivers from a queue of its own: closing the port right
    // after the last message could drop it before it has left. A cancelled
    // send has already waited that pause.
    if (sent > 0 && !cancelled)
        wait_with_events(sending::kPauseBeforeMessageMs);
    std::fflush(stdout);
    return sent;
}
