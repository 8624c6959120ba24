#include "reception_packets.h"

#include "dump_messages.h"
#include "message_walk.h"

void ReceptionPacketTally::reset()
{
    *this = ReceptionPacketTally();
}

void ReceptionPacketTally::scan(const unsigned char *data, int size)
{
    if (size < scanned)
        reset();
    scanned = size;
    // A message still open is walked again next time, once more has come.
    resumeAt += walk_sysex_messages(data + resumeAt, size - resumeAt, InnerStart::KeptInMessage,
                                    [this](const SysexSpan &message) {
                                        if (message.closed)
                                            takeMessage(message.bytes, message.length);
                                    });
}

void ReceptionPacketTally::takeMessage(const unsigned char *message, int length)
{
    const DumpMessageKind kind = classify_dump_message(message, length);
    if (kind == DumpMessageKind::EndOfFile)
        endOfFileCount = packetCount;
    // A packet too short to hold data carries nothing the decoder would take.
    if (kind != DumpMessageKind::DataPacket || length <= 9)
        return;
    ++packetCount;
    const int checksumAt = length - 2;
    if (dump_checksum_quiet(message, 1, checksumAt) != (message[checksumAt] & 0x7F))
        ++badChecksumCount;
}
