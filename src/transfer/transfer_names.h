#pragma once

// Accessible names and keys of the transfer windows, set once their forms
// are built. The forms keep their object names and texts.

class midiportsdialog;
class utilitydialog;

namespace Ui {
class midiportsdialog;
class utilitydialog;
} // namespace Ui

void name_utility_controls(utilitydialog *dialog, Ui::utilitydialog *ui);
void name_port_controls(midiportsdialog *dialog, Ui::midiportsdialog *ui);
