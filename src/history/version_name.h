#pragma once

#include "save_operation.h"

#include <QDateTime>
#include <QString>

// Names of the versions in the history folder: the time the file was
// replaced (UTC, to the millisecond), the operation that replaced it and the
// name of the file, as in "20250115T213045.123Z_preset-save_memory.bin".
// Sorted by name, versions are in the order they were kept.

QString version_file_name(const QDateTime &replacedAt, SaveOperation operation, const QString &fileName);

struct VersionName {
    bool ok = false;
    QDateTime replacedAt; // UTC
    QString operation;    // the token in the name: "preset-save"
    QString fileName;     // the file it is a version of: "memory.bin"
};
// Anything that is not such a name comes back with ok false.
VersionName parse_version_file_name(const QString &name);
// The shape alone, without reading the time: for sorting and counting.
bool looks_like_version_file_name(const QString &name);

// "preset-save" for SaveOperation::PresetSave.
QString operation_token(SaveOperation operation);
// What the user did, as the editor names it: "Preset Save". A token this
// run does not know (a later editor's) is shown as it is.
QString operation_text(const QString &token);
