// How long "Global" takes to open: the global settings dialog constructed,
// filled from the image and shown, beside the same form built and shown with
// no data at all, in the same process (see dialog_timing.h for the method).

#include "default_image.h"
#include "dialog_timing.h"
#include "globaldialog.h"
#include "store.h"
#include "ui_globaldialog.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

QWidget *openGlobalDialog()
{
    auto *dialog = new globaldialog(nullptr);
    dialog->show();
    return dialog;
}

double firstOpeningMs(const std::function<QWidget *()> &open)
{
    QElapsedTimer clock;
    clock.start();
    QWidget *window = open();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    delete window;
    QApplication::processEvents();
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(dialogtiming::dropPlatformNoise);
    fill_default_image(config_image());
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 8;

    // Fonts, style and plugins load on first use; keep that out of the
    // medians but show it.
    const double firstBare = firstOpeningMs(dialogtiming::openBareForm<Ui::globaldialog>);
    const double firstLoaded = firstOpeningMs(openGlobalDialog);
    const auto figures = dialogtiming::measure(openGlobalDialog, dialogtiming::openBareForm<Ui::globaldialog>, rounds);

    std::printf("open global dialog            median %6.2f ms | bare form median %6.2f ms | ratio %.2f | close %6.2f ms, bare form %6.2f ms\n",
                figures.dialog.openMs, figures.bare.openMs, figures.ratio(), figures.dialog.closeMs,
                figures.bare.closeMs);
    std::printf("first opening in the process: bare form %.2f ms, then global dialog %.2f ms\n", firstBare,
                firstLoaded);
    return 0;
}
