#include "memory_output.h"

#include "file_bytes.h"
#include "version_keeping.h"

#include <QFileInfo>

bool write_memory_file(const QString &path, const QByteArray &bytes, SaveOperation operation)
{
    PendingVersion kept;
    if (QFileInfo(history_folder(path)).isDir())
        kept = keep_version_before_replacing(path, bytes, operation);
    if (!write_file(path, bytes)) {
        kept.discard();
        return false;
    }
    kept.commit();
    return true;
}
