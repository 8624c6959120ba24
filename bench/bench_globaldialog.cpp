// How long "Global" takes to open: the global settings dialog constructed,
// filled from the image and shown, beside the same form built and shown with
// no data at all. Both run offscreen in the same process, interleaved, and
// the medians are printed.

#include "default_image.h"
#include "globaldialog.h"
#include "store.h"
#include "ui_globaldialog.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double elapsedMs(const std::function<void()> &open, const std::function<void()> &close)
{
    QElapsedTimer timer;
    timer.start();
    open();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    close();
    return ms;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void bareForm(QDialog *&dialog, Ui::globaldialog &form)
{
    dialog = new QDialog;
    form.setupUi(dialog);
    dialog->show();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fill_default_image(config_image());

    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 41;
    std::vector<double> bare, loaded;
    QDialog *plain = nullptr;
    Ui::globaldialog form;
    globaldialog *dialog = nullptr;
    const auto openBare = [&] { bareForm(plain, form); };
    const auto closeBare = [&] { delete plain; };
    const auto openLoaded = [&] {
        dialog = new globaldialog(nullptr);
        dialog->show();
    };
    const auto closeLoaded = [&] { delete dialog; };

    // Fonts, style and plugins load on first use; keep that out of the
    // medians but show it.
    const double firstBare = elapsedMs(openBare, closeBare);
    const double firstLoaded = elapsedMs(openLoaded, closeLoaded);
    for (int i = 0; i < rounds; ++i) {
        bare.push_back(elapsedMs(openBare, closeBare));
        loaded.push_back(elapsedMs(openLoaded, closeLoaded));
    }

    const double bareMs = median(bare);
    const double loadedMs = median(loaded);
    std::printf("global dialog, median of %d rounds (offscreen)\n", rounds);
    std::printf("  bare form (setupUi + show):            %7.2f ms\n", bareMs);
    std::printf("  global dialog (construct, load, show):  %7.2f ms\n", loadedMs);
    std::printf("  ratio:                                  %7.2f (target at most 1.50)\n", loadedMs / bareMs);
    std::printf("first opening in the process: bare form %.2f ms, then global dialog %.2f ms\n",
                firstBare, firstLoaded);
    return 0;
}
