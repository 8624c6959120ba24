// Renders the main window and every dialog, at their default sizes, to PNG
// files for the README. Run through scripts/screenshots.sh.

#include "controlchangedialog.h"
#include "globaldialog.h"
#include "high_dpi.h"
#include "mainwindow.h"
#include "midiportsdialog.h"
#include "overridesdialog.h"
#include "presetsdialog.h"
#include "store.h"
#include "utilitydialog.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

QString outputDir;

void shoot(QWidget &window, const char *name)
{
    window.show();
    QTest::qWait(150);
    const QString path = outputDir + "/" + name + ".png";
    if (!window.grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::fprintf(stderr, "%s\n", qPrintable(path));
    window.hide();
}

} // namespace

int main(int argc, char *argv[])
{
    ensure_image();
    QTemporaryDir home; // a first start: the factory memory, nothing of the user's
    qputenv("HOME", home.path().toLocal8Bit());
    enable_high_dpi(); // QT_SCALE_FACTOR=2 shows the windows as a 4K screen does
    QApplication app(argc, argv);
    outputDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(outputDir);

    MainWindow main;
    shoot(main, "main-window");
    load_image();
    {
        globaldialog dialog(&main);
        shoot(dialog, "global-settings");
    }
    {
        presetsdialog dialog(&main, config_image());
        shoot(dialog, "presets");
        ControlChangeDialog changes(&dialog, 0);
        shoot(changes, "control-changes");
        overridesdialog overrides(&dialog, 0);
        shoot(overrides, "instant-access-overrides");
    }
    {
        utilitydialog dialog(&main);
        shoot(dialog, "utility");
        // What a send looks like: the progress bar with its text.
        if (auto *bar = dialog.findChild<QProgressBar *>("progressBar_SysEx")) {
            bar->setValue(37);
            bar->setFormat(QString::fromUtf8("Message 312 of 839 \u2014 about 1 min 35 s left"));
            bar->show();
        }
        if (auto *cancel = dialog.findChild<QWidget *>("pushButton_CancelSend"))
            cancel->show();
        shoot(dialog, "utility-sending");
    }
    {
        midiportsdialog ports(&main);
        ports.addInputPort("0 - Vektor MIDI In");
        ports.addOutputPort("0 - Vektor MIDI Out");
        shoot(ports, "midi-ports");
    }
    return 0;
}
