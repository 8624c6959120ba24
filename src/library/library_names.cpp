#include "library_names.h"

#include "accessible_names.h"
#include "copytargetdialog.h"
#include "librarydialog.h"
#include "presetlibrarymodel.h"
#include "ui_copytargetdialog.h"
#include "ui_librarydialog.h"

void name_library_controls(librarydialog *dialog, Ui::librarydialog *ui)
{
    PresetTableView *table = ui->presetTable;
    table->setAccessibleName(librarydialog::tr("Presets"));
    // Tab leaves the table for the buttons; the arrows move between cells.
    table->setTabKeyNavigation(false);
    // Return renames, as a double-click does.
    activate_on_return(table, [table] {
        const QModelIndex current = table->currentIndex();
        table->setCurrentIndex(current.sibling(current.row(), PresetLibraryModel::NameColumn));
        static_cast<QAbstractItemView *>(table)->edit(table->currentIndex());
    });
    give_buttons_keys(dialog);
}

void name_copy_target_controls(copytargetdialog *dialog, Ui::copytargetdialog *ui)
{
    ui->slotComboBox->setAccessibleName(copytargetdialog::tr("Target slot"));
    ui->bankComboBox->setAccessibleName(copytargetdialog::tr("Target bank"));
    ui->overwrittenList->setAccessibleName(copytargetdialog::tr("Presets to be overwritten"));
    give_buttons_keys(dialog);
}
