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
    if (!reader.open(QIODevice::ReadOnly))
        return QByteArray();
    // Qt Test logs its own messages to standard output as well: leave them out.
    QByteArray editor;
    for (const QByteArray &line : reader.readAll().split('\n')) {
        if (!line.startsWith("QWARN  :") && !line.startsWith("QDEBUG :") && !line.startsWith("QINFO  :"))
            editor += line + '\n';
    }
    editor.chop(1);
    return editor;
}
