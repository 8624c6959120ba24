// vektor-tool names FILE | names set CHANNEL FILE | names show: the names of
// the rig's sounds and controls, read from MIDNAM files or plain lists and
// kept in the rig file beside the memory.

#include "tool_command.h"

#include "fields.h"
#include "image_layout.h"
#include "memory_input.h"
#include "midnam_reader.h"
#include "rig_input.h"

#include <QFileInfo>

#include <cstdio>

namespace {

QString modeTitle(const MidnamMode &mode)
{
    const QString device = QStringList{mode.manufacturer, mode.model}.join(QLatin1Char(' ')).trimmed();
    if (device.isEmpty())
        return QStringLiteral("plain list");
    return mode.mode.isEmpty() ? device : QStringLiteral("%1, mode %2").arg(device, mode.mode);
}

QString bankLine(const PatchBank &bank)
{
    QString select;
    if (bank.msb < 0 && bank.lsb < 0)
        select = QStringLiteral("no bank select");
    else if (bank.lsb < 0)
        select = QStringLiteral("bank select MSB %1").arg(bank.msb);
    else if (bank.msb < 0)
        select = QStringLiteral("bank select LSB %1").arg(bank.lsb);
    else
        select = QStringLiteral("bank select MSB %1, LSB %2").arg(bank.msb).arg(bank.lsb);
    const QString name = bank.name.isEmpty() ? QStringLiteral("bank") : QStringLiteral("bank \"%1\"").arg(bank.name);
    return QStringLiteral("  %1: %2, %3 patches").arg(name, select).arg(bank.patches.size());
}

QString controlsLine(const DeviceNames &names)
{
    QStringList controls;
    for (const ControlName &control : names.controls)
        controls << QStringLiteral("%1 %2").arg(control.number).arg(control.name);
    return QStringLiteral("  controls: ") + controls.join(QStringLiteral(", "));
}

void printNames(const DeviceNames &names, bool patches)
{
    for (const PatchBank &bank : names.banks) {
        print_line(bankLine(bank));
        if (patches)
            for (const PatchName &patch : bank.patches)
                print_line(QStringLiteral("    %1  %2").arg(patch.program, 3, 10, QLatin1Char('0')).arg(patch_text(&patch)));
    }
    if (!names.controls.isEmpty())
        print_line(controlsLine(names));
}

void printWarnings(const NamesFileRead &read)
{
    for (const QString &warning : read.warnings)
        std::fprintf(stderr, "vektor-tool names: %s\n", warning.toUtf8().constData());
}

int firstProgramOf(const CommandLine &line, const QCommandLineOption &first, int *value)
{
    const QString text = line.parser.value(first);
    if (text.isEmpty() || text == QLatin1String("0"))
        *value = 0;
    else if (text == QLatin1String("1"))
        *value = 1;
    else
        return line.fail(QStringLiteral("--first takes 0 or 1, not %1").arg(text));
    return exitcode::kDone;
}

int listFile(const CommandLine &line, const QString &file, int firstProgram)
{
    const NamesFileRead read = read_names_file(file, firstProgram);
    if (!read.ok())
        return line.fail(read.error);
    printWarnings(read);
    for (const MidnamMode &mode : read.modes) {
        print_line(modeTitle(mode));
        printNames(mode.names, false);
    }
    return exitcode::kDone;
}

QString memoryOf(const CommandLine &line, const QCommandLineOption &memory)
{
    return line.parser.isSet(memory) ? line.parser.value(memory) : editor_memory_path();
}

// The devices' names as the memory beside the rig calls them, when it can be read.
QStringList deviceTexts(const QString &memoryPath)
{
    QStringList texts;
    const MemoryInput input = QFileInfo(memoryPath).isFile() ? read_memory_input(memoryPath) : MemoryInput();
    const bool named = input.ok() && input.image.size() >= layout::kImageSize;
    for (int d = 0; d < 16; ++d)
        texts << (named ? device_entry_text(reinterpret_cast<const unsigned char *>(input.image.constData()), d)
                        : QStringLiteral("%1").arg(d + 1, 2, 10, QLatin1Char('0')));
    return texts;
}

int setDevice(const CommandLine &line, const QStringList &positional, const QString &rigPath, int firstProgram,
              const QString &model, const QString &mode)
{
    bool number = false;
    const int channel = positional.value(1).toInt(&number);
    if (!number || channel < 1 || channel > 16)
        return line.fail(QStringLiteral("the channel is 1 to 16, not %1").arg(positional.value(1)));
    const NamesFileRead read = read_names_file(positional.value(2), firstProgram);
    if (!read.ok())
        return line.fail(read.error);
    const int chosen = find_mode(read, model, mode);
    if (chosen < 0) {
        QStringList offered;
        for (const MidnamMode &m : read.modes)
            offered << QStringLiteral("\"%1\" mode \"%2\"").arg(m.model, m.mode);
        offered.removeDuplicates();
        return line.fail(QStringLiteral("%1 holds no such model and mode; it holds %2")
                             .arg(positional.value(2), offered.join(QStringLiteral(", "))));
    }
    // Writing over a rig file that cannot be read would lose the other devices' names.
    RigRead rig = read_rig_file(rigPath);
    if (!rig.ok())
        return line.fail(rig.error + QStringLiteral(" It was left as it was."));
    printWarnings(read);
    if (model.isEmpty() && read.modes.size() > 1)
        std::fprintf(stderr, "vektor-tool names: %s offers %d models and modes; took the first (--model, --mode choose)\n",
                     positional.value(2).toUtf8().constData(), int(read.modes.size()));
    rig.rig.devices[channel - 1] = read.modes[chosen].names;
    QString error;
    if (!write_rig_file(rigPath, rig.rig, &error))
        return line.fail(QStringLiteral("%1 was not written: %2").arg(rigPath, error));
    print_line(QStringLiteral("channel %1: %2").arg(channel).arg(read.modes[chosen].names.source.describe()));
    printNames(read.modes[chosen].names, false);
    return exitcode::kDone;
}

int showRig(const CommandLine &line, const QString &rigPath, const QString &memoryPath)
{
    const RigRead rig = read_rig_file(rigPath);
    if (!rig.ok())
        return line.fail(rig.error);
    const QStringList devices = deviceTexts(memoryPath);
    for (int d = 0; d < 16; ++d) {
        const DeviceNames &names = rig.rig.devices[d];
        if (names.isEmpty())
            continue;
        print_line(QStringLiteral("%1: %2").arg(devices[d], names.source.describe()));
        printNames(names, true);
    }
    if (rig.rig.isEmpty())
        std::fprintf(stderr, "vektor-tool names: %s names no sound or control\n", rigPath.toUtf8().constData());
    return exitcode::kDone;
}

int run(const QStringList &arguments)
{
    CommandLine line("names", "FILE | set CHANNEL FILE | show",
                     QStringLiteral("Names the rig's sounds and controls. \"names FILE\" lists what a MIDNAM\n"
                                    "file or a plain list (one name a line) holds: each model and mode, its\n"
                                    "banks with their bank select and patch counts, and control names.\n"
                                    "\"names set CHANNEL FILE\" gives the device on CHANNEL (1-16) those\n"
                                    "names in the rig file; \"names show\" prints the rig file. The rig file\n"
                                    "is rig.json beside the memory (--memory, default the editor's)."));
    line.addPositional(QStringLiteral("FILE"), QStringLiteral("A .midnam file or a plain list, or set / show."));
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("The model of FILE to take."),
                                   QStringLiteral("M"));
    const QCommandLineOption mode(QStringLiteral("mode"), QStringLiteral("The mode of the model to take."),
                                  QStringLiteral("X"));
    const QCommandLineOption first(QStringLiteral("first"),
                                   QStringLiteral("The number a plain list's first line has in the manual: 0 or 1."),
                                   QStringLiteral("0|1"));
    const QCommandLineOption memory(QStringLiteral("memory"), QStringLiteral("The memory the rig file is beside."),
                                    QStringLiteral("FILE"));
    for (const QCommandLineOption &option : {model, mode, first, memory, rig_option()})
        line.addOption(option);
    int exitCode = 0;
    if (!line.parse(arguments, 1, 3, &exitCode))
        return exitCode;
    int firstProgram = 0;
    if (const int failed = firstProgramOf(line, first, &firstProgram))
        return failed;
    const QStringList positional = line.positional();
    const QString memoryPath = memoryOf(line, memory);
    const QString rigPath = tool_rig_path(line.parser.value(QStringLiteral("rig")), memoryPath);
    if (positional[0] == QLatin1String("set")) {
        if (positional.size() != 3)
            return line.fail(QStringLiteral("set takes CHANNEL and FILE"));
        return setDevice(line, positional, rigPath, firstProgram, line.parser.value(model), line.parser.value(mode));
    }
    if (positional[0] == QLatin1String("show")) {
        if (positional.size() != 1)
            return line.fail(QStringLiteral("show takes no more arguments"));
        return showRig(line, rigPath, memoryPath);
    }
    if (positional.size() != 1)
        return line.fail(QStringLiteral("takes one FILE"));
    return listFile(line, positional[0], firstProgram);
}

const ToolCommandRegistration registration({"names", "FILE | set CHANNEL FILE | show",
                                            "names the rig's sounds and controls from MIDNAM files or lists", 115,
                                            run});

} // namespace
