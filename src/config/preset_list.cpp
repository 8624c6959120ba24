#include "preset_list.h"

#include "fields.h"
#include "image_layout.h"

#include <QStringList>

int record_of_preset_number(int number)
{
    if (number < 1 || number % 10 == 0)
        return -1;
    const int record = (number / 10) * 9 + number % 10 - 1;
    return record < layout::kPresetCount ? record : -1;
}

QString preset_number_text(int record)
{
    return QStringLiteral("%1").arg(preset_number(record), 3, 10, QLatin1Char('0'));
}

int parse_preset_number(const QString &text, QString *reason)
{
    const QString trimmed = text.trimmed();
    bool digitsOnly = !trimmed.isEmpty() && trimmed.size() <= 3;
    for (QChar c : trimmed)
        digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const int number = digitsOnly ? trimmed.toInt() : -1;
    const int record = record_of_preset_number(number);
    if (record < 0 && reason) {
        if (digitsOnly && number % 10 == 0 && number > 0 && number < 300)
            *reason = QStringLiteral("\"%1\" ends in 0, and no preset number does").arg(text);
        else
            *reason = QStringLiteral("\"%1\" is not a preset number (001 to 299)").arg(text);
    }
    return record;
}

PresetListParse parse_preset_list(const QString &text)
{
    PresetListParse result;
    QVector<bool> listed(layout::kPresetCount, false);
    const QStringList items = text.split(QLatin1Char(','));
    for (const QString &item : items) {
        const int dash = item.indexOf(QLatin1Char('-'));
        const int first = parse_preset_number(dash < 0 ? item : item.left(dash), &result.error);
        const int last = dash < 0 ? first : parse_preset_number(item.mid(dash + 1), &result.error);
        if (first < 0 || last < 0)
            return {{}, result.error};
        if (last < first)
            return {{}, QStringLiteral("\"%1\" runs backwards").arg(item.trimmed())};
        for (int record = first; record <= last; ++record) {
            if (listed[record])
                return {{}, QStringLiteral("%1 is listed twice").arg(preset_number_text(record))};
            listed[record] = true;
            result.records.append(record);
        }
    }
    return result;
}

QString preset_list_text(const QVector<int> &records)
{
    QStringList parts;
    for (int k = 0; k < records.size();) {
        int end = k;
        while (end + 1 < records.size() && records[end + 1] == records[end] + 1)
            ++end;
        parts.append(end == k ? preset_number_text(records[k])
                              : preset_number_text(records[k]) + QLatin1Char('-') + preset_number_text(records[end]));
        k = end + 1;
    }
    return parts.join(QStringLiteral(", "));
}

QVector<int> bank_records(int bank)
{
    QVector<int> records;
    for (int k = 0; k < 9; ++k)
        records.append(bank * 9 + k);
    return records;
}
