// Opening the utility dialog (with its MIDI ports) beside its bare designer
// form, in the same process (see dialog_timing.h for the method).

#include "dialog_timing.h"
#include "midi_system.h"
#include "store.h"
#include "ui_utilitydialog.h"
#include "utilitydialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <rtmidi/RtMidi.h>

#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(dialogtiming::dropPlatformNoise);
    QTemporaryDir home;
    QDir().mkpath(home.path() + "/Stompwerk/Vektor");
    set_paths_for_home(home.path());
    init_default_image();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 8;

    const auto open = [] {
        auto *dialog = new utilitydialog(nullptr);
        dialog->show();
        return static_cast<QWidget *>(dialog);
    };
    // The dialog opens the machine's MIDI system in its constructor; what
    // that alone takes here is shown apart.
    std::vector<double> midiMs;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer clock;
        clock.start();
        MidiSystem midi = create_midi_system();
        midiMs.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    delete open();
    delete dialogtiming::openBareForm<Ui::utilitydialog>();
    const auto figures = dialogtiming::measure(open, dialogtiming::openBareForm<Ui::utilitydialog>, rounds);
    std::printf("open utility dialog           median %6.2f ms | bare form median %6.2f ms | ratio %.2f | close %6.2f ms, bare form %6.2f ms\n",
                figures.dialog.openMs, figures.bare.openMs, figures.ratio(), figures.dialog.closeMs,
                figures.bare.closeMs);
    std::printf("open the MIDI system           median %6.2f ms (output and input objects, without the dialog)\n",
                dialogtiming::median(midiMs));
    return 0;
}
