// Any text typed into a raw-message field.

#include "fields.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size); // NUL-terminated copy
    unsigned char out[8 + 1];
    for (int n = 1; n <= 8; ++n) {
        out[n] = 0xA5; // a guard byte just past the field
        hex_to_bytes(out, text.c_str(), n);
        if (out[n] != 0xA5)
            std::abort();
    }
    // What the editor shows for eight bytes reads back as the same bytes.
    char shown[24];
    bytes_to_hex(shown, out, 8);
    unsigned char again[8];
    hex_to_bytes(again, shown, 8);
    for (int i = 0; i < 8; ++i)
        if (again[i] != out[i])
            std::abort();
    return 0;
}
