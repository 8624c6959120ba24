#pragma once

#include <QByteArray>
#include <QString>

// A kept version written out as a memory file, a SysEx dump or the readable form.

enum class ExportFormat { MemoryFile, Dump, Readable };

// By the file name's ending: ".syx" a dump, ".json" the readable form,
// anything else a memory file.
ExportFormat export_format_for(const QString &path);

// Writes the whole memory `image` to `path` in `format`, all or nothing. A
// dump's header names `memoryFileName` as its source, as a send does.
// False with `error` saying why when nothing was written.
bool export_version(const QByteArray &image, ExportFormat format, const QString &path,
                    const QString &memoryFileName, QString *error = nullptr);
