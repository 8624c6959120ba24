#include "history_names.h"

#include "accessible_names.h"
#include "historydialog.h"
#include "ui_historydialog.h"

void name_history_controls(historydialog *dialog, Ui::historydialog *ui)
{
    ui->versionList->setAccessibleName(historydialog::tr("Kept versions"));
    ui->changeTree->setAccessibleName(historydialog::tr("Differences"));
    ui->changeTree->setAccessibleDescription(ui->compareLabel->text());
    // Return compares, as a double-click does.
    activate_on_return(ui->versionList, [ui] {
        if (ui->compareButton->isEnabled())
            ui->compareButton->click();
    });
    give_buttons_keys(dialog);
}
