#include "field_catalogue.h"

#include "image_layout.h"

namespace {

const char *const kOffOn[] = {"off", "on", nullptr};
const char *const kOffOnUnchanged[] = {"off", "on", "unchanged", nullptr};
const char *const kOutputs[] = {"A", "B", "unchanged", nullptr};
const char *const kActions[] = {"momentary", "alternate", nullptr};
// As the global settings list them (in English: the compare's lines are).
const char *const kButtonFunctions[] = {"preset", "bank up", "bank down", "instant access", "favorite preset",
                                        "custom", "CC increment", "CC decrement", "loop", "relay",
                                        "A/B selector", "relay group off", "mode", "edit", nullptr};
const char *const kAxeFxModels[] = {"Axe-Fx II", "Axe-Fx Standard", "Axe-Fx Ultra", nullptr};

FieldDef field(FieldKind kind, const char *key, const char *label, int offset, int size = 1)
{
    FieldDef def;
    def.kind = kind;
    def.key = key;
    def.label = label;
    def.topic = label;
    def.offset = offset;
    def.size = size;
    return def;
}

FieldDef flag(const char *key, const char *label, int offset) { return field(FieldKind::Flag, key, label, offset); }

FieldDef number(const char *key, const char *label, int offset, int shownFrom = 0)
{
    FieldDef def = field(FieldKind::Number, key, label, offset);
    def.shownFrom = shownFrom;
    return def;
}

FieldDef position(const char *key, const char *label, int offset, const char *const *choices, int shownFrom = 0)
{
    FieldDef def = field(FieldKind::ListPosition, key, label, offset);
    def.choices = choices;
    def.shownFrom = shownFrom;
    return def;
}

FieldDef word(const char *key, const char *label, int offset) { return field(FieldKind::Word, key, label, offset, 2); }

FieldDef name(int offset)
{
    FieldDef def = field(FieldKind::Name, "name", "name", offset, layout::kNameFieldSize);
    def.paddingKey = "namePadding";
    return def;
}

FieldDef rawMessage(const char *key, const char *label, int offset)
{
    return field(FieldKind::RawMessage, key, label, offset, layout::kRawMessageSize);
}

// Bytes no editor shows, named by where they are: "byte37", "bytes7to9".
FieldDef unnamed(const char *key, const char *label, int offset, int size = 1)
{
    FieldDef def = field(FieldKind::Unnamed, key, label, offset, size);
    def.topic = "unnamed bytes";
    return def;
}

FieldDef records(const char *key, const char *label, const char *topic, int offset, const RecordDef &record,
                 int count)
{
    FieldDef def = field(FieldKind::Record, key, label, offset, record.size);
    def.topic = topic;
    def.record = &record;
    def.count = count;
    return def;
}

FieldDef repeated(FieldDef def, const char *topic, int count)
{
    def.topic = topic;
    def.count = count;
    return def;
}

const RecordDef &buttonRecord()
{
    namespace b = layout::button;
    static const RecordDef record{layout::kButtonRecordSize, {
        position("function", "function", b::kFunction, kButtonFunctions),
        position("action", "action", b::kAction, kActions),
        name(b::kName),
        [] { FieldDef f = word("favorite", "favorite", b::kFavorite); f.presetRecord = true; return f; }(),
        rawMessage("offCustom", "custom off message", b::kOffCustom),
        rawMessage("onCustom", "custom on message", b::kOnCustom),
        unnamed("byte37", "byte 37", b::kByte37),
        number("controlChange", "control change", b::kControlChange),
        number("channel", "MIDI channel", b::kChannel, 1),
        number("onValue", "on value", b::kOnValue),
        number("offValue", "off value", b::kOffValue),
        unnamed("byte42", "byte 42", b::kByte42),
        number("step", "step", b::kStep),
        unnamed("byte44", "byte 44", b::kByte44),
        unnamed("byte45", "byte 45", b::kByte45),
        unnamed("byte46", "byte 46", b::kByte46),
        unnamed("byte47", "byte 47", b::kByte47),
        position("loop", "loop", b::kLoop, nullptr, 1),
        position("relay", "relay", b::kRelay, nullptr, 1),
        unnamed("byte50", "byte 50", b::kSiblingIndex),
        unnamed("byte51", "byte 51", b::kByte51),
        unnamed("byte52", "byte 52", b::kTrailer),
    }};
    return record;
}

const RecordDef &deviceRecord()
{
    static const RecordDef record{layout::kDeviceRecordSize, {
        name(layout::device::kName),
        flag("enabled", "enabled", layout::device::kEnabled),
        unnamed("byte18", "byte 18", layout::device::kExtra),
    }};
    return record;
}

const RecordDef &extraDeviceRecord()
{
    static const RecordDef record{layout::kExtraDeviceSlotSize, {
        name(layout::extradevice::kName),
        flag("flag", "flag", layout::extradevice::kFlag),
    }};
    return record;
}

const RecordDef &pedalRecord()
{
    static const RecordDef record{layout::kPedalRecordSize, {
        name(layout::pedal::kName),
        flag("enabled", "enabled", layout::pedal::kEnabled),
        word("min", "minimum", layout::pedal::kMin),
        word("max", "maximum", layout::pedal::kMax),
    }};
    return record;
}

const RecordDef &relayRecord()
{
    static const RecordDef record{layout::kRelayRecordSize, {
        name(layout::relay::kName),
        flag("flag", "flag", layout::relay::kFlag),
        unnamed("byte18", "byte 18", layout::relay::kByte18),
    }};
    return record;
}

const RecordDef &programChangeRecord()
{
    namespace pc = layout::programchange;
    static const RecordDef record{layout::preset::kProgramChangeSize, {
        flag("enabled", "enabled", pc::kEnabled),
        number("number", "number", pc::kNumber),
        flag("bankSelectEnabled", "bank select", pc::kBankSelectEnabled),
        number("bankMsb", "bank MSB", pc::kMsbBank),
        number("bankLsb", "bank LSB", pc::kLsbBank),
    }};
    return record;
}

const RecordDef &controlChangeRecord()
{
    namespace cc = layout::controlchange;
    static const RecordDef record{layout::preset::kControlChangeSize, {
        position("enabled", "enabled", cc::kEnabled, kOffOn),
        position("device", "device", cc::kDevice, nullptr, 1),
        number("number", "number", cc::kNumber),
        number("value", "value", cc::kValue),
    }};
    return record;
}

const RecordDef &presetPedalRecord()
{
    namespace pp = layout::presetpedal;
    static const RecordDef record{layout::preset::kPedalEntrySize, {
        flag("enabled", "enabled", pp::kEnabled),
        number("channel", "MIDI channel", pp::kChannel, 1),
        number("controlChange", "control change", pp::kControlChange),
        unnamed("bytes3to4", "bytes 3-4", pp::kExtra, pp::kExtraSize),
    }};
    return record;
}

const RecordDef &overrideRecord()
{
    namespace o = layout::override_;
    static const RecordDef record{layout::preset::kOverrideSize, {
        position("enabled", "", o::kOverride, kOffOn), // "override 3: off -> on"
        number("controlChange", "control change", o::kControlChange),
        position("device", "device", o::kDevice, nullptr, 1),
        number("onValue", "on value", o::kOnValue),
        number("offValue", "off value", o::kOffValue),
        position("state", "state", o::kState, kOffOn),
        unnamed("byte6", "byte 6", o::kReserved),
        unnamed("bytes7to9", "bytes 7-9", o::kTail, o::kTailSize),
    }};
    return record;
}

// Flattens `record` at `base` into `out`, with the path and label prefixes of
// the enclosing lists; `topic` is that of the outermost field, unless empty.
void flatten(const RecordDef &record, int base, const QString &path, const QString &label, const QString &topic,
             QVector<CatalogueField> &out)
{
    for (const FieldDef &def : record.fields) {
        const QString fieldTopic = topic.isEmpty() ? QString::fromLatin1(def.topic) : topic;
        const QString key = path + QLatin1String(def.key);
        const QString words = label + QLatin1String(def.label);
        for (int e = 0; e < def.count; ++e) {
            const int at = base + def.offset + def.size * e;
            const QString elementPath = def.isList() ? key + QStringLiteral("[%1]").arg(e) : key;
            QString elementLabel = words;
            if (def.isList())
                elementLabel += QStringLiteral(" %1").arg(e + 1);
            if (def.kind == FieldKind::Record) {
                flatten(*def.record, at, elementPath + QLatin1Char('.'),
                        elementLabel.isEmpty() ? elementLabel : elementLabel + QLatin1Char(' '), fieldTopic, out);
            } else {
                out.append({elementPath, elementLabel.trimmed(), fieldTopic, &def, at});
            }
        }
    }
}

} // namespace

const RecordDef &global_section_record()
{
    static const RecordDef record{layout::kGlobalSectionSize, {
        records("buttons", "button", "buttons", layout::kButtonsStart, buttonRecord(), layout::kButtonCount),
        unnamed("bankNameArea", "bank name area", layout::kBankNameAreaStart, layout::kBankNameAreaSize),
        records("devices", "device", "devices", layout::kDevicesStart, deviceRecord(), layout::kDeviceCount),
        records("extraDevice", "extra device", "extra device", layout::kExtraDeviceSlotStart, extraDeviceRecord(), 1),
        records("pedals", "expression pedal", "expression pedals", layout::kPedalsStart, pedalRecord(),
                layout::kPedalCount),
        flag("softThruEnabled", "soft thru", layout::kSoftThruEnabled),
        number("midiChannel", "MIDI channel", layout::kMidiChannel, 1),
        number("sysexId", "SysEx id", layout::kSysexId),
        number("sysexRemoteId", "SysEx remote id", layout::kSysexRemoteId),
        flag("axeFxEnabled", "Axe-Fx", layout::kAxeFxEnabled),
        position("axeFxModel", "Axe-Fx model", layout::kAxeFxModel, kAxeFxModels),
        flag("sysexDumpFullSpeed", "SysEx dump at full speed", layout::kSysexDumpFullSpeed),
        records("relays", "relay", "relays", layout::kRelaysStart, relayRecord(), layout::kRelayCount),
        unnamed("byte15231", "byte 15231", layout::kGlobalLastByte),
    }};
    return record;
}

const RecordDef &preset_record()
{
    namespace p = layout::preset;
    static const RecordDef record{layout::kPresetRecordSize, {
        name(p::kName),
        records("programChanges", "program change", "program changes", p::kProgramChanges, programChangeRecord(),
                p::kProgramChangeCount),
        records("controlChanges", "control change", "control changes", p::kControlChanges, controlChangeRecord(),
                p::kControlChangeCount),
        records("pedals", "expression pedal", "expression pedals", p::kPedals, presetPedalRecord(),
                layout::kPedalCount),
        records("overrides", "override", "overrides", p::kOverrides, overrideRecord(), p::kOverrideCount),
        repeated(position("relays", "relay", p::kRelays, kOffOnUnchanged, 0), "relays", layout::kRelayCount),
        repeated(position("loops", "loop", p::kLoops, kOffOnUnchanged, 0), "loops", p::kLoopCount),
        position("output", "output", p::kOutput, kOutputs),
        unnamed("bytes288to289", "bytes 288-289", p::kTail, p::kTailSize),
    }};
    return record;
}

const FieldDef &system_section_field()
{
    static const FieldDef def = [] {
        FieldDef f = unnamed("systemSection", "system section", layout::kSystemSectionStart,
                             layout::kSystemSectionSize);
        f.topic = "system section";
        return f;
    }();
    return def;
}

const QVector<CatalogueField> &global_fields()
{
    static const QVector<CatalogueField> fields = [] {
        QVector<CatalogueField> out;
        flatten(global_section_record(), 0, QStringLiteral("global."), QString(), QString(), out);
        const FieldDef &system = system_section_field();
        out.append({QLatin1String(system.key), QLatin1String(system.label), QLatin1String(system.topic), &system,
                    system.offset});
        return out;
    }();
    return fields;
}

const QVector<CatalogueField> &preset_fields()
{
    static const QVector<CatalogueField> fields = [] {
        QVector<CatalogueField> out;
        flatten(preset_record(), 0, QString(), QString(), QString(), out);
        return out;
    }();
    return fields;
}

void for_each_image_field(const std::function<void(const CatalogueField &, int, int)> &visit)
{
    const QVector<CatalogueField> &global = global_fields();
    const CatalogueField &system = global.last();
    for (const CatalogueField &field : global)
        if (&field != &system)
            visit(field, field.offset, -1);
    for (int record = 0; record < layout::kPresetCount; ++record)
        for (const CatalogueField &field : preset_fields())
            visit(field, layout::presetOffset(record) + field.offset, record);
    visit(system, system.offset, -1);
}
