#include "image_fixtures.h"

#include "default_image.h"
#include "dump_codec.h"
#include "image_layout.h"
#include "message_walk.h"
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

DumpMessages messagesOf(const QByteArray &dump)
{
    DumpMessages messages;
    walk_sysex_messages(reinterpret_cast<const unsigned char *>(dump.constData()), dump.size(),
                        InnerStart::KeptInMessage, [&](const SysexSpan &m) {
                            messages.emplace_back(m.bytes, m.bytes + m.length);
                        });
    return messages;
}

QByteArray joined(const DumpMessages &messages)
{
    QByteArray all;
    for (const auto &m : messages)
        all.append(reinterpret_cast<const char *>(m.data()), int(m.size()));
    return all;
}

DumpMessages tenPacketDump()
{
    QByteArray source;
    for (int i = 0; i < 10 * 112; ++i)
        source += char(i * 11);
    return messagesOf(dumpOf(source));
}

void breakChecksum(std::vector<unsigned char> &packet)
{
    packet[packet.size() - 2] ^= 0x01;
}
