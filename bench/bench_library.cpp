// Opening the preset library with 270 presets beside its bare designer form
// (see dialog_timing.h for the method), and the edits a musician makes in
// it, each timed with the table repainted afterwards.

#include "dialog_timing.h"
#include "full_rig.h"
#include "librarydialog.h"
#include "preset_operations.h"
#include "presetfiltermodel.h"
#include "presetlibrarymodel.h"
#include "configuration_saves.h"
#include "store.h"
#include "ui_librarydialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QUndoStack>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRepeats = 101;

// The median of `repeats` runs of `edit` (given the run's number), each
// with the events it posted (the table's repaint) handled on the clock.
double editMs(const std::function<void(int)> &edit, int repeats = kRepeats)
{
    std::vector<double> ms;
    for (int run = 0; run < repeats; ++run) {
        QElapsedTimer clock;
        clock.start();
        edit(run);
        QApplication::processEvents();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return dialogtiming::median(ms);
}

void reportEdit(const char *what, double ms)
{
    std::printf("edit %-25s median %6.3f ms (table repainted)\n", what, ms);
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace dialogtiming;
    preferOffscreen();
    QApplication app(argc, argv);
    qInstallMessageHandler(dropPlatformNoise);
    TemporaryHome home;
    set_paths_for_home(home.folder.path());
    init_default_image();
    const int rounds = roundsFrom(argc, argv);

    // Fonts and styles load on first use; keep that out of the figures.
    delete openBareForm<Ui::librarydialog>();
    delete openDialog<librarydialog>();
    report("library dialog", measure(openDialog<librarydialog>, openBareForm<Ui::librarydialog>, rounds));
    // The same up to the first frame on screen: the table's rows are read
    // and drawn only when it is painted.
    const auto painted = [](QWidget *(*open)()) {
        return [open] {
            QWidget *window = open();
            QApplication::processEvents();
            return window;
        };
    };
    report("library, first frame", measure(painted(openDialog<librarydialog>), painted(openBareForm<Ui::librarydialog>),
                                           rounds));
    // The same with every device's sounds named: each program change of the
    // rows drawn looks up its sound.
    set_rig_names(fullRig());
    report("library-named, first frame", measure(painted(openDialog<librarydialog>),
                                                 painted(openBareForm<Ui::librarydialog>), rounds));
    set_rig_names(RigNames());

    librarydialog dialog;
    dialog.show();
    QApplication::processEvents();
    PresetLibraryModel *model = dialog.model();
    QUndoStack *stack = model->undoStack();
    reportEdit("swap", editMs([&](int run) { model->swap(run % 9, 100 + run % 9); }));
    reportEdit("move", editMs([&](int run) { model->move({run % 200}, 1); }));
    reportEdit("rename", editMs([&](int run) { model->rename(run % 9, QStringLiteral("Song %1").arg(run)); }));
    // Banks 0 and 1 in turn, over banks 2..28: every copy changes its target.
    reportEdit("copy of a bank", editMs([&](int run) { model->copy(bank_records(run % 2), 9 * (2 + run % 27)); }));
    // Undo and redo steps of every kind made above.
    const int steps = stack->count();
    reportEdit("undo", editMs([&](int) { stack->undo(); }, steps));
    reportEdit("redo", editMs([&](int) { stack->redo(); }, steps));
    // A find typed key by key, then emptied: each key press narrows (or
    // widens) the table through the filter.
    auto *find = dialog.findChild<QLineEdit *>("filterEdit");
    const QStringList typed{QStringLiteral("s"), QStringLiteral("so"), QStringLiteral("son"), QStringLiteral("song"),
                            QStringLiteral("song 1"), QStringLiteral("pc 1"), QStringLiteral("pc 12"),
                            QStringLiteral("unnamed"), QStringLiteral("quill"), QString()};
    reportEdit("find key press", editMs([&](int run) { find->setText(typed[run % typed.size()]); }));
    // The filter alone, without a table to lay out again.
    PresetFilterModel filter(model);
    std::printf("edit %-25s median %6.3f ms (no table)\n", "find, filter alone", editMs([&](int run) {
        filter.setFindText(typed[run % typed.size()]);
        filter.rowCount(); // the proxy filters when asked
    }));
    return 0;
}
