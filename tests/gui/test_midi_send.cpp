// Send SysEx and Update Firmware through a real JACK port to a peer that
// records what arrives: whole messages only, paced, with progress and trace.

#include "midi_peer.h"
#include "test_support.h"
#include "stdout_capture.h"
#include "utility_support.h"

#include "store.h"
#include "sysex_sender.h"
#include "utilitydialog.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QPushButton>
#include <QTimer>

namespace {

// The positions of the F7 bytes of `dump` in percent of its length, then 100.
QList<int> progressAtEachF7(const QByteArray &dump)
{
    QList<int> values;
    for (int i = 0; i < dump.size(); ++i) {
        if (quint8(dump[i]) == 0xF7)
            values << int(qint64(i) * 100 / dump.size());
    }
    values << 100;
    return values;
}

void click(utilitydialog &dialog, const char *button)
{
    dialog.findChild<QPushButton *>(button)->click();
}

} // namespace

class TestMidiSend : public QObject
{
    Q_OBJECT

private slots:
    void sendsWholeMessagesPaced();
    void strayBytesAreNotSent();
    void secondSendFindsPortInUse();
    void updateFirmwareSendsFirmwareDump();
    void cancelInPortDialogCancels_data();
    void cancelInPortDialogCancels();
};

void TestMidiSend::sendsWholeMessagesPaced()
{
    TempHome home;
    prepare_editor_home(home);
    const FilePaths &paths = file_paths();
    QVERIFY(writeWholeFile(paths.configuration, "abc")); // header, one packet, end of file
    PeerInput peer("vektor-send-peer", "in");

    utilitydialog dialog(nullptr);
    dialog.show();
    auto *progress = dialog.findChild<QProgressBar *>("progressBar_SysEx");
    QList<int> progressValues;
    bool visibleWhileSending = true;
    connect(progress, &QProgressBar::valueChanged, [&](int value) {
        progressValues << value;
        visibleWhileSending = visibleWhileSending && progress->isVisible();
    });

    PeerClock::time_point portChosen;
    auto ports = std::make_shared<SeenPorts>();
    const ModalStep answer = answerPortDialogStep(ports, -1, 0);
    handleModalsInTurn({[&](QWidget *w) {
        answer(w);
        portChosen = PeerClock::now();
    }});
    // The window keeps running through the pauses: a 10 ms timer ticks on.
    QTimer heartbeat;
    int beats = 0;
    connect(&heartbeat, &QTimer::timeout, [&] { ++beats; });
    heartbeat.start(10);
    QByteArray trace;
    {
        StdoutCapture capture;
        click(dialog, "pushButton_SendSysEx");
        QVERIFY(waitUntilSendEnds(dialog));
        trace = capture.text();
    }
    heartbeat.stop();
    QVERIFY(ports->shown);
    QCOMPARE(ports->outputs, QStringList{peer.portName()});
    QVERIFY2(beats >= 20, qPrintable(QString("%1 ticks in four pauses").arg(beats)));

    const QByteArray dump = readWholeFile(paths.dump);
    QCOMPARE(dump.size(), 44);
    const auto expected = split_sysex_messages(dump);
    QCOMPARE(int(expected.size()), 3);
    QTRY_COMPARE(peer.messageCount(), 3);
    QVERIFY(received(peer) == expected);

    // The controller gets at least the pause before every message.
    const auto arrivals = peer.messages();
    QVERIFY(millisecondsBetween(portChosen, arrivals[0].arrival) >= 180 - kArrivalSlackMs);
    const QString fault = pacingFault(arrivals, 180);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    QCOMPARE(progressValues, progressAtEachF7(dump));
    QVERIFY(visibleWhileSending);
    QVERIFY(!progress->isVisible());

    QByteArray lines = "Sending file: " + paths.dump.toLocal8Bit() + "\nOpening port 0\nSysEx size 44\n"
                       "Using MIDI out: " + peer.portName().toLocal8Bit() + "\n";
    for (const auto &message : expected)
        lines += hexTrace(message);
    QVERIFY2(trace.endsWith(lines), trace.constData());
}

void TestMidiSend::strayBytesAreNotSent()
{
    PeerInput peer("vektor-stray-peer", "in");
    RtMidiOut out(RtMidi::UNIX_JACK, "vektor-stray-sender");
    QCOMPARE(out.getPortCount(), 1u);
    out.openPort(0, "out");
    const QByteArray dump = QByteArray::fromHex("1122" "f00102f7" "3344" "f0aa" "f00304f7" "55f7" "f006");
    SysexSender sender(out);
    QList<int> values;
    connect(&sender, &SysexSender::waiting, [&](int, int, int percent, qint64) { values << percent; });
    QSignalSpy finished(&sender, &SysexSender::finished);
    sender.start(dump, QString::fromStdString(out.getPortName(0)));
    QVERIFY(finished.wait(5000));
    out.closePort();
    QCOMPARE(finished.at(0).at(0).value<SysexSender::Outcome>(), SysexSender::Outcome::Completed);
    QCOMPARE(sender.sent(), 2);
    QTRY_COMPARE(peer.messageCount(), 2);
    const std::vector<std::vector<unsigned char>> expected = {{0xF0, 0x01, 0x02, 0xF7}, {0xF0, 0x03, 0x04, 0xF7}};
    QVERIFY(received(peer) == expected);
    QCOMPARE(values, (QList<int>{int(5 * 100 / dump.size()), int(13 * 100 / dump.size())}));
}

void TestMidiSend::secondSendFindsPortInUse()
{
    TempHome home;
    prepare_editor_home(home);
    QVERIFY(writeWholeFile(file_paths().configuration, "abc"));
    PeerInput peer("vektor-busy-peer", "in");
    utilitydialog dialog(nullptr);

    // While the first send pauses, the user presses Send SysEx again.
    auto secondPorts = std::make_shared<SeenPorts>();
    auto inUse = std::make_shared<SeenBox>();
    auto firstPorts = std::make_shared<SeenPorts>();
    const ModalStep answerFirst = answerPortDialogStep(firstPorts, -1, 0);
    handleModalsInTurn({[&](QWidget *w) {
        answerFirst(w);
        QTimer::singleShot(50, [&] {
            handleModalsInTurn({answerPortDialogStep(secondPorts, -1, 0), acceptMessageBoxStep(inUse)});
            click(dialog, "pushButton_SendSysEx");
        });
    }});
    click(dialog, "pushButton_SendSysEx");
    QTRY_VERIFY(inUse->shown);

    QVERIFY(secondPorts->shown);
    QCOMPARE(inUse->title, QString("MIDI Outputs"));
    QCOMPARE(inUse->text, QString("Output port is in use.\n"));
    QTRY_COMPARE(peer.messageCount(), 3);
    QTest::qWait(400); // nothing more arrives
    QCOMPARE(peer.messageCount(), 3);
}

void TestMidiSend::updateFirmwareSendsFirmwareDump()
{
    TempHome home;
    prepare_editor_home(home);
    const FilePaths &paths = file_paths();
    QByteArray firmware;
    for (int i = 0; i < 300; ++i)
        firmware += char(i * 13);
    QVERIFY(writeWholeFile(paths.firmwareBinary, firmware));
    PeerInput peer("vektor-firmware-peer", "in");
    utilitydialog dialog(nullptr);

    auto ports = answerPortDialog(-1, 0);
    click(dialog, "pushButton_UpdateFirmware");
    QVERIFY(ports->shown);
    const QByteArray dump = readWholeFile(paths.firmwareSysex);
    QVERIFY(dump.contains("update.bin"));
    QCOMPARE(dump.mid(6, 4), QByteArray("bin "));
    QTRY_COMPARE(peer.messageCount(), 5); // header, three packets, end of file
    QVERIFY(received(peer) == split_sysex_messages(dump));
    QCOMPARE(peer.bytes(), dump);
}

// Cancel in the port dialog ends a transfer before any port opens: nothing
// reaches the peer, nothing is recorded, and every file stays as it was.
void TestMidiSend::cancelInPortDialogCancels_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Send SysEx") << "pushButton_SendSysEx";
    QTest::newRow("Update Firmware") << "pushButton_UpdateFirmware";
    QTest::newRow("Receive Dump") << "pushButton_ReceiveDump";
}

void TestMidiSend::cancelInPortDialogCancels()
{
    QFETCH(QString, button);
    TempHome home;
    prepare_editor_home(home);
    const FilePaths &paths = file_paths();
    QVERIFY(writeWholeFile(paths.firmwareBinary, "firmware"));
    const QStringList files = {paths.configuration, paths.dump, paths.firmwareSysex, paths.firmwareBinary};
    QList<QByteArray> before;
    for (const QString &file : files)
        before << readWholeFile(file);
    PeerInput listener("vektor-cancel-listener", "in");
    PeerOutput player("vektor-cancel-player", "out"); // an input to offer for Receive Dump
    utilitydialog dialog(nullptr);
    dialog.show();

    auto ports = answerPortDialog(0, 0, QDialog::Rejected);
    QByteArray trace;
    {
        StdoutCapture capture;
        click(dialog, button.toLatin1().constData());
        trace = capture.text();
    }
    QVERIFY(ports->shown);
    QVERIFY(!trace.contains("Opening port"));
    QVERIFY(!dialog.findChild<QWidget *>("pushButtonStopReception")->isVisible());
    QVERIFY(!dialog.findChild<QWidget *>("progressBar_SysEx")->isVisible());
    QTest::qWait(300);
    QCOMPARE(listener.messageCount(), 0);
    for (int i = 0; i < files.size(); ++i)
        QCOMPARE(readWholeFile(files[i]), before[i]);
}

VEKTOR_TEST_MAIN(TestMidiSend)
#include "test_midi_send.moc"
