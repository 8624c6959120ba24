// How long "Global" takes to open: the global settings dialog constructed,
// filled from the image and shown, beside the same form built and shown with
// no data at all, and with only the dialog's lists, in the same process (see
// dialog_timing.h for the method).

#include "default_image.h"
#include "dialog_timing.h"
#include "globaldialog.h"
#include "store.h"
#include "ui_globaldialog.h"

#include <QApplication>

#include <cstdio>

namespace {

// The first opening of each in the process, when fonts, style and plugins
// load; kept out of the medians but shown.
double firstOpeningMs(const std::function<QWidget *()> &open)
{
    dialogtiming::Series first;
    first.run(open);
    return first.medians().openMs;
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace dialogtiming;
    preferOffscreen();
    QApplication app(argc, argv);
    qInstallMessageHandler(dropPlatformNoise);
    fill_default_image(config_image());
    const int rounds = roundsFrom(argc, argv);

    const double firstBare = firstOpeningMs(openBareForm<Ui::globaldialog>);
    const double firstLoaded = firstOpeningMs(openDialog<globaldialog>);
    const FormLists lists = listsOf<Ui::globaldialog>(openDialog<globaldialog>);
    report("global dialog",
           measure(openDialog<globaldialog>, openBareForm<Ui::globaldialog>,
                   [&] { return openListedForm<Ui::globaldialog>(lists); }, rounds),
           lists.summary());
    std::printf("first opening in the process: bare form %.2f ms, then global dialog %.2f ms\n", firstBare,
                firstLoaded);
    return 0;
}
