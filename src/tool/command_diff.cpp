// vektor-tool diff A B: what differs between two memories, field by field.

#include "tool_command.h"

#include "image_compare.h"
#include "input_notes.h"
#include "memory_input.h"
#include "notes_diff.h"

#include <cstdio>

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
    // The notes beside each memory, or in each document, compared after the bytes.
    const InputNotes notesA = notes_of_input(line.positional().at(0), a);
    const InputNotes notesB = notes_of_input(line.positional().at(1), b);
    for (const QString &problem : {notesA.problem, notesB.problem})
        if (!problem.isEmpty())
            std::fprintf(stderr, "vektor-tool diff: notes left out: %s\n", problem.toUtf8().constData());
    const QVector<NoteChange> noteChanges =
        notesA.problem.isEmpty() && notesB.problem.isEmpty() ? compare_notes(notesA.notes, notesB.notes)
                                                             : QVector<NoteChange>();
    if (line.parser.isSet(summary)) {
        if (noteChanges.isEmpty())
            print_line(change_summary(changes));
        else
            print_line((changes.isEmpty() ? QString() : change_summary(changes) + QStringLiteral("; "))
                       + note_change_summary(noteChanges));
    } else if (!changes.isEmpty() || !noteChanges.isEmpty()) {
        const QStringList lines = change_lines(changes, before, after) + note_change_lines(noteChanges, before);
        print_bytes((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    }
    return changes.isEmpty() && noteChanges.isEmpty() ? exitcode::kDone : exitcode::kDifferent;
}

const ToolCommandRegistration registration({"diff", "A B", "lists what differs between two memories, field by field",
                                            70, run});

} // namespace
