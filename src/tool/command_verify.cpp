// vektor-tool verify DUMP.syx: the integrity report the editor shows before
// a dump replaces the memory.

#include "tool_command.h"

#include "dump_verify.h"
#include "image_layout.h"

namespace {

int run(const QStringList &arguments)
{
    CommandLine line("verify", "DUMP.syx",
                     QStringLiteral("Checks a SysEx dump against itself: the length its header announces,\n"
                                    "the running numbers and checksums of its packets, the count of its\n"
                                    "end-of-file message, and that it decodes to a whole Vektor memory.\n"
                                    "Exit status 0 when all hold, 1 when not."));
    line.addPositional(QStringLiteral("DUMP.syx"), QStringLiteral("The dump to check."));
    const QCommandLineOption anyLength(QStringLiteral("any-length"),
                                       QStringLiteral("Any decoded length will do (a firmware dump)."));
    line.addOption(anyLength);
    int exitCode = 0;
    if (!line.parse(arguments, 1, 1, &exitCode))
        return exitCode;
    const QString path = line.positional().at(0);
    const DumpReport report = verify_dump_file(path);
    if (!report.readable)
        return line.fail(QStringLiteral("%1: cannot be read").arg(path));

    print_line(report.hasHeader ? QStringLiteral("header: announces %1 bytes").arg(report.declaredLength)
                                : QStringLiteral("header: none"));
    print_line(QStringLiteral("data packets: %1, %2 missing, %3 repeated")
                   .arg(report.dataPackets).arg(report.missingPackets).arg(report.repeatedPackets));
    print_line(report.checksumErrors == 0
                   ? QStringLiteral("checksums: all hold")
                   : QStringLiteral("checksums: %1 fail, the first in packet %2")
                         .arg(report.checksumErrors).arg(report.firstBadChecksumPacket + 1));
    print_line(report.hasEndOfFile ? QStringLiteral("end of file: counts %1 packets").arg(report.endOfFileCount)
                                   : QStringLiteral("end of file: none"));
    print_line(QStringLiteral("decoded: %1 bytes").arg(report.decodedLength));
    const QStringList problems = report.problems(line.parser.isSet(anyLength) ? -1 : layout::kImageSize);
    for (const QString &problem : problems)
        print_line(QStringLiteral("problem: ") + problem);
    if (problems.isEmpty())
        print_line(QStringLiteral("clean"));
    return problems.isEmpty() ? exitcode::kDone : exitcode::kDifferent;
}

const ToolCommandRegistration registration({"verify", "DUMP.syx", "checks a SysEx dump's length, packets and checksums",
                                            30, run});

} // namespace
