// The rig's names beside the numbers: in the monitor's explanations, in the
// tool's setlist and in what Play sends.

#include "memory_senders.h"
#include "midi_explainer.h"
#include "preset_messages.h"
#include "rig_fixtures.h"
#include "sound_names.h"

#include <QTest>

namespace {

// Amp (channel 3): program 5 is "Plain Five" without bank select and "User
// Five" on bank 1/0; control 11 is "Gain".
RigNames ampRig()
{
    RigNames rig;
    PatchBank plain, user;
    plain.patches << PatchName{5, "", "Plain Five"};
    user.msb = 1;
    user.lsb = 0;
    user.patches << PatchName{5, "U5", "User Five"};
    rig.devices[2].banks << plain << user;
    rig.devices[2].controls << ControlName{11, "Gain"};
    return rig;
}

const unsigned char *bytesOf(const QByteArray &image)
{
    return reinterpret_cast<const unsigned char *>(image.constData());
}

} // namespace

class TestSoundNames : public QObject
{
    Q_OBJECT

private slots:
    // The explanation of the last message of a run, heard in order.
    void explained_data()
    {
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("event");
        QTest::newRow("program change, its bank selected")
            << QStringList{"b20001", "b22000", "c205"} << "Program change 5 (bank 1/0) 'User Five' (U5)";
        QTest::newRow("program change without bank select") << QStringList{"c205"} << "Program change 5 'Plain Five'";
        QTest::newRow("a bank select broken by another control change")
            << QStringList{"b20001", "b20b40", "c205"} << "Program change 5 'Plain Five'";
        QTest::newRow("a bank the names do not know: no guess")
            << QStringList{"b20009", "c205"} << "Program change 5 (bank 9/-)";
        QTest::newRow("an unnamed program") << QStringList{"c206"} << "Program change 6";
        QTest::newRow("a named control") << QStringList{"b20b40"} << "Control change 11 'Gain' = 64";
        QTest::newRow("another device has no names") << QStringList{"c305"} << "Program change 5";
    }
    void explained()
    {
        QFETCH(QStringList, messages);
        QFETCH(QString, event);
        const QByteArray image = rigImage();
        const MemorySenders memory(bytesOf(image));
        ExplainState state;
        Explanation explanation;
        for (const QString &hex : messages)
            explanation = explain_message(decode_midi_message(QByteArray::fromHex(hex.toLatin1()), 0, QString()),
                                          memory, state, ampRig());
        QCOMPARE(explanation.event, event);
        QVERIFY(explanation.message.startsWith(event + " to "));
    }

    void presetSounds_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("sounds");
        QTest::addColumn<QStringList>("played"); // the name beside each message Play sends
        QTest::newRow("bank select on") << int(kVerseRecord) << "Amp: User Five (U5)"
                                        << QStringList{"", "", "", "Amp: User Five (U5)", "Amp: Gain", "", ""};
        QTest::newRow("bank select off") << 20 << "Amp: Plain Five" << QStringList{"", "Amp: Plain Five"};
        QTest::newRow("nothing named") << 0 << "" << QStringList{""};
    }
    void presetSounds()
    {
        QFETCH(int, record);
        QFETCH(QString, sounds);
        QFETCH(QStringList, played);
        const QByteArray image = rigImage();
        const RigNames rig = ampRig();
        QCOMPARE(preset_sound_names(bytesOf(image), record, rig), sounds);
        MessageNamer namer(bytesOf(image), rig);
        QStringList names;
        for (const QByteArray &message : preset_messages(bytesOf(image), record))
            names << namer.name(message);
        QCOMPARE(names, played);
    }
};

QTEST_GUILESS_MAIN(TestSoundNames)
#include "test_sound_names.moc"
