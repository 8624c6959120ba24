// vektor-tool decode IN.syx OUT: the editor's dump decoder, byte for byte.

#include "tool_command.h"

#include "dump_codec.h"
#include "memory_file_write.h"

namespace {

int run(const QStringList &arguments)
{
    CommandLine line("decode", "IN.syx OUT",
                     QStringLiteral("Writes the bytes the data packets of the dump IN.syx carry into OUT,\n"
                                    "exactly as the editor's \"Import Vektor SysEx\" does. A dump with no\n"
                                    "data packet is refused and OUT is left as it was. When the editor keeps a\n"
                                    "history beside OUT, OUT as it was is kept there first."));
    line.addPositional(QStringLiteral("IN.syx"), QStringLiteral("The dump to decode."));
    line.addPositional(QStringLiteral("OUT"), QStringLiteral("The file to write (a memory.bin)."));
    int exitCode = 0;
    if (!line.parse(arguments, 2, 2, &exitCode))
        return exitCode;
    const QString in = line.positional().at(0);
    const QString out = line.positional().at(1);
    QByteArray dump;
    if (!read_dump_file(in, dump))
        return line.fail(QStringLiteral("%1: cannot be read").arg(in));
    const QByteArray decoded = decode_dump(dump);
    // A dump with no data would wipe OUT.
    if (decoded.isEmpty())
        return line.fail(QStringLiteral("%1: holds no data packet; %2 was left as it was").arg(in, out));
    const MemoryFileWrite write = replace_memory_file(out, decoded, SaveOperation::ToolDecode);
    if (!write.written())
        return line.fail(QStringLiteral("%1: cannot be written (%2)").arg(out, write.reason));
    return exitcode::kDone;
}

const ToolCommandRegistration registration({"decode", "IN.syx OUT", "writes the bytes a SysEx dump carries", 20, run});

} // namespace
