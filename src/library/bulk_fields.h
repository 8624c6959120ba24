#pragma once

#include "preset_field_set.h"

#include <QString>
#include <QVector>

// The preset fields that Edit Selected offers, named as the presets window
// and its two sub-dialogs name them, each with the values those list.

struct BulkValue {
    QString text;            // "on", "012", "05 - Delay", "+3"
    FieldSetting setting;    // what choosing it sets
};

struct BulkField {
    enum class Values { OffOn, Numbers, Devices, Switch, Output };
    const CatalogueField *field = nullptr;
    QString name;        // "Device 5 (Delay): program change on"
    QString previewName; // "Delay program change", as a change reads in the preview
    Values values = Values::Numbers;
};

// Every program change, control-change entry, pedal, override, relay, loop
// and the output, in the order of the preset record; device names from `image`.
QVector<BulkField> bulk_fields(const unsigned char *image);

// The values the editor lists for the field; numbers also step: "+1" .. "+127", "-1" .. "-127".
QVector<BulkValue> bulk_values(const BulkField &field, const unsigned char *image);

// What the field shows for preset `record` of `image`: "on", "012", "05 - Delay".
QString bulk_shown_value(const BulkField &field, const unsigned char *image, const unsigned char *record);
