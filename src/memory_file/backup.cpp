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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return write_file(backup_path(path), file.readAll(), error);
}

QString configuration_backup_path()
{
    return backup_path(file_paths().configuration);
}

bool backup_configuration_file(QString *error)
{
    return backup_file(file_paths().configuration, error);
}
