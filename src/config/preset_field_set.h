#pragma once

#include "field_catalogue.h"

#include <QByteArray>
#include <QCborValue>
#include <QString>
#include <QVector>

#include <optional>

// One field set across many presets: the library's Edit Selected and
// `vektor-tool set`. A value is written by field_from_json, the function the
// readable import writes every field with, so the three accept and refuse
// the same values with the same words.

// A preset field as a user writes it: the readable document's path with the
// positions counted from 1, as the editor shows them, so
// "programChanges[5].enabled" is device 5's program change. nullptr when no
// such field exists, with the reason in `error`: "loops[9]: there are 8, counted from 1".
const CatalogueField *preset_field_at_shown_path(const QString &path, QString *error);
// The path as the user writes it: "programChanges[5].enabled".
QString shown_path(const CatalogueField &field);

// A value as a command line gives it: JSON where it reads as one value of
// JSON (false, 12, "Intro"), else the text itself (Intro, 7f 00).
QCborValue value_from_argument(const QString &text);

// A field's bytes at `at` as the readable document writes them: true, 12, "Intro".
QString field_value_text(const FieldDef &def, const unsigned char *at);

// The bytes of one field of one preset, before and after.
struct PresetFieldChange {
    const CatalogueField *field = nullptr;
    int record = -1;
    int offset = 0; // into the image
    QByteArray before;
    QByteArray after;
};

// A value for every preset, or a step (+3, -1) from the number each shows.
struct FieldSetting {
    const CatalogueField *field = nullptr;
    QCborValue value;
    std::optional<int> step;
};

struct FieldSetResult {
    QString error;                     // the first value refused, with the field: "programChanges[5].number: 300 is not a byte"
    QVector<PresetFieldChange> changes; // in record order, then in the order of the settings
    QVector<int> changedRecords;       // records with at least one change
    QVector<int> unchangedRecords;     // records that already held every value
    QVector<int> numberlessRecords;    // a step given, and the record shows no number to step from
    bool ok() const { return error.isEmpty(); }
};

// What setting every field of `settings` in each of `records` (0..269) of
// `image` would change; the image itself is left alone. A refused value
// refuses the whole setting: no changes then.
FieldSetResult set_preset_fields(const unsigned char *image, const QVector<int> &records,
                                 const QVector<FieldSetting> &settings);

// Writes the "after" bytes of `changes` into `image`.
void apply_preset_field_changes(unsigned char *image, const QVector<PresetFieldChange> &changes);

// The number a field shows in the editor's windows for `record`: program
// changes and pedals fit their stored byte into 0..127; the control-change and
// override entries show a list position as it stands, nothing (nullopt) when
// it is outside 0..127.
std::optional<int> shown_number(const CatalogueField &field, const unsigned char *record);
// That number moved by `step`, fitted as the windows fit a byte: below 0 is
// 0, past 127 it wraps round. nullopt when the field shows no number.
std::optional<int> shifted_number(const CatalogueField &field, const unsigned char *record, int step);
