// Renders the main window and every dialog, at their default sizes, to PNG
// files for the README. Run through scripts/screenshots.sh.

#include "controlchangedialog.h"
#include "fields.h"
#include "globaldialog.h"
#include "historydialog.h"
#include "image_layout.h"
#include "mainwindow.h"
#include "midiportsdialog.h"
#include "overridesdialog.h"
#include "presetsdialog.h"
#include "store.h"
#include "utilitydialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QItemSelectionModel>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
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
        // An evening's work, a version kept before each save.
        unsigned char *image = config_image();
        const auto rename = [image](int record, const char *name) {
            write_name(image + layout::presetOffset(record) + layout::preset::kName, QString::fromLatin1(name));
        };
        rename(9, "Clean Intro");
        rename(10, "Verse Crunch");
        save_image(SaveOperation::PresetSave);
        image[layout::presetOffset(10) + layout::preset::programChangeOffset(0) + layout::programchange::kNumber] = 42;
        save_image(SaveOperation::PresetSwitch);
        image[layout::buttonOffset(2) + layout::button::kFunction] = 3;
        save_image(SaveOperation::GlobalSettings);
        copy_preset(10, 11);
        rename(11, "Chorus Lead");
        save_image(SaveOperation::PresetSave);
        historydialog dialog(&main);
        auto *list = dialog.findChild<QAbstractItemView *>("versionList");
        list->selectionModel()->select(list->model()->index(3, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        dialog.findChild<QPushButton *>("compareButton")->click();
        shoot(dialog, "history");
    }
    {
        midiportsdialog ports(&main);
        ports.addInputPort("0 - Vektor MIDI In");
        ports.addOutputPort("0 - Vektor MIDI Out");
        shoot(ports, "midi-ports");
    }
    return 0;
}
