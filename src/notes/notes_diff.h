#pragma once

#include "preset_notes.h"

#include <QStringList>
#include <QVector>

// What changed in the notes from one memory to another, slot by slot, as the
// compare of the memories writes its lines.

struct NoteChange {
    int record;
    QString what; // "note: \"capo 2\" -> \"capo 3\"", "tags: added #verse; taken away #live"
};

QVector<NoteChange> compare_notes(const PresetNotes &before, const PresetNotes &after);

// "preset 014 \"Verse\" tags: added #verse", the name as `image` has it.
QStringList note_change_lines(const QVector<NoteChange> &changes, const unsigned char *image);

// "notes of 2 presets", for a summary line.
QString note_change_summary(const QVector<NoteChange> &changes);
