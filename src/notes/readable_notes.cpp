#include "readable_notes.h"

#include "notes_json.h"
#include "preset_list.h"
#include "readable_form.h"

#include <QJsonDocument>

QByteArray with_readable_notes(const QByteArray &document, const PresetNotes &notes, const QVector<int> &records)
{
    QByteArray entries;
    for (int record : records) {
        const PresetNote note = notes.value(record);
        if (note.isEmpty())
            continue;
        // One line a note, as the presets have one line a field.
        entries += entries.isEmpty() ? "\n        " : ",\n        ";
        entries += QJsonDocument(note_entry(preset_number_text(record), note)).toJson(QJsonDocument::Compact);
    }
    const int end = document.lastIndexOf('}');
    if (entries.isEmpty() || end < 0)
        return document;
    int close = end;
    while (close > 0 && (document.at(close - 1) == '\n' || document.at(close - 1) == ' '))
        --close;
    return document.left(close) + ",\n    \"" + readable::kNotes + "\": [" + entries + "\n    ]\n"
        + document.mid(end);
}

ReadableNotes read_readable_notes(const QByteArray &json, const QVector<int> &records)
{
    ReadableNotes result;
    const QJsonValue list = QJsonDocument::fromJson(json).object().value(QLatin1String(readable::kNotes));
    if (list.isUndefined())
        return result;
    if (!list.isArray()) {
        result.error = QStringLiteral("notes: not a list");
        return result;
    }
    const NotesByKey entries = read_note_entries(list.toArray(), QStringLiteral("notes"), &result.error);
    for (auto it = entries.begin(); result.ok() && it != entries.end(); ++it) {
        QString reason;
        const int record = parse_preset_number(it.key(), &reason);
        if (record < 0)
            result.error = it.value().path + QStringLiteral(".slot: ") + reason;
        else if (!records.contains(record))
            result.error = it.value().path + QStringLiteral(".slot: %1 is not the slot of a preset in the document")
                                                 .arg(preset_number_text(record));
        else
            result.notes.insert(record, it.value().note);
    }
    if (!result.ok())
        result.notes.clear();
    return result;
}

QMap<int, PresetNote> notes_moved_to(const QMap<int, PresetNote> &read, const QVector<int> &records,
                                     const QVector<int> &targets)
{
    QMap<int, PresetNote> moved;
    for (int k = 0; k < records.size() && k < targets.size(); ++k)
        if (read.contains(records[k]))
            moved.insert(targets[k], read.value(records[k]));
    return moved;
}
