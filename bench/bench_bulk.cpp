// Edit Selected over all 270 presets: a field chosen and its preview listed
// (every preset changes), a value chosen, and the change applied and undone
// in the library with its table repainted. Medians of many runs.

#include "bulkeditdialog.h"
#include "configuration_saves.h"
#include "dialog_timing.h"
#include "image_edit_command.h"
#include "image_layout.h"
#include "librarydialog.h"
#include "presetlibrarymodel.h"
#include "store.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QUndoStack>

#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

namespace {

constexpr int kRepeats = 101;

double medianMs(const std::function<void(int)> &work, const std::function<void(int)> &before = {})
{
    return dialogtiming::medianOfRunsMs(work, kRepeats, before);
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

    librarydialog library;
    library.show();
    QApplication::processEvents();
    QVector<int> all(layout::kPresetCount);
    std::iota(all.begin(), all.end(), 0);
    library.selectRecords(all);

    bulkeditdialog dialog(&library, library.model()->image(), all);
    dialog.show();
    QApplication::processEvents();
    // Devices 3 and 4 call a different program in every preset: choosing
    // either field lists its 382 values and previews 270 changes.
    const QString numbers[] = {QStringLiteral("Device 3 (Device 2): program change number"),
                               QStringLiteral("Device 4 (Device 3): program change number")};
    std::printf("bulk edit field and preview over 270 presets median %6.3f ms\n",
                medianMs([&](int run) { dialog.chooseField(numbers[run % 2]); }));
    dialog.chooseField(QStringLiteral("Relay 2"));
    const QString switching[] = {QStringLiteral("on"), QStringLiteral("unchanged")};
    std::printf("bulk edit value and preview over 270 presets median %6.3f ms\n",
                medianMs([&](int run) { dialog.chooseValue(switching[run % 2]); }));

    // The step OK makes, then its undo, each with the table repainted.
    PresetLibraryModel *model = library.model();
    QUndoStack *stack = model->undoStack();
    const auto apply = [&](int) {
        QVector<ImageSpan> spans;
        for (const PresetFieldChange &change : dialog.result().changes)
            spans.append({change.offset, change.before, change.after});
        stack->push(new ImageEditCommand(model, dialog.changeText(), spans));
    };
    const auto undo = [&](int) { stack->undo(); };
    std::printf("bulk edit apply median %6.3f ms (table repainted)\n", medianMs(apply, undo));
    std::printf("bulk edit undo median %6.3f ms (table repainted)\n", medianMs(undo, apply));
    return 0;
}
