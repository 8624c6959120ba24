#pragma once

#include "rig_names.h"

// The rig at its fullest for the benchmarks: each of the sixteen devices
// names all 128 programs (at no bank) and all 128 controls.
inline RigNames fullRig()
{
    RigNames rig;
    for (int d = 0; d < 16; ++d) {
        PatchBank bank;
        for (int p = 0; p < 128; ++p)
            bank.patches.append({p, QStringLiteral("%1%2").arg(p / 8 + 1).arg(QChar('A' + p % 8)),
                                 QStringLiteral("Device %1 Sound %2").arg(d + 1).arg(p)});
        rig.devices[d].banks = {bank};
        for (int c = 0; c < 128; ++c)
            rig.devices[d].controls.append({c, QStringLiteral("Control %1").arg(c)});
    }
    return rig;
}
