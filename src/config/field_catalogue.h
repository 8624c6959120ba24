#pragma once

#include <QString>
#include <QVector>

#include <functional>

// Every field of the configuration image by name, built from image_layout.h.
// The readable form, its import and the field-by-field compare all read
// these tables; none keeps offsets of its own.

enum class FieldKind {
    Flag,         // 0 off, anything else on
    Number,       // one byte
    ListPosition, // one byte: the position of a list entry
    Word,         // 16-bit little-endian
    Name,         // 16 Latin-1 characters, NUL-padded, and a terminator byte
    RawMessage,   // 8 bytes of MIDI sent as they stand
    Unnamed,      // bytes no editor shows, carried unchanged
    Record,       // a group of fields
};

struct RecordDef;

struct FieldDef {
    const char *key = "";   // its name in the readable form: "programChanges"
    const char *label = ""; // how a musician says it: "program change"
    const char *topic = ""; // a group of fields in a summary: "program changes"
    FieldKind kind = FieldKind::Number;
    int offset = 0;         // from the start of the enclosing record
    int size = 1;           // bytes of one element
    int count = 1;          // above 1: a list of elements `size` apart
    const RecordDef *record = nullptr;      // kind Record: its fields
    const char *const *choices = nullptr;   // list positions: entry texts, nullptr-terminated
    int shownFrom = 0;      // stored 0 is shown as this (1 for channels, devices, loops)
    bool presetRecord = false; // holds a preset record index (a favorite)
    const char *paddingKey = nullptr; // names: the key of the bytes after the text

    bool isList() const { return count > 1; }
};

struct RecordDef {
    int size = 0;
    QVector<FieldDef> fields;
};

// The global section (at 0), one preset record and the system section.
const RecordDef &global_section_record();
const RecordDef &preset_record();
const FieldDef &system_section_field();

// One field with its place. `path` is the field's path in a readable
// document ("global.buttons[2].byte37", "systemSection"; relative to the
// preset for preset fields: "programChanges[2].number"); `label` is the
// musician's name ("button 3 byte 37", "program change 3 number").
struct CatalogueField {
    QString path;
    QString label;
    QString topic;      // "program changes"; for global fields, the record: "buttons"
    const FieldDef *def = nullptr;
    int offset = 0;     // into the image; into the record for preset fields
};

// The global section's fields and then the system section, in image order.
const QVector<CatalogueField> &global_fields();
// The fields of one preset record, offsets relative to the record.
const QVector<CatalogueField> &preset_fields();

// Visits every field of the whole image once, in image order: the global
// section, the 270 presets (record 0..269) and the system section. `record`
// is -1 outside the presets; `offset` is always into the image.
void for_each_image_field(const std::function<void(const CatalogueField &field, int offset, int record)> &visit);
