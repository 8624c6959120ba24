#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QVector>

// A read-only list of combo box entries. Many combo boxes of the global
// dialog show the same long list, so they share one instance instead of
// each holding hundreds of items of its own. An entry's position is its
// stored value and its item data.
class ValueListModel : public QAbstractListModel
{
public:
    ValueListModel(const QStringList &texts, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QStringList texts;
};

// The value lists of the global dialog; entry k stands for stored value k.
namespace globallists {
QStringList functionNames();  // 14 button functions, "preset" .. "edit"
QStringList actionNames();    // "momentary", "alternate"
QStringList axeFxModelNames(); // "Axe-Fx II", "Axe-Fx Standard", "Axe-Fx Ultra"
QVector<int> axeFxModelItemData();
// The two long lists are built once per run.
const QStringList &favoriteNumbers(); // "001" .. "299", the preset numbers of records 0..269
QStringList loopNumbers();     // "1" .. "8"
QStringList relayNumbers();    // "1", "2"
QStringList channelNumbers();  // "01" .. "16"
const QStringList &midiValues();      // "000" .. "127"
} // namespace globallists
