// Opening the preset editor's dialogs and switching presets, beside the bare
// designer forms built in the same run. Prints figures; fails nothing.

#include "controlchangedialog.h"
#include "overridesdialog.h"
#include "presetsdialog.h"
#include "store.h"
#include "ui_controlchangedialog.h"
#include "ui_overridesdialog.h"
#include "ui_presetsdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
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

double timeOnce(const std::function<void()> &run)
{
    QElapsedTimer clock;
    clock.start();
    run();
    const double ms = clock.nsecsElapsed() / 1e6;
    QApplication::processEvents();
    return ms;
}

Figures measure(int runs, const std::function<void()> &run)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i)
        ms.push_back(timeOnce(run));
    return summarise(ms);
}

// The dialog and its bare form take turns, so a load that comes and goes on
// the machine weighs on both alike.
std::pair<Figures, Figures> measurePair(int runs, const std::function<void()> &dialog,
                                        const std::function<void()> &bare)
{
    std::vector<double> dialogMs, bareMs;
    for (int i = 0; i < runs; ++i) {
        bareMs.push_back(timeOnce(bare));
        dialogMs.push_back(timeOnce(dialog));
    }
    return {summarise(dialogMs), summarise(bareMs)};
}

template <typename Form>
void openBare()
{
    QDialog dialog;
    Form form;
    form.setupUi(&dialog);
    dialog.show();
}

void report(const char *what, const Figures &dialog, const Figures &bare)
{
    std::printf("%-28s median %7.2f ms  mean %7.2f ms | bare form median %7.2f ms  mean %7.2f ms | ratio %.2f\n",
                what, dialog.median, dialog.mean, bare.median, bare.mean, dialog.median / bare.median);
}

void dropPlatformNoise(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The offscreen platform complains about every shown window.
    if (type != QtDebugMsg && type != QtInfoMsg && !message.contains(QLatin1String("propagateSizeHints")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(dropPlatformNoise);
    QTemporaryDir home;
    QDir().mkpath(home.path() + "/Stompwerk/Vektor");
    set_paths_for_home(home.path());
    init_default_image();

    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 40;
    std::FILE *realStdout = stdout;
    // The dialogs' diagnostic lines would dominate the terminal; keep them out.
    std::FILE *sink = std::fopen("/dev/null", "w");

    auto quiet = [&](const std::function<void()> &run) {
        return [&, run] {
            stdout = sink;
            run();
            stdout = realStdout;
        };
    };

    // Warm both paths once so fonts and styles are loaded before timing.
    openBare<Ui::presetsdialog>();
    quiet([] { presetsdialog dialog(nullptr, config_image()); dialog.show(); })();

    const auto presets = measurePair(runs, quiet([] {
        presetsdialog dialog(nullptr, config_image());
        dialog.show();
    }), openBare<Ui::presetsdialog>);
    report("open preset dialog", presets.first, presets.second);

    const auto cc = measurePair(runs, [] {
        ControlChangeDialog dialog(nullptr, 0);
        dialog.show();
    }, openBare<Ui::ControlChangeDialog>);
    report("open control-change dialog", cc.first, cc.second);

    const auto ov = measurePair(runs, [] {
        overridesdialog dialog(nullptr, 0);
        dialog.show();
    }, openBare<Ui::overridesdialog>);
    report("open overrides dialog", ov.first, ov.second);

    stdout = sink;
    presetsdialog dialog(nullptr, config_image());
    dialog.show();
    auto *selector = dialog.findChild<QComboBox *>("presetComboBox");
    int next = 0;
    const Figures switching = measure(269, [&] { selector->setCurrentIndex(++next); });
    stdout = realStdout;
    if (dialog.currentPreset() != 269)
        std::printf("switching went wrong: on preset %d\n", dialog.currentPreset());
    std::printf("%-28s median %7.2f ms  mean %7.2f ms (269 switches, no edit, file reload included)\n",
                "switch to the next preset", switching.median, switching.mean);
    std::fclose(sink);
    return 0;
}
