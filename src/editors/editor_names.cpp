#include "editor_names.h"

#include "accessible_names.h"
#include "controlchangedialog.h"
#include "globaldialog.h"
#include "overridesdialog.h"
#include "presetsdialog.h"
#include "ui_controlchangedialog.h"
#include "ui_globaldialog.h"
#include "ui_overridesdialog.h"
#include "ui_presetsdialog.h"

#include <vector>

namespace {

// The widgets of a grid whose object names hold `part`, for a shared
// description of one column.
std::vector<QWidget *> column(QGridLayout *grid, const char *part)
{
    std::vector<QWidget *> widgets;
    for (int i = 0; i < grid->count(); ++i)
        if (QWidget *widget = grid->itemAt(i)->widget(); widget && widget->objectName().contains(QLatin1String(part)))
            widgets.push_back(widget);
    return widgets;
}

void describe(const std::vector<QWidget *> &widgets, const QString &description)
{
    for (QWidget *widget : widgets)
        widget->setAccessibleDescription(description);
}

QString valueRange() { return QCoreApplication::translate("EditorNames", "0 to 127"); }
QString midiChannel() { return QCoreApplication::translate("EditorNames", "MIDI channel"); }

} // namespace

void name_global_controls(globaldialog *dialog, Ui::globaldialog *ui)
{
    name_grid_cells(ui->gridLayout, globaldialog::tr("Button %1 %2", "button number, then the column's title"));
    name_grid_cells(ui->gridLayout_2, globaldialog::tr("Device %1 %2", "device number, then the column's title"));
    name_grid_cells(ui->gridLayout_3, globaldialog::tr("Expression pedal %1 %2", "pedal number, then the column's title"));
    label_fields({{ui->midiInputChannelLabel, ui->inputChannelCombo},
                  {ui->sysexIdLabel, ui->sysexIdCombo},
                  {ui->sysexRemoteIdLabel, ui->sysexRemoteIdComboBox},
                  {ui->axeFxModelLabel, ui->axeFxModelComboBox}});

    for (const char *values : {"ControlChangeComboBox", "OnValueComboBox", "OffValueComboBox", "StepComboBox"})
        describe(column(ui->gridLayout, values), valueRange());
    describe(column(ui->gridLayout, "ChannelComboBox"), midiChannel());
    const QString message = globaldialog::tr("Up to eight bytes in hexadecimal, as 00 00 00 00 00 00 00 00");
    describe(column(ui->gridLayout, "CustomLineEdit"), message);
    describe_fields({ui->inputChannelCombo}, midiChannel());
    describe_fields({ui->sysexIdCombo, ui->sysexRemoteIdComboBox}, valueRange());
    describe_fields({ui->expressionPedal1MinLineEdit, ui->expressionPedal1MaxLineEdit,
                     ui->expressionPedal2MinLineEdit, ui->expressionPedal2MaxLineEdit},
                    globaldialog::tr("Measured by the controller"));
    give_buttons_keys(dialog);
}

void name_preset_controls(presetsdialog *dialog, Ui::presetsdialog *ui)
{
    label_fields({{ui->presetNumberLabel, ui->presetComboBox}, {ui->presetNameLabel, ui->presetname}});
    // The rows are the devices, titled "3 - Amp" from the global settings.
    name_grid_cells(ui->gridLayout, presetsdialog::tr("Program change for %1, %2", "device, then the column's title"));
    name_grid_cells(ui->gridLayout_2, QString()); // a title above each field
    name_grid_cells(ui->gridLayout_3, presetsdialog::tr("Expression pedal %1 %2", "pedal number, then the column's title"));
    for (const char *values : {"presetMsb", "presetLsb", "presetProgramChangeNumber"})
        describe(column(ui->gridLayout, values), valueRange());
    describe(column(ui->gridLayout_3, "ChannelComboBox"), midiChannel());
    describe(column(ui->gridLayout_3, "ControlChangeComboBox"), valueRange());
    give_buttons_keys(dialog);
}

void name_control_change_controls(ControlChangeDialog *dialog, Ui::ControlChangeDialog *ui)
{
    name_grid_cells(ui->gridLayout, ControlChangeDialog::tr("%2 %1", "the column's title, then the entry's number"));
    describe(column(ui->gridLayout, "DeviceComboBox"), midiChannel());
    for (const char *values : {"NumberComboBox", "ValueComboBox"})
        describe(column(ui->gridLayout, values), valueRange());
    give_buttons_keys(dialog);
}

void name_override_controls(overridesdialog *dialog, Ui::overridesdialog *ui)
{
    name_grid_cells(ui->gridLayout, overridesdialog::tr("Override for button %1, %2", "button number, then the column's title"));
    describe(column(ui->gridLayout, "DeviceComboBox"), midiChannel());
    for (const char *values : {"ControlChangeComboBox", "OnValueComboBox", "OffValueComboBox"})
        describe(column(ui->gridLayout, values), valueRange());
    give_buttons_keys(dialog);
}
