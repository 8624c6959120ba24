#pragma once

#include <QStringList>

// Choice lists of the preset editor's dialogs; each entry carries its
// position as item data (the position is the stored value). The "000" ..
// "127" list is numberChoices() (choicelists.h).

// "01 - <name of device 0>" .. "16 - <name of device 15>", from the image.
QStringList deviceListTexts(const unsigned char *image);
// "off", "on" and, for relays, loops and the output, a third entry.
QStringList offOnTexts();
