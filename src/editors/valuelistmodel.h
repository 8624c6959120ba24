#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QVector>

class QComboBox;

// A list of combo box entries. Many combo boxes show the same long list, so
// they share one instance instead of each holding hundreds of items of its
// own; giving a box a list costs about as much as adding a few dozen items.
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

// `count` numbers with leading zeros to `width` digits (below 1000), entry k
// showing number(k): too many for a formatted print each.
QStringList zeroPaddedNumbers(int count, int width, int (*number)(int));

// "000" .. "127", built once per run.
const QStringList &numberListTexts();

// Appends `texts` to the combo box's own list in one go, entry k carrying
// itemData[k], or k when itemData is empty. For a short list this is
// cheaper than giving the box a shared one, and one insertion raises one
// change of the current entry, not one signal per entry.
void appendItems(QComboBox *box, const QStringList &texts, const QVector<int> &itemData = {});
