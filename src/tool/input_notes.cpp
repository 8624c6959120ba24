#include "input_notes.h"

#include "notes_file.h"
#include "readable_notes.h"

#include <QFileInfo>

InputNotes notes_of_input(const QString &path, const MemoryInput &input)
{
    InputNotes result;
    if (input.kind == InputKind::Memory) {
        const QString notesPath = notes_file_path(path);
        const NotesRead read = read_notes_file(notesPath, QFileInfo(path).size());
        if (read.ok())
            result.notes = read.notes;
        else
            result.problem = notesPath + QStringLiteral(": ") + read.error;
    } else if (input.kind == InputKind::Readable) {
        QByteArray json;
        QString error;
        if (!read_whole_file(path, &json, &error)) {
            result.problem = error;
            return result;
        }
        QVector<int> records = input.presets.records;
        if (records.isEmpty())
            for (int i = 0; i < result.notes.size(); ++i)
                records << i;
        const ReadableNotes read = read_readable_notes(json, records);
        if (!read.ok())
            result.problem = path + QStringLiteral(": ") + read.error;
        for (auto it = read.notes.begin(); it != read.notes.end(); ++it)
            result.notes[it.key()] = it.value();
    }
    return result;
}
