#pragma once

#include <QByteArray>
#include <QTemporaryFile>

// Collects what the process writes to standard output while it lives, so a
// test can check the editor's trace lines; the output goes back to the
// terminal afterwards.
class StdoutCapture
{
public:
    StdoutCapture();
    ~StdoutCapture();
    // Everything written since construction.
    QByteArray text();

private:
    QTemporaryFile file;
    int savedStdout = -1;
};
