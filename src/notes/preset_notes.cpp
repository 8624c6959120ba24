#include "preset_notes.h"

#include "image_layout.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The texts of this file belong to the "PresetNotes" translation context; lupdate
// finds them by the qualified calls.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PresetNotes)
};

bool isTagCharacter(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-';
}

} // namespace

PresetNotes empty_notes()
{
    return PresetNotes(layout::kPresetCount);
}

bool all_empty(const PresetNotes &notes)
{
    return std::all_of(notes.begin(), notes.end(), [](const PresetNote &n) { return n.isEmpty(); });
}

QString note_text_refusal(const QString &text)
{
    if (text.size() > notelimit::kNoteLength)
        return Text::tr("A note holds at most %1 characters; this one has %2.")
            .arg(notelimit::kNoteLength)
            .arg(text.size());
    return QString();
}

QString tag_refusal(const QString &tag)
{
    if (tag.isEmpty())
        return Text::tr("A tag needs at least one letter, digit or \u201c-\u201d.");
    if (tag.size() > notelimit::kTagLength)
        return Text::tr("The tag \u201c%1\u201d is longer than %2 characters.").arg(tag).arg(notelimit::kTagLength);
    for (const QChar c : tag)
        if (!isTagCharacter(c))
            return c.isSpace() ? Text::tr("The tag \u201c%1\u201d holds a space; tags are single words.").arg(tag)
                               : Text::tr("The tag \u201c%1\u201d holds \u201c%2\u201d; tags hold letters, digits "
                                          "and \u201c-\u201d only.")
                                     .arg(tag, QString(c));
    return QString();
}

QString tag_list_refusal(const QStringList &tags)
{
    if (tags.size() > notelimit::kTagsPerPreset)
        return Text::tr("A preset holds at most %1 tags; that would make %2.")
            .arg(notelimit::kTagsPerPreset)
            .arg(tags.size());
    for (const QString &tag : tags) {
        const QString refusal = tag_refusal(tag);
        if (!refusal.isEmpty())
            return refusal;
    }
    return QString();
}

QString note_refusal(const PresetNote &note)
{
    const QString text = note_text_refusal(note.text);
    return text.isEmpty() ? tag_list_refusal(note.tags) : text;
}

QStringList parse_tags(const QString &typed, QString *refusal)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    QStringList tags;
    for (QString word : typed.split(separators, Qt::SkipEmptyParts)) {
        if (word.startsWith(QLatin1Char('#')))
            word.remove(0, 1);
        const QString reason = tag_refusal(word);
        if (!reason.isEmpty()) {
            if (refusal)
                *refusal = reason;
            return {};
        }
        word = word.toLower();
        if (!tags.contains(word))
            tags << word;
    }
    const QString reason = tag_list_refusal(tags);
    if (!reason.isEmpty()) {
        if (refusal)
            *refusal = reason;
        return {};
    }
    if (refusal)
        refusal->clear();
    return tags;
}

QString tags_text(const QStringList &tags)
{
    return tags.join(QLatin1Char(' '));
}

QString first_line(const QString &text)
{
    const int end = text.indexOf(QLatin1Char('\n'));
    return (end < 0 ? text : text.left(end)).trimmed();
}

QString note_summary(const PresetNote &note)
{
    QStringList parts;
    for (const QString &tag : note.tags)
        parts << QLatin1Char('#') + tag;
    const QString line = first_line(note.text);
    if (!line.isEmpty())
        parts << line;
    return parts.join(QLatin1Char(' '));
}

QStringList used_tags(const PresetNotes &notes)
{
    QStringList tags;
    for (const PresetNote &note : notes)
        tags += note.tags;
    tags.sort();
    tags.removeDuplicates();
    return tags;
}
