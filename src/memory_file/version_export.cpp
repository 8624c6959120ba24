#include "version_export.h"

#include "dump_codec.h"
#include "file_bytes.h"
#include "readable_form.h"

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

bool export_version(const QByteArray &image, ExportFormat format, const QString &path,
                    const QString &memoryFileName, QString *error)
{
    switch (format) {
    case ExportFormat::Dump:
        return write_file(path, encode_dump(image, memoryFileName), error);
    case ExportFormat::Readable:
        return write_file(path, export_readable_memory(reinterpret_cast<const unsigned char *>(image.constData())),
                          error);
    case ExportFormat::MemoryFile:
        break;
    }
    return write_file(path, image, error);
}
