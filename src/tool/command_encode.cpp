// vektor-tool encode IN OUT.syx: the editor's dump encoder, byte for byte.

#include "tool_command.h"

#include "dump_codec.h"
#include "image_layout.h"
#include "memory_input.h"
#include "quiet_stdout.h"
#include "store.h"

#include <QFileInfo>
#include <QTemporaryDir>

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
    QString source = line.positional().at(0);
    const QString out = line.positional().at(1);

    QByteArray head;
    QString error;
    if (!read_whole_file(source, &head, &error))
        return line.fail(error);
    QTemporaryDir scratch;
    const InputKind kind = input_kind(source, head);
    // The editor refuses such a file too: a dump of its first part would
    // reach the controller as if it were the whole.
    const qint64 size = QFileInfo(source).size();
    if (kind == InputKind::Memory && size > dump::kMaxSourceBytes)
        return line.fail(QStringLiteral("%1: holds %2 bytes, more than the %3 a dump can carry")
                             .arg(source).arg(size).arg(dump::kMaxSourceBytes));
    if (kind != InputKind::Memory) {
        const MemoryInput input = read_memory_input(source);
        if (!input.ok())
            return line.fail(input.error);
        source = scratch.filePath(QStringLiteral("memory.bin"));
        if (!scratch.isValid() || write_file_bytes(reinterpret_cast<const unsigned char *>(input.image.constData()),
                                                   source, layout::kImageSize) != 1)
            return line.fail(QStringLiteral("no room for a temporary copy of the memory"));
    }
    int result = 0;
    without_stdout([&] { result = binary_to_sysex(source, out); });
    if (result == dump::kUnreadableSource)
        return line.fail(QStringLiteral("%1: cannot be read").arg(source));
    if (result < 0)
        return line.fail(QStringLiteral("%1: cannot be written").arg(out));
    return exitcode::kDone;
}

const ToolCommandRegistration registration({"encode", "IN OUT.syx", "writes a memory (or any file) as a SysEx dump",
                                            10, run});

} // namespace
