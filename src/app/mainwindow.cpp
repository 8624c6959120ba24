#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "accessible_names.h"
#include "globaldialog.h"
#include "librarydialog.h"
#include "monitordialog.h"
#include "history_notice.h"
#include "presetsdialog.h"
#include "rig_names_loading.h"
#include "save_warning.h"
#include "configuration_saves.h"
#include "store.h"
#include "utilitydialog.h"
#include "window_icon.h"
#include "configuration_file_check.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

namespace {

// The editors block this window only: the MIDI Monitor, a window of its own,
// goes on being scrolled, paused and saved while they are open.
int runAboveMainWindow(QDialog &dialog)
{
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    setWindowIcon(editor_window_icon());
    connect(ui->pushButton_Library, &QPushButton::clicked, this, [this] { librarydialog::run(this); });
    connect(ui->pushButton_Monitor, &QPushButton::clicked, this, [this] { monitordialog::showMonitor(this); });
    connect(ui->pushButton_RigNames, &QPushButton::clicked, this, [this] { run_rig_names_window(this); });
    show_history_problems_in(ui->statusBar);
    give_buttons_keys(this);

    const QString home = QDir::homePath();
    set_paths_for_home(home);
    ui->selectedFileName->setText(file_paths().configuration);

    // One level at a time; a folder that cannot be made shows up later as a
    // file that cannot be written.
    for (const char *folder : {"/Stompwerk/", "/Stompwerk/Vektor/", "/Stompwerk/Kestrel/"}) {
        const QString path = home + QLatin1String(folder);
        if (!QDir(path).exists())
            QDir().mkdir(path);
    }

    if (!QFileInfo(file_paths().configuration).isFile())
        init_default_image();
    // Said once the window is up, above it.
    const QString rigError = load_rig_for_memory(file_paths().configuration);
    if (!rigError.isEmpty())
        QTimer::singleShot(0, this, [this, rigError] { say_rig_not_read(this, rigError); });
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::on_pushButton_clicked()
{
    load_image();
    globaldialog dialog(this);
    if (runAboveMainWindow(dialog) != QDialog::Accepted)
        return;
    dialog.storeToImage(config_image());
    save_image_or_warn(this, SaveOperation::GlobalSettings);
}

void MainWindow::on_pushButton_2_clicked()
{
    load_image();
    presetsdialog dialog(this, config_image());
    if (runAboveMainWindow(dialog) == QDialog::Accepted) {
        dialog.storeFormIntoImage();
        save_image_or_warn(this, SaveOperation::PresetSave);
    }
}

void MainWindow::on_pushButton_3_clicked()
{
    utilitydialog dialog(this);
    runAboveMainWindow(dialog);
}

void MainWindow::on_buttonFilename_clicked()
{
    // A cancelled dialog empties the path on purpose: the next load finds no
    // file and keeps the image, the next save writes nothing.
    const QString path = QFileDialog::getOpenFileName(this, tr("Select configuration file"));
    if (!path.isEmpty() && !confirmUnusualConfigurationFile(this, path))
        return;
    ui->selectedFileName->setText(path);
    file_paths().configuration = path;
    say_rig_not_read(this, load_rig_for_memory(path));
}
