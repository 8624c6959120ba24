#include "notes_diff.h"

#include "fields.h"
#include "image_layout.h"
#include "preset_list.h"

namespace {

// A note is shown by its first line, marked when more follows.
QString shownNote(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("none");
    const QString line = first_line(text);
    return QLatin1Char('"') + line + (line.size() < text.trimmed().size() ? QStringLiteral("...\"") : QStringLiteral("\""));
}

QString tagWords(const QStringList &tags)
{
    QStringList words;
    for (const QString &tag : tags)
        words << QLatin1Char('#') + tag;
    return words.join(QStringLiteral(", "));
}

} // namespace

QVector<NoteChange> compare_notes(const PresetNotes &before, const PresetNotes &after)
{
    QVector<NoteChange> changes;
    for (int i = 0; i < layout::kPresetCount; ++i) {
        const PresetNote was = before.value(i), now = after.value(i);
        if (was.text != now.text)
            changes.append({i, QStringLiteral("note: %1 -> %2").arg(shownNote(was.text), shownNote(now.text))});
        if (was.tags != now.tags) {
            QStringList added, taken;
            for (const QString &tag : now.tags)
                if (!was.tags.contains(tag))
                    added << tag;
            for (const QString &tag : was.tags)
                if (!now.tags.contains(tag))
                    taken << tag;
            QStringList parts;
            if (!added.isEmpty())
                parts << QStringLiteral("added ") + tagWords(added);
            if (!taken.isEmpty())
                parts << QStringLiteral("taken away ") + tagWords(taken);
            if (parts.isEmpty())
                parts << QStringLiteral("in another order: ") + tagWords(now.tags);
            changes.append({i, QStringLiteral("tags: ") + parts.join(QStringLiteral("; "))});
        }
    }
    return changes;
}

QStringList note_change_lines(const QVector<NoteChange> &changes, const unsigned char *image)
{
    QStringList lines;
    for (const NoteChange &change : changes)
        lines << QStringLiteral("preset %1 \"%2\" %3")
                     .arg(preset_number_text(change.record),
                          name_text(image + layout::presetOffset(change.record) + layout::preset::kName), change.what);
    return lines;
}

QString note_change_summary(const QVector<NoteChange> &changes)
{
    QVector<int> records;
    for (const NoteChange &change : changes)
        if (!records.contains(change.record))
            records << change.record;
    return records.size() == 1 ? QStringLiteral("notes of preset %1").arg(preset_number_text(records.first()))
                               : QStringLiteral("notes of %1 presets").arg(records.size());
}
