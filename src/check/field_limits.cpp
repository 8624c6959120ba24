#include "field_limits.h"

#include "field_catalogue.h"

#include <cstring>

namespace {

bool isKey(const FieldDef &def, const char *key)
{
    return std::strcmp(def.key, key) == 0;
}

int choiceCount(const char *const *choices)
{
    int n = 0;
    while (choices[n])
        ++n;
    return n;
}

} // namespace

int largest_kept_value(const FieldDef &def)
{
    switch (def.kind) {
    case FieldKind::Flag:
        return 1; // a checked box stores 1, whatever nonzero byte it showed
    case FieldKind::Number:
        // Channels fit to 0..15, every other number is MIDI data.
        return def.shownFrom == 1 ? 15 : 127;
    case FieldKind::ListPosition:
        // The fitting of the global settings dialog keeps a little more
        // than its lists hold: the action fits to 0..2, the Axe-Fx model to 0..15.
        if (isKey(def, "action"))
            return 2;
        if (isKey(def, "axeFxModel"))
            return 15;
        if (def.choices)
            return choiceCount(def.choices) - 1;
        if (isKey(def, "function"))
            return 13;
        if (isKey(def, "loop"))
            return 7;
        if (isKey(def, "relay"))
            return 1;
        if (isKey(def, "device"))
            return 15;
        return -1;
    default:
        return -1;
    }
}
