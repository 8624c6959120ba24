#pragma once

#include "preset_notes.h"

#include <QByteArray>
#include <QString>

// The notes file beside a memory: memory.bin has memory.notes.json. It names
// the size of the memory it belongs to, so notes are never laid over another
// kind of memory, and holds only the slots that have a note or tags.

namespace notesfile {
constexpr char kFormat[] = "vektor-notes";
constexpr int kVersion = 1;
} // namespace notesfile

// "<folder>/<memory's name without its last suffix>.notes.json".
QString notes_file_path(const QString &memoryPath);

struct NotesRead {
    PresetNotes notes = empty_notes();
    bool present = false; // a notes file was there
    QString error;        // why the file is refused, whole; empty when read
    bool ok() const { return error.isEmpty(); }
};

// Checks all of `json` before anything is taken from it; `memorySize` is the
// size of the memory the notes are for.
NotesRead parse_notes(const QByteArray &json, qint64 memorySize);
// No file is no error: the memory then has empty notes.
NotesRead read_notes_file(const QString &path, qint64 memorySize);

QByteArray notes_file_bytes(const PresetNotes &notes, qint64 memorySize);
// Written whole, or not at all.
bool write_notes_file(const QString &path, const PresetNotes &notes, qint64 memorySize, QString *error = nullptr);
