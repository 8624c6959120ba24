// A whole configuration to the controller and back: Send SysEx plays the full
// dump to a JACK peer at the controller's pace, the peer plays it back into
// Receive Dump, and Stop rebuilds the configuration file byte for byte.

#include "midi_peer.h"
#include "test_support.h"
#include "utility_support.h"

#include "default_image.h"
#include "dump_codec.h"
#include "fields.h"
#include "image_layout.h"
#include "reception_buffer.h"
#include "configuration_saves.h"
#include "store.h"
#include "utilitydialog.h"

#include <QPushButton>

class TestMidiRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void fullImageThereAndBack();
};

void TestMidiRoundTrip::fullImageThereAndBack()
{
    TempHome home;
    prepare_editor_home(home);
    const FilePaths &paths = file_paths();
    QByteArray image(layout::kImageSize, 0);
    auto *bytes = reinterpret_cast<unsigned char *>(image.data());
    fill_default_image(bytes);
    write_name(bytes + layout::presetOffset(0), "Round Trip");
    for (int i = 0; i < layout::kImageSize; i += 97)
        image[i] = char(i);
    QVERIFY(writeWholeFile(paths.configuration, image));

    PeerInput controllerIn("vektor-trip-controller", "in");
    PeerOutput controllerOut("vektor-trip-controller-out", "out");
    utilitydialog dialog(nullptr);
    dialog.show();

    auto sendPorts = answerPortDialog(-1, 0);
    dialog.findChild<QPushButton *>("pushButton_SendSysEx")->click();
    QVERIFY(sendPorts->shown);
    QVERIFY(waitUntilSendEnds(dialog, 300000));
    QCOMPARE(sendPorts->outputs, QStringList{controllerIn.portName()});

    const QByteArray dump = readWholeFile(paths.dump);
    QCOMPARE(dump.size(), 114672);
    QTRY_COMPARE_WITH_TIMEOUT(controllerIn.messageCount(), 839, 10000);
    QCOMPARE(controllerIn.bytes(), dump);
    const std::vector<PeerMessage> arrived = controllerIn.messages();
    const QString fault = pacingFault(arrived, 180);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    // The controller sends its memory back; the file meanwhile holds another image.
    QVERIFY(init_default_image());
    auto receivePorts = answerPortDialog(0, -1);
    dialog.findChild<QPushButton *>("pushButton_ReceiveDump")->click();
    QVERIFY(receivePorts->shown);
    QCOMPARE(receivePorts->inputs, QStringList{controllerOut.portName()});

    std::vector<std::vector<unsigned char>> recorded;
    for (const PeerMessage &m : arrived)
        recorded.push_back(m.bytes);
    QVERIFY(controllerOut.waitUntilConnected());
    // Still over ten times a MIDI cable's pace, with room for a busy machine:
    // at 1 ms the dummy JACK server now and then skips a period and drops
    // events (the benchmark measures that pace on its own).
    controllerOut.play(recorded, std::chrono::milliseconds(3));
    controllerOut.waitUntilPlayed();
    QTRY_COMPARE_WITH_TIMEOUT(received_byte_count(), 114672, 10000);
    dialog.findChild<QPushButton *>("pushButtonStopReception")->click();
    QCOMPARE(readWholeFile(paths.dump), dump);
    QCOMPARE(readWholeFile(paths.configuration), image);
}

VEKTOR_TEST_MAIN(TestMidiRoundTrip)
#include "test_midi_roundtrip.moc"
