#include "dump_messages.h"

#include "fields.h"

#include <cstdio>

int encode_7bit_groups(const unsigned char *raw, int count, unsigned char *out)
{
    int written = 0;
    for (int start = 0; start < count; start += 7) {
        const int groupSize = count - start < 7 ? count - start : 7;
        unsigned char topBits = 0;
        for (int j = 0; j < groupSize; ++j)
            if (raw[start + j] & 0x80)
                topBits |= static_cast<unsigned char>(0x40 >> j);
        out[written++] = topBits;
        for (int j = 0; j < groupSize; ++j)
            out[written++] = raw[start + j] & 0x7F;
    }
    return written;
}

int decode_7bit_groups(const unsigned char *encoded, int count, unsigned char *out)
{
    int written = 0;
    for (int start = 0; start < count; start += 8) {
        const int groupSize = count - start < 8 ? count - start : 8;
        const unsigned char topBits = encoded[start];
        for (int j = 1; j < groupSize; ++j)
            out[written++] = static_cast<unsigned char>(encoded[start + j] | ((topBits >> (7 - j)) & 1 ? 0x80 : 0));
    }
    return written;
}

int dump_checksum_quiet(const unsigned char *message, int first, int end)
{
    int sum = 0;
    for (int i = first; i < end; ++i)
        sum ^= message[i] & 0x7F;
    return sum;
}

int dump_checksum(const unsigned char *message, int first, int end)
{
    const int covered = end - first;
    std::printf("-----------------\n%d bytes\n", covered);
    // Each covered byte as "%02x ", in one write: the trace runs for every packet of a dump.
    QByteArray line = hex_bytes(message + first, covered);
    if (covered > 0)
        line += ' ';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    const int sum = dump_checksum_quiet(message, first, end);
    std::printf("\nChecksum: %02x\n\nCount: %d\n", sum, covered);
    return sum;
}

int make_header_message(unsigned char *out, const QByteArray &baseName, const unsigned char type[4],
                        int fileLength, int senderId, int deviceId)
{
    int n = 0;
    out[n++] = 0xF0;
    out[n++] = 0x7E;
    out[n++] = static_cast<unsigned char>(deviceId);
    out[n++] = 0x07;
    out[n++] = 0x01;
    out[n++] = static_cast<unsigned char>(senderId);
    for (int i = 0; i < 4; ++i)
        out[n++] = type[i] & 0x7F;
    for (int shift = 0; shift < 28; shift += 7)
        out[n++] = static_cast<unsigned char>((fileLength >> shift) & 0x7F);
    for (char c : baseName)
        out[n++] = static_cast<unsigned char>(c) & 0x7F;
    out[n++] = 0xF7;
    return n;
}

int make_data_packet(unsigned char *out, const unsigned char *raw, int count, int deviceId,
                     int packetNumber)
{
    out[0] = 0xF0;
    out[1] = 0x7E;
    out[2] = static_cast<unsigned char>(deviceId);
    out[3] = 0x07;
    out[4] = 0x02;
    out[5] = static_cast<unsigned char>(packetNumber & 0x7F);
    const int encoded = encode_7bit_groups(raw, count, out + 7);
    out[6] = static_cast<unsigned char>(encoded - 1);
    std::printf("encoded_byte_count: %d\n", encoded);
    out[7 + encoded] = static_cast<unsigned char>(dump_checksum(out, 1, 7 + encoded));
    out[8 + encoded] = 0xF7;
    return 9 + encoded;
}

int make_end_of_file_message(unsigned char *out, int packetCount)
{
    const unsigned char message[dump::kEndOfFileSize] = {
        0xF0, 0x7E, 0x00, 0x7B, static_cast<unsigned char>(packetCount & 0x7F), 0xF7};
    for (int i = 0; i < dump::kEndOfFileSize; ++i)
        out[i] = message[i];
    return dump::kEndOfFileSize;
}

DumpMessageKind classify_dump_message(const unsigned char *message, int length)
{
    if (length < 5)
        return DumpMessageKind::TooShort;
    // Offset 3 is read as a signed byte: 80 and above is unknown.
    switch (static_cast<signed char>(message[3])) {
    case 0x07:
        switch (message[4]) {
        case 0x01: return DumpMessageKind::Header;
        case 0x02: return DumpMessageKind::DataPacket;
        case 0x03: return DumpMessageKind::Request;
        default: return DumpMessageKind::Unknown;
        }
    case 0x7B: return DumpMessageKind::EndOfFile;
    case 0x7C: return DumpMessageKind::Wait;
    case 0x7D: return DumpMessageKind::Cancel;
    case 0x7E: return DumpMessageKind::Nak;
    case 0x7F: return DumpMessageKind::Ack;
    default: return DumpMessageKind::Unknown;
    }
}
