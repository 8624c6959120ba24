#pragma once

// Accessible names and keys of the History window, set once its form is
// built. The form keeps its object names and texts.

class historydialog;

namespace Ui {
class historydialog;
} // namespace Ui

void name_history_controls(historydialog *dialog, Ui::historydialog *ui);
