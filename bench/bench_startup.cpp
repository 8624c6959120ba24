// Start-up time: from process start to the main window shown (offscreen),
// beside a bare Qt window started the same way in the same run, by turns.
// Each is a fresh child process, timed by the parent until the child reports
// "shown".

#include "high_dpi.h"
#include "mainwindow.h"
#include "store.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int runChild(int argc, char *argv[], bool editor)
{
    if (editor) { // as main.cpp starts
        ensure_image();
        enable_high_dpi();
    }
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> window(editor ? new MainWindow : new QMainWindow);
    window->show();
    // Reported once the first show has been processed by the event loop.
    QTimer::singleShot(0, [] {
        std::printf("shown\n");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return app.exec();
}

// Milliseconds from starting a child in `mode` until it reports its window shown.
double startupMs(const QString &self, const QString &mode, const QString &home)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home);
    child.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    child.start(self, {mode});
    while (child.waitForReadyRead(10000))
        if (child.readAll().contains("shown"))
            break;
    const double ms = timer.nsecsElapsed() / 1e6;
    child.waitForFinished();
    return ms;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && (qstrcmp(argv[1], "--editor") == 0 || qstrcmp(argv[1], "--bare") == 0))
        return runChild(argc, argv, qstrcmp(argv[1], "--editor") == 0);

    QCoreApplication app(argc, argv);
    QTemporaryDir home; // the first editor run writes its default memory.bin here
    const QString self = QCoreApplication::applicationFilePath();
    const int runs = 15;
    startupMs(self, "--editor", home.path()); // warm caches, create the files
    // By turns: each start is a fresh process, and a load that comes and
    // goes on the machine weighs on both alike.
    std::vector<double> bareMs, editorMs;
    for (int i = 0; i < runs; ++i) {
        bareMs.push_back(startupMs(self, "--bare", home.path()));
        editorMs.push_back(startupMs(self, "--editor", home.path()));
    }
    const double bare = median(bareMs);
    const double editor = median(editorMs);
    std::printf("%-40s %10s\n", "start-up to window shown (median)", "ms");
    std::printf("%-40s %10.1f\n", "bare Qt main window", bare);
    std::printf("%-40s %10.1f\n", "editor main window", editor);
    std::printf("%-40s %10.2f\n", "ratio editor / bare", editor / bare);
    return 0;
}
