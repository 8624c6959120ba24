#include "configuration_saves.h"

#include "default_image.h"
#include "image_layout.h"
#include "store.h"

#include <cstring>

namespace {

MemoryFileWrite g_lastSave;

} // namespace

bool save_configuration_bytes(const QByteArray &bytes, SaveOperation operation, KeepBackup backup)
{
    g_lastSave = replace_memory_file(file_paths().configuration, bytes, operation, backup);
    return g_lastSave.written();
}

bool save_image(SaveOperation operation, KeepBackup backup)
{
    return save_configuration_bytes(
        QByteArray::fromRawData(reinterpret_cast<const char *>(ensure_image()), layout::kImageSize), operation,
        backup);
}

QString last_save_error()
{
    return g_lastSave.reason;
}

bool last_save_failed_at_backup()
{
    return g_lastSave.failure == MemoryFileWrite::Failure::Backup;
}

bool init_default_image(KeepBackup backup)
{
    QByteArray image(layout::kImageSize, '\0');
    fill_default_image(reinterpret_cast<unsigned char *>(image.data()));
    const bool saved = save_configuration_bytes(image, SaveOperation::FactoryReset, backup);
    // Without the copy the user was promised, nothing changes, in memory either.
    if (!last_save_failed_at_backup())
        std::memcpy(ensure_image(), image.constData(), layout::kImageSize);
    return saved;
}

bool copy_preset(int from, int to)
{
    load_image();
    unsigned char *image = ensure_image();
    std::memmove(image + layout::presetOffset(to), image + layout::presetOffset(from),
                 layout::kPresetRecordSize);
    return save_image(SaveOperation::CopyPreset);
}
