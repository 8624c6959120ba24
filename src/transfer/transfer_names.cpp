#include "transfer_names.h"

#include "accessible_names.h"
#include "midiportsdialog.h"
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
