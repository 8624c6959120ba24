// Any bytes as a names file: a MIDNAM document and a plain list. Whatever is
// read keeps the promises the editor builds on (programs and bank selects are
// data bytes, each program once per bank, in order), and the rig's export of
// it reads back the same banks and controls.

#include "midnam_reader.h"
#include "midnam_writer.h"

#include <cstdint>
#include <cstdlib>

namespace {

void checkNames(const DeviceNames &names)
{
    for (const PatchBank &bank : names.banks) {
        if (bank.msb < -1 || bank.msb > 127 || bank.lsb < -1 || bank.lsb > 127)
            std::abort();
        for (int p = 0; p < bank.patches.size(); ++p) {
            const int program = bank.patches[p].program;
            if (program < 0 || program > 127 || (p > 0 && bank.patches[p - 1].program >= program))
                std::abort();
        }
    }
    for (int c = 0; c < names.controls.size(); ++c)
        if (names.controls[c].number < 0 || names.controls[c].number > 127
            || (c > 0 && names.controls[c - 1].number >= names.controls[c].number))
            std::abort();
}

// The bank selects and programs of each bank, and the control numbers: what
// an export must carry over whatever the names' spelling.
QVector<int> shape(const DeviceNames &names)
{
    QVector<int> out;
    for (const PatchBank &bank : names.banks) {
        if (bank.patches.isEmpty())
            continue;
        out << 1000 + bank.msb << 2000 + bank.lsb;
        for (const PatchName &patch : bank.patches)
            out << patch.program;
    }
    for (const ControlName &control : names.controls)
        out << 3000 + control.number;
    return out;
}

void check(const NamesFileRead &read)
{
    if (!read.ok()) {
        if (!read.modes.isEmpty() || read.error.isEmpty())
            std::abort();
        return;
    }
    if (read.modes.isEmpty())
        std::abort();
    for (const MidnamMode &mode : read.modes)
        checkNames(mode.names);
    const DeviceNames &first = read.modes.first().names;
    if (first.isEmpty())
        return;
    RigNames rig;
    rig.devices[0] = first;
    const NamesFileRead back = read_midnam(write_midnam(rig, {}));
    if (!back.ok() || back.modes.size() != 1 || shape(back.modes.first().names) != shape(first))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    check(read_midnam(input));
    check(read_plain_list(input, size % 2 ? 1 : 0));
    return 0;
}
