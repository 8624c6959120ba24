#include "stdout_capture.h"

#include <QList>

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
    QByteArray text;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, sink)) > 0)
        text.append(buffer, int(n));
    std::fclose(sink);
    for (const QByteArray &line : text.split('\n'))
        if (!line.startsWith("QWARN  :") && !line.startsWith("QDEBUG :") && !line.startsWith("QINFO  :")
            && !line.startsWith("QSYSTEM:"))
            captured += line + '\n';
    captured.chop(1);
    return captured;
}
