#include "memory_file_write.h"

#include "backup.h"
#include "file_bytes.h"
#include "history_keeping.h"
#include "notes_file.h"
#include "store.h"
#include "version_keeping.h"

#include <QFileInfo>

bool keeps_history(const QString &path)
{
    return path == file_paths().configuration || QFileInfo(history_folder(path)).isDir();
}

MemoryFileWrite replace_memory_file(const QString &path, const QByteArray &bytes, SaveOperation operation,
                                    KeepBackup backup)
{
    MemoryFileWrite result;
    if (backup == KeepBackup::Yes && !backup_file(path, &result.reason)) {
        result.failure = MemoryFileWrite::Failure::Backup;
        return result;
    }
    PendingVersion kept;
    if (keeps_history(path)) {
        kept = keep_version_before_replacing(path, bytes, operation);
        kept.keepNotes(notes_file_path(path));
    }
    if (!write_file(path, bytes, &result.reason)) {
        // The file was not replaced, so it is no earlier version yet.
        kept.discard();
        result.failure = MemoryFileWrite::Failure::Write;
        return result;
    }
    kept.commit();
    return result;
}
