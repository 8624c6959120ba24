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

} // namespace

int send_dump_messages(RtMidiOut &out, const unsigned char *data, int size, QProgressBar *progress)
{
    std::vector<unsigned char> message;
    int sent = 0;
    for (int i = 0; i < size; ++i) {
        const unsigned char byte = data[i];
        if (byte == 0xF0) {
            message.clear();
            message.push_back(byte);
        } else if (byte == 0xF7) {
            message.push_back(byte);
            // Bytes that no F0 opened are not a message the controller can take.
            if (message.front() == 0xF0) {
                QCoreApplication::processEvents();
                if (progress)
                    progress->setValue(int(qint64(i) * 100 / size));
                wait_with_events(sending::kPauseBeforeMessageMs);
                out.sendMessage(&message);
                traceMessage(message);
                ++sent;
            }
            message.clear();
        } else {
            message.push_back(byte);
        }
    }
    // The MIDI system delivers from a queue of its own: closing the port right
    // after the last message could drop it before it has left.
    if (sent > 0)
        wait_with_events(sending::kPauseBeforeMessageMs);
    std::fflush(stdout);
    return sent;
}
