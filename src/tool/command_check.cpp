// vektor-tool check MEMORY: what is wrong in a memory, before it is sent.

#include "tool_command.h"

#include "memory_check.h"
#include "memory_input.h"

namespace {

int run(const QStringList &arguments)
{
    CommandLine line("check", "MEMORY",
                     QStringLiteral("Checks MEMORY (a memory file, a dump or a readable document) and prints\n"
                                    "what it finds, one finding a line, \"problem:\", \"warning:\" or \"note:\"\n"
                                    "first, or \"clean\". Exit status 1 when there is a problem, else 0."));
    line.addPositional(QStringLiteral("MEMORY"), QStringLiteral("The memory to check."));
    int exitCode = 0;
    if (!line.parse(arguments, 1, 1, &exitCode))
        return exitCode;
    const MemoryInput input = read_memory_input(line.positional().at(0));
    if (!input.ok())
        return line.fail(input.error);
    const QVector<Finding> findings =
        check_memory(reinterpret_cast<const unsigned char *>(input.image.constData()));
    QString text;
    for (const Finding &finding : findings)
        text += severity_word(finding.severity) + QStringLiteral(": ") + finding.text + QLatin1Char('\n');
    if (findings.isEmpty())
        text = QStringLiteral("clean\n");
    print_bytes(text.toUtf8());
    return has_problem(findings) ? exitcode::kDifferent : exitcode::kDone;
}

const ToolCommandRegistration registration({"check", "MEMORY", "lists what is wrong in a memory (exit 1 on a problem)",
                                            45, run});

} // namespace
