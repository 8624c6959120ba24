#pragma once

#include "midi_explainer.h"
#include "midi_listener.h"
#include "monitor_input.h"
#include "monitor_memory.h"
#include "monitor_model.h"

#include <QDialog>
#include <QTimer>

#include <chrono>
#include <vector>

namespace Ui {
class monitordialog;
}

// The MIDI Monitor: what arrives at one input, each message explained by the
// memory file as it is on disk, and what the editor itself sends, by the
// memory it was sent from. Not modal, and a window of its own: it listens
// and answers while the other windows are open. The MIDI system's thread only
// appends to the listener's buffer; a 60 Hz timer moves what arrived into
// the table in one insertion.
class monitordialog : public QDialog
{
    Q_OBJECT

public:
    explicit monitordialog(QWidget *parent = nullptr);
    ~monitordialog() override;

    // What the main window's "MIDI Monitor" does: shows the one monitor of
    // the run, making it when there is none.
    static monitordialog *showMonitor(QWidget *parent);

    MonitorModel *messageModel() const { return model; }
    // Listens to the input port called `portName`, as choosing it does;
    // false when no input has that name.
    bool listenTo(const QString &portName);
    // Writes the lines as text to `path`, and their SysEx messages to the
    // .syx file beside it, under a fresh name when that file is there
    // already or is one of the editor's own; false (and said) when a write
    // failed.
    bool saveLog(const QString &path);
    qint64 receivedCount() const { return received; }
    // Lists messages heard on `port`, `offset` seconds after the opening
    // plus each one's own time, as the timer does with what the listener took.
    void addHeard(const std::vector<HeardBytes> &heard, const QString &port, double offset);
    // The moment the times of the lines count from.
    std::chrono::steady_clock::time_point clockStart() const { return opened; }

private:
    void setUpTable();
    void chooseInput(int index);
    void stopListening();
    void refreshPorts();
    void checkPort();
    void drain();
    void addSent(const QString &port, const QVector<QByteArray> &messages, const QByteArray &image);
    void updateCount();
    void say(const QString &text);
    double secondsSinceOpened(std::chrono::steady_clock::time_point at) const;

    Ui::monitordialog *ui;
    MonitorModel *model;
    MonitorInput input;
    double listenerOffset = 0; // seconds from the opening to the listener's start

    MonitorMemory memory;
    ExplainState state;

    QTimer drainTimer;
    QTimer portTimer;
    std::chrono::steady_clock::time_point opened;
    QVector<MonitorModel::Line> sentLines;
    qint64 received = 0;
    qint64 sent = 0; // lines the editor sent, shown beside what was heard
    qint64 listenerDropped = 0; // lost while this window did not take them
};
