#pragma once

#include "preset_notes.h"

#include <QVector>

// The notes follow their presets: each rearrangement of the records
// (preset_operations.h) has its twin here, taking the same arguments and
// refusing the same cases, so the library does both in one step.

// Puts old note order[i] into slot i, as reorder_presets does with records.
void reorder_notes(PresetNotes &notes, const QVector<int> &order);
bool swap_note_lists(PresetNotes &notes, const QVector<int> &a, const QVector<int> &b);
bool swap_note_banks(PresetNotes &notes, int bankA, int bankB);
bool move_notes(PresetNotes &notes, const QVector<int> &rows, int step);
// The copies get the notes of their sources.
bool copy_notes(PresetNotes &notes, const QVector<int> &from, int to);
// A preset back to its factory state has no note.
void reset_notes(PresetNotes &notes, const QVector<int> &rows);
