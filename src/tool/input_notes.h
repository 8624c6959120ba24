#pragma once

#include "memory_input.h"
#include "preset_notes.h"

#include <QString>

// The notes that go with a MEMORY argument: the notes file beside a memory
// file, the "notes" key of a readable document; a dump has none.
struct InputNotes {
    PresetNotes notes = empty_notes();
    QString problem; // why they could not be read: "memory.notes.json: not JSON: ..."
};

InputNotes notes_of_input(const QString &path, const MemoryInput &input);
