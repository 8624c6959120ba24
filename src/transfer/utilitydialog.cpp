#include "utilitydialog.h"
#include "ui_utilitydialog.h"

#include "dump_codec.h"
#include "fields.h"
#include "image_layout.h"
#include "kestrel_import.h"
#include "midi_system.h"
#include "reception_buffer.h"
#include "store.h"

#include <QMessageBox>
#include <QTimer>

#include <rtmidi/RtMidi.h>

#include <cstring>
#include <vector>

namespace {
constexpr int kReceptionRefreshMs = 250;
}

utilitydialog::utilitydialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::utilitydialog)
{
    ensure_reception_buffer();
    ui->setupUi(this);
    ui->progressBar_SysEx->setValue(0);
    ui->progressBar_SysEx->hide();
    ui->pushButton_CancelSend->hide();

    load_image();
    fillPresetLists(config_image());

    receptionTimer = new QTimer(this);
    connect(receptionTimer, &QTimer::timeout, this, &utilitydialog::update);
    receptionTimer->start(kReceptionRefreshMs);

    ui->labelReceivedBytes->hide();
    ui->labelReceivedPackets->hide();
    ui->pushButtonStopReception->hide();
    ui->labelInputPortName->hide();

    MidiSystem midi = create_midi_system();
    midiOut = std::move(midi.out);
    midiIn = std::move(midi.in);
}

// Out of line: the MIDI objects are complete types only here.
utilitydialog::~utilitydialog()
{
    delete ui;
}

void utilitydialog::fillPresetLists(const unsigned char *image)
{
    const bool filled = ui->presetFromComboBox->count() == layout::kPresetCount;
    for (int i = 0; i < layout::kPresetCount; ++i) {
        const QString text = preset_entry_text(image, i);
        for (QComboBox *list : {ui->presetFromComboBox, ui->presetToComboBox}) {
            if (filled)
                list->setItemText(i, text);
            else
                list->addItem(text, i);
        }
    }
}

// The presets as the configuration file now holds them, without replacing
// the image in memory.
void utilitydialog::showPresetsOfFile()
{
    std::vector<unsigned char> image(config_image(), config_image() + layout::kImageSize);
    read_file_bytes(image.data(), file_paths().configuration, layout::kImageSize);
    fillPresetLists(image.data());
}

void utilitydialog::warn(const QString &title, const QString &text)
{
    QMessageBox::warning(this, title, text);
}

void utilitydialog::on_copyPresetPushButton_clicked()
{
    const int to = ui->presetToComboBox->currentIndex();
    const int from = ui->presetFromComboBox->currentIndex();
    copy_preset(from, to);
    load_image();
    const QString text = preset_entry_text(config_image(), to);
    ui->presetToComboBox->setItemText(to, text);
    ui->presetFromComboBox->setItemText(to, text);
}

void utilitydialog::on_factoryResetPushButton_clicked()
{
    init_default_image();
    fillPresetLists(config_image());
}

// Tells the user why a dump did not reach the configuration file; false when
// it did.
bool utilitydialog::reportDecodeFailure(int result, const QString &title, const QString &dumpPath)
{
    const QString config = file_paths().configuration;
    switch (result) {
    case dump::kUnreadableSource:
        warn(title, tr("Couldn't read %1: %2 was left unchanged.").arg(dumpPath, config));
        return true;
    case dump::kNoDataPacket:
        warn(title, tr("%1 holds no data packet: %2 was left unchanged.").arg(dumpPath, config));
        return true;
    case dump::kWriteFailed:
        warn(title, tr("Couldn't write %1: it was left unchanged.").arg(config));
        return true;
    default:
        return false;
    }
}

void utilitydialog::on_pushButton_CopySysExToBinary_clicked()
{
    const FilePaths &paths = file_paths();
    const QString title = QStringLiteral("File conversion");
    if (reportDecodeFailure(sysex_to_binary(paths.dump, paths.configuration), title, paths.dump))
        return;
    warn(title, QStringLiteral("Copied ") + paths.dump + QStringLiteral(" to ") + paths.configuration);
    showPresetsOfFile();
}

void utilitydialog::on_pushButton_CopyBinaryToSysEx_clicked()
{
    const FilePaths &paths = file_paths();
    const QString title = QStringLiteral("File conversion");
    const int result = binary_to_sysex(paths.configuration, paths.dump);
    if (result == dump::kUnreadableSource)
        warn(title, tr("Couldn't read %1: %2 was left unchanged.").arg(paths.configuration, paths.dump));
    else if (result < 0)
        warn(title, tr("Couldn't write %1: it was left unchanged.").arg(paths.dump));
    else
        warn(title, QStringLiteral("Copied ") + paths.configuration + QStringLiteral(" to ") + paths.dump);
}

void utilitydialog::on_pushButton_Convert_clicked()
{
    load_image();
    if (load_sibling_image() < 0) {
        warn(QStringLiteral("Import Kestrel SysEx"),
             tr("Couldn't read the Kestrel memory file %1: nothing was imported.").arg(file_paths().sibling));
        return;
    }
    import_kestrel_image(sibling_image(), config_image());
    save_image();
    fillPresetLists(config_image());
}
