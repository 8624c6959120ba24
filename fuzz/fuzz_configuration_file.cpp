// Any file chosen as the configuration ("Open file..."), or found as the
// Kestrel's memory: loading it, opening the editors on it and storing their
// forms back, and importing it as a Kestrel memory, must stay inside the
// images whatever the bytes say.

#include "globaldialog.h"
#include "image_layout.h"
#include "kestrel_import.h"
#include "presetsdialog.h"
#include "store.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
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
    static QTemporaryDir *dir = [] {
        auto *made = new QTemporaryDir;
        QDir().mkpath(made->path() + "/Stompwerk/Kestrel");
        // The import's trace would flood the fuzzer's log.
        if (!std::freopen("/dev/null", "w", stdout))
            std::abort();
        return made;
    }();
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
    if (write_file_bytes(data, file_paths().sibling, int(size)) == 1 && load_sibling_image() >= 0)
        import_kestrel_image(sibling_image(), config_image());
    return 0;
}
