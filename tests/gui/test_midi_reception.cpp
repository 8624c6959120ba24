// Receive Dump from a JACK peer that plays the controller: only dump packets
// reach the configuration file, Stop keeps what has arrived, an over-long
// recording is cut safely, and an empty one changes nothing.

#include "midi_peer.h"
#include "test_support.h"
#include "utility_support.h"

#include "default_image.h"
#include "dump_codec.h"
#include "fields.h"
#include "image_layout.h"
#include "reception_buffer.h"
#include "store.h"
#include "utilitydialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

using Messages = std::vector<std::vector<unsigned char>>;

// The peer plays a packet every 3 ms, over ten times faster than a MIDI
// cable carries one, yet slow enough that a busy test machine does not make
// the JACK server skip periods and drop events. Under ThreadSanitizer the
// whole process runs many times slower, so that build asks for more.
std::chrono::milliseconds peerPause()
{
    const int ms = qEnvironmentVariableIntValue("VEKTOR_PEER_PAUSE_MS");
    return std::chrono::milliseconds(ms > 0 ? ms : 3);
}

struct DumpOfImage {
    QByteArray image;
    QByteArray dump;
    Messages messages;
};

// A default image with a renamed preset, and its dump.
DumpOfImage makeDump(const TempHome &home)
{
    DumpOfImage d;
    d.image = QByteArray(layout::kImageSize, 0);
    auto *bytes = reinterpret_cast<unsigned char *>(d.image.data());
    fill_default_image(bytes);
    write_name(bytes + layout::presetOffset(4), "Received");
    for (int i = 0; i < 500; ++i)
        d.image[layout::presetOffset(100) + i] = char(i * 31);
    const QString source = home.path() + "/memory.bin";
    writeWholeFile(source, d.image);
    binary_to_sysex(source, home.path() + "/memory.syx");
    d.dump = readWholeFile(home.path() + "/memory.syx");
    d.messages = split_sysex_messages(d.dump);
    return d;
}

int byteCount(const Messages &messages)
{
    int n = 0;
    for (const auto &m : messages)
        n += int(m.size());
    return n;
}

class Reception
{
public:
    explicit Reception(PeerOutput &peer)
        : dialog(nullptr)
    {
        dialog.show();
        auto noOutputs = std::make_shared<SeenBox>();
        auto ports = std::make_shared<SeenPorts>();
        handleModalsInTurn({acceptMessageBoxStep(noOutputs), answerPortDialogStep(ports, 0, -1)});
        dialog.findChild<QPushButton *>("pushButton_ReceiveDump")->click();
        started = ports->shown && ports->inputs == QStringList{peer.portName()} && peer.waitUntilConnected();
    }
    // Presses Stop and returns the warning it gave, if any. When Stop asks
    // whether to write a doubtful dump, `answer` is pressed on that last box.
    std::shared_ptr<SeenBox> stop(int expectedBoxes, QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        auto last = std::make_shared<SeenBox>();
        std::vector<ModalStep> steps;
        for (int i = 0; i < expectedBoxes; ++i)
            steps.push_back(i + 1 == expectedBoxes ? answerMessageBoxStep(last, answer)
                                                   : acceptMessageBoxStep(std::make_shared<SeenBox>()));
        handleModalsInTurn(steps, 3000);
        dialog.findChild<QPushButton *>("pushButtonStopReception")->click();
        return last;
    }

    utilitydialog dialog;
    bool started = false;
};

} // namespace

class TestMidiReception : public QObject
{
    Q_OBJECT

private slots:
    void channelMessagesDoNotReachImage();
    void stopBeforeTheEndKeepsReceivedPackets_data();
    void stopBeforeTheEndKeepsReceivedPackets();
    void overlongRecordingIsCut();
    void emptyRecordingChangesNothing();
};

void TestMidiReception::channelMessagesDoNotReachImage()
{
    TempHome home;
    prepare_editor_home(home);
    const DumpOfImage d = makeDump(home);
    Messages played;
    for (size_t i = 0; i < d.messages.size(); ++i) {
        played.push_back(d.messages[i]);
        if (i % 50 == 0) {
            played.push_back({0x90, 0x40, 0x7F});
            played.push_back({0xB0, 0x07, 0x64});
            played.push_back({0xC0, 0x05});
        }
    }
    PeerOutput peer("vektor-reception-peer", "out");
    Reception reception(peer);
    QVERIFY(reception.started);
    peer.play(played, peerPause());
    peer.waitUntilPlayed();
    QTRY_COMPARE_WITH_TIMEOUT(received_byte_count(), byteCount(played), 10000);
    QTRY_COMPARE(reception.dialog.findChild<QLabel *>("labelReceivedBytes")->text(),
                 QString("<font color='red'>%1 bytes received</font>").arg(byteCount(played)));

    reception.stop(0);
    QCOMPARE(readWholeFile(file_paths().configuration), d.image);
    QCOMPARE(received_byte_count(), 0);
    QCOMPARE(reception.dialog.findChild<QComboBox *>("presetToComboBox")->itemText(4), QString("005 - Received"));
    QVERIFY(!reception.dialog.findChild<QWidget *>("labelReceivedBytes")->isVisible());
}

void TestMidiReception::stopBeforeTheEndKeepsReceivedPackets_data()
{
    QTest::addColumn<bool>("writeAnyway");
    QTest::newRow("written when the user says so") << true;
    QTest::newRow("kept when the user declines") << false;
}

// A recording stopped early is not a whole memory: the user is told what is
// wrong and decides; Yes writes the packets received, No keeps the file.
void TestMidiReception::stopBeforeTheEndKeepsReceivedPackets()
{
    QFETCH(bool, writeAnyway);
    TempHome home;
    prepare_editor_home(home);
    const QByteArray before = readWholeFile(file_paths().configuration);
    const DumpOfImage d = makeDump(home);
    const Messages firstPart(d.messages.begin(), d.messages.begin() + 1 + 100); // header and 100 packets
    PeerOutput peer("vektor-early-peer", "out");
    Reception reception(peer);
    QVERIFY(reception.started);
    peer.play(firstPart, peerPause());
    peer.waitUntilPlayed();
    QTRY_COMPARE(received_byte_count(), byteCount(firstPart));

    auto asked = reception.stop(1, writeAnyway ? QMessageBox::Yes : QMessageBox::No);
    QVERIFY(asked->shown);
    QVERIFY2(asked->text.contains("The header announces 93719 bytes, the packets hold 11200."), qPrintable(asked->text));
    if (writeAnyway) {
        QCOMPARE(readWholeFile(file_paths().configuration), d.image.left(100 * 112));
        QCOMPARE(readWholeFile(file_paths().configuration + ".bak"), before);
    } else {
        QCOMPARE(readWholeFile(file_paths().configuration), before);
    }
}

void TestMidiReception::overlongRecordingIsCut()
{
    TempHome home;
    prepare_editor_home(home);
    const DumpOfImage d = makeDump(home);
    Messages threeDumps;
    for (int i = 0; i < 3; ++i)
        threeDumps.insert(threeDumps.end(), d.messages.begin(), d.messages.end());
    const int sent = byteCount(threeDumps);
    QVERIFY(sent > reception::kCapacity);

    PeerOutput peer("vektor-long-peer", "out");
    Reception reception(peer);
    QVERIFY(reception.started);
    peer.play(threeDumps, peerPause());
    peer.waitUntilPlayed();
    QTRY_COMPARE_WITH_TIMEOUT(received_byte_count() + dropped_byte_count(), sent, 10000);
    QCOMPARE(received_byte_count(), reception::kCapacity);

    auto cut = std::make_shared<SeenBox>();
    auto asked = std::make_shared<SeenBox>();
    handleModalsInTurn({acceptMessageBoxStep(cut), answerMessageBoxStep(asked, QMessageBox::Yes)}, 3000);
    reception.dialog.findChild<QPushButton *>("pushButtonStopReception")->click();
    QCOMPARE(cut->title, QString("Receive Dump"));
    QCOMPARE(cut->text, QString("The recording was cut: it filled all 262144 bytes of the reception buffer, "
                                "and the %1 bytes that came after were dropped.")
                            .arg(sent - reception::kCapacity));
    QVERIFY(asked->text.contains("arrived twice") || asked->text.contains("missing"));
    const QByteArray recorded = readWholeFile(file_paths().dump);
    QCOMPARE(recorded.size(), reception::kCapacity);
    QCOMPARE(recorded, (d.dump + d.dump + d.dump).left(reception::kCapacity));
    // The whole first dump came in: its image leads the decoded file.
    QCOMPARE(readWholeFile(file_paths().configuration).left(layout::kImageSize), d.image);
}

void TestMidiReception::emptyRecordingChangesNothing()
{
    TempHome home;
    prepare_editor_home(home);
    const QByteArray before = readWholeFile(file_paths().configuration);
    PeerOutput peer("vektor-silent-peer", "out");
    Reception reception(peer);
    QVERIFY(reception.started);
    QTest::qWait(300);
    auto box = reception.stop(1);
    QCOMPARE(box->text, QString("Nothing was received: %1 was left unchanged.").arg(file_paths().configuration));
    QCOMPARE(readWholeFile(file_paths().configuration), before);
}

VEKTOR_TEST_MAIN(TestMidiReception)
#include "test_midi_reception.moc"
