#include "tool_command.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int g_outputErrno = 0; // why a result did not reach standard output

QVector<ToolCommand> &registry()
{
    static QVector<ToolCommand> commands;
    return commands;
}

} // namespace

ToolCommandRegistration::ToolCommandRegistration(const ToolCommand &command)
{
    registry().append(command);
}

QVector<ToolCommand> tool_commands()
{
    QVector<ToolCommand> commands = registry();
    std::stable_sort(commands.begin(), commands.end(),
                     [](const ToolCommand &a, const ToolCommand &b) { return a.order < b.order; });
    return commands;
}

CommandLine::CommandLine(const char *name, const char *synopsis, const QString &description)
    : command(QString::fromLatin1(name)), synopsis(QString::fromLatin1(synopsis))
{
    parser.setApplicationDescription(description);
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")});
}

void CommandLine::addPositional(const QString &name, const QString &description)
{
    parser.addPositionalArgument(name, description);
}

bool CommandLine::parse(const QStringList &arguments, int minPositional, int maxPositional, int *exitCode)
{
    if (!parser.parse(arguments)) {
        *exitCode = fail(parser.errorText());
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        // The parser's usage line names the executable's path; name the command.
        QString help = parser.helpText();
        help.replace(0, help.indexOf(QLatin1Char('\n')),
                     QStringLiteral("Usage: vektor-tool %1 [options] %2").arg(command, synopsis));
        print_bytes(help.toUtf8());
        *exitCode = exitcode::kDone;
        return false;
    }
    const int count = parser.positionalArguments().size();
    if (count < minPositional || count > maxPositional) {
        *exitCode = fail(QStringLiteral("takes %1; \"vektor-tool %2 --help\" says more").arg(synopsis, command));
        return false;
    }
    return true;
}

int CommandLine::fail(const QString &message, int exitCode) const
{
    std::fprintf(stderr, "vektor-tool %s: %s\n", qPrintable(command), message.toUtf8().constData());
    return exitCode;
}

void print_line(const QString &line)
{
    print_bytes(line.toUtf8() + '\n');
}

void print_bytes(const QByteArray &bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) && !g_outputErrno)
        g_outputErrno = errno ? errno : EIO;
}

int finish_output(int exitCode)
{
    if (std::fflush(stdout) != 0 && !g_outputErrno)
        g_outputErrno = errno ? errno : EIO;
    if (!g_outputErrno && std::ferror(stdout))
        g_outputErrno = EIO;
    if (!g_outputErrno)
        return exitCode;
    std::fprintf(stderr, "vektor-tool: standard output could not be written (%s)\n", std::strerror(g_outputErrno));
    return exitcode::kTrouble;
}
