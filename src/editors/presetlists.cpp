#include "presetlists.h"

#include "fields.h"
#include "image_layout.h"

#include <QComboBox>
#include <QStandardItemModel>

#include <cstdio>

QAbstractItemModel *makeChoiceList(const QStringList &texts, QObject *parent)
{
    auto *model = new QStandardItemModel(texts.size(), 1, parent);
    for (int position = 0; position < texts.size(); ++position) {
        auto *item = new QStandardItem(texts.at(position));
        item->setData(position, Qt::UserRole);
        model->setItem(position, item);
    }
    return model;
}

QStringList numberListTexts()
{
    QStringList texts;
    texts.reserve(128);
    for (int value = 0; value < 128; ++value) {
        char text[64];
        std::snprintf(text, sizeof text, "%03d", value);
        texts << QString::fromLatin1(text);
    }
    return texts;
}

QStringList deviceListTexts(const unsigned char *image)
{
    QStringList texts;
    for (int d = 0; d < layout::kDeviceCount; ++d)
        texts << device_entry_text(image, d);
    return texts;
}

QStringList offOnTexts()
{
    return {QStringLiteral("off"), QStringLiteral("on")};
}

void showChoiceList(const QList<QComboBox *> &boxes, QAbstractItemModel *list)
{
    for (QComboBox *box : boxes)
        box->setModel(list);
}
