#include "version_notes.h"

#include "file_bytes.h"
#include "image_layout.h"
#include "version_keeping.h"

#include <QFileInfo>

NotesRead version_notes(const QString &versionPath)
{
    // A version holds a whole memory: its notes are for one.
    return read_notes_file(version_notes_path(versionPath), layout::kImageSize);
}

NotesRead current_notes(const QString &memoryPath)
{
    const QFileInfo memory(memoryPath);
    return read_notes_file(notes_file_path(memoryPath), memory.exists() ? memory.size() : layout::kImageSize);
}

bool restore_version_notes(const QString &versionPath, const QString &memoryPath, QString *error)
{
    const QString kept = version_notes_path(versionPath);
    const QString notesPath = notes_file_path(memoryPath);
    if (!QFileInfo(kept).isFile()) {
        if (!QFileInfo::exists(notesPath))
            return true;
        return write_notes_file(notesPath, empty_notes(), layout::kImageSize, error);
    }
    const FileRead notes = read_file(kept, FileKind::Notes);
    if (!notes.ok() || notes.cut()) {
        if (error)
            *error = notes.ok() ? QStringLiteral("%1 is too large").arg(kept) : notes.error;
        return false;
    }
    return write_file(notesPath, notes.bytes, error);
}
