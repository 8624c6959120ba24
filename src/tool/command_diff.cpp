// vektor-tool diff A B: what differs between two memories, field by field.

#include "tool_command.h"

#include "image_compare.h"
#include "memory_input.h"

namespace {

// A document of presets stands for the other side with those presets put in.
QString completeWith(MemoryInput &side, const MemoryInput &other)
{
    if (!side.isPresets())
        return {};
    if (other.isPresets())
        return QStringLiteral("two documents of presets have no memory to compare in; give one whole memory");
    const ReadableImport imported = import_readable(side.presets, other.image);
    if (!imported.ok())
        return imported.error;
    side.image = imported.image;
    return {};
}

int run(const QStringList &arguments)
{
    CommandLine line("diff", "A B",
                     QStringLiteral("Lists what differs from A to B, one field a line, as a musician reads\n"
                                    "it. A and B are each a memory file, a dump or a readable document; a\n"
                                    "document of presets is compared as the other memory with those presets\n"
                                    "put in. Exit status 0 when they are the same, 1 when not."));
    line.addPositional(QStringLiteral("A"), QStringLiteral("The memory before."));
    line.addPositional(QStringLiteral("B"), QStringLiteral("The memory after."));
    const QCommandLineOption summary(QStringLiteral("summary"), QStringLiteral("Print one line that sums it up."));
    line.addOption(summary);
    int exitCode = 0;
    if (!line.parse(arguments, 2, 2, &exitCode))
        return exitCode;
    MemoryInput a = read_memory_input(line.positional().at(0), true);
    if (!a.ok())
        return line.fail(a.error);
    MemoryInput b = read_memory_input(line.positional().at(1), true);
    if (!b.ok())
        return line.fail(b.error);
    QString error = completeWith(a, b);
    if (error.isEmpty())
        error = completeWith(b, a);
    if (!error.isEmpty())
        return line.fail(error);

    const auto *before = reinterpret_cast<const unsigned char *>(a.image.constData());
    const auto *after = reinterpret_cast<const unsigned char *>(b.image.constData());
    const QVector<FieldChange> changes = compare_images(before, after);
    if (line.parser.isSet(summary)) {
        print_line(change_summary(changes));
    } else if (!changes.isEmpty()) {
        QString text = change_lines(changes, before, after).join(QLatin1Char('\n'));
        print_bytes((text + QLatin1Char('\n')).toUtf8());
    }
    return changes.isEmpty() ? exitcode::kDone : exitcode::kDifferent;
}

const ToolCommandRegistration registration({"diff", "A B", "lists what differs between two memories, field by field",
                                            70, run});

} // namespace
