#include "store.h"

#include "default_image.h"
#include "image_layout.h"

#include <QFile>
#include <QSaveFile>

#include <cstring>

namespace {

unsigned char *g_image = nullptr;
unsigned char *g_sibling = nullptr;

// Reads until `max` bytes or end of file, so pipes and short reads behave
// like a plain file.
int readUpTo(QFile &file, unsigned char *buffer, int max)
{
    int total = 0;
    while (total < max) {
        const qint64 n = file.read(reinterpret_cast<char *>(buffer) + total, max - total);
        if (n <= 0)
            break;
        total += int(n);
    }
    return total;
}

} // namespace

FilePaths &file_paths()
{
    static FilePaths paths;
    return paths;
}

void set_paths_for_home(const QString &home)
{
    FilePaths &p = file_paths();
    p.configuration = home + QStringLiteral("/Stompwerk/Vektor/memory.bin");
    p.sibling = home + QStringLiteral("/Stompwerk/Kestrel/memory.bin");
    p.dump = home + QStringLiteral("/Stompwerk/Vektor/memory.syx");
    p.firmwareSysex = home + QStringLiteral("/Stompwerk/Vektor/update.syx");
    p.firmwareBinary = home + QStringLiteral("/Stompwerk/Vektor/update.bin");
}

unsigned char *ensure_image()
{
    if (!g_image)
        g_image = new unsigned char[layout::kImageSize]();
    return g_image;
}

int load_image()
{
    QFile file(file_paths().configuration);
    if (file_paths().configuration.isEmpty() || !file.open(QIODevice::ReadOnly))
        return -1;
    return readUpTo(file, ensure_image(), layout::kImageSize);
}

bool save_image()
{
    return write_file_bytes(ensure_image(), file_paths().configuration, layout::kImageSize) == 1;
}

bool init_default_image()
{
    fill_default_image(ensure_image());
    return save_image();
}

bool copy_preset(int from, int to)
{
    load_image();
    unsigned char *image = ensure_image();
    std::memmove(image + layout::presetOffset(to), image + layout::presetOffset(from),
                 layout::kPresetRecordSize);
    return save_image();
}

int load_sibling_image()
{
    QFile file(file_paths().sibling);
    if (file_paths().sibling.isEmpty() || !file.open(QIODevice::ReadOnly))
        return -1;
    if (!g_sibling)
        g_sibling = new unsigned char[layout::kSiblingImageSize]();
    // A shorter file must not leave an earlier file's bytes behind it.
    const int read = readUpTo(file, g_sibling, layout::kSiblingImageSize);
    std::memset(g_sibling + read, 0, size_t(layout::kSiblingImageSize - read));
    return read;
}

unsigned char *sibling_image()
{
    return g_sibling;
}

int read_file_bytes(unsigned char *buffer, const QString &path, int max)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return -1;
    return readUpTo(file, buffer, qMax(max, 0));
}

int write_file_bytes(const unsigned char *data, const QString &path, int length)
{
    // A temporary file renamed over the target: a crash or a full disk never
    // leaves a torn file behind.
    QSaveFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly))
        return -1;
    const qint64 written = file.write(reinterpret_cast<const char *>(data), qMax(length, 0));
    if (written != qMax(length, 0)) {
        file.cancelWriting(); // the destructor drops the temporary file
        return 0;
    }
    return file.commit() ? 1 : 0;
}
