#pragma once

#include "test_support.h"

#include <QMessageBox>
#include <QList>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

// Helpers for the utility dialog's tests: the editor's folders under a test
// HOME, message boxes read and answered, the port dialog answered.

// What the main window does at start-up: the five paths for `home`, the
// folders, and a factory configuration file.
void prepare_editor_home(const TempHome &home);

struct SeenBox {
    bool shown = false;
    QString title;
    QString text;
};
// Reads the next message box and presses its OK button.
std::shared_ptr<SeenBox> acceptNextMessageBox(int timeoutMs = 10000);

struct SeenPorts {
    bool shown = false;
    QStringList inputs;
    QStringList outputs;
};
// Answers the next port dialog: picks the given positions (-1 leaves a list
// as it is) and closes it with `result`.
std::shared_ptr<SeenPorts> answerPortDialog(int inputIndex, int outputIndex,
                                            QDialog::DialogCode result = QDialog::Accepted,
                                            int timeoutMs = 10000);

// Steps for modal widgets that come one after the other (warnings, then the
// port dialog): each step handles one widget, in the order given.
using ModalStep = std::function<void(QWidget *)>;
ModalStep acceptMessageBoxStep(const std::shared_ptr<SeenBox> &seen);
// Presses `answer` (Yes, No...) on the next message box.
ModalStep answerMessageBoxStep(const std::shared_ptr<SeenBox> &seen, QMessageBox::StandardButton answer);
// `beforeClosing` runs once the choice is made, before the dialog closes: a
// port plugged in or out while the user chose.
ModalStep answerPortDialogStep(const std::shared_ptr<SeenPorts> &seen, int inputIndex, int outputIndex,
                               QDialog::DialogCode result = QDialog::Accepted,
                               const std::function<void()> &beforeClosing = {});
void handleModalsInTurn(std::vector<ModalStep> steps, int timeoutMs = 10000);

// Waits, with the event loop running, until the send the utility dialog has
// started ends (its progress bar is hidden again). False on timeout.
bool waitUntilSendEnds(QWidget &utility, int timeoutMs = 60000);

// Answers with OK every message box that shows while it lives, and keeps what
// each said: for runs where a box may or may not come (a box that comes when
// none should is then a failed check, not a hang).
class MessageBoxWatch
{
public:
    // A box that offers `answer` (Yes to a question, say) gets it; any other gets OK.
    explicit MessageBoxWatch(QMessageBox::StandardButton answer = QMessageBox::Ok);
    MessageBoxWatch(const MessageBoxWatch &) = delete;
    MessageBoxWatch &operator=(const MessageBoxWatch &) = delete;

    QList<SeenBox> boxes;

private:
    QTimer poll;
};

// Runs one of the editor's writes of the configuration file as the user
// would: "Global OK", "Presets Save", "preset switch Yes" (answer its
// question), "Copy Preset" (the first preset over the second), "Factory
// Reset", "Import Vektor SysEx" and "Stop of a reception" (both of the dump
// in memory.syx), "Import Kestrel SysEx".
void run_editor_operation(const QString &operation);
