#pragma once

#include <QByteArray>

// The bytes of an image held in a byte array, as the layout, catalogue and
// compare functions read them.
inline const unsigned char *image_bytes(const QByteArray &image)
{
    return reinterpret_cast<const unsigned char *>(image.constData());
}
