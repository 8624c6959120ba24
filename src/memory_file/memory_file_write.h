#pragma once

#include "save_operation.h"

#include <QByteArray>
#include <QString>

// The one door through which the editor and vektor-tool replace a memory
// file: the editor's saves, the imports, a dump received, a restore, an
// export over a memory file, the tool's import and decode. Whatever comes
// through it, the memory as it was is never lost:
//  1. with KeepBackup::Yes, the file as it is is first copied to
//     "<file>.bak" beside it (one generation); when that copy cannot be
//     written, nothing else is;
//  2. the file as it is is kept in the history folder beside it, with the
//     notes file beside it as it is then: always for the editor's
//     configuration file (the folder is made when missing), for any other
//     file when a history folder stands beside it;
//  3. the file is replaced whole, or left as it was.

enum class KeepBackup { No, Yes };

struct MemoryFileWrite {
    enum class Failure { None, Backup, Write };
    Failure failure = Failure::None;
    QString reason; // the system's reason for the failure
    bool written() const { return failure == Failure::None; }
};

MemoryFileWrite replace_memory_file(const QString &path, const QByteArray &bytes, SaveOperation operation,
                                    KeepBackup backup = KeepBackup::No);
