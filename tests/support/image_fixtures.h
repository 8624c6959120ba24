#pragma once

#include <QByteArray>
#include <QVector>

#include <vector>

// Images and dumps that many tests start from.

// The store's image in memory, as it is now.
QByteArray imageInMemory();
// The factory image, as init_default_image builds it.
QByteArray factoryImage();
// The dump the codec makes of `source` (saved as memory.bin), trace kept quiet.
QByteArray dumpOf(const QByteArray &source);
// Offsets of the F0 of each message in a dump.
QVector<int> messageStarts(const QByteArray &dump);

// A dump as its messages, each F0 through F7.
using DumpMessages = std::vector<std::vector<unsigned char>>;
DumpMessages messagesOf(const QByteArray &dump);
QByteArray joined(const DumpMessages &messages);
// The dump of 1,120 source bytes: a header, ten full packets, the end of file.
DumpMessages tenPacketDump();
// Spoils the checksum of a data packet.
void breakChecksum(std::vector<unsigned char> &packet);
