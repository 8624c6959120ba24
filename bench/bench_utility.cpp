// Opening the utility dialog (with its MIDI ports) beside its bare designer
// form, in the same process (see dialog_timing.h for the method).

#include "dialog_timing.h"
#include "midi_system.h"
#include "store.h"
#include "ui_utilitydialog.h"
#include "utilitydialog.h"

#include <QApplication>
#include <QElapsedTimer>

#include <rtmidi/RtMidi.h>

#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    using namespace dialogtiming;
    preferOffscreen();
    QApplication app(argc, argv);
    qInstallMessageHandler(dropPlatformNoise);
    TemporaryHome home;
    set_paths_for_home(home.folder.path());
    init_default_image();
    const int rounds = roundsFrom(argc, argv);

    // The dialog opens the machine's MIDI system in its constructor; what
    // that alone takes here is shown apart.
    std::vector<double> midiMs;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer clock;
        clock.start();
        MidiSystem midi = create_midi_system();
        midiMs.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    delete openDialog<utilitydialog>();
    delete openBareForm<Ui::utilitydialog>();
    report("utility dialog", measure(openDialog<utilitydialog>, openBareForm<Ui::utilitydialog>, rounds));
    std::printf("open the MIDI system           median %6.2f ms (output and input objects, without the dialog)\n",
                median(midiMs));
    return 0;
}
