#include "utility_stdout_capture.h"

#include <cstdio>
#include <unistd.h>

StdoutCapture::StdoutCapture()
{
    std::fflush(stdout);
    if (!file.open())
        return;
    savedStdout = dup(STDOUT_FILENO);
    dup2(file.handle(), STDOUT_FILENO);
}

StdoutCapture::~StdoutCapture()
{
    if (savedStdout < 0)
        return;
    std::fflush(stdout);
    dup2(savedStdout, STDOUT_FILENO);
    close(savedStdout);
}

QByteArray StdoutCapture::text()
{
    std::fflush(stdout);
    QFile reader(file.fileName());
    return reader.open(QIODevice::ReadOnly) ? reader.readAll() : QByteArray();
}
