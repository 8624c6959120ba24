#pragma once

#include "midi_explainer.h"
#include "midi_message.h"

#include <QAbstractTableModel>
#include <QVector>

#include <deque>

// The monitor's lines: each message with its explanation, the newest
// kMaxRows of them. New lines arrive in batches, one insertion per batch,
// so a burst costs the view one update per tick, not one per message.
class MonitorModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { TimeColumn, PortColumn, DeviceColumn, MessageColumn, ExplanationColumn, ColumnCount };
    static constexpr int kMaxRows = 10000;

    struct Line {
        MidiMessage message;
        Explanation explanation;
    };

    explicit MonitorModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Appends the lines, dropping the oldest past kMaxRows.
    void append(QVector<Line> lines);
    void clear();

    const Line &line(int row) const { return lines[size_t(row)]; }
    // Lines that fell off the top since the last clear.
    qint64 dropped() const { return droppedLines; }

private:
    QString cellText(const Line &line, int column) const;

    std::deque<Line> lines;
    qint64 droppedLines = 0;
};
