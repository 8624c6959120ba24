#include "notes_file_write.h"

#include "file_bytes.h"
#include "history_keeping.h"
#include "version_keeping.h"

#include <QFileInfo>

bool replace_notes_file(const QString &memoryPath, const PresetNotes &notes, qint64 memorySize,
                        SaveOperation operation, MemoryVersion memory, QString *error)
{
    const QString path = notes_file_path(memoryPath);
    const QByteArray bytes = notes_file_bytes(notes, memorySize);
    const FileRead old = read_file(path, FileKind::Notes);
    if (old.ok() && !old.cut() && old.bytes == bytes)
        return true;
    PendingVersion kept;
    if (memory == MemoryVersion::NotKept && keeps_history(memoryPath)) {
        kept = keep_version_as_it_stands(memoryPath, operation);
        kept.keepNotes(path);
    }
    if (!write_file(path, bytes, error)) {
        kept.discard();
        return false;
    }
    kept.commit();
    return true;
}
