// Opens, connects and closes JACK clients in the order a MIDI test does, many
// times over, to tell whether that order makes the JACK client library crash
// in a thread of its own. Not part of the suite: built and run by hand against
// a running server (tests/midi/jack_server.sh start DIR, same
// JACK_DEFAULT_SERVER):
//   g++ -std=c++17 -g -O1 [-fsanitize=address,undefined] tests/tools/jack_client_order.cpp
//       $(pkg-config --cflags --libs rtmidi jack) -pthread -o /tmp/jack_client_order
//   /tmp/jack_client_order ROUNDS [ORDER]
// ORDER is "editor" (the default: the order of the MIDI tests and the editor's
// dialogs), "kept" (the same with one more client open from start to end, so
// that the process never closes its last client between rounds) or "bare"
// (only jack_client_open and jack_client_close, the same number of clients,
// in the same order, without RtMidi).

#include <jack/jack.h>
#include <rtmidi/RtMidi.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

std::string unique(const char *name)
{
    return std::string(name) + "-" + std::to_string(::getpid());
}

// The editor's port watch: a client of its own that only hears the server go.
struct ServerWatch {
    jack_client_t *client = nullptr;
    std::atomic<bool> down{false};
    ServerWatch()
    {
        client = jack_client_open("vektor-port-watch", JackOptions(JackNoStartServer | JackUseExactName), nullptr);
        if (!client)
            client = jack_client_open("vektor-port-watch", JackNoStartServer, nullptr);
        if (!client)
            return;
        jack_on_info_shutdown(
            client, [](jack_status_t, const char *, void *self) { static_cast<ServerWatch *>(self)->down = true; },
            this);
        jack_activate(client);
    }
    ~ServerWatch()
    {
        if (client)
            jack_client_close(client);
    }
};

int indexOf(RtMidi &midi, const std::string &name)
{
    for (unsigned i = 0; i < midi.getPortCount(); ++i)
        if (midi.getPortName(i) == name)
            return int(i);
    return -1;
}

// The peer's wait for the editor's connection: a short-lived probe client.
void probeConnected(const std::string &port)
{
    jack_client_t *probe = jack_client_open("vektor-test-probe", JackNoStartServer, nullptr);
    if (!probe)
        return;
    for (int i = 0; i < 100; ++i) {
        jack_port_t *p = jack_port_by_name(probe, port.c_str());
        if (p && jack_port_connected(p) > 0)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    jack_client_close(probe);
}

void editorRound()
{
    std::atomic<int> received{0};
    // The test's peer first, as the test cases make it before the dialog.
    RtMidiIn peerIn(RtMidi::UNIX_JACK, unique("vektor-test-in"));
    peerIn.ignoreTypes(false, true, true);
    peerIn.setCallback([](double, std::vector<unsigned char> *, void *n) { ++*static_cast<std::atomic<int> *>(n); },
                       &received);
    peerIn.openVirtualPort("in");
    RtMidiOut peerOut(RtMidi::UNIX_JACK, unique("vektor-test-out"));
    peerOut.openVirtualPort("out");

    // The editor's MIDI system: output, then input, with the default system
    // first and the next one compiled in when the default gives up (without
    // an ALSA sequencer, JACK).
    std::unique_ptr<RtMidiOut> out;
    std::unique_ptr<RtMidiIn> in;
    try {
        out = std::make_unique<RtMidiOut>(RtMidi::UNSPECIFIED, "RtMidi Output Client");
        in = std::make_unique<RtMidiIn>(RtMidi::UNSPECIFIED, "RtMidi Input Client", 100);
    } catch (RtMidiError &) {
        in.reset();
        out.reset();
        out = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, "RtMidi Output Client");
        in = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, "RtMidi Input Client", 100);
    }

    // A send: open the output, watch it, the peer waits for the connection.
    const std::string peerInName = unique("vektor-test-in") + ":in";
    const int o = indexOf(*out, peerInName);
    if (o >= 0)
        out->openPort(unsigned(o), "RtMidi Output");
    auto sendWatch = std::make_unique<ServerWatch>();
    probeConnected(peerInName);
    const std::vector<unsigned char> message{0xF0, 0x7D, 0x01, 0x02, 0xF7};
    for (int i = 0; i < 5; ++i)
        out->sendMessage(&message);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    out->closePort();
    sendWatch.reset();

    // A reception: open the input, watch it, the peer plays from a thread.
    const std::string peerOutName = unique("vektor-test-out") + ":out";
    const int i = indexOf(*in, peerOutName);
    if (i >= 0)
        in->openPort(unsigned(i), "RtMidi Input");
    in->setCallback([](double, std::vector<unsigned char> *, void *) {});
    auto receiveWatch = std::make_unique<ServerWatch>();
    probeConnected(peerOutName);
    std::thread player([&] {
        for (int k = 0; k < 5; ++k) {
            peerOut.sendMessage(&message);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    player.join();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    in->closePort();
    receiveWatch.reset();

    // The dialog goes (output, then input: reset in this order), then the peer.
    out.reset();
    in.reset();
}

// The same number of clients opened and closed in the same order, bare.
void bareRound()
{
    auto open = [](const std::string &name) {
        jack_client_t *c = jack_client_open(name.c_str(), JackNoStartServer, nullptr);
        if (c)
            jack_activate(c);
        return c;
    };
    jack_client_t *peerIn = open(unique("vektor-test-in"));
    jack_client_t *peerOut = open(unique("vektor-test-out"));
    jack_client_t *out = open("RtMidi Output Client");
    jack_client_t *in = open("RtMidi Input Client");
    for (int k = 0; k < 2; ++k) {
        jack_client_t *watch = open("vektor-port-watch");
        jack_client_t *probe = jack_client_open("vektor-test-probe", JackNoStartServer, nullptr);
        if (probe)
            jack_client_close(probe);
        if (watch)
            jack_client_close(watch);
    }
    for (jack_client_t *c : {out, in, peerOut, peerIn})
        if (c)
            jack_client_close(c);
}

} // namespace

int main(int argc, char **argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    const char *order = argc > 2 ? argv[2] : "editor";
    const bool bare = std::strcmp(order, "bare") == 0;
    jack_client_t *kept = nullptr;
    if (std::strcmp(order, "kept") == 0)
        kept = jack_client_open(unique("vektor-kept").c_str(), JackNoStartServer, nullptr);
    for (int r = 0; r < rounds; ++r) {
        if (bare)
            bareRound();
        else
            editorRound();
    }
    if (kept)
        jack_client_close(kept);
    std::printf("%d rounds (%s) done\n", rounds, order);
    return 0;
}
