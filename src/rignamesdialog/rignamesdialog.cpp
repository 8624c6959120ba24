#include "rignamesdialog.h"
#include "ui_rignamesdialog.h"

#include "accessible_names.h"
#include "fields.h"
#include "image_layout.h"
#include "file_bytes.h"
#include "midnam_folders.h"
#include "midnam_reader.h"
#include "midnam_writer.h"
#include "namechooserdialog.h"
#include "rig_names_table.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr int kDevices = 16;

// A plain list is anything that does not open like an XML document.
bool looksLikeMidnam(const QString &path)
{
    QFile file(path);
    // A file that cannot be read goes to the reader, which says why.
    return !file.open(QIODevice::ReadOnly) || looks_like_midnam(file.read(4096));
}

} // namespace

rignamesdialog::rignamesdialog(QWidget *parent, const unsigned char *image, const QString &memoryPath)
    : QDialog(parent)
    , ui(new Ui::rignamesdialog)
    , m_image(image)
    , m_memoryPath(memoryPath)
    , m_rig(rig_names())
{
    ui->setupUi(this);
    for (int d = 0; d < kDevices; ++d)
        ui->deviceList->addItem(device_entry_text(image, d));
    prepare_program_table(ui->programTable);
    prepare_control_table(ui->controlTable);
    label_fields({{ui->deviceHeaderLabel, ui->deviceList}, {ui->programHeaderLabel, ui->programTable},
                  {ui->controlHeaderLabel, ui->controlTable}});
    ui->deviceList->setAccessibleName(tr("Devices"));
    ui->programTable->setAccessibleName(tr("Sounds of the chosen device"));
    ui->controlTable->setAccessibleName(tr("Control names of the chosen device"));
    ui->sourceLabel->setAccessibleName(tr("Where the names come from"));

    // Insert (or the context menu) adds a sound to a device that already has some.
    auto *addSound = new QAction(tr("Add a Sound"), ui->programTable);
    addSound->setObjectName(QStringLiteral("addSoundAction"));
    addSound->setShortcut(QKeySequence(Qt::Key_Insert));
    addSound->setShortcutContext(Qt::WidgetShortcut);
    ui->programTable->addAction(addSound);
    ui->programTable->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(addSound, &QAction::triggered, this, [this] {
        m_filling = true;
        const int row = add_program_row(ui->programTable, ui->programTable->currentRow());
        m_filling = false;
        ui->programTable->setCurrentCell(row, SoundNameColumn);
        ui->programTable->editItem(ui->programTable->item(row, SoundNameColumn));
    });
    connect(ui->deviceList, &QListWidget::currentRowChanged, this, &rignamesdialog::showDevice);
    connect(ui->chooseButton, &QPushButton::clicked, this, &rignamesdialog::chooseInstalled);
    connect(ui->importButton, &QPushButton::clicked, this, &rignamesdialog::importFile);
    connect(ui->clearButton, &QPushButton::clicked, this, &rignamesdialog::clearDevice);
    connect(ui->exportButton, &QPushButton::clicked, this, &rignamesdialog::exportMidnam);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &rignamesdialog::accept);
    connect(ui->programTable, &QTableWidget::itemChanged, this, &rignamesdialog::takeTypedNames);
    connect(ui->controlTable, &QTableWidget::itemChanged, this, &rignamesdialog::takeTypedNames);
    give_buttons_keys(this);
    ui->deviceList->setCurrentRow(0);
}

rignamesdialog::~rignamesdialog()
{
    delete ui;
}

int rignamesdialog::currentDevice() const
{
    return ui->deviceList->currentRow();
}

void rignamesdialog::setCurrentDevice(int device)
{
    ui->deviceList->setCurrentRow(device);
}

QStringList rignamesdialog::deviceNames() const
{
    QStringList names;
    for (int d = 0; d < kDevices; ++d)
        names << name_text(m_image + layout::deviceOffset(d) + layout::device::kName).trimmed();
    return names;
}

void rignamesdialog::showDevice()
{
    const int d = currentDevice();
    if (d < 0)
        return;
    const DeviceNames &names = m_rig.devices[d];
    ui->sourceLabel->setText(names.isEmpty() && !names.source.typed
                                 ? tr("No names yet: choose a device, import a file or type them below.")
                                 : names.source.describe());
    m_filling = true;
    fill_program_table(ui->programTable, names);
    fill_control_table(ui->controlTable, names);
    m_filling = false;
    ui->clearButton->setEnabled(!names.isEmpty());
}

void rignamesdialog::takeTypedNames()
{
    const int d = currentDevice();
    if (m_filling || d < 0)
        return;
    DeviceNames &names = m_rig.devices[d];
    names.banks = banks_from_table(ui->programTable, names.banks);
    names.controls = controls_from_table(ui->controlTable);
    tidy_device_names(names);
    names.source.typed = true;
    ui->sourceLabel->setText(names.source.describe());
    ui->clearButton->setEnabled(!names.isEmpty());
}

void rignamesdialog::clearDevice()
{
    const int d = currentDevice();
    if (d >= 0) {
        m_rig.devices[d] = DeviceNames();
        showDevice();
    }
}

bool rignamesdialog::takeMode(const QVector<MidnamMode> &modes, const QString &path)
{
    int chosen = 0;
    if (modes.size() > 1) {
        QStringList entries;
        for (const MidnamMode &mode : modes)
            entries << (mode.mode.isEmpty() ? mode.model : tr("%1, mode %2").arg(mode.model, mode.mode));
        chosen = namechooserdialog::choose(this, tr("Choose a Mode"),
                                           tr("The file holds the names of several models or modes:"), entries);
        if (chosen < 0)
            return false;
    }
    const MidnamMode &mode = modes[chosen];
    DeviceNames names = mode.names;
    names.source = NamesSource();
    names.source.file = QFileInfo(path).absoluteFilePath();
    names.source.manufacturer = mode.manufacturer;
    names.source.model = mode.model;
    names.source.mode = mode.mode;
    m_rig.devices[currentDevice()] = names;
    showDevice();
    return true;
}

bool rignamesdialog::takeNamesFrom(const QString &path, int firstProgram)
{
    if (currentDevice() < 0)
        return false;
    if (!looksLikeMidnam(path) && firstProgram < 0) {
        QMessageBox ask(QMessageBox::Question, tr("Import a List"),
                        tr("Which program change does the first name of the list have?"), QMessageBox::Cancel, this);
        QPushButton *zero = ask.addButton(tr("Program &0"), QMessageBox::AcceptRole);
        QPushButton *one = ask.addButton(tr("Program &1"), QMessageBox::AcceptRole);
        ask.setDefaultButton(zero);
        ask.exec();
        if (ask.clickedButton() != zero && ask.clickedButton() != one)
            return false;
        firstProgram = ask.clickedButton() == one ? 1 : 0;
    }
    const NamesFileRead read = read_names_file(path, firstProgram < 0 ? 0 : firstProgram);
    if (!read.ok() || read.modes.isEmpty()) {
        QMessageBox::warning(this, tr("Import"),
                             tr("%1 was not taken: %2").arg(QFileInfo(path).fileName(), read.error));
        return false;
    }
    if (!takeMode(read.modes, path))
        return false;
    if (!read.warnings.isEmpty())
        QMessageBox::information(this, tr("Import"),
                                 tr("%1 was taken, with these notes:\n%2")
                                     .arg(QFileInfo(path).fileName(), read.warnings.join(QLatin1Char('\n'))));
    return true;
}

void rignamesdialog::chooseInstalled()
{
    const QVector<InstalledModel> models = installed_models(midnam_folders(m_memoryPath));
    if (models.isEmpty()) {
        QMessageBox::information(this, tr("Choose Device"),
                                 tr("No MIDNAM files are installed. Install the ardour-data package, or put files "
                                    "in a folder named midnam beside the memory file."));
        return;
    }
    QStringList entries;
    for (const InstalledModel &model : models)
        entries << tr("%1 %2").arg(model.manufacturer, model.model);
    const int chosen =
        namechooserdialog::choose(this, tr("Choose Device"), tr("Manufacturer and model:"), entries);
    if (chosen < 0)
        return;
    const InstalledModel &model = models[chosen];
    const NamesFileRead read = read_names_file(model.file);
    if (!read.ok() || read.modes.isEmpty()) {
        QMessageBox::warning(this, tr("Choose Device"),
                             tr("%1 was not taken: %2").arg(QFileInfo(model.file).fileName(), read.error));
        return;
    }
    QVector<MidnamMode> modes;
    for (const MidnamMode &mode : read.modes)
        if (mode.manufacturer == model.manufacturer && mode.model == model.model)
            modes << mode;
    takeMode(modes.isEmpty() ? read.modes : modes, model.file);
}

void rignamesdialog::importFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Import Names"), QFileInfo(m_memoryPath).absolutePath(),
        tr("MIDNAM files (*.midnam);;Lists of names (*.txt);;All files (*)"));
    if (!path.isEmpty())
        takeNamesFrom(path);
}

void rignamesdialog::exportMidnam()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export MIDNAM"), QFileInfo(m_memoryPath).absolutePath() + QStringLiteral("/rig.midnam"),
        tr("MIDNAM files (*.midnam)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!write_file(path, write_midnam(m_rig, deviceNames()), &error))
        QMessageBox::warning(this, tr("Export MIDNAM"), tr("%1 was not written: %2").arg(path, error));
}

void rignamesdialog::accept()
{
    if (m_memoryPath.isEmpty()) {
        QMessageBox::warning(this, tr("Rig Names"),
                             tr("No memory file is in use, so the names have nowhere to be kept."));
        return;
    }
    QString error;
    if (!write_rig_file(rig_file_path(m_memoryPath), m_rig, &error)) {
        QMessageBox::warning(this, tr("Rig Names"), tr("The names were not saved: %1").arg(error));
        return;
    }
    set_rig_names(m_rig);
    QDialog::accept();
}
