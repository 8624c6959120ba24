#include "memory_output.h"

#include "file_bytes.h"
#include "version_keeping.h"

#include <QFileInfo>

bool write_memory_file(const QString &path, const QByteArray &bytes, SaveOperation operation)
{
    if (QFileInfo(history_folder(path)).isDir())
        return write_keeping_version(path, bytes, operation);
    return write_file(path, bytes);
}
