#include "presettabledelegate.h"

#include "image_layout.h"
#include "presetlibrarymodel.h"
#include "presetnamevalidator.h"

#include <QAbstractProxyModel>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>

namespace {

// The record a cell shows: the table may show a find's rows only.
int recordOf(const QModelIndex &index)
{
    if (const auto *proxy = qobject_cast<const QAbstractProxyModel *>(index.model()))
        return proxy->mapToSource(index).row();
    return index.row();
}

int bankOf(const QModelIndex &index)
{
    return recordOf(index) / layout::kBankSize;
}

// Every other bank in a light tint of the selection colour: plain enough to
// read on, distinct enough to count banks by.
QColor bankShade(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor tint = palette.color(QPalette::Highlight);
    const auto mix = [](int a, int b) { return (a * 88 + b * 12) / 100; };
    return QColor(mix(base.red(), tint.red()), mix(base.green(), tint.green()), mix(base.blue(), tint.blue()));
}

} // namespace

void PresetTableDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (bankOf(index) % 2 == 1)
        option->backgroundBrush = bankShade(option->palette);
}

void PresetTableDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const int record = recordOf(index);
    const bool lastOfBank = record % layout::kBankSize == layout::kBankSize - 1;
    if (!lastOfBank || record == layout::kPresetCount - 1)
        return;
    painter->save();
    painter->setPen(QPen(option.palette.color(QPalette::Mid), 2));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->restore();
}

QWidget *PresetTableDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                           const QModelIndex &index) const
{
    if (index.column() != PresetLibraryModel::NameColumn)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("presetNameEditor"));
    editor->setFrame(false);
    // No maximum length: the validator refuses a long name with its reason
    // where a length limit would cut a pasted one silently.
    auto *validator = new PresetNameValidator(editor);
    editor->setValidator(validator);
    connect(validator, &PresetNameValidator::refused, this, [this, editor](const QString &reason) {
        QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), reason, editor);
        emit nameRefused(reason);
    });
    return editor;
}
