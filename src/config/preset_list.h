#pragma once

#include <QString>
#include <QVector>

// Preset numbers as users see and write them ("014"), and lists of them
// ("001,011-019"). Record i is shown as preset i mod 9 + 10 * (i div 9) + 1,
// so numbers ending in 0 belong to no preset.

// The record shown as `number`, or -1 when no preset has that number.
int record_of_preset_number(int number);
// "014" for record 12.
QString preset_number_text(int record);

// One number as the user wrote it ("14" or "014"): its record, or -1 with
// the reason in `reason`.
int parse_preset_number(const QString &text, QString *reason);

struct PresetListParse {
    QVector<int> records; // in the order written
    QString error;        // why the list is refused: "\"0x\" is not a preset number"
    bool ok() const { return error.isEmpty(); }
};

// Numbers and ranges separated by commas: "001,011-019". A range takes every
// preset between its ends; a preset listed twice refuses the list.
PresetListParse parse_preset_list(const QString &text);

// Records written back as a list, runs of neighbouring records as ranges:
// "011-019, 024".
QString preset_list_text(const QVector<int> &records);

// The nine records of bank 0..29 (bank 1 is 011-019).
QVector<int> bank_records(int bank);
constexpr int kBankCount = 30;
