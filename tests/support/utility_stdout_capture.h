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
    // Everything written since construction, except Qt Test's own log lines.
    QByteArray text();

private:
    QTemporaryFile file;
    int savedStdout = -1;
};
