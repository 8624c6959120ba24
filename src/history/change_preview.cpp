#include "change_preview.h"

#include "fields.h"
#include "file_bytes.h"
#include "image_bytes.h"
#include "image_layout.h"
#include "preset_list.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

namespace {

// The texts of this file belong to the "History" translation context; lupdate
// finds them by the qualified calls.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(History)
};

} // namespace

QString change_count_text(const ChangeCounts &counts)
{
    const QString presets = counts.presets == 1 ? Text::tr("1 preset") : Text::tr("%1 presets").arg(counts.presets);
    const QString settings = counts.settings == 1 ? Text::tr("1 setting") : Text::tr("%1 settings").arg(counts.settings);
    if (counts.presets > 0 && counts.settings > 0)
        return Text::tr("%1 and %2").arg(presets, settings);
    if (counts.presets > 0)
        return presets;
    if (counts.settings > 0)
        return settings;
    return Text::tr("nothing");
}

QString change_preview(const QByteArray &before, const QByteArray &after)
{
    if (before.size() != layout::kImageSize)
        return Text::tr("What it changes cannot be shown: the file it replaces is not a whole memory.");
    QByteArray replacement = after;
    QString prefix;
    if (after.size() < layout::kImageSize) {
        // What the editor shows of the shorter file: its bytes over the old ones.
        replacement = before;
        replacement.replace(0, after.size(), after);
        prefix = Text::tr("In the %1 bytes it holds, it changes").arg(QLocale().toString(after.size()));
    } else {
        replacement.truncate(layout::kImageSize);
        prefix = Text::tr("It changes");
    }
    const QVector<FieldChange> changes = compare_images(image_bytes(before), image_bytes(replacement));
    if (changes.isEmpty())
        return prefix + QLatin1Char(' ') + Text::tr("nothing.");
    return prefix + QLatin1Char(' ') + change_count_text(change_counts(changes)) + QStringLiteral(": ")
           + change_summary(changes) + QLatin1Char('.');
}

QString change_preview_of_file(const QString &path, const QByteArray &after)
{
    const FileRead read = read_file(path, FileKind::Memory);
    if (!read.ok())
        return Text::tr("What it changes cannot be shown: %1 could not be read (%2).").arg(path, read.error);
    return change_preview(read.bytes, after);
}

QVector<ChangeGroup> grouped_changes(const unsigned char *before, const unsigned char *after)
{
    QVector<ChangeGroup> groups;
    int record = -2;
    for (const FieldChange &change : compare_images(before, after)) {
        if (groups.isEmpty() || change.record != record) {
            record = change.record;
            ChangeGroup group;
            group.heading = record < 0 ? Text::tr("global")
                                       : QStringLiteral("preset %1 \"%2\"")
                                             .arg(preset_number_text(record),
                                                  name_text(before + layout::presetOffset(record)));
            groups.append(group);
        }
        QString line = change_line(change, before, after);
        if (record >= 0 && line.startsWith(groups.last().heading + QLatin1Char(' ')))
            line.remove(0, groups.last().heading.size() + 1);
        groups.last().lines.append(line);
    }
    return groups;
}
