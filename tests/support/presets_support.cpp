#include "presets_support.h"

#include "image_layout.h"
#include "configuration_saves.h"
#include "store.h"

#include <QDir>

#include <unistd.h>


PresetsHome::PresetsHome()
{
    QDir().mkpath(home.path() + "/Stompwerk/Vektor");
    QDir().mkpath(home.path() + "/Stompwerk/Kestrel");
    set_paths_for_home(home.path());
    init_default_image();
}

void PresetsHome::saveImage() const
{
    save_image();
}

QByteArray PresetsHome::fileBytes() const
{
    return readWholeFile(configPath());
}

QByteArray presetRecordBytes(int i)
{
    return QByteArray(reinterpret_cast<const char *>(presetRecord(i)), layout::kPresetRecordSize);
}

QByteArray presetRecordBytes(const QByteArray &image, int i)
{
    return image.mid(layout::presetOffset(i), layout::kPresetRecordSize);
}

unsigned char *presetRecord(int i)
{
    return config_image() + layout::presetOffset(i);
}
