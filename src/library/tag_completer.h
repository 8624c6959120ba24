#pragma once

#include <QCompleter>

class QStringListModel;

// Completes the last word of a line of tags from the tags already used, and
// puts the chosen one in its place, keeping the words before it.
class TagCompleter : public QCompleter
{
    Q_OBJECT

public:
    explicit TagCompleter(QObject *parent = nullptr);
    void setTags(const QStringList &tags);

    QStringList splitPath(const QString &path) const override;
    QString pathFromIndex(const QModelIndex &index) const override;

private:
    QStringListModel *m_tags;
};
