#pragma once

#include "notes_file.h"

#include <QString>

// The notes kept with a version of a memory (version_keeping.h), read for a
// compare and put back with the version by a restore.

// The notes of the version at `versionPath`; empty, with no error, when it
// was kept without any.
NotesRead version_notes(const QString &versionPath);

// The notes the memory file at `memoryPath` has beside it now.
NotesRead current_notes(const QString &memoryPath);

// After the version at `versionPath` was put back into `memoryPath`: its
// notes go back beside it, byte for byte. A version kept without notes
// leaves the memory with none. False, with the reason in `error`, when the
// notes file could not be written.
bool restore_version_notes(const QString &versionPath, const QString &memoryPath, QString *error = nullptr);
