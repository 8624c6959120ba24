// Play says what reached the rig: an output that went away and came back
// under its name is not "Sent"; a space typed into the table's type-to-find
// sends nothing.

#include "midi_peer.h"
#include "rig_fixtures.h"
#include "test_support.h"
#include "utility_support.h"

#include "librarydialog.h"
#include "preset_play.h"
#include "store.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <memory>

namespace {

QString statusOf(QWidget &window)
{
    return window.findChild<QLabel *>("statusLabel")->text();
}

// The library on preset 014 "Verse", its output chosen by a first Play.
struct PlayingLibrary {
    librarydialog library;
    QPushButton *play = nullptr;
    QTableView *table = nullptr;

    PlayingLibrary()
    {
        library.selectRecords({kVerseRecord});
        play = library.findChild<QPushButton *>("playButton");
        table = library.findChild<QTableView *>("presetTable");
    }
    bool chooseOutput()
    {
        auto ports = answerPortDialog(-1, 0);
        play->click();
        return ports->shown && statusOf(library).startsWith("Sent preset 014 Verse");
    }
    bool focusTable()
    {
        library.show();
        QApplication::setActiveWindow(&library);
        table->setFocus();
        return QTest::qWaitForWindowActive(&library);
    }
};

} // namespace

class TestMidiPlay : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        home = std::make_unique<TempHome>();
        prepare_editor_home(*home);
        QVERIFY(writeWholeFile(file_paths().configuration, rigImage()));
        load_image();
    }
    void cleanup()
    {
        PlayOutput::instance().forget();
        QApplication::setKeyboardInputInterval(400);
        home.reset();
    }

    // The rig's input restarted under the same name: the name still matches,
    // but the editor's port is no longer connected to it.
    void anOutputThatCameBackIsNotSentTo()
    {
        auto rig = std::make_unique<PeerInput>("vektor-play-back", "in");
        PlayingLibrary playing;
        QVERIFY(playing.chooseOutput());
        QTRY_VERIFY(rig->messageCount() > 0);
        const QString name = rig->portName();
        rig.reset();
        rig = std::make_unique<PeerInput>("vektor-play-back", "in");
        QCOMPARE(rig->portName(), name);
        playing.play->click();
        QCOMPARE(statusOf(playing.library),
                 "Nothing was sent: the output " + name + " went away. Play asks for an output again.");
        QTest::qWait(100);
        QCOMPARE(rig->messageCount(), 0);
        // Chosen again, it plays.
        QVERIFY(playing.chooseOutput());
        QTRY_VERIFY(rig->messageCount() > 0);
    }

    void aSpaceTypedIntoTheFindSendsNothing_data()
    {
        QTest::addColumn<int>("interval"); // the keyboard input interval, ms
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("sends");
        // A very long interval: every key is still part of the name typed.
        QTest::newRow("while typing a name") << 600000 << "Solo 2" << false;
        QTest::newRow("a space alone") << 600000 << " " << true;
        // No interval: each key starts a new find, and Space plays.
        QTest::newRow("after the find has ended") << 0 << "S " << true;
    }
    void aSpaceTypedIntoTheFindSendsNothing()
    {
        QFETCH(int, interval);
        QFETCH(QString, typed);
        QFETCH(bool, sends);
        PeerInput rig("vektor-play-typed", "in");
        PlayingLibrary playing;
        QVERIFY(playing.chooseOutput());
        QTRY_VERIFY(rig.messageCount() > 0);
        const int before = rig.messageCount();
        QVERIFY(playing.focusTable());
        QApplication::setKeyboardInputInterval(interval);
        playing.library.selectRecords({kVerseRecord});
        playing.library.findChild<QLabel *>("statusLabel")->clear();
        QTest::keyClicks(playing.table, typed);
        QCOMPARE(statusOf(playing.library).startsWith("Sent preset"), sends);
        if (sends)
            QTRY_VERIFY(rig.messageCount() > before);
        else {
            QTest::qWait(100);
            QCOMPARE(rig.messageCount(), before);
        }
    }

private:
    std::unique_ptr<TempHome> home;
};

QTEST_MAIN(TestMidiPlay)
#include "test_midi_play.moc"
