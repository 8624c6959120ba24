#include "transfer_names.h"

#include "accessible_names.h"
#include "historydialog.h"
#include "midiportsdialog.h"
#include "ui_historydialog.h"
#include "ui_midiportsdialog.h"
#include "ui_utilitydialog.h"
#include "utilitydialog.h"

void name_utility_controls(utilitydialog *dialog, Ui::utilitydialog *ui)
{
    ui->presetFromComboBox->setAccessibleName(utilitydialog::tr("Preset to copy"));
    ui->presetToComboBox->setAccessibleName(utilitydialog::tr("Preset to copy it over"));
    give_buttons_keys(dialog);
}

void name_port_controls(midiportsdialog *dialog, Ui::midiportsdialog *ui)
{
    label_fields({{ui->inputPortLabel, ui->inputPortsComboBox}, {ui->outputPortLabel, ui->outputPortsComboBox}});
    give_buttons_keys(dialog);
}

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
