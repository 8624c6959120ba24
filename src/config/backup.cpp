#include "backup.h"

#include "store.h"

#include <QFile>
#include <QFileInfo>

QString backup_path(const QString &path)
{
    return path + QStringLiteral(".bak");
}

bool backup_file(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    return write_file_bytes(reinterpret_cast<const unsigned char *>(bytes.constData()), backup_path(path),
                            bytes.size()) == 1;
}

QString configuration_backup_path()
{
    return backup_path(file_paths().configuration);
}

bool backup_configuration_file()
{
    return backup_file(file_paths().configuration);
}
