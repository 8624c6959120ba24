// vektor-tool export MEMORY [--bank N | --presets LIST] [-o FILE]: the
// readable form of the memory or of some of its presets.

#include "tool_command.h"

#include "input_notes.h"
#include "memory_input.h"
#include "preset_list.h"
#include "preset_operations.h"
#include "readable_form.h"
#include "readable_notes.h"
#include "store.h"

#include <cstdio>

namespace {

int run(const QStringList &arguments)
{
    CommandLine line("export", "MEMORY",
                     QStringLiteral("Writes MEMORY (a memory file, a dump or a readable document) in the\n"
                                    "readable form, a JSON document, on standard output or into FILE:\n"
                                    "the whole memory, one bank of nine presets, or the presets listed."));
    line.addPositional(QStringLiteral("MEMORY"), QStringLiteral("The memory to export."));
    const QCommandLineOption bank(QStringLiteral("bank"),
                                  QStringLiteral("Only bank N, 0 to 29: bank 1 holds presets 011-019."),
                                  QStringLiteral("N"));
    const QCommandLineOption presets(QStringLiteral("presets"),
                                     QStringLiteral("Only the presets listed, as numbers and ranges: 001,011-019."),
                                     QStringLiteral("LIST"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Write the document into FILE instead."), QStringLiteral("FILE"));
    line.addOption(bank);
    line.addOption(presets);
    line.addOption(output);
    int exitCode = 0;
    if (!line.parse(arguments, 1, 1, &exitCode))
        return exitCode;
    if (line.parser.isSet(bank) && line.parser.isSet(presets))
        return line.fail(QStringLiteral("--bank and --presets exclude each other"));

    QVector<int> records;
    if (line.parser.isSet(bank)) {
        bool number = false;
        const int n = line.parser.value(bank).toInt(&number);
        if (!number || n < 0 || n >= kBankCount)
            return line.fail(QStringLiteral("--bank: \"%1\" is not a bank (0 to 29)").arg(line.parser.value(bank)));
        records = bank_records(n);
    } else if (line.parser.isSet(presets)) {
        const PresetListParse list = parse_preset_list(line.parser.value(presets));
        if (!list.ok())
            return line.fail(QStringLiteral("--presets: ") + list.error);
        records = list.records;
    }

    const MemoryInput input = read_memory_input(line.positional().at(0));
    if (!input.ok())
        return line.fail(input.error);
    const auto *image = reinterpret_cast<const unsigned char *>(input.image.constData());
    const InputNotes notes = notes_of_input(line.positional().at(0), input);
    if (!notes.problem.isEmpty())
        std::fprintf(stderr, "vektor-tool export: notes left out: %s\n", notes.problem.toUtf8().constData());
    const QByteArray document =
        with_readable_notes(records.isEmpty() ? export_readable_memory(image) : export_readable_presets(image, records),
                            notes.notes, records.isEmpty() ? all_records() : records);
    if (!line.parser.isSet(output)) {
        print_bytes(document);
        return exitcode::kDone;
    }
    const QString file = line.parser.value(output);
    if (write_file_bytes(reinterpret_cast<const unsigned char *>(document.constData()), file, document.size()) != 1)
        return line.fail(QStringLiteral("%1: cannot be written").arg(file));
    return exitcode::kDone;
}

const ToolCommandRegistration registration({"export", "MEMORY [--bank N | --presets LIST] [-o FILE]",
                                            "writes the memory, a bank or some presets as a readable document",
                                            50, run});

} // namespace
