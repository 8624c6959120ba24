#include "preset_sound_names.h"

#include "rig_names.h"
#include "sound_names.h"

SoundNamer rig_sound_namer()
{
    return [](int device, const ProgramChangeEntry &entry) {
        if (!entry.enabled || device < 0 || device >= 16)
            return QString();
        return quoted_patch_text(
            find_patch(rig_names().devices[device], entry.bankSelect, entry.msb, entry.lsb, entry.number));
    };
}
