// Port selection against the ports a JACK peer offers: lists in port order,
// the chosen position is the port used, Cancel goes on like OK, and no port
// at all gives the warnings.

#include "midi_peer.h"
#include "test_support.h"
#include "stdout_capture.h"
#include "utility_support.h"

#include "store.h"
#include "utilitydialog.h"

#include <QLabel>
#include <QMetaObject>
#include <QPushButton>

#include <memory>
#include <vector>

namespace {

template <typename Midi>
QStringList portsOf(Midi &midi)
{
    QStringList names;
    for (unsigned i = 0; i < midi.getPortCount(); ++i)
        names << QString::fromStdString(midi.getPortName(i));
    return names;
}

void click(utilitydialog &dialog, const char *button)
{
    dialog.findChild<QPushButton *>(button)->click();
}

} // namespace

class TestMidiPorts : public QObject
{
    Q_OBJECT

private slots:
    void outputChosenByPosition_data();
    void outputChosenByPosition();
    void inputChosenByPosition();
    void portsChangedWhileChoosing_data();
    void portsChangedWhileChoosing();
    void receptionRefusesTheOtherTransfers();
    void noPortsWarn();
};

void TestMidiPorts::outputChosenByPosition_data()
{
    QTest::addColumn<int>("choice");
    QTest::newRow("first") << 0;
    QTest::newRow("second") << 1;
    QTest::newRow("third") << 2;
}

void TestMidiPorts::outputChosenByPosition()
{
    QFETCH(int, choice);
    TempHome home;
    prepare_editor_home(home);
    QVERIFY(writeWholeFile(file_paths().configuration, "abc"));
    PeerInput first("vektor-ports-a", "in");
    PeerInput second("vektor-ports-b", "in");
    PeerInput third("vektor-ports-c", "in");
    RtMidiOut lister(RtMidi::UNIX_JACK, "vektor-ports-lister");
    const QStringList systemOrder = portsOf(lister);
    QCOMPARE(systemOrder.size(), 3);

    utilitydialog dialog(nullptr);
    auto ports = answerPortDialog(-1, choice);
    QByteArray trace;
    {
        StdoutCapture capture;
        click(dialog, "pushButton_SendSysEx");
        trace = capture.text();
    }
    QVERIFY(ports->shown);
    QCOMPARE(ports->outputs, systemOrder);
    QVERIFY(trace.contains("Opening port " + QByteArray::number(choice) + "\n"));
    QVERIFY(trace.contains("Using MIDI out: " + systemOrder[choice].toLocal8Bit() + "\n"));

    for (PeerInput *peer : {&first, &second, &third}) {
        if (peer->portName() == systemOrder[choice])
            QTRY_COMPARE(peer->messageCount(), 3);
    }
    for (PeerInput *peer : {&first, &second, &third}) {
        if (peer->portName() != systemOrder[choice])
            QCOMPARE(peer->messageCount(), 0);
    }
}

void TestMidiPorts::inputChosenByPosition()
{
    TempHome home;
    prepare_editor_home(home);
    PeerOutput first("vektor-ports-x", "out");
    PeerOutput second("vektor-ports-y", "out");
    PeerOutput third("vektor-ports-z", "out");
    RtMidiIn lister(RtMidi::UNIX_JACK, "vektor-ports-lister");
    const QStringList systemOrder = portsOf(lister);
    QCOMPARE(systemOrder.size(), 3);

    utilitydialog dialog(nullptr);
    dialog.show();
    // The peer offers no input of its own: the output warning comes first.
    auto noOutputs = std::make_shared<SeenBox>();
    auto ports = std::make_shared<SeenPorts>();
    handleModalsInTurn({acceptMessageBoxStep(noOutputs), answerPortDialogStep(ports, 2, -1)});
    click(dialog, "pushButton_ReceiveDump");
    QVERIFY(noOutputs->shown);
    QCOMPARE(noOutputs->text, QString("There are no MIDI output ports available.\n"));
    QVERIFY(ports->shown);
    QCOMPARE(ports->inputs, systemOrder);
    QCOMPARE(dialog.findChild<QLabel *>("labelInputPortName")->text(), "2 - " + systemOrder[2]);
    for (const char *shown : {"labelInputPortName", "labelReceivedBytes", "pushButtonStopReception"})
        QVERIFY2(dialog.findChild<QWidget *>(shown)->isVisible(), shown);

    // Each peer plays a note of its own; only the chosen port's is recorded.
    for (PeerOutput *peer : {&first, &second, &third}) {
        const unsigned char note = peer->portName() == systemOrder[2] ? 0x40 : 0x41;
        peer->play({{0x90, note, 0x7F}, {0x80, note, 0x00}}, std::chrono::milliseconds(1));
    }
    for (PeerOutput *peer : {&first, &second, &third})
        peer->waitUntilPlayed();
    QTRY_COMPARE(dialog.findChild<QLabel *>("labelReceivedBytes")->text(),
                 QString("<font color='red'>6 bytes received</font>"));
    QTest::qWait(300);
    QCOMPARE(dialog.findChild<QLabel *>("labelReceivedBytes")->text(),
             QString("<font color='red'>6 bytes received</font>"));

    auto nothing = acceptNextMessageBox(); // notes alone are no dump
    click(dialog, "pushButtonStopReception");
    QVERIFY(nothing->shown);
    QCOMPARE(readWholeFile(file_paths().dump), QByteArray::fromHex("90407f804000"));
}

// An interface pulled while the port dialog is open renumbers the ports
// after it: the dump goes to the port chosen by name, or nowhere.
void TestMidiPorts::portsChangedWhileChoosing_data()
{
    QTest::addColumn<bool>("chosenPulled");
    QTest::newRow("a port before the chosen one pulled") << false;
    QTest::newRow("the chosen port pulled") << true;
}

void TestMidiPorts::portsChangedWhileChoosing()
{
    QFETCH(bool, chosenPulled);
    TempHome home;
    prepare_editor_home(home);
    QVERIFY(writeWholeFile(file_paths().configuration, "abc"));
    std::vector<std::unique_ptr<PeerInput>> peers;
    // Port names are UTF-8, as the MIDI systems give them.
    for (const char *client : {"vektor-plug-a", "vektor-plug-\xc3\x9c" "bungsraum", "vektor-plug-c"})
        peers.push_back(std::make_unique<PeerInput>(client, "in"));
    RtMidiOut lister(RtMidi::UNIX_JACK, "vektor-ports-lister");
    const QStringList systemOrder = portsOf(lister);
    QCOMPARE(systemOrder.size(), 3);
    const QString chosen = systemOrder[1];
    const QString pulled = systemOrder[chosenPulled ? 1 : 0];
    PeerInput *chosenPeer = nullptr;
    PeerInput *thirdPeer = nullptr;

    utilitydialog dialog(nullptr);
    dialog.show();
    auto ports = std::make_shared<SeenPorts>();
    auto gone = std::make_shared<SeenBox>();
    std::vector<ModalStep> steps{answerPortDialogStep(ports, -1, 1, QDialog::Accepted, [&] {
        for (auto &peer : peers)
            if (peer && peer->portName() == pulled)
                peer.reset();
        QTRY_COMPARE(portsOf(lister).size(), 2);
    })};
    if (chosenPulled)
        steps.push_back(acceptMessageBoxStep(gone));
    handleModalsInTurn(steps);
    for (auto &peer : peers) {
        if (peer && peer->portName() == chosen)
            chosenPeer = peer.get();
        else if (peer && peer->portName() == systemOrder[2])
            thirdPeer = peer.get();
    }
    QByteArray trace;
    {
        StdoutCapture capture;
        click(dialog, "pushButton_SendSysEx");
        QVERIFY(waitUntilSendEnds(dialog));
        trace = capture.text();
    }
    QVERIFY(ports->shown);
    QVERIFY(thirdPeer);
    if (chosenPulled) {
        QVERIFY(gone->shown);
        QCOMPARE(gone->text, QString("The MIDI output %1 is no longer there (an interface was plugged in or out "
                                     "meanwhile): nothing was sent.\n").arg(chosen));
        QVERIFY(!trace.contains("Opening port"));
        QTest::qWait(300);
    } else {
        QVERIFY(chosenPeer);
        QVERIFY2(trace.contains("Opening port 0\n"), trace.constData());
        QTRY_COMPARE(chosenPeer->messageCount(), 3);
    }
    QCOMPARE(thirdPeer->messageCount(), 0);
}

// A second reception would reset the running one's count and open its port
// again; a send would write the dump file it is about to save.
void TestMidiPorts::receptionRefusesTheOtherTransfers()
{
    TempHome home;
    prepare_editor_home(home);
    PeerOutput controller("vektor-ports-running", "out");
    utilitydialog dialog(nullptr);
    dialog.show();
    auto noOutputs = std::make_shared<SeenBox>();
    auto ports = std::make_shared<SeenPorts>();
    handleModalsInTurn({acceptMessageBoxStep(noOutputs), answerPortDialogStep(ports, 0, -1)});
    click(dialog, "pushButton_ReceiveDump");
    QVERIFY(ports->shown);
    const char *transfers[] = {"pushButton_ReceiveDump", "pushButton_SendSysEx", "pushButton_UpdateFirmware"};
    for (const char *name : transfers) {
        auto *button = dialog.findChild<QPushButton *>(name);
        QVERIFY2(!button->isEnabled(), name);
        QCOMPARE(button->toolTip(), QString("A reception is running: press Stop first."));
    }
    auto refused = acceptNextMessageBox();
    QMetaObject::invokeMethod(&dialog, "on_pushButton_ReceiveDump_clicked");
    QVERIFY(refused->shown);
    QCOMPARE(refused->text, QString("A reception is running: press Stop to end it first."));

    // The running reception goes on recording.
    controller.play({{0x90, 0x40, 0x7F}}, std::chrono::milliseconds(1));
    controller.waitUntilPlayed();
    QTRY_COMPARE(dialog.findChild<QLabel *>("labelReceivedBytes")->text(),
                 QString("<font color='red'>3 bytes received</font>"));
    auto notADump = acceptNextMessageBox();
    click(dialog, "pushButtonStopReception");
    QVERIFY(notADump->shown);
    for (const char *name : transfers)
        QVERIFY2(dialog.findChild<QPushButton *>(name)->isEnabled(), name);
}

void TestMidiPorts::noPortsWarn()
{
    TempHome home;
    prepare_editor_home(home);
    QVERIFY(writeWholeFile(file_paths().configuration, "abc"));
    utilitydialog dialog(nullptr);
    dialog.show();

    auto outputs = std::make_shared<SeenBox>();
    auto sendPorts = std::make_shared<SeenPorts>();
    handleModalsInTurn({acceptMessageBoxStep(outputs), answerPortDialogStep(sendPorts, -1, -1)});
    QByteArray trace;
    {
        StdoutCapture capture;
        click(dialog, "pushButton_SendSysEx");
        trace = capture.text();
    }
    QCOMPARE(outputs->title, QString("MIDI Outputs"));
    QCOMPARE(outputs->text, QString("There are no MIDI output ports available.\n"));
    QVERIFY(sendPorts->shown);
    QVERIFY(sendPorts->outputs.isEmpty());
    QVERIFY(!trace.contains("Opening port"));

    auto receiveOutputs = std::make_shared<SeenBox>();
    auto inputs = std::make_shared<SeenBox>();
    auto receivePorts = std::make_shared<SeenPorts>();
    handleModalsInTurn({acceptMessageBoxStep(receiveOutputs), acceptMessageBoxStep(inputs),
                        answerPortDialogStep(receivePorts, -1, -1)});
    click(dialog, "pushButton_ReceiveDump");
    QCOMPARE(receiveOutputs->title, QString("MIDI Outputs"));
    QCOMPARE(receiveOutputs->text, QString("There are no MIDI output ports available.\n"));
    QCOMPARE(inputs->title, QString("MIDI Inputs"));
    QCOMPARE(inputs->text, QString("There are no MIDI input ports available.\n"));
    QVERIFY(receivePorts->shown);
    // Shown all the same, with nothing recording.
    QVERIFY(dialog.findChild<QWidget *>("pushButtonStopReception")->isVisible());
    QCOMPARE(dialog.findChild<QLabel *>("labelInputPortName")->text(), QString());

    // Nothing recorded replaces neither the last recording nor the memory.
    const QByteArray before = readWholeFile(file_paths().configuration);
    QVERIFY(writeWholeFile(file_paths().dump, "the last recording"));
    auto empty = acceptNextMessageBox();
    click(dialog, "pushButtonStopReception");
    QCOMPARE(empty->title, QString("Receive Dump"));
    QCOMPARE(empty->text, QString("Nothing was received: %1 was left unchanged.").arg(file_paths().configuration));
    QCOMPARE(readWholeFile(file_paths().configuration), before);
    QCOMPARE(readWholeFile(file_paths().dump), QByteArray("the last recording"));
    QVERIFY(!dialog.findChild<QWidget *>("pushButtonStopReception")->isVisible());
}

VEKTOR_TEST_MAIN(TestMidiPorts)
#include "test_midi_ports.moc"
