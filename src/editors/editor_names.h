#pragma once

// Accessible names, descriptions and keys of the editors' windows, set once
// their forms are built (and, for the presets, once the rows show their
// devices). The forms keep their object names and texts.

class globaldialog;
class presetsdialog;
class ControlChangeDialog;
class overridesdialog;

namespace Ui {
class globaldialog;
class presetsdialog;
class ControlChangeDialog;
class overridesdialog;
} // namespace Ui

void name_global_controls(globaldialog *dialog, Ui::globaldialog *ui);
void name_preset_controls(presetsdialog *dialog, Ui::presetsdialog *ui);
void name_control_change_controls(ControlChangeDialog *dialog, Ui::ControlChangeDialog *ui);
void name_override_controls(overridesdialog *dialog, Ui::overridesdialog *ui);
