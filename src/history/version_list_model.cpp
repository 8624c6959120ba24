#include "version_list_model.h"

#include "image_bytes.h"
#include "image_compare.h"
#include "version_name.h"

#include <QCoreApplication>

namespace {

// The texts of this file belong to the "History" translation context; lupdate
// finds them by the qualified calls.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(History)
};

} // namespace

VersionListModel::VersionListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void VersionListModel::load(const QString &configurationPath)
{
    beginResetModel();
    m_configurationPath = configurationPath;
    m_versions = list_versions(configurationPath);
    m_entries = QVector<Entry>(m_versions.size());
    m_current = read_whole_memory(configurationPath, &m_currentProblem);
    endResetModel();
}

int VersionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_versions.size();
}

int VersionListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString VersionListModel::timeText(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

const VersionListModel::Entry &VersionListModel::entry(int row) const
{
    Entry &e = m_entries[row];
    if (!e.read) {
        e.bytes = read_whole_memory(m_versions.at(row).path, &e.problem);
        e.read = true;
    }
    return e;
}

QByteArray VersionListModel::versionBytes(int row) const
{
    return entry(row).bytes;
}

QString VersionListModel::versionProblem(int row) const
{
    return entry(row).problem;
}

// From a version to the next newer one that reads, or to the file as it is now.
QString VersionListModel::summary(int row) const
{
    Entry &e = m_entries[row];
    if (e.summarised)
        return e.summary;
    e.summarised = true;
    const QByteArray &before = entry(row).bytes;
    if (before.isEmpty())
        return e.summary = e.problem;
    QByteArray after = m_current;
    for (int newer = row - 1; newer >= 0; --newer) {
        if (!entry(newer).bytes.isEmpty()) {
            after = entry(newer).bytes;
            break;
        }
    }
    if (after.isEmpty())
        return e.summary = Text::tr("the file now: %1").arg(m_currentProblem);
    return e.summary = change_summary(compare_images(image_bytes(before), image_bytes(after)));
}

QVariant VersionListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_versions.size())
        return {};
    const HistoryVersion &version = m_versions.at(index.row());
    if (role == Qt::ToolTipRole)
        return version.path;
    if (role == Qt::AccessibleDescriptionRole) // the row as a screen reader says it
        return Text::tr("Kept %1, replaced by %2, changed from it to the next: %3")
            .arg(timeText(version.replacedAt), operation_text(version.operation), summary(index.row()));
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case WhenColumn:
        return timeText(version.replacedAt);
    case OperationColumn:
        return operation_text(version.operation);
    case ChangesColumn:
        return summary(index.row());
    }
    return {};
}

QVariant VersionListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case WhenColumn:
        return Text::tr("Kept");
    case OperationColumn:
        return Text::tr("Replaced by");
    case ChangesColumn:
        return Text::tr("Changed from it to the next");
    }
    return {};
}
