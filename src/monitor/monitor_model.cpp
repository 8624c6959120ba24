#include "monitor_model.h"

#include <algorithm>

MonitorModel::MonitorModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int MonitorModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(lines.size());
}

int MonitorModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString MonitorModel::cellText(const Line &line, int column) const
{
    switch (column) {
    case TimeColumn:
        return QString::number(line.message.time, 'f', 3);
    case PortColumn:
        return line.message.direction == MidiDirection::Sent ? tr("sent to %1").arg(line.message.port)
                                                              : line.message.port;
    case DeviceColumn:
        return line.explanation.device;
    case MessageColumn:
        return line.explanation.event;
    case ExplanationColumn:
        return line.explanation.explanation;
    default:
        return QString();
    }
}

QVariant MonitorModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(lines.size()))
        return QVariant();
    const Line &line = lines[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return cellText(line, index.column());
    case Qt::ToolTipRole:
        // The whole explanation, where the column is too narrow for it.
        return line.explanation.explanation.isEmpty()
            ? tr("Bytes: %1").arg(midi_bytes_text(line.message))
            : tr("Bytes: %1\n%2").arg(midi_bytes_text(line.message), line.explanation.explanation);
    case Qt::AccessibleTextRole:
        // A row read as one sentence.
        return line.explanation.explanation.isEmpty()
            ? line.explanation.message
            : tr("%1: %2").arg(line.explanation.message, line.explanation.explanation);
    default:
        return QVariant();
    }
}

QVariant MonitorModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TimeColumn: return tr("Time");
    case PortColumn: return tr("Port");
    case DeviceColumn: return tr("Channel/Device");
    case MessageColumn: return tr("Message");
    case ExplanationColumn: return tr("Explanation");
    default: return QVariant();
    }
}

void MonitorModel::append(QVector<Line> added)
{
    if (added.isEmpty())
        return;
    // Of a batch larger than the whole table only its newest lines stay.
    if (added.size() > kMaxRows) {
        droppedLines += added.size() - kMaxRows;
        added.erase(added.begin(), added.end() - kMaxRows);
    }
    const int overflow = int(lines.size()) + added.size() - kMaxRows;
    if (overflow > 0) {
        beginRemoveRows(QModelIndex(), 0, overflow - 1);
        lines.erase(lines.begin(), lines.begin() + overflow);
        endRemoveRows();
        droppedLines += overflow;
    }
    const int first = int(lines.size());
    beginInsertRows(QModelIndex(), first, first + added.size() - 1);
    for (Line &line : added)
        lines.push_back(std::move(line));
    endInsertRows();
}

void MonitorModel::clear()
{
    beginResetModel();
    lines.clear();
    droppedLines = 0;
    endResetModel();
}
