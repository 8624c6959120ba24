#include "memory_check.h"

#include "default_image.h"
#include "field_catalogue.h"
#include "field_limits.h"
#include "fields.h"
#include "image_layout.h"
#include "preset_list.h"
#include "preset_facts.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>

#include <algorithm>
#include <cstring>

using namespace layout;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(MemoryCheck)
};

const unsigned char *recordAt(const unsigned char *image, int i)
{
    return image + presetOffset(i);
}

QString buttonsText(const QVector<int> &buttons)
{
    QStringList numbers;
    for (int k : buttons)
        numbers << QString::number(k + 1);
    return Text::tr("Buttons %1").arg(numbers.join(QStringLiteral(", ")));
}

// The presets of a new memory, to tell a slot nobody has touched.
const QVector<QByteArray> &factoryRecords()
{
    static const QVector<QByteArray> records = [] {
        QVector<QByteArray> out;
        QByteArray record(kPresetRecordSize, '\0');
        for (int i = 0; i < kPresetCount; ++i) {
            fill_default_preset(reinterpret_cast<unsigned char *>(record.data()), i);
            out << record;
        }
        return out;
    }();
    return records;
}

bool isFactoryPreset(const unsigned char *image, int i)
{
    return std::memcmp(recordAt(image, i), factoryRecords()[i].constData(), kPresetRecordSize) == 0;
}

void favouritesOutsideTheSlots(const unsigned char *image, QVector<Finding> &out)
{
    for (int k = 0; k < kButtonCount; ++k) {
        const int favourite = read_signed_word(image + buttonOffset(k) + button::kFavorite);
        if (favourite < 0 || favourite >= kPresetCount)
            out.append({Severity::Problem,
                        Text::tr("The favourite of button %1 is no preset slot: it holds %2, and the slots are "
                                 "0 to 269 (001 to 299).").arg(k + 1).arg(favourite),
                        {}, {k}});
    }
}

void sendsToDevicesSwitchedOff(const unsigned char *image, QVector<Finding> &out)
{
    for (int d = 0; d < kDeviceCount; ++d) {
        if (flag_is_on(image[deviceOffset(d) + device::kEnabled]))
            continue;
        QVector<int> programChanges, controlChanges;
        for (int i = 0; i < kPresetCount; ++i) {
            const unsigned char *record = recordAt(image, i);
            if (sends_program_change(record, d))
                programChanges << i;
            if (sends_control_change(record, d))
                controlChanges << i;
        }
        const QString device = device_entry_text(image, d);
        if (!programChanges.isEmpty())
            out.append({Severity::Problem,
                        Text::tr("%n presets send a program change to %1, which is switched off in the global "
                                 "settings: %2.", nullptr, programChanges.size())
                            .arg(device, preset_list_text(programChanges)),
                        programChanges, {}});
        if (!controlChanges.isEmpty())
            out.append({Severity::Problem,
                        Text::tr("%n presets send a control change to %1, which is switched off in the global "
                                 "settings: %2.", nullptr, controlChanges.size())
                            .arg(device, preset_list_text(controlChanges)),
                        controlChanges, {}});
    }
}

// Presets alike in all but the name, and among them those alike in the name
// too. Slots that still hold their factory preset are left out: a new
// memory repeats its program changes every 128 slots.
void presetsStoredTwice(const unsigned char *image, QVector<Finding> &out)
{
    QHash<QByteArray, QVector<int>> bySettings;
    QVector<QByteArray> order;
    for (int i = 0; i < kPresetCount; ++i) {
        if (isFactoryPreset(image, i))
            continue;
        const QByteArray settings(reinterpret_cast<const char *>(recordAt(image, i)) + kNameFieldSize,
                                  kPresetRecordSize - kNameFieldSize);
        QVector<int> &records = bySettings[settings];
        if (records.isEmpty())
            order << settings;
        records << i;
    }
    for (const QByteArray &settings : order) {
        const QVector<int> &records = bySettings[settings];
        if (records.size() < 2)
            continue;
        QMap<QByteArray, QVector<int>> byName;
        for (int i : records)
            byName[QByteArray(reinterpret_cast<const char *>(recordAt(image, i)), kNameFieldSize)] << i;
        if (byName.size() > 1)
            out.append({Severity::Warning,
                        Text::tr("Presets %1 hold the same settings under different names.")
                            .arg(preset_list_text(records)),
                        records, {}});
        for (const QVector<int> &same : byName)
            if (same.size() > 1)
                out.append({Severity::Warning,
                            Text::tr("Presets %1 are one preset stored %n times, name and all.", nullptr, same.size())
                                .arg(preset_list_text(same)),
                            same, {}});
    }
}

// What a button does depends on its function: the bytes that function
// reads, as the global settings dialog offers them for it.
QVector<std::pair<int, int>> bytesThatMatter(int function)
{
    namespace b = button;
    switch (function) {
    case 1: case 2: case 10: case 11: case 12: case 13: // bank up/down, A/B, relay group off, mode, edit
        return {};
    case 4: // favourite preset
        return {{b::kFavorite, 2}};
    case 5: // custom messages
        return {{b::kAction, 1}, {b::kOffCustom, kRawMessageSize}, {b::kOnCustom, kRawMessageSize}};
    case 6: case 7: // CC increment, decrement
        return {{b::kControlChange, 1}, {b::kChannel, 1}, {b::kOnValue, 1}, {b::kOffValue, 1}, {b::kStep, 1}};
    case 8:
        return {{b::kAction, 1}, {b::kLoop, 1}};
    case 9:
        return {{b::kAction, 1}, {b::kRelay, 1}};
    default: // preset and instant access act on the button's own place
        return {{-1, 0}};
    }
}

void buttonsDoingTheSameThing(const unsigned char *image, QVector<Finding> &out)
{
    QMap<QByteArray, QVector<int>> byAction;
    for (int k = 0; k < kButtonCount; ++k) {
        const unsigned char *record = image + buttonOffset(k);
        const int function = record[button::kFunction];
        const QVector<std::pair<int, int>> spans = bytesThatMatter(function);
        if (!spans.isEmpty() && spans.first().first < 0)
            continue;
        QByteArray key(1, char(function));
        for (const auto &span : spans)
            key.append(reinterpret_cast<const char *>(record) + span.first, span.second);
        byAction[key] << k;
    }
    for (const QVector<int> &buttons : byAction)
        if (buttons.size() > 1)
            out.append({Severity::Warning,
                        Text::tr("%1 do the same thing: the same function with the same settings.")
                            .arg(buttonsText(buttons)),
                        {}, buttons});
}

void factoryNamesBesideNamedOnes(const unsigned char *image, QVector<Finding> &out)
{
    for (int bank = 0; bank < kBankCount; ++bank) {
        QVector<int> unnamed;
        for (int i : bank_records(bank))
            if (has_factory_name(recordAt(image, i)))
                unnamed << i;
        if (!unnamed.isEmpty() && unnamed.size() < kBankSize)
            out.append({Severity::Note,
                        Text::tr("Bank %1 has presets still with the factory name beside named ones: %2.")
                            .arg(bank)
                            .arg(preset_list_text(unnamed)),
                        unnamed, {}});
    }
}

struct LimitedField {
    int offset;
    int largest;
    QString label;
};

QVector<LimitedField> limitedFields(const QVector<CatalogueField> &fields)
{
    QVector<LimitedField> out;
    for (const CatalogueField &field : fields) {
        const int largest = largest_kept_value(*field.def);
        if (largest >= 0)
            out.append({field.offset, largest, field.label});
    }
    return out;
}

void valuesNoEditorShows(const unsigned char *image, QVector<Finding> &out)
{
    static const QVector<LimitedField> global = limitedFields(global_fields());
    static const QVector<LimitedField> presetFields = limitedFields(preset_fields());
    for (const LimitedField &field : global) {
        const int value = image[field.offset];
        if (value <= field.largest)
            continue;
        const bool onButton = field.offset < kButtonsStart + kButtonCount * kButtonRecordSize;
        out.append({Severity::Warning,
                    Text::tr("The global setting \"%1\" holds %2, beyond the %3 its dialog shows; storing the "
                             "global settings would change it.").arg(field.label).arg(value).arg(field.largest),
                    {}, onButton ? QVector<int>{field.offset / kButtonRecordSize} : QVector<int>{}});
    }
    for (int i = 0; i < kPresetCount; ++i) {
        const unsigned char *record = recordAt(image, i);
        QStringList values;
        for (const LimitedField &field : presetFields)
            if (record[field.offset] > field.largest)
                values << QStringLiteral("%1 %2").arg(field.label).arg(record[field.offset]);
        if (!values.isEmpty())
            out.append({Severity::Warning,
                        Text::tr("Preset %1 holds values its editors don't show, which storing it from the preset "
                                 "dialog would change: %2.").arg(preset_number_text(i), values.join(QStringLiteral(", "))),
                        {i}, {}});
    }
}

} // namespace

QVector<Finding> check_memory(const unsigned char *image)
{
    QVector<Finding> findings;
    favouritesOutsideTheSlots(image, findings);
    sendsToDevicesSwitchedOff(image, findings);
    presetsStoredTwice(image, findings);
    buttonsDoingTheSameThing(image, findings);
    valuesNoEditorShows(image, findings);
    factoryNamesBesideNamedOnes(image, findings);
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding &a, const Finding &b) { return a.severity < b.severity; });
    return findings;
}

QString severity_word(Severity severity)
{
    switch (severity) {
    case Severity::Problem: return QStringLiteral("problem");
    case Severity::Warning: return QStringLiteral("warning");
    case Severity::Note: break;
    }
    return QStringLiteral("note");
}

bool has_problem(const QVector<Finding> &findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding &f) { return f.severity == Severity::Problem; });
}
