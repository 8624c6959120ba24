#include "store.h"

#include "image_layout.h"

#include <cstring>
#include <vector>

namespace {

unsigned char *g_image = nullptr;
unsigned char *g_sibling = nullptr;

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

int read_image_file(const QString &path, unsigned char *image)
{
    const FileRead read = read_file(path, FileKind::Memory);
    if (!read.ok())
        return -1;
    const int count = int(qMin<qint64>(read.bytes.size(), layout::kImageSize));
    std::memcpy(image, read.bytes.constData(), size_t(count));
    return count;
}

int load_image()
{
    return read_image_file(file_paths().configuration, ensure_image());
}

int load_sibling_image()
{
    const FileRead file = read_file(file_paths().sibling, FileKind::Kestrel);
    if (!file.ok())
        return -1;
    const int read = file.bytes.size();
    if (!g_sibling)
        g_sibling = new unsigned char[layout::kSiblingImageSize]();
    // A shorter file must not leave an earlier file's bytes behind it.
    std::memcpy(g_sibling, file.bytes.constData(), size_t(read));
    std::memset(g_sibling + read, 0, size_t(layout::kSiblingImageSize - read));
    return read;
}

unsigned char *sibling_image()
{
    return g_sibling;
}
