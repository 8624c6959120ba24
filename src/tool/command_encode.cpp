// vektor-tool encode IN OUT.syx: the editor's dump encoder, byte for byte.

#include "tool_command.h"

#include "dump_codec.h"
#include "file_bytes.h"
#include "memory_input.h"
#include "quiet_stdout.h"

namespace {

int run(const QStringList &arguments)
{
    CommandLine line("encode", "IN OUT.syx",
                     QStringLiteral("Writes IN as a SysEx dump (MIDI File Dump), exactly as the editor\n"
                                    "does before a send. IN is a memory file or any other file (a firmware\n"
                                    "image); a readable document or a dump is first turned into the memory\n"
                                    "it holds, named memory.bin in the dump."));
    line.addPositional(QStringLiteral("IN"), QStringLiteral("The file to encode."));
    line.addPositional(QStringLiteral("OUT.syx"), QStringLiteral("The dump to write."));
    int exitCode = 0;
    if (!line.parse(arguments, 2, 2, &exitCode))
        return exitCode;
    const QString in = line.positional().at(0);
    const QString out = line.positional().at(1);

    // Read once: a pipe gives its bytes only to the first read.
    QByteArray bytes;
    QString error;
    qint64 size = 0;
    if (!read_whole_file(in, &bytes, &error, &size))
        return line.fail(error);
    QByteArray source = bytes;
    QString sourceName = in; // the dump's header names the file it was made of
    if (input_kind(in, bytes) == InputKind::Memory) {
        // The editor refuses such a file too: a dump of its first part would
        // reach the controller as if it were the whole.
        if (size > dump::kMaxSourceBytes)
            return line.fail(QStringLiteral("%1: holds %2 bytes, more than the %3 a dump can carry")
                                 .arg(in).arg(size).arg(dump::kMaxSourceBytes));
    } else {
        const MemoryInput input = memory_input_of(in, bytes);
        if (!input.ok())
            return line.fail(input.error);
        source = input.image;
        sourceName = QStringLiteral("memory.bin");
    }
    // A dump of no bytes is only a header and an end of file: an empty file
    // or pipe is said, not taken for a memory.
    if (source.isEmpty())
        return line.fail(QStringLiteral("%1: holds nothing to encode; %2 was not written").arg(in, out));
    QByteArray dumpBytes;
    without_stdout([&] { dumpBytes = encode_dump(source, sourceName); });
    if (!write_file(out, dumpBytes))
        return line.fail(QStringLiteral("%1: cannot be written").arg(out));
    return exitcode::kDone;
}

const ToolCommandRegistration registration({"encode", "IN OUT.syx", "writes a memory (or any file) as a SysEx dump",
                                            10, run});

} // namespace
