#include "bulk_fields.h"

#include "bulkeditdialog.h"
#include "choicelists.h"
#include "fields.h"
#include "image_layout.h"
#include "preset_sends.h"

#include <QRegularExpression>

namespace {

using Values = BulkField::Values;

// The position of the list element a catalogue path ends in, counted from 1:
// "programChanges[4].enabled" is 5.
int shownPosition(const CatalogueField &field)
{
    static const QRegularExpression position(QStringLiteral("\\[([0-9]+)\\]"));
    const QRegularExpressionMatch match = position.match(field.path);
    return match.hasMatch() ? match.captured(1).toInt() + 1 : 0;
}

struct Part {
    const char *key;
    QString name;    // after the group: "program change on"
    QString preview; // after the group in the preview, may be empty
    Values values;
};

// The fields of one entry as the column titles of their window call them.
QVector<Part> programChangeParts()
{
    return {{"enabled", bulkeditdialog::tr("program change on"), bulkeditdialog::tr("program change"), Values::OffOn},
            {"number", bulkeditdialog::tr("program change number"), bulkeditdialog::tr("program change number"),
             Values::Numbers},
            {"bankSelectEnabled", bulkeditdialog::tr("bank select on"), bulkeditdialog::tr("bank select"),
             Values::OffOn},
            {"bankMsb", bulkeditdialog::tr("bank MSB"), bulkeditdialog::tr("bank MSB"), Values::Numbers},
            {"bankLsb", bulkeditdialog::tr("bank LSB"), bulkeditdialog::tr("bank LSB"), Values::Numbers}};
}

QVector<Part> entryParts()
{
    const QString on = bulkeditdialog::tr("on");
    const QString device = bulkeditdialog::tr("device");
    const QString controlChange = bulkeditdialog::tr("control change");
    return {{"enabled", on, QString(), Values::OffOn},
            {"device", device, device, Values::Devices},
            {"number", bulkeditdialog::tr("number"), bulkeditdialog::tr("number"), Values::Numbers},
            {"value", bulkeditdialog::tr("value"), bulkeditdialog::tr("value"), Values::Numbers},
            {"channel", bulkeditdialog::tr("channel"), bulkeditdialog::tr("channel"), Values::Devices},
            {"controlChange", controlChange, controlChange, Values::Numbers},
            {"onValue", bulkeditdialog::tr("on value"), bulkeditdialog::tr("on value"), Values::Numbers},
            {"offValue", bulkeditdialog::tr("off value"), bulkeditdialog::tr("off value"), Values::Numbers},
            {"state", bulkeditdialog::tr("state"), bulkeditdialog::tr("state"), Values::OffOn}};
}

const Part *partOf(const QVector<Part> &parts, const FieldDef &def)
{
    for (const Part &part : parts)
        if (qstrcmp(part.key, def.key) == 0)
            return &part;
    return nullptr;
}

QString joined(const QString &group, const QString &part)
{
    return part.isEmpty() ? group : group + QLatin1Char(' ') + part;
}

QString storedText(unsigned char byte)
{
    return bulkeditdialog::tr("blank, stored %1").arg(byte);
}

QStringList offOnTexts() { return {bulkeditdialog::tr("off"), bulkeditdialog::tr("on")}; }

QStringList listTexts(Values values)
{
    if (values == Values::Switch)
        return offOnTexts() << bulkeditdialog::tr("unchanged");
    // The output has two states on the controller; the presets window
    // stores its "unchanged" as B, so it is not offered here.
    return {QStringLiteral("A"), QStringLiteral("B")};
}

} // namespace

QVector<BulkField> bulk_fields(const unsigned char *image)
{
    const QVector<Part> programChange = programChangeParts();
    const QVector<Part> entry = entryParts();
    QVector<BulkField> out;
    for (const CatalogueField &field : preset_fields()) {
        const FieldDef &def = *field.def;
        const int n = shownPosition(field);
        const QString topic = field.topic;
        if (topic == QLatin1String("program changes")) {
            const Part *part = partOf(programChange, def);
            const QString deviceName = name_text(image + layout::deviceOffset(n - 1) + layout::device::kName);
            const QString group = deviceName.isEmpty() ? bulkeditdialog::tr("Device %1").arg(n)
                                                       : bulkeditdialog::tr("Device %1 (%2)").arg(n).arg(deviceName);
            const QString previewGroup = deviceName.isEmpty() ? bulkeditdialog::tr("Device %1").arg(n) : deviceName;
            out.append({&field, bulkeditdialog::tr("%1: %2").arg(group, part->name), joined(previewGroup, part->preview),
                        part->values});
            continue;
        }
        QString group;
        if (topic == QLatin1String("control changes"))
            group = bulkeditdialog::tr("Control change %1").arg(n);
        else if (topic == QLatin1String("expression pedals"))
            group = bulkeditdialog::tr("Expression pedal %1").arg(n);
        else if (topic == QLatin1String("overrides"))
            group = bulkeditdialog::tr("Override for button %1").arg(n);
        if (!group.isEmpty()) {
            if (const Part *part = def.kind == FieldKind::Unnamed ? nullptr : partOf(entry, def))
                out.append({&field, bulkeditdialog::tr("%1: %2").arg(group, part->name), joined(group, part->preview),
                            part->values});
            continue;
        }
        QString name;
        Values values = Values::Switch;
        if (topic == QLatin1String("relays"))
            name = bulkeditdialog::tr("Relay %1").arg(n);
        else if (topic == QLatin1String("loops"))
            name = bulkeditdialog::tr("Loop %1").arg(n);
        else if (topic == QLatin1String("output")) {
            name = bulkeditdialog::tr("Output");
            values = Values::Output;
        }
        if (!name.isEmpty())
            out.append({&field, name, name, values});
    }
    return out;
}

QVector<BulkValue> bulk_values(const BulkField &field, const unsigned char *image)
{
    QVector<BulkValue> out;
    const CatalogueField *catalogue = field.field;
    const auto absolute = [&](const QString &text, const QCborValue &value) {
        out.append({text, {catalogue, value, std::nullopt}});
    };
    switch (field.values) {
    case Values::OffOn: {
        const QStringList texts = offOnTexts();
        const bool flag = catalogue->def->kind == FieldKind::Flag;
        for (int k = 0; k < 2; ++k)
            absolute(texts[k], flag ? QCborValue(k == 1) : QCborValue(k));
        break;
    }
    case Values::Numbers: {
        const QStringList &texts = numberListTexts();
        for (int k = 0; k < texts.size(); ++k)
            absolute(texts[k], k);
        for (int sign : {1, -1})
            for (int k = 1; k < texts.size(); ++k)
                out.append({QStringLiteral("%1%2").arg(sign > 0 ? QLatin1Char('+') : QLatin1Char('-')).arg(k),
                            {catalogue, QCborValue(), sign * k}});
        break;
    }
    case Values::Devices:
        for (int d = 0; d < layout::kDeviceCount; ++d)
            absolute(device_entry_text(image, d), d);
        break;
    case Values::Switch:
    case Values::Output: {
        const QStringList texts = listTexts(field.values);
        for (int k = 0; k < texts.size(); ++k)
            absolute(texts[k], k);
        break;
    }
    }
    return out;
}

QString bulk_shown_value(const BulkField &field, const unsigned char *image, const unsigned char *record)
{
    const CatalogueField &catalogue = *field.field;
    const unsigned char byte = record[catalogue.offset];
    switch (field.values) {
    case Values::OffOn:
        if (catalogue.def->kind == FieldKind::Flag)
            return offOnTexts()[flag_is_on(byte) ? 1 : 0];
        return byte < 2 ? offOnTexts()[byte] : storedText(byte);
    case Values::Numbers:
        if (const std::optional<int> shown = shown_number(catalogue, record))
            return numberListTexts()[*shown];
        return storedText(byte);
    case Values::Devices:
        // The pedals fit their channel; the entries show it as it stands.
        if (catalogue.def->kind == FieldKind::Number)
            return device_entry_text(image, fitted_byte(byte, layout::kDeviceCount - 1));
        return byte < layout::kDeviceCount ? device_entry_text(image, byte) : storedText(byte);
    case Values::Switch:
        return byte <= 2 ? listTexts(Values::Switch)[byte] : storedText(byte);
    case Values::Output:
        return byte < 2 ? listTexts(Values::Output)[byte]
                        : byte == 2 ? bulkeditdialog::tr("unchanged") : storedText(byte);
    }
    return storedText(byte);
}
