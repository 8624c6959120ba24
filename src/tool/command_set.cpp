// vektor-tool set MEMORY --presets LIST FIELD=VALUE...: one or more fields
// set across the presets listed, through the one door that keeps the file as
// it was.

#include "tool_command.h"

#include "backup.h"
#include "fields.h"
#include "image_layout.h"
#include "memory_file_write.h"
#include "memory_input.h"
#include "preset_field_set.h"
#include "preset_list.h"

#include <QMap>

#include <limits>

namespace {

// "011 Intro: programChanges[5].enabled true -> false, loops[3] 0 -> 1"
QStringList changeLines(const QByteArray &image, const FieldSetResult &result)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(image.constData());
    QMap<int, QStringList> parts;
    for (const PresetFieldChange &change : result.changes) {
        const FieldDef &def = *change.field->def;
        const auto *before = reinterpret_cast<const unsigned char *>(change.before.constData());
        const auto *after = reinterpret_cast<const unsigned char *>(change.after.constData());
        parts[change.record] << QStringLiteral("%1 %2 -> %3")
                                    .arg(shown_path(*change.field), field_value_text(def, before),
                                         field_value_text(def, after));
    }
    QStringList lines;
    for (auto it = parts.constBegin(); it != parts.constEnd(); ++it) {
        const unsigned char *record = bytes + layout::presetOffset(it.key());
        const QString name = name_text(record + layout::preset::kName);
        lines << (name.isEmpty() ? preset_number_text(it.key()) : preset_number_text(it.key()) + QLatin1Char(' ') + name)
                     + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
    }
    return lines;
}

int run(const QStringList &arguments)
{
    CommandLine line("set", "MEMORY FIELD=VALUE...",
                     QStringLiteral("Sets one or more fields in every preset listed, in the memory file\n"
                                    "MEMORY. FIELD is the field's path in the readable form, with positions\n"
                                    "counted from 1 as the editor shows them: programChanges[5].enabled=false\n"
                                    "turns off the program change to device 5, controlChanges[1].number=12,\n"
                                    "loops[3]=1. VALUE is as the readable form writes it. Every value is\n"
                                    "checked first: a problem is named and nothing is written. One line on\n"
                                    "standard output for each preset changed; the file as it was is kept as\n"
                                    "MEMORY.bak, and in the history beside MEMORY when the editor keeps one."));
    line.addPositional(QStringLiteral("MEMORY"), QStringLiteral("The memory file to change."));
    line.addPositional(QStringLiteral("FIELD=VALUE"), QStringLiteral("A field and the value it gets."));
    const QCommandLineOption presets(QStringLiteral("presets"),
                                     QStringLiteral("The presets to change, as numbers and ranges: 011-019,101."),
                                     QStringLiteral("LIST"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    QStringLiteral("Print what would change; write nothing."));
    line.addOption(presets);
    line.addOption(dryRun);
    int exitCode = 0;
    if (!line.parse(arguments, 2, std::numeric_limits<int>::max(), &exitCode))
        return exitCode;
    if (!line.parser.isSet(presets))
        return line.fail(QStringLiteral("--presets: missing; name the presets to change, as 011-019,101"));
    const PresetListParse list = parse_preset_list(line.parser.value(presets));
    if (!list.ok())
        return line.fail(QStringLiteral("--presets: ") + list.error);

    QVector<FieldSetting> settings;
    for (const QString &assignment : line.positional().mid(1)) {
        const int equals = assignment.indexOf(QLatin1Char('='));
        if (equals < 0)
            return line.fail(QStringLiteral("%1: is not FIELD=VALUE").arg(assignment));
        QString error;
        const CatalogueField *field = preset_field_at_shown_path(assignment.left(equals), &error);
        if (!field)
            return line.fail(error);
        settings.append({field, value_from_argument(assignment.mid(equals + 1)), std::nullopt});
    }

    const QString memoryPath = line.positional().at(0);
    const MemoryInput memory = read_memory_input(memoryPath);
    if (memory.ok() && memory.kind != InputKind::Memory)
        return line.fail(QStringLiteral("%1: is not a memory file; set changes one").arg(memoryPath));
    if (!memory.ok())
        return line.fail(memory.error);
    const auto *image = reinterpret_cast<const unsigned char *>(memory.image.constData());
    const FieldSetResult result = set_preset_fields(image, list.records, settings);
    if (!result.ok())
        return line.fail(result.error);

    const QStringList lines = changeLines(memory.image, result);
    if (!line.parser.isSet(dryRun) && !result.changes.isEmpty()) {
        QByteArray changed = memory.image;
        apply_preset_field_changes(reinterpret_cast<unsigned char *>(changed.data()), result.changes);
        const MemoryFileWrite write = replace_memory_file(memoryPath, changed, SaveOperation::ToolSet, KeepBackup::Yes);
        if (write.failure == MemoryFileWrite::Failure::Backup)
            return line.fail(QStringLiteral("%1: cannot be written (%3), so %2 was left as it was")
                                 .arg(backup_path(memoryPath), memoryPath, write.reason));
        if (!write.written())
            return line.fail(QStringLiteral("%1: cannot be written (%2)").arg(memoryPath, write.reason));
    }
    for (const QString &text : lines)
        print_line(text);
    return exitcode::kDone;
}

const ToolCommandRegistration registration({"set", "MEMORY --presets LIST FIELD=VALUE... [--dry-run]",
                                            "sets fields across many presets of a memory file, checked and backed up",
                                            65, run});

} // namespace
