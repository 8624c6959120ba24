#include "notes_file.h"

#include "file_bytes.h"
#include "image_layout.h"
#include "notes_json.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString notes_file_path(const QString &memoryPath)
{
    const QFileInfo memory(memoryPath);
    const QString base = memory.suffix().isEmpty() ? memory.fileName() : memory.completeBaseName();
    return memory.path() + QLatin1Char('/') + base + QStringLiteral(".notes.json");
}

NotesRead parse_notes(const QByteArray &json, qint64 memorySize)
{
    NotesRead read;
    read.present = true;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        read.error = QStringLiteral("not JSON: %1 at character %2").arg(parseError.errorString()).arg(parseError.offset);
        return read;
    }
    if (!document.isObject()) {
        read.error = QStringLiteral("not a notes file: it is not a JSON object");
        return read;
    }
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(notesfile::kFormat)) {
        read.error = QStringLiteral("format: not \"%1\"; this is not a notes file").arg(QLatin1String(notesfile::kFormat));
        return read;
    }
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() > notesfile::kVersion) {
        read.error = QStringLiteral("version: not a version this program reads (%1)").arg(notesfile::kVersion);
        return read;
    }
    const QJsonValue size = root.value(QLatin1String("memoryBytes"));
    if (!size.isDouble() || size.toDouble() != double(memorySize)) {
        read.error = size.isDouble()
            ? QStringLiteral("memoryBytes: the notes are for a memory of %1 bytes, not of %2")
                  .arg(qint64(size.toDouble()))
                  .arg(memorySize)
            : QStringLiteral("memoryBytes: missing");
        return read;
    }
    const QJsonValue presets = root.value(QLatin1String("presets"));
    if (!presets.isArray()) {
        read.error = QStringLiteral("presets: not a list");
        return read;
    }
    const NotesByKey entries = read_note_entries(presets.toArray(), QStringLiteral("presets"), &read.error);
    if (!read.ok())
        return read;
    PresetNotes notes = empty_notes();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        bool number = false;
        const int slot = it.key().toInt(&number);
        if (!number || slot < 0 || slot >= layout::kPresetCount) {
            // Nothing is taken from a refused file, not even its good entries.
            read.error = QStringLiteral("%1: slot %2 is outside 0\u2013%3")
                             .arg(it.value().path, it.key())
                             .arg(layout::kPresetCount - 1);
            return read;
        }
        notes[slot] = it.value().note;
    }
    read.notes = notes;
    return read;
}

NotesRead read_notes_file(const QString &path, qint64 memorySize)
{
    if (!QFileInfo::exists(path))
        return NotesRead();
    const FileRead file = read_file(path, FileKind::Notes);
    NotesRead read;
    read.present = true;
    if (!file.ok())
        read.error = file.error;
    else if (file.cut())
        read.error = QStringLiteral("far larger than any notes file");
    else
        read = parse_notes(file.bytes, memorySize);
    return read;
}

QByteArray notes_file_bytes(const PresetNotes &notes, qint64 memorySize)
{
    QJsonObject root;
    root.insert(QLatin1String("format"), QLatin1String(notesfile::kFormat));
    root.insert(QLatin1String("version"), notesfile::kVersion);
    root.insert(QLatin1String("memoryBytes"), double(memorySize));
    QJsonArray presets;
    for (int slot = 0; slot < notes.size(); ++slot)
        if (!notes[slot].isEmpty())
            presets.append(note_entry(QJsonValue(slot), notes[slot]));
    root.insert(QLatin1String("presets"), presets);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool write_notes_file(const QString &path, const PresetNotes &notes, qint64 memorySize, QString *error)
{
    return write_file(path, notes_file_bytes(notes, memorySize), error);
}
