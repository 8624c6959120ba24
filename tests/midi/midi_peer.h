#pragma once

// The far end of the editor's MIDI cable in tests and benchmarks: a JACK
// client that offers virtual ports, records what arrives on its inputs and
// plays messages out of its outputs. Header-only so that benchmarks can use
// it without a library of their own.

#include <jack/jack.h>
#include <rtmidi/RtMidi.h>

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

using PeerClock = std::chrono::steady_clock;

// The test server runs periods of 256 frames at 48 kHz: a message reaches the
// peer at the next period boundary, so arrival times are that coarse.
constexpr double kJackPeriodMs = 256.0 * 1000.0 / 48000.0;

inline double millisecondsBetween(PeerClock::time_point from, PeerClock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// How much earlier than sent a message may seem to arrive: its predecessor
// may have been held back by late periods of a busy server (xruns).
constexpr double kArrivalSlackMs = 3 * kJackPeriodMs;

struct PeerMessage {
    std::vector<unsigned char> bytes;
    PeerClock::time_point arrival;
};

// A client name of this process alone: a client left behind by another run
// would make the server rename ours.
inline std::string uniqueClient(const std::string &client)
{
    return client + "-" + std::to_string(::getpid());
}

// One virtual input port, named "<client>-<pid>:<port>" in the editor's lists.
class PeerInput
{
public:
    PeerInput(const std::string &client, const std::string &port)
        : name(uniqueClient(client) + ":" + port)
        , midi(RtMidi::UNIX_JACK, uniqueClient(client))
    {
        midi.ignoreTypes(false, true, true);
        midi.setCallback(&PeerInput::onMessage, this);
        midi.openVirtualPort(port);
    }

    QString portName() const { return QString::fromStdString(name); }

    std::vector<PeerMessage> messages() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return received;
    }
    int messageCount() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return int(received.size());
    }
    QByteArray bytes() const
    {
        QByteArray all;
        for (const PeerMessage &m : messages())
            all.append(reinterpret_cast<const char *>(m.bytes.data()), int(m.bytes.size()));
        return all;
    }

private:
    static void onMessage(double, std::vector<unsigned char> *message, void *self)
    {
        auto *input = static_cast<PeerInput *>(self);
        std::lock_guard<std::mutex> lock(input->mutex);
        input->received.push_back({*message, PeerClock::now()});
    }

    mutable std::mutex mutex;
    std::vector<PeerMessage> received;
    std::string name;
    RtMidiIn midi; // last, so it closes before what its callback uses goes
};

// One virtual output port; plays a list of messages on a thread of its own so
// the editor's event loop keeps running meanwhile.
class PeerOutput
{
public:
    PeerOutput(const std::string &client, const std::string &port)
        : midi(RtMidi::UNIX_JACK, uniqueClient(client))
        , name(uniqueClient(client) + ":" + port)
    {
        midi.openVirtualPort(port);
    }
    ~PeerOutput() { waitUntilPlayed(); }

    QString portName() const { return QString::fromStdString(name); }

    // A connection made by the other side takes effect a little later in the
    // server; messages played before that are lost, so wait for it.
    bool waitUntilConnected(int timeoutMs = 10000) const
    {
        jack_client_t *probe = jack_client_open("vektor-test-probe", JackNoStartServer, nullptr);
        if (!probe)
            return false;
        bool connected = false;
        for (int waited = 0; waited <= timeoutMs && !connected; waited += 10) {
            jack_port_t *port = jack_port_by_name(probe, name.c_str());
            connected = port && jack_port_connected(port) > 0;
            if (!connected)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        jack_client_close(probe);
        // The server takes the new graph into use at a later period.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        return connected;
    }

    void play(std::vector<std::vector<unsigned char>> messages, std::chrono::microseconds pause)
    {
        waitUntilPlayed();
        player = std::thread([this, messages = std::move(messages), pause] {
            for (const std::vector<unsigned char> &message : messages) {
                std::this_thread::sleep_for(pause);
                midi.sendMessage(&message);
            }
        });
    }
    void waitUntilPlayed()
    {
        if (player.joinable())
            player.join();
    }

private:
    RtMidiOut midi;
    std::string name;
    std::thread player;
};

// Checks, from their arrival at the peer, that messages were sent at least
// `pauseMs` apart. A busy server can hold one message back by up to a hundred
// milliseconds, which shortens the gap after it, so single gaps are only
// checked for a pause left out altogether; the whole run and the typical
// (median) gap must keep the pause within the server's granularity.
// Returns what is wrong, or an empty text.
inline QString pacingFault(const std::vector<PeerMessage> &arrived, double pauseMs)
{
    if (arrived.size() < 2)
        return QString();
    std::vector<double> gaps;
    for (size_t i = 1; i < arrived.size(); ++i)
        gaps.push_back(millisecondsBetween(arrived[i - 1].arrival, arrived[i].arrival));
    const double span = millisecondsBetween(arrived.front().arrival, arrived.back().arrival);
    std::vector<double> sorted = gaps;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    if (sorted.front() < pauseMs / 4)
        return QString("a message sent %1 ms after the one before").arg(sorted.front());
    if (span < gaps.size() * pauseMs - kArrivalSlackMs)
        return QString("%1 gaps in %2 ms").arg(gaps.size()).arg(span);
    if (gaps.size() > 2 && median < pauseMs - kJackPeriodMs)
        return QString("a median gap of %1 ms").arg(median);
    return QString();
}

// The complete F0...F7 messages of a dump, in order.
inline std::vector<std::vector<unsigned char>> split_sysex_messages(const QByteArray &data)
{
    std::vector<std::vector<unsigned char>> messages;
    std::vector<unsigned char> current;
    for (char c : data) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte == 0xF0)
            current.clear();
        current.push_back(byte);
        if (byte == 0xF7 && current.front() == 0xF0) {
            messages.push_back(current);
            current.clear();
        }
    }
    return messages;
}

// The editor's stdout trace of one sent message: "%02x " per byte, then two line ends.
inline QByteArray hexTrace(const std::vector<unsigned char> &message)
{
    QByteArray line;
    for (unsigned char byte : message)
        line += QByteArray::number(byte, 16).rightJustified(2, '0') + ' ';
    return line + "\n\n";
}

// The messages a peer input has received, bytes only.
inline std::vector<std::vector<unsigned char>> received(const PeerInput &peer)
{
    std::vector<std::vector<unsigned char>> messages;
    for (const PeerMessage &m : peer.messages())
        messages.push_back(m.bytes);
    return messages;
}
