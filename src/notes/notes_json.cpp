#include "notes_json.h"

#include <cmath>

QJsonObject note_entry(const QJsonValue &slot, const PresetNote &note)
{
    QJsonObject entry;
    entry.insert(QLatin1String("slot"), slot);
    if (!note.text.isEmpty())
        entry.insert(QLatin1String("note"), note.text);
    if (!note.tags.isEmpty())
        entry.insert(QLatin1String("tags"), QJsonArray::fromStringList(note.tags));
    return entry;
}

namespace {

QString slotKey(const QJsonValue &slot)
{
    if (slot.isString())
        return slot.toString();
    const double number = slot.toDouble(-1);
    if (slot.isDouble() && std::floor(number) == number && std::fabs(number) < 1e9)
        return QString::number(qint64(number));
    return QString();
}

} // namespace

NotesByKey read_note_entries(const QJsonArray &list, const QString &path, QString *error)
{
    NotesByKey entries;
    const auto fail = [&](const QString &at, const QString &reason) {
        *error = at + QStringLiteral(": ") + reason;
        return NotesByKey();
    };
    for (int k = 0; k < list.size(); ++k) {
        const QString at = QStringLiteral("%1[%2]").arg(path).arg(k);
        if (!list.at(k).isObject())
            return fail(at, QStringLiteral("not an object"));
        const QJsonObject object = list.at(k).toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            if (it.key() != QLatin1String("slot") && it.key() != QLatin1String("note")
                && it.key() != QLatin1String("tags"))
                return fail(at + QLatin1Char('.') + it.key(), QStringLiteral("unknown key"));
        const QString key = slotKey(object.value(QLatin1String("slot")));
        if (key.isEmpty())
            return fail(at + QStringLiteral(".slot"), QStringLiteral("missing or not a slot"));
        if (entries.contains(key))
            return fail(at + QStringLiteral(".slot"),
                        QStringLiteral("%1 is already the slot of %2").arg(key, entries.value(key).path));
        NoteEntry entry{at, {}};
        const QJsonValue note = object.value(QLatin1String("note"));
        if (!note.isUndefined() && !note.isString())
            return fail(at + QStringLiteral(".note"), QStringLiteral("not a text"));
        entry.note.text = note.toString();
        const QJsonValue tags = object.value(QLatin1String("tags"));
        if (!tags.isUndefined() && !tags.isArray())
            return fail(at + QStringLiteral(".tags"), QStringLiteral("not a list"));
        for (const QJsonValue &tag : tags.toArray()) {
            if (!tag.isString())
                return fail(at + QStringLiteral(".tags"), QStringLiteral("holds something that is not a text"));
            const QString lower = tag.toString().toLower();
            if (!entry.note.tags.contains(lower))
                entry.note.tags << lower;
            if (!tag_refusal(lower).isEmpty())
                return fail(at + QStringLiteral(".tags"), tag_refusal(tag.toString()));
        }
        const QString refusal = note_refusal(entry.note);
        if (!refusal.isEmpty())
            return fail(at, refusal);
        entries.insert(key, entry);
    }
    return entries;
}
