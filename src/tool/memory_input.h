#pragma once

#include "readable_form.h"

#include <QByteArray>
#include <QString>

// What a MEMORY, IN or DUMP argument holds, told by its name (.bin, .syx,
// .json) and otherwise by its content: a SysEx dump starts with F0, a
// readable document with "{", and a memory file has 93,719 bytes.

enum class InputKind { Memory, Dump, Readable };

InputKind input_kind(const QString &path, const QByteArray &bytes);

struct MemoryInput {
    QString error;             // "memory.bin: holds 100 bytes; a Vektor memory has 93719"
    QByteArray image;          // a whole image, unless `presets` holds a document of presets
    ReadableDocument presets;  // a document of presets when `image` is empty
    InputKind kind = InputKind::Memory;
    bool ok() const { return error.isEmpty(); }
    bool isPresets() const { return ok() && image.isEmpty(); }
};

// Reads a file whole (up to a limit far above any of the three kinds).
// `size`, when given, gets the file's whole size, which is more than `bytes`
// holds when the file passes the limit.
bool read_whole_file(const QString &path, QByteArray *bytes, QString *error, qint64 *size = nullptr);

// Reads the image a memory file, a dump or a readable document holds. A
// document of presets is refused unless `presetsWelcome`.
MemoryInput read_memory_input(const QString &path, bool presetsWelcome = false);

// The same, of `bytes` read from `path` already: a pipe gives its bytes only
// once.
MemoryInput memory_input_of(const QString &path, const QByteArray &bytes, bool presetsWelcome = false);
