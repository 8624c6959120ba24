#include "version_listing.h"

#include "file_bytes.h"
#include "image_layout.h"
#include "version_keeping.h"
#include "version_name.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLocale>

QVector<HistoryVersion> list_versions(const QString &configurationPath)
{
    QVector<HistoryVersion> versions;
    if (configurationPath.isEmpty())
        return versions;
    const QString fileName = QFileInfo(configurationPath).fileName();
    const QDir folder(history_folder(configurationPath));
    const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::Reversed);
    for (const QFileInfo &entry : entries) {
        const VersionName name = parse_version_file_name(entry.fileName());
        if (!name.ok || name.fileName != fileName)
            continue;
        versions.append({entry.filePath(), name.replacedAt, name.operation, entry.size()});
    }
    return versions;
}

QByteArray read_whole_memory(const QString &path, QString *problem)
{
    const auto fail = [problem](const QString &why) {
        if (problem)
            *problem = QCoreApplication::translate("History", "unreadable: %1").arg(why);
        return QByteArray();
    };
    const FileRead read = read_file(path, FileKind::Memory);
    if (!read.ok())
        return fail(read.error);
    if (read.size != layout::kImageSize)
        return fail(QCoreApplication::translate("History", "%1 bytes, not a whole memory")
                        .arg(QLocale().toString(read.size)));
    return read.bytes;
}
