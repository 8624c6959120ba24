#include "dump_verify.h"

#include "dump_codec.h"
#include "dump_messages.h"
#include "message_walk.h"

#include <QCoreApplication>

#include <vector>

namespace {

int headerLength(const unsigned char *message, int length)
{
    if (length < 15)
        return -1;
    int value = 0;
    for (int i = 0; i < 4; ++i)
        value |= (message[10 + i] & 0x7F) << (7 * i);
    return value;
}

} // namespace

DumpReport verify_dump(const unsigned char *data, int size)
{
    DumpReport report;
    int previousNumber = -1;
    walk_sysex_messages(data, size, InnerStart::KeptInMessage, [&](const SysexSpan &span) {
        const unsigned char *message = span.bytes;
        const int length = span.length;
        const bool closed = span.closed;
        const int fullLength = closed ? length : length + 1;
        switch (classify_dump_message(message, length)) {
        case DumpMessageKind::Header:
            if (!report.hasHeader) {
                report.hasHeader = true;
                report.declaredLength = headerLength(message, length);
            }
            break;
        case DumpMessageKind::EndOfFile:
            report.hasEndOfFile = true;
            report.endOfFileCount = message[4];
            break;
        case DumpMessageKind::DataPacket: {
            if (fullLength <= 9)
                break;
            const int position = report.dataPackets++;
            const int checksumAt = fullLength - 2;
            if (dump_checksum_quiet(message, 1, checksumAt) != (message[checksumAt] & 0x7F) || !closed) {
                if (report.checksumErrors++ == 0)
                    report.firstBadChecksumPacket = position;
            }
            const int number = message[5] & 0x7F;
            if (previousNumber >= 0) {
                if (number == previousNumber)
                    ++report.repeatedPackets;
                else
                    report.missingPackets += (number - previousNumber - 1) & 0x7F;
            } else {
                report.missingPackets += number; // the first packet is number 0
            }
            previousNumber = number;
            break;
        }
        default:
            break;
        }
    });
    std::vector<unsigned char> decoded(size_t(qMax(size, 1)));
    report.decodedLength = decode_dump(data, size, decoded.data());
    return report;
}

DumpReport verify_dump_file(const QString &path)
{
    QByteArray data;
    if (!read_dump_file(path, data)) {
        DumpReport report;
        report.readable = false;
        return report;
    }
    return verify_dump(reinterpret_cast<const unsigned char *>(data.constData()), data.size());
}

QStringList DumpReport::problems(int expectedLength) const
{
    QStringList out;
    if (!readable)
        return {tr("The dump file cannot be read.")};
    if (decodedLength == 0)
        return {tr("The dump holds no data.")};
    if (checksumErrors == 1)
        out << tr("Packet %1 fails its checksum.").arg(firstBadChecksumPacket + 1);
    else if (checksumErrors > 1)
        out << tr("%1 packets fail their checksum, the first is packet %2.")
                   .arg(checksumErrors).arg(firstBadChecksumPacket + 1);
    if (missingPackets > 0)
        out << (missingPackets == 1 ? tr("1 packet is missing.") : tr("%1 packets are missing.").arg(missingPackets));
    if (repeatedPackets > 0)
        out << (repeatedPackets == 1 ? tr("1 packet arrived twice.")
                                     : tr("%1 packets arrived twice.").arg(repeatedPackets));
    if (hasHeader && declaredLength != decodedLength)
        out << tr("The header announces %1 bytes, the packets hold %2.").arg(declaredLength).arg(decodedLength);
    if (hasEndOfFile && endOfFileCount != (dataPackets & 0x7F))
        out << tr("The end-of-file message does not match the number of packets.");
    if (expectedLength > 0 && decodedLength != expectedLength)
        out << tr("The dump decodes to %1 bytes; a Vektor memory has %2.").arg(decodedLength).arg(expectedLength);
    return out;
}
