#pragma once

// Times opening a dialog (construct and show) beside opening its bare
// designer form (setupUi and show) and that form given the dialog's lists
// (form_lists.h), and closing each (destruction) apart.
//
// The three run in alternating blocks, not strictly by turns: what one run
// leaves behind (freed memory the allocator sorts out on the next large
// request, caches filled with its own data) is paid by whatever runs next,
// so strict turns bill each side for the other's leftovers, in favour of
// the side that allocates more. The first run of each block pays for what
// ran before and is dropped. Blocks still alternate, so a load that comes
// and goes on the machine weighs on all alike.

#include "form_lists.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace dialogtiming {

struct Medians {
    double openMs = 0;
    double closeMs = 0;
};

struct Openings {
    Medians dialog;
    Medians bare;
    Medians listed; // the bare form with the dialog's lists
    double ratio() const { return dialog.openMs / bare.openMs; }
    double listedRatio() const { return dialog.openMs / listed.openMs; }
};

// Time spent in work an opening must do but its figure leaves out (the
// utility dialog's MIDI system); whatever measures that work adds to it.
inline qint64 &leftOutNs()
{
    static qint64 total = 0;
    return total;
}

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
        const qint64 leftOutBefore = leftOutNs();
        QElapsedTimer clock;
        clock.start();
        QWidget *window = open();
        const qint64 opened = clock.nsecsElapsed();
        delete window;
        const qint64 closed = clock.nsecsElapsed();
        const qint64 leftOut = leftOutNs() - leftOutBefore;
        // Events the run posted (layout, paint) are handled outside the clock.
        QApplication::processEvents();
        openMs.push_back(double(opened - leftOut) / 1e6);
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

// Runs each opener in turn, `rounds` blocks of `block` runs of each, and
// gives each one's medians.
inline std::vector<Medians> measureEach(const std::vector<std::function<QWidget *()>> &openers, int rounds,
                                        int block = 8)
{
    std::vector<Series> series(openers.size());
    for (int round = 0; round < rounds; ++round) {
        for (size_t k = 0; k < openers.size(); ++k) {
            for (int i = 0; i < block; ++i) {
                series[k].run(openers[k]);
                if (i == 0)
                    series[k].dropLast();
            }
        }
    }
    std::vector<Medians> medians;
    for (const Series &each : series)
        medians.push_back(each.medians());
    return medians;
}

// `open` builds and shows the dialog and hands it over; `openBare` does the
// same with the bare form, `openListed` with the bare form and the lists.
inline Openings measure(const std::function<QWidget *()> &open, const std::function<QWidget *()> &openBare,
                        const std::function<QWidget *()> &openListed, int rounds, int block = 8)
{
    const std::vector<Medians> m = measureEach({openBare, openListed, open}, rounds, block);
    return {m[2], m[0], m[1]};
}

// A dialog with no lists to give: against its bare form alone.
inline Openings measure(const std::function<QWidget *()> &open, const std::function<QWidget *()> &openBare,
                        int rounds, int block = 8)
{
    const std::vector<Medians> m = measureEach({openBare, open}, rounds, block);
    return {m[1], m[0], {}};
}

// The offscreen platform complains about every shown window; other
// warnings still show.
// The median in ms of `repeats` runs of `work(run)`, each with the events it
// posted handled; `before(run)`, when given, runs untimed ahead of each.
inline double medianOfRunsMs(const std::function<void(int)> &work, int repeats,
                             const std::function<void(int)> &before = {})
{
    std::vector<double> ms;
    for (int run = 0; run < repeats; ++run) {
        if (before)
            before(run);
        QElapsedTimer clock;
        clock.start();
        work(run);
        QApplication::processEvents();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return median(ms);
}

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

// The lines bench/run reads:
// "open <what> median X ms | bare form median Y ms | ratio R | close C ms, bare form D ms"
// "lists <what> median X ms | bare form and lists median Y ms | ratio R | lists: N boxes, M entries"
// (the second only for a dialog with lists).
inline void report(const char *what, const Openings &figures)
{
    std::printf("open %-25s median %6.2f ms | bare form median %6.2f ms | ratio %.2f | close %6.2f ms, bare form %6.2f ms\n",
                what, figures.dialog.openMs, figures.bare.openMs, figures.ratio(), figures.dialog.closeMs,
                figures.bare.closeMs);
}

inline void report(const char *what, const Openings &figures, const QString &lists)
{
    report(what, figures);
    std::printf("lists %-24s median %6.2f ms | bare form and lists median %6.2f ms | ratio %.2f | lists: %s\n", what,
                figures.dialog.openMs, figures.listed.openMs, figures.listedRatio(), qPrintable(lists));
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

// The bare form given `lists` before it is shown, as a dialog fills its
// boxes in its constructor; then `more`, when given.
template <typename Form>
QWidget *openListedForm(const FormLists &lists, const std::function<void(QDialog *)> &more = {})
{
    auto *dialog = new QDialog;
    Form form;
    form.setupUi(dialog);
    lists.giveTo(dialog);
    if (more)
        more(dialog);
    dialog->show();
    return dialog;
}

// The lists `open` gives, against the bare form.
template <typename Form>
FormLists listsOf(const std::function<QWidget *()> &open)
{
    std::unique_ptr<QWidget> dialog(open());
    QDialog bare;
    Form form;
    form.setupUi(&bare);
    return FormLists(dialog.get(), &bare);
}

} // namespace dialogtiming
