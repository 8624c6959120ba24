// vektor-tool notes MEMORY [SLOT...] [--note TEXT] [--tag WORD] [--untag WORD]:
// the notes and tags beside a memory file, printed or changed.

#include "tool_command.h"

#include "fields.h"
#include "image_layout.h"
#include "input_notes.h"
#include "memory_input.h"
#include "notes_file.h"
#include "notes_file_write.h"
#include "preset_list.h"

#include <QFileInfo>

namespace {

// "014 - Verse Lead  #verse #capo-2", then the note's lines indented.
QString noteText(const unsigned char *image, int record, const PresetNote &note)
{
    QString text = preset_entry_text(image, record);
    QStringList tags;
    for (const QString &tag : note.tags)
        tags << QLatin1Char('#') + tag;
    if (!tags.isEmpty())
        text += QStringLiteral("  ") + tags.join(QLatin1Char(' '));
    text += QLatin1Char('\n');
    for (const QString &noteLine : note.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        text += QStringLiteral("    ") + noteLine + QLatin1Char('\n');
    return text;
}

int run(const QStringList &arguments)
{
    CommandLine line("notes", "MEMORY [SLOT...]",
                     QStringLiteral("Prints the notes and tags of the presets of MEMORY (a memory file or a\n"
                                    "readable document): of the slots given, or of every preset that has\n"
                                    "some. With --note, --tag or --untag, changes them for the slots given\n"
                                    "in the notes file beside the memory file (memory.bin has\n"
                                    "memory.notes.json); the memory itself is never written. A refused\n"
                                    "note or tag is named and nothing is written."));
    line.addPositional(QStringLiteral("MEMORY"), QStringLiteral("The memory file."));
    line.addPositional(QStringLiteral("SLOT"), QStringLiteral("Presets as numbers and ranges: 014 or 011-019."));
    const QCommandLineOption note(QStringLiteral("note"), QStringLiteral("Make TEXT the note (\"\" clears it)."),
                                  QStringLiteral("TEXT"));
    const QCommandLineOption tag(QStringLiteral("tag"), QStringLiteral("Add the tag WORD (may be repeated)."),
                                 QStringLiteral("WORD"));
    const QCommandLineOption untag(QStringLiteral("untag"), QStringLiteral("Take the tag WORD away (may be repeated)."),
                                   QStringLiteral("WORD"));
    line.addOption(note);
    line.addOption(tag);
    line.addOption(untag);
    int exitCode = 0;
    if (!line.parse(arguments, 1, 1 + layout::kPresetCount, &exitCode))
        return exitCode;
    const QString memoryPath = line.positional().at(0);
    QVector<int> records;
    for (const QString &listed : line.positional().mid(1)) {
        const PresetListParse list = parse_preset_list(listed);
        if (!list.ok())
            return line.fail(list.error);
        for (int record : list.records)
            if (!records.contains(record))
                records << record;
    }
    const bool changing = line.parser.isSet(note) || line.parser.isSet(tag) || line.parser.isSet(untag);
    if (changing && records.isEmpty())
        return line.fail(QStringLiteral("name the slots to change: notes MEMORY 014 --tag verse"));

    MemoryInput input = read_memory_input(memoryPath, !changing);
    if (!input.ok())
        return line.fail(input.error);
    if (input.isPresets()) // its presets in their slots, for their names
        input.image = import_readable(input.presets, QByteArray(layout::kImageSize, '\0')).image;
    if (changing && input.kind != InputKind::Memory)
        return line.fail(QStringLiteral("%1: is not a memory file; notes are kept beside one").arg(memoryPath));
    InputNotes notes = notes_of_input(memoryPath, input);
    if (!notes.problem.isEmpty())
        return line.fail(notes.problem + (changing ? QStringLiteral("; nothing was written") : QString()));

    if (changing) {
        QString refusal = note_text_refusal(line.parser.value(note));
        // Each --tag and --untag is one tag: a space in one is refused.
        const auto oneTagEach = [&refusal](const QStringList &values) {
            QStringList tags;
            for (QString value : values) {
                if (value.startsWith(QLatin1Char('#')))
                    value.remove(0, 1);
                if (refusal.isEmpty())
                    refusal = tag_refusal(value);
                tags << value.toLower();
            }
            return tags;
        };
        const QStringList added = oneTagEach(line.parser.values(tag));
        const QStringList taken = oneTagEach(line.parser.values(untag));
        for (int k = 0; refusal.isEmpty() && k < records.size(); ++k) {
            PresetNote &changed = notes.notes[records[k]];
            if (line.parser.isSet(note))
                changed.text = line.parser.value(note);
            for (const QString &word : added)
                if (!changed.tags.contains(word))
                    changed.tags << word;
            for (const QString &word : taken)
                changed.tags.removeAll(word);
            const QString reason = tag_list_refusal(changed.tags);
            if (!reason.isEmpty())
                refusal = preset_number_text(records[k]) + QStringLiteral(": ") + reason;
        }
        if (!refusal.isEmpty())
            return line.fail(refusal + QStringLiteral(" Nothing was written."));
        const QString notesPath = notes_file_path(memoryPath);
        QString error;
        if (!replace_notes_file(memoryPath, notes.notes, QFileInfo(memoryPath).size(), SaveOperation::ToolNotes,
                                MemoryVersion::NotKept, &error))
            return line.fail(QStringLiteral("%1: cannot be written (%2)").arg(notesPath, error));
    }

    const auto *image = reinterpret_cast<const unsigned char *>(input.image.constData());
    QString text;
    for (int record = 0; record < layout::kPresetCount; ++record)
        if (records.isEmpty() ? !notes.notes[record].isEmpty() : records.contains(record))
            text += noteText(image, record, notes.notes[record]);
    print_bytes(text.toUtf8());
    return exitcode::kDone;
}

const ToolCommandRegistration registration({"notes", "MEMORY [SLOT...] [--note TEXT] [--tag WORD] [--untag WORD]",
                                            "prints or changes the notes and tags of presets", 42, run});

} // namespace
