#include "stdout_capture.h"

#include <cstdio>
#include <unistd.h>

StdoutCapture::StdoutCapture()
{
    std::fflush(stdout);
    sink = std::tmpfile();
    savedFd = dup(fileno(stdout));
    dup2(fileno(sink), fileno(stdout));
}

StdoutCapture::~StdoutCapture()
{
    finish();
}

QByteArray StdoutCapture::finish()
{
    if (savedFd < 0)
        return captured;
    std::fflush(stdout);
    dup2(savedFd, fileno(stdout));
    close(savedFd);
    savedFd = -1;
    std::rewind(sink);
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, sink)) > 0)
        captured.append(buffer, int(n));
    std::fclose(sink);
    return captured;
}
