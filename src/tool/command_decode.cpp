// vektor-tool decode IN.syx OUT: the editor's dump decoder, byte for byte.

#include "tool_command.h"

#include "dump_codec.h"

namespace {

int run(const QStringList &arguments)
{
    CommandLine line("decode", "IN.syx OUT",
                     QStringLiteral("Writes the bytes the data packets of the dump IN.syx carry into OUT,\n"
                                    "exactly as the editor's \"Import Vektor SysEx\" does. A dump with no\n"
                                    "data packet is refused and OUT is left as it was."));
    line.addPositional(QStringLiteral("IN.syx"), QStringLiteral("The dump to decode."));
    line.addPositional(QStringLiteral("OUT"), QStringLiteral("The file to write (a memory.bin)."));
    int exitCode = 0;
    if (!line.parse(arguments, 2, 2, &exitCode))
        return exitCode;
    const QString in = line.positional().at(0);
    const QString out = line.positional().at(1);
    switch (sysex_to_binary(in, out)) {
    case dump::kUnreadableSource:
        return line.fail(QStringLiteral("%1: cannot be read").arg(in));
    case dump::kNoDataPacket:
        return line.fail(QStringLiteral("%1: holds no data packet; %2 was left as it was").arg(in, out));
    case dump::kWriteFailed:
        return line.fail(QStringLiteral("%1: cannot be written").arg(out));
    default:
        return exitcode::kDone;
    }
}

const ToolCommandRegistration registration({"decode", "IN.syx OUT", "writes the bytes a SysEx dump carries", 20, run});

} // namespace
