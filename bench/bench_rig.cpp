// The rig, live:
//  - explaining one message heard against a memory in which every preset
//    has all sixteen program changes with bank selects, all twenty control
//    changes, both pedals and all nine overrides on (target < 20 us);
//  - Play of a preset with all sixteen program changes (bank selects too)
//    and all twenty control changes on: from the Space key on the library's
//    table to the last message handed to the MIDI system (target < 5 ms);
//  - a burst of 10,000 control changes played by a JACK peer into the MIDI
//    Monitor as fast as the peer can: every one listed, in order, and the
//    last one shown within 1 s of its arrival.
// The burst needs jackd (package jackd2) for a private server.

#include "../tests/midi/midi_peer.h"

#include "default_image.h"
#include "file_bytes.h"
#include "librarydialog.h"
#include "preset_play.h"
#include "image_layout.h"
#include "memory_senders.h"
#include "midi_listener.h"
#include "midi_explainer.h"
#include "monitordialog.h"
#include "store.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

using namespace layout;

namespace {

const QString kJackScript = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../tests/midi/jack_server.sh";
constexpr int kBurst = 10000;

QByteArray fullMemory()
{
    QByteArray bytes(kImageSize, '\0');
    auto *image = reinterpret_cast<unsigned char *>(bytes.data());
    fill_default_image(image);
    for (int i = 0; i < kPresetCount; ++i) {
        unsigned char *record = image + presetOffset(i);
        for (int c = 0; c < preset::kProgramChangeCount; ++c) {
            unsigned char *entry = record + preset::programChangeOffset(c);
            entry[programchange::kEnabled] = 1;
            entry[programchange::kNumber] = (i + c) % 128;
            entry[programchange::kBankSelectEnabled] = 1;
            entry[programchange::kMsbBank] = i % 3;
            entry[programchange::kLsbBank] = 0;
        }
        for (int j = 0; j < preset::kControlChangeCount; ++j) {
            unsigned char *entry = record + preset::controlChangeOffset(j);
            entry[controlchange::kEnabled] = 1;
            entry[controlchange::kDevice] = j % 16;
            entry[controlchange::kNumber] = 10 + j;
            entry[controlchange::kValue] = (i * 7) % 128;
        }
        for (int b = 0; b < preset::kOverrideCount; ++b) {
            unsigned char *entry = record + preset::overrideOffset(b);
            entry[override_::kOverride] = 1;
            entry[override_::kDevice] = b;
            entry[override_::kControlChange] = 40 + b;
        }
    }
    return bytes;
}

double explainMicroseconds()
{
    const QByteArray image = fullMemory();
    const MemorySenders memory(reinterpret_cast<const unsigned char *>(image.constData()));
    // A mix of what a rig hears: bank selects and program changes, preset
    // control changes, pedal sweeps, overrides, and a message nothing sends.
    const QVector<QByteArray> heard = {QByteArray::fromHex("b00001"), QByteArray::fromHex("b02000"),
                                       QByteArray::fromHex("c005"),   QByteArray::fromHex("b30d46"),
                                       QByteArray::fromHex("b00740"), QByteArray::fromHex("b0287f"),
                                       QByteArray::fromHex("cf7f"),   QByteArray::fromHex("b00741")};
    QVector<MidiMessage> messages;
    for (const QByteArray &bytes : heard)
        messages << decode_midi_message(bytes);
    std::vector<double> rounds;
    ExplainState state;
    for (int round = 0; round < 200; ++round) {
        QElapsedTimer clock;
        clock.start();
        int length = 0;
        for (int k = 0; k < 50; ++k)
            for (const MidiMessage &message : messages)
                length += explain_message(message, memory, state).explanation.size();
        rounds.push_back(clock.nsecsElapsed() / 1000.0 / (50.0 * messages.size()));
        if (length == 0)
            std::printf("nothing explained\n");
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

struct BurstResult {
    int listed = 0;
    bool inOrder = false;
    double lastShownMs = -1; // after the last message arrived
};

BurstResult burst()
{
    BurstResult result;
    monitordialog monitor;
    monitor.show();
    PeerOutput rig("vektor-bench-rig", "out");
    QElapsedTimer wait; // the monitor renews its list of ports twice a second
    wait.start();
    while (wait.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!monitor.listenTo(rig.portName())) {
        std::fprintf(stderr, "the monitor could not listen to %s\n", qPrintable(rig.portName()));
        return result;
    }
    if (!rig.waitUntilConnected()) {
        std::fprintf(stderr, "the monitor's input never connected\n");
        return result;
    }
    std::vector<std::vector<unsigned char>> messages;
    for (int i = 0; i < kBurst; ++i)
        messages.push_back({static_cast<unsigned char>(0xB0 | ((i >> 14) & 15)), static_cast<unsigned char>((i >> 7) & 127),
                            static_cast<unsigned char>(i & 127)});
    // The peer's own buffer takes a few thousand messages at a time: a
    // microsecond between them lets the server carry them off as they come.
    rig.play(messages, std::chrono::microseconds(1));
    MonitorModel *model = monitor.messageModel();
    QElapsedTimer limit;
    limit.start();
    while (model->rowCount() + model->dropped() < kBurst && limit.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    const PeerClock::time_point shown = PeerClock::now();
    rig.waitUntilPlayed();
    if (model->rowCount() > 0) {
        const double lastArrival = model->line(model->rowCount() - 1).message.time;
        const auto arrived = monitor.clockStart()
            + std::chrono::duration_cast<PeerClock::duration>(std::chrono::duration<double>(lastArrival));
        result.lastShownMs = millisecondsBetween(arrived, shown);
    }
    result.listed = model->rowCount();
    result.inOrder = true;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QByteArray &bytes = model->line(row).message.bytes;
        const int i = ((bytes[0] & 15) << 14) | ((bytes[1] & 127) << 7) | (bytes[2] & 127);
        if (i != row)
            result.inOrder = false;
    }
    return result;
}

// Space on the library's table with the output chosen: the key's handling,
// up to the last of the preset's 68 messages handed to the MIDI system.
double playMilliseconds()
{
    if (!write_file(file_paths().configuration, fullMemory(), nullptr))
        return -1;
    load_image();
    PeerInput rig("vektor-bench-play", "in");
    librarydialog library;
    library.show();
    library.selectRecords({0});
    // The first Play asks for the output: the port dialog's one output, OK.
    QTimer::singleShot(0, [] {
        if (auto *ports = QApplication::activeModalWidget())
            if (auto *box = ports->findChild<QDialogButtonBox *>())
                box->button(QDialogButtonBox::Ok)->click();
    });
    library.findChild<QPushButton *>(QStringLiteral("playButton"))->click();
    if (PlayOutput::instance().portName().isEmpty())
        return -1;
    auto *table = library.findChild<QTableView *>(QStringLiteral("presetTable"));
    std::vector<double> rounds;
    for (int round = 0; round < 200; ++round) {
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QElapsedTimer clock;
        clock.start();
        QApplication::sendEvent(table, &space);
        rounds.push_back(clock.nsecsElapsed() / 1e6);
        // Let the server carry the messages off before the next round.
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        usleep(2000);
    }
    PlayOutput::instance().forget();
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

// The window's share of a burst alone: 10,000 messages handed over in one
// take, explained, inserted and painted.
double windowShareMs()
{
    monitordialog monitor;
    monitor.show();
    QApplication::processEvents();
    std::vector<HeardBytes> heard;
    for (int i = 0; i < kBurst; ++i)
        heard.push_back({i * 0.0001, QByteArray::fromHex("b0") + char((i >> 7) & 127) + char(i & 127)});
    QElapsedTimer clock;
    clock.start();
    monitor.addHeard(heard, QStringLiteral("bench"), 0);
    monitor.repaint();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    // A server already named in the environment is used as it is.
    const bool ownServer = qEnvironmentVariableIsEmpty("JACK_DEFAULT_SERVER");
    if (ownServer)
        qputenv("JACK_DEFAULT_SERVER", QByteArray("vektor-bench-rig-") + QByteArray::number(getpid()));
    qputenv("JACK_NO_AUDIO_RESERVATION", "1");
    ensure_image();
    QApplication app(argc, argv);
    set_paths_for_home(home.path());
    QDir().mkpath(home.path() + "/Stompwerk/Vektor");

    std::printf("explain one message, full memory: median %.2f us per message\n", explainMicroseconds());

    if (ownServer && QProcess::execute(kJackScript, {QStringLiteral("start"), home.path() + "/jack"}) != 0) {
        std::fprintf(stderr, "no JACK server: install jackd2\n");
        return 1;
    }
    std::printf("play one full preset from the key: median %.3f ms\n", playMilliseconds());
    const BurstResult result = burst();
    std::printf("burst of %d messages handed to the window at once: shown in %.1f ms\n", kBurst, windowShareMs());
    if (ownServer)
        QProcess::execute(kJackScript, {QStringLiteral("stop"), home.path() + "/jack"});
    std::printf("burst of %d messages: %d listed, %s, last shown %.1f ms after it arrived\n", kBurst,
                result.listed, result.inOrder ? "order kept" : "ORDER BROKEN", result.lastShownMs);
    return 0;
}
