#include "rig_fixtures.h"

#include "default_image.h"
#include "fields.h"
#include "image_layout.h"

#include <QStringList>

#include <vector>

using namespace layout;

namespace {

void setProgramChange(unsigned char *image, int record, int device, int number, bool bank, int msb, int lsb)
{
    unsigned char *entry = image + presetOffset(record) + preset::programChangeOffset(device);
    entry[programchange::kEnabled] = 1;
    entry[programchange::kNumber] = number;
    entry[programchange::kBankSelectEnabled] = bank;
    entry[programchange::kMsbBank] = msb;
    entry[programchange::kLsbBank] = lsb;
}

void setControlChange(unsigned char *image, int record, int j, bool on, int device, int number, int value)
{
    unsigned char *entry = image + presetOffset(record) + preset::controlChangeOffset(j);
    entry[controlchange::kEnabled] = on;
    entry[controlchange::kDevice] = device;
    entry[controlchange::kNumber] = number;
    entry[controlchange::kValue] = value;
}

} // namespace

QByteArray rigImage()
{
    // Built in a vector: stores into a QByteArray's data() at large offsets
    // make the compiler fear its shared empty array.
    std::vector<unsigned char> memory(kImageSize);
    unsigned char *image = memory.data();
    fill_default_image(image);
    write_name(image + deviceOffset(2) + device::kName, QStringLiteral("Amp"));

    write_name(image + presetOffset(kVerseRecord), QStringLiteral("Verse"));
    setProgramChange(image, kVerseRecord, 2, 5, true, 1, 0);
    setControlChange(image, kVerseRecord, 0, true, 2, 11, 64);
    setControlChange(image, kVerseRecord, 1, true, 2, 12, 0);
    setControlChange(image, kVerseRecord, 2, false, 2, 13, 1);
    setControlChange(image, kVerseRecord, 3, true, 5, 20, 127);
    unsigned char *pedal = image + presetOffset(kVerseRecord) + preset::pedalOffset(1);
    pedal[presetpedal::kChannel] = 2;
    pedal[presetpedal::kControlChange] = 41;
    unsigned char *override = image + presetOffset(kVerseRecord) + preset::overrideOffset(4);
    override[override_::kOverride] = 1;
    override[override_::kDevice] = 2;
    override[override_::kControlChange] = 40;
    override[override_::kOnValue] = 100;
    override[override_::kOffValue] = 10;

    write_name(image + presetOffset(kSoloRecord), QStringLiteral("Solo"));
    setProgramChange(image, kSoloRecord, 2, 5, true, 1, 0);
    setProgramChange(image, 20, 2, 5, false, 0, 0);

    unsigned char *wah = image + buttonOffset(1);
    wah[button::kFunction] = 3;
    write_name(wah + button::kName, QStringLiteral("Wah"));
    wah[button::kChannel] = 2;
    wah[button::kControlChange] = 30;
    wah[button::kOnValue] = 127;
    wah[button::kOffValue] = 0;
    unsigned char *up = image + buttonOffset(3);
    up[button::kFunction] = 6;
    up[button::kChannel] = 2;
    up[button::kControlChange] = 31;
    unsigned char *boost = image + buttonOffset(5);
    boost[button::kFunction] = 5;
    write_name(boost + button::kName, QStringLiteral("Boost"));
    hex_to_bytes(boost + button::kOnCustom, "91 40 7f", kRawMessageSize);
    return QByteArray(reinterpret_cast<const char *>(image), kImageSize);
}

QByteArray hexMessage(const QString &text)
{
    return QByteArray::fromHex(text.toLatin1());
}

QVector<QByteArray> hexMessages(const QStringList &texts)
{
    QVector<QByteArray> messages;
    for (const QString &text : texts)
        messages << hexMessage(text);
    return messages;
}
