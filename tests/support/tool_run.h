#pragma once

// vektor-tool run as a user runs it. Header-only: VEKTOR_TOOL, the path of the
// tool as built, is defined for each test that runs it.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

struct Run {
    int exitCode = -1; // -1 also when the tool crashed or did not finish
    QString out;
    QString err;
};

// `input`, when given, comes through a pipe on standard input.
inline Run tool(const QStringList &arguments, const QString &folder = QString(), const QByteArray *input = nullptr)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(VEKTOR_TOOL), arguments);
    if (input) {
        process.write(*input);
        process.closeWriteChannel();
    }
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}
