#pragma once

#include <QByteArray>
#include <QString>

class MonitorModel;

// What Save Log writes: one tab-separated line of text per row, as the
// table shows it plus the message's bytes, and the SysEx messages among
// them as one .syx stream.
struct MonitorLog {
    QByteArray text;
    QByteArray sysex;
};

MonitorLog monitor_log(const MonitorModel &model);

// Where a log's SysEx messages go: `<log>.syx` beside the log, unless that
// is the log itself, a file already there (the save dialog asked about the
// log only) or one of the editor's own, such as the last dump received;
// then the first free `<log>-N.syx`.
QString free_sysex_path(const QString &logPath);
