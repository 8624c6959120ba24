#include "test_support.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTimer>

#include <csignal>

TempHome::TempHome()
    : previousHome(qgetenv("HOME"))
{
    qputenv("HOME", dir.path().toLocal8Bit());
}

TempHome::~TempHome()
{
    qputenv("HOME", previousHome);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the test
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &previous);
}

std::shared_ptr<bool> whenModal(const std::function<void(QWidget *)> &action, int timeoutMs)
{
    auto done = std::make_shared<bool>(false);
    auto *poll = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (clock->elapsed() > timeoutMs) {
                qWarning("no modal widget appeared within %d ms", timeoutMs);
                poll->deleteLater();
                poll->stop();
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        *done = true;
        action(modal);
    });
    poll->start(5);
    return done;
}

std::shared_ptr<bool> answerMessageBox(QMessageBox::StandardButton button)
{
    return whenModal<QMessageBox>([button](QMessageBox *box) {
        if (QAbstractButton *b = box->button(button))
            b->click();
        else
            box->done(button);
    });
}

std::shared_ptr<bool> closeModalDialog(QDialog::DialogCode result)
{
    return whenModal<QDialog>([result](QDialog *dialog) { dialog->done(result); });
}

std::shared_ptr<bool> answerFileDialog(const QString &path)
{
    return whenModal<QFileDialog>([path](QFileDialog *dialog) {
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed as a user would: the dialog's file list fills in the
        // background, so selecting in it is not reliable.
        dialog->setDirectory(QFileInfo(path).absolutePath());
        if (auto *edit = dialog->findChild<QLineEdit *>("fileNameEdit"))
            edit->setText(path);
        else
            dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible()) {
            qWarning("the file dialog did not take %s", qPrintable(path));
            dialog->reject();
        }
    });
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray bytes(size, '\0');
    for (char &b : bytes)
        b = char(rng.bounded(256));
    return bytes;
}

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool writeWholeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}
