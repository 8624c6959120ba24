#pragma once

#include <QByteArray>

// Messages of the MIDI File Dump format: header, data packet, end of file,
// and the 7-bit groups that carry 8-bit data inside SysEx.

namespace dump {
constexpr int kMaxRawPerPacket = 112;   // 128 encoded bytes
constexpr int kMaxEncodedPerPacket = 128;
constexpr int kFullPacketSize = 137;
constexpr int kEndOfFileSize = 6;
} // namespace dump

enum class DumpMessageKind { Header, DataPacket, Request, EndOfFile, Wait, Cancel, Nak, Ack, Unknown, TooShort };

// Seven raw bytes become eight: a byte of top bits (bit 6 for the first raw
// byte ... bit 0 for the seventh), then the raw bytes with bit 7 cleared.
int encode_7bit_groups(const unsigned char *raw, int count, unsigned char *out);
int decode_7bit_groups(const unsigned char *encoded, int count, unsigned char *out);

// XOR of the low seven bits of message[first..end). Traces the covered bytes
// and the sum to standard output, as the encoder does for every packet.
int dump_checksum(const unsigned char *message, int first, int end);
// The same sum without the trace.
int dump_checksum_quiet(const unsigned char *message, int first, int end);

// `type` holds four characters; `baseName` is written with bit 7 cleared.
int make_header_message(unsigned char *out, const QByteArray &baseName, const unsigned char type[4],
                        int fileLength, int senderId, int deviceId);
int make_data_packet(unsigned char *out, const unsigned char *raw, int count, int deviceId,
                     int packetNumber);
int make_end_of_file_message(unsigned char *out, int packetCount);

// Kind of one complete message, F0 through F7; messages shorter than five
// bytes cannot be told apart and come back as TooShort.
DumpMessageKind classify_dump_message(const unsigned char *message, int length);
