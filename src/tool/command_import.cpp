// vektor-tool import FILE.json MEMORY [--to LIST]: a readable document into
// a memory file, after every check and a backup.

#include "tool_command.h"

#include "backup.h"
#include "image_bytes.h"
#include "image_compare.h"
#include "image_layout.h"
#include "memory_input.h"
#include "memory_file_write.h"
#include "notes_file.h"
#include "notes_file_write.h"
#include "preset_list.h"
#include "readable_form.h"
#include "readable_notes.h"
#include "store.h"

#include <QFileInfo>

namespace {

int run(const QStringList &arguments)
{
    CommandLine line("import", "FILE.json MEMORY",
                     QStringLiteral("Puts a readable document into the memory file MEMORY. A whole memory\n"
                                    "replaces MEMORY, which need not exist yet; a document of presets\n"
                                    "replaces only the presets of its slots, or those --to names. The whole\n"
                                    "document is checked first: a problem is named and nothing is written.\n"
                                    "The file as it was is kept as MEMORY.bak, and in the history beside\n"
                                    "MEMORY when the editor keeps one; a line on standard output says what\n"
                                    "changed."));
    line.addPositional(QStringLiteral("FILE.json"), QStringLiteral("The readable document."));
    line.addPositional(QStringLiteral("MEMORY"), QStringLiteral("The memory file to write."));
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("Put the document's presets, in order, into these slots instead: "
                                               "001,011-019."),
                                QStringLiteral("LIST"));
    line.addOption(to);
    int exitCode = 0;
    if (!line.parse(arguments, 2, 2, &exitCode))
        return exitCode;
    const QString documentPath = line.positional().at(0);
    const QString memoryPath = line.positional().at(1);

    QVector<int> targets;
    if (line.parser.isSet(to)) {
        const PresetListParse list = parse_preset_list(line.parser.value(to));
        if (!list.ok())
            return line.fail(QStringLiteral("--to: ") + list.error);
        targets = list.records;
    }
    QByteArray json;
    QString error;
    if (!read_whole_file(documentPath, &json, &error))
        return line.fail(error);
    const ReadableRead read = read_readable(json);
    if (!read.ok())
        return line.fail(documentPath + QStringLiteral(": ") + read.error);

    QByteArray current;
    const bool exists = QFileInfo::exists(memoryPath);
    if (exists) {
        const MemoryInput memory = read_memory_input(memoryPath);
        if (memory.kind != InputKind::Memory)
            return line.fail(QStringLiteral("%1: is not a memory file; import writes one").arg(memoryPath));
        // A whole memory replaces even a file that is no memory at all.
        if (!memory.ok() && !read.document.wholeMemory)
            return line.fail(memory.error);
        current = memory.image;
    } else if (!read.document.wholeMemory) {
        return line.fail(QStringLiteral("%1: does not exist, and a document of presets needs a memory to go into")
                             .arg(memoryPath));
    }
    const ReadableImport imported = import_readable(read.document, current, targets);
    if (!imported.ok())
        return line.fail(imported.error);
    // The presets come with their notes: the slots they fill get the
    // document's notes, or none.
    const ReadableNotes documentNotes = read_readable_notes(json, read.document.records);
    if (!documentNotes.ok())
        return line.fail(documentPath + QStringLiteral(": ") + documentNotes.error);
    const QString notesPath = notes_file_path(memoryPath);
    const NotesRead oldNotes = read_notes_file(notesPath, exists ? QFileInfo(memoryPath).size() : qint64(layout::kImageSize));
    PresetNotes notes = oldNotes.ok() ? oldNotes.notes : empty_notes();
    const QMap<int, PresetNote> placedNotes =
        notes_moved_to(documentNotes.notes, read.document.records, imported.records);
    for (int record : imported.records)
        notes[record] = placedNotes.value(record);
    // A notes file that can't be read is kept as it is, unless the document
    // brings notes to put in it.
    const bool notesChange = oldNotes.ok() ? notes != oldNotes.notes : !documentNotes.notes.isEmpty();
    if (notesChange && !oldNotes.ok())
        return line.fail(QStringLiteral("%1: cannot be read (%2), so the notes of the presets imported cannot go "
                                        "in; nothing was written")
                             .arg(notesPath, oldNotes.error));

    const MemoryFileWrite write =
        replace_memory_file(memoryPath, imported.image, SaveOperation::ToolImport, KeepBackup::Yes);
    if (write.failure == MemoryFileWrite::Failure::Backup)
        return line.fail(QStringLiteral("%1: cannot be written (%3), so %2 was left as it was")
                             .arg(backup_path(memoryPath), memoryPath, write.reason));
    if (!write.written())
        return line.fail(QStringLiteral("%1: cannot be written (%2)").arg(memoryPath, write.reason));
    QString notesError;
    // A memory imported unchanged kept no version: the notes' version is kept then.
    const MemoryVersion memoryVersion = current == imported.image ? MemoryVersion::NotKept : MemoryVersion::JustKept;
    if (notesChange
        && !replace_notes_file(memoryPath, notes, layout::kImageSize, SaveOperation::ToolImport, memoryVersion,
                               &notesError))
        return line.fail(QStringLiteral("%1: written, but %2 cannot be (%3)").arg(memoryPath, notesPath, notesError));
    if (!current.isEmpty())
        print_line(memoryPath + QStringLiteral(": ") +
                   change_summary(compare_images(image_bytes(current), image_bytes(imported.image))));
    else
        print_line(memoryPath + QStringLiteral(": written"));
    return exitcode::kDone;
}

const ToolCommandRegistration registration({"import", "FILE.json MEMORY [--to LIST]",
                                            "puts a readable document into a memory file, checked and backed up",
                                            60, run});

} // namespace
