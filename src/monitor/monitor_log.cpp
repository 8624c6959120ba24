#include "monitor_log.h"

#include "monitor_model.h"
#include "store.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

bool is_editors_own_file(const QString &path)
{
    const FilePaths &own = file_paths();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (const QString &file : {own.configuration, own.sibling, own.dump, own.firmwareSysex, own.firmwareBinary})
        if (!file.isEmpty() && QFileInfo(file).absoluteFilePath() == absolute)
            return true;
    return false;
}

} // namespace

MonitorLog monitor_log(const MonitorModel &model)
{
    MonitorLog log;
    for (int row = 0; row < model.rowCount(); ++row) {
        const MonitorModel::Line &line = model.line(row);
        QStringList cells;
        for (int column = 0; column < MonitorModel::ColumnCount; ++column)
            cells << model.data(model.index(row, column)).toString();
        cells << midi_bytes_text(line.message);
        log.text += cells.join(QLatin1Char('\t')).toUtf8() + '\n';
        if (line.message.kind == MidiKind::SysEx)
            log.sysex += line.message.bytes;
    }
    return log;
}

QString free_sysex_path(const QString &logPath)
{
    const QFileInfo log(logPath);
    const QString base = log.dir().filePath(log.completeBaseName());
    QString candidate = base + QStringLiteral(".syx");
    for (int n = 2; QFileInfo(candidate).absoluteFilePath() == log.absoluteFilePath() || QFileInfo::exists(candidate)
                    || is_editors_own_file(candidate);
         ++n)
        candidate = base + QStringLiteral("-%1.syx").arg(n);
    return candidate;
}
