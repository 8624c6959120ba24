#pragma once

#include "field_catalogue.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Two images compared field by field through the catalogue: what differs,
// named as a musician reads it.

struct FieldChange {
    int record = -1; // the preset record, or -1 for the global and system sections
    const CatalogueField *field = nullptr; // from preset_fields() or global_fields()
};

// The global and system sections first, in image order, then the presets in
// record order.
QVector<FieldChange> compare_images(const unsigned char *before, const unsigned char *after);

// One line per change: `preset 014 "Verse" program change 3 number: 12 -> 40`,
// `button 2 name: "Solo" -> "Lead"`.
QString change_line(const FieldChange &change, const unsigned char *before, const unsigned char *after);
QStringList change_lines(const QVector<FieldChange> &changes, const unsigned char *before,
                         const unsigned char *after);

// The whole change set in one short line, whatever its size:
// "presets 014, 015: name, program changes; global: button 3 function".
QString change_summary(const QVector<FieldChange> &changes);

struct ChangeCounts {
    int presets = 0;  // preset records with a change
    int settings = 0; // fields of the global and system sections that changed
};
ChangeCounts change_counts(const QVector<FieldChange> &changes);
