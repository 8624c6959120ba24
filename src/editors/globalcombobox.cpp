#include "globalcombobox.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtMath>

CompactComboBox::CompactComboBox(QWidget *parent)
    : QComboBox(parent)
{
}

QSize CompactComboBox::sizeHint() const
{
    // The same room a combo box sized to its minimum contents length takes.
    const QFontMetrics metrics = fontMetrics();
    const QSize contents(minimumContentsLength() * metrics.horizontalAdvance(QLatin1Char('X')),
                         qMax(qCeil(QFontMetricsF(metrics).height()), 14) + 2);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this)
        .expandedTo(QApplication::globalStrut());
}

QSize CompactComboBox::minimumSizeHint() const
{
    return sizeHint();
}
