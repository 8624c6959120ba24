#pragma once

#include <QString>

// Runs `work` with standard output sent nowhere: the dump encoder traces
// every packet there, which would bury the tool's own output.
int without_stdout(int (*work)(const QString &, const QString &), const QString &a, const QString &b);
