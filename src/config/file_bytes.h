#pragma once

#include <QString>

// Whole-file reads and writes, with no state of their own.

// Reads up to `max` bytes; returns the count read, or -1 when the file cannot
// be opened.
int read_file_bytes(unsigned char *buffer, const QString &path, int max);

// Replaces `path` with `length` bytes, all or nothing. Returns 1 when written
// whole, 0 when the write failed (the old file stays), -1 when the file could
// not be opened for writing. On failure `error`, when given, gets the
// system's reason.
int write_file_bytes(const unsigned char *data, const QString &path, int length, QString *error = nullptr);

// write_file_bytes of a byte array; true when written whole.
bool write_file(const QString &path, const QByteArray &bytes, QString *error = nullptr);
