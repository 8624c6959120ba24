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
#include <vector>

namespace {

struct Figures {
    double median;
    double mean;
};

Figures measure(int runs, const std::function<void()> &run)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        run();
        ms.push_back(clock.nsecsElapsed() / 1e6);
        QApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms)
        sum += v;
    return {ms[ms.size() / 2], sum / double(ms.size())};
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

    const Figures bare = measure(runs, openBare<Ui::presetsdialog>);
    const Figures open = measure(runs, quiet([] {
        presetsdialog dialog(nullptr, config_image());
        dialog.show();
    }));
    report("open preset dialog", open, bare);

    const Figures ccBare = measure(runs, openBare<Ui::ControlChangeDialog>);
    const Figures cc = measure(runs, [] {
        ControlChangeDialog dialog(nullptr, 0);
        dialog.show();
    });
    report("open control-change dialog", cc, ccBare);

    const Figures ovBare = measure(runs, openBare<Ui::overridesdialog>);
    const Figures ov = measure(runs, [] {
        overridesdialog dialog(nullptr, 0);
        dialog.show();
    });
    report("open overrides dialog", ov, ovBare);

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
