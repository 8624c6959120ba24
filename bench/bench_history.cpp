// The history of the configuration file: what keeping a version adds to a
// save (the same save with the history on and off, in alternating blocks,
// the folder already full so that every save also drops the oldest), and
// the History dialog opening on 200 versions up to its first frame, beside
// its bare form (see dialog_timing.h), with every summary worked out apart.

#include "default_image.h"
#include "dialog_timing.h"
#include "historydialog.h"
#include "image_layout.h"
#include "file_bytes.h"
#include "configuration_saves.h"
#include "store.h"
#include "ui_historydialog.h"
#include "version_keeping.h"
#include "version_list_model.h"
#include "version_name.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <vector>

namespace {

// One save of an image that differs from the file, so that the history
// keeps a version each time it is on.
double timedSave(int round)
{
    unsigned char *image = config_image();
    image[layout::presetOffset(round % layout::kPresetCount)] ^= 0x01;
    QElapsedTimer clock;
    clock.start();
    save_image(SaveOperation::PresetSave);
    return double(clock.nsecsElapsed()) / 1e6;
}

// 200 versions, each with one more preset renamed than the one before.
void fillHistory()
{
    const QString folder = history_folder(file_paths().configuration);
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QByteArray image(layout::kImageSize, '\0');
    fill_default_image(reinterpret_cast<unsigned char *>(image.data()));
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-10);
    for (int i = 0; i < kKeptVersions; ++i) {
        image[layout::presetOffset(i % layout::kPresetCount) + layout::preset::kName] = char('A' + i % 26);
        QFile file(folder + QLatin1Char('/') + version_file_name(start.addSecs(60 * i), SaveOperation::PresetSave,
                                                                QStringLiteral("memory.bin")));
        file.open(QIODevice::WriteOnly);
        file.write(image);
    }
    image[layout::kMidiChannel] = 3; // the file now: one more change
    QFile current(file_paths().configuration);
    current.open(QIODevice::WriteOnly);
    current.write(image);
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

    fillHistory();
    std::vector<double> on, off;
    int round = 0;
    for (int block = 0; block < rounds * 2; ++block) {
        const bool keeping = block % 2 == 0;
        set_history_enabled(keeping);
        for (int i = 0; i < 16; ++i) {
            const double ms = timedSave(round++);
            if (i > 0) // the first of a block pays for the other side
                (keeping ? on : off).push_back(ms);
        }
    }
    set_history_enabled(true);
    const double onMs = median(on);
    const double offMs = median(off);
    std::printf("save with history median %6.3f ms | without history median %6.3f ms | more %6.3f ms\n", onMs, offMs,
                onMs - offMs);

    // The history's own part of a save, clocked around the write: the
    // write's sync to disk varies more from one save to the next than the
    // whole of what the history adds.
    std::vector<double> own;
    for (int i = 0; i < 15 * rounds; ++i) {
        unsigned char *image = config_image();
        image[layout::presetOffset(i % layout::kPresetCount)] ^= 0x02;
        const QByteArray bytes(reinterpret_cast<const char *>(image), layout::kImageSize);
        QElapsedTimer clock;
        clock.start();
        PendingVersion kept = keep_version_before_replacing(file_paths().configuration, bytes,
                                                            SaveOperation::PresetSave);
        qint64 spent = clock.nsecsElapsed();
        write_file(file_paths().configuration, bytes);
        clock.restart();
        kept.commit();
        spent += clock.nsecsElapsed();
        own.push_back(double(spent) / 1e6);
    }
    std::printf("keeping a version alone median %6.3f ms (read and compare the file, link it, drop the oldest)\n",
                median(own));

    fillHistory();
    const auto painted = [](QWidget *(*open)()) {
        return [open] {
            QWidget *window = open();
            QApplication::processEvents();
            return window;
        };
    };
    delete openBareForm<Ui::historydialog>();
    delete openDialog<historydialog>();
    report("history, 200 versions", measure(painted(openDialog<historydialog>),
                                            painted(openBareForm<Ui::historydialog>), rounds));

    // Worst case: a view that asks for every summary at once.
    std::vector<double> all;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer clock;
        clock.start();
        VersionListModel model;
        model.load(file_paths().configuration);
        for (int row = 0; row < model.rowCount(); ++row)
            model.index(row, VersionListModel::ChangesColumn).data();
        all.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("all 200 summaries median %6.2f ms (list, read every version, compare each with the next)\n",
                median(all));
    return 0;
}
