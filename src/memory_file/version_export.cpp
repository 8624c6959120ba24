#include "version_export.h"

#include "dump_codec.h"
#include "file_bytes.h"
#include "memory_file_write.h"
#include "readable_form.h"
#include "store.h"

#include <QFileInfo>

ExportFormat export_format_for(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("syx"))
        return ExportFormat::Dump;
    if (suffix == QLatin1String("json"))
        return ExportFormat::Readable;
    return ExportFormat::MemoryFile;
}

namespace {

QByteArray exportedBytes(const QByteArray &image, ExportFormat format, const QString &memoryFileName)
{
    switch (format) {
    case ExportFormat::Dump:
        return encode_dump(image, memoryFileName);
    case ExportFormat::Readable:
        return export_readable_memory(reinterpret_cast<const unsigned char *>(image.constData()));
    case ExportFormat::MemoryFile:
        break;
    }
    return image;
}

} // namespace

bool export_version(const QByteArray &image, ExportFormat format, const QString &path,
                    const QString &memoryFileName, QString *error)
{
    const QByteArray bytes = exportedBytes(image, format, memoryFileName);
    // An export over a memory file (the configuration file itself, say)
    // replaces it like any save: through the door that keeps its history.
    if (format != ExportFormat::MemoryFile && path != file_paths().configuration)
        return write_file(path, bytes, error);
    const MemoryFileWrite write = replace_memory_file(path, bytes, SaveOperation::HistoryExport);
    if (error)
        *error = write.reason;
    return write.written();
}
