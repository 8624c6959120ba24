#pragma once

#include <QByteArray>

#include <cstdio>

// Captures what the editor writes to standard output (printf and friends)
// while it lives. Qt Test logs to the same stream; its lines are left out.
class StdoutCapture
{
public:
    StdoutCapture();
    ~StdoutCapture();
    // Stops capturing and returns what was written; later calls return the
    // same text. Restoring first lets a failing check after it report normally.
    QByteArray finish();
    QByteArray text() { return finish(); }

private:
    int savedFd = -1;
    FILE *sink = nullptr;
    QByteArray captured;
};
