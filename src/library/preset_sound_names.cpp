#include "preset_sound_names.h"

#include "fields.h"
#include "image_layout.h"
#include "sound_names.h"

#include <QStringList>

using namespace layout;

SoundNamer rig_sound_namer()
{
    return [](int device, const ProgramChangeEntry &entry) {
        return entry.enabled ? program_sound_text(device, entry.bankSelect, entry.msb, entry.lsb, entry.number)
                             : QString();
    };
}

QString preset_sounds_text(const unsigned char *image, int i)
{
    const unsigned char *record = image + presetOffset(i);
    const SoundNamer sound = rig_sound_namer();
    QStringList parts;
    for (int d = 0; d < preset::kProgramChangeCount; ++d) {
        const QString name = sound(d, program_change_entry(record, d));
        if (name.isEmpty())
            continue;
        const QString device = name_text(image + deviceOffset(d) + device::kName).trimmed();
        parts << (device.isEmpty() ? name : QStringLiteral("%1: %2").arg(device, name));
    }
    return parts.join(QStringLiteral(", "));
}
