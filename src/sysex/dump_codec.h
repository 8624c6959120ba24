#pragma once

#include <QString>

#include <functional>

// Whole-file conversion between any binary file and a MIDI File Dump.

namespace dump {
constexpr int kMaxSourceBytes = 131072;   // what the encoder reads of a source
constexpr int kMaxDumpBytes = 262144;     // the largest dump 131,072 source bytes give

// Results below zero: the conversion wrote nothing and left the destination as it was.
constexpr int kUnreadableSource = -1;
constexpr int kNoDataPacket = -2;         // decoding: the dump carried no data
constexpr int kWriteFailed = -3;
} // namespace dump

// Encodes `sourcePath` into `dumpPath`. Returns the length of the dump before
// its end-of-file message (header plus data packets), or a failure value.
int binary_to_sysex(const QString &sourcePath, const QString &dumpPath);

// Decodes the data packets of `dumpPath`, in file order, into `destinationPath`.
// Returns the number of bytes written, or a failure value.
int sysex_to_binary(const QString &dumpPath, const QString &destinationPath);

// Walks the SysEx messages of `data` the way the decoder does: bytes outside
// F0...F7 are skipped, an F0 inside a message belongs to it, and a last message
// without F7 runs to the end. `visit` gets each message as the bytes that are
// there (F0 through F7), with `closed` false for a last message cut short,
// which is then read as if an F7 followed its last byte.
using DumpMessageVisitor = std::function<void(const unsigned char *message, int length, bool closed)>;
void for_each_dump_message(const unsigned char *data, int size, const DumpMessageVisitor &visit);

// Decodes the data packets of an in-memory dump into `out`, which must hold at
// least `size` bytes. Returns the decoded length.
int decode_dump(const unsigned char *data, int size, unsigned char *out);
