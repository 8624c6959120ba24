#include "preset_sends.h"

#include "fields.h"
#include "image_layout.h"

using namespace layout;

namespace {

constexpr int kDevices = 16;
constexpr int kDataValues = 128;

// A list position as a dialog shows it: within the list, or a blank box.
bool inList(unsigned char byte, int size)
{
    return byte < size;
}

} // namespace

int fitted_byte(unsigned char byte, int max)
{
    return fit_value(static_cast<signed char>(byte), max);
}

ProgramChangeEntry program_change_entry(const unsigned char *record, int device)
{
    const unsigned char *entry = record + preset::programChangeOffset(device);
    return {flag_is_on(entry[programchange::kEnabled]), fitted_byte(entry[programchange::kNumber], 127),
            flag_is_on(entry[programchange::kBankSelectEnabled]), fitted_byte(entry[programchange::kMsbBank], 127),
            fitted_byte(entry[programchange::kLsbBank], 127)};
}

PresetPedalEntry preset_pedal_entry(const unsigned char *record, int pedal)
{
    const unsigned char *entry = record + preset::pedalOffset(pedal);
    return {flag_is_on(entry[presetpedal::kEnabled]), fitted_byte(entry[presetpedal::kChannel], 15),
            fitted_byte(entry[presetpedal::kControlChange], 127)};
}

// An entry shown with a blank box sends nothing: what the controller makes
// of such a byte is not known.
std::optional<ControlChangeSent> control_change_sent(const unsigned char *record, int entry)
{
    const unsigned char *at = record + preset::controlChangeOffset(entry);
    if (at[controlchange::kEnabled] != 1 || !inList(at[controlchange::kDevice], kDevices)
        || !inList(at[controlchange::kNumber], kDataValues) || !inList(at[controlchange::kValue], kDataValues))
        return std::nullopt;
    return ControlChangeSent{at[controlchange::kDevice], at[controlchange::kNumber], at[controlchange::kValue]};
}

std::optional<OverrideSent> override_sent(const unsigned char *record, int button)
{
    const unsigned char *at = record + preset::overrideOffset(button);
    if (at[override_::kOverride] != 1 || !inList(at[override_::kDevice], kDevices)
        || !inList(at[override_::kControlChange], kDataValues) || !inList(at[override_::kOnValue], kDataValues)
        || !inList(at[override_::kOffValue], kDataValues))
        return std::nullopt;
    return OverrideSent{at[override_::kDevice], at[override_::kControlChange], at[override_::kOnValue],
                        at[override_::kOffValue]};
}

SwitchState switch_state(unsigned char byte)
{
    return byte <= 2 ? SwitchState(byte) : SwitchState::Unknown;
}
