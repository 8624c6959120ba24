// Opening the utility dialog beside its bare designer form, alone and with
// the dialog's preset lists, in the same process (see dialog_timing.h for the
// method). The dialog must open the machine's MIDI system in its constructor:
// the dialog's figure leaves that out, and the MIDI system's opening is
// measured on its own, without a JACK server and with a private one (package
// jackd2), as bench_transfer starts it.
//
// Opening the MIDI system takes milliseconds of other code, which leaves the
// caches cold for the showing that follows: a form shown right after it
// takes twice as long to show. So the second baseline opens the MIDI system
// where the dialog does, just before showing, and leaves it out alike.

#include "dialog_timing.h"
#include "midi_system.h"
#include "configuration_saves.h"
#include "store.h"
#include "ui_utilitydialog.h"
#include "utilitydialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <rtmidi/RtMidi.h>

#include <jack/jack.h>

#include <cstdio>
#include <unistd.h>
#include <vector>

// The linker sends every call of create_midi_system() here first
// (-Wl,--wrap, see CMakeLists.txt): the real one runs, and its time is set
// aside so that the dialog's figure can leave it out.
MidiSystem realCreateMidiSystem() asm("__real__Z18create_midi_systemv");
MidiSystem timedCreateMidiSystem() asm("__wrap__Z18create_midi_systemv");
MidiSystem timedCreateMidiSystem()
{
    QElapsedTimer clock;
    clock.start();
    MidiSystem midi = realCreateMidiSystem();
    dialogtiming::leftOutNs() += clock.nsecsElapsed();
    return midi;
}

namespace {

// The MIDI objects of a baseline form, kept as long as the form, as the
// dialog keeps its own.
struct MidiHolder : QObject {
    using QObject::QObject;
    MidiSystem midi;
};

const QString kJackScript = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../tests/midi/jack_server.sh";

bool jackServer(const char *action, const QString &state)
{
    return QProcess::execute(kJackScript, {QString::fromLatin1(action), state}) == 0;
}

// Median milliseconds to create (and destroy) the editor's MIDI objects.
// Opening and closing, as a utility dialog does in its life: the editor's
// MIDI system, and what the JACK client library alone costs for the same two
// clients (a bare client opened, activated and closed, twice).
double midiSystemOpenedAndClosed()
{
    std::vector<double> ms;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer clock;
        clock.start();
        {
            MidiSystem midi = create_midi_system();
        }
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return dialogtiming::median(ms);
}

double bareJackClientsOpenedAndClosed()
{
    std::vector<double> ms;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer clock;
        clock.start();
        for (const char *name : {"vektor-bench-bare-out", "vektor-bench-bare-in"}) {
            jack_client_t *client = jack_client_open(name, JackNoStartServer, nullptr);
            if (!client)
                return -1;
            jack_activate(client);
            jack_client_close(client);
        }
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return dialogtiming::median(ms);
}

double midiSystemOpening()
{
    std::vector<double> ms;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer clock;
        clock.start();
        MidiSystem midi = create_midi_system();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return dialogtiming::median(ms);
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace dialogtiming;
    preferOffscreen();
    // Without a server, JACK would try to start one at every opening and
    // wait seconds for it; the editor's opening is what is measured here.
    // A server name of this run's own: no other JACK server on the machine
    // can answer until this run starts its own.
    qputenv("JACK_NO_START_SERVER", "1");
    qputenv("JACK_DEFAULT_SERVER", QByteArray("vektor-bench-utility-") + QByteArray::number(getpid()));
    qputenv("JACK_NO_AUDIO_RESERVATION", "1");
    QApplication app(argc, argv);
    qInstallMessageHandler(dropPlatformNoise);
    TemporaryHome home;
    set_paths_for_home(home.folder.path());
    init_default_image();
    const int rounds = roundsFrom(argc, argv);

    const double withoutJack = midiSystemOpening();
    delete openDialog<utilitydialog>();
    delete openBareForm<Ui::utilitydialog>();
    const FormLists lists = listsOf<Ui::utilitydialog>(openDialog<utilitydialog>);
    const auto openListedWithMidi = [&] {
        return openListedForm<Ui::utilitydialog>(
            lists, [](QDialog *form) { (new MidiHolder(form))->midi = create_midi_system(); });
    };
    const Openings figures =
        measure(openDialog<utilitydialog>, openBareForm<Ui::utilitydialog>, openListedWithMidi, rounds);
    report("utility dialog", figures, lists.summary() + ", MIDI system left out");
    std::printf("open the MIDI system, no JACK  median %6.2f ms (output and input objects, without the dialog)\n",
                withoutJack);

    const QString jackState = home.folder.path() + "/jack";
    if (!jackServer("start", jackState)) {
        std::printf("open the MIDI system with JACK: no JACK server (install jackd2)\n");
        return 1;
    }
    const double withJack = midiSystemOpening();
    const double openedAndClosed = midiSystemOpenedAndClosed();
    const double bareClients = bareJackClientsOpenedAndClosed();
    jackServer("stop", jackState);
    std::printf("open the MIDI system with JACK median %6.2f ms (a private JACK server in dummy mode)\n", withJack);
    std::printf("open and close the MIDI system with JACK median %6.2f ms | two bare JACK clients median %6.2f ms\n",
                openedAndClosed, bareClients);
    return 0;
}
