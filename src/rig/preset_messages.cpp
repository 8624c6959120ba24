#include "preset_messages.h"

#include "fields.h"
#include "image_layout.h"

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

int fitted_byte(unsigned char byte, int max)
{
    return fit_value(static_cast<signed char>(byte), max);
}

QVector<QByteArray> preset_messages(const unsigned char *image, int record)
{
    QVector<QByteArray> messages;
    const unsigned char *presetRecord = image + presetOffset(record);
    for (int device = 0; device < preset::kProgramChangeCount; ++device) {
        const unsigned char *entry = presetRecord + preset::programChangeOffset(device);
        if (!flag_is_on(entry[programchange::kEnabled]))
            continue;
        if (flag_is_on(entry[programchange::kBankSelectEnabled])) {
            messages << controlChange(device, 0, fitted_byte(entry[programchange::kMsbBank], 127));
            messages << controlChange(device, 32, fitted_byte(entry[programchange::kLsbBank], 127));
        }
        QByteArray programChange(2, '\0');
        programChange[0] = char(0xC0 | device);
        programChange[1] = char(fitted_byte(entry[programchange::kNumber], 127));
        messages << programChange;
    }
    for (int j = 0; j < preset::kControlChangeCount; ++j) {
        const unsigned char *entry = presetRecord + preset::controlChangeOffset(j);
        if (!flag_is_on(entry[controlchange::kEnabled]))
            continue;
        messages << controlChange(fitted_byte(entry[controlchange::kDevice], 15),
                                  fitted_byte(entry[controlchange::kNumber], 127),
                                  fitted_byte(entry[controlchange::kValue], 127));
    }
    return messages;
}
