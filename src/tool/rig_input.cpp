#include "rig_input.h"

#include "store.h"

#include <QDir>

#include <cstdio>

QCommandLineOption rig_option()
{
    return QCommandLineOption(QStringLiteral("rig"),
                              QStringLiteral("The rig's names (default: rig.json beside the memory)."),
                              QStringLiteral("RIG"));
}

QString editor_memory_path()
{
    set_paths_for_home(QDir::homePath());
    return file_paths().configuration;
}

QString tool_rig_path(const QString &rigOption, const QString &memoryPath)
{
    return rigOption.isEmpty() ? rig_file_path(memoryPath) : rigOption;
}

RigNames load_tool_rig(const char *command, const QString &rigOption, const QString &memoryPath)
{
    const RigRead read = read_rig_file(tool_rig_path(rigOption, memoryPath));
    if (!read.ok())
        std::fprintf(stderr, "vektor-tool %s: %s Going on without names.\n", command, read.error.toUtf8().constData());
    return read.rig;
}
