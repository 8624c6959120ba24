#include "choicelists.h"

#include <QComboBox>
#include <QStandardItemModel>

ChoiceItems::ChoiceItems(const QStringList &texts, const QVector<int> &itemData)
{
    Q_ASSERT(itemData.isEmpty() || itemData.size() == texts.size());
    prototypes.reserve(size_t(texts.size()));
    for (int k = 0; k < texts.size(); ++k) {
        auto item = std::make_unique<QStandardItem>(texts.at(k));
        item->setData(itemData.isEmpty() ? k : itemData.at(k), Qt::UserRole);
        prototypes.push_back(std::move(item));
    }
}

ChoiceItems::~ChoiceItems() = default;

void ChoiceItems::appendTo(QComboBox *box) const
{
    auto *model = qobject_cast<QStandardItemModel *>(box->model());
    Q_ASSERT(model); // a combo box's own list
    QList<QStandardItem *> items;
    items.reserve(int(prototypes.size()));
    for (const auto &prototype : prototypes)
        items.append(prototype->clone());
    model->invisibleRootItem()->appendRows(items);
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

const ChoiceItems &numberChoices()
{
    static const ChoiceItems choices(numberListTexts());
    return choices;
}
