#pragma once

#include <QAbstractListModel>
#include <QStringList>

// A long list of combo box entries held as texts alone: the preset
// selector's, built anew each time, and the favorites that nine boxes share.
// Beyond about 200 entries, switching a box to such a list is cheaper than
// giving it items of its own.
// An entry's position is its stored value and its item data. Texts can be
// replaced (as QComboBox::setItemText does); rows are fixed.
class ValueListModel : public QAbstractListModel
{
public:
    ValueListModel(const QStringList &texts, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    QStringList texts;
};
