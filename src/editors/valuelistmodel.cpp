#include "valuelistmodel.h"


ValueListModel::ValueListModel(const QStringList &texts, QObject *parent)
    : QAbstractListModel(parent)
    , texts(texts)
{
}

int ValueListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : texts.size();
}

QVariant ValueListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= texts.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return texts.at(index.row());
    case Qt::UserRole:
        return index.row();
    default:
        return QVariant();
    }
}

bool ValueListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= texts.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    const QString text = value.toString();
    if (texts.at(index.row()) != text) {
        texts[index.row()] = text;
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    }
    return true;
}
