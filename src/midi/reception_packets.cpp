#include "reception_packets.h"

#include "dump_messages.h"

void ReceptionPacketTally::reset()
{
    *this = ReceptionPacketTally();
}

void ReceptionPacketTally::scan(const unsigned char *data, int size)
{
    if (size < scanned)
        reset();
    for (int i = scanned; i < size; ++i) {
        if (messageStart < 0) {
            if (data[i] == 0xF0)
                messageStart = i;
        } else if (data[i] == 0xF7) {
            takeMessage(data + messageStart, i + 1 - messageStart);
            messageStart = -1;
        }
    }
    scanned = size;
}

void ReceptionPacketTally::takeMessage(const unsigned char *message, int length)
{
    // A packet too short to hold data carries nothing the decoder would take.
    if (classify_dump_message(message, length) != DumpMessageKind::DataPacket || length <= 9)
        return;
    ++packetCount;
    const int checksumAt = length - 2;
    if (dump_checksum_quiet(message, 1, checksumAt) != (message[checksumAt] & 0x7F))
        ++badChecksumCount;
}
