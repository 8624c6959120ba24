// Measures the MIDI transfers of the utility dialog against a JACK peer on a
// private JACK server in dummy mode:
//  - Send SysEx of a whole image: total time over the pauses the controller
//    needs (839 messages x 180 ms); the target is at most 1.01.
//  - Receive Dump of the whole image played by the peer with 1 ms (and with
//    no) pause between messages: bytes lost, which must be 0.
// Needs jackd (package jackd2). Prints its figures at the end.

#include "../tests/midi/midi_peer.h"

#include "dump_codec.h"
#include "reception_buffer.h"
#include "configuration_saves.h"
#include "store.h"
#include "sysex_sender.h"
#include "utilitydialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace {

const QString kJackScript = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../tests/midi/jack_server.sh";

bool jackServer(const char *action, const QString &state)
{
    return QProcess::execute(kJackScript, {QString::fromLatin1(action), state}) == 0;
}

// Keeps the editor's per-message trace out of the figures.
class QuietStdout
{
public:
    QuietStdout()
    {
        std::fflush(stdout);
        saved = dup(STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(null);
    }
    ~QuietStdout()
    {
        std::fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
    }

private:
    int saved;
};

// Answers the next port dialog with the first port of each list, and notes
// when the transfer could begin.
void answerPortDialog(PeerClock::time_point *closedAt)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, closedAt] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != QLatin1String("midiportsdialog"))
            return;
        poll->stop();
        poll->deleteLater();
        dialog->accept();
        *closedAt = PeerClock::now();
    });
    poll->start(2);
}

void click(utilitydialog &dialog, const char *button)
{
    dialog.findChild<QPushButton *>(button)->click();
}

// Plays the dump into Receive Dump and returns the bytes that did not arrive.
int receptionLoss(const std::vector<std::vector<unsigned char>> &messages, int total, int pauseUs)
{
    PeerOutput controller("vektor-bench-out-" + std::to_string(pauseUs), "out");
    utilitydialog dialog(nullptr);
    PeerClock::time_point unused;
    answerPortDialog(&unused);
    {
        QuietStdout quiet;
        click(dialog, "pushButton_ReceiveDump");
    }
    controller.play(messages, std::chrono::microseconds(pauseUs));
    controller.waitUntilPlayed();
    // Settled once the count stops moving.
    int last = -1;
    while (received_byte_count() != last) {
        last = received_byte_count();
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < 500)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    const int received = received_byte_count();
    {
        QuietStdout quiet;
        click(dialog, "pushButtonStopReception");
    }
    return total - received;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("JACK_DEFAULT_SERVER", QByteArray("vektor-bench-") + QByteArray::number(getpid()));
    qputenv("JACK_NO_AUDIO_RESERVATION", "1");
    ensure_image();
    QApplication app(argc, argv);

    set_paths_for_home(home.path());
    QDir().mkpath(home.path() + "/Stompwerk/Vektor");
    init_default_image();
    if (!jackServer("start", home.path() + "/jack")) {
        std::fprintf(stderr, "no JACK server: install jackd2\n");
        return 1;
    }

    PeerInput controller("vektor-bench-in", "in");
    double sendRatio = 0;
    double lastArrivalRatio = 0;
    {
        utilitydialog dialog(nullptr);
        dialog.show();
        PeerClock::time_point start;
        answerPortDialog(&start);
        {
            QuietStdout quiet;
            click(dialog, "pushButton_SendSysEx");
            // The send runs on the event loop; it has ended once its bar is hidden.
            auto *progress = dialog.findChild<QWidget *>("progressBar_SysEx");
            while (progress->isVisible())
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        const double pausesMs = 839.0 * sending::kPauseBeforeMessageMs;
        sendRatio = millisecondsBetween(start, PeerClock::now()) / pausesMs;
        QElapsedTimer settle;
        settle.start();
        while (controller.messageCount() < 839 && settle.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        const auto arrivals = controller.messages();
        if (!arrivals.empty())
            lastArrivalRatio = millisecondsBetween(start, arrivals.back().arrival) / pausesMs;
    }
    const auto sent = controller.messages();
    std::vector<std::vector<unsigned char>> messages;
    for (const PeerMessage &m : sent)
        messages.push_back(m.bytes);
    const int total = controller.bytes().size();

    const int lostAt1ms = receptionLoss(messages, total, 1000);
    const int lostAt0ms = receptionLoss(messages, total, 0);
    jackServer("stop", home.path() + "/jack");

    std::printf("Send SysEx, whole image: %d messages, %d bytes received by the peer\n", int(sent.size()), total);
    std::printf("  total time / mandated pauses (839 x 180 ms): %.4f (target <= 1.01)\n", sendRatio);
    std::printf("  to the last arrival at the peer:              %.4f\n", lastArrivalRatio);
    std::printf("Receive Dump, whole image played with 1 ms pauses: %d bytes lost (target 0)\n", lostAt1ms);
    std::printf("Receive Dump, whole image played back to back:    %d bytes lost\n", lostAt0ms);
    return 0;
}
