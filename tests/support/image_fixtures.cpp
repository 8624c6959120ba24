#include "image_fixtures.h"

#include "default_image.h"
#include "dump_codec.h"
#include "image_layout.h"
#include "stdout_capture.h"
#include "store.h"
#include "test_support.h"

QByteArray imageInMemory()
{
    return QByteArray(reinterpret_cast<const char *>(config_image()), layout::kImageSize);
}

QByteArray factoryImage()
{
    QByteArray image(layout::kImageSize, '\0');
    fill_default_image(reinterpret_cast<unsigned char *>(image.data()));
    return image;
}

QByteArray dumpOf(const QByteArray &source)
{
    QTemporaryDir scratch;
    writeWholeFile(scratch.path() + "/memory.bin", source);
    StdoutCapture quiet;
    binary_to_sysex(scratch.path() + "/memory.bin", scratch.path() + "/memory.syx");
    quiet.finish();
    return readWholeFile(scratch.path() + "/memory.syx");
}

QVector<int> messageStarts(const QByteArray &dump)
{
    QVector<int> starts;
    for (int i = 0; i < dump.size(); ++i)
        if (quint8(dump[i]) == 0xF0)
            starts << i;
    return starts;
}
