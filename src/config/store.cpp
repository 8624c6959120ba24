#include "store.h"

#include "default_image.h"
#include "image_layout.h"
#include "version_keeping.h"

#include <cstring>
#include <vector>

namespace {

unsigned char *g_image = nullptr;
unsigned char *g_sibling = nullptr;
QString g_saveError;

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
    return read_file_bytes(ensure_image(), file_paths().configuration, layout::kImageSize);
}

// Every write of the configuration file passes here, so no replaced file
// escapes the history.
bool save_configuration_bytes(const QByteArray &bytes, SaveOperation operation)
{
    return write_keeping_version(file_paths().configuration, bytes, operation, &g_saveError);
}

bool save_image(SaveOperation operation)
{
    return save_configuration_bytes(
        QByteArray::fromRawData(reinterpret_cast<const char *>(ensure_image()), layout::kImageSize), operation);
}

QString last_save_error()
{
    return g_saveError;
}

bool init_default_image()
{
    fill_default_image(ensure_image());
    return save_image(SaveOperation::FactoryReset);
}

bool copy_preset(int from, int to)
{
    load_image();
    unsigned char *image = ensure_image();
    std::memmove(image + layout::presetOffset(to), image + layout::presetOffset(from),
                 layout::kPresetRecordSize);
    return save_image(SaveOperation::CopyPreset);
}

int load_sibling_image()
{
    std::vector<unsigned char> bytes(layout::kSiblingImageSize);
    const int read = read_file_bytes(bytes.data(), file_paths().sibling, layout::kSiblingImageSize);
    if (read < 0)
        return -1;
    if (!g_sibling)
        g_sibling = new unsigned char[layout::kSiblingImageSize]();
    // A shorter file must not leave an earlier file's bytes behind it.
    std::memcpy(g_sibling, bytes.data(), size_t(read));
    std::memset(g_sibling + read, 0, size_t(layout::kSiblingImageSize - read));
    return read;
}

unsigned char *sibling_image()
{
    return g_sibling;
}
