#include "valuelistmodel.h"

#include <QComboBox>
#include <QStandardItemModel>

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

QStringList zeroPaddedNumbers(int count, int width, int (*number)(int))
{
    QStringList texts;
    texts.reserve(count);
    QChar digits[3];
    for (int k = 0; k < count; ++k) {
        int value = number(k);
        for (int i = width - 1; i >= 0; --i, value /= 10)
            digits[i] = QLatin1Char(char('0' + value % 10));
        texts.append(QString(digits, width));
    }
    return texts;
}

const QStringList &numberListTexts()
{
    static const QStringList texts = zeroPaddedNumbers(128, 3, [](int k) { return k; });
    return texts;
}

void appendItems(QComboBox *box, const QStringList &texts, const QVector<int> &itemData)
{
    QList<QStandardItem *> items;
    items.reserve(texts.size());
    for (int k = 0; k < texts.size(); ++k) {
        auto *item = new QStandardItem(texts.at(k));
        item->setData(itemData.isEmpty() ? k : itemData.at(k), Qt::UserRole);
        items.append(item);
    }
    qobject_cast<QStandardItemModel *>(box->model())->invisibleRootItem()->appendRows(items);
}
