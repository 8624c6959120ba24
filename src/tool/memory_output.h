#pragma once

#include "save_operation.h"

#include <QByteArray>
#include <QString>

// Writes a memory file whole, or leaves it as it was. When a history folder
// stands beside the file (the editor keeps one beside its memory.bin), the
// file as it was is kept there first, as the editor's own saves keep it, so
// the History dialog can put it back.
bool write_memory_file(const QString &path, const QByteArray &bytes, SaveOperation operation);
