#include "presetlists.h"

#include "fields.h"
#include "image_layout.h"

QStringList deviceListTexts(const unsigned char *image)
{
    QStringList texts;
    texts.reserve(layout::kDeviceCount);
    for (int d = 0; d < layout::kDeviceCount; ++d)
        texts << device_entry_text(image, d);
    return texts;
}

QStringList offOnTexts()
{
    return {QStringLiteral("off"), QStringLiteral("on")};
}
