// Receive Dump counts the dump packets as they arrive and tells whether
// their checksums hold, beside the byte count.

#include "midi_peer.h"
#include "test_support.h"
#include "utility_support.h"

#include "dump_codec.h"
#include "reception_packets.h"
#include "store.h"
#include "utilitydialog.h"

#include <QLabel>
#include <QPushButton>

namespace {

using Messages = std::vector<std::vector<unsigned char>>;

// Unhurried, so a busy server loses no message: the counts must be exact.
constexpr std::chrono::milliseconds kPlayPause(10);

// Header, ten data packets, end of file.
Messages tenPacketDump(const TempHome &home)
{
    QByteArray source;
    for (int i = 0; i < 10 * 112; ++i)
        source += char(i * 11);
    writeWholeFile(home.path() + "/source.bin", source);
    binary_to_sysex(home.path() + "/source.bin", home.path() + "/source.syx");
    return split_sysex_messages(readWholeFile(home.path() + "/source.syx"));
}

void breakChecksum(std::vector<unsigned char> &packet)
{
    packet[packet.size() - 2] ^= 0x01;
}

QByteArray joined(const Messages &messages)
{
    QByteArray all;
    for (const auto &m : messages)
        all.append(reinterpret_cast<const char *>(m.data()), int(m.size()));
    return all;
}

QLabel *label(utilitydialog &dialog, const char *name)
{
    return dialog.findChild<QLabel *>(name);
}

void startReception(utilitydialog &dialog)
{
    auto noOutputs = std::make_shared<SeenBox>();
    auto ports = std::make_shared<SeenPorts>();
    handleModalsInTurn({acceptMessageBoxStep(noOutputs), answerPortDialogStep(ports, 0, -1)});
    dialog.findChild<QPushButton *>("pushButton_ReceiveDump")->click();
}

} // namespace

class TestMidiReceptionPackets : public QObject
{
    Q_OBJECT

private slots:
    void labelCountsPacketsAndBadChecksums();
};

void TestMidiReceptionPackets::labelCountsPacketsAndBadChecksums()
{
    TempHome home;
    prepare_editor_home(home);
    Messages dump = tenPacketDump(home);
    breakChecksum(dump[7]);
    PeerOutput peer("vektor-packets-peer", "out");
    utilitydialog dialog(nullptr);
    dialog.show();
    QLabel *packets = label(dialog, "labelReceivedPackets");
    QVERIFY(packets);
    QVERIFY(!packets->isVisible());

    startReception(dialog);
    QVERIFY(packets->isVisible());
    // The header and the first five packets, all sound.
    const Messages firstPart(dump.begin(), dump.begin() + 6);
    peer.play(firstPart, kPlayPause);
    peer.waitUntilPlayed();
    QTRY_COMPARE(packets->text(), QString("Dump packets: 5, checksums OK"));

    const Messages rest(dump.begin() + 6, dump.end());
    peer.play(rest, kPlayPause);
    peer.waitUntilPlayed();
    QTRY_COMPARE(packets->text(), QString("Dump packets: 10, 1 with a bad checksum"));
    // The byte count beside it reads as before.
    QCOMPARE(label(dialog, "labelReceivedBytes")->text(),
             QString("<font color='red'>%1 bytes received</font>").arg(joined(dump).size()));

    {
        MessageBoxWatch boxes; // whatever Stop has to say about the dump
        dialog.findChild<QPushButton *>("pushButtonStopReception")->click();
    }
    QVERIFY(!packets->isVisible());

    // The next recording counts from nothing.
    startReception(dialog);
    QTRY_COMPARE(packets->text(), QString("Dump packets: 0"));
    peer.play({dump[0], dump[1], dump[2]}, kPlayPause);
    peer.waitUntilPlayed();
    QTRY_COMPARE(packets->text(), QString("Dump packets: 2, checksums OK"));
}

VEKTOR_TEST_MAIN(TestMidiReceptionPackets)
#include "test_midi_reception_packets.moc"
