// The MIDI Monitor and the library's Play through a real JACK port: what a
// peer plays is listed with its device and the presets that send it, clock
// hidden; Play sends exactly a preset's bytes; a pulled peer is said; the
// monitor follows the memory file on disk.

#include "midi_peer.h"
#include "rig_fixtures.h"
#include "test_support.h"
#include "utility_support.h"

#include "image_fixtures.h"
#include "librarydialog.h"
#include "message_sending.h"
#include "midi_listener.h"
#include "monitordialog.h"
#include "port_watch.h"
#include "preset_messages.h"
#include "preset_play.h"
#include "store.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <rtmidi/RtMidi.h>

#include <memory>

namespace {

using Lines = QVector<QPair<QString, QString>>; // message, explanation

Lines shownLines(monitordialog &monitor, MidiDirection direction = MidiDirection::Received)
{
    Lines lines;
    MonitorModel *model = monitor.messageModel();
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->line(row).message.direction == direction)
            lines << qMakePair(model->line(row).explanation.message, model->line(row).explanation.explanation);
    return lines;
}

QString statusOf(QWidget &window)
{
    return window.findChild<QLabel *>("statusLabel")->text();
}

std::vector<std::vector<unsigned char>> peerMessages(const QVector<QByteArray> &messages)
{
    std::vector<std::vector<unsigned char>> played;
    for (const QByteArray &m : messages)
        played.emplace_back(m.begin(), m.end());
    return played;
}

MonitorModel::Line lineAt(double time)
{
    MonitorModel::Line line;
    line.message.time = time;
    return line;
}

} // namespace

class TestMidiMonitor : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        home = std::make_unique<TempHome>();
        prepare_editor_home(*home);
        QVERIFY(writeWholeFile(file_paths().configuration, rigImage()));
    }
    void cleanup()
    {
        PlayOutput::instance().forget();
        home.reset();
    }

    void listsWhatThePeerPlays()
    {
        PeerOutput rig("vektor-monitor-rig", "out");
        monitordialog monitor;
        monitor.show();
        QVERIFY(monitor.listenTo(rig.portName()));
        QVERIFY(rig.waitUntilConnected());
        const DumpMessages dump = tenPacketDump();
        QVector<QByteArray> played = hexMessages({"b20001", "b22000", "c205", "f8", "b20b40", "c305", "b00710",
                                                  "b00711", "fe"});
        played << QByteArray(reinterpret_cast<const char *>(dump[0].data()), int(dump[0].size()))
               << QByteArray(reinterpret_cast<const char *>(dump[1].data()), int(dump[1].size()));
        rig.play(peerMessages(played), std::chrono::microseconds(500));
        const Lines expected = {
            {"Control change 0 = 1 to 03 - Amp", "bank select of presets 014 Verse, 022 Solo"},
            {"Control change 32 = 0 to 03 - Amp", "bank select of presets 014 Verse, 022 Solo"},
            {"Program change 5 (bank 1/0) to 03 - Amp", "sent by presets 014 Verse, 022 Solo"},
            {"Control change 11 = 64 to 03 - Amp", "sent by preset 014 Verse"},
            {"Program change 5 to 04 - Device 3", "no preset sends this"},
            {"Control change 7 = 16 to 01 - Quill", "pedal 1 of 270 presets (001-299)"},
            {"Control change 7 = 17 to 01 - Quill", "pedal run goes on"},
            {"SysEx, 25 bytes", "dump header: memory.bin, 1120 bytes in 10 packets"},
            {"SysEx, 137 bytes", "dump packet 1 of 10, checksum holds"},
        };
        QTRY_COMPARE_WITH_TIMEOUT(monitor.receivedCount(), qint64(played.size()), 10000);
        QTRY_COMPARE(shownLines(monitor), expected); // clock and active sensing hidden
        QCOMPARE(monitor.messageModel()->line(2).explanation.device, QString("03 - Amp"));
    }

    // Play on a preset with a bank select and three control changes: the
    // peer gets exactly those bytes, in order; the monitor lists them as sent.
    void playSendsThePreset()
    {
        load_image();
        PeerInput rig("vektor-play-rig", "in");
        monitordialog monitor;
        librarydialog library;
        library.selectRecords({kVerseRecord});
        auto *play = library.findChild<QPushButton *>("playButton");
        QVERIFY(play && play->isEnabled());
        auto ports = answerPortDialog(-1, 0);
        play->click();
        QVERIFY(ports->shown);
        QCOMPARE(ports->outputs, QStringList{rig.portName()});
        const QVector<QByteArray> expected =
            hexMessages({"c00c", "b20001", "b22000", "c205", "b20b40", "b20c00", "b5147f"});
        QTRY_COMPARE(int(received(rig).size()), expected.size());
        QVERIFY(received(rig) == peerMessages(expected));
        QCOMPARE(statusOf(library), "Sent preset 014 Verse to " + rig.portName()
                                        + ": c0 0c, b2 00 01, b2 20 00, c2 05, b2 0b 40, b2 0c 00, b5 14 7f");
        QTRY_COMPARE(shownLines(monitor, MidiDirection::Sent).size(), expected.size());

        // The output is chosen once: Space plays again without asking.
        library.show();
        QApplication::setActiveWindow(&library);
        QVERIFY(QTest::qWaitForWindowActive(&library));
        auto *table = library.findChild<QTableView *>("presetTable");
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Space);
        QTRY_COMPARE(int(received(rig).size()), 2 * expected.size());
    }

    void playSaysAnOutputThatWent()
    {
        load_image();
        auto rig = std::make_unique<PeerInput>("vektor-play-gone", "in");
        librarydialog library;
        library.selectRecords({kVerseRecord});
        auto *play = library.findChild<QPushButton *>("playButton");
        auto ports = answerPortDialog(-1, 0);
        play->click();
        QVERIFY(ports->shown);
        const QString name = rig->portName();
        rig.reset();
        play->click();
        QCOMPARE(statusOf(library), "Nothing was sent: the output " + name + " went away. Play asks for an output again.");
    }

    void pulledPeerIsSaid()
    {
        auto rig = std::make_unique<PeerOutput>("vektor-monitor-pulled", "out");
        monitordialog monitor;
        const QString name = rig->portName();
        QVERIFY(monitor.listenTo(name));
        rig.reset();
        QTRY_VERIFY_WITH_TIMEOUT(statusOf(monitor).startsWith("The input " + name + " went away"), 5000);
        // The window goes on: what the editor sends is still listed.
        SentMessages::instance().report("out", hexMessages({"c205"}));
        QTRY_COMPARE(shownLines(monitor, MidiDirection::Sent).size(), 1);
    }

    // A save in another window changes what the monitor explains by.
    void followsTheMemoryFile()
    {
        monitordialog monitor;
        SentMessages::instance().report("out", hexMessages({"c205"}));
        QTRY_COMPARE(shownLines(monitor, MidiDirection::Sent).size(), 1);
        QCOMPARE(shownLines(monitor, MidiDirection::Sent).last().second, "sent by preset 023 Preset 023");
        QVERIFY(writeWholeFile(file_paths().configuration, factoryImage()));
        QTRY_VERIFY_WITH_TIMEOUT(([&] {
            SentMessages::instance().report("out", hexMessages({"c205"}));
            QTest::qWait(50);
            return shownLines(monitor, MidiDirection::Sent).last().second == "no preset sends this";
        }()), 5000);
    }

    // What the editor sent is one batch, explained by the memory it came
    // from; it is shown, not counted as received.
    void explainsWhatWasSent_data()
    {
        QTest::addColumn<QByteArray>("onDisk");
        QTest::addColumn<QByteArray>("sentFrom");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("lastExplained");
        QTest::newRow("after its own bank select") << rigImage() << QByteArray() << QStringList{"b20001", "b22000", "c205"}
                                                   << "sent by presets 014 Verse, 022 Solo";
        QTest::newRow("by the unsaved copy it came from") << factoryImage() << rigImage() << QStringList{"c205"}
                                                          << "sent by preset 023 Preset 023";
        QTest::newRow("without a memory, by the file") << rigImage() << QByteArray() << QStringList{"c205"}
                                                       << "sent by preset 023 Preset 023";
    }
    void explainsWhatWasSent()
    {
        QFETCH(QByteArray, onDisk);
        QFETCH(QByteArray, sentFrom);
        QFETCH(QStringList, sent);
        QFETCH(QString, lastExplained);
        QVERIFY(writeWholeFile(file_paths().configuration, onDisk));
        monitordialog monitor;
        SentMessages::instance().report("out", hexMessages(sent), sentFrom);
        QTRY_COMPARE(shownLines(monitor, MidiDirection::Sent).size(), sent.size());
        QCOMPARE(shownLines(monitor, MidiDirection::Sent).last().second, lastExplained);
        QCOMPARE(monitor.receivedCount(), qint64(0));
        QCOMPARE(monitor.findChild<QLabel *>("countLabel")->text(),
                 QString("%1 shown of 0 received, %1 sent by the editor").arg(sent.size()));
    }

    // The log's SysEx goes beside it, never over a file the save dialog did
    // not ask about, nor over the editor's own dump.
    void saveLogKeepsOtherFiles_data()
    {
        QTest::addColumn<QString>("logName");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("sysexName");
        QTest::newRow("a fresh name") << "take.txt" << QStringList{} << "take.syx";
        QTest::newRow("beside the editor's dump") << "memory.txt" << QStringList{"memory.syx"} << "memory-2.syx";
        QTest::newRow("the editor's dump not yet made") << "memory.txt" << QStringList{} << "memory-2.syx";
        QTest::newRow("a .syx there already") << "take.txt" << QStringList{"take.syx", "take-2.syx"} << "take-3.syx";
        QTest::newRow("the log itself named .syx") << "take.syx" << QStringList{} << "take-2.syx";
    }
    void saveLogKeepsOtherFiles()
    {
        QFETCH(QString, logName);
        QFETCH(QStringList, present);
        QFETCH(QString, sysexName);
        const QDir folder = QFileInfo(file_paths().dump).dir();
        for (const QString &name : present)
            QVERIFY(writeWholeFile(folder.filePath(name), name.toUtf8()));
        monitordialog monitor;
        const QByteArray sysex = QByteArray::fromHex("f07d0102f7");
        monitor.addHeard({{0.0, sysex}, {0.1, QByteArray::fromHex("c205")}}, "in", 0);
        QVERIFY(monitor.saveLog(folder.filePath(logName)));
        for (const QString &name : present)
            QCOMPARE(readWholeFile(folder.filePath(name)), name.toUtf8());
        QCOMPARE(readWholeFile(folder.filePath(sysexName)), sysex);
        QVERIFY(readWholeFile(folder.filePath(logName)).contains("Program change 5"));
        QVERIFY(statusOf(monitor).contains(folder.filePath(sysexName)));
    }

    // A reader that does not take keeps the newest messages and the count
    // of those it lost.
    void listenerKeepsTheNewest()
    {
        PeerOutput rig("vektor-monitor-stall", "out");
        RtMidiIn in(RtMidi::UNIX_JACK, "vektor-monitor-bound");
        unsigned index = 0;
        while (index < in.getPortCount() && midi_port_name(in, index) != rig.portName())
            ++index;
        MidiListener listener(in, 4);
        QVERIFY(listener.listen(index, rig.portName()).opened());
        QVERIFY(rig.waitUntilConnected());
        QVector<QByteArray> played;
        for (int n = 0; n < 10; ++n)
            played << QByteArray::fromHex("c2") + char(n);
        rig.play(peerMessages(played), std::chrono::microseconds(500));
        qint64 dropped = 0;
        QTRY_COMPARE_WITH_TIMEOUT((dropped += listener.takeDropped()), qint64(6), 10000);
        std::vector<HeardBytes> kept = listener.take();
        QCOMPARE(int(kept.size()), 4);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(kept[size_t(k)].bytes, played[6 + k]);
        QCOMPARE(listener.takeDropped(), qint64(0));
    }

    void keepsTheNewestLines_data()
    {
        QTest::addColumn<QVector<int>>("batches");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("dropped");
        QTest::addColumn<int>("firstKept");
        QTest::newRow("below the cap") << QVector<int>{3, 4} << 7 << 0 << 0;
        QTest::newRow("exactly the cap") << QVector<int>{9999, 1} << 10000 << 0 << 0;
        QTest::newRow("past the cap") << QVector<int>{9999, 6} << 10000 << 5 << 5;
        QTest::newRow("one batch past it") << QVector<int>{10007} << 10000 << 7 << 7;
    }
    void keepsTheNewestLines()
    {
        QFETCH(QVector<int>, batches);
        QFETCH(int, rows);
        QFETCH(int, dropped);
        QFETCH(int, firstKept);
        MonitorModel model;
        int next = 0;
        for (int size : batches) {
            QVector<MonitorModel::Line> batch;
            for (int k = 0; k < size; ++k)
                batch << lineAt(next++);
            model.append(batch);
        }
        QCOMPARE(model.rowCount(), rows);
        QCOMPARE(model.dropped(), qint64(dropped));
        QCOMPARE(model.line(0).message.time, double(firstKept));
        QCOMPARE(model.line(rows - 1).message.time, double(next - 1));
    }

private:
    std::unique_ptr<TempHome> home;
};

VEKTOR_TEST_MAIN(TestMidiMonitor)
#include "test_midi_monitor.moc"
