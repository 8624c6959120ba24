#include "preset_facts.h"

#include "fields.h"
#include "image_layout.h"
#include "preset_sends.h"

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
    return program_change_entry(record, device).enabled;
}

bool sends_control_change(const unsigned char *record, int device)
{
    for (int j = 0; j < preset::kControlChangeCount; ++j) {
        const auto sent = control_change_sent(record, j);
        if (sent && sent->device == device)
            return true;
    }
    for (int b = 0; b < preset::kOverrideCount; ++b) {
        const auto sent = override_sent(record, b);
        if (sent && sent->device == device)
            return true;
    }
    return false;
}
