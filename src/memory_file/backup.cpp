#include "backup.h"

#include "store.h"

#include <QFile>
#include <QFileInfo>

QString backup_path(const QString &path)
{
    return path + QStringLiteral(".bak");
}

bool backup_file(const QString &path, QString *error)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return true;
    const FileRead read = read_file(path, FileKind::AnyFile);
    if (!read.ok() || read.cut()) {
        if (error)
            *error = read.cut() ? QStringLiteral("%1 is larger than any memory file").arg(path) : read.error;
        return false;
    }
    return write_file(backup_path(path), read.bytes, error);
}

QString configuration_backup_path()
{
    return backup_path(file_paths().configuration);
}

bool backup_configuration_file(QString *error)
{
    return backup_file(file_paths().configuration, error);
}
