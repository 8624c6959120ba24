#include "readable_form.h"

#include "field_catalogue.h"
#include "image_layout.h"
#include "preset_list.h"
#include "readable_values.h"

#include <QCborArray>
#include <QCborMap>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>

namespace {

// Where a value sits in the document, as a chain of steps that becomes text
// only for the one problem reported: presets[3].programChanges[2].number.
struct PathStep {
    const PathStep *parent;
    const char *key;
    int index = -1; // an element of the list `key`

    QString text() const
    {
        QString out = parent ? parent->text() + QLatin1Char('.') : QString();
        out += QLatin1String(key);
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
    bool readRecord(const RecordDef &record, const QCborMap &object, unsigned char *base, const PathStep *path,
                    QLatin1String extraKey = QLatin1String())
    {
        if (!checkKeys(record, object, path, extraKey))
            return false;
        // Most objects hold exactly the record's keys, which the parser has
        // put in alphabetical order: walking them is cheaper than looking
        // each one up, and CBOR keys compare without a copy. Anything else
        // takes the lookups below.
        const int size = object.size();
        if (size == record.fields.size()) {
            const KeyOrder &order = alphabeticalOrder(record);
            int k = 0;
            for (auto it = object.constBegin(); k < size; ++it, ++k) {
                if (!(it.key() == order.keys[k]))
                    break;
                if (!readField(record.fields[order.fields[k]], QCborValue(it.value()), base, path))
                    return false;
            }
            if (k == size)
                return true;
        }
        for (const FieldDef &def : record.fields) {
            const QCborValue value = object.value(QLatin1String(def.key));
            if (value.isUndefined())
                return fail(PathStep{path, def.key}.text(), QStringLiteral("missing"));
            if (!readField(def, value, base, path))
                return false;
            if (def.kind == FieldKind::Name) {
                const PathStep paddingStep{path, def.paddingKey};
                const QCborValue padding = object.value(QLatin1String(def.paddingKey));
                if (!padding.isUndefined()) {
                    const QString reason = name_padding_from_json(padding, base + def.offset);
                    if (!reason.isEmpty())
                        return fail(paddingStep.text(), reason);
                }
            }
        }
        return true;
    }

private:
    bool readField(const FieldDef &def, const QCborValue &value, unsigned char *base, const PathStep *path)
    {
        const PathStep step{path, def.key};
        unsigned char *at = base + def.offset;
        if (!def.isList())
            return readElement(def, value, at, &step);
        if (!value.isArray())
            return fail(step.text(), QStringLiteral("%1 is not a list").arg(json_value_text(value)));
        const QCborArray list = value.toArray();
        if (list.size() != def.count)
            return fail(step.text(), QStringLiteral("holds %1 entries, not %2").arg(list.size()).arg(def.count));
        for (int e = 0; e < def.count; ++e) {
            const PathStep element{path, step.key, e};
            if (!readElement(def, list.at(e), at + def.size * e, &element))
                return false;
        }
        return true;
    }

    // The record's fields in the order of their keys, as JSON objects hold
    // them; worked out once for every record of the catalogue.
    struct KeyOrder {
        QVector<int> fields;
        QVector<QCborValue> keys;
    };
    static const KeyOrder &alphabeticalOrder(const RecordDef &record)
    {
        static const QHash<const RecordDef *, KeyOrder> orders = [] {
            QHash<const RecordDef *, KeyOrder> out;
            std::function<void(const RecordDef &)> add = [&](const RecordDef &r) {
                KeyOrder order;
                order.fields.resize(r.fields.size());
                std::iota(order.fields.begin(), order.fields.end(), 0);
                std::sort(order.fields.begin(), order.fields.end(),
                          [&](int a, int b) { return std::strcmp(r.fields[a].key, r.fields[b].key) < 0; });
                for (int field : order.fields)
                    order.keys.append(QCborValue(QLatin1String(r.fields[field].key)));
                out.insert(&r, order);
                for (const FieldDef &def : r.fields)
                    if (def.record)
                        add(*def.record);
            };
            add(global_section_record());
            add(preset_record());
            return out;
        }();
        return *orders.constFind(&record);
    }

    bool readElement(const FieldDef &def, const QCborValue &value, unsigned char *at, const PathStep *path)
    {
        if (def.kind == FieldKind::Record) {
            if (!value.isMap())
                return fail(path->text(), QStringLiteral("%1 is not an object").arg(json_value_text(value)));
            return readRecord(*def.record, value.toMap(), at, path);
        }
        const QString reason = field_from_json(def, value, at);
        return reason.isEmpty() || fail(path->text(), reason);
    }

    bool checkKeys(const RecordDef &record, const QCborMap &object, const PathStep *path, QLatin1String extraKey)
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
            const QString key = it.key().toString();
            bool known = key == extraKey;
            for (const FieldDef &def : record.fields)
                known = known || key == QLatin1String(def.key) ||
                        (def.paddingKey && key == QLatin1String(def.paddingKey));
            if (!known)
                return fail(path ? path->text() + QLatin1Char('.') + key : key, QStringLiteral("unknown key"));
        }
        return true;
    }
};

QString checkHead(const QCborMap &root, bool *wholeMemory)
{
    const QCborValue format = root.value(QLatin1String("format"));
    if (format.isUndefined())
        return QStringLiteral("format: missing; this is not a Vektor readable document");
    if (format.toString() != QLatin1String(readable::kFormat))
        return QStringLiteral("format: %1 is not \"%2\"").arg(json_value_text(format), QLatin1String(readable::kFormat));
    const QCborValue version = root.value(QLatin1String("version"));
    if (version.isUndefined())
        return QStringLiteral("version: missing");
    if (!version.isInteger() || version.toInteger() < 1)
        return QStringLiteral("version: %1 is not a version number").arg(json_value_text(version));
    if (version.toInteger() > readable::kVersion)
        return QStringLiteral("version: %1 is newer than this program reads (%2)")
            .arg(version.toInteger()).arg(readable::kVersion);
    const QCborValue contents = root.value(QLatin1String("contents"));
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
        if (!keys.contains(it.key().toString()) && it.key().toString() != QLatin1String(readable::kNotes))
            return it.key().toString() + QStringLiteral(": unknown key");
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
    // The map shares the document's container: nothing is copied.
    const QCborMap root = QCborMap::fromJsonObject(document.object());
    bool whole = false;
    result.error = checkHead(root, &whole);
    if (!result.ok())
        return result;

    DocumentReader reader;
    QByteArray image(layout::kImageSize, '\0');
    auto *bytes = reinterpret_cast<unsigned char *>(image.data());
    if (whole) {
        const QCborValue global = root.value(QLatin1String("global"));
        if (!global.isMap())
            return {{}, QStringLiteral("global: %1 is not an object").arg(json_value_text(global))};
        const PathStep globalStep{nullptr, "global"};
        if (!reader.readRecord(global_section_record(), global.toMap(), bytes, &globalStep))
            return {{}, reader.error};
    }

    const QCborValue presetsValue = root.value(QLatin1String("presets"));
    if (!presetsValue.isArray())
        return {{}, QStringLiteral("presets: %1 is not a list").arg(json_value_text(presetsValue))};
    const QCborArray presets = presetsValue.toArray();
    if (whole && presets.size() != layout::kPresetCount)
        return {{}, QStringLiteral("presets: holds %1 presets; a whole memory has %2")
                        .arg(presets.size()).arg(layout::kPresetCount)};
    if (presets.isEmpty())
        return {{}, QStringLiteral("presets: holds no preset")};

    QVector<int> listedAt(layout::kPresetCount, -1);
    ReadableDocument &out = result.document;
    for (int k = 0; k < presets.size(); ++k) {
        const QString path = QStringLiteral("presets[%1]").arg(k);
        if (!presets.at(k).isMap())
            return {{}, path + QStringLiteral(": %1 is not an object").arg(json_value_text(presets.at(k)))};
        const QCborMap preset = presets.at(k).toMap();
        const QCborValue slot = preset.value(QLatin1String("slot"));
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
        const PathStep presetStep{nullptr, "presets", k};
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
    // Whoever calls, every slot is checked before a byte is written: one out
    // of range would write outside the memory, one given twice would take
    // two presets.
    const QVector<int> chosenSlots = targets.isEmpty() ? document.records : targets;
    if (chosenSlots.size() != document.presets.size())
        return {QStringLiteral("the document names %1 chosenSlots for %2 presets").arg(chosenSlots.size())
                    .arg(document.presets.size()), {}, {}, false};
    QVector<bool> taken(layout::kPresetCount, false);
    for (int k = 0; k < chosenSlots.size(); ++k) {
        const int slot = chosenSlots[k];
        if (slot < 0 || slot >= layout::kPresetCount)
            return {QStringLiteral("slot %1 is not one of the %2 presets").arg(slot).arg(layout::kPresetCount), {}, {},
                    false};
        if (taken[slot])
            return {QStringLiteral("preset %1 is given twice").arg(preset_number_text(slot)), {}, {}, false};
        if (document.presets[k].size() != layout::kPresetRecordSize)
            return {QStringLiteral("the preset for %1 is not a whole record").arg(preset_number_text(slot)), {}, {},
                    false};
        taken[slot] = true;
    }
    result.image = current;
    result.records = chosenSlots;
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
