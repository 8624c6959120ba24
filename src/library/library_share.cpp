#include "library_share.h"

#include "file_bytes.h"
#include "image_layout.h"
#include "preset_list.h"
#include "presetlibrarymodel.h"
#include "readable_form.h"
#include "readable_notes.h"
#include "save_file_dialog.h"
#include "store.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

using namespace layout;

namespace {

// The texts of this file belong to the "librarydialog" translation context; lupdate
// finds them by the qualified calls.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(librarydialog)
};

QString folderOfConfiguration()
{
    return QFileInfo(file_paths().configuration).absolutePath();
}

void exportRecords(QWidget *parent, const PresetLibraryModel &model, const QVector<int> &records,
                   const QString &suggestedName)
{
    if (records.isEmpty())
        return;
    const QString path = ask_save_path(parent, Text::tr("Export Presets"),
                                       folderOfConfiguration() + QLatin1Char('/') + suggestedName,
                                       {{Text::tr("Readable presets (*.json)"), QStringLiteral("json")}});
    if (path.isEmpty())
        return;
    QString error;
    if (!write_file(path, with_readable_notes(export_readable_presets(model.image(), records), model.notes(), records),
                    &error))
        QMessageBox::warning(parent, parent->windowTitle(),
                             Text::tr("Couldn't write %1: %2. Nothing was exported.").arg(path, error));
}

QString presetName(const QByteArray &record)
{
    const int nul = record.indexOf('\0');
    return QString::fromLatin1(record.left(qMin(nul < 0 ? kNameLength : nul, kNameLength)));
}

// "014  Verse  ->  Chorus", one line a slot, so Yes is an informed answer.
QString replacementLines(const PresetLibraryModel &model, const QMap<int, QByteArray> &incoming)
{
    QStringList lines;
    for (auto it = incoming.cbegin(); it != incoming.cend(); ++it) {
        const QString now = presetName(model.recordBytes(it.key()));
        const QString next = presetName(it.value());
        const QString change = model.recordBytes(it.key()) == it.value() ? Text::tr("(the same)") : QString();
        lines << QStringLiteral("%1  \"%2\"  \u2192  \"%3\" %4")
                     .arg(preset_number_text(it.key()), now, next, change)
                     .trimmed();
    }
    return lines.join(QLatin1Char('\n'));
}

QMap<int, QByteArray> placed(const QVector<int> &targets, const QVector<QByteArray> &presets)
{
    QMap<int, QByteArray> records;
    for (int k = 0; k < targets.size(); ++k)
        records.insert(targets[k], presets[k]);
    return records;
}

} // namespace

void set_up_export_menu(QPushButton *button, const PresetLibraryModel &model,
                        const std::function<QVector<int>()> &selection)
{
    auto *menu = new QMenu(button);
    QAction *selected = menu->addAction(Text::tr("Selected Presets..."));
    QAction *bank = menu->addAction(Text::tr("Bank of the Selected Preset..."));
    QAction *all = menu->addAction(Text::tr("All Presets..."));
    QWidget *parent = button->window();
    QObject::connect(menu, &QMenu::aboutToShow, menu, [=] {
        const QVector<int> rows = selection();
        selected->setEnabled(!rows.isEmpty());
        bank->setEnabled(!rows.isEmpty());
        if (!rows.isEmpty()) {
            const QVector<int> nine = bank_records(rows.first() / kBankSize);
            bank->setText(Text::tr("Bank %1 (%2)...").arg(rows.first() / kBankSize).arg(preset_list_text(nine)));
        }
    });
    QObject::connect(selected, &QAction::triggered, button, [=, &model] {
        const QVector<int> rows = selection();
        exportRecords(parent, model, rows, QStringLiteral("presets-%1.json").arg(preset_list_text(rows).remove(' ')));
    });
    QObject::connect(bank, &QAction::triggered, button, [=, &model] {
        const QVector<int> rows = selection();
        if (rows.isEmpty())
            return;
        const int b = rows.first() / kBankSize;
        exportRecords(parent, model, bank_records(b), QStringLiteral("bank-%1.json").arg(b));
    });
    QObject::connect(all, &QAction::triggered, button, [=, &model] {
        QVector<int> rows;
        for (int i = 0; i < kPresetCount; ++i)
            rows << i;
        exportRecords(parent, model, rows, QStringLiteral("all-presets.json"));
    });
    button->setMenu(menu);
    button->setEnabled(true);
}

QVector<int> import_presets(QWidget *parent, PresetLibraryModel &model, const QVector<int> &selection)
{
    const QString title = parent->windowTitle();
    const QString path = QFileDialog::getOpenFileName(parent, Text::tr("Import Presets"), folderOfConfiguration(),
                                                      Text::tr("Readable presets (*.json);;All files (*)"));
    if (path.isEmpty())
        return {};
    const FileRead file = read_file(path, FileKind::Document);
    if (!file.ok() || file.cut()) {
        QMessageBox::warning(parent, title,
                             file.ok() ? Text::tr("%1 is far larger than any readable document. Nothing was imported.")
                                             .arg(path)
                                       : Text::tr("Couldn't read %1: %2. Nothing was imported.")
                                             .arg(path, file.error));
        return {};
    }
    const ReadableRead read = read_readable(file.bytes);
    const ReadableNotes notes =
        read.ok() ? read_readable_notes(file.bytes, read.document.records) : ReadableNotes();
    if (!read.ok() || !notes.ok()) {
        QMessageBox::warning(parent, title,
                             Text::tr("%1 can't be imported: %2")
                                 .arg(QFileInfo(path).fileName(), read.ok() ? notes.error : read.error));
        return {};
    }

    QVector<int> namedSlots = read.document.records;
    QVector<QByteArray> presets = read.document.presets;
    if (read.document.wholeMemory) {
        namedSlots.clear();
        presets.clear();
        for (int i = 0; i < kPresetCount; ++i) {
            namedSlots << i;
            presets << read.document.image.mid(presetOffset(i), kPresetRecordSize);
        }
    }
    // From the first selected slot on, when that is somewhere else and fits.
    const int from = selection.isEmpty() ? -1 : selection.first();
    const bool elsewhere = from >= 0 && from != namedSlots.value(0) && from + presets.size() <= kPresetCount;
    QVector<int> elsewhereSlots;
    for (int k = 0; elsewhere && k < presets.size(); ++k)
        elsewhereSlots << from + k;

    QMessageBox box(QMessageBox::Question, title,
                    Text::tr("%1 holds %n presets. Imported into the slots it names, they replace:", nullptr,
                             int(presets.size()))
                        .arg(QFileInfo(path).fileName()),
                    QMessageBox::Cancel, parent);
    QString details = replacementLines(model, placed(namedSlots, presets));
    if (elsewhere)
        details += QStringLiteral("\n\n") + Text::tr("Imported from %1 on, they replace:").arg(preset_number_text(from))
            + QLatin1Char('\n') + replacementLines(model, placed(elsewhereSlots, presets));
    if (read.document.wholeMemory)
        details += QStringLiteral("\n\n") + Text::tr("The document's global settings are left out.");
    box.setInformativeText(details);
    QPushButton *intoNamed = box.addButton(Text::tr("Import"), QMessageBox::AcceptRole);
    QPushButton *intoSelected =
        elsewhere ? box.addButton(Text::tr("Import from %1 On").arg(preset_number_text(from)), QMessageBox::AcceptRole)
                  : nullptr;
    box.setDefaultButton(intoNamed);
    box.exec();
    if (box.clickedButton() != intoNamed && (!intoSelected || box.clickedButton() != intoSelected))
        return {};
    const QVector<int> targets = box.clickedButton() == intoNamed ? namedSlots : elsewhereSlots;
    const QVector<int> documentSlots = read.document.wholeMemory ? namedSlots : read.document.records;
    if (!model.replaceRecords(Text::tr("Import %1").arg(QFileInfo(path).fileName()), placed(targets, presets),
                              notes_moved_to(notes.notes, documentSlots, targets)))
        return {};
    return targets;
}
