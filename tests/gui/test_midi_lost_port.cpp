// A MIDI interface pulled out in the middle of a transfer, or a sound server
// that ends: the send stops before its next message and says how far it got,
// a reception says that its input has gone, and the window lives on.

#include "midi_peer.h"
#include "private_jack_server.h"
#include "test_support.h"
#include "utility_support.h"

#include "store.h"
#include "utilitydialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include <memory>

namespace {

// A header, twenty data packets and the end of file: about four seconds.
constexpr int kMessages = 22;

void click(utilitydialog &dialog, const char *button)
{
    dialog.findChild<QPushButton *>(button)->click();
}

} // namespace

class TestMidiLostPort : public QObject
{
    Q_OBJECT

private slots:
    void sendStopsWhenTheOutputGoes_data();
    void sendStopsWhenTheOutputGoes();
    void receptionSaysTheInputIsGone_data();
    void receptionSaysTheInputIsGone();
};

void TestMidiLostPort::sendStopsWhenTheOutputGoes_data()
{
    QTest::addColumn<bool>("serverEnds");
    QTest::newRow("the interface is pulled") << false;
    QTest::newRow("the sound server ends") << true;
}

void TestMidiLostPort::sendStopsWhenTheOutputGoes()
{
    QFETCH(bool, serverEnds);
    std::unique_ptr<PrivateJackServer> server(serverEnds ? new PrivateJackServer : nullptr);
    QVERIFY(!server || server->running());
    TempHome home;
    prepare_editor_home(home);
    const FilePaths &paths = file_paths();
    QVERIFY(writeWholeFile(paths.configuration, randomBytes(20 * 112, 9)));
    const QByteArray configuration = readWholeFile(paths.configuration);
    auto peer = std::make_unique<PeerInput>("vektor-lost-peer", "in");
    const QString portName = peer->portName();
    auto dialog = std::make_unique<utilitydialog>(nullptr);
    dialog->show();

    auto ports = answerPortDialog(-1, 0);
    click(*dialog, "pushButton_SendSysEx");
    QVERIFY(ports->shown);
    const QByteArray dump = readWholeFile(paths.dump);
    QTRY_VERIFY_WITH_TIMEOUT(peer->messageCount() >= 3, 10000);

    SeenBox warning;
    int arrived = 0;
    {
        MessageBoxWatch boxes;
        arrived = peer->messageCount();
        if (serverEnds)
            server->stop();
        // Gone with its server, or pulled out. (A client of a dead server is
        // closed before the process opens another: libjack crashes otherwise.)
        peer.reset();
        QVERIFY(waitUntilSendEnds(*dialog, 10000));
        QTRY_COMPARE(boxes.boxes.size(), 1);
        warning = boxes.boxes[0];
    }

    // Noticed before the next message: at most the one under way went out.
    QCOMPARE(warning.title, QString("Send SysEx"));
    const QRegularExpressionMatch match =
        QRegularExpression("^The MIDI output (.+) went away after (\\d+) of (\\d+) messages\\.").match(warning.text);
    QVERIFY2(match.hasMatch(), qPrintable(warning.text));
    QCOMPARE(match.captured(1), portName);
    QVERIFY2(match.captured(2).toInt() >= arrived && match.captured(2).toInt() <= arrived + 1,
             qPrintable(QString("%1 sent, %2 had arrived").arg(match.captured(2)).arg(arrived)));
    QCOMPARE(match.captured(3).toInt(), kMessages);
    QVERIFY(warning.text.contains("only part of the dump"));
    QVERIFY(!dialog->findChild<QWidget *>("progressBar_SysEx")->isVisible());
    QCOMPARE(readWholeFile(paths.configuration), configuration);
    QCOMPARE(readWholeFile(paths.dump), dump);

    // The window stays usable: a new send lists the ports as they are now.
    auto again = std::make_shared<SeenPorts>();
    auto none = std::make_shared<SeenBox>();
    std::unique_ptr<PeerInput> other(serverEnds ? nullptr : new PeerInput("vektor-lost-other", "in"));
    if (serverEnds)
        handleModalsInTurn({acceptMessageBoxStep(none), answerPortDialogStep(again, -1, -1, QDialog::Rejected)});
    else
        handleModalsInTurn({answerPortDialogStep(again, -1, -1, QDialog::Rejected)});
    click(*dialog, "pushButton_SendSysEx");
    QVERIFY(again->shown);
    if (serverEnds) {
        QCOMPARE(none->text, QString("There are no MIDI output ports available.\n"));
        QCOMPARE(again->outputs, QStringList());
    } else {
        QCOMPARE(again->outputs, QStringList{other->portName()});
    }

    // Closing the window afterwards lets go of the MIDI system: no crash, no hang.
    dialog.reset();
}

void TestMidiLostPort::receptionSaysTheInputIsGone_data()
{
    QTest::addColumn<bool>("serverEnds");
    QTest::newRow("the interface is pulled") << false;
    QTest::newRow("the sound server ends") << true;
}

void TestMidiLostPort::receptionSaysTheInputIsGone()
{
    QFETCH(bool, serverEnds);
    std::unique_ptr<PrivateJackServer> server(serverEnds ? new PrivateJackServer : nullptr);
    QVERIFY(!server || server->running());
    TempHome home;
    prepare_editor_home(home);
    const QByteArray configuration = readWholeFile(file_paths().configuration);
    auto player = std::make_unique<PeerOutput>("vektor-lost-player", "out");
    auto dialog = std::make_unique<utilitydialog>(nullptr);
    dialog->show();

    // The player offers no input of its own: the output warning comes first.
    auto noOutputs = std::make_shared<SeenBox>();
    auto ports = std::make_shared<SeenPorts>();
    handleModalsInTurn({acceptMessageBoxStep(noOutputs), answerPortDialogStep(ports, 0, -1)});
    click(*dialog, "pushButton_ReceiveDump");
    QVERIFY(ports->shown);
    QVERIFY(player->waitUntilConnected());
    // The first packets of a dump, then the cable goes.
    player->play({{0xF0, 0x7E, 0x00, 0x07, 0x02, 0x00, 0x03, 0x00, 0x61, 0x62, 0x63, 0x18, 0xF7}},
                 std::chrono::milliseconds(1));
    player->waitUntilPlayed();
    auto *packets = dialog->findChild<QLabel *>("labelReceivedPackets");
    QTRY_VERIFY(packets->text().startsWith("Dump packets: 1"));
    if (serverEnds)
        server->stop();
    player.reset();
    QTRY_VERIFY2(packets->text().contains("has gone away"), qPrintable(packets->text()));

    // Stop goes on as ever: the recording is no whole memory, so it asks.
    MessageBoxWatch boxes(QMessageBox::No);
    click(*dialog, "pushButtonStopReception");
    QTRY_COMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].title, QString("Receive Dump"));
    QVERIFY2(boxes.boxes[0].text.contains("does not look like a sound Vektor memory dump"),
             qPrintable(boxes.boxes[0].text));
    QCOMPARE(readWholeFile(file_paths().configuration), configuration);
    dialog.reset();
}

VEKTOR_TEST_MAIN(TestMidiLostPort)
#include "test_midi_lost_port.moc"
