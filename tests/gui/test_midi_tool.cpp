// vektor-tool's transfers through a real JACK port: ports, send at the
// controller's pace, stopped between two messages, and receive until the
// dump has ended.

#include "image_fixtures.h"
#include "midi_peer.h"
#include "test_support.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct Run {
    int exitCode = -1;
    QString err;
};

QString tool()
{
    return QStringLiteral(VEKTOR_TOOL);
}

Run runTool(const QStringList &arguments, QByteArray *out = nullptr)
{
    QProcess process;
    process.start(tool(), arguments);
    if (!process.waitForFinished(120000))
        return {};
    if (out)
        *out = process.readAllStandardOutput();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

// The dump the editor makes of `bytes` as a file.
QByteArray dumpFile(const QTemporaryDir &folder, const QByteArray &source)
{
    const QByteArray dump = dumpOf(source);
    writeWholeFile(folder.filePath("dump.syx"), dump);
    return dump;
}

} // namespace

class TestMidiTool : public QObject
{
    Q_OBJECT

private slots:
    void portsListsBothDirections()
    {
        PeerInput in("vektor-tool-in", "in");
        PeerOutput out("vektor-tool-out", "out");
        QByteArray listing;
        const Run run = runTool({"ports"}, &listing);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(listing.contains("  0  " + in.portName().toUtf8() + "\n"), listing.constData());
        QVERIFY2(listing.contains("  0  " + out.portName().toUtf8() + "\n"), listing.constData());
    }

    // Port names are UTF-8: listed as they are, and chosen by them.
    void portsNamedInUtf8()
    {
        QTemporaryDir folder;
        dumpFile(folder, "abc");
        PeerInput peer("\xc3\x9c" "bungsraum-\xe3\x82\xae\xe3\x82\xbf\xe3\x83\xbc", "in");
        QByteArray listing;
        QCOMPARE(runTool({"ports"}, &listing).exitCode, 0);
        QVERIFY2(listing.contains("  0  " + peer.portName().toUtf8() + "\n"), listing.constData());
        const Run run = runTool({"send", folder.filePath("dump.syx"), "--port", peer.portName()});
        QCOMPARE(run.exitCode, 0);
        QTRY_COMPARE(peer.messageCount(), 3);
    }

    // An empty name names no port, however few there are.
    void emptyPortNameNamesNone_data()
    {
        QTest::addColumn<QStringList>("arguments"); // DIR stands for a folder with memory.bin and dump.syx
        QTest::addColumn<QString>("direction");
        QTest::newRow("send") << QStringList{"send", "DIR/dump.syx", "--port", ""} << "output";
        QTest::newRow("play") << QStringList{"play", "DIR/memory.bin", "014", "--port", ""} << "output";
        QTest::newRow("receive") << QStringList{"receive", "DIR/out.syx", "--port", "", "--seconds", "1"} << "input";
        QTest::newRow("monitor") << QStringList{"monitor", "--port", "", "--seconds", "1", "--memory",
                                                "DIR/memory.bin"} << "input";
    }
    void emptyPortNameNamesNone()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, direction);
        QTemporaryDir folder;
        dumpFile(folder, "abc");
        QVERIFY(writeWholeFile(folder.filePath("memory.bin"), factoryImage()));
        arguments.replaceInStrings(QStringLiteral("DIR"), folder.path());
        PeerInput onlyInput("vektor-tool-only-in", "in");
        PeerOutput onlyOutput("vektor-tool-only-out", "out");
        const Run run = runTool(arguments);
        // The MIDI system's failed attempts (ALSA's) come first, a sanitizer's summary may follow.
        const QString said = QStringLiteral("vektor-tool %1: an empty name names no %2 port; \"vektor-tool ports\" "
                                            "lists them\n").arg(arguments.first(), direction);
        QVERIFY2(run.err.contains(said), qPrintable(run.err));
        QCOMPARE(run.exitCode, 2);
        QTest::qWait(300);
        QCOMPARE(onlyInput.messageCount(), 0);
    }

    // A memory from a pipe is sent as the dump of it: the tool reads the
    // pipe once. Stopped once the header has gone out.
    void sendOfAPipedMemory()
    {
        PeerInput peer("vektor-tool-piped", "in");
        QProcess process;
        process.start(tool(), {"send", "/dev/stdin", "--port", peer.portName()});
        process.write(factoryImage());
        process.closeWriteChannel();
        QString err;
        QVERIFY2(QTest::qWaitFor([&] {
            err += QString::fromUtf8(process.readAllStandardError());
            return peer.messageCount() >= 1 || process.state() == QProcess::NotRunning;
        }, 20000), qPrintable(err));
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            QVERIFY(process.waitForFinished(5000));
        }
        err += QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.contains("message 1 of 839"), qPrintable(err));
        QVERIFY(peer.messageCount() >= 1);
        QVERIFY(received(peer).front() == split_sysex_messages(dumpOf(factoryImage())).front());
    }

    void sendKeepsThePause()
    {
        QTemporaryDir folder;
        const QByteArray dump = dumpFile(folder, "abc"); // header, one packet, end of file
        PeerInput peer("vektor-tool-peer", "in");
        const PeerClock::time_point start = PeerClock::now();
        const Run run = runTool({"send", folder.filePath("dump.syx"), "--port", peer.portName()});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains("message 1 of 3, about 1 s left\n"), qPrintable(run.err));
        QTRY_COMPARE(peer.messageCount(), 3);
        QVERIFY(received(peer) == split_sysex_messages(dump));
        const auto arrivals = peer.messages();
        QVERIFY(millisecondsBetween(start, arrivals[0].arrival) >= 180 - kArrivalSlackMs);
        const QString fault = pacingFault(arrivals, 180);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Ctrl-C (or a stop from a service manager) ends the send between two
    // whole messages and says how far it got.
    void interruptedSendStopsBetweenMessages()
    {
        QTemporaryDir folder;
        dumpFile(folder, randomBytes(20 * 112, 4)); // 22 messages
        PeerInput peer("vektor-tool-stop", "in");
        QProcess process;
        process.start(tool(), {"send", folder.filePath("dump.syx"), "--port", peer.portName()});
        QString err;
        QVERIFY(QTest::qWaitFor([&] {
            err += QString::fromUtf8(process.readAllStandardError());
            return err.contains("message 4 of 22");
        }, 20000));
        process.terminate();
        QVERIFY(process.waitForFinished(5000));
        err += QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), 2);
        const QRegularExpressionMatch match = QRegularExpression("stopped after (\\d+) of 22 messages").match(err);
        QVERIFY2(match.hasMatch(), qPrintable(err));
        QTest::qWait(300);
        QCOMPARE(peer.messageCount(), match.captured(1).toInt());
    }

    void receiveRecordsUntilTheDumpEnds()
    {
        QTemporaryDir folder;
        const QByteArray dump = dumpOf(factoryImage());
        PeerOutput controller("vektor-tool-controller", "out");
        QProcess process;
        const QString out = folder.filePath("received.syx");
        process.start(tool(), {"receive", out, "--port", controller.portName(), "--seconds", "60"});
        QString err;
        QVERIFY(QTest::qWaitFor([&] {
            err += QString::fromUtf8(process.readAllStandardError());
            return err.contains("listening on");
        }, 20000));
        QVERIFY(controller.waitUntilConnected());
        controller.play(split_sysex_messages(dump), std::chrono::milliseconds(3));
        QVERIFY(process.waitForFinished(60000)); // the end-of-file message ends it
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(readWholeFile(out), dump);
    }

    void receiveOfNothingWritesNothing()
    {
        QTemporaryDir folder;
        PeerOutput silent("vektor-tool-silent", "out");
        const QString out = folder.filePath("received.syx");
        const Run run = runTool({"receive", out, "--port", silent.portName(), "--seconds", "0.5"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("nothing was received"), qPrintable(run.err));
        QVERIFY(!QFile::exists(out));
    }
};

VEKTOR_TEST_MAIN(TestMidiTool)
#include "test_midi_tool.moc"
