#include "readable_form.h"

#include "field_catalogue.h"
#include "image_layout.h"
#include "preset_list.h"
#include "readable_values.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstring>

namespace {

// Where a value sits in the document, as a chain of steps that becomes text
// only for the one problem reported: presets[3].programChanges[2].number.
struct PathStep {
    const PathStep *parent;
    QLatin1String key;
    int index = -1; // an element of the list `key`

    QString text() const
    {
        QString out = parent ? parent->text() + QLatin1Char('.') : QString();
        out += key;
        if (index >= 0)
            out += QStringLiteral("[%1]").arg(index);
        return out;
    }
};

// Reads a document field by field into bytes, stopping at the first problem;
// `error` then names the field by its path in the document.
class DocumentReader
{
public:
    QString error;

    bool fail(const QString &path, const QString &reason)
    {
        error = path + QStringLiteral(": ") + reason;
        return false;
    }

    // `extraKey` may stand in the object besides the record's own fields.
    bool readRecord(const RecordDef &record, const QJsonObject &object, unsigned char *base, const PathStep *path,
                    QLatin1String extraKey = QLatin1String())
    {
        if (!checkKeys(record, object, path, extraKey))
            return false;
        for (const FieldDef &def : record.fields) {
            const PathStep step{path, QLatin1String(def.key)};
            const QJsonValue value = object.value(step.key);
            if (value.isUndefined())
                return fail(step.text(), QStringLiteral("missing"));
            unsigned char *at = base + def.offset;
            if (def.isList()) {
                if (!value.isArray())
                    return fail(step.text(), QStringLiteral("%1 is not a list").arg(json_value_text(value)));
                const QJsonArray list = value.toArray();
                if (list.size() != def.count)
                    return fail(step.text(),
                                QStringLiteral("holds %1 entries, not %2").arg(list.size()).arg(def.count));
                for (int e = 0; e < def.count; ++e) {
                    const PathStep element{path, step.key, e};
                    if (!readElement(def, list.at(e), at + def.size * e, &element))
                        return false;
                }
            } else if (!readElement(def, value, at, &step)) {
                return false;
            } else if (def.kind == FieldKind::Name) {
                const PathStep paddingStep{path, QLatin1String(def.paddingKey)};
                const QJsonValue padding = object.value(paddingStep.key);
                if (!padding.isUndefined()) {
                    const QString reason = name_padding_from_json(padding, at);
                    if (!reason.isEmpty())
                        return fail(paddingStep.text(), reason);
                }
            }
        }
        return true;
    }

private:
    bool readElement(const FieldDef &def, const QJsonValue &value, unsigned char *at, const PathStep *path)
    {
        if (def.kind == FieldKind::Record) {
            if (!value.isObject())
                return fail(path->text(), QStringLiteral("%1 is not an object").arg(json_value_text(value)));
            return readRecord(*def.record, value.toObject(), at, path);
        }
        const QString reason = field_from_json(def, value, at);
        return reason.isEmpty() || fail(path->text(), reason);
    }

    bool checkKeys(const RecordDef &record, const QJsonObject &object, const PathStep *path, QLatin1String extraKey)
    {
        // Every field is looked up anyway; only a count that does not add up
        // needs the search for the stranger.
        int expected = record.fields.size();
        for (const FieldDef &def : record.fields)
            if (def.paddingKey && object.contains(QLatin1String(def.paddingKey)))
                ++expected;
        if (extraKey.size() > 0 && object.contains(extraKey))
            ++expected;
        if (object.size() == expected)
            return true;
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            bool known = it.key() == extraKey;
            for (const FieldDef &def : record.fields)
                known = known || it.key() == QLatin1String(def.key) ||
                        (def.paddingKey && it.key() == QLatin1String(def.paddingKey));
            if (!known)
                return fail(path ? path->text() + QLatin1Char('.') + it.key() : it.key(), QStringLiteral("unknown key"));
        }
        return true;
    }
};

const QString kSlot = QStringLiteral("slot");

QString checkHead(const QJsonObject &root, bool *wholeMemory)
{
    const QJsonValue format = root.value(QLatin1String("format"));
    if (format.isUndefined())
        return QStringLiteral("format: missing; this is not a Vektor readable document");
    if (format.toString() != QLatin1String(readable::kFormat))
        return QStringLiteral("format: %1 is not \"%2\"").arg(json_value_text(format), QLatin1String(readable::kFormat));
    const QJsonValue version = root.value(QLatin1String("version"));
    if (version.isUndefined())
        return QStringLiteral("version: missing");
    if (!version.isDouble() || version.toDouble() != double(version.toInt()) || version.toInt() < 1)
        return QStringLiteral("version: %1 is not a version number").arg(json_value_text(version));
    if (version.toInt() > readable::kVersion)
        return QStringLiteral("version: %1 is newer than this program reads (%2)")
            .arg(version.toInt()).arg(readable::kVersion);
    const QJsonValue contents = root.value(QLatin1String("contents"));
    if (contents.isUndefined())
        return QStringLiteral("contents: missing");
    if (contents.toString() != QLatin1String(readable::kWholeMemory) &&
        contents.toString() != QLatin1String(readable::kPresets))
        return QStringLiteral("contents: %1 is neither \"%2\" nor \"%3\"")
            .arg(json_value_text(contents), QLatin1String(readable::kWholeMemory), QLatin1String(readable::kPresets));
    *wholeMemory = contents.toString() == QLatin1String(readable::kWholeMemory);
    QStringList keys{"format", "version", "contents", "presets"};
    if (*wholeMemory)
        keys << QStringLiteral("global") << QLatin1String(system_section_field().key);
    for (auto it = root.constBegin(); it != root.constEnd(); ++it)
        if (!keys.contains(it.key()))
            return it.key() + QStringLiteral(": unknown key");
    for (const QString &key : keys)
        if (!root.contains(key))
            return key + QStringLiteral(": missing");
    return {};
}

} // namespace

ReadableRead read_readable(const QByteArray &json)
{
    ReadableRead result;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {{}, QStringLiteral("not JSON: %1 at character %2").arg(parseError.errorString()).arg(parseError.offset)};
    if (!document.isObject())
        return {{}, QStringLiteral("not a readable document: it is not a JSON object")};
    const QJsonObject root = document.object();
    bool whole = false;
    result.error = checkHead(root, &whole);
    if (!result.ok())
        return result;

    DocumentReader reader;
    QByteArray image(layout::kImageSize, '\0');
    auto *bytes = reinterpret_cast<unsigned char *>(image.data());
    if (whole) {
        const QJsonValue global = root.value(QLatin1String("global"));
        if (!global.isObject())
            return {{}, QStringLiteral("global: %1 is not an object").arg(json_value_text(global))};
        const PathStep globalStep{nullptr, QLatin1String("global")};
        if (!reader.readRecord(global_section_record(), global.toObject(), bytes, &globalStep))
            return {{}, reader.error};
    }

    const QJsonValue presetsValue = root.value(QLatin1String("presets"));
    if (!presetsValue.isArray())
        return {{}, QStringLiteral("presets: %1 is not a list").arg(json_value_text(presetsValue))};
    const QJsonArray presets = presetsValue.toArray();
    if (whole && presets.size() != layout::kPresetCount)
        return {{}, QStringLiteral("presets: holds %1 presets; a whole memory has %2")
                        .arg(presets.size()).arg(layout::kPresetCount)};
    if (presets.isEmpty())
        return {{}, QStringLiteral("presets: holds no preset")};

    QVector<int> listedAt(layout::kPresetCount, -1);
    ReadableDocument &out = result.document;
    for (int k = 0; k < presets.size(); ++k) {
        const QString path = QStringLiteral("presets[%1]").arg(k);
        if (!presets.at(k).isObject())
            return {{}, path + QStringLiteral(": %1 is not an object").arg(json_value_text(presets.at(k)))};
        const QJsonObject preset = presets.at(k).toObject();
        const QJsonValue slot = preset.value(kSlot);
        if (slot.isUndefined())
            return {{}, path + QStringLiteral(".slot: missing")};
        if (!slot.isString())
            return {{}, path + QStringLiteral(".slot: %1 is not a text such as \"014\"").arg(json_value_text(slot))};
        QString reason;
        const int record = parse_preset_number(slot.toString(), &reason);
        if (record < 0)
            return {{}, path + QStringLiteral(".slot: ") + reason};
        if (listedAt[record] >= 0)
            return {{}, path + QStringLiteral(".slot: %1 is already the slot of presets[%2]")
                                   .arg(json_value_text(slot)).arg(listedAt[record])};
        listedAt[record] = k;
        unsigned char *base = bytes + layout::presetOffset(record);
        const PathStep presetStep{nullptr, QLatin1String("presets"), k};
        if (!reader.readRecord(preset_record(), preset, base, &presetStep, QLatin1String("slot")))
            return {{}, reader.error};
        out.records.append(record);
        out.presets.append(QByteArray(reinterpret_cast<const char *>(base), layout::kPresetRecordSize));
    }
    if (whole) {
        const FieldDef &system = system_section_field();
        const QString reason = field_from_json(system, root.value(QLatin1String(system.key)), bytes + system.offset);
        if (!reason.isEmpty())
            return {{}, QLatin1String(system.key) + QStringLiteral(": ") + reason};
        out.image = image;
    }
    out.wholeMemory = whole;
    return result;
}

ReadableImport import_readable(const ReadableDocument &document, const QByteArray &current,
                               const QVector<int> &targets)
{
    ReadableImport result;
    result.wholeMemory = document.wholeMemory;
    if (document.wholeMemory) {
        if (!targets.isEmpty())
            return {QStringLiteral("a whole memory goes into its own slots; only a document of presets "
                                   "can go into other slots"), {}, {}, true};
        result.image = document.image;
        result.records = document.records;
        return result;
    }
    if (current.size() != layout::kImageSize)
        return {QStringLiteral("a document of presets needs a memory of %1 bytes to go into")
                    .arg(layout::kImageSize), {}, {}, false};
    if (!targets.isEmpty() && targets.size() != document.presets.size())
        return {QStringLiteral("the document holds %1 preset%2 and %3 slot%4 given for them; give one slot "
                               "for each preset")
                    .arg(document.presets.size()).arg(document.presets.size() == 1 ? "" : "s")
                    .arg(targets.size()).arg(targets.size() == 1 ? " was" : "s were"), {}, {}, false};
    result.image = current;
    result.records = targets.isEmpty() ? document.records : targets;
    for (int k = 0; k < result.records.size(); ++k)
        std::memcpy(result.image.data() + layout::presetOffset(result.records[k]), document.presets[k].constData(),
                    size_t(layout::kPresetRecordSize));
    return result;
}

ReadableImport import_readable(const QByteArray &json, const QByteArray &current, const QVector<int> &targets)
{
    const ReadableRead read = read_readable(json);
    if (!read.ok()) {
        ReadableImport refused;
        refused.error = read.error;
        return refused;
    }
    return import_readable(read.document, current, targets);
}
