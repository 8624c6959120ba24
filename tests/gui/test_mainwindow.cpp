// The main window: first start, the choice of the configuration file, and
// the load/run/save sequence around the editors.

#include "default_image.h"
#include "image_layout.h"
#include "mainwindow.h"
#include "monitordialog.h"
#include "store.h"
#include "image_fixtures.h"
#include "test_support.h"
#include "utility_support.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWindow>

#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace {

// The editors rewrite fields of their own when they store; the system section
// belongs to no editor, so it tells where the image came from.
QByteArray systemSection(const QByteArray &image)
{
    return image.mid(layout::kSystemSectionStart);
}

// A save replaces the file by renaming a new one over it.
ino_t inodeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

QString labelText(MainWindow &window)
{
    return window.findChild<QLabel *>("selectedFileName")->text();
}

void click(MainWindow &window, const char *button)
{
    window.findChild<QPushButton *>(button)->click();
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;

private slots:
    void init()
    {
        home = std::make_unique<TempHome>();
        std::memset(config_image(), 0, size_t(layout::kImageSize));
    }
    void cleanup() { home.reset(); }

    void firstStartMakesFoldersAndDefaultFile()
    {
        MainWindow window;
        for (const char *folder : {"/Stompwerk", "/Stompwerk/Vektor", "/Stompwerk/Kestrel"})
            QVERIFY2(QFileInfo(home->path() + folder).isDir(), folder);
        QCOMPARE(labelText(window), home->configPath());
        QCOMPARE(file_paths().configuration, home->configPath());
        QCOMPARE(file_paths().dump, home->path() + "/Stompwerk/Vektor/memory.syx");
        QCOMPARE(file_paths().sibling, home->path() + "/Stompwerk/Kestrel/memory.bin");
        QCOMPARE(file_paths().firmwareSysex, home->path() + "/Stompwerk/Vektor/update.syx");
        QCOMPARE(file_paths().firmwareBinary, home->path() + "/Stompwerk/Vektor/update.bin");
        const QByteArray file = readWholeFile(home->configPath());
        QCOMPARE(file.size(), 93719);
        QVERIFY(file == factoryImage());
        QCOMPARE(window.windowTitle(), QString("Vektor Editor v1.5.1"));
    }

    void existingFileIsKept()
    {
        QDir().mkpath(home->path() + "/Stompwerk/Vektor");
        const QByteArray mine(500, 'm');
        writeWholeFile(home->configPath(), mine);
        MainWindow window;
        QCOMPARE(readWholeFile(home->configPath()), mine);
        QCOMPARE(imageInMemory(), QByteArray(layout::kImageSize, '\0')); // not read at start
    }

    void folderInPlaceOfTheFile()
    {
        QVERIFY(QDir().mkpath(home->configPath()));
        MainWindow window;
        QVERIFY(QFileInfo(home->configPath()).isDir());
        // Global with a folder as configuration: nothing loads, nothing is
        // written, and the user is told.
        MessageBoxWatch warnings;
        closeModalDialog(QDialog::Accepted);
        click(window, "pushButton");
        QVERIFY(QFileInfo(home->configPath()).isDir());
        QTRY_COMPARE(warnings.boxes.size(), 1);
        QVERIFY(warnings.boxes[0].text.contains(home->configPath()));
    }

    void windowIconWithAndWithoutLocalFile()
    {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(home->path()); // no favicon.ico here
        const QImage builtIn = QIcon(":/favicon.ico").pixmap(32).toImage();
        {
            MainWindow window;
            QCOMPARE(window.windowIcon().pixmap(32).toImage(), builtIn);
        }
        // A favicon.ico in the working folder is the one shown.
        QImage red(32, 32, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(home->path() + "/favicon.ico", "ICO"));
        {
            MainWindow window;
            const QImage shown = window.windowIcon().pixmap(32).toImage();
            QVERIFY(shown != builtIn);
            QCOMPARE(shown.pixelColor(16, 16), QColor(Qt::red));
        }
        QFile::remove(home->path() + "/favicon.ico");
        QDir::setCurrent(previous);
    }

    void openFileChoosesWithoutLoading()
    {
        MainWindow window;
        std::memset(config_image(), 0, size_t(layout::kImageSize));
        const QString other = home->path() + "/other.bin";
        writeWholeFile(other, QByteArray(layout::kImageSize, char(0x42)));
        const auto answered = answerFileDialog(other);
        click(window, "buttonFilename");
        QVERIFY(*answered);
        QCOMPARE(labelText(window), other);
        QCOMPARE(file_paths().configuration, other);
        QCOMPARE(imageInMemory(), QByteArray(layout::kImageSize, '\0'));

        // The next Global loads it.
        closeModalDialog(QDialog::Rejected);
        click(window, "pushButton");
        QCOMPARE(systemSection(imageInMemory()), QByteArray(layout::kSystemSectionSize, char(0x42)));
    }

    void cancelledOpenFileEmptiesThePath()
    {
        MainWindow window;
        std::memset(config_image() + layout::kSystemSectionStart, 0x66, layout::kSystemSectionSize);
        const QByteArray file = readWholeFile(home->configPath());
        const auto answered = answerFileDialog(QString());
        click(window, "buttonFilename");
        QVERIFY(*answered);
        QCOMPARE(labelText(window), QString());
        QCOMPARE(file_paths().configuration, QString());

        // Global and Presets then show the image as it was, save nothing and
        // say that no file is chosen.
        MessageBoxWatch warnings;
        closeModalDialog(QDialog::Accepted);
        click(window, "pushButton");
        closeModalDialog(QDialog::Accepted);
        click(window, "pushButton_2");
        QTRY_COMPARE(warnings.boxes.size(), 2);
        QVERIFY(warnings.boxes[1].text.contains("no file is chosen"));
        QCOMPARE(systemSection(imageInMemory()), QByteArray(layout::kSystemSectionSize, char(0x66)));
        QCOMPARE(readWholeFile(home->configPath()), file);
    }

    void longChosenPathIsHeldWhole()
    {
        MainWindow window;
        QString deep = home->path();
        while (deep.toLocal8Bit().size() < 600)
            deep += "/setlists-for-the-summer-tour";
        QDir().mkpath(deep);
        const QString chosen = deep + "/memory.bin";
        writeWholeFile(chosen, QByteArray(layout::kImageSize, char(0x07)));
        answerFileDialog(chosen);
        click(window, "buttonFilename");
        QCOMPARE(file_paths().configuration, chosen);
        closeModalDialog(QDialog::Accepted);
        click(window, "pushButton");
        QCOMPARE(readWholeFile(chosen).size(), 93719);
        QCOMPARE(readWholeFile(chosen), imageInMemory());
    }

    // Global and Presets reload the file before the dialog opens and write the
    // whole image only when the dialog is accepted.
    void editorsReloadAndWriteOnlyOnAccept_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("Global OK") << "pushButton" << int(QDialog::Accepted);
        QTest::newRow("Global Cancel") << "pushButton" << int(QDialog::Rejected);
        QTest::newRow("Presets Save") << "pushButton_2" << int(QDialog::Accepted);
        QTest::newRow("Presets Cancel") << "pushButton_2" << int(QDialog::Rejected);
    }
    void editorsReloadAndWriteOnlyOnAccept()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        MainWindow window;
        QByteArray file = readWholeFile(home->configPath());
        file.replace(layout::kSystemSectionStart, layout::kSystemSectionSize,
                     QByteArray(layout::kSystemSectionSize, char(0x33)));
        writeWholeFile(home->configPath(), file);
        const ino_t before = inodeOf(home->configPath());
        std::memset(config_image(), 0x5A, size_t(layout::kImageSize)); // unsaved changes in memory

        const auto closed = closeModalDialog(QDialog::DialogCode(result));
        click(window, qPrintable(button));
        QVERIFY(*closed);
        QCOMPARE(systemSection(imageInMemory()), systemSection(file)); // reloaded before the run
        if (result == QDialog::Accepted) {
            QVERIFY(inodeOf(home->configPath()) != before);
            QCOMPARE(readWholeFile(home->configPath()), imageInMemory());
        } else {
            QCOMPARE(inodeOf(home->configPath()), before);
            QCOMPARE(readWholeFile(home->configPath()), file);
        }
    }

    // The editors are modal to the main window only: a click reaches the
    // monitor through the platform, as a user's does, while one is open.
    void monitorWorksWhileAnEditorIsOpen_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Library") << "pushButton_Library";
        QTest::newRow("Global") << "pushButton";
        QTest::newRow("Presets") << "pushButton_2";
        QTest::newRow("Utility") << "pushButton_3";
    }
    void monitorWorksWhileAnEditorIsOpen()
    {
        QFETCH(QString, button);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        monitordialog *monitor = monitordialog::showMonitor(&window);
        QVERIFY(QTest::qWaitForWindowExposed(monitor));
        auto *pause = monitor->findChild<QPushButton *>("pauseButton");
        bool pausedMeanwhile = false;
        bool mainBlocked = false;
        const auto ran = whenModal([&](QWidget *editor) {
            mainBlocked = editor->windowModality() == Qt::WindowModal;
            QTest::mouseClick(monitor->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              pause->mapTo(monitor, pause->rect().center()));
            pausedMeanwhile = pause->isChecked();
            static_cast<QDialog *>(editor)->reject();
        });
        click(window, qPrintable(button));
        QVERIFY(*ran);
        QVERIFY(pausedMeanwhile);
        QVERIFY(mainBlocked); // still modal for editing: to the main window
        monitor->close();
    }

    // A window of its own still goes with the main window.
    void monitorGoesWithTheMainWindow()
    {
        auto window = std::make_unique<MainWindow>();
        QPointer<monitordialog> monitor = monitordialog::showMonitor(window.get());
        QVERIFY(monitor);
        window.reset();
        QVERIFY(monitor.isNull());
    }

    void utilityWritesNothingOfItsOwn()
    {
        MainWindow window;
        const QByteArray file = readWholeFile(home->configPath());
        const ino_t before = inodeOf(home->configPath());
        std::memset(config_image(), 0x5A, size_t(layout::kImageSize)); // unsaved changes stay unsaved
        closeModalDialog(QDialog::Rejected);
        click(window, "pushButton_3");
        QCOMPARE(inodeOf(home->configPath()), before);
        QCOMPARE(readWholeFile(home->configPath()), file);
    }
};

VEKTOR_TEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
