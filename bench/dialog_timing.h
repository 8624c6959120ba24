#pragma once

// Times opening a dialog (construct and show) beside opening its bare
// designer form (setupUi and show), and closing each (destruction) apart.
//
// The two run in alternating blocks, not strictly by turns: what one run
// leaves behind (freed memory the allocator sorts out on the next large
// request, caches filled with its own data) is paid by whatever runs next,
// so strict turns bill each side for the other's leftovers, in favour of
// the side that allocates more. The first run of each block pays for the
// other side and is dropped. Blocks still alternate, so a load that comes
// and goes on the machine weighs on both alike.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace dialogtiming {

struct Medians {
    double openMs = 0;
    double closeMs = 0;
};

struct Pair {
    Medians dialog;
    Medians bare;
    double ratio() const { return dialog.openMs / bare.openMs; }
};

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class Series
{
public:
    void run(const std::function<QWidget *()> &open)
    {
        QElapsedTimer clock;
        clock.start();
        QWidget *window = open();
        const qint64 opened = clock.nsecsElapsed();
        delete window;
        const qint64 closed = clock.nsecsElapsed();
        // Events the run posted (layout, paint) are handled outside the clock.
        QApplication::processEvents();
        openMs.push_back(double(opened) / 1e6);
        closeMs.push_back(double(closed - opened) / 1e6);
    }
    void dropLast()
    {
        openMs.pop_back();
        closeMs.pop_back();
    }
    Medians medians() const { return {median(openMs), median(closeMs)}; }

private:
    std::vector<double> openMs, closeMs;
};

// `open` builds and shows the dialog and hands it over; `openBare` does the
// same with the bare form. `rounds` blocks of `block` runs each.
inline Pair measure(const std::function<QWidget *()> &open, const std::function<QWidget *()> &openBare,
                    int rounds, int block = 8)
{
    Series dialog, bare;
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < block; ++i) {
            bare.run(openBare);
            if (i == 0)
                bare.dropLast();
        }
        for (int i = 0; i < block; ++i) {
            dialog.run(open);
            if (i == 0)
                dialog.dropLast();
        }
    }
    return {dialog.medians(), bare.medians()};
}

// The offscreen platform complains about every shown window; other
// warnings still show.
inline void dropPlatformNoise(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !message.contains(QLatin1String("propagateSizeHints")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Before the application is made: windows render offscreen unless the
// caller chose a platform.
inline void preferOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// A home folder of the run's own, with the editor's folder in it.
struct TemporaryHome {
    QTemporaryDir folder;
    TemporaryHome() { QDir().mkpath(folder.path() + "/Stompwerk/Vektor"); }
};

// Blocks to run: the first argument, else 8.
inline int roundsFrom(int argc, char *argv[])
{
    return argc > 1 ? std::max(1, std::atoi(argv[1])) : 8;
}

// The line bench/run reads: "open <what> median X ms | bare form median Y ms
// | ratio R | close C ms, bare form D ms".
inline void report(const char *what, const Pair &figures)
{
    std::printf("open %-25s median %6.2f ms | bare form median %6.2f ms | ratio %.2f | close %6.2f ms, bare form %6.2f ms\n",
                what, figures.dialog.openMs, figures.bare.openMs, figures.ratio(), figures.dialog.closeMs,
                figures.bare.closeMs);
}

// Builds and shows a dialog of the editor (its parent: none).
template <typename Dialog, typename... Arguments>
QWidget *openDialog(Arguments... arguments)
{
    auto *dialog = new Dialog(nullptr, arguments...);
    dialog->show();
    return dialog;
}

template <typename Form>
QWidget *openBareForm()
{
    auto *dialog = new QDialog;
    Form form;
    form.setupUi(dialog);
    dialog->show();
    return dialog;
}

} // namespace dialogtiming
