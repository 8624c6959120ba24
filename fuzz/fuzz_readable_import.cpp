// Any readable document given to an import: the input itself, and the input
// as edits over a real document of two presets, so most runs land close to a
// document that passes. Whatever the checks accept must come back the same
// when written again; nothing may read or write outside the image.

#include "factory_image.h"
#include "image_layout.h"
#include "readable_form.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(const QByteArray &document)
{
    const ReadableImport imported = import_readable(document, factory_image());
    if (!imported.ok())
        return;
    if (imported.image.size() != layout::kImageSize)
        std::abort();
    const auto *image = reinterpret_cast<const unsigned char *>(imported.image.constData());
    const QByteArray again = imported.wholeMemory ? export_readable_memory(image)
                                                  : export_readable_presets(image, imported.records);
    if (import_readable(again, factory_image()).image != imported.image)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    check(input);

    static const QByteArray presets =
        export_readable_presets(reinterpret_cast<const unsigned char *>(factory_image().constData()), {12, 13});
    QByteArray edited = presets;
    for (size_t i = 0; i + 2 < size; i += 3)
        edited[int(((data[i] << 8) | data[i + 1]) % presets.size())] = char(data[i + 2]);
    check(edited);
    return 0;
}
