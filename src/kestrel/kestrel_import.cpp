#include "kestrel_import.h"

#include "fields.h"
#include "image_layout.h"
#include "kestrel_layout.h"

#include <QString>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// Off while an import is only previewed: its trace tells of imports made.
bool g_tracing = true;

__attribute__((format(printf, 1, 2))) void trace(const char *format, ...)
{
    if (!g_tracing)
        return;
    va_list arguments;
    va_start(arguments, format);
    std::vprintf(format, arguments);
    va_end(arguments);
}

// The name as far as its first NUL, into a field that then holds nothing else.
void copyName(unsigned char *to, const unsigned char *from)
{
    write_name_closed(to, name_field_bytes(from));
}

QByteArray formatted(const char *format, int value)
{
    return QString::asprintf(format, value).toLatin1();
}

void printSectionSizes()
{
    trace("KESTREL_PROGRAM_CHANGE2: %d bytes\n", kestrel::kProgramChangeSize);
    trace("KESTREL_CONTROL_CHANGE2: %d bytes\n", kestrel::kControlChangeSize);
    trace("KESTREL_EXPRESSION_PEDAL: %d bytes\n", kestrel::kPresetPedalSize);
    trace("KESTREL_CC_BUTTON_CONF: %d bytes\n", kestrel::kOverrideSize);
    trace("KESTREL_PRESET: %d bytes\n", kestrel::kPresetSize);
    trace("KESTREL_BUTTON: %d bytes\n", kestrel::kButtonSize);
    trace("KESTREL_CHANNEL: %d bytes\n", kestrel::kChannelSize);
    trace("KESTREL_DISPLAY: %d bytes\n", kestrel::kDisplaySize);
    trace("KESTREL_EXPRESSION_PEDAL_CONF: %d bytes\n", kestrel::kPedalConfigSize);
    trace("KESTREL_OUT: %d bytes\n", kestrel::kOutSize);
    trace("KESTREL_IN: %d bytes\n", kestrel::kInSize);
    trace("KESTREL_SYSEX2: %d bytes\n", kestrel::kSysexSize);
    trace("KESTREL_GLOBAL: %d bytes\n", kestrel::kGlobalSize);
    trace("KESTREL_CONFIGURATION: %d bytes\n", kestrel::kImageSize);
    trace("KESTREL_PRESETS_COUNT: %d\n", kestrel::kPresetCount);
}

void importButtons(const unsigned char *kestrel, unsigned char *image)
{
    namespace button = layout::button;
    for (int n = 0; n < kestrel::kImportedButtonCount; ++n) {
        const int offset = kestrel::buttonOffset(n);
        trace("Button %d\nOffset: %d\n", n, offset);
        const unsigned char *from = kestrel + offset;
        unsigned char *to = image + layout::buttonOffset(n);
        to[button::kFunction] = from[button::kFunction];
        to[button::kAction] = from[button::kAction];
        to[button::kFavorite] = from[button::kFavorite];
        to[button::kFavorite + 1] = from[button::kFavorite + 1];
        // The single bytes from 37 through the relay, control change and loop among them.
        std::memcpy(to + button::kByte37, from + button::kByte37, size_t(button::kRelay + 1 - button::kByte37));
        copyName(to + button::kName, from + button::kName);
        // Custom messages are MIDI data: a zero byte is a valid value inside
        // them, so all eight bytes are carried as they are.
        std::memcpy(to + button::kOffCustom, from + button::kOffCustom, layout::kRawMessageSize);
        std::memcpy(to + button::kOnCustom, from + button::kOnCustom, layout::kRawMessageSize);
        to[button::kSiblingIndex] = static_cast<unsigned char>(n);
        to[button::kByte51] = 0;
        to[button::kTrailer] = 29;
    }
}

void importChannels(const unsigned char *kestrel, unsigned char *image)
{
    for (int c = 0; c < kestrel::kChannelCount; ++c) {
        const int offset = kestrel::channelOffset(c);
        const unsigned char *from = kestrel + offset;
        trace("Channel %d: %s\nOffset: %d\n", c, name_field_bytes(from + kestrel::channel::kName).constData(),
                    offset);
        unsigned char *to = image + layout::deviceOffset(c);
        copyName(to + layout::device::kName, from + kestrel::channel::kName);
        to[layout::device::kEnabled] = from[kestrel::channel::kEnabled];
        to[layout::device::kExtra] = 2;
    }
}

void importGlobals(const unsigned char *kestrel, unsigned char *image)
{
    const unsigned char *display = kestrel + kestrel::kDisplayStart;
    copyName(image + layout::kExtraDeviceSlotStart + layout::extradevice::kName, display + kestrel::display::kName);
    image[layout::kExtraDeviceSlotStart + layout::extradevice::kFlag] = display[kestrel::display::kFlag];

    for (int p = 0; p < kestrel::kPedalConfigCount; ++p) {
        const unsigned char *from = kestrel + kestrel::pedalConfigOffset(p);
        unsigned char *to = image + layout::pedalOffset(p);
        copyName(to + layout::pedal::kName, from + kestrel::pedalconfig::kName);
        to[layout::pedal::kEnabled] = from[kestrel::pedalconfig::kEnabled];
        std::memcpy(to + layout::pedal::kMin, from + kestrel::pedalconfig::kMin, 2);
        std::memcpy(to + layout::pedal::kMax, from + kestrel::pedalconfig::kMax, 2);
    }

    image[layout::kSoftThruEnabled] = kestrel[kestrel::kOut];
    image[layout::kMidiChannel] = kestrel[kestrel::kIn];
    std::memcpy(image + layout::kSysexId, kestrel + kestrel::kSysexStart, kestrel::kSysexSize);

    for (int r = 0; r < layout::kRelayCount; ++r) {
        unsigned char *relay = image + layout::relayOffset(r);
        write_text_and_nul(relay + layout::relay::kName, formatted("Relay %d", r));
        relay[layout::relay::kFlag] = static_cast<unsigned char>(r);
        relay[layout::relay::kByte18] = 0;
    }
}

void importPresets(const unsigned char *kestrel, unsigned char *image)
{
    namespace vp = layout::preset;
    namespace kp = kestrel::preset;
    for (int k = 0; k < kestrel::kPresetCount; ++k) {
        const unsigned char *from = kestrel + kestrel::presetOffset(k);
        unsigned char *to = image + layout::presetOffset(k);
        trace("Preset %d: %s\n", k, name_field_bytes(from + kp::kName).constData());
        std::memcpy(to + vp::kOverrides, from + kp::kOverrides, vp::kOverrideCount * vp::kOverrideSize);
        std::memcpy(to + vp::kControlChanges, from + kp::kControlChanges,
                    vp::kControlChangeCount * vp::kControlChangeSize);
        std::memcpy(to + vp::kPedals, from + kp::kPedals, layout::kPedalCount * vp::kPedalEntrySize);
        std::memcpy(to + vp::kProgramChanges, from + kp::kProgramChanges,
                    vp::kProgramChangeCount * vp::kProgramChangeSize);
        std::memcpy(to + vp::kLoops, from + kp::kLoops, vp::kLoopCount);
        copyName(to + vp::kName, from + kp::kName);
        to[vp::kRelays] = from[kp::kRelays];
        to[vp::kRelays + 1] = from[kp::kRelays + 1];
        to[vp::kOutput] = from[kp::kOutput];
    }
}

} // namespace

void import_kestrel_image(const unsigned char *kestrel, unsigned char *image)
{
    printSectionSizes();
    importButtons(kestrel, image);
    write_text_and_nul(image + layout::kBankNameAreaStart, formatted("Bank %d", 0));
    importChannels(kestrel, image);
    importGlobals(kestrel, image);
    importPresets(kestrel, image);
    std::fflush(stdout);
}

void preview_kestrel_import(const unsigned char *kestrel, unsigned char *image)
{
    g_tracing = false;
    import_kestrel_image(kestrel, image);
    g_tracing = true;
}
