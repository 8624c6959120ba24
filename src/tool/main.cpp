// vektor-tool: the editor's files and conversions from the command line,
// without a window. The first argument names the command; each command
// parses the rest itself (tool_command.h).

#include "tool_command.h"

#include "version_keeping.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

QString toolHelp()
{
    QString help = QStringLiteral(
        "Usage: vektor-tool COMMAND [options] ARGUMENTS\n"
        "Works on the memory of the Vektor foot controller without a window: converts,\n"
        "checks, shows, exports, imports and compares memory files (.bin), SysEx dumps\n"
        "(.syx) and readable documents (.json).\n\nCommands:\n");
    for (const ToolCommand &command : tool_commands()) {
        const QString call =
            QStringLiteral("%1 %2").arg(QLatin1String(command.name), QLatin1String(command.synopsis)).trimmed();
        help += QStringLiteral("  %1\n      %2\n").arg(call, QLatin1String(command.summary));
    }
    help += QStringLiteral("\n\"vektor-tool COMMAND --help\" describes one command.\n"
                           "Exit status: 0 same or done, 1 different or problems found, 2 trouble.\n");
    return help;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vektor-tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEKTOR_VERSION));

    const QStringList arguments = QCoreApplication::arguments();
    const QString first = arguments.value(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        print_bytes(toolHelp().toUtf8());
        return finish_output(exitcode::kDone);
    }
    if (first == QLatin1String("--version")) {
        print_line(QStringLiteral("vektor-tool %1").arg(QCoreApplication::applicationVersion()));
        return finish_output(exitcode::kDone);
    }
    for (const ToolCommand &command : tool_commands()) {
        if (first != QLatin1String(command.name))
            continue;
        // A memory file replaced without its earlier version kept must not
        // pass unsaid; the command still does its job.
        on_history_problem([&command](const QString &reason) {
            std::fprintf(stderr, "vektor-tool %s: earlier versions of the memory file are not being kept: %s\n",
                         command.name, reason.toUtf8().constData());
        });
        return finish_output(command.run(arguments.mid(1)));
    }
    if (first.isEmpty())
        std::fputs("vektor-tool: no command given; \"vektor-tool --help\" lists them\n", stderr);
    else
        std::fprintf(stderr, "vektor-tool: \"%s\" is not a command; \"vektor-tool --help\" lists them\n",
                     first.toUtf8().constData());
    return exitcode::kTrouble;
}
