#pragma once

#include <QStyledItemDelegate>

// Draws the preset table with its banks set apart (every other bank shaded,
// a rule under each bank) and edits names in a line edit that refuses what
// the controller cannot store.
class PresetTableDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

signals:
    // A name typed or pasted into the editor was refused, and why.
    void nameRefused(const QString &reason) const;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
