#pragma once

#include "preset_notes.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

// One entry of notes in JSON, as the notes file and the readable document
// both hold them: {"slot": ..., "note": "...", "tags": ["verse", "capo-2"]},
// with "note" and "tags" left out when empty.

QJsonObject note_entry(const QJsonValue &slot, const PresetNote &note);

struct NoteEntry {
    QString path; // "presets[3]", for the message about it
    PresetNote note;
};
// The entries of `list` by their slot as text (a number, or "014"), each
// checked whole; on the first problem, `error` gets it with its path and the
// result is empty.
using NotesByKey = QMap<QString, NoteEntry>;
NotesByKey read_note_entries(const QJsonArray &list, const QString &path, QString *error);
