// vektor-tool monitor and play through a real JACK port: one explained line
// per message, clock left out unless asked for; a preset's exact bytes; a
// pulled input said.

#include "image_fixtures.h"
#include "midi_peer.h"
#include "rig_fixtures.h"
#include "test_support.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

namespace {

QString tool()
{
    return QStringLiteral(VEKTOR_TOOL);
}

std::vector<std::vector<unsigned char>> peerMessages(const QVector<QByteArray> &messages)
{
    std::vector<std::vector<unsigned char>> played;
    for (const QByteArray &m : messages)
        played.emplace_back(m.begin(), m.end());
    return played;
}

// Waits until the tool says it listens; the error text so far in `err`.
bool waitUntilListening(QProcess &process, QString *err)
{
    return QTest::qWaitFor([&] {
        *err += QString::fromUtf8(process.readAllStandardError());
        return err->contains("listening on");
    }, 20000);
}

} // namespace

class TestMidiRigTool : public QObject
{
    Q_OBJECT

private slots:
    void monitorExplainsEachMessage_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("expected");
        const QStringList explained = {
            "Control change 0 = 1 to 03 - Amp: bank select of presets 014 Verse, 022 Solo",
            "Control change 32 = 0 to 03 - Amp: bank select of presets 014 Verse, 022 Solo",
            "Program change 5 (bank 1/0) to 03 - Amp: sent by presets 014 Verse, 022 Solo",
            "Control change 30 = 127 to 03 - Amp: footswitch 2 \"Wah\" (instant access, on)",
            "Program change 9 to 03 - Amp: no preset sends this",
        };
        QTest::newRow("clock left out") << QStringList() << explained;
        QStringList all = explained;
        all.insert(2, "Clock");
        QTest::newRow("--all") << QStringList{"--all"} << all;
    }
    void monitorExplainsEachMessage()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, expected);
        QTemporaryDir folder;
        const QString memory = folder.filePath("memory.bin");
        QVERIFY(writeWholeFile(memory, rigImage()));
        PeerOutput rig("vektor-tool-rig", "out");
        QProcess process;
        process.start(tool(), QStringList{"monitor", "--port", rig.portName(), "--seconds", "3", "--memory", memory}
                                  + options);
        QString err;
        QVERIFY2(waitUntilListening(process, &err), qPrintable(err));
        QVERIFY(rig.waitUntilConnected());
        // The bank select comes just before its program change.
        rig.play(peerMessages(hexMessages({"b20001", "b22000", "f8", "c205", "b21e7f", "c209"})),
                 std::chrono::microseconds(500));
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);
        QStringList lines;
        for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
            lines << line.section(QRegularExpression("^\\s*[0-9.]+  "), 1); // without the time
        QCOMPARE(lines, expected);
    }

    void monitorSaysAPulledInput()
    {
        auto rig = std::make_unique<PeerOutput>("vektor-tool-pulled", "out");
        QTemporaryDir folder;
        QVERIFY(writeWholeFile(folder.filePath("memory.bin"), rigImage()));
        QProcess process;
        process.start(tool(), {"monitor", "--port", rig->portName(), "--seconds", "30", "--memory",
                               folder.filePath("memory.bin")});
        QString err;
        QVERIFY2(waitUntilListening(process, &err), qPrintable(err));
        rig.reset();
        QVERIFY(process.waitForFinished(10000));
        err += QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), 2);
        QVERIFY2(err.contains("went away"), qPrintable(err));
    }

    void playSendsThePresetsBytes()
    {
        QTemporaryDir folder;
        QVERIFY(writeWholeFile(folder.filePath("memory.bin"), rigImage()));
        PeerInput rig("vektor-tool-play", "in");
        QProcess process;
        process.start(tool(), {"play", folder.filePath("memory.bin"), "014", "--port", rig.portName()});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);
        const QVector<QByteArray> expected =
            hexMessages({"c00c", "b20001", "b22000", "c205", "b20b40", "b20c00", "b5147f"});
        QTRY_COMPARE(int(received(rig).size()), expected.size());
        QVERIFY(received(rig) == peerMessages(expected));
        QCOMPARE(process.readAllStandardOutput(), QByteArray("c0 0c\nb2 00 01\nb2 20 00\nc2 05\nb2 0b 40\nb2 0c 00\nb5 14 7f\n"));
    }
};

VEKTOR_TEST_MAIN(TestMidiRigTool)
#include "test_midi_rig_tool.moc"
