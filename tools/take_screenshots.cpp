// Renders the main window and every dialog, at their default sizes, to PNG
// files for the README. Run through scripts/screenshots.sh.

#include "app_translations.h"
#include "controlchangedialog.h"
#include "fields.h"
#include "copytargetdialog.h"
#include "globaldialog.h"
#include "high_dpi.h"
#include "historydialog.h"
#include "image_layout.h"
#include "librarydialog.h"
#include "mainwindow.h"
#include "midi_listener.h"
#include "monitordialog.h"
#include "midiportsdialog.h"
#include "overridesdialog.h"
#include "preset_operations.h"
#include "presetlibrarymodel.h"
#include "presetsdialog.h"
#include "rig_names.h"
#include "rignamesdialog.h"
#include "configuration_saves.h"
#include "store.h"
#include "utilitydialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QProgressBar>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

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
    install_translations(app); // LANG=de_DE.UTF-8 shows the windows in German
    outputDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(outputDir);

    MainWindow main;
    // The path as its owner reads it, not the temporary home of this run.
    if (auto *path = main.findChild<QLabel *>("selectedFileName"))
        path->setText(path->text().replace(home.path(), QStringLiteral("~")));
    shoot(main, "main-window");
    load_image();
    {
        // A rig whose amp has its sounds named and whose wah names its pedal.
        RigNames rig;
        PatchBank factory;
        const char *sounds[] = {"Clean", "Crunch", "Plexi Lead", "Brown Sound", "Jazz Warm", "Fuzz Wall",
                                "Octave Up", "Ambient Swell"};
        for (int p = 0; p < 64; ++p)
            factory.patches.append({p, QStringLiteral("%1%2").arg(p / 4 + 1).arg(QChar('A' + p % 4)),
                                    QString::fromLatin1(sounds[p % 8]) + (p < 8 ? QString() : QStringLiteral(" %1").arg(p / 8 + 1))});
        rig.devices[0].banks = {factory};
        rig.devices[0].source.manufacturer = QStringLiteral("Example");
        rig.devices[0].source.model = QStringLiteral("Amp 64");
        rig.devices[0].source.typed = true;
        rig.devices[1].controls = {{7, QStringLiteral("Volume")}, {11, QStringLiteral("Wah Position")}};
        set_rig_names(rig);
        rignamesdialog names(&main, config_image(), file_paths().configuration);
        shoot(names, "rig-names");
    }
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
        // A library in use: a second device, switching and control changes
        // in bank 01, a few presets renamed and the bank selected.
        unsigned char *image = config_image();
        write_name(image + layout::deviceOffset(1) + layout::device::kName, QStringLiteral("Echo"));
        for (int k = 0; k < 9; ++k) {
            unsigned char *record = image + layout::presetOffset(9 + k);
            record[layout::preset::programChangeOffset(1) + layout::programchange::kEnabled] = k % 3 != 0;
            record[layout::preset::kLoops + k % 8] = 1;
            record[layout::preset::kLoops + (k + 3) % 8] = k % 2 ? 2 : 1;
            record[layout::preset::kRelays] = k % 2;
            record[layout::preset::kOutput] = k % 4 == 3;
            for (int j = 0; j < k % 4; ++j)
                record[layout::preset::controlChangeOffset(j) + layout::controlchange::kEnabled] = 1;
            record[layout::preset::overrideOffset(0) + layout::override_::kOverride] = k % 2;
        }
        librarydialog dialog(&main);
        const char *names[] = {"Clean Intro", "Verse Crunch", "Chorus Lead", "Bridge Ambient", "Solo Boost"};
        for (int k = 0; k < 5; ++k)
            dialog.model()->rename(9 + k, QString::fromLatin1(names[k]));
        dialog.model()->undoStack()->clear();
        dialog.show();
        dialog.selectRecords(bank_records(1));
        dialog.findChild<QAbstractItemView *>("presetTable")->scrollToTop();
        shoot(dialog, "library");
        // A find, and the check of the same memory.
        if (auto *find = dialog.findChild<QLineEdit *>("filterEdit")) {
            find->setText(QStringLiteral("echo"));
            dialog.selectRecords({});
            shoot(dialog, "library-find");
            find->clear();
        }
        if (auto *check = dialog.findChild<QPushButton *>("checkButton")) {
            check->click();
            if (auto *findings = dialog.findChild<QDialog *>("memorycheckdialog"))
                shoot(*findings, "library-check");
        }
        copytargetdialog target(&dialog, dialog.model()->image(), bank_records(1));
        target.setTarget(18);
        shoot(target, "library-copy");
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
        // The monitor as a footswitch, a preset call and a pedal sweep
        // arrive, explained by the memory saved above.
        monitordialog monitor(&main);
        const QString port = QStringLiteral("Vektor MIDI In");
        auto *input = monitor.findChild<QComboBox *>("inputCombo");
        input->addItem(port);
        input->setCurrentIndex(input->count() - 1);
        monitor.findChild<QLabel *>("statusLabel")->setText(monitordialog::tr("Listening to %1.").arg(port));
        std::vector<HeardBytes> heard;
        double time = 2.104;
        for (const char *hex : {"c009", "c12a", "b0527f", "b00740", "b00746", "b0074d", "b00752", "b05200", "c105", "c305"}) {
            heard.push_back({time, QByteArray::fromHex(hex)});
            time += 0.137;
        }
        monitor.addHeard(heard, port, 0);
        shoot(monitor, "midi-monitor");
    }
    {
        midiportsdialog ports(&main);
        ports.addInputPort("0 - Vektor MIDI In");
        ports.addOutputPort("0 - Vektor MIDI Out");
        shoot(ports, "midi-ports");
    }
    return 0;
}
