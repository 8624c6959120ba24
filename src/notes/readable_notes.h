#pragma once

#include "preset_notes.h"

#include <QByteArray>
#include <QMap>
#include <QVector>

// The notes in a readable document: under the key "notes", one entry per
// preset of the document that has a note or tags, named by the slot the
// preset has in the document ("014"). A document whose presets have none has
// no such key, so it is byte for byte what it was before notes existed.

// `document` (export_readable_memory or export_readable_presets of
// `records`) with the notes of those records added.
QByteArray with_readable_notes(const QByteArray &document, const PresetNotes &notes, const QVector<int> &records);

struct ReadableNotes {
    QMap<int, PresetNote> notes; // by the record (slot) the document names
    QString error;               // the first problem: "notes[2].tags: ..."
    bool ok() const { return error.isEmpty(); }
};

// The notes of a document that read_readable() took; `records` are the
// document's slots, and every note must belong to one of them.
ReadableNotes read_readable_notes(const QByteArray &json, const QVector<int> &records);

// The notes `read` holds for records[k], put on targets[k].
QMap<int, PresetNote> notes_moved_to(const QMap<int, PresetNote> &read, const QVector<int> &records,
                                     const QVector<int> &targets);
