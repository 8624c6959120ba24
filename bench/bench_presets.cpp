// Opening the preset editor's dialogs and switching presets, beside the bare
// designer forms, alone and with the dialogs' lists, built in the same run.
// Prints figures; fails nothing.

#include "controlchangedialog.h"
#include "dialog_timing.h"
#include "full_rig.h"
#include "overridesdialog.h"
#include "presetsdialog.h"
#include "configuration_saves.h"
#include "store.h"
#include "ui_controlchangedialog.h"
#include "ui_overridesdialog.h"
#include "ui_presetsdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Figures {
    double median;
    double mean;
};

Figures summarise(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms)
        sum += v;
    return {ms[ms.size() / 2], sum / double(ms.size())};
}

} // namespace

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
    std::FILE *realStdout = stdout;
    // The dialogs' diagnostic lines would dominate the terminal; keep them out.
    std::FILE *sink = std::fopen("/dev/null", "w");
    stdout = sink;
    // Fonts and styles load on first use; keep that out of the figures.
    delete openBareForm<Ui::presetsdialog>();
    delete openDialog<presetsdialog>(config_image());
    const auto openPresets = [] { return openDialog<presetsdialog>(config_image()); };
    const auto openChanges = [] { return openDialog<ControlChangeDialog>(0); };
    const auto openOverrides = [] { return openDialog<overridesdialog>(0); };
    const FormLists presetLists = listsOf<Ui::presetsdialog>(openPresets);
    const FormLists changeLists = listsOf<Ui::ControlChangeDialog>(openChanges);
    const FormLists overrideLists = listsOf<Ui::overridesdialog>(openOverrides);
    const auto presets = measure(openPresets, openBareForm<Ui::presetsdialog>,
                                 [&] { return openListedForm<Ui::presetsdialog>(presetLists); }, rounds);
    const auto cc = measure(openChanges, openBareForm<Ui::ControlChangeDialog>,
                            [&] { return openListedForm<Ui::ControlChangeDialog>(changeLists); }, rounds);
    const auto ov = measure(openOverrides, openBareForm<Ui::overridesdialog>,
                            [&] { return openListedForm<Ui::overridesdialog>(overrideLists); }, rounds);
    stdout = realStdout;
    report("preset dialog", presets, presetLists.summary());
    report("control-change dialog", cc, changeLists.summary());
    report("overrides dialog", ov, overrideLists.summary());

    // Every device's sounds named: sixteen labels to fill on top of the lists.
    set_rig_names(fullRig());
    stdout = sink;
    const auto named = measure(openPresets, openBareForm<Ui::presetsdialog>,
                               [&] { return openListedForm<Ui::presetsdialog>(presetLists); }, rounds);
    stdout = realStdout;
    report("named-preset dialog", named, presetLists.summary());
    set_rig_names(RigNames());

    stdout = sink;
    presetsdialog dialog(nullptr, config_image());
    dialog.show();
    auto *selector = dialog.findChild<QComboBox *>("presetComboBox");
    int next = 0;
    std::vector<double> switchMs;
    for (int i = 0; i < 269; ++i) {
        QElapsedTimer clock;
        clock.start();
        selector->setCurrentIndex(++next);
        switchMs.push_back(clock.nsecsElapsed() / 1e6);
        QApplication::processEvents();
    }
    const Figures switching = summarise(switchMs);
    stdout = realStdout;
    if (dialog.currentPreset() != 269)
        std::printf("switching went wrong: on preset %d\n", dialog.currentPreset());
    std::printf("%-28s median %7.2f ms  mean %7.2f ms (269 switches, no edit, file reload included)\n",
                "switch to the next preset", switching.median, switching.mean);
    std::fclose(sink);
    return 0;
}
