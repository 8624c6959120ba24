#include "dump_codec.h"

#include "dump_messages.h"
#include "file_bytes.h"
#include "message_walk.h"

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

QByteArray encode_dump(const QByteArray &source, const QString &sourcePath)
{
    const int length = qMin(source.size(), dump::kMaxSourceBytes);
    const auto *raw = reinterpret_cast<const unsigned char *>(source.constData());
    QByteArray baseName;
    unsigned char type[4];
    splitSourceName(sourcePath, baseName, type);

    QByteArray out(dump::kMaxDumpBytes + baseName.size(), '\0');
    auto *at = reinterpret_cast<unsigned char *>(out.data());
    int size = make_header_message(at, baseName, type, length, 0, 0);
    int packets = 0;
    for (int offset = 0; offset < length; offset += dump::kMaxRawPerPacket, ++packets) {
        const int block = qMin(dump::kMaxRawPerPacket, length - offset);
        const int packetSize = make_data_packet(at + size, raw + offset, block, 0, packets & 0x7F);
        std::printf("block size: %d\ndata packet size: %d\n", block, packetSize);
        size += packetSize;
    }
    size += make_end_of_file_message(at + size, packets);
    out.resize(size);
    return out;
}

int decode_dump(const unsigned char *data, int size, unsigned char *out)
{
    int decoded = 0;
    walk_sysex_messages(data, size, InnerStart::KeptInMessage, [&](const SysexSpan &message) {
        if (classify_dump_message(message.bytes, message.length) != DumpMessageKind::DataPacket)
            return;
        // Offset 7 up to the checksum and F7; a message cut short ends in its checksum.
        const int fullLength = message.closed ? message.length : message.length + 1;
        if (fullLength > 9)
            decoded += decode_7bit_groups(message.bytes + 7, fullLength - 9, out + decoded);
    });
    return decoded;
}

QByteArray decode_dump(const QByteArray &dump)
{
    QByteArray out(qMax(dump.size(), 1), '\0');
    out.resize(decode_dump(reinterpret_cast<const unsigned char *>(dump.constData()), dump.size(),
                           reinterpret_cast<unsigned char *>(out.data())));
    return out;
}

bool read_dump_file(const QString &path, QByteArray &dump)
{
    FileRead read = read_file(path, FileKind::Dump);
    dump = read.bytes;
    return read.ok();
}

int binary_to_sysex(const QString &sourcePath, const QString &dumpPath)
{
    const FileRead read = read_file(sourcePath, FileKind::DumpSource);
    if (!read.ok())
        return dump::kUnreadableSource;
    const QByteArray &source = read.bytes;
    const QByteArray out = encode_dump(source, sourcePath);
    if (!write_file(dumpPath, out))
        return dump::kWriteFailed;
    return out.size() - dump::kEndOfFileSize;
}

int sysex_to_binary(const QString &dumpPath, const QString &destinationPath)
{
    QByteArray dumpData;
    if (!read_dump_file(dumpPath, dumpData))
        return dump::kUnreadableSource;
    const QByteArray decoded = decode_dump(dumpData);
    // A dump with no data would wipe the destination: leave it as it is.
    if (decoded.isEmpty())
        return dump::kNoDataPacket;
    if (!write_file(destinationPath, decoded))
        return dump::kWriteFailed;
    return decoded.size();
}
