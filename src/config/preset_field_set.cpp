#include "preset_field_set.h"

#include "fields.h"
#include "image_layout.h"
#include "preset_sends.h"
#include "readable_values.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cstring>

namespace {

constexpr int kDataMax = 127;

const QHash<QString, const CatalogueField *> &fieldsByPath()
{
    static const QHash<QString, const CatalogueField *> byPath = [] {
        QHash<QString, const CatalogueField *> out;
        for (const CatalogueField &field : preset_fields())
            out.insert(field.path, &field);
        return out;
    }();
    return byPath;
}

const FieldDef *fieldOf(const RecordDef &record, const QString &key)
{
    for (const FieldDef &def : record.fields)
        if (key == QLatin1String(def.key))
            return &def;
    return nullptr;
}

// The control-change and override entries are list positions their dialogs
// show as they stand; every other number of a preset is fitted on show.
bool shownAsStored(const CatalogueField &field)
{
    return field.topic == QLatin1String("control changes") || field.topic == QLatin1String("overrides");
}

} // namespace

const CatalogueField *preset_field_at_shown_path(const QString &path, QString *error)
{
    static const QRegularExpression stepPattern(QStringLiteral("^([A-Za-z0-9]+)(?:\\[([0-9]+)\\])?$"));
    const RecordDef *record = &preset_record();
    QString documentPath;
    QString shown;
    const QStringList steps = path.split(QLatin1Char('.'));
    for (int s = 0; s < steps.size(); ++s) {
        const QString &step = steps[s];
        shown += (s > 0 ? QStringLiteral(".") : QString()) + step;
        const QRegularExpressionMatch match = stepPattern.match(step);
        const FieldDef *def = match.hasMatch() && record ? fieldOf(*record, match.captured(1)) : nullptr;
        if (!def) {
            *error = shown + QStringLiteral(": unknown key");
            return nullptr;
        }
        documentPath += (s > 0 ? QStringLiteral(".") : QString()) + match.captured(1);
        if (def->isList()) {
            if (match.captured(2).isEmpty()) {
                *error = shown + QStringLiteral(": a list of %1; give a position, as %2[1]").arg(def->count).arg(step);
                return nullptr;
            }
            const int position = match.captured(2).toInt();
            if (position < 1 || position > def->count) {
                *error = shown + QStringLiteral(": there are %1, counted from 1").arg(def->count);
                return nullptr;
            }
            documentPath += QStringLiteral("[%1]").arg(position - 1);
        } else if (!match.captured(2).isEmpty()) {
            *error = shown + QStringLiteral(": is not a list");
            return nullptr;
        }
        record = def->kind == FieldKind::Record ? def->record : nullptr;
        if (record && s + 1 == steps.size()) {
            *error = shown + QStringLiteral(": is a group of fields");
            return nullptr;
        }
    }
    const CatalogueField *field = fieldsByPath().value(documentPath);
    if (!field)
        *error = path + QStringLiteral(": unknown key");
    return field;
}

QString shown_path(const CatalogueField &field)
{
    static const QRegularExpression position(QStringLiteral("\\[([0-9]+)\\]"));
    QString out;
    int from = 0;
    for (auto it = position.globalMatch(field.path); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += field.path.mid(from, match.capturedStart() - from);
        out += QStringLiteral("[%1]").arg(match.captured(1).toInt() + 1);
        from = match.capturedEnd();
    }
    return out + field.path.mid(from);
}

QCborValue value_from_argument(const QString &text)
{
    // Wrapped in a list, any one JSON value parses, a bare number too.
    QJsonParseError parseError;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray("[") + text.toUtf8() + QByteArray("]"), &parseError);
    if (parseError.error == QJsonParseError::NoError && document.array().size() == 1)
        return QCborValue::fromJsonValue(document.array().at(0));
    return QCborValue(text);
}

QString field_value_text(const FieldDef &def, const unsigned char *at)
{
    switch (def.kind) {
    case FieldKind::Flag:
        return at[0] <= 1 ? QLatin1String(at[0] ? "true" : "false") : QString::number(at[0]);
    case FieldKind::Number:
    case FieldKind::ListPosition:
        return QString::number(at[0]);
    case FieldKind::Word:
        return QString::number(read_word(at));
    case FieldKind::Name:
        return QLatin1Char('"') + name_field_text(at) + QLatin1Char('"');
    case FieldKind::RawMessage:
    case FieldKind::Unnamed:
    case FieldKind::Record:
        break;
    }
    return QLatin1Char('"') + hex_text(at, def.size) + QLatin1Char('"');
}

FieldSetResult set_preset_fields(const unsigned char *image, const QVector<int> &records,
                                 const QVector<FieldSetting> &settings)
{
    FieldSetResult result;
    unsigned char record[layout::kPresetRecordSize];
    for (int index : records) {
        const int base = layout::presetOffset(index);
        std::memcpy(record, image + base, sizeof record);
        bool changed = false;
        bool numberless = false;
        for (const FieldSetting &setting : settings) {
            const CatalogueField &field = *setting.field;
            QCborValue value = setting.value;
            if (setting.step) {
                const std::optional<int> shifted = shifted_number(field, record, *setting.step);
                if (!shifted) {
                    numberless = true;
                    continue;
                }
                value = QCborValue(*shifted);
            }
            unsigned char *at = record + field.offset;
            const QByteArray before(reinterpret_cast<const char *>(at), field.def->size);
            const QString reason = field_from_json(*field.def, value, at);
            if (!reason.isEmpty()) {
                FieldSetResult refused;
                refused.error = shown_path(field) + QStringLiteral(": ") + reason;
                return refused;
            }
            const QByteArray after(reinterpret_cast<const char *>(at), field.def->size);
            if (after != before) {
                result.changes.append({&field, index, base + field.offset, before, after});
                changed = true;
            }
        }
        if (changed)
            result.changedRecords.append(index);
        else if (numberless)
            result.numberlessRecords.append(index);
        else
            result.unchangedRecords.append(index);
    }
    return result;
}

void apply_preset_field_changes(unsigned char *image, const QVector<PresetFieldChange> &changes)
{
    for (const PresetFieldChange &change : changes)
        std::memcpy(image + change.offset, change.after.constData(), size_t(change.after.size()));
}

std::optional<int> shown_number(const CatalogueField &field, const unsigned char *record)
{
    // Channels are numbers too, but shown as devices: no steps for them.
    if (field.def->kind != FieldKind::Number || field.def->shownFrom != 0)
        return std::nullopt;
    const unsigned char byte = record[field.offset];
    if (shownAsStored(field))
        return byte <= kDataMax ? std::optional<int>(byte) : std::nullopt;
    return fitted_byte(byte, kDataMax);
}

std::optional<int> shifted_number(const CatalogueField &field, const unsigned char *record, int step)
{
    const std::optional<int> shown = shown_number(field, record);
    if (!shown)
        return std::nullopt;
    return fit_value(*shown + step, kDataMax);
}
