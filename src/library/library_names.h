#pragma once

// Accessible names and keys of the library's windows, set once their forms
// are built. The forms keep their object names and texts.

class copytargetdialog;
class librarydialog;

namespace Ui {
class copytargetdialog;
class librarydialog;
} // namespace Ui

void name_library_controls(librarydialog *dialog, Ui::librarydialog *ui);
void name_copy_target_controls(copytargetdialog *dialog, Ui::copytargetdialog *ui);
