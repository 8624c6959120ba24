#include "default_image.h"

#include "fields.h"
#include "image_layout.h"

#include <cstring>

using namespace layout;

namespace {

void putFormattedName(unsigned char *field, const char *format, int n)
{
    write_name(field, QString::asprintf(format, n));
}

void fillButtons(unsigned char *image)
{
    for (int k = 0; k < kButtonCount; ++k) {
        unsigned char *b = image + buttonOffset(k);
        putFormattedName(b + button::kName, "Button %d", k);
        write_word(b + button::kFavorite, k);
        const unsigned char off[kRawMessageSize] = {0x83, static_cast<unsigned char>(0x45 + k), 0x7F};
        const unsigned char on[kRawMessageSize] = {0x93, static_cast<unsigned char>(0x45 + k), 0x7F};
        std::memcpy(b + button::kOffCustom, off, sizeof off);
        std::memcpy(b + button::kOnCustom, on, sizeof on);
        b[button::kControlChange] = static_cast<unsigned char>(80 + k);
        b[button::kAction] = 1;
        b[button::kOnValue] = 127;
        b[button::kStep] = 1;
        b[button::kByte45] = b[button::kByte47] = b[button::kLoop] = b[button::kSiblingIndex] =
            static_cast<unsigned char>(k);
        b[button::kByte46] = b[button::kRelay] = static_cast<unsigned char>(k % 2);
        b[button::kTrailer] = 29;
    }
    image[buttonOffset(7) + button::kFunction] = 2;
    image[buttonOffset(8) + button::kFunction] = 1;
}

void fillDevicesPedalsRelays(unsigned char *image)
{
    for (int d = 0; d < kDeviceCount; ++d) {
        putFormattedName(image + deviceOffset(d) + device::kName, "Device %d", d);
        image[deviceOffset(d) + device::kEnabled] = 0;
    }
    write_name(image + deviceOffset(0) + device::kName, QStringLiteral("Quill"));
    image[deviceOffset(0) + device::kEnabled] = 1;

    for (int p = 0; p < kPedalCount; ++p) {
        unsigned char *pedalRecord = image + pedalOffset(p);
        putFormattedName(pedalRecord + pedal::kName, "Exp. Pedal %d", p);
        pedalRecord[pedal::kEnabled] = 1;
        write_word(pedalRecord + pedal::kMin, 0);
        write_word(pedalRecord + pedal::kMax, 2048);
    }
    for (int r = 0; r < kRelayCount; ++r) {
        putFormattedName(image + relayOffset(r) + relay::kName, "Relay %d", r);
        image[relayOffset(r) + relay::kFlag] = static_cast<unsigned char>(r);
    }
    image[kSysexRemoteId] = 1;
}

} // namespace

void fill_default_preset(unsigned char *record, int i)
{
    std::memset(record, 0, kPresetRecordSize);
    putFormattedName(record + preset::kName, "Preset %03d", preset_number(i));
    for (int c = 0; c < preset::kProgramChangeCount; ++c)
        record[preset::programChangeOffset(c) + programchange::kNumber] =
            static_cast<unsigned char>((i + c) % 128);
    record[preset::programChangeOffset(0) + programchange::kEnabled] = 1;
    for (int p = 0; p < kPedalCount; ++p) {
        record[preset::pedalOffset(p) + presetpedal::kEnabled] = 1;
        record[preset::pedalOffset(p) + presetpedal::kControlChange] = static_cast<unsigned char>(7 + p);
    }
    for (int b = 0; b < preset::kOverrideCount; ++b) {
        record[preset::overrideOffset(b) + override_::kOnValue] = 127;
        record[preset::overrideOffset(b) + override_::kReserved] = 1;
    }
}

void fill_default_image(unsigned char *image)
{
    std::memset(image, 0, kImageSize);
    fillButtons(image);
    fillDevicesPedalsRelays(image);
    for (int i = 0; i < kPresetCount; ++i)
        fill_default_preset(image + presetOffset(i), i);
}
