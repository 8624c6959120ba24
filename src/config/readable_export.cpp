#include "readable_form.h"

#include "field_catalogue.h"
#include "image_layout.h"
#include "preset_list.h"
#include "readable_values.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject recordToJson(const RecordDef &record, const unsigned char *base)
{
    QJsonObject object;
    for (const FieldDef &def : record.fields) {
        const unsigned char *at = base + def.offset;
        const QLatin1String key(def.key);
        if (def.kind == FieldKind::Record && !def.isList()) {
            object.insert(key, recordToJson(*def.record, at));
        } else if (def.isList()) {
            QJsonArray list;
            for (int e = 0; e < def.count; ++e) {
                const unsigned char *element = at + def.size * e;
                list.append(def.kind == FieldKind::Record ? QJsonValue(recordToJson(*def.record, element))
                                                          : field_to_json(def, element));
            }
            object.insert(key, list);
        } else {
            object.insert(key, field_to_json(def, at));
            if (def.kind == FieldKind::Name) {
                const QString padding = name_field_padding(at);
                if (!padding.isEmpty())
                    object.insert(name_padding_key(def), padding);
            }
        }
    }
    return object;
}

QJsonObject presetToJson(const unsigned char *image, int record)
{
    QJsonObject preset = recordToJson(preset_record(), image + layout::presetOffset(record));
    preset.insert(QLatin1String("slot"), preset_number_text(record));
    return preset;
}

QJsonObject documentHead(const char *contents)
{
    QJsonObject root;
    root.insert(QLatin1String("format"), QLatin1String(readable::kFormat));
    root.insert(QLatin1String("version"), readable::kVersion);
    root.insert(QLatin1String("contents"), QLatin1String(contents));
    return root;
}

QJsonArray presetsToJson(const unsigned char *image, const QVector<int> &records)
{
    QJsonArray presets;
    for (int record : records)
        presets.append(presetToJson(image, record));
    return presets;
}

} // namespace

QByteArray export_readable_memory(const unsigned char *image)
{
    QJsonObject root = documentHead(readable::kWholeMemory);
    root.insert(QLatin1String("global"), recordToJson(global_section_record(), image));
    QVector<int> all(layout::kPresetCount);
    for (int record = 0; record < layout::kPresetCount; ++record)
        all[record] = record;
    root.insert(QLatin1String("presets"), presetsToJson(image, all));
    const FieldDef &system = system_section_field();
    root.insert(QLatin1String(system.key), field_to_json(system, image + system.offset));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QByteArray export_readable_presets(const unsigned char *image, const QVector<int> &records)
{
    QJsonObject root = documentHead(readable::kPresets);
    root.insert(QLatin1String("presets"), presetsToJson(image, records));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
