// Every save the user asks for that cannot be written says so once, naming
// the file and the system's reason, and leaves the configuration file as it
// was. The writes really fail: a file size limit, a folder where the file
// should be, or no file chosen at all.

#include "image_fixtures.h"
#include "mainwindow.h"
#include "presetsdialog.h"
#include "reception_buffer.h"
#include "store.h"
#include "test_support.h"
#include "utility_support.h"
#include "utilitydialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {

void click(QWidget &window, const char *button)
{
    window.findChild<QPushButton *>(button)->click();
}

} // namespace

class TestFailedSaves : public QObject
{
    Q_OBJECT

private slots:
    void failedSaveIsSaidOnce_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("reason");
        const QStringList operations = {"Global OK",     "Presets Save",        "preset switch Yes",
                                        "Copy Preset",   "Factory Reset",       "Import Vektor SysEx",
                                        "Stop of a reception", "Import Kestrel SysEx"};
        const QList<QPair<QString, QString>> failures = {{"full disk", "File too large"},
                                                         {"folder in place", "directory"},
                                                         {"no file chosen", "no file is chosen"}};
        for (const QString &operation : operations)
            for (const auto &failure : failures)
                QTest::addRow("%s, %s", qPrintable(operation), qPrintable(failure.first))
                    << operation << failure.first << failure.second;
    }

    void failedSaveIsSaidOnce()
    {
        QFETCH(QString, operation);
        QFETCH(QString, failure);
        QFETCH(QString, reason);
        TempHome home;
        prepare_editor_home(home);
        QVERIFY(writeWholeFile(file_paths().dump, dumpOf(factoryImage())));
        QVERIFY(writeWholeFile(file_paths().sibling, randomBytes(59357, 11)));
        const QString configuration = file_paths().configuration;
        const QByteArray before = readWholeFile(configuration);
        if (failure == "folder in place") {
            QVERIFY(QFile::remove(configuration));
            QVERIFY(QDir().mkpath(configuration));
        }

        MessageBoxWatch watch(QMessageBox::Yes); // Yes to the preset switch's question
        {
            std::unique_ptr<FileSizeLimit> limit(failure == "full disk" ? new FileSizeLimit(4096) : nullptr);
            // The main window sets the paths from HOME; the limit must not
            // stop it from starting.
            if (failure == "no file chosen" && !operation.startsWith("Global") && !operation.startsWith("Presets"))
                file_paths().configuration.clear();
            if (failure == "no file chosen" && (operation == "Global OK" || operation == "Presets Save")) {
                MainWindow window;
                answerFileDialog(QString());
                click(window, "buttonFilename");
                closeModalDialog(QDialog::Accepted);
                click(window, operation == "Global OK" ? "pushButton" : "pushButton_2");
            } else {
                run_editor_operation(operation);
            }
        }
        QTest::qWait(50);
        if (operation == "preset switch Yes" && !watch.boxes.isEmpty()
            && watch.boxes[0].text == QString::fromUtf8("\xc2\xbfSave preset changes?"))
            watch.boxes.removeFirst();
        QCOMPARE(watch.boxes.size(), 1);
        const QString text = watch.boxes[0].text;
        QVERIFY2(text.contains(reason), qPrintable(text));
        QVERIFY2(failure == "no file chosen" ? text.contains("configuration file") : text.contains(configuration),
                 qPrintable(text));
        if (failure == "folder in place")
            QVERIFY(QFileInfo(configuration).isDir());
        else
            QCOMPARE(readWholeFile(configuration), before);
    }
};

VEKTOR_TEST_MAIN(TestFailedSaves)
#include "test_failed_saves.moc"
