#pragma once

#include "version_listing.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QVector>

// The kept versions of one configuration file, newest first: when each was
// replaced, by what, and what changed from it to the next one (the next
// newer version, or the file as it is now for the newest). Summaries are
// worked out when a view first asks for them, so a long history lists at once.
class VersionListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { WhenColumn, OperationColumn, ChangesColumn, ColumnCount };

    explicit VersionListModel(QObject *parent = nullptr);

    // Lists the versions of `configurationPath` and reads the file as it is now.
    void load(const QString &configurationPath);
    QString configurationPath() const { return m_configurationPath; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const HistoryVersion &version(int row) const { return m_versions.at(row); }
    // The whole memory of a version, or empty when it is unreadable.
    QByteArray versionBytes(int row) const;
    // Why a version is unreadable; empty when it reads as a whole memory.
    QString versionProblem(int row) const;
    // The configuration file as it is now, or empty when it is not a whole memory.
    QByteArray currentBytes() const { return m_current; }

    // "2025-01-15 21:30:45", local time.
    static QString timeText(const QDateTime &time);

private:
    struct Entry {
        bool read = false;
        QByteArray bytes;
        QString problem;
        bool summarised = false;
        QString summary;
    };
    const Entry &entry(int row) const;
    QString summary(int row) const;

    QString m_configurationPath;
    QVector<HistoryVersion> m_versions;
    mutable QVector<Entry> m_entries;
    QByteArray m_current;
    QString m_currentProblem;
};
