// The library with a note and four tags on every one of the 270 presets: its
// first frame, a find by tag, a swap with its notes, and what writing the
// notes file adds to a save.

#include "dialog_timing.h"
#include "image_layout.h"
#include "librarydialog.h"
#include "notes_file.h"
#include "presetfiltermodel.h"
#include "presetlibrarymodel.h"
#include "store.h"
#include "configuration_saves.h"
#include "version_keeping.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRepeats = 101;

double medianMs(const std::function<void(int)> &work, int repeats = kRepeats)
{
    return dialogtiming::medianOfRunsMs(work, repeats);
}

// A note of a few lines and four tags on every preset; one tag of each
// preset is shared by a tenth of them, as a set list would be.
PresetNotes fullNotes()
{
    PresetNotes notes = empty_notes();
    for (int i = 0; i < layout::kPresetCount; ++i)
        notes[i] = {QStringLiteral("verse: roll the volume back %1\ncapo 2, needs a new delay time\nset %2").arg(i).arg(i % 7),
                    {QStringLiteral("set-%1").arg(i % 10), QStringLiteral("song-%1").arg(i), QStringLiteral("live"),
                     QStringLiteral("key-%1").arg(i % 12)}};
    return notes;
}

} // namespace

int main(int argc, char *argv[])
{
    dialogtiming::preferOffscreen();
    QApplication app(argc, argv);
    qInstallMessageHandler(dialogtiming::dropPlatformNoise);
    dialogtiming::TemporaryHome home;
    set_paths_for_home(home.folder.path());
    init_default_image();
    const PresetNotes notes = fullNotes();
    const QString notesPath = notes_file_path(file_paths().configuration);
    write_notes_file(notesPath, notes, layout::kImageSize);

    // The first frame: built, shown and painted, the notes file read.
    delete new librarydialog; // fonts and styles load on first use
    std::printf("notes library, first frame median %6.3f ms\n", medianMs([](int) {
        auto *dialog = new librarydialog;
        dialog->show();
        QApplication::processEvents();
        delete dialog;
    }, 31));

    librarydialog dialog;
    dialog.show();
    QApplication::processEvents();
    PresetLibraryModel *model = dialog.model();
    PresetFilterModel filter(model);
    std::printf("notes find by tag median %6.3f ms\n", medianMs([&](int run) {
        filter.setFindText(QStringLiteral("#set-%1").arg(run % 10));
        filter.rowCount(); // the proxy filters when asked
    }));
    std::printf("notes swap with notes median %6.3f ms\n",
                medianMs([&](int run) { model->swap(run % 9, 100 + run % 9); }));

    // A save of a changed preset, with and without a changed note: the notes
    // file written beside the memory is what the second adds.
    set_history_enabled(false);
    const auto save = [&](int run, bool withNote) {
        model->rename(run % 9, QStringLiteral("Song %1").arg(run));
        if (withNote)
            model->setNote(run % 9, {QStringLiteral("note %1").arg(run), {QStringLiteral("live")}});
        dialog.save();
    };
    std::vector<double> plain, noted;
    for (int block = 0; block < 8; ++block) {
        plain.push_back(medianMs([&](int run) { save(block * 100 + run, false); }, 11));
        noted.push_back(medianMs([&](int run) { save(block * 100 + run, true); }, 11));
    }
    const double plainMs = dialogtiming::median(plain), notedMs = dialogtiming::median(noted);
    std::printf("notes save with notes median %6.3f ms | without notes median %6.3f ms | more %6.3f ms\n", notedMs,
                plainMs, notedMs - plainMs);
    return 0;
}
