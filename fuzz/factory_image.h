#pragma once

// The factory memory, made once: what the fuzz targets edit and compare with.

#include "default_image.h"
#include "image_layout.h"

#include <QByteArray>

inline const QByteArray &factory_image()
{
    static const QByteArray image = [] {
        QByteArray bytes(layout::kImageSize, '\0');
        fill_default_image(reinterpret_cast<unsigned char *>(bytes.data()));
        return bytes;
    }();
    return image;
}
