#include "compactcombobox.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtMath>

CompactComboBox::CompactComboBox(QWidget *parent)
    : QComboBox(parent)
{
}

void CompactComboBox::setIconRoom(bool reserved)
{
    if (reserved == iconRoom)
        return;
    iconRoom = reserved;
    updateGeometry();
}

void CompactComboBox::setWidestEntry(const QString &text)
{
    if (text == widest)
        return;
    widest = text;
    updateGeometry();
}

QSize CompactComboBox::sizeHint() const
{
    // The same room a combo box sized to its minimum contents length takes,
    // or to its widest entry.
    const QFontMetrics metrics = fontMetrics();
    int width = minimumContentsLength() * metrics.horizontalAdvance(QLatin1Char('X'));
    if (!widest.isEmpty()) {
        width = qMax(width, metrics.boundingRect(widest).width());
        // The form names the widest English entry; a translation's widest
        // can be another, and these boxes hold only a few.
        for (int i = 0; i < count(); ++i)
            width = qMax(width, metrics.boundingRect(itemText(i)).width());
    }
    QSize contents(width, qMax(qCeil(QFontMetricsF(metrics).height()), 14) + 2);
    if (iconRoom) {
        contents.rwidth() += iconSize().width() + 4;
        contents.setHeight(qMax(contents.height(), iconSize().height() + 2));
    }
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QSize size = style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return size.expandedTo(QApplication::globalStrut());
#else
    return size; // Qt 6 has no global strut
#endif
}

QSize CompactComboBox::minimumSizeHint() const
{
    return sizeHint();
}
