#pragma once

#include "rig_names.h"

#include <QCommandLineOption>
#include <QString>

// The rig's names for a command: the file --rig names, else rig.json beside
// the memory the command works on.

QCommandLineOption rig_option();

// The editor's own memory file, where a command names none.
QString editor_memory_path();

// The rig file a command reads and writes: `rigOption` when given, else the
// one beside `memoryPath`.
QString tool_rig_path(const QString &rigOption, const QString &memoryPath);

// Reads the rig for commands that only show names: a bad rig file is said
// on standard error ("vektor-tool show: ...") and the command goes on
// without names.
RigNames load_tool_rig(const char *command, const QString &rigOption, const QString &memoryPath);
