// A save killed at any moment leaves the configuration file either as it was
// or as it was meant to be, never torn; backups keep the previous generation.

#include "backup.h"
#include "image_layout.h"
#include "store.h"
#include "test_support.h"

#include <QDir>
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
    void killedSavesNeverTearTheFile()
    {
        TempHome home;
        const QString path = home.path() + "/memory.bin";
        const QByteArray a(layout::kImageSize, char(0xAA));
        const QByteArray b(layout::kImageSize, char(0xBB));
        QVERIFY(writeWholeFile(path, a));

        // One server forks every saver, so a round costs a fork, not a
        // program start; a save takes about a millisecond, so a few
        // milliseconds reach every moment of one.
        QProcess server;
        server.start(QStringLiteral(VEKTOR_TEST_TOOLS_DIR "/save_loop"), {path});
        QVERIFY(server.waitForStarted(10000));
        QRandomGenerator rng(1234);
        const int kills = 250;
        int sawA = 0, sawB = 0;
        for (int i = 0; i < kills; ++i) {
            server.write("\n");
            const QByteArray saving = nextLine(server);
            QVERIFY2(saving.startsWith("saving "), saving.constData());
            const pid_t saver = pid_t(saving.mid(7).toLong());
            QThread::usleep(rng.bounded(0, 4000));
            QCOMPARE(::kill(saver, SIGKILL), 0);
            QCOMPARE(nextLine(server), QByteArray("killed " + QByteArray::number(SIGKILL))); // gone now

            const QByteArray now = readWholeFile(path);
            QVERIFY2(now == a || now == b, qPrintable(QString("torn file after kill %1 (%2 bytes)").arg(i).arg(now.size())));
            (now == a ? sawA : sawB)++;
        }
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
