#include "memory_input.h"

#include "dump_codec.h"
#include "file_bytes.h"
#include "image_layout.h"

#include <QFileInfo>

InputKind input_kind(const QString &path, const QByteArray &bytes)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("syx"))
        return InputKind::Dump;
    if (suffix == QLatin1String("json"))
        return InputKind::Readable;
    if (suffix == QLatin1String("bin") || bytes.size() == layout::kImageSize)
        return InputKind::Memory;
    if (bytes.startsWith('\xF0'))
        return InputKind::Dump;
    if (bytes.trimmed().startsWith('{'))
        return InputKind::Readable;
    return InputKind::Memory;
}

bool read_whole_file(const QString &path, QByteArray *bytes, QString *error, qint64 *size)
{
    const FileRead read = read_file(path, FileKind::AnyFile);
    if (!read.ok()) {
        *error = QStringLiteral("%1: cannot be read (%2)").arg(path, read.error);
        return false;
    }
    *bytes = read.bytes;
    if (size)
        *size = read.size;
    return true;
}

MemoryInput read_memory_input(const QString &path, bool presetsWelcome)
{
    QByteArray bytes;
    QString error;
    if (!read_whole_file(path, &bytes, &error)) {
        MemoryInput input;
        input.error = error;
        return input;
    }
    return memory_input_of(path, bytes, presetsWelcome);
}

MemoryInput memory_input_of(const QString &path, const QByteArray &bytes, bool presetsWelcome)
{
    MemoryInput input;
    input.kind = input_kind(path, bytes);
    switch (input.kind) {
    case InputKind::Memory:
        if (bytes.size() != layout::kImageSize)
            input.error = QStringLiteral("%1: holds %2 bytes; a Vektor memory has %3")
                              .arg(path).arg(bytes.size()).arg(layout::kImageSize);
        else
            input.image = bytes;
        break;
    case InputKind::Dump: {
        // Read as much of it as the editor's decoder does.
        const QByteArray dumpBytes = bytes.left(dump::kMaxDumpBytes);
        QByteArray image(qMax(dumpBytes.size(), 1), '\0');
        const int length = decode_dump(reinterpret_cast<const unsigned char *>(dumpBytes.constData()),
                                       dumpBytes.size(), reinterpret_cast<unsigned char *>(image.data()));
        if (length != layout::kImageSize)
            input.error = QStringLiteral("%1: decodes to %2 bytes; a Vektor memory has %3")
                              .arg(path).arg(length).arg(layout::kImageSize);
        else
            input.image = image.left(length);
        break;
    }
    case InputKind::Readable: {
        const ReadableRead read = read_readable(bytes);
        if (!read.ok())
            input.error = path + QStringLiteral(": ") + read.error;
        else if (read.document.wholeMemory)
            input.image = read.document.image;
        else if (presetsWelcome)
            input.presets = read.document;
        else
            input.error = QStringLiteral("%1: holds only some presets, not a whole memory").arg(path);
        break;
    }
    }
    return input;
}
