#pragma once

#include <QString>

// --seconds S of receive and monitor: how long a command listens at the most.

// S as milliseconds: a number of seconds above 0, at most a billion. -1, with
// `reason`, for anything else (nan, inf, 0, a word): such a limit would
// never end the command, or end it at once.
qint64 parse_seconds_limit(const QString &text, QString *reason);
