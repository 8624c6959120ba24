#include "dump_codec.h"

#include "dump_messages.h"
#include "store.h"

#include <QByteArray>

#include <cstdio>
#include <vector>

namespace {

// Base name: after the last '/' or '\'. File type: the first four characters
// after the first '.' of the base name; missing characters are spaces (so
// "bin" becomes "bin ").
void splitSourceName(const QString &path, QByteArray &baseName, unsigned char type[4])
{
    const QByteArray bytes = path.toLocal8Bit();
    const int slash = qMax(bytes.lastIndexOf('/'), bytes.lastIndexOf('\\'));
    baseName = bytes.mid(slash + 1);
    const int dot = baseName.indexOf('.');
    const QByteArray extension = dot < 0 ? QByteArray() : baseName.mid(dot + 1);
    for (int i = 0; i < 4; ++i)
        type[i] = i < extension.size() ? static_cast<unsigned char>(extension[i]) : ' ';
}

} // namespace

int binary_to_sysex(const QString &sourcePath, const QString &dumpPath)
{
    std::vector<unsigned char> source(dump::kMaxSourceBytes);
    const int length = read_file_bytes(source.data(), sourcePath, dump::kMaxSourceBytes);
    if (length < 0)
        return dump::kUnreadableSource;

    QByteArray baseName;
    unsigned char type[4];
    splitSourceName(sourcePath, baseName, type);

    std::vector<unsigned char> out(size_t(dump::kMaxDumpBytes) + size_t(baseName.size()));
    int size = make_header_message(out.data(), baseName, type, length, 0, 0);
    int packets = 0;
    for (int offset = 0; offset < length; offset += dump::kMaxRawPerPacket, ++packets) {
        const int block = qMin(dump::kMaxRawPerPacket, length - offset);
        const int packetSize = make_data_packet(out.data() + size, source.data() + offset, block, 0, packets & 0x7F);
        std::printf("block size: %d\ndata packet size: %d\n", block, packetSize);
        size += packetSize;
    }
    const int beforeEndOfFile = size;
    size += make_end_of_file_message(out.data() + size, packets);
    if (write_file_bytes(out.data(), dumpPath, size) != 1)
        return dump::kWriteFailed;
    return beforeEndOfFile;
}

void for_each_dump_message(const unsigned char *data, int size, const DumpMessageVisitor &visit)
{
    int i = 0;
    while (i < size) {
        if (data[i] != 0xF0) {
            ++i;
            continue;
        }
        int end = i + 1;
        while (end < size && data[end] != 0xF7)
            ++end;
        const bool closed = end < size;
        visit(data + i, closed ? end - i + 1 : end - i, closed);
        i = end + 1;
    }
}

int decode_dump(const unsigned char *data, int size, unsigned char *out)
{
    int decoded = 0;
    for_each_dump_message(data, size, [&](const unsigned char *message, int length, bool closed) {
        if (classify_dump_message(message, length) != DumpMessageKind::DataPacket)
            return;
        // Offset 7 up to the checksum and F7; a message cut short ends in its checksum.
        const int fullLength = closed ? length : length + 1;
        if (fullLength > 9)
            decoded += decode_7bit_groups(message + 7, fullLength - 9, out + decoded);
    });
    return decoded;
}

int sysex_to_binary(const QString &dumpPath, const QString &destinationPath)
{
    std::vector<unsigned char> dumpData(dump::kMaxDumpBytes);
    const int size = read_file_bytes(dumpData.data(), dumpPath, dump::kMaxDumpBytes);
    if (size < 0)
        return dump::kUnreadableSource;
    std::vector<unsigned char> decoded(size_t(qMax(size, 1)));
    const int length = decode_dump(dumpData.data(), size, decoded.data());
    // A dump with no data would wipe the destination: leave it as it is.
    if (length == 0)
        return dump::kNoDataPacket;
    if (write_file_bytes(decoded.data(), destinationPath, length) != 1)
        return dump::kWriteFailed;
    return length;
}
