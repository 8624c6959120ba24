#pragma once

#include "notes_file.h"
#include "save_operation.h"

#include <QString>

// The door through which the editor and vektor-tool replace the notes beside
// a memory file. The notes as they were are never lost: when the history is
// kept for the memory and the memory itself was not just replaced (which
// keeps them with its own version), the memory as it stands is kept as a
// version with the notes as they were, and then the notes are written whole.

enum class MemoryVersion {
    NotKept,  // the memory was left as it was: keep it now with the notes
    JustKept, // the memory was just replaced: its version holds these notes
};

// True when written (or when the file already holds these notes); on
// failure the old notes stay and `error` says why.
bool replace_notes_file(const QString &memoryPath, const PresetNotes &notes, qint64 memorySize,
                        SaveOperation operation, MemoryVersion memory, QString *error = nullptr);
