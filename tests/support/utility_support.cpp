#include "utility_support.h"

#include "mainwindow.h"
#include "presetsdialog.h"
#include "reception_buffer.h"
#include "configuration_saves.h"
#include "store.h"
#include "utilitydialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

void prepare_editor_home(const TempHome &home)
{
    set_paths_for_home(home.path());
    QDir().mkpath(home.path() + "/Stompwerk/Vektor");
    QDir().mkpath(home.path() + "/Stompwerk/Kestrel");
    init_default_image();
}

ModalStep acceptMessageBoxStep(const std::shared_ptr<SeenBox> &seen)
{
    return answerMessageBoxStep(seen, QMessageBox::Ok);
}

ModalStep answerMessageBoxStep(const std::shared_ptr<SeenBox> &seen, QMessageBox::StandardButton answer)
{
    return [seen, answer](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box) {
            qWarning("expected a message box, got %s", widget->metaObject()->className());
            if (auto *dialog = qobject_cast<QDialog *>(widget))
                dialog->done(QDialog::Rejected);
            return;
        }
        seen->shown = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        if (QAbstractButton *button = box->button(answer))
            button->click();
        else
            box->done(answer);
    };
}

static QStringList itemsOf(QComboBox *list)
{
    QStringList items;
    for (int i = 0; list && i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

ModalStep answerPortDialogStep(const std::shared_ptr<SeenPorts> &seen, int inputIndex, int outputIndex,
                               QDialog::DialogCode result, const std::function<void()> &beforeClosing)
{
    return [=](QWidget *widget) {
        auto *dialog = qobject_cast<QDialog *>(widget);
        if (!dialog || widget->objectName() != QLatin1String("midiportsdialog")) {
            qWarning("expected the port dialog, got %s", widget->metaObject()->className());
            if (dialog)
                dialog->done(QDialog::Rejected);
            return;
        }
        auto *inputs = dialog->findChild<QComboBox *>("inputPortsComboBox");
        auto *outputs = dialog->findChild<QComboBox *>("outputPortsComboBox");
        seen->shown = true;
        seen->inputs = itemsOf(inputs);
        seen->outputs = itemsOf(outputs);
        if (inputIndex >= 0)
            inputs->setCurrentIndex(inputIndex);
        if (outputIndex >= 0)
            outputs->setCurrentIndex(outputIndex);
        if (beforeClosing)
            beforeClosing();
        dialog->done(result);
    };
}

void handleModalsInTurn(std::vector<ModalStep> steps, int timeoutMs)
{
    if (steps.empty())
        return;
    const ModalStep first = steps.front();
    steps.erase(steps.begin());
    whenModal([first, steps, timeoutMs](QWidget *widget) {
        first(widget);
        handleModalsInTurn(steps, timeoutMs);
    }, timeoutMs);
}

std::shared_ptr<SeenBox> acceptNextMessageBox(int timeoutMs)
{
    auto seen = std::make_shared<SeenBox>();
    handleModalsInTurn({acceptMessageBoxStep(seen)}, timeoutMs);
    return seen;
}

std::shared_ptr<SeenPorts> answerPortDialog(int inputIndex, int outputIndex, QDialog::DialogCode result,
                                            int timeoutMs)
{
    auto seen = std::make_shared<SeenPorts>();
    handleModalsInTurn({answerPortDialogStep(seen, inputIndex, outputIndex, result)}, timeoutMs);
    return seen;
}

MessageBoxWatch::MessageBoxWatch(QMessageBox::StandardButton answer)
{
    QObject::connect(&poll, &QTimer::timeout, [this, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        auto seen = std::make_shared<SeenBox>();
        answerMessageBoxStep(seen, box->button(answer) ? answer : QMessageBox::Ok)(box);
        boxes << *seen;
    });
    poll.start(5);
}

bool waitUntilSendEnds(QWidget &utility, int timeoutMs)
{
    auto *progress = utility.findChild<QWidget *>("progressBar_SysEx");
    return progress && QTest::qWaitFor([progress] { return progress->isHidden(); }, timeoutMs);
}

namespace {

void clickButton(QWidget &window, const char *button)
{
    window.findChild<QPushButton *>(button)->click();
}

} // namespace

void run_editor_operation(const QString &operation)
{
    if (operation == "Global OK" || operation == "Presets Save") {
        MainWindow window;
        closeModalDialog(QDialog::Accepted);
        clickButton(window, operation == "Global OK" ? "pushButton" : "pushButton_2");
    } else if (operation == "preset switch Yes") {
        presetsdialog dialog(nullptr, config_image());
        QTest::keyClicks(dialog.findChild<QLineEdit *>("presetname"), "!");
        dialog.findChild<QComboBox *>("presetComboBox")->setCurrentIndex(1);
    } else {
        utilitydialog dialog(nullptr);
        if (operation == "Copy Preset") {
            // The first preset over the second: a copy that changes the file.
            dialog.findChild<QComboBox *>("presetToComboBox")->setCurrentIndex(1);
            clickButton(dialog, "copyPresetPushButton");
        }
        else if (operation == "Factory Reset")
            clickButton(dialog, "factoryResetPushButton");
        else if (operation == "Import Vektor SysEx")
            clickButton(dialog, "pushButton_CopySysExToBinary");
        else if (operation == "Import Kestrel SysEx")
            clickButton(dialog, "pushButton_Convert");
        else if (operation == "Stop of a reception") {
            // What the MIDI system's thread hands over while a dump arrives:
            // the dump the test left in memory.syx.
            const QByteArray dump = readWholeFile(file_paths().dump);
            std::vector<unsigned char> bytes(dump.begin(), dump.end());
            reception_input_callback(0, &bytes, nullptr);
            clickButton(dialog, "pushButtonStopReception");
        }
    }
}
