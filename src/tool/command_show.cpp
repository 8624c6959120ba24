// vektor-tool show MEMORY: the setlist, one preset a line.

#include "tool_command.h"

#include "fields.h"
#include "image_layout.h"
#include "input_notes.h"
#include "memory_input.h"
#include "rig_input.h"
#include "sound_names.h"

#include <cstdio>

namespace {

int run(const QStringList &arguments)
{
    CommandLine line("show", "MEMORY",
                     QStringLiteral("Lists the 270 presets of MEMORY (a memory file, a dump or a readable\n"
                                    "document) as \"number - name\", in the order of the controller, with\n"
                                    "the sounds each calls up where the rig file names them."));
    line.addPositional(QStringLiteral("MEMORY"), QStringLiteral("The memory to list."));
    line.addOption(rig_option());
    int exitCode = 0;
    if (!line.parse(arguments, 1, 1, &exitCode))
        return exitCode;
    const MemoryInput input = read_memory_input(line.positional().at(0));
    if (!input.ok())
        return line.fail(input.error);
    const auto *image = reinterpret_cast<const unsigned char *>(input.image.constData());
    const RigNames rig = load_tool_rig("show", line.parser.value(QStringLiteral("rig")), line.positional().at(0));
    // Tags follow the name on the lines of presets that have some.
    const InputNotes notes = notes_of_input(line.positional().at(0), input);
    if (!notes.problem.isEmpty())
        std::fprintf(stderr, "vektor-tool show: tags left out: %s\n", notes.problem.toUtf8().constData());
    QString text;
    for (int record = 0; record < layout::kPresetCount; ++record) {
        text += preset_entry_text(image, record);
        const QString sounds = preset_sound_names(image, record, rig);
        if (!sounds.isEmpty())
            text += QStringLiteral("  [%1]").arg(sounds);
        for (const QString &tag : notes.notes[record].tags)
            text += (tag == notes.notes[record].tags.first() ? QStringLiteral("  #") : QStringLiteral(" #")) + tag;
        text += QLatin1Char('\n');
    }
    print_bytes(text.toUtf8());
    return exitcode::kDone;
}

const ToolCommandRegistration registration({"show", "MEMORY", "lists the 270 presets as a setlist", 40, run});

} // namespace
