#include "preset_messages.h"

#include "image_layout.h"
#include "preset_sends.h"

using namespace layout;

namespace {

QByteArray controlChange(int channel, int number, int value)
{
    QByteArray message(3, '\0');
    message[0] = char(0xB0 | channel);
    message[1] = char(number);
    message[2] = char(value);
    return message;
}

} // namespace

QVector<QByteArray> preset_messages(const unsigned char *image, int record)
{
    QVector<QByteArray> messages;
    const unsigned char *presetRecord = image + presetOffset(record);
    for (int device = 0; device < preset::kProgramChangeCount; ++device) {
        const ProgramChangeEntry entry = program_change_entry(presetRecord, device);
        if (!entry.enabled)
            continue;
        if (entry.bankSelect) {
            messages << controlChange(device, 0, entry.msb);
            messages << controlChange(device, 32, entry.lsb);
        }
        QByteArray programChange(2, '\0');
        programChange[0] = char(0xC0 | device);
        programChange[1] = char(entry.number);
        messages << programChange;
    }
    for (int j = 0; j < preset::kControlChangeCount; ++j)
        if (const auto sent = control_change_sent(presetRecord, j))
            messages << controlChange(sent->device, sent->number, sent->value);
    return messages;
}
