// Any file chosen as the configuration ("Open file..."): loading it and
// opening the editors on it, then storing their forms back, must stay inside
// the image whatever the bytes say.

#include "globaldialog.h"
#include "image_layout.h"
#include "presetsdialog.h"
#include "store.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir *workDir()
{
    static int argc = 1;
    static char name[] = "fuzz_configuration_file";
    static char *argv[] = {name, nullptr};
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
    static QTemporaryDir *dir = new QTemporaryDir;
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTemporaryDir *dir = workDir();
    set_paths_for_home(dir->path());
    file_paths().configuration = dir->path() + "/memory.bin";
    if (write_file_bytes(data, file_paths().configuration, int(size)) != 1)
        return 0;
    load_image();
    {
        globaldialog global(nullptr);
        global.storeToImage(config_image());
    }
    {
        presetsdialog presets(nullptr, config_image());
        presets.storeFormIntoImage();
    }
    return 0;
}
