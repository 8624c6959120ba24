#pragma once

#include <QList>
#include <QStringList>

class QAbstractItemModel;
class QComboBox;
class QObject;

// Choice lists of the preset editor's dialogs. Many combo boxes show the
// same long list, so each list is built once as a model and shared; every
// entry carries its position as item data (the position is the stored value).
// The "000" .. "127" list is numberListTexts() (valuelistmodel.h).

QAbstractItemModel *makeChoiceList(const QStringList &texts, QObject *parent);

// "01 - <name of device 0>" .. "16 - <name of device 15>", from the image.
QStringList deviceListTexts(const unsigned char *image);
// "off", "on" and, for relays, loops and the output, a third entry.
QStringList offOnTexts();

// Gives every combo box the shared list; each selects its first entry.
void showChoiceList(const QList<QComboBox *> &boxes, QAbstractItemModel *list);
