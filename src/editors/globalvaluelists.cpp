#include "globalvaluelists.h"

#include "fields.h"
#include "image_layout.h"

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

namespace globallists {

namespace {

// Decimal with leading zeros to `width` digits, for numbers below 1000; the
// lists hold hundreds of these, too many for a formatted print each.
QString zeroPadded(int value, int width)
{
    QChar digits[3];
    for (int i = width - 1; i >= 0; --i, value /= 10)
        digits[i] = QLatin1Char(char('0' + value % 10));
    return QString(digits, width);
}

QStringList numbered(int count, int width, int (*number)(int))
{
    QStringList texts;
    texts.reserve(count);
    for (int k = 0; k < count; ++k)
        texts.append(zeroPadded(number(k), width));
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

const QStringList &favoriteNumbers()
{
    static const QStringList texts = numbered(layout::kPresetCount, 3, preset_number);
    return texts;
}

QStringList loopNumbers()
{
    return numbered(layout::preset::kLoopCount, 1, plusOne);
}

QStringList relayNumbers()
{
    return numbered(layout::kRelayCount, 1, plusOne);
}

QStringList channelNumbers()
{
    return numbered(layout::kDeviceCount, 2, plusOne);
}

const QStringList &midiValues()
{
    static const QStringList texts = numbered(128, 3, itself);
    return texts;
}

} // namespace globallists
