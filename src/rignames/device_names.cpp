#include "device_names.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

// The context of the names' texts in the translations.
struct RigNamesText {
    Q_DECLARE_TR_FUNCTIONS(RigNamesText)
};

// How many of the bank's two bank selects are set: 0, 1 or 2.
int bankCommands(const PatchBank &bank)
{
    return (bank.msb >= 0 ? 1 : 0) + (bank.lsb >= 0 ? 1 : 0);
}

bool bankMatches(const PatchBank &bank, int msb, int lsb)
{
    return (bank.msb < 0 || bank.msb == msb) && (bank.lsb < 0 || bank.lsb == lsb);
}

const PatchName *patchIn(const PatchBank &bank, int program)
{
    // Patches are in program order: a binary search keeps a 16,000-patch
    // device as quick as a small one.
    auto it = std::lower_bound(bank.patches.begin(), bank.patches.end(), program,
                               [](const PatchName &p, int value) { return p.program < value; });
    return it != bank.patches.end() && it->program == program ? &*it : nullptr;
}

} // namespace

QString NamesSource::describe() const
{
    if (typed)
        return RigNamesText::tr("typed");
    const QString fileName = QFileInfo(file).fileName();
    QString what = QStringList{manufacturer, model}.join(QLatin1Char(' ')).trimmed();
    if (!what.isEmpty() && !mode.isEmpty())
        what = RigNamesText::tr("%1, mode %2").arg(what, mode);
    if (what.isEmpty())
        return fileName.isEmpty() ? RigNamesText::tr("no names") : fileName;
    return fileName.isEmpty() ? what : QStringLiteral("%1 (%2)").arg(what, fileName);
}

bool DeviceNames::isEmpty() const
{
    if (!controls.isEmpty())
        return false;
    for (const PatchBank &bank : banks)
        if (!bank.patches.isEmpty())
            return false;
    return true;
}

bool operator==(const PatchName &a, const PatchName &b)
{
    return a.program == b.program && a.number == b.number && a.name == b.name;
}

bool operator==(const PatchBank &a, const PatchBank &b)
{
    return a.name == b.name && a.msb == b.msb && a.lsb == b.lsb && a.patches == b.patches;
}

bool operator==(const ControlName &a, const ControlName &b)
{
    return a.number == b.number && a.name == b.name;
}

bool operator==(const NamesSource &a, const NamesSource &b)
{
    return a.file == b.file && a.manufacturer == b.manufacturer && a.model == b.model && a.mode == b.mode
        && a.typed == b.typed;
}

bool operator==(const DeviceNames &a, const DeviceNames &b)
{
    return a.source == b.source && a.banks == b.banks && a.controls == b.controls;
}

const PatchName *find_patch(const DeviceNames &names, bool bankSelect, int msb, int lsb, int program)
{
    if (names.banks.isEmpty())
        return nullptr;
    if (!bankSelect) {
        for (const PatchBank &bank : names.banks)
            if (bankCommands(bank) == 0)
                return patchIn(bank, program);
        return patchIn(names.banks.first(), program);
    }
    // Banks without commands answer a bank select only when the names know
    // no bank at all (a typed list): otherwise they would be a guess.
    const bool anyAddressed = std::any_of(names.banks.begin(), names.banks.end(),
                                          [](const PatchBank &bank) { return bankCommands(bank) > 0; });
    for (int commands = 2; commands >= (anyAddressed ? 1 : 0); --commands)
        for (const PatchBank &bank : names.banks)
            if (bankCommands(bank) == commands && bankMatches(bank, msb, lsb))
                if (const PatchName *patch = patchIn(bank, program))
                    return patch;
    return nullptr;
}

QString control_name(const DeviceNames &names, int number)
{
    for (const ControlName &control : names.controls)
        if (control.number == number)
            return control.name;
    return QString();
}

QString patch_text(const PatchName *patch)
{
    if (!patch)
        return QString();
    bool digits = false;
    const int shown = patch->number.toInt(&digits);
    if (patch->number.isEmpty() || (digits && shown == patch->program))
        return patch->name;
    return QStringLiteral("%1 (%2)").arg(patch->name, patch->number);
}

int tidy_device_names(DeviceNames &names)
{
    int dropped = 0;
    for (PatchBank &bank : names.banks) {
        std::stable_sort(bank.patches.begin(), bank.patches.end(),
                         [](const PatchName &a, const PatchName &b) { return a.program < b.program; });
        auto end = std::unique(bank.patches.begin(), bank.patches.end(),
                               [](const PatchName &a, const PatchName &b) { return a.program == b.program; });
        dropped += int(bank.patches.end() - end);
        bank.patches.erase(end, bank.patches.end());
    }
    std::stable_sort(names.controls.begin(), names.controls.end(),
                     [](const ControlName &a, const ControlName &b) { return a.number < b.number; });
    auto end = std::unique(names.controls.begin(), names.controls.end(),
                           [](const ControlName &a, const ControlName &b) { return a.number == b.number; });
    dropped += int(names.controls.end() - end);
    names.controls.erase(end, names.controls.end());
    return dropped;
}
