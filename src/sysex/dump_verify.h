#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What a dump file says about its own integrity. The decoder takes packets as
// they stand; this report tells the user, before a dump replaces their
// memory, whether the dump agrees with itself.
struct DumpReport {
    bool readable = true;
    bool hasHeader = false;
    int declaredLength = -1;  // the header's file length; -1 without header
    int decodedLength = 0;    // what the decoder produces
    int dataPackets = 0;
    int checksumErrors = 0;
    int firstBadChecksumPacket = -1; // position among the data packets, from 0
    int missingPackets = 0;   // gaps in the running packet numbers
    int repeatedPackets = 0;
    bool hasEndOfFile = false;
    int endOfFileCount = -1;  // the count the end-of-file message carries

    // Problems in the user's words; empty for a sound dump. A positive
    // `expectedLength` also checks the decoded length against it.
    QStringList problems(int expectedLength = -1) const;
    bool isClean(int expectedLength = -1) const { return problems(expectedLength).isEmpty(); }

    Q_DECLARE_TR_FUNCTIONS(DumpReport)
};

DumpReport verify_dump(const unsigned char *data, int size);
// Reads the file as the decoder does (at most the decoder's limit).
DumpReport verify_dump_file(const QString &path);
