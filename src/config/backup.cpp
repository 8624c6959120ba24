#include "backup.h"

#include "store.h"

#include <QFile>
#include <QFileInfo>

QString configuration_backup_path()
{
    return file_paths().configuration + QStringLiteral(".bak");
}

bool backup_configuration_file(QString *error)
{
    const QString path = file_paths().configuration;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return write_file(configuration_backup_path(), file.readAll(), error);
}
