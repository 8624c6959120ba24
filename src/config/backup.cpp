#include "backup.h"

#include "store.h"

#include <QFile>
#include <QFileInfo>

QString configuration_backup_path()
{
    return file_paths().configuration + QStringLiteral(".bak");
}

bool backup_configuration_file()
{
    const QString path = file_paths().configuration;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    return write_file_bytes(reinterpret_cast<const unsigned char *>(bytes.constData()), configuration_backup_path(),
                            bytes.size()) == 1;
}
