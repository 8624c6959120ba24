#include "midnam_folders.h"

#include "file_bytes.h"

#include <QDir>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// Manufacturer and models stand first in a device's names; this much of a
// file holds them with room to spare.
constexpr int kHeadBytes = 64 * 1024;

void scanHead(const QString &file, QVector<InstalledModel> &models)
{
    QByteArray head(kHeadBytes, '\0');
    const int read = read_file_bytes(reinterpret_cast<unsigned char *>(head.data()), file, kHeadBytes);
    if (read <= 0)
        return;
    head.truncate(read);
    QXmlStreamReader xml(head);
    xml.setNamespaceProcessing(false);
    QString manufacturer;
    bool inDevice = false;
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            if (xml.isEndElement() && (xml.name() == QLatin1String("MasterDeviceNames")
                                       || xml.name() == QLatin1String("ExtendingDeviceNames")))
                inDevice = false;
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("MasterDeviceNames") || name == QLatin1String("ExtendingDeviceNames")) {
            inDevice = true;
            manufacturer.clear();
        } else if (inDevice && name == QLatin1String("Manufacturer")) {
            manufacturer = xml.readElementText().trimmed();
        } else if (inDevice && name == QLatin1String("Model")) {
            models << InstalledModel{manufacturer, xml.readElementText().trimmed(), file};
        } else if (inDevice) {
            // Past the models: the rest of the device is its names.
            xml.skipCurrentElement();
        }
    }
}

} // namespace

QStringList midnam_folders(const QString &memoryPath, const QString &shareRoot)
{
    QStringList folders;
    QDir share(shareRoot);
    for (const QString &name : share.entryList({QStringLiteral("ardour*")}, QDir::Dirs, QDir::Name)) {
        const QString patchfiles = share.filePath(name + QStringLiteral("/patchfiles"));
        if (QFileInfo(patchfiles).isDir())
            folders << patchfiles;
    }
    if (!memoryPath.isEmpty())
        folders << QFileInfo(memoryPath).absoluteDir().filePath(QStringLiteral("midnam"));
    return folders;
}

QVector<InstalledModel> installed_models(const QStringList &folders)
{
    QVector<InstalledModel> models;
    for (const QString &folder : folders) {
        QDir dir(folder);
        for (const QString &name : dir.entryList({QStringLiteral("*.midnam")}, QDir::Files, QDir::Name))
            scanHead(dir.filePath(name), models);
    }
    std::stable_sort(models.begin(), models.end(), [](const InstalledModel &a, const InstalledModel &b) {
        const int byMaker = a.manufacturer.compare(b.manufacturer, Qt::CaseInsensitive);
        return byMaker != 0 ? byMaker < 0 : a.model.compare(b.model, Qt::CaseInsensitive) < 0;
    });
    return models;
}
