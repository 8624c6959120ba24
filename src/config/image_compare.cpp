#include "image_compare.h"

#include "fields.h"
#include "image_layout.h"
#include "preset_list.h"
#include "readable_values.h"


#include <cstring>

namespace {

bool differs(const unsigned char *before, const unsigned char *after, int offset, int size)
{
    return std::memcmp(before + offset, after + offset, size_t(size)) != 0;
}

int choiceCount(const char *const *choices)
{
    int n = 0;
    while (choices && choices[n])
        ++n;
    return n;
}

QString valueText(const FieldDef &def, const unsigned char *at)
{
    switch (def.kind) {
    case FieldKind::Flag:
        return at[0] == 0 ? QStringLiteral("off") : at[0] == 1 ? QStringLiteral("on")
                                                              : QStringLiteral("on (%1)").arg(at[0]);
    case FieldKind::ListPosition:
        if (at[0] < choiceCount(def.choices))
            return QLatin1String(def.choices[at[0]]);
        // A position no list shows: the number, said to be one.
        if (def.choices)
            return QStringLiteral("(%1)").arg(at[0]);
        return QString::number(at[0] + def.shownFrom);
    case FieldKind::Number:
        return QString::number(at[0] + def.shownFrom);
    case FieldKind::Word: {
        const int value = read_word(at);
        return def.presetRecord && value < layout::kPresetCount ? QStringLiteral("preset ") + preset_number_text(value)
                                                                : QString::number(value);
    }
    case FieldKind::Name: {
        const QString padding = name_field_padding(at);
        const QString text = QLatin1Char('"') + name_field_text(at) + QLatin1Char('"');
        return padding.isEmpty() ? text : text + QStringLiteral(" padded with ") + padding;
    }
    case FieldKind::RawMessage:
    case FieldKind::Unnamed:
        return hex_text(at, def.size);
    case FieldKind::Record:
        break;
    }
    return {};
}

// Runs of bytes too long for one line are counted instead.
constexpr int kLongestShownBytes = 8;

QString fieldLine(const QString &label, const FieldDef &def, const unsigned char *before, const unsigned char *after)
{
    if (def.kind == FieldKind::Unnamed && def.size > kLongestShownBytes) {
        int count = 0;
        int first = -1;
        for (int k = 0; k < def.size; ++k) {
            if (before[k] != after[k]) {
                if (first < 0)
                    first = k;
                ++count;
            }
        }
        return QStringLiteral("%1: %2 byte%3 differ%4, the first at byte %5")
            .arg(label).arg(count).arg(count == 1 ? "" : "s", count == 1 ? "s" : "").arg(first);
    }
    return label + QStringLiteral(": ") + valueText(def, before) + QStringLiteral(" -> ") + valueText(def, after);
}

QString joinShort(const QStringList &items, int most)
{
    if (items.size() <= most)
        return items.join(QStringLiteral(", "));
    return QStringList(items.mid(0, most)).join(QStringLiteral(", ")) +
           QStringLiteral(" and %1 more").arg(items.size() - most);
}

// Items in order of first appearance, once each.
void appendOnce(QStringList &items, const QString &item)
{
    if (!items.contains(item))
        items.append(item);
}

} // namespace

QVector<FieldChange> compare_images(const unsigned char *before, const unsigned char *after)
{
    QVector<FieldChange> changes;
    const QVector<CatalogueField> &global = global_fields();
    // Whole sections first: most compares find most of the image unchanged.
    if (differs(before, after, 0, layout::kGlobalSectionSize) ||
        differs(before, after, layout::kSystemSectionStart, layout::kSystemSectionSize)) {
        for (const CatalogueField &field : global)
            if (differs(before, after, field.offset, field.def->size))
                changes.append({-1, &field});
    }
    const QVector<CatalogueField> &preset = preset_fields();
    for (int record = 0; record < layout::kPresetCount; ++record) {
        const int base = layout::presetOffset(record);
        if (!differs(before, after, base, layout::kPresetRecordSize))
            continue;
        for (const CatalogueField &field : preset)
            if (differs(before, after, base + field.offset, field.def->size))
                changes.append({record, &field});
    }
    return changes;
}

QString change_line(const FieldChange &change, const unsigned char *before, const unsigned char *after)
{
    if (change.record < 0)
        return fieldLine(change.field->label, *change.field->def, before + change.field->offset,
                         after + change.field->offset);
    const int base = layout::presetOffset(change.record);
    const QString preset = QStringLiteral("preset %1 \"%2\" ")
                               .arg(preset_number_text(change.record), name_text(before + base));
    return fieldLine(preset + change.field->label, *change.field->def, before + base + change.field->offset,
                     after + base + change.field->offset);
}

QStringList change_lines(const QVector<FieldChange> &changes, const unsigned char *before,
                         const unsigned char *after)
{
    QStringList lines;
    lines.reserve(changes.size());
    for (const FieldChange &change : changes)
        lines.append(change_line(change, before, after));
    return lines;
}

QString change_summary(const QVector<FieldChange> &changes)
{
    QVector<int> records;
    QStringList presetTopics;
    QStringList globalLabels;
    QStringList globalTopics;
    bool system = false;
    for (const FieldChange &change : changes) {
        if (change.record >= 0) {
            if (records.isEmpty() || records.last() != change.record)
                records.append(change.record);
            appendOnce(presetTopics, change.field->topic);
        } else if (change.field->def == &system_section_field()) {
            system = true;
        } else {
            globalLabels.append(change.field->label);
            appendOnce(globalTopics, change.field->topic);
        }
    }
    if (changes.isEmpty())
        return QStringLiteral("no change");

    QStringList parts;
    if (!records.isEmpty()) {
        // A list of many scattered presets says only how many.
        QString which = preset_list_text(records);
        if (which.count(QLatin1Char(',')) >= 4)
            which = QStringLiteral("%1 presets").arg(records.size());
        else
            which = (records.size() == 1 ? QStringLiteral("preset ") : QStringLiteral("presets ")) + which;
        // The topics come in the order of the record; put them in that order.
        QStringList ordered;
        for (const CatalogueField &field : preset_fields())
            if (presetTopics.contains(field.topic))
                appendOnce(ordered, field.topic);
        parts.append(which + QStringLiteral(": ") + joinShort(ordered, 4));
    }
    if (!globalLabels.isEmpty()) {
        if (globalLabels.size() <= 3)
            parts.append(QStringLiteral("global: ") + globalLabels.join(QStringLiteral(", ")));
        else
            parts.append(QStringLiteral("global: %1 settings in %2").arg(globalLabels.size()).arg(joinShort(globalTopics, 3)));
    }
    if (system)
        parts.append(QStringLiteral("system section"));
    return parts.join(QStringLiteral("; "));
}

ChangeCounts change_counts(const QVector<FieldChange> &changes)
{
    ChangeCounts counts;
    int lastRecord = -1;
    for (const FieldChange &change : changes) {
        if (change.record < 0) {
            ++counts.settings;
        } else if (change.record != lastRecord) {
            ++counts.presets;
            lastRecord = change.record;
        }
    }
    return counts;
}
