#pragma once

#include "memory_senders.h"

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// The memory the monitor explains by: the memory file as it is on disk,
// followed through saves and through "Open file...", and the copy a batch
// of sent messages came from.
class MonitorMemory : public QObject
{
    Q_OBJECT

public:
    explicit MonitorMemory(QObject *parent = nullptr);

    // The memory file's senders; a memory that sends nothing when there is
    // no file.
    const MemorySenders &onDisk() const { return memory; }
    // The senders of `image`, a whole memory; the file's when it is none.
    const MemorySenders &of(const QByteArray &image);
    // Reads the file again when the editor now names another one.
    void followPath();

private:
    void reload();

    MemorySenders memory;
    QFileSystemWatcher fileWatch;
    QString memoryPath;
    QTimer reloadTimer;
    // The memory the last batch of sent messages came from, read once.
    QByteArray sentImage;
    MemorySenders sentMemory;
};
