#pragma once

#include "file_bytes.h"

#include <QByteArray>
#include <QString>

// Conversion between any binary file and a MIDI File Dump, in memory and as
// whole files.

namespace dump {
constexpr int kMaxSourceBytes = filelimit::kDumpSource; // what the encoder reads of a source
constexpr int kMaxDumpBytes = filelimit::kDump;          // the largest dump 131,072 source bytes give

// Results below zero: the conversion wrote nothing and left the destination as it was.
constexpr int kUnreadableSource = -1;
constexpr int kNoDataPacket = -2;         // decoding: the dump carried no data
constexpr int kWriteFailed = -3;
} // namespace dump

// The dump of `source` (at most kMaxSourceBytes of it) as the header names a
// file at `sourcePath`: header, data packets and end-of-file message. Writes
// the encoder's trace to standard output.
QByteArray encode_dump(const QByteArray &source, const QString &sourcePath);

// The data packets of an in-memory dump, decoded in the order they stand.
// `out` must hold at least `size` bytes. Returns the decoded length.
int decode_dump(const unsigned char *data, int size, unsigned char *out);
QByteArray decode_dump(const QByteArray &dump);

// Encodes `sourcePath` into `dumpPath`. Returns the length of the dump before
// its end-of-file message (header plus data packets), or a failure value.
int binary_to_sysex(const QString &sourcePath, const QString &dumpPath);

// Decodes the data packets of `dumpPath`, in file order, into `destinationPath`.
// Returns the number of bytes written, or a failure value.
int sysex_to_binary(const QString &dumpPath, const QString &destinationPath);

// Reads a dump file as the decoder does (at most kMaxDumpBytes); false when
// it cannot be read.
bool read_dump_file(const QString &path, QByteArray &dump);
