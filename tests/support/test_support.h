#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <sys/resource.h>

// A HOME of the test's own: nothing touches the real user's files.
class TempHome
{
public:
    TempHome();
    ~TempHome();
    QString path() const { return dir.path(); }
    // The editor's default configuration file under this HOME.
    QString configPath() const { return dir.path() + "/Stompwerk/Vektor/memory.bin"; }

private:
    QTemporaryDir dir;
    QByteArray previousHome;
};

// Lowers the file size limit while it lives: writes past `bytes` fail with
// EFBIG as on a full disk, while every file stays readable.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit previous;
};

// Runs `action` on the next modal widget of type T once it is shown, from
// the event loop of the call that blocks. Call it before the blocking call.
// Returns a flag that turns true when the action ran.
std::shared_ptr<bool> whenModal(const std::function<void(QWidget *)> &action, int timeoutMs = 10000);

template <typename T>
std::shared_ptr<bool> whenModal(const std::function<void(T *)> &action, int timeoutMs = 10000)
{
    return whenModal([action](QWidget *w) {
        if (auto *typed = qobject_cast<T *>(w))
            action(typed);
        else if (w)
            qWarning("modal widget %s is not of the expected type", w->metaObject()->className());
    }, timeoutMs);
}

// Answer the next message box / dialog.
std::shared_ptr<bool> answerMessageBox(QMessageBox::StandardButton button);
std::shared_ptr<bool> closeModalDialog(QDialog::DialogCode result);
// Answer the next file dialog with `path`; an empty path cancels it.
std::shared_ptr<bool> answerFileDialog(const QString &path);

QByteArray readWholeFile(const QString &path);
// `size` bytes of a fixed pseudo-random sequence.
QByteArray randomBytes(int size, quint32 seed);
bool writeWholeFile(const QString &path, const QByteArray &data);

// main() for a Qt Test class: offscreen unless a platform is chosen, and a
// temporary HOME for the whole run (tests make their own per case too).
#define VEKTOR_TEST_MAIN(TestObject)                                   \
    int main(int argc, char *argv[])                                   \
    {                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                   \
        TempHome home;                                                 \
        QApplication app(argc, argv);                                  \
        TestObject tc;                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                     \
        return QTest::qExec(&tc, argc, argv);                          \
    }
