#pragma once

#include "reception_packets.h"
#include "sysex_sender.h"
#include "save_operation.h"

#include <QDialog>

#include <cstdint>
#include <memory>

class QAbstractItemModel;
class PortWatch;
class QTimer;
class RtMidiIn;
class RtMidiOut;
class midiportsdialog;

namespace Ui {
class utilitydialog;
}

// Whole-memory operations (factory reset, preset copy, imports) and the MIDI
// transfers: sending a dump or a firmware image, and recording a dump.
class utilitydialog : public QDialog
{
    Q_OBJECT

public:
    explicit utilitydialog(QWidget *parent = nullptr);
    ~utilitydialog() override;

    // Closing the dialog while a send runs cancels the send.
    void done(int result) override;

private slots:
    void on_copyPresetPushButton_clicked();
    void on_factoryResetPushButton_clicked();
    void on_pushButton_CopyBinaryToSysEx_clicked();
    void on_pushButton_CopySysExToBinary_clicked();
    void on_pushButton_SendSysEx_clicked();
    void on_pushButton_ReceiveDump_clicked();
    void on_pushButtonStopReception_clicked();
    void update();
    void on_pushButton_UpdateFirmware_clicked();
    void on_pushButton_Convert_clicked();
    void on_pushButton_CancelSend_clicked();

private:
    void fillPresetLists(const unsigned char *image);
    void showPresetsOfFile();
    bool midiAvailable();
    void warn(const QString &title, const QString &text);
    // Lists the ports of one direction in `ports`; false when there are none.
    bool listOutputPorts(midiportsdialog &ports);
    bool listInputPorts(midiportsdialog &ports);
    // Opens the input chosen as `name` (at `chosen`) and records from it.
    void startReception(unsigned chosen, const QString &name);
    bool receptionRunning() const;
    void setReceptionShown(bool shown);
    void encodeAndSend(const QString &sourcePath, const QString &dumpPath, const QString &title);
    void playDumpFile(const QString &path);
    void sendFinished(SysexSender::Outcome outcome);
    static QString sendTitle(const QString &path);
    void reportLostOutput(const QString &path, int sent, int total);
    void renewMidiSystemWhenIdle();
    bool reportDecodeFailure(int result, const QString &title, const QString &dumpPath);
    void warnNotReplaced(const QString &title);
    bool replaceConfigurationWithDump(const QString &dumpPath, const QString &title, SaveOperation operation);
    void reportCancelledSend(const QString &path, int sent, int total);

    Ui::utilitydialog *ui;
    QAbstractItemModel *presetList = nullptr; // shown by both preset lists
    std::uint8_t inputPortIndex = 255;
    std::uint8_t outputPortIndex = 255;
    std::unique_ptr<RtMidiOut> midiOut;
    std::unique_ptr<RtMidiIn> midiIn;
    QTimer *receptionTimer = nullptr;
    // Declared after the MIDI objects: a send ends before its output goes.
    std::unique_ptr<SysexSender> sender; // while a send runs
    QString sendingPath;
    QString sendingPort;
    int closeWhenSent = -1; // the result of a close asked for during a send
    ReceptionPacketTally packetTally;
    std::unique_ptr<PortWatch> receptionWatch; // while a reception runs
};
