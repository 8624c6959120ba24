#include "utilitydialog.h"
#include "ui_utilitydialog.h"

#include "backup.h"
#include "configuration_saves.h"
#include "change_preview.h"
#include "dump_codec.h"
#include "dump_verify.h"
#include "fields.h"
#include "historydialog.h"
#include "image_layout.h"
#include "kestrel_import.h"
#include "midi_system.h"
#include "port_watch.h"
#include "reception_buffer.h"
#include "save_warning.h"
#include "transfer_names.h"
#include "store.h"
#include "valuelistmodel.h"

#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
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
    name_utility_controls(this, ui);

    load_image();
    fillPresetLists(config_image());
    connect(ui->pushButton_History, &QPushButton::clicked, this, [this] {
        historydialog history(this);
        history.exec();
        // A restore replaces the file.
        showPresetsOfFile();
    });

    receptionTimer = new QTimer(this);
    connect(receptionTimer, &QTimer::timeout, this, &utilitydialog::update);
    receptionTimer->start(kReceptionRefreshMs);

    setReceptionShown(false);

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
    // Both lists always show the same presets, so they share one list.
    QStringList texts;
    texts.reserve(layout::kPresetCount);
    for (int i = 0; i < layout::kPresetCount; ++i)
        texts << preset_entry_text(image, i);
    if (!presetList) {
        presetList = new ValueListModel(texts, this);
        ui->presetFromComboBox->setModel(presetList);
        ui->presetToComboBox->setModel(presetList);
        return;
    }
    for (int i = 0; i < layout::kPresetCount; ++i)
        presetList->setData(presetList->index(i, 0), texts.at(i));
}

// The presets as the configuration file now holds them, without replacing
// the image in memory.
void utilitydialog::showPresetsOfFile()
{
    std::vector<unsigned char> image(config_image(), config_image() + layout::kImageSize);
    read_image_file(file_paths().configuration, image.data());
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
    if (!copy_preset(from, to))
        warn_configuration_not_saved(this);
    load_image();
    // Both lists show the shared list, so one change renames the preset in both.
    presetList->setData(presetList->index(to, 0), preset_entry_text(config_image(), to));
}

void utilitydialog::on_factoryResetPushButton_clicked()
{
    if (!init_default_image(KeepBackup::Yes)) {
        warnNotReplaced(QStringLiteral("Factory Reset"));
        if (last_save_failed_at_backup())
            return;
    }
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
    default:
        return false;
    }
}

// Tells why the configuration file was not replaced: the copy kept beside
// it first, or the file itself, could not be written.
void utilitydialog::warnNotReplaced(const QString &title)
{
    if (!last_save_failed_at_backup()) {
        warn_configuration_not_saved(this);
        return;
    }
    warn(title, tr("Couldn't keep a copy of %1 as %2 (%3), so it was left unchanged.")
                    .arg(file_paths().configuration, configuration_backup_path(), last_save_error()));
}

// Decodes `dumpPath` over the configuration file. A dump that disagrees with
// itself (bad checksums, missing or repeated packets, not a whole memory) is
// shown to the user first and only written when they say so; the previous
// file is kept as a backup. False when the file was not replaced.
bool utilitydialog::replaceConfigurationWithDump(const QString &dumpPath, const QString &title,
                                                 SaveOperation operation)
{
    QByteArray dumpBytes;
    if (!read_dump_file(dumpPath, dumpBytes))
        return !reportDecodeFailure(dump::kUnreadableSource, title, dumpPath);
    const DumpReport report =
        verify_dump(reinterpret_cast<const unsigned char *>(dumpBytes.constData()), dumpBytes.size());
    if (report.decodedLength == 0)
        return !reportDecodeFailure(dump::kNoDataPacket, title, dumpPath);
    const QStringList problems = report.problems(layout::kImageSize);
    const QByteArray decoded = decode_dump(dumpBytes);
    if (!problems.isEmpty()) {
        const QString text = tr("%1 does not look like a sound Vektor memory dump:").arg(dumpPath)
            + QStringLiteral("\n\n- ") + problems.join(QStringLiteral("\n- ")) + QStringLiteral("\n\n")
            + change_preview_of_file(file_paths().configuration, decoded) + QStringLiteral("\n\n")
            + tr("Replace %1 with what the dump holds anyway? (The current file is kept as %2.)")
                  .arg(file_paths().configuration, configuration_backup_path());
        if (QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
            return false;
    }
    if (save_configuration_bytes(decoded, operation, KeepBackup::Yes))
        return true;
    warnNotReplaced(title);
    return false;
}

void utilitydialog::on_pushButton_CopySysExToBinary_clicked()
{
    const FilePaths &paths = file_paths();
    const QString title = QStringLiteral("File conversion");
    if (!replaceConfigurationWithDump(paths.dump, title, SaveOperation::DumpImport))
        return;
    warn(title, tr("Copied %1 to %2").arg(paths.dump, paths.configuration));
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
        warn(title, tr("Copied %1 to %2").arg(paths.configuration, paths.dump));
}

void utilitydialog::on_pushButton_Convert_clicked()
{
    const QString title = QStringLiteral("Import Kestrel SysEx");
    const QString kestrelPath = file_paths().sibling;
    load_image();
    const int read = load_sibling_image();
    if (read < 0) {
        warn(title, tr("Couldn't read the Kestrel memory file %1: nothing was imported.").arg(kestrelPath));
        return;
    }
    if (read == 0) {
        warn(title, tr("The Kestrel memory file %1 is empty: nothing was imported.").arg(kestrelPath));
        return;
    }
    // Any other size is most likely not a Kestrel memory: ask before it
    // replaces the Vektor's, saying what it would change.
    const qint64 size = QFileInfo(kestrelPath).size();
    if (size != layout::kSiblingImageSize) {
        QByteArray imported(reinterpret_cast<const char *>(config_image()), layout::kImageSize);
        preview_kestrel_import(sibling_image(), reinterpret_cast<unsigned char *>(imported.data()));
        const QLocale locale;
        const QString text = tr("%1 holds %2 bytes; a Kestrel memory holds %3. Import it anyway? "
                                "(The current %4 is kept as %5.)")
                                 .arg(kestrelPath, locale.toString(size), locale.toString(layout::kSiblingImageSize),
                                      file_paths().configuration, configuration_backup_path())
            + QStringLiteral("\n\n") + change_preview_of_file(file_paths().configuration, imported);
        if (QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
            return;
    }
    QByteArray imported(reinterpret_cast<const char *>(config_image()), layout::kImageSize);
    import_kestrel_image(sibling_image(), reinterpret_cast<unsigned char *>(imported.data()));
    if (!save_configuration_bytes(imported, SaveOperation::KestrelImport, KeepBackup::Yes)) {
        warnNotReplaced(title);
        if (last_save_failed_at_backup())
            return;
    }
    std::memcpy(config_image(), imported.constData(), layout::kImageSize);
    fillPresetLists(config_image());
}
