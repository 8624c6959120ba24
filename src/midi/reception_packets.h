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

private:
    void takeMessage(const unsigned char *message, int length);

    int scanned = 0;
    int resumeAt = 0; // past the last closed message, or at the F0 of one still open
    int packetCount = 0;
    int badChecksumCount = 0;
};
