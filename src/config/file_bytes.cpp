#include "file_bytes.h"

#include "image_layout.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace {

// Reads until `max` bytes or end of file, so pipes and short reads behave
// like a plain file.
int readUpTo(QFile &file, unsigned char *buffer, int max)
{
    int total = 0;
    while (total < max) {
        const qint64 n = file.read(reinterpret_cast<char *>(buffer) + total, max - total);
        if (n <= 0)
            break;
        total += int(n);
    }
    return total;
}

} // namespace

int read_limit(FileKind kind)
{
    switch (kind) {
    case FileKind::Memory:
        return layout::kImageSize + 1;
    case FileKind::Kestrel:
        return layout::kSiblingImageSize;
    case FileKind::DumpSource:
        return filelimit::kDumpSource;
    case FileKind::Dump:
        return filelimit::kDump;
    case FileKind::Document:
        return filelimit::kDocument;
    case FileKind::Names:
        return filelimit::kNames;
    case FileKind::Notes:
        return filelimit::kNotes;
    case FileKind::AnyFile:
        break;
    }
    return filelimit::kAnyFile;
}

FileRead read_file(const QString &path, FileKind kind)
{
    FileRead read;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        read.error = path.isEmpty() ? QCoreApplication::translate("FileBytes", "no file is chosen")
                                    : file.errorString();
        return read;
    }
    const qint64 size = file.size();
    const int limit = read_limit(kind);
    // Reads on to the end or the limit, so pipes, short reads and a file
    // that grows meanwhile behave like a plain file.
    read.bytes.reserve(int(qBound(qint64(0), size, qint64(limit))));
    while (read.bytes.size() < limit) {
        const QByteArray chunk = file.read(qMin<qint64>(limit - read.bytes.size(), 1 << 20));
        if (chunk.isEmpty())
            break;
        read.bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError) {
        read.bytes.clear();
        read.error = file.errorString();
        return read;
    }
    read.size = qMax<qint64>(size, read.bytes.size());
    return read;
}

int read_file_bytes(unsigned char *buffer, const QString &path, int max)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return -1;
    return readUpTo(file, buffer, qMax(max, 0));
}

int write_file_bytes(const unsigned char *data, const QString &path, int length, QString *error)
{
    auto fail = [error](int result, const QString &reason) {
        if (error)
            *error = reason;
        return result;
    };
    if (path.isEmpty())
        return fail(-1, QCoreApplication::translate("FileBytes", "no file is chosen"));
    // A temporary file renamed over the target: a crash or a full disk never
    // leaves a torn file behind.
    // Unbuffered: with Qt's buffer, a flush that fails inside commit() still
    // renames a torn file into place and reports success.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(-1, file.errorString());
    // A short write is no error yet: writing on brings out the system's
    // reason (a full disk, a size limit).
    qint64 written = 0;
    while (written < length) {
        const qint64 n = file.write(reinterpret_cast<const char *>(data) + written, length - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written < length) {
        const QString reason = file.errorString();
        file.cancelWriting(); // the destructor drops the temporary file
        return fail(0, reason);
    }
    if (!file.commit())
        return fail(0, file.errorString());
    return 1;
}

bool write_file(const QString &path, const QByteArray &bytes, QString *error)
{
    return write_file_bytes(reinterpret_cast<const unsigned char *>(bytes.constData()), path, bytes.size(), error)
        == 1;
}
