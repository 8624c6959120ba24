#include "sound_names.h"

#include "fields.h"
#include "image_layout.h"
#include "preset_sends.h"

#include <QStringList>

#include <algorithm>

namespace {

// The device as the memory calls it, or its channel when it has no name.
QString deviceLabel(const unsigned char *image, int device)
{
    const QString name = image ? name_text(image + layout::deviceOffset(device) + layout::device::kName).trimmed()
                               : QString();
    return name.isEmpty() ? QStringLiteral("%1").arg(device + 1, 2, 10, QLatin1Char('0')) : name;
}

} // namespace

QString quoted_patch_text(const PatchName *patch)
{
    if (!patch)
        return QString();
    const QString text = patch_text(patch);
    const QString quoted = QLatin1Char('\'') + patch->name + QLatin1Char('\'');
    return text == patch->name ? quoted : quoted + text.mid(patch->name.size());
}

QString preset_sound_names(const unsigned char *image, int record, const RigNames &rig)
{
    const unsigned char *preset = image + layout::presetOffset(record);
    QStringList sounds;
    for (int d = 0; d < layout::preset::kProgramChangeCount && d < 16; ++d) {
        const ProgramChangeEntry entry = program_change_entry(preset, d);
        if (!entry.enabled)
            continue;
        const PatchName *patch = find_patch(rig.devices[d], entry.bankSelect, entry.msb, entry.lsb, entry.number);
        if (patch)
            sounds << QStringLiteral("%1: %2").arg(deviceLabel(image, d), patch_text(patch));
    }
    return sounds.join(QStringLiteral("; "));
}

MessageNamer::MessageNamer(const unsigned char *image, const RigNames &rig) : image(image), rig(rig)
{
    std::fill(std::begin(msb), std::end(msb), -1);
    std::fill(std::begin(lsb), std::end(lsb), -1);
}

QString MessageNamer::name(const QByteArray &message)
{
    if (message.size() < 2)
        return QString();
    const int status = uchar(message[0]) & 0xF0, channel = uchar(message[0]) & 0x0F, data1 = uchar(message[1]) & 0x7F;
    if (status == 0xC0) {
        const bool bank = msb[channel] >= 0 || lsb[channel] >= 0;
        const PatchName *patch = find_patch(rig.devices[channel], bank, msb[channel], lsb[channel], data1);
        msb[channel] = lsb[channel] = -1;
        return patch ? QStringLiteral("%1: %2").arg(deviceLabel(image, channel), patch_text(patch)) : QString();
    }
    if (status != 0xB0 || message.size() < 3)
        return QString();
    if (data1 == 0)
        msb[channel] = uchar(message[2]) & 0x7F;
    else if (data1 == 32)
        lsb[channel] = uchar(message[2]) & 0x7F;
    else
        msb[channel] = lsb[channel] = -1; // a bank select counts only just before its program change
    const QString control = control_name(rig.devices[channel], data1);
    return control.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(deviceLabel(image, channel), control);
}
