#include "preset_facts.h"

#include "fields.h"
#include "image_layout.h"

using namespace layout;

bool has_factory_name(const unsigned char *record)
{
    const QByteArray name = name_field_bytes(record + preset::kName);
    static const char prefix[] = "Preset ";
    const int prefixLength = int(sizeof prefix) - 1;
    if (name.size() != prefixLength + 3 || !name.startsWith(prefix))
        return false;
    for (int k = prefixLength; k < name.size(); ++k)
        if (name[k] < '0' || name[k] > '9')
            return false;
    return true;
}

bool sends_program_change(const unsigned char *record, int device)
{
    return flag_is_on(record[preset::programChangeOffset(device) + programchange::kEnabled]);
}

bool sends_control_change(const unsigned char *record, int device)
{
    for (int j = 0; j < preset::kControlChangeCount; ++j) {
        const unsigned char *entry = record + preset::controlChangeOffset(j);
        if (entry[controlchange::kEnabled] == 1 && entry[controlchange::kDevice] == device)
            return true;
    }
    for (int b = 0; b < preset::kOverrideCount; ++b) {
        const unsigned char *entry = record + preset::overrideOffset(b);
        if (entry[override_::kOverride] == 1 && entry[override_::kDevice] == device)
            return true;
    }
    return false;
}
