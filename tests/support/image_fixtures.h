#pragma once

#include <QByteArray>
#include <QVector>

// Images and dumps that many tests start from.

// The store's image in memory, as it is now.
QByteArray imageInMemory();
// The factory image, as init_default_image builds it.
QByteArray factoryImage();
// The dump the codec makes of `source` (saved as memory.bin), trace kept quiet.
QByteArray dumpOf(const QByteArray &source);
// Offsets of the F0 of each message in a dump.
QVector<int> messageStarts(const QByteArray &dump);
