// A save killed at any moment leaves the configuration file either as it was
// or as it was meant to be, never torn; backups keep the previous generation.

#include "backup.h"
#include "image_layout.h"
#include "store.h"
#include "version_keeping.h"
#include "test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <csignal>

namespace {

// The next line the save server writes, without its newline.
QByteArray nextLine(QProcess &server)
{
    while (!server.canReadLine())
        if (!server.waitForReadyRead(10000))
            return "no answer from save_loop: " + server.readAllStandardError();
    return server.readLine().trimmed();
}

} // namespace

class CrashSafetyTest : public QObject
{
    Q_OBJECT

private slots:
    void killedSavesNeverTearTheFile_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("editor save") << "save";
        QTest::newRow("library save") << "library";
        QTest::newRow("restore from the history") << "restore";
    }
    void killedSavesNeverTearTheFile()
    {
        QFETCH(QString, mode);
        TempHome home;
        const QString path = home.path() + "/memory.bin";
        const QByteArray a(layout::kImageSize, char(0xAA));
        const QByteArray b(layout::kImageSize, char(0xBB));
        QVERIFY(writeWholeFile(path, a));
        const QString history = history_folder(path);
        // Two versions older than any the saves keep: what the restores put back.
        QVERIFY(QDir().mkpath(history));
        QVERIFY(writeWholeFile(history + "/20000101T000000.000Z_save_memory.bin", b));
        QVERIFY(writeWholeFile(history + "/20000101T000000.001Z_save_memory.bin", a));
        // Every version kept, also the newest one a kill cut short, is whole.
        const auto versionsAreWhole = [&](bool all) {
            QStringList names = QDir(history).entryList(QDir::Files, QDir::Name);
            if (!all && !names.isEmpty())
                names = QStringList{names.last()};
            for (const QString &name : names) {
                const QByteArray version = readWholeFile(history + "/" + name);
                if (version != a && version != b)
                    return name;
            }
            return QString();
        };

        // One server forks every saver, so a round costs a fork, not a
        // program start. How long a save takes depends on the machine, its
        // load and the sanitizers: the kills are spread over an uncut round
        // of a few saves as timed here, timed again every few kills, so they
        // reach every moment of a save and both sides of it.
        QProcess server;
        server.start(QStringLiteral(VEKTOR_TEST_TOOLS_DIR "/save_loop"), {path, mode});
        QVERIFY(server.waitForStarted(10000));
        const auto timeUncutRound = [&]() -> qint64 {
            QElapsedTimer clock;
            clock.start();
            server.write("measure\n");
            if (!nextLine(server).startsWith("saving ") || nextLine(server) != "exited 0")
                return -1;
            return qMax<qint64>(clock.nsecsElapsed() / 1000, 1000);
        };
        QRandomGenerator rng(1234);
        const int kills = 250;
        int sawA = 0, sawB = 0;
        qint64 roundUs = 0;
        for (int i = 0; i < kills; ++i) {
            if (i % 25 == 0) {
                roundUs = timeUncutRound();
                QVERIFY2(roundUs > 0, "the measured round did not end by itself");
            }
            server.write("\n");
            const QByteArray saving = nextLine(server);
            QVERIFY2(saving.startsWith("saving "), saving.constData());
            const pid_t saver = pid_t(saving.mid(7).toLong());
            QThread::usleep(ulong(rng.bounded(int(roundUs))));
            QCOMPARE(::kill(saver, SIGKILL), 0);
            QCOMPARE(nextLine(server), QByteArray("killed " + QByteArray::number(SIGKILL))); // gone now

            const QByteArray now = readWholeFile(path);
            QVERIFY2(now == a || now == b, qPrintable(QString("torn file after kill %1 (%2 bytes)").arg(i).arg(now.size())));
            (now == a ? sawA : sawB)++;
            const QString torn = versionsAreWhole(false);
            QVERIFY2(torn.isEmpty(), qPrintable("torn version " + torn + " after kill " + QString::number(i)));
        }
        QCOMPARE(versionsAreWhole(true), QString());
        server.closeWriteChannel();
        QVERIFY(server.waitForFinished(10000));
        QCOMPARE(server.exitCode(), 0);
        QVERIFY(sawA + sawB == kills);
        QVERIFY2(sawA > 0 && sawB > 0, "every kill fell on the same side of a save");
    }

    void backupKeepsThePreviousFile()
    {
        TempHome home;
        set_paths_for_home(home.path());
        QDir().mkpath(home.path() + "/Stompwerk/Vektor");
        const QString bak = configuration_backup_path();
        QCOMPARE(bak, home.configPath() + ".bak");

        QVERIFY(backup_configuration_file()); // nothing to keep yet
        QVERIFY(!QFileInfo::exists(bak));

        writeWholeFile(home.configPath(), "first setlist");
        QVERIFY(backup_configuration_file());
        writeWholeFile(home.configPath(), "second setlist");
        QVERIFY(backup_configuration_file());
        QCOMPARE(readWholeFile(bak), QByteArray("second setlist")); // one generation

        file_paths().configuration = home.path(); // a folder is not backed up
        QVERIFY(backup_configuration_file());
        QVERIFY(!QFileInfo::exists(home.path() + ".bak"));
    }
};

VEKTOR_TEST_MAIN(CrashSafetyTest)
#include "test_crash_safety.moc"
