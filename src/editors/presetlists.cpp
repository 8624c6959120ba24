#include "presetlists.h"

#include "fields.h"
#include "image_layout.h"

#include <QCoreApplication>

namespace {

// Shared by the preset, control-change and overrides dialogs; lupdate finds
// the texts by the qualified calls.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PresetLists)
};

} // namespace

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
    return {Text::tr("off"), Text::tr("on")};
}
