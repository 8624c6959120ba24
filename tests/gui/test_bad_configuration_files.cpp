// Files that come from outside as the configuration: odd sizes chosen with
// "Open file...", and paths that are not files at all. Nothing crashes, the
// user is asked before an unusual file is used, and a file is only ever
// replaced whole by an accepted editor.

#include "image_layout.h"
#include "mainwindow.h"
#include "store.h"
#include "test_support.h"
#include "utility_support.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>

#include <cstring>

namespace {

void click(MainWindow &window, const char *button)
{
    window.findChild<QPushButton *>(button)->click();
}

} // namespace

class BadConfigurationFilesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;

private slots:
    void init() { home = std::make_unique<TempHome>(); }
    void cleanup() { home.reset(); }

    void oddSizes_data()
    {
        QTest::addColumn<qint64>("size");
        for (qint64 size : {0, 1, 100, 93718, 93719, 93720, 10 * 1024 * 1024})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }
    void oddSizes()
    {
        QFETCH(qint64, size);
        MainWindow window;
        const QString chosen = home->path() + "/chosen.bin";
        const QByteArray original = randomBytes(int(size), quint32(size));
        writeWholeFile(chosen, original);
        const bool unusual = size != layout::kImageSize;

        // Declined: the previous choice stays and the file is not touched.
        answerFileDialog(chosen);
        std::shared_ptr<bool> asked;
        if (unusual)
            asked = answerMessageBox(QMessageBox::No);
        click(window, "buttonFilename");
        if (unusual) {
            QVERIFY(*asked);
            QCOMPARE(file_paths().configuration, home->configPath());
            QCOMPARE(window.findChild<QLabel *>("selectedFileName")->text(), home->configPath());
        }

        // Taken: Cancel leaves it as it was, OK replaces it with a whole image.
        answerFileDialog(chosen);
        if (unusual)
            answerMessageBox(QMessageBox::Yes);
        click(window, "buttonFilename");
        QCOMPARE(file_paths().configuration, chosen);
        closeModalDialog(QDialog::Rejected);
        click(window, "pushButton");
        QCOMPARE(readWholeFile(chosen), original);
        closeModalDialog(QDialog::Accepted);
        click(window, "pushButton");
        const QByteArray saved = readWholeFile(chosen);
        QCOMPARE(saved.size(), layout::kImageSize);
        // Bytes no editor owns come from the file wherever it had them.
        const int kept = int(qMin<qint64>(size, layout::kImageSize)) - layout::kSystemSectionStart;
        if (kept > 0)
            QCOMPARE(saved.mid(layout::kSystemSectionStart, kept), original.mid(layout::kSystemSectionStart, kept));
    }

    void pathsThatAreNotFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("dangling symlink") << "dangling";
        QTest::newRow("inside a missing folder") << "missing folder";
    }
    void pathsThatAreNotFiles()
    {
        QFETCH(QString, kind);
        MainWindow window;
        QString path = home->path() + "/odd";
        if (kind == "folder")
            QDir().mkpath(path);
        else if (kind == "dangling")
            QFile::link(home->path() + "/nowhere/memory.bin", path);
        else
            path = home->path() + "/no/such/folder/memory.bin";
        // The configuration went away after it was chosen.
        file_paths().configuration = path;
        std::memset(config_image(), 0x21, size_t(layout::kImageSize));

        MessageBoxWatch warnings;
        for (const char *button : {"pushButton", "pushButton_2"}) {
            closeModalDialog(QDialog::Accepted);
            click(window, button);
        }
        // Each save that could not be written says so once, naming the file.
        QTRY_COMPARE(warnings.boxes.size(), 2);
        for (const SeenBox &box : warnings.boxes)
            QVERIFY2(box.text.contains(path), qPrintable(box.text));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(config_image()) + layout::kSystemSectionStart,
                            layout::kSystemSectionSize),
                 QByteArray(layout::kSystemSectionSize, char(0x21))); // nothing was loaded
        if (kind == "folder")
            QVERIFY(QFileInfo(path).isDir());
        else if (kind == "missing folder")
            QVERIFY(!QFileInfo::exists(path));
    }
};

VEKTOR_TEST_MAIN(BadConfigurationFilesTest)
#include "test_bad_configuration_files.moc"
