#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The readable form of the memory: a JSON document whose keys are the field
// names of the catalogue. It holds either the whole memory ("contents":
// "memory") or some presets ("contents": "presets"), each preset naming the
// slot it came from ("slot": "014"). Every byte of the image is in it, so a
// whole memory comes back byte for byte.

namespace readable {
constexpr char kFormat[] = "vektor-readable";
constexpr int kVersion = 1;
constexpr char kWholeMemory[] = "memory";
constexpr char kPresets[] = "presets";
// The presets' notes and tags, when any have them: an optional key that the
// notes library writes and reads (readable_notes.h); the image never needs it.
constexpr char kNotes[] = "notes";
} // namespace readable

// The whole image as a readable document (UTF-8, indented).
QByteArray export_readable_memory(const unsigned char *image);
// Preset records (0..269), in the order given, as a readable document.
QByteArray export_readable_presets(const unsigned char *image, const QVector<int> &records);

// A document that passed every check.
struct ReadableDocument {
    bool wholeMemory = false;
    QByteArray image;            // a whole memory: all 93,719 bytes
    QVector<int> records;        // the record (slot) each preset came from, in document order
    QVector<QByteArray> presets; // their 290 bytes each
};

struct ReadableRead {
    ReadableDocument document;
    QString error; // the first problem: "presets[3].programChanges[2].number: 300 is not a byte"
    bool ok() const { return error.isEmpty(); }
};

// Checks the whole document before anything is taken from it.
ReadableRead read_readable(const QByteArray &json);

// What an import would write, or why it writes nothing.
struct ReadableImport {
    QString error;         // the first problem, one sentence; empty when good
    QByteArray image;      // the image to write
    QVector<int> records;  // the preset records it replaces
    bool wholeMemory = false;
    bool ok() const { return error.isEmpty(); }
};

// Puts `json` over `current` (an image, or empty for a whole-memory
// document). A document of presets replaces only their records, or the
// records `targets` names instead, one for each preset in document order.
ReadableImport import_readable(const QByteArray &json, const QByteArray &current, const QVector<int> &targets = {});
// The same for a document already read.
ReadableImport import_readable(const ReadableDocument &document, const QByteArray &current,
                               const QVector<int> &targets = {});
