#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes, with no state of their own.

// Every file the editor and the tool read whole is one of these kinds, and
// each kind is read up to its limit, set here and nowhere else.
enum class FileKind {
    Memory,     // a memory file: one image and one byte more, which tells a longer file from a whole one
    Kestrel,    // the Kestrel's memory: one Kestrel image
    DumpSource, // a file a dump is made of (a memory, a firmware image): what one dump can carry
    Dump,       // a SysEx dump: the largest that a dump source gives
    Document,   // a readable document
    Names,      // a MIDNAM file or a plain list of sound names
    Notes,      // the notes and tags beside a memory
    AnyFile,    // a file copied whole (a backup, a version) or not yet told apart (vektor-tool's inputs)
};

namespace filelimit {
constexpr int kDumpSource = 131072;
constexpr int kDump = 262144;
constexpr int kDocument = 32 * 1024 * 1024;
// The largest MIDNAM files (a synthesizer's whole sound set) are under 1 MB.
constexpr int kNames = 8 * 1024 * 1024;
constexpr int kNotes = 16 * 1024 * 1024; // 270 full notes, every character escaped, and their tags
constexpr int kAnyFile = 64 * 1024 * 1024;
} // namespace filelimit

int read_limit(FileKind kind);

struct FileRead {
    QByteArray bytes;  // at most read_limit() of the kind
    qint64 size = -1;  // the file's whole size; -1 when it could not be read
    QString error;     // the system's reason when it could not
    bool ok() const { return size >= 0; }
    // More is in the file than its kind reads.
    bool cut() const { return size > bytes.size(); }
};

// The one reader of whole files.
FileRead read_file(const QString &path, FileKind kind);

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
