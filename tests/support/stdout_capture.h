#pragma once

#include <QByteArray>

// Captures everything the process writes to standard output (printf and
// friends) while it lives.
class StdoutCapture
{
public:
    StdoutCapture();
    ~StdoutCapture();
    // Stops capturing and returns what was written.
    QByteArray finish();

private:
    int savedFd = -1;
    FILE *sink = nullptr;
    QByteArray captured;
};
