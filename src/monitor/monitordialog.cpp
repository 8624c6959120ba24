#include "monitordialog.h"
#include "ui_monitordialog.h"

#include "accessible_names.h"
#include "file_bytes.h"
#include "message_sending.h"
#include "monitor_log.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

constexpr int kDrainMs = 16;     // 60 times a second: within a frame
constexpr int kPortCheckMs = 500;

} // namespace

monitordialog::monitordialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::monitordialog)
    , model(new MonitorModel(this))
    , opened(std::chrono::steady_clock::now())
{
    ui->setupUi(this);
    setUpTable();
    ui->inputCombo->setAccessibleName(tr("MIDI input to listen to"));
    ui->messageTable->setAccessibleName(tr("Messages heard"));
    ui->timingCheckBox->setAccessibleName(tr("Show clock and active sensing"));
    ui->pauseButton->setAccessibleName(tr("Pause the list"));
    ui->clearButton->setAccessibleName(tr("Clear the list"));
    ui->saveButton->setAccessibleName(tr("Save the list as a log"));
    give_buttons_keys(this);

    ui->inputCombo->addItem(tr("Not listening"));
    refreshPorts();
    connect(ui->inputCombo, QOverload<int>::of(&QComboBox::activated), this, &monitordialog::chooseInput);
    connect(ui->pauseButton, &QPushButton::toggled, this,
            [this](bool paused) { ui->pauseButton->setText(paused ? tr("&Resume") : tr("&Pause")); });
    connect(ui->clearButton, &QPushButton::clicked, this, [this] {
        model->clear();
        received = 0;
        sent = 0;
        listenerDropped = 0;
        updateCount();
    });
    connect(ui->saveButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, tr("Save Monitor Log"),
                                                          QDir::homePath() + QStringLiteral("/midi-monitor.txt"),
                                                          tr("Text files (*.txt);;All files (*)"));
        if (!path.isEmpty())
            saveLog(path);
    });
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(&SentMessages::instance(), &SentMessages::sent, this, &monitordialog::addSent);

    drainTimer.setTimerType(Qt::PreciseTimer);
    connect(&drainTimer, &QTimer::timeout, this, &monitordialog::drain);
    drainTimer.start(kDrainMs);
    connect(&portTimer, &QTimer::timeout, this, &monitordialog::checkPort);
    portTimer.start(kPortCheckMs);
    updateCount();
}

monitordialog::~monitordialog()
{
    // The listener's callback must be gone before the model it feeds.
    stopListening();
    delete ui;
}

monitordialog *monitordialog::showMonitor(QWidget *parent)
{
    static QPointer<monitordialog> monitor;
    if (!monitor) {
        // A window of its own, not one above `parent`: a window modal to the
        // main window (the Library, while Play is used) blocks the main window
        // and every window above it, and the monitor must not be among them.
        monitor = new monitordialog(nullptr);
        monitor->setAttribute(Qt::WA_DeleteOnClose);
        // Closing the main window still ends the run.
        monitor->setAttribute(Qt::WA_QuitOnClose, false);
        monitor->setModal(false);
        if (parent) {
            QPointer<monitordialog> made = monitor;
            connect(parent, &QObject::destroyed, [made] { delete made.data(); });
        }
    }
    monitor->show();
    monitor->raise();
    monitor->activateWindow();
    return monitor;
}

void monitordialog::setUpTable()
{
    QTableView *table = ui->messageTable;
    table->setModel(model);
    table->verticalHeader()->hide();
    // One line per message, of one height: the view need not measure rows.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    QHeaderView *header = table->horizontalHeader();
    const QFontMetrics metrics(table->font());
    const int padding = 2 * metrics.averageCharWidth() + 8;
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    header->resizeSection(MonitorModel::TimeColumn, metrics.horizontalAdvance(QStringLiteral("0000.000")) + padding);
    header->resizeSection(MonitorModel::PortColumn, metrics.horizontalAdvance(QStringLiteral("Vektor MIDI In 1")) + padding);
    header->resizeSection(MonitorModel::DeviceColumn,
                          metrics.horizontalAdvance(QStringLiteral("16 - Device Name 16")) + padding);
    header->resizeSection(MonitorModel::MessageColumn,
                          metrics.horizontalAdvance(QStringLiteral("Control change 127 = 127"))
                              + padding);
}

bool monitordialog::listenTo(const QString &portName)
{
    const int index = ui->inputCombo->findText(portName);
    if (index <= 0)
        return false;
    ui->inputCombo->setCurrentIndex(index);
    chooseInput(index);
    return input.hasListener();
}

void monitordialog::chooseInput(int index)
{
    stopListening();
    if (index <= 0 || !input.hasMidiSystem()) {
        say(tr("Not listening."));
        return;
    }
    const QString name = ui->inputCombo->itemText(index);
    const PortOpening opening = input.listen(index - 1, name);
    if (!opening.opened()) {
        const QString why = opening.error.isEmpty() ? tr("the port could not be opened") : opening.error;
        say(opening.outcome == PortOpening::Outcome::Gone ? tr("The input %1 is not there any more.").arg(name)
                                                          : tr("Couldn't listen to %1: %2").arg(name, why));
        const QSignalBlocker blocker(ui->inputCombo);
        ui->inputCombo->setCurrentIndex(0);
        return;
    }
    listenerOffset = secondsSinceOpened(input.startedAt());
    say(tr("Listening to %1.").arg(name));
}

void monitordialog::stopListening()
{
    if (input.hasListener()) {
        input.stop();
        drain(); // what came before the stop is still shown
    }
    input.forget();
}

void monitordialog::refreshPorts()
{
    const QStringList names = input.portNames();
    QStringList shown;
    for (int i = 1; i < ui->inputCombo->count(); ++i)
        shown << ui->inputCombo->itemText(i);
    if (names == shown)
        return;
    const QString current = ui->inputCombo->currentIndex() > 0 ? ui->inputCombo->currentText() : QString();
    const QSignalBlocker blocker(ui->inputCombo);
    while (ui->inputCombo->count() > 1)
        ui->inputCombo->removeItem(1);
    ui->inputCombo->addItems(names);
    ui->inputCombo->setCurrentIndex(std::max(0, ui->inputCombo->findText(current)));
}

void monitordialog::checkPort()
{
    if (input.portWentAway()) {
        const QString name = input.port();
        stopListening();
        input.restartMidiSystem();
        refreshPorts();
        const QSignalBlocker blocker(ui->inputCombo);
        ui->inputCombo->setCurrentIndex(0);
        say(tr("The input %1 went away: the interface was unplugged or its MIDI system stopped. "
               "Choose it again once it is back.").arg(name));
        return;
    }
    if (!ui->inputCombo->view()->isVisible())
        refreshPorts();
    memory.followPath();
}

double monitordialog::secondsSinceOpened(std::chrono::steady_clock::time_point at) const
{
    return std::chrono::duration<double>(at - opened).count();
}

void monitordialog::addSent(const QString &port, const QVector<QByteArray> &messages, const QByteArray &image)
{
    const double now = secondsSinceOpened(std::chrono::steady_clock::now());
    const MemorySenders &senders = memory.of(image);
    // One send is one context: a program change follows its own bank select.
    // It is kept apart from what the rig sends, whose pedal runs and bank
    // selects it must not start or break.
    ExplainState batch;
    for (const QByteArray &bytes : messages) {
        MonitorModel::Line line;
        line.message = decode_midi_message(bytes, now, port, MidiDirection::Sent);
        line.explanation = explain_message(line.message, senders, batch);
        sentLines << line;
    }
}

void monitordialog::drain()
{
    if (input.hasListener()) {
        const MonitorInput::Taken taken = input.take();
        listenerDropped += taken.dropped;
        addHeard(taken.heard, input.port(), listenerOffset);
    }
    else if (!sentLines.isEmpty())
        addHeard({}, QString(), 0);
}

void monitordialog::addHeard(const std::vector<HeardBytes> &heard, const QString &port, double offset)
{
    QVector<MonitorModel::Line> lines;
    const bool paused = ui->pauseButton->isChecked();
    const bool showTiming = ui->timingCheckBox->isChecked();
    received += qint64(heard.size());
    for (const HeardBytes &bytes : heard) {
        MonitorModel::Line line;
        line.message = decode_midi_message(bytes.bytes, offset + bytes.time, port);
        // Every message is explained, shown or not, so the running context
        // (bank select, pedal run, dump) stays true.
        line.explanation = explain_message(line.message, memory.onDisk(), state);
        if (!paused && (showTiming || !is_timing_message(line.message)))
            lines << std::move(line);
    }
    if (!sentLines.isEmpty()) {
        // Shown, not received: the count of received is what was heard.
        sent += sentLines.size();
        if (!paused)
            lines << sentLines;
        sentLines.clear();
    }
    if (lines.isEmpty()) {
        if (!heard.empty())
            updateCount();
        return;
    }
    QScrollBar *bar = ui->messageTable->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    model->append(std::move(lines));
    if (following)
        ui->messageTable->scrollToBottom();
    updateCount();
}

void monitordialog::updateCount()
{
    QString text = model->rowCount() == 0 && received == 0 && sent == 0
        ? tr("No messages")
        : tr("%1 shown of %2 received").arg(model->rowCount()).arg(received);
    // What the editor sent is shown too, and counted apart.
    if (sent > 0)
        text += QStringLiteral(", ") + tr("%1 sent by the editor").arg(sent);
    if (model->dropped() > 0)
        text += QStringLiteral(", ") + tr("%1 older lines dropped").arg(model->dropped());
    if (listenerDropped > 0)
        text += QStringLiteral(", ") + tr("%1 messages lost before they could be listed").arg(listenerDropped);
    ui->countLabel->setText(text);
    announce_text_change(ui->countLabel);
}

void monitordialog::say(const QString &text)
{
    ui->statusLabel->setText(text);
    QAccessibleEvent event(ui->statusLabel, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

bool monitordialog::saveLog(const QString &path)
{
    const MonitorLog log = monitor_log(*model);
    QString error;
    if (!write_file(path, log.text, &error)) {
        QMessageBox::warning(this, windowTitle(), tr("The log was not saved to %1: %2").arg(path, error));
        return false;
    }
    if (log.sysex.isEmpty()) {
        say(tr("Saved %1 lines to %2.").arg(model->rowCount()).arg(path));
        return true;
    }
    const QString sysexPath = free_sysex_path(path);
    if (!write_file(sysexPath, log.sysex, &error)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The log was saved, but its SysEx messages were not saved to %1: %2").arg(sysexPath, error));
        return false;
    }
    say(tr("Saved %1 lines to %2 and their SysEx messages to %3.").arg(model->rowCount()).arg(path, sysexPath));
    return true;
}
