#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// What a player keeps about a preset that its 16-character name cannot hold:
// a note of free text and a few tags. They live beside the memory, never in
// its bytes, one entry per slot.

namespace notelimit {
constexpr int kNoteLength = 2000;
constexpr int kTagLength = 32;
constexpr int kTagsPerPreset = 16;
} // namespace notelimit

struct PresetNote {
    QString text;     // several lines, at most kNoteLength characters
    QStringList tags; // lower case, each once, in the order given
    bool isEmpty() const { return text.isEmpty() && tags.isEmpty(); }
    bool operator==(const PresetNote &other) const { return text == other.text && tags == other.tags; }
    bool operator!=(const PresetNote &other) const { return !(*this == other); }
};

// One entry per preset record, 0..269.
using PresetNotes = QVector<PresetNote>;
PresetNotes empty_notes();
bool all_empty(const PresetNotes &notes);

// Why each cannot be kept as it is, or an empty text when it can.
QString note_text_refusal(const QString &text);
QString tag_refusal(const QString &tag);
QString tag_list_refusal(const QStringList &tags);
QString note_refusal(const PresetNote &note);

// Tags as typed, separated by spaces or commas, a leading '#' allowed:
// lower case, each once. `refusal` gets the first reason when one is refused.
QStringList parse_tags(const QString &typed, QString *refusal);
// The tags as they are typed back: "verse capo-2".
QString tags_text(const QStringList &tags);

// The first line of the note, for a column or a setlist.
QString first_line(const QString &text);
// "#verse #capo-2 roll the volume back": the tags and the first line.
QString note_summary(const PresetNote &note);

// Every tag in use, sorted, each once.
QStringList used_tags(const PresetNotes &notes);
