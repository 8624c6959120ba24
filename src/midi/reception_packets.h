#pragma once

// Counts the dump packets of a recording while it grows, and how many of them
// fail their checksum. Each call looks only at the bytes that came since the
// one before, so a long recording costs nothing per refresh. Messages are
// told apart as the decoder does: from an F0 to the next F7.
class ReceptionPacketTally
{
public:
    // Takes in `data[0..size)`, of which the first bytes were seen before and
    // have not changed since. A smaller size than last time starts over.
    void scan(const unsigned char *data, int size);
    void reset();

    int packets() const { return packetCount; }
    int badChecksums() const { return badChecksumCount; }
    // An end-of-file message has come after at least one packet: the dump is over.
    bool dumpEnded() const { return endOfFileCount > 0; }

private:
    void takeMessage(const unsigned char *message, int length);

    int scanned = 0;
    int resumeAt = 0; // past the last closed message, or at the F0 of one still open
    int packetCount = 0;
    int badChecksumCount = 0;
    int endOfFileCount = 0; // the packets before the last end-of-file message
};
