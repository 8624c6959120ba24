#include "midnam_reader.h"

#include "file_bytes.h"
#include "midnam_tree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <array>

namespace {

struct MidnamReader {
    Q_DECLARE_TR_FUNCTIONS(MidnamReader)
};

// A value of a MIDI data byte, or -1 when the text is not one.
int dataByte(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 && value <= 127 ? value : -1;
}

// What was left out, counted over the whole file; the first of each kind
// keeps its place for the messages.
struct LeftOut {
    int count = 0;
    int line = 0, column = 0;
    QString what; // a name to quote, where one helps
    void add(const MidnamElement &element, const QString &name = QString())
    {
        if (count++ == 0) {
            line = element.line;
            column = element.column;
            what = name;
        }
    }
};

struct BankBeingRead {
    PatchBank bank;
    std::array<int, 128> patchAt; // index into bank.patches per program, -1 when not named yet
    BankBeingRead() { patchAt.fill(-1); }
};

// Turns the tree's devices into modes, resolving the lists they name.
class MidnamResolver
{
public:
    explicit MidnamResolver(const MidnamTree &tree) : tree(tree) {}

    NamesFileRead read()
    {
        NamesFileRead result;
        for (int device : tree.at(0).children) {
            const QString &name = tree.at(device).name;
            if (name == QLatin1String("MasterDeviceNames") || name == QLatin1String("ExtendingDeviceNames"))
                readDevice(device, result.modes);
        }
        result.warnings = warnings();
        const bool usable = std::any_of(result.modes.begin(), result.modes.end(),
                                        [](const MidnamMode &m) { return !m.names.isEmpty(); });
        if (result.modes.isEmpty()) {
            const MidnamElement &root = tree.at(0);
            return refused(root.line, root.column, MidnamReader::tr("the document names no device"));
        }
        if (!usable && !result.warnings.isEmpty())
            return refused(firstLeftOut().line, firstLeftOut().column,
                           MidnamReader::tr("nothing usable is left: %1").arg(result.warnings.join(QStringLiteral("; "))));
        return result;
    }

private:
    const MidnamTree &tree;
    LeftOut badProgram, badBankSelect, badPatchBankSelect, renamed, missingList, badControl;
    // Lists and sets of the device being read, by their names.
    QHash<QString, int> patchLists, controlLists, channelSets;
    // A set read once serves every mode and model that assigns it.
    QHash<int, DeviceNames> resolved;

    static NamesFileRead refused(int line, int column, const QString &reason)
    {
        NamesFileRead result;
        result.error = refusal_text(line, column, reason);
        return result;
    }

    const LeftOut &firstLeftOut() const
    {
        const LeftOut *all[] = {&badProgram, &badBankSelect, &badPatchBankSelect, &renamed, &missingList, &badControl};
        const LeftOut *first = nullptr;
        for (const LeftOut *l : all)
            if (l->count && (!first || l->line < first->line))
                first = l;
        return *first;
    }

    QStringList warnings() const
    {
        QStringList out;
        if (badProgram.count)
            out << MidnamReader::tr("%n patches with a program change outside 0-127 were left out (the first at %1)",
                                    nullptr, badProgram.count).arg(place_text(badProgram.line, badProgram.column));
        if (badBankSelect.count)
            out << MidnamReader::tr("%n banks with a bank select outside 0-127 were left out (the first at %1)",
                                    nullptr, badBankSelect.count).arg(place_text(badBankSelect.line, badBankSelect.column));
        if (badPatchBankSelect.count)
            out << MidnamReader::tr("%n patches with a bank select outside 0-127 were left out (the first at %1)",
                                    nullptr, badPatchBankSelect.count)
                       .arg(place_text(badPatchBankSelect.line, badPatchBankSelect.column));
        if (renamed.count)
            out << MidnamReader::tr("%n patches naming a program already named at their bank address were left out, "
                                    "the first kept (the first left out: \"%1\" at %2)", nullptr, renamed.count)
                       .arg(renamed.what, place_text(renamed.line, renamed.column));
        if (missingList.count)
            out << MidnamReader::tr("%n banks use a patch list the file does not hold and were left out "
                                    "(the first: \"%1\" at %2)", nullptr, missingList.count)
                       .arg(missingList.what, place_text(missingList.line, missingList.column));
        if (badControl.count)
            out << MidnamReader::tr("%n controls with a number outside 0-127 were left out (the first at %1)",
                                    nullptr, badControl.count).arg(place_text(badControl.line, badControl.column));
        return out;
    }

    QHash<QString, int> namedChildren(int parent, const char *name) const
    {
        QHash<QString, int> named;
        for (int index : tree.children(parent, name)) {
            const QString key = tree.at(index).attribute("Name");
            if (!named.contains(key))
                named.insert(key, index);
        }
        return named;
    }

    void readDevice(int device, QVector<MidnamMode> &modes)
    {
        patchLists = namedChildren(device, "PatchNameList");
        controlLists = namedChildren(device, "ControlNameList");
        channelSets = namedChildren(device, "ChannelNameSet");
        resolved.clear();
        const QString manufacturer = tree.childText(device, "Manufacturer");
        QStringList models;
        for (int model : tree.children(device, "Model"))
            models << tree.at(model).text;
        if (models.isEmpty())
            models << QString();

        // The modes the device offers, each with the element its banks are in.
        QVector<QPair<QString, int>> offered;
        for (int mode : tree.children(device, "CustomDeviceMode"))
            offered << qMakePair(tree.at(mode).attribute("Name"), assignedSet(device, mode));
        // A standard mode holds its names itself, or in a set of its own.
        for (int mode : tree.children(device, "StandardDeviceMode")) {
            const int set = tree.child(mode, "ChannelNameSetAssignments") >= 0 ? assignedSet(device, mode)
                                                                               : tree.child(mode, "ChannelNameSet");
            offered << qMakePair(tree.at(mode).attribute("Name"), set >= 0 ? set : mode);
        }
        if (offered.isEmpty())
            for (int set : tree.children(device, "ChannelNameSet"))
                offered << qMakePair(tree.at(set).attribute("Name"), set);
        // A file that extends a device may only add lists: each list is a mode.
        QVector<QPair<QString, int>> lists;
        if (offered.isEmpty())
            for (int list : tree.children(device, "PatchNameList"))
                lists << qMakePair(tree.at(list).attribute("Name"), list);

        for (const QString &model : models) {
            for (const auto &mode : offered)
                modes << MidnamMode{manufacturer, model, mode.first, namesOf(mode.second)};
            for (const auto &list : lists)
                modes << MidnamMode{manufacturer, model, list.first, namesOfList(list.second)};
        }
    }

    // The set a mode assigns to channel 1, or else its first assignment.
    int assignedSet(int device, int mode) const
    {
        const int assignments = tree.child(mode, "ChannelNameSetAssignments");
        QString setName;
        if (assignments >= 0) {
            for (int assign : tree.children(assignments, "ChannelNameSetAssign")) {
                const MidnamElement &element = tree.at(assign);
                if (setName.isEmpty())
                    setName = element.attribute("NameSet");
                if (element.attribute("Channel") == QLatin1String("1")) {
                    setName = element.attribute("NameSet");
                    break;
                }
            }
        }
        if (channelSets.contains(setName))
            return channelSets.value(setName);
        const int first = tree.child(device, "ChannelNameSet");
        return first >= 0 ? first : mode;
    }

    DeviceNames namesOf(int set)
    {
        auto it = resolved.constFind(set);
        if (it != resolved.constEnd())
            return *it;
        QVector<BankBeingRead> banks;
        for (int bank : tree.children(set, "PatchBank"))
            readBank(bank, banks);
        DeviceNames names = finish(banks);
        const int uses = tree.child(set, "UsesControlNameList");
        if (uses >= 0 && controlLists.contains(tree.at(uses).attribute("Name")))
            names.controls = controlsOf(controlLists.value(tree.at(uses).attribute("Name")));
        resolved.insert(set, names);
        return names;
    }

    DeviceNames namesOfList(int list)
    {
        auto it = resolved.constFind(list);
        if (it != resolved.constEnd())
            return *it;
        QVector<BankBeingRead> banks(1);
        banks[0].bank.name = tree.at(list).attribute("Name");
        readPatches(list, 0, banks);
        const DeviceNames names = finish(banks);
        resolved.insert(list, names);
        return names;
    }

    static DeviceNames finish(QVector<BankBeingRead> &banks)
    {
        DeviceNames names;
        for (BankBeingRead &read : banks) {
            if (read.bank.patches.isEmpty())
                continue;
            std::sort(read.bank.patches.begin(), read.bank.patches.end(),
                      [](const PatchName &a, const PatchName &b) { return a.program < b.program; });
            names.banks << read.bank;
        }
        return names;
    }

    // Reads the bank select of a MIDICommands or PatchMIDICommands element
    // over `msb` and `lsb`; false when a value is not a data byte.
    bool readBankSelect(int commands, int &msb, int &lsb) const
    {
        for (int change : tree.children(commands, "ControlChange")) {
            const MidnamElement &element = tree.at(change);
            const QString control = element.attribute("Control");
            if (control != QLatin1String("0") && control != QLatin1String("32"))
                continue;
            const int value = dataByte(element.attribute("Value"));
            if (value < 0)
                return false;
            (control == QLatin1String("0") ? msb : lsb) = value;
        }
        return true;
    }

    void readBank(int bankElement, QVector<BankBeingRead> &banks)
    {
        BankBeingRead read;
        read.bank.name = tree.at(bankElement).attribute("Name");
        const int commands = tree.child(bankElement, "MIDICommands");
        if (commands >= 0 && !readBankSelect(commands, read.bank.msb, read.bank.lsb)) {
            badBankSelect.add(tree.at(commands));
            return;
        }
        int list = tree.child(bankElement, "PatchNameList");
        if (list < 0) {
            const int uses = tree.child(bankElement, "UsesPatchNameList");
            if (uses < 0)
                return;
            const QString name = tree.at(uses).attribute("Name");
            if (!patchLists.contains(name)) {
                missingList.add(tree.at(uses), name);
                return;
            }
            list = patchLists.value(name);
        }
        banks << read;
        readPatches(list, banks.size() - 1, banks);
    }

    void readPatches(int list, int own, QVector<BankBeingRead> &banks)
    {
        for (int patchElement : tree.children(list, "Patch")) {
            const MidnamElement &element = tree.at(patchElement);
            int msb = banks[own].bank.msb, lsb = banks[own].bank.lsb;
            QString program = element.attribute("ProgramChange");
            // A patch's own commands say how it is reached, over its bank's.
            const int commands = tree.child(patchElement, "PatchMIDICommands");
            if (commands >= 0) {
                if (!readBankSelect(commands, msb, lsb)) {
                    badPatchBankSelect.add(element);
                    continue;
                }
                const int change = tree.child(commands, "ProgramChange");
                if (change >= 0)
                    program = tree.at(change).attribute("Number");
            }
            const int value = dataByte(program);
            if (value < 0) {
                badProgram.add(element);
                continue;
            }
            int target = own;
            if (msb != banks[own].bank.msb || lsb != banks[own].bank.lsb) {
                target = -1;
                for (int b = 0; b < banks.size() && target < 0; ++b)
                    if (banks[b].bank.msb == msb && banks[b].bank.lsb == lsb)
                        target = b;
                if (target < 0) {
                    BankBeingRead grouped;
                    grouped.bank.name = banks[own].bank.name;
                    grouped.bank.msb = msb;
                    grouped.bank.lsb = lsb;
                    banks << grouped;
                    target = banks.size() - 1;
                }
            }
            BankBeingRead &bank = banks[target];
            const QString name = element.attribute("Name");
            const int known = bank.patchAt[size_t(value)];
            if (known >= 0) {
                // Lists by category repeat patches of the bank they are in:
                // the same name again is the same patch.
                if (bank.bank.patches[known].name != name)
                    renamed.add(element, name);
                continue;
            }
            bank.patchAt[size_t(value)] = bank.bank.patches.size();
            bank.bank.patches << PatchName{value, element.attribute("Number"), name};
        }
    }

    QVector<ControlName> controlsOf(int list)
    {
        DeviceNames names;
        for (int control : tree.children(list, "Control")) {
            const MidnamElement &element = tree.at(control);
            const QString type = element.attribute("Type");
            // Only these are control changes a preset sends; (N)RPN numbers are not.
            if (!type.isEmpty() && type != QLatin1String("7bit") && type != QLatin1String("14bit"))
                continue;
            const int number = dataByte(element.attribute("Number"));
            if (number < 0) {
                badControl.add(element);
                continue;
            }
            names.controls << ControlName{number, element.attribute("Name")};
        }
        tidy_device_names(names);
        return names.controls;
    }
};

} // namespace

bool looks_like_midnam(const QByteArray &bytes)
{
    int at = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (at < bytes.size() && QChar::isSpace(uchar(bytes[at])))
        ++at;
    return at < bytes.size() && bytes[at] == '<';
}

NamesFileRead read_midnam(const QByteArray &bytes)
{
    const MidnamTree tree = parse_midnam_tree(bytes);
    if (!tree.error.isEmpty()) {
        NamesFileRead refused;
        refused.error = tree.error;
        return refused;
    }
    return MidnamResolver(tree).read();
}

NamesFileRead read_names_file(const QString &path, int firstProgram)
{
    NamesFileRead result;
    const QString name = QDir::toNativeSeparators(path);
    const FileRead file = read_file(path, FileKind::Names);
    if (!file.ok()) {
        result.error = MidnamReader::tr("%1 was not read: %2.").arg(name, file.error);
        return result;
    }
    if (file.cut()) {
        result.error = MidnamReader::tr("%1 was not read: it is larger than the %n bytes a names file may hold.",
                                        nullptr, read_limit(FileKind::Names)).arg(name);
        return result;
    }
    result = looks_like_midnam(file.bytes) ? read_midnam(file.bytes) : read_plain_list(file.bytes, firstProgram);
    if (!result.ok()) {
        result.error = MidnamReader::tr("%1 was not read: %2").arg(name, result.error);
        return result;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (MidnamMode &mode : result.modes)
        mode.names.source = NamesSource{absolute, mode.manufacturer, mode.model, mode.mode, false};
    return result;
}

int find_mode(const NamesFileRead &read, const QString &model, const QString &mode)
{
    for (int m = 0; m < read.modes.size(); ++m)
        if ((model.isEmpty() || read.modes[m].model.compare(model, Qt::CaseInsensitive) == 0)
            && (mode.isEmpty() || read.modes[m].mode.compare(mode, Qt::CaseInsensitive) == 0))
            return m;
    return -1;
}
