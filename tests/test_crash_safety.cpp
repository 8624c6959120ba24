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

        QRandomGenerator rng(1234);
        const int kills = 60;
        int sawA = 0, sawB = 0;
        for (int i = 0; i < kills; ++i) {
            QProcess saver;
            saver.start(QStringLiteral(VEKTOR_TEST_TOOLS_DIR "/save_loop"), {path});
            QVERIFY(saver.waitForReadyRead(10000)); // it is saving now
            QThread::usleep(rng.bounded(200, 20000));
            ::kill(pid_t(saver.processId()), SIGKILL);
            saver.waitForFinished();

            const QByteArray now = readWholeFile(path);
            QVERIFY2(now == a || now == b, qPrintable(QString("torn file after kill %1 (%2 bytes)").arg(i).arg(now.size())));
            (now == a ? sawA : sawB)++;
        }
        QVERIFY(sawA + sawB == kills);
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
