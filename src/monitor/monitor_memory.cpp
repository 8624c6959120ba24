#include "monitor_memory.h"

#include "file_bytes.h"
#include "image_layout.h"
#include "store.h"

#include <QFileInfo>

namespace {

constexpr int kReloadDelayMs = 100; // a save replaces the file in steps

} // namespace

MonitorMemory::MonitorMemory(QObject *parent)
    : QObject(parent)
{
    reloadTimer.setSingleShot(true);
    connect(&reloadTimer, &QTimer::timeout, this, &MonitorMemory::reload);
    connect(&fileWatch, &QFileSystemWatcher::fileChanged, this, [this] { reloadTimer.start(kReloadDelayMs); });
    connect(&fileWatch, &QFileSystemWatcher::directoryChanged, this, [this] { reloadTimer.start(kReloadDelayMs); });
    reload();
}

const MemorySenders &MonitorMemory::of(const QByteArray &image)
{
    if (image.size() < layout::kImageSize)
        return memory;
    // Play sends from the same unsaved copy many times over: it is read once.
    if (image != sentImage) {
        sentImage = image;
        sentMemory = MemorySenders(reinterpret_cast<const unsigned char *>(sentImage.constData()));
    }
    return sentMemory;
}

void MonitorMemory::followPath()
{
    if (file_paths().configuration != memoryPath)
        reload();
}

void MonitorMemory::reload()
{
    if (!memoryPath.isEmpty()) {
        fileWatch.removePaths(fileWatch.files());
        fileWatch.removePaths(fileWatch.directories());
    }
    memoryPath = file_paths().configuration;
    // A save replaces the file: the watch follows the name, not the old file.
    if (QFileInfo::exists(memoryPath))
        fileWatch.addPath(memoryPath);
    const QString folder = QFileInfo(memoryPath).absolutePath();
    if (QFileInfo(folder).isDir())
        fileWatch.addPath(folder);
    const FileRead read = memoryPath.isEmpty() ? FileRead() : read_file(memoryPath, FileKind::Memory);
    if (!read.ok() || read.bytes.isEmpty()) {
        memory = MemorySenders();
        return;
    }
    // A short file is the start of a memory: the rest reads as zeros.
    QByteArray image = read.bytes.left(layout::kImageSize);
    image.append(QByteArray(layout::kImageSize - image.size(), '\0'));
    memory = MemorySenders(reinterpret_cast<const unsigned char *>(image.constData()));
}
