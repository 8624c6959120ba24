#include "globalvaluelists.h"

#include "fields.h"
#include "image_layout.h"

ValueListModel::ValueListModel(const QStringList &texts, const QVector<int> &itemData, QObject *parent)
    : QAbstractListModel(parent)
    , texts(texts)
    , itemData(itemData)
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
        return index.row() < itemData.size() ? itemData.at(index.row()) : index.row();
    default:
        return QVariant();
    }
}

namespace globallists {

namespace {

QStringList numbered(int count, const char *format, int (*number)(int))
{
    QStringList texts;
    texts.reserve(count);
    for (int k = 0; k < count; ++k)
        texts.append(QString::asprintf(format, number(k)));
    return texts;
}

int plusOne(int k) { return k + 1; }
int itself(int k) { return k; }

} // namespace

QStringList functionNames()
{
    return {QStringLiteral("preset"), QStringLiteral("bank up"), QStringLiteral("bank down"),
            QStringLiteral("instant access"), QStringLiteral("favorite preset"),
            QStringLiteral("custom"), QStringLiteral("CC increment"), QStringLiteral("CC decrement"),
            QStringLiteral("loop"), QStringLiteral("relay"), QStringLiteral("A/B selector"),
            QStringLiteral("relay group off"), QStringLiteral("mode"), QStringLiteral("edit")};
}

QStringList actionNames()
{
    return {QStringLiteral("momentary"), QStringLiteral("alternate")};
}

QStringList axeFxModelNames()
{
    return {QStringLiteral("Axe-Fx II"), QStringLiteral("Axe-Fx Standard"), QStringLiteral("Axe-Fx Ultra")};
}

QVector<int> axeFxModelItemData()
{
    return {3, 0, 1};
}

QStringList favoriteNumbers()
{
    return numbered(layout::kPresetCount, "%03d", preset_number);
}

QStringList loopNumbers()
{
    return numbered(layout::preset::kLoopCount, "%d", plusOne);
}

QStringList relayNumbers()
{
    return numbered(layout::kRelayCount, "%d", plusOne);
}

QStringList channelNumbers()
{
    return numbered(layout::kDeviceCount, "%02d", plusOne);
}

QStringList midiValues()
{
    return numbered(128, "%03d", itself);
}

} // namespace globallists
